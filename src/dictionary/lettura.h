#pragma once
// Field reads by descriptor, from the buffer the descriptor names or, when `record` is not
// empty, from the caller's record text. Occurrence 0 or 1 is the first of a repeated group.

#include <cstdint>
#include <string>
#include <string_view>

namespace dictionary {

// The field's characters; numeric types ("N", "1".."9") as a readable number: the stored
// sign moved to the front and, for decimal types, a point before the decimals
// ("-0001250" of type "2" reads "-000012.50"). Other types come back as stored.
// A run-time error inside is recorded as "RepoR" in the trace and travels on.
std::string RepoR(std::string_view descrittore, int16_t occorrenza = 0,
                  std::string_view record = {});

// The numeric value of RepoR's text (0 for a name).
double RepoRN(std::string_view descrittore, int16_t occorrenza = 0, std::string_view record = {});

// The field for showing: "A" and "D" trimmed, "N" as a whole number, other types with
// their decimals ("0" with two).
std::string RepoRT(std::string_view descrittore, int16_t occorrenza = 0,
                   std::string_view record = {});

}  // namespace dictionary
