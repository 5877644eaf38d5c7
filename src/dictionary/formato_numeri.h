#pragma once
// Number texts for the field codec and the windows: always "." as decimal separator,
// independent of the user's regional settings.

#include <cstdint>
#include <string>

namespace dictionary {

// x with exactly `decimali` decimals after a point, rounded half away from zero
// (2.345 -> "2.35"). 0 decimals means 2, and the caller's variable receives the 2.
// Only a result that starts with the point gets a leading zero: -0.5 gives "-.50".
std::string ARROTONDA_S(double x, int16_t& decimali);
std::string ARROTONDA_S(double x, int decimali);  // for constants and expressions

// Rewrites a number text in exponent notation ("1.5E+16", "5E-07") as plain digits, with a
// guard zero on each side of the point; any other text is left as it is.
void ESPANDINUM(std::string& s);

// The whole number a nearly-whole computed value stands for: 4.9999999 -> "5".
std::string INTERO_S(double x);

}  // namespace dictionary
