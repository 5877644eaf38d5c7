// Views into the run against LEGGIREC one record at a time, over random scans with jumps: the
// same results, records, errors and trace at every read, and the same record area wherever the
// reading ends (end of file, an error, fine(), the reader going away).
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

class VistaInBlocco : public supporto::ProvaBase {};

TEST_F(VistaInBlocco, ComeLeLettureSingole) {
    supporto::ArchivioProva a{{{1, "GRANDI.DAT", 30000}}};  // 80.5 records, 35 to a run
    a.impostaGlobali();
    std::mt19937 rng(23);
    std::string dati(80 * 30000 + 15000, ' ');
    for (char& c : dati)
        c = static_cast<char>('A' + rng() % 26);
    a.scrivi("GRANDI.DAT", dati);
    archive::FAIOPEN(1);
    std::string& area = archive::AREAREC[1];
    std::string modello = area;  // the record area after the same reads one by one
    auto traccia = [] { return std::pair(archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE); };
    for (int giro = 0; giro < 60; ++giro) {
        {
            archive::LetturaInBlocco lettura(1);
            std::string_view testo;
            double singola = 0, esito = 0;
            for (double r = rng() % 84 + 1;; r = rng() % 8 != 0 ? r + 1 : rng() % 85) {
                const auto [vista, elenco, indice] =
                    std::tuple(area, archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE);
                area = modello;
                const int errore = supporto::erroreDi([&] { singola = archive::LEGGIREC(1, r); });
                const auto attesa = std::tuple(modello = area, traccia());
                std::tie(area, archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE) =
                    std::tie(vista, elenco, indice);
                ASSERT_EQ(
                    supporto::erroreDi([&] { esito = lettura.vedi(r, r + rng() % 40, testo); }),
                    errore);
                ASSERT_EQ(
                    std::tuple(errore != 0 || esito != 0 ? area : std::string(testo), traccia()),
                    attesa);
                ASSERT_EQ(esito, singola) << r;
                if (errore != 0 || esito == 1 || rng() % 15 == 0) break;  // or the reader goes
                if (rng() % 15 == 0) {
                    lettura.fine();
                    ASSERT_EQ(area, modello) << r;
                }
            }
        }
        ASSERT_EQ(area, modello);
    }
}

}  // namespace
