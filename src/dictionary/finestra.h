#pragma once
// A view of characters of a record text with the rules of MID (1-based start, below 1 or a
// negative length is run-time error 5, a start past the end gives the empty text), without
// copying: the field reader must allocate nothing but its result.

#include <string_view>

#include "runtime/errore.h"
#include "runtime/testo.h"

namespace dictionary {

inline std::string_view finestra(std::string_view s, long inizio, long lunghezza = runtime::TUTTO) {
    if (inizio < 1 || (lunghezza < 0 && lunghezza != runtime::TUTTO))
        throw runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA};
    const auto da = static_cast<size_t>(inizio - 1);
    if (da >= s.size()) return {};
    return lunghezza < 0 ? s.substr(da) : s.substr(da, static_cast<size_t>(lunghezza));
}

}  // namespace dictionary
