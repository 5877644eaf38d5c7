#pragma once
// Numbers as the original run time read and wrote them. These are the only places that
// parse or print a number for the archive.

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Numeric value of a text: blanks (space, tab, line feed, carriage return) are ignored
// anywhere; optional sign, digits, at most one point, an optional exponent ("E" or "D",
// either case, with an optional sign). Reading stops at the first other character; a text
// without a number gives 0. A value too large for a double is run-time error 6.
double VAL(std::string_view s);

// The intermediate number text of a double: at most 15 significant digits, shortest form,
// "-" for negatives, no zero before the point (".5", "-.5"). Plain notation when the
// decimal exponent of the rounded value lies in -5..14 (0.00001 up to 999999999999999);
// otherwise exponent notation with at least two exponent digits ("1.5E+16", "5E-07").
// An infinite or NaN value is run-time error 6.
std::string testoNumero(double x);

// Appends testoNumero(x) to `s` without a temporary text (hot paths: the trace names of
// record reads and writes).
void aggiungiNumero(std::string& s, double x);

// Whole-number conversions of the original run time.
// CINT: rounds half to even; outside -32768..32767 is run-time error 6.
int16_t CINT(double x);
// CLNG: rounds half to even; outside the 32-bit range is run-time error 6.
int32_t CLNG(double x);
// FIX: truncates toward zero. INT: rounds toward minus infinity.
double FIX(double x);
double INT(double x);

}  // namespace runtime
