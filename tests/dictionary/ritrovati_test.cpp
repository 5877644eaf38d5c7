// Inputs that fuzzing found wrong, kept so that they stay right.

#include <gtest/gtest.h>

#include <string>

#include "dictionary/formato_numeri.h"
#include "runtime/numeri.h"

using namespace dictionary;

TEST(Ritrovati, EsponenteInteroNelleCifreEspanse) {
    // Only the last two characters of the exponent used to count: 1E+300 became 1.
    std::string s = "1E+300";
    ESPANDINUM(s);
    EXPECT_EQ(s, "01" + std::string(300, '0') + ".0");
    EXPECT_EQ(runtime::VAL(ARROTONDA_S(1e300, 2)), 1e300);
    EXPECT_EQ(runtime::VAL(ARROTONDA_S(-2.5e-150, 2)), 0);

    // A one-digit exponent typed by hand, in both directions.
    s = "1E-5";
    ESPANDINUM(s);
    EXPECT_EQ(s, "0.000010");
    s = "-1.5E+3";
    ESPANDINUM(s);
    EXPECT_EQ(s, "-01500.0");

    // An exponent no double has stays as typed, so that reading it is the overflow it is.
    s = "1E+99999999";
    ESPANDINUM(s);
    EXPECT_EQ(s, "1E+99999999");
    // Nor does a malformed exponent raise anything: the value was typed by the user.
    s = "1.5E+.5E516";
    EXPECT_NO_THROW(ESPANDINUM(s));
    EXPECT_EQ(s, "01.50");
}
