#include "dictionary/formato_numeri.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/errore.h"
#include "runtime/numeri.h"

using namespace dictionary;

TEST(FormatoNumeri, ArrotondaEspandinumIntero) {
    const struct {
        double valore;
        int decimali;
        std::string atteso;
    } arrotondati[] = {{2.345, 2, "2.35"}, {-2.345, 2, "-2.35"}, {-0.5, 2, "-.50"},
                       {0.5, 2, "0.50"},   {0.005, 2, "0.01"},   {1.23456, 4, "1.2346"},
                       {3, 2, "3.00"},     {0.004, 2, "0.00"},   {1.005, 2, "1.01"},
                       {1E+16, 2, "01" + std::string(16, '0') + ".00"},
                       {-0.0000015, 6, "-0.000002"}};
    for (const auto& a : arrotondati)
        EXPECT_EQ(ARROTONDA_S(a.valore, a.decimali), a.atteso) << a.valore;
    // Zero decimals asked by reference mean two, and the caller sees it.
    int16_t decimali = 0;
    EXPECT_EQ(ARROTONDA_S(0, decimali), "0.00");
    EXPECT_EQ(decimali, 2);
    // Large exponents once lost all but their last two digits.
    EXPECT_EQ(runtime::VAL(ARROTONDA_S(1e300, 2)), 1e300);
    EXPECT_EQ(runtime::VAL(ARROTONDA_S(-2.5e-150, 2)), 0);

    // The sign stays in front; nothing to expand is left as it was, commas included; an exponent
    // no double has stays as typed (reading it is the overflow it is), a malformed one raises
    // nothing. The long and one-digit exponents came from fuzzing.
    const std::pair<std::string, std::string> espansi[] = {
        {"-1.5E+16", "-015" + std::string(15, '0') + ".0"},
        {"5E-07", "0.00000050"}, {"-1.25E-03", "-0.001250"}, {"2,5E+02", "0250.0"},
        {"12,5", "12,5"}, {"", ""}, {"1E+300", "01" + std::string(300, '0') + ".0"},
        {"1E-5", "0.000010"}, {"-1.5E+3", "-01500.0"}, {"1E+99999999", "1E+99999999"},
        {"1.5E+.5E516", "01.50"}};
    for (auto [testo, atteso] : espansi) {
        ESPANDINUM(testo);
        EXPECT_EQ(testo, atteso);
    }

    for (const auto& [valore, atteso] : {std::pair<double, std::string>{4.9999999, "5"},
                                         {4.5, "4"}, {-2.95, "-3"}, {-0.05, "0"}})
        EXPECT_EQ(INTERO_S(valore), atteso) << valore;
    try {
        INTERO_S(1e308 * 10);
        ADD_FAILURE();
    } catch (const runtime::ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), 6);
    }
}
