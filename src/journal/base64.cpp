#include "journal/base64.h"

#include <array>
#include <cstdint>

namespace journal {

namespace {

constexpr char ALFABETO[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Value of each character, -1 outside the alphabet.
constexpr std::array<int8_t, 256> VALORI = [] {
    std::array<int8_t, 256> v{};
    v.fill(-1);
    for (int i = 0; i < 64; ++i)
        v[static_cast<unsigned char>(ALFABETO[i])] = static_cast<int8_t>(i);
    return v;
}();

}  // namespace

std::string codificaBase64(std::string_view byte) {
    std::string r;
    r.reserve((byte.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= byte.size(); i += 3) {
        const uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(byte[i])) << 16 |
                           static_cast<uint32_t>(static_cast<unsigned char>(byte[i + 1])) << 8 |
                           static_cast<unsigned char>(byte[i + 2]);
        for (int s = 18; s >= 0; s -= 6)
            r += ALFABETO[(n >> s) & 63];
    }
    const size_t resto = byte.size() - i;
    if (resto > 0) {
        uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(byte[i])) << 16;
        if (resto == 2) n |= static_cast<uint32_t>(static_cast<unsigned char>(byte[i + 1])) << 8;
        r += ALFABETO[(n >> 18) & 63];
        r += ALFABETO[(n >> 12) & 63];
        r += resto == 2 ? ALFABETO[(n >> 6) & 63] : '=';
        r += '=';
    }
    return r;
}

std::optional<std::string> decodificaBase64(std::string_view testo) {
    if (testo.size() % 4 != 0) return std::nullopt;
    std::string r;
    r.reserve(testo.size() / 4 * 3);
    for (size_t i = 0; i < testo.size(); i += 4) {
        const bool ultimo = i + 4 == testo.size();
        const size_t pieni = !ultimo ? 4 : testo[i + 2] == '=' ? 2 : testo[i + 3] == '=' ? 3 : 4;
        if (pieni == 2 && testo[i + 3] != '=') return std::nullopt;
        uint32_t n = 0;
        for (size_t k = 0; k < 4; ++k) {
            int v = 0;
            if (k < pieni) {
                v = VALORI[static_cast<unsigned char>(testo[i + k])];
                if (v < 0) return std::nullopt;
            }
            n = n << 6 | static_cast<uint32_t>(v);
        }
        // Bits below the last whole byte must be zero: one text per byte string.
        if ((pieni == 2 && (n & 0xFFFF) != 0) || (pieni == 3 && (n & 0xFF) != 0))
            return std::nullopt;
        r += static_cast<char>(n >> 16);
        if (pieni >= 3) r += static_cast<char>((n >> 8) & 0xFF);
        if (pieni == 4) r += static_cast<char>(n & 0xFF);
    }
    return r;
}

}  // namespace journal
