// File number -> path through the catalogue, with the one-shot values and their messages.

#include <gtest/gtest.h>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

using namespace archive;

namespace {

class Catalogo : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{2, "DITTA###\\DIP.DAT", 600},
                               {3, "PIANO.DAT", 10},
                               {5, "AN**\\X$$.DAT", 10},
                               {6, "R@@P%%.DAT", 10},
                               {8, "!:\\COPIA\\X.DAT", 10},
                               {9, "D###\\E###.DAT", 10}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }

    std::string percorso(double n, int16_t& prefisso) {
        prefisso = -1;
        return DAMMIFILE_S(n, prefisso);
    }
    std::string percorso(double n) {
        int16_t p = -1;
        return DAMMIFILE_S(n, p);
    }
};

TEST_F(Catalogo, SegnapostiRiempitiENormalizzati) {
    int16_t prefisso = 0;
    DITTAOPEN = "7";
    EXPECT_EQ(percorso(2, prefisso), "C:\\ARCHIVI\\DITTA007\\DIP.DAT");
    EXPECT_EQ(prefisso, -1);
    EXPECT_EQ(DITTAOPEN, "");
    EXPECT_EQ(LUNRECBASE, 600);

    // No placeholder: the values are normalised but kept for the next open.
    DITTAOPEN = "5";
    ANNOOPEN = "2024";
    REGIONEOPEN = "";
    EXPECT_EQ(percorso(3), "C:\\ARCHIVI\\PIANO.DAT");
    EXPECT_EQ(DITTAOPEN, "005");
    EXPECT_EQ(ANNOOPEN, "24");
    EXPECT_EQ(REGIONEOPEN, "00");
    EXPECT_EQ(LUNRECBASE, 10);

    ANNOOPEN = "2024";
    CODICETASK = "07";
    EXPECT_EQ(percorso(5), "C:\\ARCHIVI\\AN24\\X07.DAT");
    EXPECT_EQ(ANNOOPEN, "");
    EXPECT_EQ(CODICETASK, "07");
    // A one-character task code fills only half of the placeholder.
    ANNOOPEN = "3";
    CODICETASK = "3";
    EXPECT_EQ(percorso(5), "C:\\ARCHIVI\\AN03\\X3$.DAT");

    REGIONEOPEN = "9";
    PROVINCIAOPEN = "MI";
    EXPECT_EQ(percorso(6), "C:\\ARCHIVI\\R09PMI.DAT");
    EXPECT_EQ(REGIONEOPEN, "");
    EXPECT_EQ(PROVINCIAOPEN, "");

    DISCOOPEN = "A";
    EXPECT_EQ(percorso(8, prefisso), "A:\\COPIA\\X.DAT");
    EXPECT_EQ(prefisso, 0);
    EXPECT_EQ(DISCOOPEN, "");
    DISCOOPEN = "D:\\SALVA";
    EXPECT_EQ(percorso(8, prefisso), "D:\\SALVA\\COPIA\\X.DAT");
    EXPECT_EQ(prefisso, 0);

    // Only the first company placeholder is filled.
    DITTAOPEN = "12";
    EXPECT_EQ(percorso(9), "C:\\ARCHIVI\\D012\\E###.DAT");

    // A number not above 0: nothing at all happens.
    DITTAOPEN = "x";
    EXPECT_EQ(percorso(0), "");
    EXPECT_EQ(percorso(-3), "");
    EXPECT_EQ(DITTAOPEN, "x");
}

TEST_F(Catalogo, ValoreMancanteMostraIlMessaggioEFinisce) {
    struct Caso {
        double numero;
        std::function<void()> imposta;
        std::string testo;
    };
    const std::vector<Caso> casi = {
        {2, [] {}, "ERRORE OPEN FILE - MANCA DITTAOPEN 2"},
        {5, [] { ANNOOPEN = "0"; }, "ERRORE OPEN - MANCA ANNO - CSTR(NUMEROBASE)"},
        {6, [] { PROVINCIAOPEN = "MI"; }, "ERRORE OPEN - MANCA REGIONE - CSTR(NUMEROBASE)"},
        {6,
         [] {
             REGIONEOPEN = "3";
             PROVINCIAOPEN = "M";
         },
         "ERRORE OPEN - MANCA PROVINCIA - CSTR(NUMEROBASE)"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.testo);
        ui().messaggi.clear();
        EXPECT_EQ(FAIOPEN(3), 10);
        ASSERT_TRUE(platform::canaleAperto(1));
        caso.imposta();
        EXPECT_EQ(supporto::codiceFine([&] { percorso(caso.numero); }), platform::USCITA_MESSAGGIO);
        ASSERT_EQ(ui().messaggi.size(), 1u);
        EXPECT_EQ(ui().messaggi[0].testo, caso.testo);
        // The program ends closing its files.
        EXPECT_FALSE(platform::canaleAperto(1));
        EXPECT_EQ(CANALE[3], 0);
        azzeraCatalogo();
    }

    // The company value serves one open only.
    a.cartella("DITTA001");
    DITTAOPEN = "1";
    FAIOPEN(2);
    EXPECT_EQ(supporto::codiceFine([&] { FAIOPEN(2); }), platform::USCITA_MESSAGGIO);
    EXPECT_EQ(ui().ultimoTesto(), "ERRORE OPEN FILE - MANCA DITTAOPEN 2");
}

TEST_F(Catalogo, NumeroFuoriCatalogoOCatalogoMancante) {
    auto errore = [&](double n) { return supporto::erroreDi([&] { percorso(n); }); };
    EXPECT_EQ(errore(10), runtime::ERR_FINE_FILE);
    // A catalogue cut inside the last record: those bytes do not describe a file.
    a.recordGrezzo(10, "   X.DAT");
    EXPECT_EQ(errore(10), runtime::ERR_FINE_FILE);
    EXPECT_FALSE(platform::canaleAperto(1));  // the catalogue's channel was closed

    std::remove(a.locale("QZBASE.DAT").c_str());
    EXPECT_EQ(errore(3), runtime::ERR_FILE_NON_TROVATO);
    EXPECT_FALSE(a.esiste("QZBASE.DAT"));  // never created by a lookup
}

}  // namespace
