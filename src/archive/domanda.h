#pragma once
// The yes/no question box and the date check (day, month, year as GGMMAAAA).

#include <cstdint>
#include <string>
#include <string_view>

namespace archive {

// Asks a yes/no question; each of the first ten "*" starts a new line. No is the default.
// Returns "S" for Yes, "N" for No. The option does not change the box.
std::string DOMANDA(std::string_view domanda, int16_t opzione = 0);

// 0 = valid date, 1 = invalid, 2 = no date (empty, blanks or zeros). A shorter text is
// padded in place on the left with zeros to 8 characters.
double CONTROLLADATA(std::string& data);

// Gregorian leap year.
bool BISESTILE(int16_t anno);

}  // namespace archive
