#include "journal/utf8.h"

#include "runtime/codice_pagina.h"

namespace journal {

std::string utf8Da1252(std::string_view testo) {
    std::string r;
    r.reserve(testo.size());
    for (char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t u = runtime::unicodeDi(b);
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

std::string testo1252DaUtf8(std::string_view testo) {
    std::string r;
    r.reserve(testo.size());
    for (size_t i = 0; i < testo.size();) {
        const auto b = static_cast<unsigned char>(testo[i]);
        const size_t n = b < 0x80         ? 1
                         : (b >> 5) == 6  ? 2
                         : (b >> 4) == 14 ? 3
                         : (b >> 3) == 30 ? 4
                                          : 0;
        if (n == 0 || i + n > testo.size()) {
            r += '?';
            ++i;
            continue;
        }
        char32_t u = n == 1 ? b : b & (0x7F >> n);
        bool valido = true;
        for (size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(testo[i + k]);
            valido = valido && (c >> 6) == 2;
            u = u << 6 | (c & 0x3F);
        }
        if (!valido) {
            r += '?';
            ++i;
            continue;
        }
        r += runtime::byteDi(u);
        i += n;
    }
    return r;
}

}  // namespace journal
