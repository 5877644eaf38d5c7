// Reads in runs against LEGGIREC one record at a time: the same results, record areas, trace
// and errors for random reads (runs, jumps back, past the end of a file whose last record is
// incomplete), with one read of the file per run.

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

class LetturaInBlocco : public supporto::ProvaBase {
  protected:
    // 300.5 records of 7 bytes; 80.5 records of 30000 bytes, 35 to a run of 1 MB.
    supporto::ArchivioProva a{{{1, "PICCOLI.DAT", 7}, {2, "GRANDI.DAT", 30000}}};
    const long record[3] = {0, 300, 80};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
        std::mt19937 rng(3);
        for (int n : {1, 2}) {
            std::string dati(static_cast<size_t>((record[n] * 2 + 1) * (n == 1 ? 7 : 30000) / 2),
                             ' ');
            for (char& c : dati)
                c = static_cast<char>('A' + rng() % 26);
            a.scrivi(n == 1 ? "PICCOLI.DAT" : "GRANDI.DAT", dati);
            archive::FAIOPEN(n);
        }
    }
    void TearDown() override {
        platform::fermaViaggi();
        ProvaBase::TearDown();
    }
};

TEST_F(LetturaInBlocco, ComeLeLettureSingoleConUnaLetturaPerBlocco) {
    std::mt19937 rng(19);
    for (int n : {1, 2}) {
        auto stato = [n](int errore, double esito) {
            return std::tuple(errore, esito, archive::AREAREC[static_cast<size_t>(n)],
                              archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE);
        };
        archive::LetturaInBlocco lettura(n);
        double r = 0, esito = 0;
        for (int passo = 0; passo < 400; ++passo) {
            const unsigned tiro = rng() % 10;
            r = tiro < 7 ? r + 1
                         : static_cast<double>(rng() % static_cast<unsigned>(record[n] + 3) + 1);
            const double ultimo = tiro == 9 ? 1e15 : r + static_cast<double>(rng() % 30);
            if (passo == 200) archive::AREAREC[static_cast<size_t>(n)] += 'x';  // error 59
            const auto prima = stato(0, 0);
            int errore = supporto::erroreDi([&] { esito = archive::LEGGIREC(n, r); });
            const auto singola = stato(errore, esito);
            std::tie(std::ignore, std::ignore, archive::AREAREC[static_cast<size_t>(n)],
                     archive::TRACCIA_ELENCO, archive::TRACCIA_INDICE) = prima;
            errore = supporto::erroreDi([&] { esito = lettura.leggi(r, ultimo); });
            ASSERT_EQ(stato(errore, esito), singola) << n << " " << r << " " << ultimo;
            if (passo == 200) archive::AREAREC[static_cast<size_t>(n)].pop_back();
        }
        // A scan: each run is one read; the incomplete record is read with the last run and
        // alone, each time followed by the read that finds the end.
        archive::LetturaInBlocco scansione(n);
        platform::contaViaggi();
        for (r = 1; scansione.leggi(r, 1e15) == 0;)
            ++r;
        EXPECT_EQ(r, static_cast<double>(record[n] + 1));
        EXPECT_EQ(platform::viaggiContati(), n == 1 ? 2 + 2 : 1 + 1 + 2 + 2);
    }
}

}  // namespace
