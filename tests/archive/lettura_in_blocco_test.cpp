// Reads in runs, and views into them, against LEGGIREC one record at a time: the same results,
// areas, trace and errors for random reads (runs, jumps back, past an incomplete last record).

#include <random>
#include <tuple>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"

namespace {

class LetturaInBlocco : public supporto::ProvaArchivio {
  protected:
    // 300.5 records of 7 bytes; 80.5 records of 30000 bytes, 35 to a run of 1 MB.
    LetturaInBlocco() : ProvaArchivio({{1, "PICCOLI.DAT", 7}, {2, "GRANDI.DAT", 30000}}) {}
    const long record[3] = {0, 300, 80};

    void SetUp() override {
        ProvaArchivio::SetUp();
        std::mt19937 rng(3);
        for (int n : {1, 2}) {
            std::string dati(static_cast<size_t>((record[n] * 2 + 1) * (n == 1 ? 7 : 30000) / 2), ' ');
            for (char& c : dati) c = static_cast<char>('A' + rng() % 26);
            a.scrivi(n == 1 ? "PICCOLI.DAT" : "GRANDI.DAT", dati);
            archive::FAIOPEN(n);
        }
    }
    void TearDown() override { platform::fermaViaggi(), ProvaBase::TearDown(); }
};

TEST_F(LetturaInBlocco, ComeLeLettureSingoleConUnaLetturaPerBlocco) {
    std::mt19937 rng(19);
    for (int n : {1, 2}) {
        auto stato = [n](int errore, double esito) {
            return std::tuple(errore, esito, archive::AREAREC[static_cast<size_t>(n)], archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE);
        };
        archive::LetturaInBlocco lettura(n);
        double r = 0, esito = 0;
        for (int passo = 0; passo < 400; ++passo) {
            const unsigned tiro = rng() % 10;
            r = tiro < 7 ? r + 1 : static_cast<double>(rng() % static_cast<unsigned>(record[n] + 3) + 1);
            const double ultimo = tiro == 9 ? 1e15 : r + static_cast<double>(rng() % 30);
            if (passo == 200) archive::AREAREC[static_cast<size_t>(n)] += 'x';  // error 59
            const auto prima = stato(0, 0);
            int errore = supporto::erroreDi([&] { esito = archive::LEGGIREC(n, r); });
            const auto singola = stato(errore, esito);
            std::tie(std::ignore, std::ignore, archive::AREAREC[static_cast<size_t>(n)], archive::TRACCIA_ELENCO,
                     archive::TRACCIA_INDICE) = prima;
            errore = supporto::erroreDi([&] { esito = lettura.leggi(r, ultimo); });
            ASSERT_EQ(stato(errore, esito), singola) << n << " " << r << " " << ultimo;
            if (passo == 200) archive::AREAREC[static_cast<size_t>(n)].pop_back();
        }
        // A scan: one read per run; the incomplete record with the last run and alone, then the end.
        archive::LetturaInBlocco scansione(n);
        platform::contaViaggi();
        for (r = 1; scansione.leggi(r, 1e15) == 0;) ++r;
        EXPECT_EQ(r, static_cast<double>(record[n] + 1));
        EXPECT_EQ(platform::viaggiContati(), n == 1 ? 2 + 2 : 1 + 1 + 2 + 2);
    }
}

// Views: the same record area wherever the reading ends (end, error, fine(), the reader gone).
TEST_F(LetturaInBlocco, LeVisteComeLeLettureSingole) {
    std::mt19937 rng(23);
    std::string& area = archive::AREAREC[2];
    std::string modello = area;  // the record area after the same reads one by one
    auto traccia = [] { return std::pair(archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE); };
    for (int giro = 0; giro < 60; ++giro) {
        {
            archive::LetturaInBlocco lettura(2);
            std::string_view testo;
            double singola = 0, esito = 0;
            for (double r = rng() % 84 + 1;; r = rng() % 8 != 0 ? r + 1 : rng() % 85) {
                const auto [vista, elenco, indice] = std::tuple(area, archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE);
                area = modello;
                const int errore = supporto::erroreDi([&] { singola = archive::LEGGIREC(2, r); });
                const auto attesa = std::tuple(modello = area, traccia());
                std::tie(area, archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE) = std::tie(vista, elenco, indice);
                ASSERT_EQ(supporto::erroreDi([&] { esito = lettura.vedi(r, r + rng() % 40, testo); }), errore);
                ASSERT_EQ(std::tuple(errore != 0 || esito != 0 ? area : std::string(testo), traccia()), attesa);
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
