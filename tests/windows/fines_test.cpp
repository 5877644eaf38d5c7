// The page list over a real page file: which pages are listed, how, and how the window goes
// away (hidden and kept, or closed and loaded anew).
#include <QTimer>

#include "archive/slot_file.h"
#include "finestre_prova.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"
#include "windows/common/scambio.h"
#include "windows/common/servizi_qt.h"
#include "windows/pages/fines.h"

namespace {

using namespace prova_finestre;
using namespace windows;

// `quante` 100-byte page records: the title at 4..26 (blank-padded to 23), the listing flag at 67.
std::string pagine(const std::string& titolo, char flag = '1', int quante = 1) {
    const std::string r = "..." + n(titolo, 23) + std::string(40, '.') + flag + n("", 33, '.');
    return QByteArray::fromStdString(r).repeated(quante).toStdString();
}

class ProvaFines : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        archivio = std::make_unique<supporto::ArchivioProva>(
            std::vector<supporto::VoceCatalogo>{{253, "PAGINE.DAT", 100}});
    }
    // Writes the page file and opens it as the start-up routine does.
    void paginaFile(const std::string& dati) {
        archive::CHIUDIFILE(253);
        archivio->scrivi("PAGINE.DAT", dati);
        archive::FAIOPEN(253);
    }
    void mostra(const std::function<void(Fines&)>& operatore) {
        ui().registraFinestra("Fines", [&] { operatore(*fines); });
        fines.mostra();
    }
    std::unique_ptr<supporto::ArchivioProva> archivio;
    windows::Modulo<Fines> fines;
};

TEST_F(ProvaFines, ListsMarkedPagesNumberedAmongTheListedOnesAtMostFifty) {
    paginaFile(pagine("ANAGRAFICA") + pagine("BIANCA", ' ') + pagine("ZERO", '0') +
               pagine("DUE", '2') + pagine("CONTRIBUTI") + pagine("CITT\xC0") +
               pagine("ALTRA", '1', 59));
    fines.carica();
    ASSERT_EQ(fines->COMBINATA1->count(), 50);
    EXPECT_EQ(fines->rigaPagina(1), "02) CONTRIBUTI             ");
    EXPECT_EQ(fines->COMBINATA1->item(2)->text().trimmed(), QString::fromUtf8("03) CITT\u00C0"));
    // Record numbers of the listed pages; skipped records use no page number.
    EXPECT_EQ(std::vector<double>(SCAMBIO_D.begin() + 1, SCAMBIO_D.begin() + 5),
              (std::vector<double>{1, 5, 6, 7}));
    EXPECT_EQ(SCAMBIO_D[50], 53);
}

// Enter and a real double-click (where there is no line to click on) hide the window.
TEST_F(ProvaFines, EmptyListStillHidesOnEnterAndDoubleClick) {
    // No record marked; the marked record 1001 lies beyond what the list reads.
    paginaFile(pagine("NON ELENCATA", '0', 1000) + pagine("OLTRE MILLE"));
    mostra([](Fines& f) {
        EXPECT_EQ(f.COMBINATA1->count(), 0);
        f.COMBINATA1_GotFocus();
        premi(f.COMBINATA1, Qt::Key_Return, "\r");
    });
    EXPECT_TRUE(fines.caricato() && ESITO_I[25] == 0 && SCAMBIO_I[16] == 1);
    mostra([](Fines& f) {
        mouse(f.COMBINATA1->viewport(), QEvent::MouseButtonDblClick, QPoint(5, 5));
        EXPECT_FALSE(f.inMostra());
    });
    EXPECT_TRUE(fines.caricato() && SCAMBIO_I[16] == 0);
}

TEST_F(ProvaFines, HiddenKeepsListAndSelectionEveryWayOutClosesAndLoadsAnew) {
    paginaFile(pagine("UNO") + pagine("DUE") + pagine("TRE"));
    mostra([](Fines& f) {
        f.COMBINATA1->setCurrentRow(2);
        f.COMBINATA1_KeyPress(13);
    });
    paginaFile(pagine("NUOVA"));  // while hidden: the next showing does not reload it
    const std::vector<std::function<void(Fines&)>> uscite = {
        [](Fines& f) { premi(f.COMBINATA1, Qt::Key_Escape, "\x1b"); },
        [](Fines& f) { f.Comando1_Click(); }, [](Fines& f) { f.close(); },
        [](Fines& f) { premi(&f, Qt::Key_Escape, "\x1b"); }};  // with the focus on the button
    for (std::size_t k = 0; k < uscite.size(); ++k) {
        ESITO_I[25] = 0;
        SCAMBIO_I[16] = 7;
        mostra([&](Fines& f) {
            EXPECT_EQ(f.COMBINATA1->count(), k == 0 ? 3 : 1);
            EXPECT_TRUE(k > 0 || f.rigaSelezionata() == 2);
            uscite[k](f);
        });
        EXPECT_TRUE(ESITO_I[25] == 1 && !fines.caricato() && SCAMBIO_I[16] == 7) << k;
    }
    fines.carica();
    EXPECT_EQ(fines->rigaPagina(0), "01) NUOVA                  ");
}

TEST_F(ProvaFines, RealShowingHidesOnEnterAndLeavesOnEsc) {
    paginaFile(pagine("UNO") + pagine("DUE"));
    windows::installaServiziQt();  // the window's own modal loop
    QTimer sicurezza;              // never hang the suite on a window left open
    QObject::connect(&sicurezza, &QTimer::timeout, [&] {
        if (fines.caricato()) fines->done(0);
    });
    sicurezza.start(5000);
    QTimer::singleShot(0, [&] { premi(fines->COMBINATA1, Qt::Key_Return, "\r"); });
    fines.mostra();
    EXPECT_TRUE(fines.caricato() && !fines->isVisible() && SCAMBIO_I[16] == 1);
    QTimer::singleShot(0, [&] { premi(fines->COMBINATA1, Qt::Key_Escape, "\x1b"); });
    fines.mostra();
    EXPECT_TRUE(!fines.caricato() && ESITO_I[25] == 1);
}

}  // namespace
