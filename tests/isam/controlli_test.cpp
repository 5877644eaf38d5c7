// The argument checks, their messages and their order; initialisation.

#include "archive/catalogo.h"
#include "indice_prova.h"
#include "runtime/errore.h"

using isam::ISAM, prova::IDX10;

namespace {

class Controlli : public prova::ProvaIsam {};

const std::string K10 = "0010020003";

TEST_F(Controlli, OgniControlloMostraIlSuoMessaggioERestituisceMenoUno) {
    archive::FAIOPEN(IDX10);
    // An empty file is reported before any key check.
    EXPECT_EQ(ISAM(IDX10, "", isam::ISAM_TROVA, 0), -1);
    EXPECT_EQ(ui().ultimoTesto(), "ERRORE ISAM - FILE VUOTO 7");
    nuovoIndice(IDX10);
    ASSERT_EQ(ISAM(IDX10, K10, isam::ISAM_INSERISCI, 15), 0);
    const std::string prima = byte(IDX10);
    const size_t mostrati = ui().messaggi.size();
    const std::tuple<std::string, int16_t, double, std::string> casi[] = {
        {"", 2, 0, "ERRORE ISAM - LUNK=0"}, {"001002000", 2, 0, "ERRORE ISAM - LUNK NO OK"},
        {"          ", 2, 0, "ERRORE ISAM - K=BLANK"}, {"          ", 1, 4, "ERRORE ISAM - K=BLANK"},
        {K10, 5, 0, "ERRORE CODICE ISAM 5"}, {"0010020004", 1, 0, "ERR.ISAM - N.REC.=0"},
        {"0010020004", 1, 1000000, "ERR.ISAM - N.REC. > 999999"}, {"0010020004", 1, -3, "ERR.ISAM - N.REC. NON VALIDO"},
        {"00100\xFC" "0004", 1, 4, "ERR.ISAM - CHIAVE NON VALIDA"},
    };
    for (const auto& [chiave, operazione, record, messaggio] : casi) {
        EXPECT_EQ(ISAM(IDX10, chiave, operazione, record), -1) << messaggio;
        EXPECT_EQ(ui().ultimoTesto(), messaggio);
    }
    // A blank key for next is no fault (duplicates and absent keys: the random run).
    EXPECT_EQ(ISAM(IDX10, "          ", isam::ISAM_SUCCESSIVA, 0), 15);
    EXPECT_EQ(isam::CHIAVEISAM_S, K10);
    EXPECT_EQ(ui().messaggi.size(), mostrati + std::size(casi));
    EXPECT_EQ(byte(IDX10), prima);
    // A record area of the wrong length is error 59, as for any record read.
    archive::AREAREC[7] = "x";
    EXPECT_EQ(supporto::erroreDi([] { ISAM(IDX10, K10, 2, 0); }), runtime::ERR_LUNGHEZZA_RECORD);
}

TEST_F(Controlli, InizializzaApreIlFileELasciaSoloLaRadice) {
    // A closed file under a company folder: the open and the recreation both need the
    // company, set once by the caller.
    a.cartella("DITTA012"), archive::DITTAOPEN = "12";
    EXPECT_EQ(ISAM(prova::IDX_DITTA, "", isam::ISAM_INIZIALIZZA, 0), 0);
    EXPECT_TRUE(ui().messaggi.empty());
    const std::string radice = prova::blocco(10, '1', {});
    EXPECT_EQ(a.leggi("DITTA012\\IDXD.DAT"), radice);
    EXPECT_NE(archive::CANALE[11], 0);
    // A grown index goes back to its root alone; find and next see it empty.
    nuovoIndice(IDX10);
    for (int i = 0; i < 300; ++i) ISAM(IDX10, "K" + std::to_string(100000000 + i), 1, i + 1);
    nuovoIndice(IDX10);
    EXPECT_EQ(byte(IDX10), radice);
    EXPECT_TRUE(ISAM(IDX10, K10, isam::ISAM_TROVA, 0) == -1 && ISAM(IDX10, K10, isam::ISAM_SUCCESSIVA, 0) == isam::ISAM_FINE);
    // A record length that no key length fits: refused before the file is deleted.
    scriviByte(prova::IDX_STORTO, "dati");
    EXPECT_EQ(ISAM(prova::IDX_STORTO, "", isam::ISAM_INIZIALIZZA, 0), -1);
    EXPECT_EQ(ui().ultimoTesto(), "ERRORE ISAM - LUNK NO OK");
    EXPECT_EQ(byte(prova::IDX_STORTO), "dati");
}

}  // namespace
