#pragma once
// Checked 16-bit arithmetic: the original's counters and indexes were 16-bit signed
// integers and overflow on them was run-time error 6.

#include <cstdint>

#include "runtime/errore.h"

namespace runtime {

inline int16_t a16(long long v) {
    if (v < INT16_MIN || v > INT16_MAX) throw ErroreRuntime{ERR_OVERFLOW};
    return static_cast<int16_t>(v);
}
inline int16_t somma16(int16_t a, int16_t b) {
    return a16(static_cast<long long>(a) + b);
}
inline int16_t differenza16(int16_t a, int16_t b) {
    return a16(static_cast<long long>(a) - b);
}
inline int16_t prodotto16(int16_t a, int16_t b) {
    return a16(static_cast<long long>(a) * b);
}

}  // namespace runtime
