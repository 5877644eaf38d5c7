#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "fiscalcode/codice_fiscale.h"

namespace {

using fiscalcode::CONTROLLACF;
using fiscalcode::CONTROLLAPI;

TEST(ControllaCF, CheckCharacterOmocodicCodesAndForm) {
    // A man born in Milan, a woman born on the 5th in Rome, a woman born abroad, omocodic codes
    // (letters in the place and in the day), then codes that put every character at an odd and
    // at an even position, so that every value of both conversion tables counts.
    for (const std::string codice :
         {"MRTMTT25D09F205Z", "BNCLRA85M45H501M", "BNCLRA85M45Z719E", "MRTMTT25D09F20RU",
          "MRTMTT25D09F2LRF", "MRTMTT25D0VF205O", "0123456789ABCDEP", "123456789ABCDEFA",
          "GHIJKLMNOPQRSTUI", "HIJKLMNOPQRSTUVN", "MNOPQRSTUVWXYZ0J", "NOPQRSTUVWXYZ01J",
          "23456789ABCDEFGH", "3456789ABCDEFGHV"}) {
        EXPECT_EQ(CONTROLLACF(codice), 0) << codice;
        for (char c = 'A'; c <= 'Z'; ++c) {
            std::string altro = codice;
            altro.back() = c;
            if (altro != codice) {
                EXPECT_EQ(CONTROLLACF(altro), 1) << altro;
            }
        }
    }
    // A changed character elsewhere, lengths 0, 15 and 17 (a trailing blank too), lower case,
    // characters that are neither letters nor digits.
    for (const std::string& codice : std::initializer_list<std::string>{
             "MRTMTT25D09F206Z", "NRTMTT25D09F205Z", "", "MRTMTT25D09F205", "MRTMTT25D09F205ZZ",
             "MRTMTT25D09F205Z ", "mrtmtt25d09f205z", "MRTMTT25D09F205z", "MRT TT25D09F205Z",
             "MRT\xC8TT25D09F205Z", std::string("MRT\0TT25D09F205Z", 16)})
        EXPECT_EQ(CONTROLLACF(codice), 1) << codice;
}

TEST(ControllaPI, CheckDigitEverySingleDigitChangedAndForm) {
    for (const std::string codice : {"01234567897", "12345678903", "00000000000"}) {
        EXPECT_EQ(CONTROLLAPI(codice), 0) << codice;
        for (size_t posizione = 0; posizione < 11; ++posizione) {
            for (char d = '0'; d <= '9'; ++d) {
                std::string altro = codice;
                altro.at(posizione) = d;
                if (altro != codice) {
                    EXPECT_EQ(CONTROLLAPI(altro), 1) << altro;
                }
            }
        }
    }
    // A double digit sums its digits (7 -> 14 -> 5) and a remainder of 0 gives check digit 0.
    EXPECT_EQ(CONTROLLAPI("07000000005"), 0);
    EXPECT_EQ(CONTROLLAPI("19000000000"), 0);
    // The field is wider than the code: blanks after it are allowed.
    EXPECT_EQ(CONTROLLAPI("01234567897     "), 0);
    // Texts whose missing or non-digit positions would count as zeros and pass.
    for (const std::string codice :
         {"", "19", "1900000000", "ABCDEFGHIJ0", "19         ", "0123456789 7", " 01234567897",
          "01234567897x", "0123456789-7", "012345678970"})
        EXPECT_EQ(CONTROLLAPI(codice), 1) << '"' << codice << '"';
}

}  // namespace
