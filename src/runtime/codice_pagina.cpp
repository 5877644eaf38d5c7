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

constexpr char32_t NESSUNO = 0xFFFFFFFF;

// The code point that starts at `i`, which moves past it; NESSUNO (moving one byte) when the
// bytes there are not well-formed UTF-8. Overlong forms are refused: "\xC0\xAF" must never
// read as "/" in a file name.
char32_t prossimoCodice(std::string_view t, std::size_t& i) {
    const auto b = static_cast<unsigned char>(t[i]);
    const std::size_t n = b < 0x80         ? 1
                          : (b >> 5) == 6  ? 2
                          : (b >> 4) == 14 ? 3
                          : (b >> 3) == 30 ? 4
                                           : 0;
    if (n == 0 || i + n > t.size()) {
        ++i;
        return NESSUNO;
    }
    char32_t u = n == 1 ? b : b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(t[i + k]);
        if ((c >> 6) != 2) {
            ++i;
            return NESSUNO;
        }
        u = u << 6 | (c & 0x3F);
    }
    constexpr char32_t MINIMO[] = {0, 0, 0x80, 0x800, 0x10000};
    if (u < MINIMO[n] || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
        ++i;
        return NESSUNO;
    }
    i += n;
    return u;
}

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

std::string utf8Da1252(std::string_view testo) {
    std::string r;
    r.reserve(testo.size());
    for (char c : testo) {
        const char32_t u = unicodeDi(static_cast<unsigned char>(c));
        if (u < 0x80) {
            r += static_cast<char>(u);
        } else if (u < 0x800) {
            r += static_cast<char>(0xC0 | (u >> 6));
            r += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            r += static_cast<char>(0xE0 | (u >> 12));
            r += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            r += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return r;
}

std::string testo1252DaUtf8(std::string_view testo, bool* esatto) {
    std::string r;
    r.reserve(testo.size());
    bool tutto = true;
    for (std::size_t i = 0; i < testo.size();) {
        const char32_t u = prossimoCodice(testo, i);
        const char b = u == NESSUNO ? '?' : byteDi(u);
        if (b == '?' && u != U'?') tutto = false;
        r += b;
    }
    if (esatto) *esatto = tutto;
    return r;
}

bool utf8BenFormato(std::string_view testo) {
    for (std::size_t i = 0; i < testo.size();)
        if (prossimoCodice(testo, i) == NESSUNO) return false;
    return true;
}

}  // namespace runtime
