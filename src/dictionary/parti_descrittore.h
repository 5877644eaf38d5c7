#pragma once
// The fixed parts of a descriptor, taken by character position, never by splitting at the
// commas. Read at every call: descriptors are cheap to interpret and nothing is cached.

#include <cstdint>
#include <string_view>

#include "runtime/numeri.h"

namespace dictionary::parti {

// Characters inizio..inizio+n-1 (1-based) of the descriptor, clipped to what exists.
inline std::string_view parte(std::string_view d, size_t inizio, size_t n) {
    if (inizio > d.size()) return {};
    return d.substr(inizio - 1, n);
}

inline std::string_view nomeBuffer(std::string_view d) {
    return parte(d, 1, 5);
}

// Positions and lengths are 16-bit integers, as in the rest of the family.
inline int16_t posizione(std::string_view d) {
    return runtime::CINT(runtime::VAL(parte(d, 7, 5)));
}
inline int16_t lunghezza(std::string_view d) {
    return runtime::CINT(runtime::VAL(parte(d, 13, 2)));
}

inline std::string_view codiceTipo(std::string_view d) {
    return parte(d, 16, 1);
}

// The numeric value of the type code: the decimals of "1".."9", 0 for every other code.
inline int16_t decimali(std::string_view d) {
    return runtime::CINT(runtime::VAL(codiceTipo(d)));
}

}  // namespace dictionary::parti
