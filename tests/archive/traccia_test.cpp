// The error report and the event boundary; the question box and the date check.

#include "archive/traccia.h"

#include "archive/configurazione.h"
#include "archive/domanda.h"
#include "archive/slot_file.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

namespace {

using platform::Pulsanti, platform::Risposta, supporto::codiceFine;

class Traccia : public supporto::ProvaBase {};
class Domanda : public supporto::ProvaBase {};

TEST_F(Traccia, RapportoConLaTracciaDalPiuVecchioChiudeIFileEFinisce) {
    // Before anything was recorded: ten empty lines; the hourglass goes off first.
    ui().clessidra_attiva = true;
    EXPECT_EQ(codiceFine([] { archive::SEGNALAERRORE(runtime::ErroreRuntime{9}); }), platform::USCITA_ERRORE);
    EXPECT_EQ(ui().messaggi.at(0).testo, "Errore 9 " + runtime::descrizioneErrore(9) + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_FALSE(ui().clessidra_attiva);
    ui().messaggi.clear();

    supporto::CartellaTemporanea cartella;
    const int canale = platform::canaleLibero();
    platform::apriBinario(canale, cartella.file("DIP.DAT"));
    archive::CANALE[2] = static_cast<int16_t>(canale);
    for (int i = 1; i <= 12; ++i) archive::TRACCIA("P" + std::to_string(i));
    // The ring wraps; only the latest entry counts as a repeat, an older name is recorded again.
    archive::TRACCIA("P12"), archive::TRACCIA("P11");
    EXPECT_EQ(supporto::codiceEvento([] { throw runtime::ErroreRuntime{53}; }), platform::USCITA_ERRORE);
    ASSERT_EQ(ui().messaggi.size(), 2u);
    std::string atteso = "Errore 53 " + runtime::descrizioneErrore(53) + "\r\n";
    for (int i = 4; i <= 12; ++i) atteso += "P" + std::to_string(i) + "\r\n";
    EXPECT_EQ(ui().messaggi[0].testo, atteso + "P11\r\n");
    EXPECT_EQ(archive::CANALE[2], 0);
    EXPECT_FALSE(platform::canaleAperto(canale));
    archive::azzeraTraccia();  // what every test starts from: the ring read from its start
    EXPECT_EQ(archive::TRACCIA_INDICE, 0);
}

// The event boundary turns every exception into the report; a printer error is retried,
// skipped or ends the program, in an event and in a printing statement alike.
TEST_F(Traccia, ConfineDegliEventiEIstruzioniDiStampa) {
    const auto errore = [](auto e) { return std::make_exception_ptr(e); };
    const auto stampante = errore(runtime::ErroreRuntime{runtime::ERR_STAMPANTE});
    const int ERRORE = platform::USCITA_ERRORE;
    const struct {
        bool stampa;  // istruzioneStampa rather than eventoProtetto
        std::exception_ptr lancia; int volteCheFallisce; std::initializer_list<Risposta> risposte;
        int fine, volte; size_t messaggi; std::string primo;
    } casi[] = {
        {false, nullptr, 0, {}, -1, 1, 0, ""}, {false, errore(std::bad_alloc()), 1, {}, ERRORE, 1, 2, "Errore 7 "},
        {false, errore(std::logic_error("x")), 1, {}, ERRORE, 1, 2, "Errore 5 "},
        {false, errore(runtime::ErroreRuntime{57}), 1, {}, ERRORE, 1, 2, "Errore 57 "},
        // An end of the program inside the event is not an error and shows nothing.
        {false, errore(platform::FineProgramma{3}), 1, {}, 3, 1, 0, ""},
        {false, stampante, 1, {Risposta::Si}, -1, 2, 1, "ERR.STAMPANTE - SI VUOLE RITENTARE ?"},
        {false, stampante, 9, {Risposta::No, Risposta::No}, -1, 1, 2, "ERR.STAMPANTE"},
        {true, stampante, 1, {Risposta::Si}, -1, 2, 1, "ERR.STAMPANTE"},
        {true, stampante, 9, {Risposta::No, Risposta::No}, -1, 1, 2, "ERR.STAMPANTE"},
        {true, stampante, 9, {Risposta::No, Risposta::Si}, ERRORE, 1, 2, "ERR.STAMPANTE"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.primo);
        ui().messaggi.clear(), ui().rispondi(c.risposte);
        int volte = 0;
        auto azione = [&] {
            if (++volte <= c.volteCheFallisce) std::rethrow_exception(c.lancia);
        };
        EXPECT_EQ(codiceFine([&] { c.stampa ? archive::istruzioneStampa(azione) : archive::eventoProtetto(azione); }), c.fine);
        EXPECT_EQ(volte, c.volte);
        EXPECT_EQ(ui().messaggi.size(), c.messaggi);
        EXPECT_EQ(ui().primoTesto().rfind(c.primo, 0), 0u);
    }
    // In a printing statement any other error is not the printer's: it travels on untouched.
    ui().messaggi.clear();
    EXPECT_EQ(supporto::erroreDi([] { archive::istruzioneStampa([] { throw runtime::ErroreRuntime{57}; }); }), 57);
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(Domanda, StarsSplitLinesAndTheBoxDefaultsToNo) {
    // Ten stars end ten lines; the eleventh and later stay as characters.
    EXPECT_EQ(archive::DOMANDA("1*2*3*4*5*6*7*8*9*10*11*12*", 0), "N");
    const auto& m = ui().messaggi.at(0);
    EXPECT_EQ(m.testo, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11*12*");
    EXPECT_TRUE(m.pulsanti == Pulsanti::SiNo && m.predefinito == 2);
    ui().rispondi({Risposta::Si});
    EXPECT_EQ(archive::DOMANDA("UNA RIGA ?", 1), "S");
}

TEST(ControllaData, CalendarRulesPaddingAndNonDigits) {
    // Date, result, the caller's text afterwards (months and leap years: the table window too).
    // clang-format off
    const std::tuple<std::string, double, std::string> casi[] = {
        {"29022000", 0, "29022000"}, {"29021900", 1, "29021900"}, {"32012024", 1, "32012024"}, {"01132024", 1, "01132024"},
        {"00012024", 1, "00012024"}, {"123456789", 1, "123456789"}, {"00000000", 2, "00000000"}, {"", 2, ""},
        {"        ", 2, "        "},  // no date: the text is left as it was
        {"1052024", 0, "01052024"}, {"1-52024", 1, "01-52024"},  // padded in place, also when refused
        // Signs, letters, exponents and inner blanks are not dates (they would be stored as typed).
        {"abcdefgh", 1, "abcdefgh"}, {"0105202x", 1, "0105202x"}, {"-1052024", 1, "-1052024"}, {"+1052024", 1, "+1052024"},
        {"01029E99", 1, "01029E99"}, {"010.2024", 1, "010.2024"}, {"1 052024", 1, "1 052024"}};
    // clang-format on
    for (auto [data, esito, dopo] : casi) {
        EXPECT_EQ(archive::CONTROLLADATA(data), esito) << dopo;
        EXPECT_EQ(data, dopo);
    }
}

}  // namespace
