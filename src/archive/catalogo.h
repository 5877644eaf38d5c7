#pragma once
// The file catalogue QZBASE.DAT: file number -> path and record length.

#include <cstdint>
#include <string>

namespace archive {

// One-shot path values: set by a caller just before an open, emptied by the lookup that uses them.
inline std::string DITTAOPEN, ANNOOPEN, REGIONEOPEN, PROVINCIAOPEN, DISCOOPEN;
// Record length found by the latest catalogue lookup.
inline double LUNRECBASE = 0;

std::string DAMMIFILE_S(double numero, int16_t& prefisso);

// The four one-shot values that routines opening several files in a row keep and put back.
struct ValoriOpen {
    std::string ditta, anno, regione, provincia;
};
ValoriOpen salvaValoriOpen();
void ripristinaValoriOpen(const ValoriOpen& v);

void azzeraCatalogo();

}  // namespace archive
