// File number -> path through the catalogue and the one-shot values; the file slots on top.

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"
#include "support/archivio_prova.h"

using namespace archive;

namespace {

using supporto::codiceFine, supporto::erroreDi;
class Slot : public supporto::ProvaArchivio {
  protected:
    Slot() : ProvaArchivio({{1, "DITTE.DAT", 8}, {2, "DITTA###\\DIP.DAT", 4}, {3, "PIANO.DAT", 10},
                            {5, "AN**\\X$$.DAT", 10}, {6, "R@@P%%.DAT", 10}, {7, "DIP.IDX", 16},
                            {8, "!:\\COPIA\\X.DAT", 10}, {9, "D###\\E###.DAT", 10},
                            {11, "ZERO.DAT", 0}, {20, "TESTO.TXT", 1}}) {}
};

// The one-shot values fill their placeholders and are used up; the others are normalised and
// kept. A value missing is a message and the end, closing every file.
TEST_F(Slot, SegnapostiRiempitiENormalizzati) {
    using Valori = std::array<std::string, 5>;  // company, year, region, province, drive
    std::string* const valori[] = {&DITTAOPEN, &ANNOOPEN, &REGIONEOPEN, &PROVINCIAOPEN, &DISCOOPEN};
    // clang-format off
    const struct {
        double numero;  // below 0: VERBASE, which uses the one-shot values too
        Valori prima; std::string task, atteso;  // the path or the message
        int16_t prefisso; double lunghezza; Valori dopo;
    } casi[] = {
        {2, {"7"}, "", "C:\\ARCHIVI\\DITTA007\\DIP.DAT", -1, 4, {"", "00", "00"}},
        {3, {"5", "2024"}, "", "C:\\ARCHIVI\\PIANO.DAT", -1, 10, {"005", "24", "00"}},
        {5, {"", "2024"}, "07", "C:\\ARCHIVI\\AN24\\X07.DAT", -1, 10, {"000", "", "00"}},
        // A one-character task code fills only half of the placeholder.
        {5, {"", "3"}, "3", "C:\\ARCHIVI\\AN03\\X3$.DAT", -1, 10, {"000", "", "00"}},
        {6, {"", "", "9", "MI"}, "", "C:\\ARCHIVI\\R09PMI.DAT", -1, 10, {"000", "00", "", ""}},
        {8, {"", "", "", "", "A"}, "", "A:\\COPIA\\X.DAT", 0, 10, {"000", "00", "00"}},
        {8, {"", "", "", "", "D:\\SALVA"}, "", "D:\\SALVA\\COPIA\\X.DAT", 0, 10, {"000", "00", "00"}},
        // Only the first company placeholder is filled; a number not above 0 does nothing.
        {9, {"12"}, "", "C:\\ARCHIVI\\D012\\E###.DAT", -1, 10, {"", "00", "00"}}, {0, {"x"}, "", "", -1, 0, {"x"}},
        {2, {}, "", "ERRORE OPEN FILE - MANCA DITTAOPEN 2", -1, 0, {}},
        {-2, {}, "", "ERRORE OPEN FILE - MANCA DITTAOPEN 2", -1, 0, {}},
        {5, {"", "0"}, "", "ERRORE OPEN - MANCA ANNO - CSTR(NUMEROBASE)", -1, 0, {}},
        {6, {"", "", "", "MI"}, "", "ERRORE OPEN - MANCA REGIONE - CSTR(NUMEROBASE)", -1, 0, {}},
        {6, {"", "", "3", "M"}, "", "ERRORE OPEN - MANCA PROVINCIA - CSTR(NUMEROBASE)", -1, 0, {}},
    };  // clang-format on
    for (const auto& c : casi) {
        SCOPED_TRACE(c.atteso);
        azzeraCatalogo();
        for (size_t i = 0; i < 5; ++i) *valori[i] = c.prima[i];
        CODICETASK = c.task;
        if (c.atteso.rfind("ERRORE", 0) == 0) {
            EXPECT_EQ(FAIOPEN(3), 10);
            EXPECT_EQ(codiceFine([&] { c.numero < 0 ? VERBASE(-c.numero) : FAIOPEN(c.numero); }),
                      platform::USCITA_MESSAGGIO);
            EXPECT_EQ(ui().ultimoTesto(), c.atteso);
            EXPECT_FALSE(platform::canaleAperto(1));
            continue;
        }
        int16_t prefisso = -1;
        EXPECT_EQ(DAMMIFILE_S(c.numero, prefisso), c.atteso);
        EXPECT_EQ(prefisso, c.prefisso);
        EXPECT_EQ(LUNRECBASE, c.lunghezza);
        for (size_t i = 0; i < 5; ++i) EXPECT_EQ(*valori[i], c.dopo[i]) << i;
    }
}

TEST_F(Slot, NumeroFuoriCatalogoLunghezzaNonValidaCatalogoMancante) {
    EXPECT_EQ(erroreDi([] { FAIOPEN(21); }), runtime::ERR_FINE_FILE);
    // A catalogue cut inside the last record: those bytes do not describe a file.
    a.recordGrezzo(21, "   X.DAT");
    EXPECT_EQ(erroreDi([] { FAIOPEN(21); }), runtime::ERR_FINE_FILE);
    EXPECT_EQ(erroreDi([] { FAIOPEN(11); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(CANALE[11], 0);  // a failed open keeps no channel number that the next open may take
    a.recordGrezzo(12, "   NUMERO.DAT                   ABCDE");
    EXPECT_EQ(erroreDi([] { FAIOPEN(12); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(erroreDi([] { FAIOPEN(601); }), runtime::ERR_INDICE);
    EXPECT_EQ(erroreDi([] { CHIUDIFILE(601); }), runtime::ERR_INDICE);
    EXPECT_FALSE(platform::canaleAperto(1));  // the catalogue's channel was closed
    EXPECT_FALSE(a.esiste("ZERO.DAT"));

    std::remove(a.locale("QZBASE.DAT").c_str());
    EXPECT_EQ(erroreDi([] { FAIOPEN(3); }), runtime::ERR_FILE_NON_TROVATO);
    EXPECT_FALSE(a.esiste("QZBASE.DAT"));  // never created by a lookup
}

TEST_F(Slot, AperturaRecordEChiusuraDiTutti) {
    a.cartella("DITTA001"), FAIOPEN(7);
    EXPECT_EQ(FAIOPEN(1), 8);
    EXPECT_TRUE(a.esiste("DITTE.DAT"));  // created empty
    EXPECT_EQ(LEGGIREC(1, 1), 1);

    a.scrivi("DITTE.DAT", "AAAAAAAABBBBBBBBCCCC");  // two and a half records
    EXPECT_EQ(LEGGIREC(1, 2), 0);
    EXPECT_EQ(AREAREC[1], "BBBBBBBB");
    EXPECT_EQ(LEGGIREC(1, 3), 1);
    // A wrong-length text stops with error 59 and writes nothing.
    EXPECT_EQ(erroreDi([] { SCRIVIREC(1, 1, "1234567"); }), runtime::ERR_LUNGHEZZA_RECORD);

    EXPECT_EQ(FAIOPEN(1), 8);  // reopening closes the old channel first and clears the area
    SCRIVIREC(1, 1);  // the empty text writes the area: spaces after FAIOPEN
    SCRIVIREC(1, 3, "33333333"), SCRIVIREC(1, 4, "44444444");  // one past the end appends
    EXPECT_EQ(a.leggi("DITTE.DAT"), "        BBBBBBBB3333333344444444");

    EXPECT_EQ(erroreDi([] { LEGGIREC(1, 0); }), runtime::ERR_NUMERO_RECORD);
    EXPECT_EQ(erroreDi([] { SCRIVIREC(1, -1); }), runtime::ERR_NUMERO_RECORD);
    AREAREC[1] = "corto";  // a caller broke the area's length
    EXPECT_EQ(erroreDi([] { LEGGIREC(1, 1); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(erroreDi([] { SCRIVIREC(1, 1); }), runtime::ERR_LUNGHEZZA_RECORD);
    EXPECT_EQ(a.leggi("DITTE.DAT"), "        BBBBBBBB3333333344444444");

    DITTAOPEN = "1", FAIOPEN(2), CHIUDIFILE(0);
    EXPECT_FALSE(platform::canaleAperto(1) || platform::canaleAperto(2) || platform::canaleAperto(3));
    EXPECT_EQ(erroreDi([] { LEGGIREC(2, 1); }), runtime::ERR_CANALE);
    EXPECT_EQ(FAIOPEN(0), 0);
}

TEST_F(Slot, EliminaRicreaEVerifiche) {
    ELIMINA(1), a.scrivi("DITTE.DAT", ""), ELIMINA(1);  // missing: nothing happens; empty: left in place
    EXPECT_TRUE(a.esiste("DITTE.DAT"));
    EXPECT_EQ(VERBASE(1), 0);

    a.scrivi("DITTE.DAT", "12345678"), FAIOPEN(1);
    EXPECT_EQ(VERBASE(1), 1);
    ELIMINA(1);  // open and filled: closed, then deleted
    EXPECT_FALSE(a.esiste("DITTE.DAT"));
    EXPECT_FALSE(platform::canaleAperto(1));

    // RICREAFILE keeps the company value for its own open although ELIMINA used it.
    a.scrivi("DITTA004\\DIP.DAT", "WXYZWXYZ");
    DITTAOPEN = "4", RICREAFILE(2), SCRIVIREC(2, 1, "ABCD");
    EXPECT_EQ(a.leggi("DITTA004\\DIP.DAT"), "ABCD");

    EXPECT_EQ(ESISTEFILE("C:\\ARCHIVI\\QZBASE.DAT") * 10 + ESISTEFILE("C:\\ARCHIVI\\NIENTE.DAT"), -10);
    a.scrivi("C:\\PROGRAMMI\\AIUTO.TXT", "x"), a.scrivi("C:\\PROGRAMMI\\VUOTO.TXT", "");
    // In the archive or the programs folder; 1 also asks for a non-empty file.
    EXPECT_EQ((std::vector{VERIFICA("QZBASE.DAT", 0), VERIFICA("AIUTO.TXT", 0), VERIFICA("AIUTO.TXT", 1),
                           VERIFICA("VUOTO.TXT", 1)}), (std::vector<double>{1, 0, 1, 0}));

    // Text files: written anew, read by lines; a missing one is not created for reading.
    a.scrivi("TESTO.TXT", "vecchio contenuto lungo\r\n");
    FAIOPENIO(20, 1), platform::scriviRiga(CANALE[20], "PRIMA"), CHIUDIFILE(20);
    EXPECT_EQ(a.leggi("TESTO.TXT"), "PRIMA\r\n");
    FAIOPENIO(20, 0);
    std::string riga;
    ASSERT_TRUE(platform::leggiRiga(CANALE[20], riga));
    EXPECT_EQ(riga, "PRIMA");
    EXPECT_EQ(erroreDi([] { FAIOPENIO(1, 0); }), runtime::ERR_FILE_NON_TROVATO);
}

}  // namespace
