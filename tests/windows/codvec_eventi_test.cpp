// The selection window under the operator's keys and mouse: Esc leaves neither it nor the
// search dialog, a click on the selected company clears the worker lists, a double-click below
// the company lines loads the selected company, and the sharing box offers Abort, Retry, Ignore
// in that order with no Esc.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "archive/slot_file.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/common/servizi_qt.h"
#include "windows/selection/codvec.h"

namespace {

using windows::CODVEC;

void invia(QWidget* w, QEvent&& e) {
    QApplication::sendEvent(w, &e);
}
QKeyEvent esc() {
    return QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
}
QMouseEvent mouse(QWidget* w, QEvent::Type tipo, QPoint dove) {
    return QMouseEvent(tipo, dove, w->mapToGlobal(dove), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
}

class EventiCodvec : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        tools::preparaArchivio(cartella.percorso());
        tools::inizializzaIndice(7);
        for (int codice : {1, 2}) {
            tools::Ditta d;
            d.codice = codice, d.nome = codice == 1 ? "ALFA" : "BETA";
            tools::scriviDitta(d);
        }
        tools::Dipendente d;
        d.chiave = "0010000001", d.cognome = "ROSSI", d.nome = "MARIO";
        tools::scriviDipendente(d);
        for (double n : {1.0, 2.0, 7.0})
            archive::FAIOPEN(n);
    }
    supporto::CartellaTemporanea cartella;
    windows::Modulo<CODVEC> modulo;
};

TEST_F(EventiCodvec, EscStaysClickOnTheSelectedCompanyClearsDoubleClickBelowLoads) {
    CODVEC& f = modulo.carica();
    windows::RICERCA_ARC& r = f.ricercaArc.carica();
    f.iniziaMostra();
    r.iniziaMostra();
    invia(f.LISTADITTE[0], esc());
    invia(r.NOME, esc());
    EXPECT_FALSE(f.daScaricare() || r.daScaricare());
    EXPECT_EQ(windows::ESITO_I[25], 0);
    f.ricercaArc.scarica();

    f.show();
    QApplication::processEvents();
    windows::ListaTesti* ditte = f.LISTADITTE[0];
    ASSERT_EQ(ditte->ListIndex(), 0);  // ALFA, company 1, selected at opening
    QWidget* area = ditte->viewport();
    const QPoint riga = ditte->visualRect(ditte->model()->index(0, 0)).center();
    const QPoint sotto(riga.x(), area->height() - 4);
    ASSERT_FALSE(ditte->indexAt(sotto).isValid());
    invia(area, mouse(area, QEvent::MouseButtonDblClick, sotto));
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 1);
    invia(area, mouse(area, QEvent::MouseButtonPress, riga));
    invia(area, mouse(area, QEvent::MouseButtonRelease, riga));
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 0);
    EXPECT_EQ(ditte->ListIndex(), 0);
}

TEST(BoxCondivisione, AbortRetryIgnoreLeftToRightAbortDefaultNoEsc) {
    windows::installaServiziQt();
    QStringList ordine;
    QString predefinito;
    bool aperta = false;
    std::function<void()> rispondi = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return QTimer::singleShot(10, rispondi);
        QList<QAbstractButton*> b = box->buttons();
        std::sort(b.begin(), b.end(), [](auto* x, auto* y) { return x->x() < y->x(); });
        for (QAbstractButton* p : b)
            ordine << p->text();
        predefinito = box->defaultButton()->text();
        invia(box, esc());
        box->close();
        aperta = box->isVisible();
        b[1]->click();
    };
    QTimer::singleShot(0, rispondi);
    EXPECT_EQ(platform::MSGBOX("IL CODICE", platform::Pulsanti::InterrompiRiprovaIgnora),
              platform::Risposta::Riprova);
    EXPECT_EQ(ordine, QStringList({"Interrompi", "Riprova", "Ignora"}));
    EXPECT_EQ(predefinito, QStringLiteral("Interrompi"));
    EXPECT_TRUE(aperta);
    platform::installaServizi(nullptr);
}

}  // namespace
