// The choice list: splitting, pictures, the ways out and what they leave in the globals.
#include <tuple>

#include "finestre_prova.h"
#include "support/prova_base.h"
#include "windows/choice/scelta.h"
#include "windows/common/scambio.h"

namespace {

using namespace prova_finestre;
using namespace windows;

class ProvaScelta : public supporto::ProvaBase {
  protected:
    // Shows the list as a caller does; `operatore` acts on the activated window.
    void mostra(const std::string& elenco, const std::function<void(Scelta&)>& operatore) {
        ELENCOSCELTA_S = elenco;
        ui().registraFinestra("Scelta", [&] {
            scelta->Form_Activate();
            if (!scelta->daScaricare()) operatore(*scelta);
        });
        scelta.mostra();
    }
    windows::Modulo<Scelta> scelta;
};

// Items are trimmed but not the last; each takes the picture of its first keyword in a fixed
// order, whatever the case; code-page bytes are kept as given. Ctrl+Shift+P shows the program
// information once.
TEST_F(ProvaScelta, SplitAndPictures) {
    const std::vector<std::tuple<std::string, V, V>> casi = {
        {"  SOLO  ", {"  SOLO  "}, {"GENERICO"}},
        {" UNO*A**  TRE ", {"UNO", "A", "", "  TRE "}, V(4, "GENERICO")},
        {"CAFF\xC8 * \x80", {"CAFF\xC8", " \x80"}, {"GENERICO", "GENERICO"}},
        {"stampa cedolini*Aggiorna e StAmPa*nastro magnetico con help*fogli presenze*MEMORIZZA "
         "DATI*aggiorna archivio*guida HELP*altro",
         {"stampa cedolini", "Aggiorna e StAmPa", "nastro magnetico con help", "fogli presenze",
          "MEMORIZZA DATI", "aggiorna archivio", "guida HELP", "altro"},
         {"STAMPA", "STAMPA", "MAGNETICO", "FOGLI", "MEMORIZZA", "AGGIORNA", "HELP", "GENERICO"}}};
    for (const auto& [elenco, testi, immagini] : casi) {
        V visti, viste;
        mostra(elenco, [&](Scelta& s) {
            for (int i = 0; i < s.lstElenco->count(); ++i) {
                visti.push_back(s.testoRiga(i));
                viste.push_back(s.immagineRiga(i));
            }
            // Ctrl+Shift+P, received by the list: one box, and the list does not see the key.
            s.Form_KeyDown(80, 2);  // Ctrl alone
            premi(s.lstElenco, Qt::Key_P, "\x10", Qt::ControlModifier | Qt::ShiftModifier);
            s.cmdUscita_Click();
        });
        EXPECT_EQ(visti, testi) << elenco;
        EXPECT_EQ(viste, immagini) << elenco;
        EXPECT_EQ(ui().messaggi.size(), 1u);
        ui().messaggi.clear();
    }
    // An empty list closes at once and chooses nothing.
    SCELTA_D = 4;
    SCAMBIO_S[49] = "PRIMA";
    mostra("", [&](Scelta&) { ADD_FAILURE(); });
    EXPECT_TRUE(!scelta.caricato() && SCELTA_D == 0 && SCAMBIO_S[49].empty());
}

TEST_F(ProvaScelta, ChoosingReturnsThePositionAndTrimmedTextEveryCancelNothing) {
    const std::vector<std::function<void(Scelta&)>> modi = {
        [](Scelta& s) { s.lstElenco_KeyPress(13); },
        [](Scelta& s) { s.lstElenco_DblClick(); },
        [](Scelta& s) { s.lstElenco_KeyPress(27); },
        [](Scelta& s) { s.cmdUscita_Click(); },
        [](Scelta& s) { s.close(); },                           // the title-bar close
        [](Scelta& s) { premi(&s, Qt::Key_Escape, "\x1b"); }};  // focus on the button
    for (std::size_t k = 0; k < modi.size(); ++k) {
        SCAMBIO_S[49] = "VECCHIO";
        mostra("ALFA*BETA*  GAMMA  *DELTA", [&](Scelta& s) {
            // Enter with nothing selected chooses nothing and the list stays.
            s.lstElenco->clearSelection();
            s.lstElenco_KeyPress(13);
            EXPECT_FALSE(s.daScaricare());
            s.lstElenco->setCurrentRow(2);
            modi[k](s);
        });
        EXPECT_TRUE(!scelta.caricato() && SCELTA_D == (k < 2 ? 3 : 0)) << k;
        EXPECT_EQ(SCAMBIO_S[49] + ELENCOSCELTA_S, k < 2 ? "GAMMA" : "") << k;
    }
}

}  // namespace
