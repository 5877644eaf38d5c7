
#include "runtime/intero16.h"
#include "runtime/testo.h"
#include "support/prova_base.h"

using namespace runtime;

using supporto::erroreDi;

TEST(Testo, MidLeftRightInstrAiMargini) {
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> casi = {
        {MID("ABCDE", 2, 3), "BCD"}, {MID("ABCDE", 4), "DE"}, {MID("ABCDE", 4, 10), "DE"},
        {MID("ABCDE", 6, 1), ""}, {MID("ABCDE", 1000000, 1), ""}, {MID("ABCDE", 1, 0), ""},
        {LEFT("ABC", 5), "ABC"}, {RIGHT("ABC", 2), "BC"}, {RIGHT("ABC", 9), "ABC"},
        {RIGHT("0007", 3), "007"}, {TRIM("  a b \t "), "a b \t"}, {LTRIM("  x "), "x "},
        {RTRIM("  x "), "  x"}, {TRIM("    "), ""}, {SPACE(3), "   "}, {STRING(4, '0'), "0000"},
        {UCASE("rossi \xE0\xE8\xEC\xF2\xF9 \x9C\xFF\xF7\xDF"), "ROSSI \xC0\xC8\xCC\xD2\xD9 \x8C\x9F\xF7\xDF"},
        {LCASE("ROSSI \xC0\x8C"), "rossi \xE0\x9C"},
        {std::to_string(INSTR("ABCABC", "C")), "3"}, {std::to_string(INSTR(4, "ABCABC", "C")), "6"},
        {std::to_string(INSTR(7, "ABCABC", "C")), "0"}, {std::to_string(INSTR("ABC", "Z")), "0"},
        {std::to_string(INSTR("", "Z")), "0"}, {std::to_string(INSTR(2, "ABC", "")), "2"},
    };
    // clang-format on
    for (size_t i = 0; i < casi.size(); ++i) EXPECT_EQ(casi[i].first, casi[i].second) << "riga " << i;
    // Negative lengths are an error, never "to the end".
    for (auto f : std::vector<std::function<void()>>{
             [] { MID("ABC", 0, 1); }, [] { MID("ABC", 1, -1); }, [] { LEFT("ABC", -1); },
             [] { RIGHT("ABC", -1); }, [] { INSTR(0, "ABC", "A"); }, [] { SPACE(-1); }})
        EXPECT_EQ(erroreDi(f), 5);
}

TEST(Testo, MidAssegnatoNonCambiaLaLunghezza) {
    std::string s = "ABCDE";
    MIDASSIGN(s, 2, "xy"), MIDASSIGN(s, 4, "12345"), MIDASSIGN(s, 1, 1, "QQQ");
    EXPECT_EQ(s, "Qxy12");
    for (auto f : std::vector<std::function<void()>>{[&] { MIDASSIGN(s, 6, "Z"); }, [&] { MIDASSIGN(s, 0, "Z"); }, [&] { MIDASSIGN(s, 1, -1, "Z"); }})
        EXPECT_EQ(erroreDi(f), 5);
    EXPECT_EQ(s, "Qxy12");
}

TEST(Errori, Intero16DescrizioniEErrno) {
    EXPECT_EQ(somma16(32766, 1), 32767);
    EXPECT_EQ(a16(-32768), -32768);
    for (auto f : std::vector<std::function<void()>>{[] { somma16(32767, 1); }, [] { differenza16(-32768, 1); }, [] { prodotto16(200, 200); }})
        EXPECT_EQ(erroreDi(f), 6);
    // The report's texts: a number's own, and the generic one for a number without one.
    EXPECT_EQ(ErroreRuntime{59}.descrizione(), "Lunghezza del record non valida");
    EXPECT_EQ(ErroreRuntime{9999}.descrizione(), "Errore definito dall'applicazione o dall'oggetto");
    EXPECT_EQ(erroreDaErrno(EMFILE), 67);  // the other errno values through the archive's fault injection
}
