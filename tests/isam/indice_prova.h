#pragma once
// Fixture of the index tests: a temporary installation with a catalogue of a few index files,
// and blocks written by hand from the format rules.

#include <cstdio>
#include <string>
#include <vector>

#include "archive/slot_file.h"
#include "isam/isam.h"
#include "support/archivio_prova.h"

namespace prova {

// Index files of the test catalogue, by key length.
inline constexpr double IDX10 = 7;        // L = 10, R = 2176
inline constexpr double IDX3 = 8;         // L = 3, R = 1280
inline constexpr double IDX6 = 9;         // L = 6, R = 1664
inline constexpr double IDX_STORTO = 10;  // record length 100: not an index size
inline constexpr double IDX_DITTA = 11;   // L = 10 under DITTA###

// One entry and one block, written straight from the format rules.
inline std::string voce(const std::string& chiave, char livello, long numero) {
    char cifre[8];
    std::snprintf(cifre, sizeof cifre, "%06ld", numero);
    return chiave + livello + cifre;
}
inline std::string blocco(long L, char livello, const std::vector<std::string>& voci) {
    std::string b;
    for (const auto& v : voci) b += v;
    while (b.size() < static_cast<size_t>((L + 7) * 128))
        b += voce(std::string(static_cast<size_t>(L), '\xFC'), livello, 0);
    return b;
}

class ProvaIsam : public supporto::ProvaArchivio {
  protected:
    ProvaIsam()
        : ProvaArchivio({{7, "IDX10.DAT", 2176}, {8, "IDX3.DAT", 1280}, {9, "IDX6.DAT", 1664},
                         {10, "STORTO.DAT", 100}, {11, "DITTA###\\IDXD.DAT", 2176}}) {}
    // The bytes of a test index file (files 7 to 10 of the catalogue).
    std::string byte(double n) const { return a.leggi(nomi_[static_cast<int>(n) - 7]); }
    void scriviByte(double n, const std::string& b) const { a.scrivi(nomi_[static_cast<int>(n) - 7], b); }
    // Opens the index and initialises it empty.
    void nuovoIndice(double n) { ASSERT_EQ(isam::ISAM(n, "", isam::ISAM_INIZIALIZZA, 0), 0); }
    // Structure check, as one text for readable failures.
    std::string guasti(double numero) {
        std::string tutti;
        for (const auto& g : isam::verificaIndice(numero)) tutti += g + "\n";
        return tutti;
    }

    static constexpr const char* nomi_[] = {"IDX10.DAT", "IDX3.DAT", "IDX6.DAT", "STORTO.DAT"};
};

}  // namespace prova
