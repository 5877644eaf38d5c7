#pragma once
// Fixture of the index tests: a temporary installation with a catalogue of a few index files,
// and blocks written by hand from the format rules.

#include <string>
#include <vector>

#include "archive/slot_file.h"
#include "isam/isam.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace prova {

// Index files of the test catalogue, by key length.
inline constexpr double IDX10 = 7;        // L = 10, R = 2176
inline constexpr double IDX3 = 8;         // L = 3, R = 1280
inline constexpr double IDX6 = 9;         // L = 6, R = 1664
inline constexpr double IDX_STORTO = 10;  // record length 100: not an index size
inline constexpr double IDX_DITTA = 11;   // L = 10 under DITTA###

// One entry and one block, written straight from the format rules.
std::string voce(const std::string& chiave, char livello, long numero);
std::string blocco(long L, char livello, const std::vector<std::string>& voci);

class ProvaIsam : public supporto::ProvaBase {
  protected:
    void SetUp() override;

    // The bytes of a test index file.
    std::string byte(double numero) const;
    void scriviByte(double numero, const std::string& contenuto) const;
    // Opens the index and initialises it empty.
    void nuovoIndice(double numero);
    // Structure check, as one text for readable failures.
    std::string guasti(double numero);

    supporto::ArchivioProva a{{{7, "IDX10.DAT", 2176},
                               {8, "IDX3.DAT", 1280},
                               {9, "IDX6.DAT", 1664},
                               {10, "STORTO.DAT", 100},
                               {11, "DITTA###\\IDXD.DAT", 2176}}};
};

}  // namespace prova
