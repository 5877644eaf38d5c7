#include <gtest/gtest.h>

#include "runtime/errore.h"
#include "runtime/intero16.h"
#include "runtime/testo.h"

using namespace runtime;

namespace {
int numeroErrore(const std::function<void()>& f) {
    try {
        f();
    } catch (const ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}
}  // namespace

TEST(Testo, MidLeftRightAiMargini) {
    EXPECT_EQ(MID("ABCDE", 2, 3), "BCD");
    EXPECT_EQ(MID("ABCDE", 4), "DE");
    EXPECT_EQ(MID("ABCDE", 4, 10), "DE");  // past the end: what remains
    EXPECT_EQ(MID("ABCDE", 6, 1), "");     // start past the end
    EXPECT_EQ(MID("ABCDE", 1000000, 1), "");
    EXPECT_EQ(MID("ABCDE", 1, 0), "");
    EXPECT_EQ(numeroErrore([] { MID("ABC", 0, 1); }), 5);
    EXPECT_EQ(numeroErrore([] { MID("ABC", 1, -1); }), 5);  // never "to the end"
    EXPECT_EQ(LEFT("ABC", 5), "ABC");
    EXPECT_EQ(RIGHT("ABC", 2), "BC");
    EXPECT_EQ(RIGHT("ABC", 9), "ABC");
    EXPECT_EQ(RIGHT("000"
                    "7",
                    3),
              "007");
    EXPECT_EQ(numeroErrore([] { LEFT("ABC", -1); }), 5);
    EXPECT_EQ(numeroErrore([] { RIGHT("ABC", -1); }), 5);
}

TEST(Testo, MidAssegnatoNonCambiaLaLunghezza) {
    std::string s = "ABCDE";
    MIDASSIGN(s, 2, "xy");
    EXPECT_EQ(s, "AxyDE");
    MIDASSIGN(s, 4, "12345");  // only what fits
    EXPECT_EQ(s, "Axy12");
    MIDASSIGN(s, 1, 1, "QQQ");  // at most the given length
    EXPECT_EQ(s, "Qxy12");
    EXPECT_EQ(numeroErrore([&] { MIDASSIGN(s, 6, "Z"); }), 5);
    EXPECT_EQ(numeroErrore([&] { MIDASSIGN(s, 0, "Z"); }), 5);
    EXPECT_EQ(numeroErrore([&] { MIDASSIGN(s, 1, -1, "Z"); }), 5);
    EXPECT_EQ(s, "Qxy12");
}

TEST(Testo, InstrTrimMaiuscoleSpazi) {
    EXPECT_EQ(INSTR("ABCABC", "C"), 3);
    EXPECT_EQ(INSTR(4, "ABCABC", "C"), 6);
    EXPECT_EQ(INSTR(7, "ABCABC", "C"), 0);
    EXPECT_EQ(INSTR("ABC", "Z"), 0);
    EXPECT_EQ(INSTR("", "Z"), 0);
    EXPECT_EQ(INSTR(2, "ABC", ""), 2);
    EXPECT_EQ(numeroErrore([] { INSTR(0, "ABC", "A"); }), 5);

    EXPECT_EQ(TRIM("  a b \t "), "a b \t");  // blanks only
    EXPECT_EQ(LTRIM("  x "), "x ");
    EXPECT_EQ(RTRIM("  x "), "  x");
    EXPECT_EQ(TRIM("    "), "");

    EXPECT_EQ(UCASE("rossi \xE0\xE8\xEC\xF2\xF9 \x9C\xFF\xF7\xDF"),
              "ROSSI \xC0\xC8\xCC\xD2\xD9 \x8C\x9F\xF7\xDF");
    EXPECT_EQ(LCASE("ROSSI \xC0\x8C"), "rossi \xE0\x9C");
    EXPECT_EQ(SPACE(3), "   ");
    EXPECT_EQ(STRING(4, '0'), "0000");
    EXPECT_EQ(numeroErrore([] { SPACE(-1); }), 5);
}

TEST(Intero16, OverflowErrore6) {
    EXPECT_EQ(somma16(32766, 1), 32767);
    EXPECT_EQ(numeroErrore([] { somma16(32767, 1); }), 6);
    EXPECT_EQ(numeroErrore([] { differenza16(-32768, 1); }), 6);
    EXPECT_EQ(numeroErrore([] { prodotto16(200, 200); }), 6);
    EXPECT_EQ(a16(-32768), -32768);
}

TEST(Errori, DescrizioniEErrno) {
    EXPECT_EQ(ErroreRuntime{59}.descrizione(), "Lunghezza del record non valida");
    EXPECT_EQ(ErroreRuntime{55}.descrizione(), "File gi\xE0 aperto");
    EXPECT_EQ(ErroreRuntime{9999}.descrizione(),
              "Errore definito dall'applicazione o dall'oggetto");
    EXPECT_EQ(erroreDaErrno(ENOENT), 53);
    EXPECT_EQ(erroreDaErrno(ENOSPC), 61);
    EXPECT_EQ(erroreDaErrno(EIO), 57);
    EXPECT_EQ(erroreDaErrno(EACCES), 75);
    EXPECT_EQ(erroreDaErrno(EMFILE), 67);
}
