#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "fiscalcode/codice_fiscale.h"

namespace {

using fiscalcode::CONTROLLACF;
using fiscalcode::CONTROLLAPI;

// Valid codes, each tried with every other check letter: real ones, omocodic ones, and codes
// that put every character at an odd and at an even position so that every table value counts.
TEST(ControllaCF, CheckCharacterOmocodicCodesAndForm) {
    for (const std::string codice :
         {"MRTMTT25D09F205Z", "BNCLRA85M45H501M", "BNCLRA85M45Z719E", "MRTMTT25D09F20RU", "MRTMTT25D09F2LRF", "MRTMTT25D0VF205O",
          "0123456789ABCDEP", "123456789ABCDEFA", "GHIJKLMNOPQRSTUI", "HIJKLMNOPQRSTUVN",
          "MNOPQRSTUVWXYZ0J", "NOPQRSTUVWXYZ01J", "23456789ABCDEFGH", "3456789ABCDEFGHV"}) {
        EXPECT_EQ(CONTROLLACF(codice), 0) << codice;
        for (char c = 'A'; c <= 'Z'; ++c) {
            std::string altro = codice;
            altro.back() = c;
            if (altro != codice) { EXPECT_EQ(CONTROLLACF(altro), 1) << altro; }
        }
    }
    for (const std::string& codice : std::initializer_list<std::string>{
             "MRTMTT25D09F206Z", "NRTMTT25D09F205Z", "", "MRTMTT25D09F205", "MRTMTT25D09F205ZZ", "MRTMTT25D09F205z", "MRTMTT25D09F205Z ", "mrtmtt25d09f205z",
             "MRT TT25D09F205Z", "MRT\xC8TT25D09F205Z", std::string("MRT\0TT25D09F205Z", 16)})
        EXPECT_EQ(CONTROLLACF(codice), 1) << codice;
}

TEST(ControllaPI, CheckDigitEverySingleDigitChangedAndForm) {
    for (const std::string codice : {"01234567897", "12345678903", "00000000000"}) {
        EXPECT_EQ(CONTROLLAPI(codice), 0) << codice;
        for (size_t posizione = 0; posizione < 11; ++posizione) {
            for (char d = '0'; d <= '9'; ++d) {
                std::string altro = codice;
                altro.at(posizione) = d;
                if (altro != codice) { EXPECT_EQ(CONTROLLAPI(altro), 1) << altro; }
            }
        }
    }
    // A double digit sums its digits (7 -> 14 -> 5), a remainder of 0 gives check digit 0, and
    // the field may be wider than the code.
    for (const char* codice : {"07000000005", "19000000000", "01234567897     "})
        EXPECT_EQ(CONTROLLAPI(codice), 0) << codice;
    // Texts whose missing or non-digit positions would count as zeros and pass.
    for (const std::string codice : {"", "19", "1900000000", "0123456789-7", "ABCDEFGHIJ0", "19         ",
                                     "0123456789 7", " 01234567897", "01234567897x", "012345678970"})
        EXPECT_EQ(CONTROLLAPI(codice), 1) << '"' << codice << '"';
}

}  // namespace
