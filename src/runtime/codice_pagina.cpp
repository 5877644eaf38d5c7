#include "runtime/codice_pagina.h"

#include <array>
#include <cstddef>

namespace runtime {

namespace {

// 0x80..0x9F; the undefined positions keep their own code point.
constexpr std::array<char32_t, 32> ALTI = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t unicodeDi(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? ALTI[byte - 0x80] : byte;
}

char byteDi(char32_t codice) {
    if (codice < 0x80 || (codice >= 0xA0 && codice <= 0xFF)) return static_cast<char>(codice);
    for (std::size_t i = 0; i < ALTI.size(); ++i)
        if (ALTI[i] == codice) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace runtime
