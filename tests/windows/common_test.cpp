#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "finestre_prova.h"
#include "platform/servizi_ui.h"
#include "windows/common/servizi_qt.h"
#include "windows/common/testo_qt.h"

namespace {

using platform::Risposta;
using windows::aQString;
using windows::daQString;

// Every byte round-trips; the high range is Windows-1252 (the five undefined bytes kept as C1
// controls); what the code page lacks becomes one question mark.
TEST(TestoQt, Windows1252BothWays) {
    std::string tutti;
    for (int b = 0; b < 256; ++b)
        tutti += static_cast<char>(b);
    ASSERT_EQ(aQString(tutti).size(), 256);
    EXPECT_EQ(daQString(aQString(tutti)), tutti);
    const std::string alti = "\x80\x9C\x9F\x81 CITT\xC0 \xE8";
    const QString unicode = QString::fromUtf8("\u20AC\u0153\u0178\u0081 CITT\u00C0 \u00E8");
    EXPECT_TRUE(aQString(alti) == unicode && daQString(unicode) == alti);
    EXPECT_EQ(daQString(QString::fromUtf8("a\u4E2Db x\U0001F600y \u0100")), "a?b x?y ?");
}

// Acts on the next message box from inside its own modal loop.
void nelBox(const std::function<void(QMessageBox&)>& operatore) {
    QTimer::singleShot(10, [operatore] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) return operatore(*box);
        nelBox(operatore);
    });
}

// A box's buttons, icon, title, answer; the sharing box: Interrompi, Riprova, Ignora left to right
// on any desktop, Interrompi the default, Esc ignored; the hourglass is a state, not a count.
TEST(ServiziQt, MessageBoxesAndHourglass) {
    windows::installaServiziQt();
    QStringList visto;
    nelBox([&](QMessageBox& box) {
        visto << box.windowTitle() << box.text() << QString::number(box.icon())
              << QString::number(box.buttons().size()) << box.defaultButton()->text();
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(platform::MSGBOX("PRIMA RIGA\r\nSECONDA \xE8 <b>", platform::Pulsanti::SiNo,
                               platform::Icona::Domanda, "Ponteval", 2),
              Risposta::No);
    EXPECT_EQ(visto, QStringList({"Ponteval", QString::fromUtf8("PRIMA RIGA\nSECONDA \u00E8 <b>"),
                                  QString::number(QMessageBox::Question), "2", "No"}));
    visto.clear();
    nelBox([&](QMessageBox& box) {
        QList<QAbstractButton*> b = box.buttons();
        std::sort(b.begin(), b.end(), [](auto* x, auto* y) { return x->x() < y->x(); });
        for (QAbstractButton* p : b)
            visto << p->text();
        visto << box.defaultButton()->text();
        prova_finestre::premi(&box, Qt::Key_Escape);
        box.close();
        visto << (box.isVisible() ? "aperta" : "chiusa");
        b[1]->click();
    });
    EXPECT_EQ(platform::MSGBOX("IL CODICE", platform::Pulsanti::InterrompiRiprovaIgnora),
              Risposta::Riprova);
    EXPECT_EQ(visto, QStringList({"Interrompi", "Riprova", "Ignora", "Interrompi", "aperta"}));
    platform::servizi().clessidra(true);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform::servizi().clessidra(true);
    platform::servizi().clessidra(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform::installaServizi(nullptr);
}

}  // namespace
