// Reads of runs of records against LEGGIREC one record at a time: the same results, record
// areas, trace and errors for random sequences of reads (runs, jumps back, records past the
// end of a file whose last record is incomplete), with far fewer reads of the file.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

using supporto::erroreDi;

struct File {
    int numero;
    long lunghezza;  // record length
    long record;     // whole records in the file, then half a record
};
// Small records; records so long that a run holds 34 of them.
constexpr File FILE_PROVA[] = {{1, 7, 300}, {2, 30000, 80}};

struct Stato {
    double esito;
    int errore;
    std::string area;
    std::array<std::string, 11> traccia;
    int16_t indice;
    bool operator==(const Stato&) const = default;
};

class LetturaInBlocco : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{1, "PICCOLI.DAT", 7}, {2, "GRANDI.DAT", 30000}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
        std::mt19937 rng(3);
        for (const File& f : FILE_PROVA) {
            std::string dati;
            for (long i = 0; i < (f.record * 2 + 1) * f.lunghezza / 2; ++i)
                dati += static_cast<char>('A' + rng() % 26);
            a.scrivi(f.numero == 1 ? "PICCOLI.DAT" : "GRANDI.DAT", dati);
            archive::FAIOPEN(f.numero);
        }
    }
    void TearDown() override {
        platform::fermaViaggi();
        ProvaBase::TearDown();
    }

    static Stato stato(int n, double esito, int errore) {
        return {esito, errore, archive::AREAREC[static_cast<size_t>(n)], archive::TRACCIA_ELENCO,
                archive::TRACCIA_INDICE};
    }
};

TEST_F(LetturaInBlocco, LasciaAreeTracciaEdEsitiComeLeLettureSingole) {
    std::mt19937 rng(19);
    for (const File& f : FILE_PROVA) {
        archive::LetturaInBlocco lettura(f.numero);
        double r = 0;
        for (int passo = 0; passo < 400; ++passo) {
            // Mostly the next record, sometimes a jump (back too) or past the end.
            const int tiro = static_cast<int>(rng() % 10);
            r = tiro < 7 ? r + 1 : static_cast<double>(rng() % static_cast<unsigned>(f.record + 3) + 1);
            const double ultimo = tiro == 9 ? 1e15 : r + static_cast<double>(rng() % 30);
            if (passo == 200) archive::AREAREC[static_cast<size_t>(f.numero)] += 'x';  // error 59
            const Stato prima = stato(f.numero, 0, 0);
            double esito = -9;
            const int e1 = erroreDi([&] { esito = archive::LEGGIREC(f.numero, r); });
            const Stato singola = stato(f.numero, esito, e1);
            archive::AREAREC[static_cast<size_t>(f.numero)] = prima.area;
            archive::TRACCIA_ELENCO = prima.traccia;
            archive::TRACCIA_INDICE = prima.indice;
            esito = -9;
            const int e2 = erroreDi([&] { esito = lettura.leggi(r, ultimo); });
            ASSERT_EQ(stato(f.numero, esito, e2), singola) << f.numero << " " << r << " " << ultimo;
            if (passo == 200) archive::AREAREC[static_cast<size_t>(f.numero)].pop_back();
        }
    }
}

TEST_F(LetturaInBlocco, UnaScansioneFaUnaLetturaPerBlocco) {
    // Whole records, then the incomplete one, read twice: once as part of the last run
    // and once alone, each time followed by the read that finds the end.
    const long attese[] = {2 + 2, 1 + 1 + 2 + 2};
    for (const File& f : FILE_PROVA) {
        archive::LetturaInBlocco lettura(f.numero);
        platform::contaViaggi();
        double r = 0;
        while (lettura.leggi(++r, 1e15) == 0) {
        }
        EXPECT_EQ(r, static_cast<double>(f.record + 1));
        EXPECT_EQ(platform::viaggiContati(), attese[f.numero - 1]) << f.numero;
        EXPECT_EQ(archive::TRACCIA_ELENCO[archive::TRACCIA_INDICE],
                  "LEGGIREC (" + std::to_string(f.numero) + "-" + std::to_string(f.record + 1) + ")");
    }
}

}  // namespace
