// The page list over a real page file: which pages are listed, how, and how the window goes
// away (hidden and kept, or closed and loaded anew).
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "archive/slot_file.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"
#include "windows/common/scambio.h"
#include "windows/pages/fines.h"

namespace {

using windows::ESITO_I;
using windows::Fines;
using windows::SCAMBIO_D;
using windows::SCAMBIO_I;
using Righe = std::vector<std::string>;

// One 100-byte page record: the title at 4..26 (blank-padded to 23), the listing flag at 67.
std::string pagina(const std::string& titolo, char flag) {
    std::string r(100, '.');
    r.replace(3, 23, (titolo + std::string(23, ' ')).substr(0, 23));
    r[66] = flag;
    return r;
}

class ProvaFines : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        windows::azzeraScambio();
        archivio = std::make_unique<supporto::ArchivioProva>(
            std::vector<supporto::VoceCatalogo>{{253, "PAGINE.DAT", 100}});
    }
    void TearDown() override {
        fines.scarica();
        archivio.reset();
        windows::azzeraScambio();
        ProvaBase::TearDown();
    }

    // Writes the page file and opens it as the start-up routine does.
    void paginaFile(const Righe& record) {
        std::string dati;
        for (const auto& r : record)
            dati += r;
        archive::CHIUDIFILE(253);
        archivio->scrivi("PAGINE.DAT", dati);
        archive::FAIOPEN(253);
    }

    void mostra(const std::function<void(Fines&)>& operatore) {
        ui().registraFinestra("Fines", [&] { operatore(*fines); });
        fines.mostra();
    }

    Righe righe() const {
        Righe r;
        for (int i = 0; i < fines->COMBINATA1->count(); ++i)
            r.push_back(fines->rigaPagina(i));
        return r;
    }

    std::unique_ptr<supporto::ArchivioProva> archivio;
    windows::Modulo<Fines> fines;
};

TEST_F(ProvaFines, ListsMarkedPagesNumberedAmongTheListedOnesAtMostFifty) {
    Righe record = {pagina("ANAGRAFICA", '1'), pagina("BIANCA", ' '), pagina("ZERO", '0'),
                    pagina("DUE", '2'), pagina("CONTRIBUTI", '1')};
    for (int i = 3; i <= 10; ++i)
        record.push_back(pagina("PAGINA " + std::to_string(i), '1'));
    record.push_back(pagina("CITT\xC0", '1'));
    paginaFile(record);
    windows::SCAMBIO_S[2] = "ENPALS";

    fines.carica();
    const Righe r = righe();
    ASSERT_EQ(r.size(), 11u);
    EXPECT_EQ(r[1], "02) CONTRIBUTI             ");
    EXPECT_EQ(fines->COMBINATA1->item(10)->text().trimmed(), QString::fromUtf8("11) CITT\u00C0"));
    // Record numbers of the listed pages; skipped records use no page number.
    EXPECT_EQ(std::vector<double>(SCAMBIO_D.begin() + 1, SCAMBIO_D.begin() + 5),
              (std::vector<double>{1, 5, 6, 7}));
    EXPECT_EQ(SCAMBIO_D[11], 14);
    EXPECT_EQ(SCAMBIO_D[12], 0);
    EXPECT_EQ(fines->Et0->text(), QStringLiteral("ENPALS PAGINE"));

    // More marked pages than the exchange array holds: the first fifty are listed.
    fines.scarica();
    record.clear();
    for (int i = 1; i <= 60; ++i)
        record.push_back(pagina("P" + std::to_string(i), '1'));
    paginaFile(record);
    fines.carica();
    ASSERT_EQ(righe().size(), 50u);
    EXPECT_EQ(SCAMBIO_D[50], 50);
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(ProvaFines, EmptyListStillHidesOnEnterAndDoubleClick) {
    // No record marked; the marked record 1001 lies beyond what the list reads.
    Righe record(1000, pagina("NON ELENCATA", '0'));
    record.push_back(pagina("OLTRE MILLE", '1'));
    paginaFile(record);

    mostra([](Fines& f) {
        EXPECT_EQ(f.COMBINATA1->count(), 0);
        f.COMBINATA1_GotFocus();
        f.COMBINATA1_KeyPress(13);
    });
    EXPECT_TRUE(fines.caricato());
    EXPECT_EQ(ESITO_I[25], 0);
    EXPECT_EQ(SCAMBIO_I[16], 1);

    // A real double-click on the empty list, where there is no line to click on.
    mostra([](Fines& f) {
        QWidget* area = f.COMBINATA1->viewport();
        const QPointF punto(5, 5);
        QMouseEvent doppio(QEvent::MouseButtonDblClick, punto, area->mapToGlobal(punto),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &doppio);
        EXPECT_FALSE(f.inMostra());
    });
    EXPECT_TRUE(fines.caricato());
    EXPECT_EQ(SCAMBIO_I[16], 0);
}

TEST_F(ProvaFines, HiddenKeepsListAndSelectionClosedLoadsAnew) {
    paginaFile({pagina("UNO", '1'), pagina("DUE", '1'), pagina("TRE", '1')});
    mostra([](Fines& f) {
        f.COMBINATA1->setCurrentRow(2);
        f.COMBINATA1_KeyPress(13);
    });
    ASSERT_TRUE(fines.caricato());

    // The file changes while the window is hidden: the next showing does not reload it.
    paginaFile({pagina("NUOVA", '1')});
    mostra([](Fines& f) {
        EXPECT_EQ(f.COMBINATA1->count(), 3);
        EXPECT_EQ(f.rigaSelezionata(), 2);
        f.COMBINATA1_KeyPress(27);
    });
    EXPECT_FALSE(fines.caricato());
    EXPECT_EQ(ESITO_I[25], 1);
    fines.carica();
    EXPECT_EQ(righe(), Righe{"01) NUOVA                  "});
}

TEST_F(ProvaFines, EscTheButtonAndTheTitleBarCloseAllLeave) {
    paginaFile({pagina("UNO", '1')});
    const std::vector<std::function<void(Fines&)>> uscite = {
        [](Fines& f) { f.COMBINATA1_KeyPress(27); },
        [](Fines& f) { f.Comando1_Click(); },
        [](Fines& f) { f.close(); },
        [](Fines& f) {  // Esc with the focus on the button
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
            QApplication::sendEvent(&f, &esc);
        },
    };
    for (std::size_t k = 0; k < uscite.size(); ++k) {
        ESITO_I[25] = 0;
        SCAMBIO_I[16] = 7;
        mostra(uscite[k]);
        EXPECT_EQ(ESITO_I[25], 1) << k;
        EXPECT_FALSE(fines.caricato()) << k;
        EXPECT_EQ(SCAMBIO_I[16], 7) << k;
    }
}

// Runs the window's real modal loop, as the program's services do.
class ServiziEsecuzione final : public platform::ServiziUI {
  public:
    platform::Risposta messaggio(const platform::Messaggio& m) override {
        return platform::rispostaPredefinita(m);
    }
    void mostraModale(const std::string&, const std::function<void()>& mostra) override {
        mostra();
    }
    void beep() override {}
    void clessidra(bool) override {}
};

TEST_F(ProvaFines, RealShowingHidesOnEnterAndLeavesOnEsc) {
    paginaFile({pagina("UNO", '1'), pagina("DUE", '1')});
    platform::installaServizi(std::make_unique<ServiziEsecuzione>());
    QTimer sicurezza;  // never hang the suite on a window left open
    QObject::connect(&sicurezza, &QTimer::timeout, [&] {
        if (fines.caricato()) fines->done(0);
    });
    sicurezza.start(5000);
    auto premi = [&](int tasto, const QString& testo) {
        QTimer::singleShot(0, [&, tasto, testo] {
            QKeyEvent e(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
            QApplication::sendEvent(fines->COMBINATA1, &e);
        });
    };

    premi(Qt::Key_Return, QStringLiteral("\r"));
    fines.mostra();
    EXPECT_TRUE(fines.caricato());
    EXPECT_FALSE(fines->isVisible());
    EXPECT_EQ(SCAMBIO_I[16], 1);
    EXPECT_EQ(ESITO_I[25], 0);

    premi(Qt::Key_Escape, QStringLiteral("\x1b"));
    fines.mostra();
    EXPECT_FALSE(fines.caricato());
    EXPECT_EQ(ESITO_I[25], 1);
}

}  // namespace
