// The demo installation's content and the builder blocks, in-process.

#include <gtest/gtest.h>

#include <set>

#include "archive/catalogo.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "fiscalcode/codice_fiscale.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"

namespace {

using namespace dictionary;

class Demo : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        tools::creaArchivioDemo(cartella_.file("archivi"));
    }
    std::string record(double file, double n) {
        if (archive::CANALE[static_cast<int>(file)] == 0) archive::FAIOPEN(file);
        EXPECT_EQ(archive::LEGGIREC(file, n), 0) << file << " " << n;
        return archive::AREAREC[static_cast<int>(file)];
    }
    supporto::CartellaTemporanea cartella_;
};

TEST_F(Demo, OgniDipendenteMostraQuelloCheIlReadmeDice) {
    const auto elenco = tools::dipendentiDemo();
    ASSERT_GE(elenco.size(), 60u);
    std::set<char> iniziali;
    int riassumibili = 0, inForza = 0, nonEnpals = 0, dittaCessata = 0;
    for (const auto& d : elenco) {
        const std::string r = record(2, d.numeroRecord);
        EXPECT_EQ(RepoR(P001, 0, r), d.chiave);
        EXPECT_EQ(runtime::RTRIM(RepoR(P002, 0, r)), d.cognome);
        const double p054 = RepoRN(P054, 0, r), p168 = RepoRN(P168, 0, r);
        if (d.esito.find("ditta 4") != std::string::npos) {
            ++dittaCessata;
            EXPECT_EQ(RepoRN(T261, 0, record(1, 4)), 99);
        } else if (d.esito.rfind("riassumibile", 0) == 0) {
            ++riassumibili;
            EXPECT_NE(p054, 0) << d.cognome;
            EXPECT_GE(p168, 2) << d.cognome;
        } else if (d.esito.find("in forza") != std::string::npos) {
            ++inForza;
            EXPECT_EQ(p054, 0) << d.cognome;
        } else {
            ++nonEnpals;
            EXPECT_NE(p054, 0) << d.cognome;
            EXPECT_LT(p168, 2) << d.cognome;
        }
        // Valid fiscal codes whose birthplace is in the municipalities file.
        const std::string cf = runtime::MID(r, 9575, 16);
        EXPECT_EQ(fiscalcode::CONTROLLACF(cf), 0) << cf;
        const std::string nascita = fiscalcode::DECODIFICACF_S(cf);
        EXPECT_NE(runtime::TRIM(runtime::MID(nascita, 7, 20)), runtime::MID(cf, 12, 4)) << cf;
        EXPECT_NE(runtime::MID(nascita, 1, 6), "000000") << cf;
        iniziali.insert(d.cognome[0]);
    }
    EXPECT_GT(riassumibili, 10);
    EXPECT_GT(inForza, 5);
    EXPECT_GT(nonEnpals, 5);
    EXPECT_GT(dittaCessata, 0);
    for (const char* gruppo : {"ABC", "DEF", "GHI", "LMN", "OPQ", "RST", "UVZ"}) {
        EXPECT_TRUE(iniziali.count(gruppo[0]) || iniziali.count(gruppo[1]) ||
                    iniziali.count(gruppo[2]))
            << gruppo;
    }
    for (char c : std::string("WYJKX'"))
        EXPECT_TRUE(iniziali.count(c)) << c;

    // Task 3 holds exactly one worker, and it is one the re-hire test would accept.
    archive::ANNOOPEN = "03";
    archive::FAIOPEN(312);
    ASSERT_EQ(archive::LEGGIREC(312, 1), 0);
    const std::string bitmap = archive::AREAREC[312];
    long tenuti = 0;
    for (const auto& d : elenco) {
        const auto r = static_cast<long>(d.numeroRecord);
        const bool bit = (static_cast<unsigned char>(bitmap[(r - 1) / 8]) >> (7 - (r - 1) % 8)) & 1;
        EXPECT_EQ(bit, d.esito.find("task 3") != std::string::npos) << d.cognome;
        tenuti += bit;
    }
    EXPECT_EQ(tenuti, 1);
}

TEST_F(Demo, CatalogoDelleTabelleEDeiTask) {
    // Files 160 and 253 are one file; 312 takes the task number.
    int16_t prefisso = -1;
    EXPECT_EQ(archive::DAMMIFILE_S(160, prefisso), archive::DAMMIFILE_S(253, prefisso));
    archive::ANNOOPEN = "3";
    EXPECT_NE(archive::DAMMIFILE_S(312, prefisso).find("SWBI03.DAT"), std::string::npos);
}

TEST(Costruttore, RecordDiCatalogoEDiDefinizione) {
    EXPECT_EQ(tools::recordCatalogo({7, "DIPEND.IDX", 2176}),
              "007DIPEND.IDX" + std::string(19, ' ') + "02176" + std::string(42, ' '));
    EXPECT_THROW(tools::recordCatalogo({7, std::string(30, 'X'), 10}), tools::ErroreCostruzione);
    EXPECT_THROW(tools::recordCatalogo({601, "X", 10}), tools::ErroreCostruzione);

    tools::RigaDefinizione riga;
    riga.descrizione = "POSIZIONE ENPALS";
    riga.lunghezza = 1;
    riga.tipo = 'N';
    riga.posizione = 2401;
    riga.aiuto = 10;
    riga.archivio = 998;
    const std::string r = tools::recordDefinizione(riga);
    ASSERT_EQ(r.size(), 80u);
    EXPECT_EQ(runtime::MID(r, 4, 23), "POSIZIONE ENPALS       ");
    EXPECT_EQ(runtime::VAL(runtime::MID(r, 47, 4)), 10);
    EXPECT_EQ(runtime::VAL(runtime::MID(r, 50, 5)), 2401);
    EXPECT_EQ(runtime::MID(r, 43, 3), "998");
    // Help 15 would need character 50 to be "5" while the position needs "0".
    riga.aiuto = 15;
    EXPECT_THROW(tools::recordDefinizione(riga), tools::ErroreCostruzione);
    riga.aiuto = 10;
    riga.descrizione = std::string(24, 'X');
    EXPECT_THROW(tools::recordDefinizione(riga), tools::ErroreCostruzione);
}

TEST(Costruttore, CodiceFiscaleSecondoLaRegolaPubblicata) {
    // Four consonants in the name: first, third and fourth; women add 40 to the day.
    const std::string cf = tools::codiceFiscale("ROSSI", "FRANCESCA", "05071982", 'F', "H501");
    EXPECT_EQ(cf.substr(0, 15), "RSSFNC82L45H501");
    EXPECT_EQ(fiscalcode::CONTROLLACF(cf), 0);
    EXPECT_EQ(tools::codiceFiscale("FO", "LI", "01011990", 'M', "F205").substr(0, 6), "FOXLIX");
    EXPECT_THROW(tools::codiceFiscale("ROSSI", "MARIO", "31131990", 'M', "H501"),
                 tools::ErroreCostruzione);
}

}  // namespace
