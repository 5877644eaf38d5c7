// The page list over a real page file: which pages are listed, how, and how the window goes
// away (hidden and kept, or closed and loaded anew).
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

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
std::string pagina(const std::string& titolo, char flag = '1') {
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
    Righe record = {pagina("ANAGRAFICA"), pagina("BIANCA", ' '), pagina("ZERO", '0'),
                    pagina("DUE", '2'), pagina("CONTRIBUTI")};
    for (int i = 1; i <= 60; ++i)
        record.push_back(pagina(i == 1 ? "CITT\xC0" : "P" + std::to_string(i)));
    paginaFile(record);
    fines.carica();
    const Righe r = righe();
    ASSERT_EQ(r.size(), 50u);
    EXPECT_EQ(r[1], "02) CONTRIBUTI             ");
    EXPECT_EQ(fines->COMBINATA1->item(2)->text().trimmed(), QString::fromUtf8("03) CITT\u00C0"));
    // Record numbers of the listed pages; skipped records use no page number.
    EXPECT_EQ(std::vector<double>(SCAMBIO_D.begin() + 1, SCAMBIO_D.begin() + 5),
              (std::vector<double>{1, 5, 6, 7}));
    EXPECT_EQ(SCAMBIO_D[50], 53);
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(ProvaFines, EmptyListStillHidesOnEnterAndDoubleClick) {
    // No record marked; the marked record 1001 lies beyond what the list reads.
    Righe record(1000, pagina("NON ELENCATA", '0'));
    record.push_back(pagina("OLTRE MILLE"));
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

TEST_F(ProvaFines, HiddenKeepsListAndSelectionEveryWayOutClosesAndLoadsAnew) {
    paginaFile({pagina("UNO"), pagina("DUE"), pagina("TRE")});
    mostra([](Fines& f) {
        f.COMBINATA1->setCurrentRow(2);
        f.COMBINATA1_KeyPress(13);
    });
    paginaFile({pagina("NUOVA")});  // while hidden: the next showing does not reload it
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
        mostra([&](Fines& f) {
            EXPECT_EQ(f.COMBINATA1->count(), k == 0 ? 3 : 1);
            if (k == 0) { EXPECT_EQ(f.rigaSelezionata(), 2); }
            uscite[k](f);
        });
        EXPECT_EQ(ESITO_I[25], 1) << k;
        EXPECT_FALSE(fines.caricato()) << k;
        EXPECT_EQ(SCAMBIO_I[16], 7) << k;
    }
    fines.carica();
    EXPECT_EQ(righe(), Righe{"01) NUOVA                  "});
}

}  // namespace
