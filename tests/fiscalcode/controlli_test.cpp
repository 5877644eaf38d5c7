#include <gtest/gtest.h>

#include <string>

#include "fiscalcode/codice_fiscale.h"

namespace {

using fiscalcode::CONTROLLACF;
using fiscalcode::CONTROLLAPI;

TEST(ControllaCF, ValidCodesAndTheirCheckCharacter) {
    // A man born in Milan, a woman born on the 5th in Rome, a woman born abroad.
    for (const std::string codice : {"MRTMTT25D09F205Z", "BNCLRA85M45H501M", "BNCLRA85M45Z719E"}) {
        EXPECT_EQ(CONTROLLACF(codice), 0) << codice;
        // Every other check letter is refused.
        for (char c = 'A'; c <= 'Z'; ++c) {
            if (c == codice.back()) continue;
            std::string altro = codice;
            altro.back() = c;
            EXPECT_EQ(CONTROLLACF(altro), 1) << altro;
        }
    }
    // A changed character elsewhere moves the check character.
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F206Z"), 1);
    EXPECT_EQ(CONTROLLACF("NRTMTT25D09F205Z"), 1);
}

TEST(ControllaCF, OmocodicCodesPass) {
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F20RU"), 0);  // last digit of the place as a letter
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F2LRF"), 0);
    EXPECT_EQ(CONTROLLACF("MRTMTT25D0VF205O"), 0);  // a letter in the day
}

TEST(ControllaCF, LengthCaseAndCharacters) {
    EXPECT_EQ(CONTROLLACF(""), 1);
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F205"), 1);    // 15
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F205ZZ"), 1);  // 17
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F205Z "), 1);  // a trailing blank is a 17th character
    EXPECT_EQ(CONTROLLACF("mrtmtt25d09f205z"), 1);   // lower case
    EXPECT_EQ(CONTROLLACF("MRTMTT25D09F205z"), 1);   // lower-case check character
    EXPECT_EQ(CONTROLLACF("mRTMTT25D09F205Z"), 1);
    EXPECT_EQ(CONTROLLACF("MRT TT25D09F205Z"), 1);
    EXPECT_EQ(CONTROLLACF("MRT\xC8TT25D09F205Z"), 1);  // a Windows-1252 accented letter
    EXPECT_EQ(CONTROLLACF(std::string("MRT\0TT25D09F205Z", 16)), 1);
}

TEST(ControllaPI, CheckDigitAndEverySingleDigitChanged) {
    for (const std::string codice : {"01234567897", "12345678903", "00000000000"}) {
        EXPECT_EQ(CONTROLLAPI(codice), 0) << codice;
        for (long posizione = 0; posizione < 11; ++posizione) {
            for (char d = '0'; d <= '9'; ++d) {
                std::string altro = codice;
                if (altro.at(static_cast<size_t>(posizione)) == d) continue;
                altro.at(static_cast<size_t>(posizione)) = d;
                EXPECT_EQ(CONTROLLAPI(altro), 1) << altro;
            }
        }
    }
    // A double digit sums its digits (7 -> 14 -> 5) and a remainder of 0 gives check digit 0.
    EXPECT_EQ(CONTROLLAPI("07000000005"), 0);
    EXPECT_EQ(CONTROLLAPI("19000000000"), 0);
}

TEST(ControllaPI, OnlyElevenDigitsMakeACode) {
    // The value of the field is wider than the code: blanks after it are allowed.
    EXPECT_EQ(CONTROLLAPI("01234567897     "), 0);
    // Texts whose missing or non-digit positions would count as zeros and pass.
    for (const std::string codice :
         {"", "0", "19", "1900000000", "ABCDEFGHIJ0", "19         ", "0123456789 7", " 01234567897",
          "01234567897x", "0123456789-7", "012345678970"}) {
        EXPECT_EQ(CONTROLLAPI(codice), 1) << '"' << codice << '"';
    }
}

}  // namespace
