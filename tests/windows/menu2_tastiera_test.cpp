// The data-entry table's keys: typing by row type, character sets, rows and pages, confirming.

#include <tuple>

#include "menu2_prova.h"

namespace {

using namespace prova_menu2;

using TastieraMenu2 = ProvaMenu2;

TEST_F(TastieraMenu2, EachRowTypeTakesItsOwnCharactersAndEditing) {
    SCAMBIO_S[1].replace(0, 22, "ABCDE04200000001022003");
    auto& f = apri({testata("TIPI"), campo("TESTO", 5, 'A', 1), campo("INTERO", 3, 'N', 6),
                    campo("DECIMALI", 6, '2', 9), campo("DATA", 8, 'D', 15)});
    // Row clicked (0: none), cursor put (-1: left), keys; the row's value and the beeps so far.
    const std::tuple<int, int, std::string, std::string, int> passi[] = {
        {0, -1, "a", "ABCDE", 1},  // capital letters only
        {0, -1, "X", "X    ", 1},  // the first character blanks the rest of the field
        {0, -1, "\x9CZ/9", "X\x9CZ/9", 1},
        {0, -1, "K", "X\x9CZ/9", 1},  // past the end
        {0, -1, "\b", "X\x9CZ/ ", 1},
        {0, -1, "\x7F\b", "X\x9CZ/ ", 3},  // back to the start, then nothing to erase
        {2, -1, ".", "42 ", 4},
        {0, -1, "5", "5  ", 4},
        {3, -1, "123", "123.00", 4},
        {0, -1, ".5", "123.50", 4},  // the point moves past it, then the digit overtypes
        {0, -1, ".", "123.50", 5},
        {0, -1, "79", "123.57", 5},          // no third decimal
        {0, 4, "\b\b", "12 .57", 5},         // over the point: stepped over, not blanked
        {0, 0, "98765", "9876.00", 6},       // four whole digits at most in six stored ones
        {4, -1, "3", "31/02/2003", 6},       // overtypes, nothing is cleared
        {0, -1, "0\b", "30/02/2003", 7},     // no erasing in a date
        {0, 3, "0419935", "30/04/1993", 7},  // nothing at the end of the field
    };
    for (const auto& [riga, cursore, tasti, valore, beep] : passi) {
        if (riga) vaiA(riga);
        if (cursore >= 0) f.cx->setCursorPosition(cursore);
        digita(tasti);
        EXPECT_EQ(f.VALORE[el(MENU2::RIGA)] + "|" + std::to_string(ui().beep_contati),
                  valore + "|" + std::to_string(beep))
            << tasti;
    }
    f.cx->setCursorPosition(1);
    tasto(DESTRA);  // never rests just before a "/"
    EXPECT_EQ(el(MENU2::CURSORE), 3);
    f.Command1_Click();
    EXPECT_EQ(lavoro(1, 22), "ABCDE04200000030041993");
}

// A decimal retyped after Backspace lands where the blanked one stood, for every type with
// decimals (it was refused as past the end, and the old value stored).
TEST_F(TastieraMenu2, ADigitTypedAfterBackspaceOvertypesTheBlankedDecimal) {
    for (int d = 1; d <= 9; ++d) {
        const std::string zeri(static_cast<size_t>(d), '0'), tre(static_cast<size_t>(d), '3');
        const size_t l = static_cast<size_t>(d) + 4;
        // Cursor (-1: after the last decimal), keys, stored digits without leading zeros.
        std::vector<std::tuple<int, std::string, std::string>> casi = {
            {-1, "\b7", "105" + zeri.substr(1) + "7"},
            {0, "12." + tre + "\b9", "12" + tre.substr(1) + "9"}};
        if (d >= 2) casi.emplace_back(-1, "\b\b73", "105" + zeri.substr(2) + "73");
        for (const auto& [cursore, tasti, cifre] : casi) {
            SCOPED_TRACE(tasti + ", decimals " + std::to_string(d));
            SCAMBIO_S[1].replace(0, l, "0105" + zeri);
            auto& f = apri({testata("DECIMALI"),
                            campo("IMPORTO", static_cast<int>(l), static_cast<char>('0' + d), 1)});
            f.cx->setCursorPosition(cursore < 0 ? 4 + d : cursore);
            digita(tasti);
            f.Command1_Click();
            EXPECT_EQ(lavoro(1, l), std::string(l - cifre.size(), '0') + cifre);
            EXPECT_EQ(ui().beep_contati, 0);
        }
    }
}

TEST_F(TastieraMenu2, CharacterSetsOfFile106OverrideTheDefaults) {
    tools::scriviRecord(106, 1, "#");
    tools::scriviRecord(106, 2, "ABC0123456789");
    tools::scriviRecord(106, 3, "*000000150");
    archive::CHIUDIFILE(106);  // the window opens it when a row needs it
    std::vector<tools::RigaDefinizione> d = {testata("SET"), campo("BINARIO", 3, 'N', 1),
                                             campo("LETTERE", 3, 'A', 4),
                                             campo("MASSIMO", 3, 'N', 7)};
    d[1].setCaratteri = 1, d[2].setCaratteri = 2, d[3].setCaratteri = 3;
    auto& f = apri(d);
    // Row, keys, value, beeps so far: 200 is above the maximum 150, its last digit taken back.
    const std::tuple<int, std::string, std::string> passi[] = {
        {1, "2101", "101|1"}, {2, "BD3", "B3 |2"}, {3, "200", "20 |3"}, {3, "\b1", "21 |3"}};
    for (const auto& [riga, tasti, atteso] : passi) {
        if (riga != el(MENU2::RIGA)) vaiA(riga);
        digita(tasti);
        EXPECT_EQ(f.VALORE[riga] + "|" + std::to_string(ui().beep_contati), atteso) << tasti;
    }
}

TEST_F(TastieraMenu2, RowsAndPagesWrapInBothDirections) {
    auto& f = apri(pagineUniformi(3, 4));
    // Key, then page and row: pages wrap at both ends, Up and Down cross pages.
    const int passi[][3] = {{PAG_SU, 1, 1},  {FINE, 1, 4},    {INIZIO, 1, 1},
                            {PAG_GIU, 2, 1}, {PAG_GIU, 3, 1}, {SU, 2, 1},
                            {PAG_GIU, 3, 1}, {FINE, 3, 4},    {GIU, 1, 1}};
    for (const auto& p : passi) {
        tasto(p[0]);
        EXPECT_EQ(el(MENU2::PAGINA) * 100 + el(MENU2::RIGA), p[1] * 100 + p[2]) << p[0];
    }
    // Enter moves on row by row and past the last row to the next page.
    vaiA(4);
    f.Command1_Click();
    EXPECT_EQ(el(MENU2::PAGINA) * 100 + el(MENU2::RIGA), 201);
}

TEST_F(TastieraMenu2, RowsBeyondSixteenAreReachedOnlyWithTheMouse) {
    auto& f = apri(pagineUniformi(2, 20));
    vaiA(16);
    tasto(GIU);   // from row 16 on a page of 20 rows: next page
    tasto(FINE);  // the last row is past 16: next page again
    EXPECT_EQ(el(MENU2::PAGINA), 1);
    vaiA(18);
    digita("9");
    vaiA(0);  // a click on the heading row keeps the current row
    EXPECT_EQ(f.VALORE[el(MENU2::RIGA)], "9  ");
    // A click on another row, or on a description button, throws unconfirmed text away.
    vaiA(2);
    EXPECT_EQ(cella(18, 2), "0  ");
    digita("44");
    f.H6_Click(5);
    EXPECT_EQ(el(MENU2::MODIFICATO), 0);
    f.Command1_Click();
    EXPECT_EQ(lavoro(4, 3) + std::to_string(el(MENU2::RIGA)), "0003");
}

TEST_F(TastieraMenu2, KeysReachTheHandlersThroughTheEditorOnly) {
    auto& f = apri({testata("TIPI"), campo("TESTO", 5, 'A', 1), campo("INTERO", 3, 'N', 6),
                    campo("DECIMALI", 6, '2', 9)});
    premi(f.cx, Qt::Key_X, "x");  // the editor never inserts a key by itself
    EXPECT_EQ(editor() + std::to_string(ui().beep_contati), "000001");
    premi(f.cx, Qt::Key_X, "X", Qt::ShiftModifier);
    EXPECT_EQ(editor() + std::to_string(f.cx->cursorPosition()), "X    1");
    premi(f.cx, Qt::Key_Escape, "\x1b");  // no way out by Esc
    premi(f.cx, Qt::Key_Return, "\r");
    EXPECT_EQ(lavoro(1, 5), "X    ");
    premi(f.cx, Qt::Key_Down);
    EXPECT_EQ(el(MENU2::RIGA), 3);
    f.cx->setText(QStringLiteral("incollato"));  // any other change is undone
    EXPECT_EQ(editor(), "0.00   ");
}

}  // namespace
