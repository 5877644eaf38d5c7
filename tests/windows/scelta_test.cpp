// The choice list: splitting, pictures, the ways out and what they leave in the globals.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <functional>
#include <string>
#include <vector>

#include "archive/traccia.h"
#include "support/prova_base.h"
#include "windows/choice/scelta.h"
#include "windows/common/scambio.h"

namespace {

using windows::ELENCOSCELTA_S;
using windows::Modulo;
using windows::SCAMBIO_S;
using windows::Scelta;
using windows::SCELTA_D;

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

    // The lines as stored, after the window filled them.
    static std::vector<std::string> righe(const Scelta& s) {
        std::vector<std::string> r;
        for (int i = 0; i < s.lstElenco->count(); ++i)
            r.push_back(s.testoRiga(i));
        return r;
    }

    Modulo<Scelta> scelta;
};

TEST_F(ProvaScelta, SplitTrimsItemsButNotTheRestAndAnEmptyListClosesAtOnce) {
    std::vector<std::string> visto;
    auto leggi = [&](Scelta& s) {
        visto = righe(s);
        s.cmdUscita_Click();
    };
    mostra("  SOLO  ", leggi);
    EXPECT_EQ(visto, (std::vector<std::string>{"  SOLO  "}));
    mostra(" UNO * DUE *  TRE ", leggi);
    EXPECT_EQ(visto, (std::vector<std::string>{"UNO", "DUE", "  TRE "}));
    mostra("A**B*", leggi);
    EXPECT_EQ(visto, (std::vector<std::string>{"A", "", "B", ""}));
    // Bytes of the code page are kept as given and shown as their characters.
    mostra("CAFF\xC8 * \x80", [&](Scelta& s) {
        EXPECT_EQ(s.lstElenco->item(0)->text(), QString::fromUtf8("CAFF\u00C8"));
        leggi(s);
    });
    EXPECT_EQ(visto, (std::vector<std::string>{"CAFF\xC8", " \x80"}));

    SCELTA_D = 4;
    SCAMBIO_S[49] = "PRIMA";
    visto = {"NON CHIAMATO"};
    mostra("", leggi);
    EXPECT_EQ(visto, (std::vector<std::string>{"NON CHIAMATO"}));
    EXPECT_FALSE(scelta.caricato());
    EXPECT_EQ(SCELTA_D, 0);
    EXPECT_EQ(SCAMBIO_S[49], "");
}

TEST_F(ProvaScelta, PictureIsTheFirstKeywordInFixedOrderWhateverTheCase) {
    const std::string elenco =
        "stampa cedolini*Aggiorna e StAmPa*nastro magnetico con help*fogli presenze*"
        "MEMORIZZA DATI*aggiorna archivio*guida HELP*altro ancora*generico*";
    std::vector<std::string> chiavi, testi;
    mostra(elenco, [&](Scelta& s) {
        for (int i = 0; i < s.lstElenco->count(); ++i)
            chiavi.push_back(s.immagineRiga(i));
        testi = righe(s);
        s.lstElenco_KeyPress(27);
    });
    EXPECT_EQ(chiavi,
              (std::vector<std::string>{"STAMPA", "STAMPA", "MAGNETICO", "FOGLI", "MEMORIZZA",
                                        "AGGIORNA", "HELP", "GENERICO", "GENERICO", "GENERICO"}));
    EXPECT_EQ(testi[1], "Aggiorna e StAmPa");  // added as given, not upper-cased

    // Every keyword has its own, visibly different picture.
    Scelta finestra;
    ASSERT_EQ(finestra.ImageList1.size(), 7u);
    std::vector<QImage> immagini;
    for (const auto& [chiave, icona] : finestra.ImageList1) {
        const QImage img = icona.pixmap(16, 16).toImage();
        ASSERT_FALSE(img.isNull()) << chiave;
        for (const QImage& altra : immagini)
            EXPECT_NE(img, altra) << chiave;
        immagini.push_back(img);
    }
}

TEST_F(ProvaScelta, ChoosingTheThirdLineReturnsItsPositionAndTrimmedText) {
    for (const bool conInvio : {true, false}) {
        archive::azzeraTraccia();
        mostra("ALFA*BETA*  GAMMA  *DELTA", [&](Scelta& s) {
            EXPECT_EQ(SCELTA_D, 0);
            EXPECT_EQ(s.rigaSelezionata(), 0);
            // Enter with nothing selected chooses nothing and the list stays.
            s.lstElenco->clearSelection();
            s.lstElenco_KeyPress(13);
            EXPECT_FALSE(s.daScaricare());
            s.lstElenco->setCurrentRow(2);
            if (conInvio)
                s.lstElenco_KeyPress(13);
            else
                s.lstElenco_DblClick();
        });
        EXPECT_FALSE(scelta.caricato());
        EXPECT_EQ(SCELTA_D, 3);
        EXPECT_EQ(SCAMBIO_S[49], "GAMMA");
        EXPECT_EQ(ELENCOSCELTA_S, "");
    }
    const auto& t = archive::TRACCIA_ELENCO;
    EXPECT_EQ(std::vector<std::string>(t.begin() + 1, t.begin() + 6),
              (std::vector<std::string>{"FORM_ACTIVATE", "ADDSTRING", "LSTELENCO_KEYPRESS",
                                        "LSTELENCO_DBLCLICK", "FORM_UNLOAD"}));
}

TEST_F(ProvaScelta, EveryCancelAfterMovingTheSelectionReturnsNothing) {
    const std::vector<std::function<void(Scelta&)>> annulli = {
        [](Scelta& s) { s.lstElenco_KeyPress(27); },
        [](Scelta& s) { s.cmdUscita_Click(); },
        [](Scelta& s) { s.close(); },  // the title-bar close
        [](Scelta& s) {                // Esc with the focus on the button
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
            QApplication::sendEvent(&s, &esc);
        },
    };
    for (std::size_t k = 0; k < annulli.size(); ++k) {
        SCAMBIO_S[49] = "VECCHIO";
        mostra("UNO*DUE*TRE", [&](Scelta& s) {
            s.lstElenco->setCurrentRow(1);
            annulli[k](s);
        });
        EXPECT_FALSE(scelta.caricato()) << k;
        EXPECT_EQ(SCELTA_D, 0) << k;
        EXPECT_EQ(SCAMBIO_S[49], "") << k;
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
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].titolo, "Informazioni Progetto ponteval");
}

}  // namespace
