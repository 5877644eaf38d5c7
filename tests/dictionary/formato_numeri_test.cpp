#include "dictionary/formato_numeri.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/errore.h"

using namespace dictionary;

namespace {

std::string espanso(std::string s) {
    ESPANDINUM(s);
    return s;
}

}  // namespace

TEST(FormatoNumeri, Arrotonda) {
    EXPECT_EQ(ARROTONDA_S(2.345, 2), "2.35");
    EXPECT_EQ(ARROTONDA_S(-2.345, 2), "-2.35");
    EXPECT_EQ(ARROTONDA_S(0.5, 2), "0.50");
    EXPECT_EQ(ARROTONDA_S(-0.5, 2), "-.50");
    EXPECT_EQ(ARROTONDA_S(3, 2), "3.00");
    EXPECT_EQ(ARROTONDA_S(1234567, 3), "1234567.000");
    EXPECT_EQ(ARROTONDA_S(0.004, 2), "0.00");
    EXPECT_EQ(ARROTONDA_S(0.005, 2), "0.01");
    EXPECT_EQ(ARROTONDA_S(1.005, 2), "1.01");
    EXPECT_EQ(ARROTONDA_S(1E+16, 2),
              "0"
              "1" +
                  std::string(16, '0') + ".00");
    EXPECT_EQ(ARROTONDA_S(0.0000004, 6), "0.000000");
    EXPECT_EQ(ARROTONDA_S(-0.0000015, 6), "-0.000002");

    int16_t decimali = 0;
    EXPECT_EQ(ARROTONDA_S(0, decimali), "0.00");
    EXPECT_EQ(decimali, 2);
    decimali = 4;
    EXPECT_EQ(ARROTONDA_S(1.23456, decimali), "1.2346");
    EXPECT_EQ(decimali, 4);
}

TEST(FormatoNumeri, Espandinum) {
    EXPECT_EQ(espanso("1.5E+16"),
              "0"
              "15" +
                  std::string(15, '0') + ".0");
    EXPECT_EQ(espanso("5E-07"), "0.00000050");
    EXPECT_EQ(espanso("-1.5E+16"), "-015" + std::string(15, '0') + ".0");
    // The sign stays in front when the point moves left.
    EXPECT_EQ(espanso("-5E-07"), "-0.00000050");
    EXPECT_EQ(espanso("-1.25E-03"), "-0.001250");
    EXPECT_EQ(espanso("2,5E+02"), "0250.0");
    // Nothing to expand: unchanged, commas included.
    EXPECT_EQ(espanso("12.5"), "12.5");
    EXPECT_EQ(espanso("12,5"), "12,5");
    EXPECT_EQ(espanso(""), "");
}

TEST(FormatoNumeri, Intero) {
    EXPECT_EQ(INTERO_S(4.9999999), "5");
    EXPECT_EQ(INTERO_S(4.5), "4");
    EXPECT_EQ(INTERO_S(-2.95), "-3");
    EXPECT_EQ(INTERO_S(-0.05), "0");
    EXPECT_EQ(INTERO_S(0), "0");
    EXPECT_EQ(INTERO_S(123456.93), "123457");
    try {
        INTERO_S(1e308 * 10);
        ADD_FAILURE();
    } catch (const runtime::ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), 6);
    }
}
