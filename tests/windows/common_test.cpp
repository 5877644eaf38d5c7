#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "platform/servizi_ui.h"
#include "windows/common/servizi_qt.h"
#include "windows/common/testo_qt.h"

namespace {

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
    for (const auto& [byte, unicode] :
         std::vector<std::pair<std::string, const char*>>{{"\x80", "\u20AC"},
                                                          {"\x9C", "\u0153"},
                                                          {"\x9F", "\u0178"},
                                                          {"\x81", "\u0081"},
                                                          {"CITT\xC0 \xE8", "CITT\u00C0 \u00E8"}}) {
        EXPECT_EQ(aQString(byte), QString::fromUtf8(unicode)) << unicode;
        EXPECT_EQ(daQString(QString::fromUtf8(unicode)), byte) << unicode;
    }
    EXPECT_EQ(daQString(QString::fromUtf8("a\u4E2Db x\U0001F600y \u0100")), "a?b x?y ?");
}

// The real box, answered from inside its own modal loop: the sharing box shows Interrompi,
// Riprova, Ignora left to right whatever the desktop's order, Interrompi the default; Esc and
// the title bar do not close it. (The end-to-end test answers a real Si/No box.)
TEST(ServiziQt, TheSharingBoxKeepsItsOrderAndCannotBeClosed) {
    windows::installaServiziQt();
    QStringList visto;
    std::function<void()> rispondi = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return QTimer::singleShot(10, rispondi);
        QList<QAbstractButton*> b = box->buttons();
        std::sort(b.begin(), b.end(), [](auto* x, auto* y) { return x->x() < y->x(); });
        for (QAbstractButton* p : b)
            visto << p->text();
        visto << box->defaultButton()->text() << box->text().replace('\n', '|');
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &esc);
        box->close();
        visto << (box->isVisible() ? "aperta" : "chiusa");
        b[1]->click();
    };
    QTimer::singleShot(0, rispondi);
    EXPECT_EQ(platform::MSGBOX("IL CODICE\r\n<b>\xE8", platform::Pulsanti::InterrompiRiprovaIgnora),
              platform::Risposta::Riprova);
    EXPECT_EQ(visto, QStringList({"Interrompi", "Riprova", "Ignora", "Interrompi",
                                  QString::fromUtf8("IL CODICE|<b>\u00E8"), "aperta"}));
    platform::servizi().clessidra(true);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform::servizi().clessidra(true);
    platform::servizi().clessidra(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    platform::installaServizi(nullptr);
}

}  // namespace
