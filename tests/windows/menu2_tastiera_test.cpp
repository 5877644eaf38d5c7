// The data-entry table: typing by row type, character sets, moving among rows and pages,
// confirming.

#include <QApplication>
#include <QKeyEvent>

#include "archive/record.h"
#include "menu2_prova.h"

namespace {

using namespace prova_menu2;
using windows::MENU2;
using windows::SCAMBIO_S;

class TastieraMenu2 : public ProvaMenu2 {
  protected:
    // Row 1 text, 2 integer, 3 two decimals (empty), 4 date, 5 two decimals of length 4.
    MENU2& apriTipi() {
        SCAMBIO_S[1].replace(0, 22,
                             "ABCDE042000000"
                             "01022003");
        return apri({testata("TIPI"), campo("TESTO", 5, 'A', 1), campo("INTERO", 3, 'N', 6),
                     campo("DECIMALI", 6, '2', 9), campo("DATA", 8, 'D', 15),
                     campo("CORTO", 4, '2', 23)});
    }
    int beep() const { return const_cast<TastieraMenu2*>(this)->ui().beep_contati; }
};

TEST_F(TastieraMenu2, TextAndIntegerRowsTakeTheirCharactersOnly) {
    auto& f = apriTipi();
    ASSERT_EQ(el(MENU2::RIGA), 1);
    digita("a");  // capital letters only
    EXPECT_EQ(beep(), 1);
    EXPECT_EQ(f.VALORE[1], "ABCDE");
    digita("X");  // the first character blanks the rest of the field
    EXPECT_EQ(f.VALORE[1], "X    ");
    EXPECT_EQ(el(MENU2::MODIFICATO), 1);
    EXPECT_EQ(el(MENU2::BATTITURA), 1);
    digita(
        "\x9C"
        "Z/9");
    EXPECT_EQ(f.VALORE[1], "X\x9CZ/9");
    digita("K");  // past the end
    EXPECT_EQ(f.VALORE[1], "X\x9CZ/9");
    EXPECT_EQ(f.cx->cursorPosition(), 5);
    digita("\b");
    EXPECT_EQ(f.VALORE[1], "X\x9CZ/ ");
    EXPECT_EQ(el(MENU2::CURSORE), 4);
    f.cx_KeyPress(0, 127);
    EXPECT_EQ(el(MENU2::CURSORE), 0);
    const int prima = beep();
    digita("\b");  // at the start of the field
    EXPECT_EQ(beep(), prima + 1);
    EXPECT_EQ(f.VALORE[1], "X\x9CZ/ ");

    tasto(GIU);  // leaving the row throws the typed text away
    EXPECT_EQ(f.VALORE[1], "ABCDE");
    EXPECT_EQ(el(MENU2::RIGA), 2);
    digita(".");
    EXPECT_EQ(beep(), prima + 2);
    digita("5");
    EXPECT_EQ(f.VALORE[2], "5  ");
    tasto(SU);  // Up after typing shows the stored value again
    EXPECT_EQ(el(MENU2::RIGA), 1);
    EXPECT_EQ(f.VALORE[2], "42 ");
    EXPECT_EQ(SCAMBIO_S[1].substr(0, 8), "ABCDE042");
}

TEST_F(TastieraMenu2, DecimalRowsGrowOnThePointAndDatesStepOverTheSlashes) {
    auto& f = apriTipi();
    vaiA(3);
    EXPECT_EQ(f.VALORE[3], "0.00   ");
    digita("123");
    EXPECT_EQ(f.VALORE[3], "123.00");
    EXPECT_EQ(el(MENU2::CURSORE), 3);
    const int prima = beep();
    digita(".5");  // the point moves past it, then the digit overtypes
    EXPECT_EQ(f.VALORE[3], "123.50");
    digita(".");
    EXPECT_EQ(beep(), prima + 1);
    digita("79");
    EXPECT_EQ(f.VALORE[3], "123.57");  // no third decimal
    f.cx->setCursorPosition(4);
    digita("\b\b");  // over the point: stepped over, not blanked
    EXPECT_EQ(f.VALORE[3], "12 .57");
    f.cx->setCursorPosition(0);
    digita("98765");  // four whole digits at most in six stored ones
    EXPECT_EQ(f.VALORE[3], "9876.00");
    EXPECT_EQ(beep(), prima + 2);

    vaiA(4);
    EXPECT_EQ(f.VALORE[4], "01/02/2003");
    digita("3");  // overtypes, nothing is cleared
    EXPECT_EQ(f.VALORE[4], "31/02/2003");
    EXPECT_EQ(el(MENU2::CURSORE), 1);
    digita("0");
    EXPECT_EQ(f.VALORE[4], "30/02/2003");
    EXPECT_EQ(el(MENU2::CURSORE), 3);  // stepped over the "/"
    digita("\b");
    EXPECT_EQ(beep(), prima + 3);
    EXPECT_EQ(f.VALORE[4], "30/02/2003");
    digita("041993");
    EXPECT_EQ(f.VALORE[4], "30/04/1993");
    digita("5");  // at the end of the field
    EXPECT_EQ(f.VALORE[4], "30/04/1993");
    f.cx->setCursorPosition(1);
    tasto(DESTRA);  // never rests just before a "/"
    EXPECT_EQ(f.cx->cursorPosition(), 3);
    EXPECT_EQ(el(MENU2::CURSORE), 3);
    tasto(SINISTRA);
    EXPECT_EQ(f.cx->cursorPosition(), 1);

    // Confirming stores the value and moves on to the next row.
    f.Command1_Click();
    EXPECT_EQ(SCAMBIO_S[1].substr(14, 8), "30041993");
    EXPECT_EQ(el(MENU2::RIGA), 5);
    EXPECT_EQ(el(MENU2::MODIFICATO), 0);
}

TEST_F(TastieraMenu2, CharacterSetsOfFile106OverrideTheDefaults) {
    tools::scriviRecord(106, 1, "#");
    tools::scriviRecord(106, 2, "ABC0123456789");
    tools::scriviRecord(106, 3, "*000000150");
    archive::CHIUDIFILE(106);  // the window opens it when a row needs it
    auto binario = campo("BINARIO", 3, 'N', 1);
    binario.setCaratteri = 1;
    auto lettere = campo("LETTERE", 3, 'A', 4);
    lettere.setCaratteri = 2;
    auto massimo = campo("MASSIMO", 3, 'N', 7);
    massimo.setCaratteri = 3;
    auto& f = apri({testata("SET"), binario, lettere, massimo});
    digita("2");
    EXPECT_EQ(beep(), 1);
    digita("101");
    EXPECT_EQ(f.VALORE[1], "101");
    vaiA(2);
    digita("BD3");
    EXPECT_EQ(f.VALORE[2], "B3 ");
    EXPECT_EQ(beep(), 2);
    vaiA(3);
    digita("200");  // 200 is above the maximum 150: the last digit is taken back
    EXPECT_EQ(f.VALORE[3], "20 ");
    EXPECT_EQ(beep(), 3);
    digita("\b1");
    EXPECT_EQ(f.VALORE[3], "21 ");
}

TEST_F(TastieraMenu2, RowsAndPagesWrapInBothDirections) {
    auto& f = apri(pagineUniformi(3, 4));
    tasto(PAG_SU);  // page 1 reloads page 1
    EXPECT_EQ(el(MENU2::PAGINA), 1);
    EXPECT_EQ(el(MENU2::RIGA), 1);
    tasto(FINE);
    EXPECT_EQ(el(MENU2::RIGA), 4);
    tasto(INIZIO);
    EXPECT_EQ(el(MENU2::RIGA), 1);
    tasto(PAG_GIU);
    tasto(PAG_GIU);
    EXPECT_EQ(el(MENU2::PAGINA), 3);
    EXPECT_EQ(f.VScroll1->value(), 3);
    tasto(SU);  // from row 1 of page 3: page 2, row 1
    EXPECT_EQ(el(MENU2::PAGINA), 2);
    EXPECT_EQ(el(MENU2::RIGA), 1);
    EXPECT_EQ(cella(1, 1), " P2 RIGA 1              ");
    tasto(PAG_GIU);
    tasto(FINE);
    tasto(GIU);  // from the last row of the last page: page 1
    EXPECT_EQ(el(MENU2::PAGINA), 1);
    EXPECT_EQ(el(MENU2::RIGA), 1);

    // Enter moves on row by row and past the last row to the next page.
    vaiA(3);
    f.Command1_Click();
    EXPECT_EQ(el(MENU2::RIGA), 4);
    f.Command1_Click();
    EXPECT_EQ(el(MENU2::PAGINA), 2);
    EXPECT_EQ(el(MENU2::RIGA), 1);

    // A key is swallowed once after one handled on key-down.
    f.scambio[MENU2::TASTO_GESTITO] = 1;
    digita("7");
    EXPECT_EQ(f.VALORE[1], "0  ");
    f.cx_KeyDown(0, GIU, 1);  // Shift alone: nothing
    EXPECT_EQ(el(MENU2::RIGA), 1);
}

TEST_F(TastieraMenu2, RowsBeyondSixteenAreReachedOnlyWithTheMouse) {
    auto& f = apri(pagineUniformi(2, 20));
    EXPECT_EQ(el(MENU2::RIGHE), 20);
    vaiA(16);
    tasto(GIU);  // from row 16 on a page of 20 rows: next page
    EXPECT_EQ(el(MENU2::PAGINA), 2);
    EXPECT_EQ(el(MENU2::RIGA), 1);
    tasto(FINE);  // the last row is past 16: next page again
    EXPECT_EQ(el(MENU2::PAGINA), 1);

    vaiA(18);
    EXPECT_EQ(el(MENU2::RIGA), 18);
    digita("9");
    EXPECT_EQ(cella(18, 2), "9  ");
    vaiA(0);  // a click on the heading row keeps the current row
    EXPECT_EQ(el(MENU2::RIGA), 18);
    EXPECT_EQ(f.VALORE[18], "9  ");

    // A click on another row, or on a description button, throws unconfirmed text away.
    vaiA(2);
    EXPECT_EQ(f.VALORE[18], "0  ");
    EXPECT_EQ(cella(18, 2), "0  ");
    digita("44");
    f.H6_Click(5);
    EXPECT_EQ(el(MENU2::RIGA), 2);
    EXPECT_EQ(el(MENU2::MODIFICATO), 0);
    EXPECT_EQ(f.VALORE[2], "0  ");
    f.Command1_Click();
    EXPECT_EQ(SCAMBIO_S[1].substr(3, 3), "000");
    EXPECT_EQ(el(MENU2::RIGA), 3);
}

TEST_F(TastieraMenu2, KeysReachTheHandlersThroughTheEditorOnly) {
    auto& f = apriTipi();
    auto premi = [&](int tasto, const QString& testo, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, tasto, m, testo);
        QApplication::sendEvent(f.cx, &e);
    };
    premi(Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(beep(), 1);
    EXPECT_EQ(editor(), "ABCDE");  // the editor never inserts a key by itself
    premi(Qt::Key_X, QStringLiteral("X"), Qt::ShiftModifier);
    EXPECT_EQ(f.VALORE[1], "X    ");
    EXPECT_EQ(editor(), "X    ");
    EXPECT_EQ(f.cx->cursorPosition(), 1);
    premi(Qt::Key_Escape, QStringLiteral("\x1b"));  // no way out by Esc
    premi(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(SCAMBIO_S[1].substr(0, 5), "X    ");
    EXPECT_EQ(el(MENU2::RIGA), 2);
    premi(Qt::Key_Down, QString());
    EXPECT_EQ(el(MENU2::RIGA), 3);
    f.cx->setText(QStringLiteral("incollato"));  // any other change is undone
    EXPECT_EQ(editor(), "0.00   ");
}

}  // namespace
