#pragma once
// Italian tax identifiers: the check character of the personal fiscal code, the check digit
// of the 11-digit code (VAT number, fiscal code of companies), and the birth data that a
// personal fiscal code carries.

#include <cstdint>
#include <string>

namespace fiscalcode {

// The archive file that lists municipalities and foreign states by cadastral code.
inline constexpr double FILE_COMUNI = 4;

// 0 when `codice` is 16 characters of digits and upper-case letters whose last one is the
// check character of the first fifteen; 1 otherwise. Omocodic codes pass.
int16_t CONTROLLACF(const std::string& codice);

// 0 when `codice` is eleven digits (blanks may follow, as in a wider field) and the last one
// is the check digit of the first ten; 1 otherwise.
int16_t CONTROLLAPI(const std::string& codice);

// Birth data of a personal fiscal code, 29 characters: ddmmyy ("000000" when the date could
// not be read), the municipality name (20, or the bare cadastral code when file 4 does not
// list it), the province (2), "M"/"F" (blank when the day could not be read).
// Opens file 4 on a fresh channel and closes it before returning; the empty text touches no file.
std::string DECODIFICACF_S(const std::string& codice);

}  // namespace fiscalcode
