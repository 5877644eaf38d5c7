#include <gtest/gtest.h>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

using namespace archive;

namespace {

using supporto::erroreDi;

class Slot : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{1, "DITTE.DAT", 8},
                               {2, "DITTA###\\DIP.DAT", 4},
                               {7, "DIP.IDX", 16},
                               {11, "ZERO.DAT", 0},
                               {20, "TESTO.TXT", 1}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }
};

TEST_F(Slot, AperturaRiaperturaEChiusuraDiTutti) {
    a.cartella("DITTA001");
    EXPECT_EQ(FAIOPEN(1), 8);
    EXPECT_TRUE(a.esiste("DITTE.DAT"));  // created empty
    EXPECT_EQ(a.leggi("DITTE.DAT"), "");
    EXPECT_EQ(CANALE[1], 1);
    EXPECT_EQ(AREAREC[1], std::string(8, ' '));
    EXPECT_EQ(LUNREC[1], 8);

    AREAREC[1] = "ABCDEFGH";
    EXPECT_EQ(FAIOPEN(1), 8);  // reopening closes the old channel first
    EXPECT_EQ(CANALE[1], 1);
    EXPECT_EQ(AREAREC[1], std::string(8, ' '));

    DITTAOPEN = "1";
    FAIOPEN(2);
    FAIOPEN(7);
    EXPECT_EQ(CANALE[2], 2);
    EXPECT_EQ(CANALE[7], 3);
    CHIUDIFILE(0);
    for (int n : {1, 2, 7})
        EXPECT_EQ(CANALE[n], 0);
    for (int c = 1; c <= 3; ++c)
        EXPECT_FALSE(platform::canaleAperto(c));
    EXPECT_EQ(LUNREC[2], 4);  // lengths and areas stay
    EXPECT_EQ(erroreDi([] { LEGGIREC(2, 1); }), runtime::ERR_CANALE);

    EXPECT_EQ(FAIOPEN(0), 0);
    EXPECT_EQ(erroreDi([] { FAIOPEN(601); }), runtime::ERR_INDICE);
    EXPECT_EQ(erroreDi([] { CHIUDIFILE(601); }), runtime::ERR_INDICE);
}

TEST_F(Slot, LunghezzaRecordNonValidaNonApre) {
    EXPECT_EQ(erroreDi([] { FAIOPEN(11); }), runtime::ERR_LUNGHEZZA_RECORD);
    a.recordGrezzo(12, "   NUMERO.DAT                   ABCDE");
    EXPECT_EQ(erroreDi([] { FAIOPEN(12); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(CANALE[11], 0);
    EXPECT_EQ(CANALE[12], 0);
    EXPECT_FALSE(platform::canaleAperto(1));
    EXPECT_FALSE(a.esiste("ZERO.DAT"));
}

TEST_F(Slot, LetturaEScritturaDiRecord) {
    FAIOPEN(7);
    FAIOPEN(1);
    EXPECT_EQ(LEGGIREC(1, 1), 1);  // empty file
    EXPECT_EQ(AREAREC[1].size(), 8u);

    a.scrivi("DITTE.DAT", "AAAAAAAABBBBBBBBCCCC");  // two and a half records
    EXPECT_EQ(LEGGIREC(1, 2), 0);
    EXPECT_EQ(AREAREC[1], "BBBBBBBB");
    EXPECT_EQ(LEGGIREC(1, 3), 1);
    EXPECT_EQ(AREAREC[1].size(), 8u);

    // A wrong-length text stops with error 59 and writes nothing.
    EXPECT_EQ(erroreDi([] { SCRIVIREC(1, 1, "1234567"); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(a.leggi("DITTE.DAT"), "AAAAAAAABBBBBBBBCCCC");

    FAIOPEN(1);
    SCRIVIREC(1, 1);  // the empty text writes the area: spaces after FAIOPEN
    SCRIVIREC(1, 3, "33333333");
    SCRIVIREC(1, 4, "44444444");  // one past the end appends
    EXPECT_EQ(a.leggi("DITTE.DAT"), "        BBBBBBBB3333333344444444");
    EXPECT_EQ(AREAREC[1], "44444444");

    AREAREC[1] = "corto";  // a caller broke the area's length
    EXPECT_EQ(erroreDi([] { LEGGIREC(1, 1); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(erroreDi([] { SCRIVIREC(1, 1); }), runtime::ERR_LUNGHEZZA_RECORD);
    AREAREC[1] = std::string(8, 'x');
    EXPECT_EQ(erroreDi([] { LEGGIREC(1, 0); }), runtime::ERR_NUMERO_RECORD);
    EXPECT_EQ(erroreDi([] { SCRIVIREC(1, -1); }), runtime::ERR_NUMERO_RECORD);
    EXPECT_EQ(a.leggi("DITTE.DAT"), "        BBBBBBBB3333333344444444");
}

TEST_F(Slot, EliminaRicreaEVerifiche) {
    ELIMINA(1);  // missing: nothing happens
    EXPECT_FALSE(a.esiste("DITTE.DAT"));
    a.scrivi("DITTE.DAT", "");
    ELIMINA(1);  // empty: left in place
    EXPECT_TRUE(a.esiste("DITTE.DAT"));
    EXPECT_EQ(VERBASE(1), 0);

    a.scrivi("DITTE.DAT", "12345678");
    FAIOPEN(1);
    EXPECT_EQ(VERBASE(1), 1);
    ELIMINA(1);  // open and filled: closed, then deleted
    EXPECT_FALSE(a.esiste("DITTE.DAT"));
    EXPECT_EQ(CANALE[1], 0);
    EXPECT_FALSE(platform::canaleAperto(1));

    // RICREAFILE keeps the company value for its own open although ELIMINA used it.
    a.scrivi("DITTA004\\DIP.DAT", "WXYZ");
    DITTAOPEN = "4";
    RICREAFILE(2);
    EXPECT_EQ(a.leggi("DITTA004\\DIP.DAT"), "");
    EXPECT_NE(CANALE[2], 0);
    SCRIVIREC(2, 1, "ABCD");
    EXPECT_EQ(a.leggi("DITTA004\\DIP.DAT"), "ABCD");

    // VERBASE uses the one-shot company value like every other lookup.
    EXPECT_EQ(supporto::codiceFine([] { VERBASE(2); }), platform::USCITA_MESSAGGIO);
    EXPECT_EQ(ui().ultimoTesto(), "ERRORE OPEN FILE - MANCA DITTAOPEN 2");

    EXPECT_EQ(ESISTEFILE("C:\\ARCHIVI\\QZBASE.DAT"), -1);
    EXPECT_EQ(ESISTEFILE("C:\\ARCHIVI\\NIENTE.DAT"), 0);
    EXPECT_FALSE(platform::canaleAperto(1));

    a.scrivi("C:\\PROGRAMMI\\AIUTO.TXT", "x");
    a.scrivi("C:\\PROGRAMMI\\VUOTO.TXT", "");
    EXPECT_EQ(VERIFICA("QZBASE.DAT", 0), 1);
    EXPECT_EQ(VERIFICA("AIUTO.TXT", 0), 0);
    EXPECT_EQ(VERIFICA("AIUTO.TXT", 1), 1);
    EXPECT_EQ(VERIFICA("VUOTO.TXT", 1), 0);
}

TEST_F(Slot, FileDiTesto) {
    a.scrivi("TESTO.TXT", "vecchio contenuto lungo\r\n");
    FAIOPENIO(20, 1);
    platform::scriviRiga(CANALE[20], "PRIMA");
    platform::scriviRiga(CANALE[20], "SECONDA");
    CHIUDIFILE(20);
    EXPECT_EQ(a.leggi("TESTO.TXT"), "PRIMA\r\nSECONDA\r\n");

    FAIOPENIO(20, 0);
    std::string riga;
    ASSERT_TRUE(platform::leggiRiga(CANALE[20], riga));
    EXPECT_EQ(riga, "PRIMA");
    CHIUDIFILE(20);

    EXPECT_EQ(erroreDi([] { FAIOPENIO(1, 0); }), runtime::ERR_FILE_NON_TROVATO);
    EXPECT_EQ(CANALE[1], 0);
}

}  // namespace
