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

// Steps of typing on the current row: the keys, then the row's value and the beeps so far.
struct Passo {
    int riga;  // 0: stay on the current row, else a click on that row first
    int cursore;  // -1: leave the cursor where it is
    const char* tasti;
    const char* valore;
    int beep;
};

TEST_F(TastieraMenu2, EachRowTypeTakesItsOwnCharactersAndEditing) {
    auto& f = apriTipi();
    const Passo passi[] = {
        {0, -1, "a", "ABCDE", 1},  // capital letters only
        {0, -1, "X", "X    ", 1},  // the first character blanks the rest of the field
        {0, -1, "\x9C" "Z/9", "X\x9CZ/9", 1},
        {0, -1, "K", "X\x9CZ/9", 1},  // past the end
        {0, -1, "\b", "X\x9CZ/ ", 1},
        {0, -1, "\x7F\b", "X\x9CZ/ ", 3},  // back to the start, then nothing to erase
        {2, -1, ".", "42 ", 4},
        {0, -1, "5", "5  ", 4},
        {3, -1, "123", "123.00", 4},
        {0, -1, ".5", "123.50", 4},  // the point moves past it, then the digit overtypes
        {0, -1, ".", "123.50", 5},
        {0, -1, "79", "123.57", 5},  // no third decimal
        {0, 4, "\b\b", "12 .57", 5},  // over the point: stepped over, not blanked
        {0, 0, "98765", "9876.00", 6},  // four whole digits at most in six stored ones
        {4, -1, "3", "31/02/2003", 6},  // overtypes, nothing is cleared
        {0, -1, "0", "30/02/2003", 6},
        {0, -1, "\b", "30/02/2003", 7},  // no erasing in a date
        {0, 3, "041993", "30/04/1993", 7},
        {0, -1, "5", "30/04/1993", 7},  // at the end of the field
    };
    for (const auto& p : passi) {
        if (p.riga) vaiA(p.riga);
        if (p.cursore >= 0) f.cx->setCursorPosition(p.cursore);
        digita(p.tasti);
        SCOPED_TRACE(p.tasti);
        EXPECT_EQ(f.VALORE[el(MENU2::RIGA)], p.valore);
        EXPECT_EQ(beep(), p.beep);
    }
    f.cx->setCursorPosition(1);
    tasto(DESTRA);  // never rests just before a "/"
    EXPECT_EQ(f.cx->cursorPosition(), 3);
    EXPECT_EQ(el(MENU2::CURSORE), 3);
    tasto(SINISTRA);
    EXPECT_EQ(f.cx->cursorPosition(), 1);
    // Confirming stores the value and moves on; leaving a row throws typed text away.
    f.Command1_Click();
    EXPECT_EQ(SCAMBIO_S[1].substr(0, 22), "ABCDE042000000" "30041993");
    EXPECT_EQ(el(MENU2::RIGA), 5);
    EXPECT_EQ(el(MENU2::MODIFICATO), 0);
    vaiA(1);
    EXPECT_EQ(f.VALORE[1], "ABCDE");
    digita("Z");
    tasto(GIU);
    EXPECT_EQ(f.VALORE[1], "ABCDE");
    EXPECT_EQ(el(MENU2::RIGA), 2);
    digita("5");
    tasto(SU);  // Up after typing shows the stored value again
    EXPECT_EQ(f.VALORE[2], "42 ");
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
    tasto(SU);  // from row 1 of page 3: page 2, row 1
    EXPECT_EQ(el(MENU2::PAGINA), 2);
    EXPECT_EQ(el(MENU2::RIGA), 1);
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
    vaiA(0);  // a click on the heading row keeps the current row
    EXPECT_EQ(el(MENU2::RIGA), 18);
    EXPECT_EQ(f.VALORE[18], "9  ");

    // A click on another row, or on a description button, throws unconfirmed text away.
    vaiA(2);
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
