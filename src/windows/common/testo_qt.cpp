#include "windows/common/testo_qt.h"

#include <QList>
#include <array>

namespace windows {

namespace {

// 0x80..0x9F; the undefined positions keep their own code point.
constexpr std::array<char16_t, 32> ALTI = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char16_t unicodeDi(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? ALTI[b - 0x80] : static_cast<char16_t>(b);
}

char byteDi(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < ALTI.size(); ++i)
        if (ALTI[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString aQString(std::string_view testo) {
    QString r;
    r.reserve(static_cast<qsizetype>(testo.size()));
    for (char c : testo)
        r.append(QChar(unicodeDi(static_cast<unsigned char>(c))));
    return r;
}

std::string daQString(const QString& testo) {
    std::string r;
    r.reserve(static_cast<std::size_t>(testo.size()));
    // By code point, so a character outside the basic plane gives one "?", not two.
    for (char32_t u : testo.toUcs4())
        r += byteDi(u);
    return r;
}

}  // namespace windows
