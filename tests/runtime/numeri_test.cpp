#include <gtest/gtest.h>

#include "runtime/errore.h"
#include "runtime/numeri.h"

using namespace runtime;

TEST(Val, TestiQualsiasi) {
    EXPECT_EQ(VAL("12"), 12);
    EXPECT_EQ(VAL("  1 2 3 "), 123);  // blanks ignored anywhere
    EXPECT_EQ(VAL("-0001250"), -1250);
    EXPECT_EQ(VAL("-000012.50"), -12.5);
    EXPECT_EQ(VAL("+7"), 7);
    EXPECT_EQ(VAL(".5"), 0.5);
    EXPECT_EQ(VAL("-.5"), -0.5);
    EXPECT_EQ(VAL("1.2.3"), 1.2);  // one point only
    EXPECT_EQ(VAL("12ABC"), 12);   // stops at the first other character
    EXPECT_EQ(VAL("00-05"), 0);    // a second sign stops the reading
    EXPECT_EQ(VAL("ROSSI"), 0);
    EXPECT_EQ(VAL(""), 0);
    EXPECT_EQ(VAL("-"), 0);
    EXPECT_EQ(VAL("."), 0);
    EXPECT_EQ(VAL("1E3"), 1000);
    EXPECT_EQ(VAL("1.5e-2"), 0.015);
    EXPECT_EQ(VAL("2D2"), 200);
    EXPECT_EQ(VAL("3E"), 3);  // an exponent without digits is not read
    EXPECT_EQ(VAL("3E+"), 3);
    EXPECT_EQ(VAL("12,5"), 12);  // the comma is not a decimal separator here
    EXPECT_EQ(VAL("1E-999"), 0);
    EXPECT_THROW(VAL("1E999"), ErroreRuntime);
}

TEST(TestoNumero, FormaIntermedia) {
    EXPECT_EQ(testoNumero(0), "0");
    EXPECT_EQ(testoNumero(-0.0), "0");
    EXPECT_EQ(testoNumero(5), "5");
    EXPECT_EQ(testoNumero(-5), "-5");
    EXPECT_EQ(testoNumero(0.5), ".5");
    EXPECT_EQ(testoNumero(-0.5), "-.5");
    EXPECT_EQ(testoNumero(12.5), "12.5");
    EXPECT_EQ(testoNumero(1.005 + 0.005), "1.01");  // 15 significant digits
    EXPECT_EQ(testoNumero(0.1 + 0.2), ".3");
    EXPECT_EQ(testoNumero(1e16), "1E+16");
    EXPECT_EQ(testoNumero(1.5e16), "1.5E+16");
    EXPECT_EQ(testoNumero(5e-7), "5E-07");
    EXPECT_EQ(testoNumero(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(testoNumero(1e100), "1E+100");
    // Thresholds of the plain form.
    EXPECT_EQ(testoNumero(999999999999999.0), "999999999999999");
    EXPECT_EQ(testoNumero(1e15), "1E+15");
    EXPECT_EQ(testoNumero(0.00001), ".00001");
    EXPECT_EQ(testoNumero(0.000001), "1E-06");
    EXPECT_EQ(testoNumero(123456789012.345), "123456789012.345");
    EXPECT_EQ(testoNumero(9.9999999999999999), "10");  // rounding carries into a new digit
    EXPECT_THROW(testoNumero(std::numeric_limits<double>::infinity()), ErroreRuntime);
    for (double x : {0.015, 2.345, -12.5, 1234567.0, 0.0000123, 98765.4321})
        EXPECT_EQ(VAL(testoNumero(x)), x) << x;
}

TEST(Conversioni, InteriComeIlRuntime) {
    EXPECT_EQ(CINT(2.5), 2);  // half to even
    EXPECT_EQ(CINT(3.5), 4);
    EXPECT_EQ(CINT(-2.5), -2);
    EXPECT_EQ(CINT(32767.4), 32767);
    EXPECT_THROW(CINT(32767.5), ErroreRuntime);
    EXPECT_THROW(CINT(-32769), ErroreRuntime);
    EXPECT_EQ(CLNG(999999.5), 1000000);
    EXPECT_EQ(FIX(-2.7), -2);
    EXPECT_EQ(INT(-2.7), -3);
}
