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

// Every worker is stored as the README describes him, with a valid fiscal code whose birthplace
// is in the municipalities file; task 3 holds exactly the one worker it names.
TEST_F(Demo, OgniDipendenteMostraQuelloCheIlReadmeDice) {
    const auto elenco = tools::dipendentiDemo();
    ASSERT_GE(elenco.size(), 60u);
    std::map<std::string, int> esiti;
    archive::ANNOOPEN = "03";
    archive::FAIOPEN(312);
    ASSERT_EQ(archive::LEGGIREC(312, 1), 0);
    const std::string bitmap = archive::AREAREC[312];
    for (const auto& d : elenco) {
        const std::string r = record(2, d.numeroRecord);
        EXPECT_EQ(RepoR(P001, 0, r), d.chiave);
        EXPECT_EQ(runtime::RTRIM(RepoR(P002, 0, r)), d.cognome);
        const double p054 = RepoRN(P054, 0, r), p168 = RepoRN(P168, 0, r);
        std::string tipo = d.esito.find("ditta 4") != std::string::npos ? "cessata"
                           : d.esito.rfind("riassumibile", 0) == 0   ? "riassumibile"
                           : d.esito.find("in forza") != std::string::npos ? "in forza"
                                                                             : "non enpals";
        ++esiti[tipo];
        if (tipo == "riassumibile" || tipo == "non enpals") {
            EXPECT_NE(p054, 0) << d.cognome;
            EXPECT_EQ(p168 >= 2, tipo == "riassumibile") << d.cognome;
        }
        if (tipo == "in forza") { EXPECT_EQ(p054, 0) << d.cognome; }
        const std::string cf = runtime::MID(r, 9575, 16);
        EXPECT_EQ(fiscalcode::CONTROLLACF(cf), 0) << cf;
        const std::string nascita = fiscalcode::DECODIFICACF_S(cf);
        EXPECT_NE(runtime::TRIM(runtime::MID(nascita, 7, 20)), runtime::MID(cf, 12, 4)) << cf;
        const long n = static_cast<long>(d.numeroRecord) - 1;
        const bool bit = (static_cast<unsigned char>(bitmap[n / 8]) >> (7 - n % 8)) & 1;
        EXPECT_EQ(bit, d.esito.find("task 3") != std::string::npos) << d.cognome;
        esiti["task 3"] += bit;
    }
    EXPECT_EQ(RepoRN(T261, 0, record(1, 4)), 99);
    EXPECT_GT(esiti["riassumibile"], 10);
    EXPECT_GT(esiti["in forza"], 5);
    EXPECT_GT(esiti["non enpals"], 5);
    EXPECT_GT(esiti["cessata"], 0);
    EXPECT_EQ(esiti["task 3"], 1);
}

TEST(Costruttore, RecordDiCatalogoEDiDefinizioneECodiceFiscale) {
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
    riga.setCaratteri = 12;
    const std::string r = tools::recordDefinizione(riga);
    EXPECT_EQ(runtime::MID(r, 4, 36), "POSIZIONE ENPALS          01N    012");
    EXPECT_EQ(runtime::MID(r, 43, 12), "998 0010" "2401");
    // Help 15 would need character 50 to be "5" while the position needs "0".
    riga.aiuto = 15;
    EXPECT_THROW(tools::recordDefinizione(riga), tools::ErroreCostruzione);
    EXPECT_THROW(tools::scriviBitmap(17, {}), tools::ErroreCostruzione);

    // Four consonants in the name: first, third and fourth; women add 40 to the day.
    const std::string cf = tools::codiceFiscale("ROSSI", "FRANCESCA", "05071982", 'F', "H501");
    EXPECT_EQ(cf.substr(0, 15), "RSSFNC82L45H501");
    EXPECT_EQ(fiscalcode::CONTROLLACF(cf), 0);
    EXPECT_EQ(tools::codiceFiscale("FO", "LI", "01011990", 'M', "F205").substr(0, 6), "FOXLIX");
    EXPECT_THROW(tools::codiceFiscale("ROSSI", "MARIO", "31131990", 'M', "H501"),
                 tools::ErroreCostruzione);
}

}  // namespace
