// The choice list: splitting, pictures, the ways out and what they leave in the globals.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <functional>
#include <string>
#include <vector>

#include "support/prova_base.h"
#include "windows/choice/scelta.h"
#include "windows/common/scambio.h"

namespace {

using windows::ELENCOSCELTA_S;
using windows::SCAMBIO_S;
using windows::Scelta;
using windows::SCELTA_D;
using Righe = std::vector<std::string>;

class ProvaScelta : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        windows::azzeraScambio();
    }
    void TearDown() override {
        windows::azzeraScambio();
        ProvaBase::TearDown();
    }
    // Shows the list as a caller does; `operatore` acts on the activated window.
    void mostra(const std::string& elenco, const std::function<void(Scelta&)>& operatore) {
        ELENCOSCELTA_S = elenco;
        ui().registraFinestra("Scelta", [&] {
            scelta->Form_Activate();
            if (!scelta->daScaricare()) operatore(*scelta);
        });
        scelta.mostra();
    }
    static Righe righe(const Scelta& s) {
        Righe r;
        for (int i = 0; i < s.lstElenco->count(); ++i)
            r.push_back(s.testoRiga(i));
        return r;
    }
    windows::Modulo<Scelta> scelta;
};

TEST_F(ProvaScelta, SplitTrimsItemsButNotTheRestAndAnEmptyListClosesAtOnce) {
    const std::vector<std::pair<std::string, Righe>> casi = {
        {"  SOLO  ", {"  SOLO  "}},
        {" UNO * DUE *  TRE ", {"UNO", "DUE", "  TRE "}},
        {"A**B*", {"A", "", "B", ""}},
        {"CAFF\xC8 * \x80", {"CAFF\xC8", " \x80"}},  // code-page bytes kept as given
    };
    for (const auto& [elenco, attese] : casi) {
        Righe visto;
        mostra(elenco, [&](Scelta& s) {
            visto = righe(s);
            s.cmdUscita_Click();
        });
        EXPECT_EQ(visto, attese) << elenco;
    }
    SCELTA_D = 4;
    SCAMBIO_S[49] = "PRIMA";
    bool chiamato = false;
    mostra("", [&](Scelta&) { chiamato = true; });
    EXPECT_FALSE(chiamato);
    EXPECT_FALSE(scelta.caricato());
    EXPECT_EQ(SCELTA_D, 0);
    EXPECT_EQ(SCAMBIO_S[49], "");
}

TEST_F(ProvaScelta, PictureIsTheFirstKeywordInFixedOrderWhateverTheCase) {
    Righe chiavi;
    mostra("stampa cedolini*Aggiorna e StAmPa*nastro magnetico con help*fogli presenze*"
           "MEMORIZZA DATI*aggiorna archivio*guida HELP*altro ancora*generico*",
           [&](Scelta& s) {
               for (int i = 0; i < s.lstElenco->count(); ++i)
                   chiavi.push_back(s.immagineRiga(i));
               EXPECT_EQ(s.testoRiga(1), "Aggiorna e StAmPa");  // not upper-cased
               s.lstElenco_KeyPress(27);
           });
    EXPECT_EQ(chiavi, (Righe{"STAMPA", "STAMPA", "MAGNETICO", "FOGLI", "MEMORIZZA", "AGGIORNA",
                             "HELP", "GENERICO", "GENERICO", "GENERICO"}));
}

TEST_F(ProvaScelta, ChoosingReturnsThePositionAndTrimmedTextEveryCancelNothing) {
    const std::vector<std::function<void(Scelta&)>> modi = {
        [](Scelta& s) { s.lstElenco_KeyPress(13); },
        [](Scelta& s) { s.lstElenco_DblClick(); },
        [](Scelta& s) { s.lstElenco_KeyPress(27); },
        [](Scelta& s) { s.cmdUscita_Click(); },
        [](Scelta& s) { s.close(); },  // the title-bar close
        [](Scelta& s) {                // Esc with the focus on the button
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
            QApplication::sendEvent(&s, &esc);
        },
    };
    for (std::size_t k = 0; k < modi.size(); ++k) {
        SCAMBIO_S[49] = "VECCHIO";
        mostra("ALFA*BETA*  GAMMA  *DELTA", [&](Scelta& s) {
            EXPECT_EQ(s.rigaSelezionata(), 0);
            // Enter with nothing selected chooses nothing and the list stays.
            s.lstElenco->clearSelection();
            s.lstElenco_KeyPress(13);
            EXPECT_FALSE(s.daScaricare());
            s.lstElenco->setCurrentRow(2);
            modi[k](s);
        });
        const bool scelto = k < 2;
        EXPECT_FALSE(scelta.caricato()) << k;
        EXPECT_EQ(SCELTA_D, scelto ? 3 : 0) << k;
        EXPECT_EQ(SCAMBIO_S[49], scelto ? "GAMMA" : "") << k;
        EXPECT_EQ(ELENCOSCELTA_S, "") << k;
    }
}

TEST_F(ProvaScelta, CtrlShiftPShowsTheProgramInformationOnce) {
    mostra("UNO", [&](Scelta& s) {
        s.Form_KeyDown(80, 2);  // Ctrl alone
        EXPECT_TRUE(ui().messaggi.empty());
        // The real key, received by the list: one box, and the list does not see the key.
        QKeyEvent p(QEvent::KeyPress, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier,
                    QStringLiteral("\x10"));
        QApplication::sendEvent(s.lstElenco, &p);
        s.cmdUscita_Click();
    });
    EXPECT_EQ(ui().messaggi.size(), 1u);
}

}  // namespace
