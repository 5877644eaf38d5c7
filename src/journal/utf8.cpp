#include "journal/utf8.h"

#include <array>

namespace journal {

namespace {

constexpr std::array<char32_t, 32> ALTI = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char byteDi(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (size_t i = 0; i < ALTI.size(); ++i)
        if (ALTI[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string utf8Da1252(std::string_view testo) {
    std::string r;
    r.reserve(testo.size());
    for (char c : testo) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t u = b >= 0x80 && b <= 0x9F ? ALTI[b - 0x80] : b;
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
        r += byteDi(u);
        i += n;
    }
    return r;
}

}  // namespace journal
