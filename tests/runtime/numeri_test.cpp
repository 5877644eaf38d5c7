#include <gtest/gtest.h>

#include <cmath>

#include "runtime/errore.h"
#include "runtime/numeri.h"

using namespace runtime;

TEST(Val, TestiQualsiasi) {
    // clang-format off
    const std::vector<std::pair<std::string, double>> casi = {
        {"12", 12}, {"  1 2 3 ", 123}, {"-0001250", -1250}, {"-000012.50", -12.5}, {"+7", 7},
        {".5", 0.5}, {"-.5", -0.5}, {"1.2.3", 1.2}, {"12ABC", 12}, {"00-05", 0}, {"ROSSI", 0},
        {"", 0}, {"-", 0}, {".", 0}, {"1E3", 1000}, {"1.5e-2", 0.015}, {"2D2", 200}, {"3E", 3},
        {"3E+", 3}, {"12,5", 12}, {"1E-999", 0},
    };
    // clang-format on
    for (const auto& [testo, valore] : casi) EXPECT_EQ(VAL(testo), valore) << testo;
    EXPECT_THROW(VAL("1E999"), ErroreRuntime);
}

TEST(TestoNumero, FormaIntermedia) {
    // clang-format off
    const std::vector<std::pair<double, std::string>> casi = {
        {0, "0"}, {-0.0, "0"}, {5, "5"}, {-5, "-5"}, {0.5, ".5"}, {-0.5, "-.5"}, {12.5, "12.5"},
        {1.005 + 0.005, "1.01"}, {0.1 + 0.2, ".3"}, {1e16, "1E+16"}, {1.5e16, "1.5E+16"},
        {5e-7, "5E-07"}, {-2.5e-7, "-2.5E-07"}, {1e100, "1E+100"},
        {999999999999999.0, "999999999999999"}, {1e15, "1E+15"}, {0.00001, ".00001"},
        {0.000001, "1E-06"}, {123456789012.345, "123456789012.345"}, {9.9999999999999999, "10"},
    };
    // clang-format on
    for (const auto& [x, testo] : casi) EXPECT_EQ(testoNumero(x), testo) << x;
    EXPECT_THROW(testoNumero(std::numeric_limits<double>::infinity()), ErroreRuntime);
}

TEST(Conversioni, InteriComeIlRuntime) {
    for (auto [x, n] : std::vector<std::pair<double, int>>{{2.5, 2}, {3.5, 4}, {-2.5, -2}, {32767.4, 32767}})
        EXPECT_EQ(CINT(x), n) << x;  // half to even
    EXPECT_THROW(CINT(32767.5), ErroreRuntime);
    EXPECT_THROW(CINT(-32769), ErroreRuntime);
    EXPECT_EQ(CLNG(999999.5), 1000000);
    EXPECT_THROW(CLNG(std::nan("")), ErroreRuntime);  // no conversion of a value that is none
    EXPECT_EQ(FIX(-2.7), -2);
    EXPECT_EQ(INT(-2.7), -3);
}
