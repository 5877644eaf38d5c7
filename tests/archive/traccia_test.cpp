#include "archive/traccia.h"

#include <new>
#include <stdexcept>
#include <string>

#include "archive/configurazione.h"
#include "archive/slot_file.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

namespace {

using platform::Risposta;
using supporto::codiceFine;

class Traccia : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        archive::NOMEPROGRAMMA = "VXMIRA";
    }
    static void dodiciNomi() {
        for (int i = 1; i <= 12; ++i)
            archive::TRACCIA("P" + std::to_string(i));
    }
};

TEST_F(Traccia, ReportListsTheRingOldestFirstClosesFilesAndEndsTheProgram) {
    supporto::CartellaTemporanea cartella;
    const int canale = platform::canaleLibero();
    platform::apriBinario(canale, cartella.file("DIP.DAT"));
    archive::CANALE[2] = static_cast<int16_t>(canale);
    dodiciNomi();
    // The ring wraps; only the latest entry counts as a repeat, an older name is recorded again.
    archive::TRACCIA("P12");
    archive::TRACCIA("P11");
    const int codice =
        codiceFine([] { archive::eventoProtetto([] { throw runtime::ErroreRuntime{53}; }); });
    EXPECT_EQ(codice, platform::USCITA_ERRORE);
    ASSERT_EQ(ui().messaggi.size(), 2u);

    std::string atteso = "Errore 53 " + runtime::descrizioneErrore(53) + "\r\n";
    for (int i = 4; i <= 12; ++i)
        atteso += "P" + std::to_string(i) + "\r\n";
    atteso += "P11\r\n";
    EXPECT_EQ(ui().messaggi[0].testo, atteso);
    EXPECT_EQ(ui().messaggi[1].testo,
              "CHIUDERE TUTTE LE APPLICAZIONI DELLA TASK\r\nLANCIARE RIPRISTINO TASK");
    EXPECT_EQ(archive::TRACCIA_INDICE, 3);
    EXPECT_EQ(archive::CANALE[2], 0);
    EXPECT_FALSE(platform::canaleAperto(canale));
}

TEST_F(Traccia, ReportBeforeAnythingWasRecordedShowsTenEmptyLines) {
    ui().clessidra_attiva = true;
    EXPECT_EQ(codiceFine([] { archive::SEGNALAERRORE(runtime::ErroreRuntime{9}); }),
              platform::USCITA_ERRORE);
    ASSERT_EQ(ui().messaggi.size(), 2u);
    EXPECT_EQ(ui().messaggi[0].testo, "Errore 9 " + runtime::descrizioneErrore(9) + "\r\n" +
                                          "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_FALSE(ui().clessidra_attiva);
    EXPECT_EQ(archive::TRACCIA_INDICE, 0);
}

TEST_F(Traccia, PrinterErrorRetriesSkipsOrEnds) {
    int esecuzioni = 0;
    auto stampaCheFallisceUnaVolta = [&] {
        if (++esecuzioni == 1) throw runtime::ErroreRuntime{runtime::ERR_STAMPANTE};
    };

    ui().rispondi({Risposta::Si});
    archive::istruzioneStampa(stampaCheFallisceUnaVolta);
    EXPECT_EQ(esecuzioni, 2);
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].testo, "ERR.STAMPANTE - SI VUOLE RITENTARE ?");

    esecuzioni = 0;
    ui().messaggi.clear();
    ui().rispondi({Risposta::No, Risposta::No});
    archive::istruzioneStampa(stampaCheFallisceUnaVolta);  // returns: the routine goes on
    EXPECT_EQ(esecuzioni, 1);
    ASSERT_EQ(ui().messaggi.size(), 2u);
    EXPECT_EQ(ui().messaggi[1].testo,
              "CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)");

    esecuzioni = 0;
    ui().messaggi.clear();
    ui().rispondi({Risposta::No, Risposta::Si});
    EXPECT_EQ(codiceFine([&] { archive::istruzioneStampa(stampaCheFallisceUnaVolta); }),
              platform::USCITA_ERRORE);
    EXPECT_EQ(ui().messaggi.size(), 2u);

    // Any other error is not the printer's: it travels on untouched.
    ui().messaggi.clear();
    EXPECT_THROW(archive::istruzioneStampa([] { throw runtime::ErroreRuntime{57}; }),
                 runtime::ErroreRuntime);
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(Traccia, EventBoundaryTurnsEveryExceptionIntoTheReport) {
    bool eseguito = false;
    archive::eventoProtetto([&] { eseguito = true; });
    EXPECT_TRUE(eseguito);
    EXPECT_TRUE(ui().messaggi.empty());

    EXPECT_EQ(codiceFine([] { archive::eventoProtetto([] { throw std::bad_alloc(); }); }),
              platform::USCITA_ERRORE);
    ASSERT_EQ(ui().messaggi.size(), 2u);
    EXPECT_EQ(ui().messaggi[0].testo.rfind("Errore 7 ", 0), 0u);

    ui().messaggi.clear();
    EXPECT_EQ(codiceFine([] { archive::eventoProtetto([] { throw std::logic_error("x"); }); }),
              platform::USCITA_ERRORE);
    ASSERT_EQ(ui().messaggi.size(), 2u);
    EXPECT_EQ(ui().messaggi[0].testo.rfind("Errore 5 ", 0), 0u);

    // An end of the program inside the event is not an error and shows nothing.
    ui().messaggi.clear();
    EXPECT_EQ(
        codiceFine([] {
            archive::eventoProtetto([] { platform::terminaProgramma(platform::USCITA_MESSAGGIO); });
        }),
        platform::USCITA_MESSAGGIO);
    EXPECT_TRUE(ui().messaggi.empty());

    // A printer error nobody resumed: "retry" runs the event again, "no, no" abandons it.
    int volte = 0;
    ui().rispondi({Risposta::Si});
    archive::eventoProtetto([&] {
        if (++volte == 1) throw runtime::ErroreRuntime{runtime::ERR_STAMPANTE};
    });
    EXPECT_EQ(volte, 2);
    volte = 0;
    ui().rispondi({Risposta::No, Risposta::No});
    archive::eventoProtetto([&] {
        ++volte;
        throw runtime::ErroreRuntime{runtime::ERR_STAMPANTE};
    });
    EXPECT_EQ(volte, 1);
}

}  // namespace
