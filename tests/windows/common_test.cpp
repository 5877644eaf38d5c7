#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "platform/servizi_ui.h"
#include "windows/common/servizi_qt.h"
#include "windows/common/testo_qt.h"

namespace {

using windows::aQString;
using windows::daQString;

TEST(TestoQt, EveryByteRoundTripsAndTheHighRangeIsWindows1252) {
    std::string tutti;
    for (int b = 0; b < 256; ++b)
        tutti += static_cast<char>(b);
    const QString u = aQString(tutti);
    ASSERT_EQ(u.size(), 256);
    EXPECT_EQ(daQString(u), tutti);

    EXPECT_EQ(aQString("\x80").at(0).unicode(), 0x20AC);  // euro
    EXPECT_EQ(aQString("\x9C").at(0).unicode(), 0x0153);  // oe ligature
    EXPECT_EQ(aQString("\x9F").at(0).unicode(), 0x0178);
    EXPECT_EQ(aQString("\x81").at(0).unicode(), 0x0081);  // undefined: kept as C1
    EXPECT_EQ(aQString("CITT\xC0 \xE8").toStdString(), "CITT\u00C0 \u00E8");
    EXPECT_EQ(daQString(QString::fromUtf8("perch\u00E9 \u20AC \u0153")), "perch\xE9 \x80 \x9C");
}

TEST(TestoQt, CharactersOutsideTheCodePageBecomeOneQuestionMark) {
    EXPECT_EQ(daQString(QString::fromUtf8("a\u4E2Db")), "a?b");
    EXPECT_EQ(daQString(QString::fromUtf8("x\U0001F600y")), "x?y");  // outside the basic plane
    EXPECT_EQ(daQString(QString::fromUtf8("\u0100")), "?");
}

TEST(ServiziQt, MessageBoxShowsButtonsIconTitleAndAnswers) {
    ASSERT_NE(QApplication::instance(), nullptr);
    windows::installaServiziQt();

    QString titolo, testo;
    QMessageBox::Icon icona = QMessageBox::NoIcon;
    QString predefinito;
    int pulsanti = 0;
    bool visto = false;
    // Answers the box from inside its own modal loop, pressing "No".
    std::function<void()> rispondi = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, rispondi);
            return;
        }
        visto = true;
        titolo = box->windowTitle();
        testo = box->text();
        icona = box->icon();
        pulsanti = static_cast<int>(box->buttons().size());
        predefinito = box->defaultButton() ? box->defaultButton()->text() : QString();
        box->button(QMessageBox::No)->click();
    };
    QTimer::singleShot(0, rispondi);
    const auto r = platform::MSGBOX("PRIMA RIGA\r\nSECONDA \xE8 <b>", platform::Pulsanti::SiNo,
                                    platform::Icona::Domanda, "Ponteval", 2);
    EXPECT_TRUE(visto);
    EXPECT_EQ(r, platform::Risposta::No);
    EXPECT_EQ(titolo, QStringLiteral("Ponteval"));
    EXPECT_EQ(testo, QString::fromUtf8("PRIMA RIGA\nSECONDA \u00E8 <b>"));
    EXPECT_EQ(icona, QMessageBox::Question);
    EXPECT_EQ(pulsanti, 2);
    EXPECT_EQ(predefinito, QStringLiteral("No"));

    platform::servizi().clessidra(true);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform::servizi().clessidra(true);
    platform::servizi().clessidra(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    platform::installaServizi(nullptr);
}

}  // namespace
