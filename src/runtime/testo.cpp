#include "runtime/testo.h"

#include "runtime/errore.h"

namespace runtime {

namespace {

void controllaInizio(long inizio) {
    if (inizio < 1) throw ErroreRuntime{ERR_CHIAMATA_NON_VALIDA};
}

void controllaLunghezza(long n) {
    if (n < 0) throw ErroreRuntime{ERR_CHIAMATA_NON_VALIDA};
}

}  // namespace

std::string_view MIDVISTA(std::string_view s, long inizio, long lunghezza) {
    controllaInizio(inizio);
    if (lunghezza != TUTTO) controllaLunghezza(lunghezza);
    const auto da = static_cast<size_t>(inizio - 1);
    if (da >= s.size()) return {};
    const size_t resto = s.size() - da;
    return s.substr(da,
                    lunghezza == TUTTO ? resto : std::min(resto, static_cast<size_t>(lunghezza)));
}

std::string MID(std::string_view s, long inizio, long lunghezza) {
    return std::string(MIDVISTA(s, inizio, lunghezza));
}

std::string LEFT(std::string_view s, long n) {
    controllaLunghezza(n);
    return std::string(s.substr(0, std::min(s.size(), static_cast<size_t>(n))));
}

std::string RIGHT(std::string_view s, long n) {
    controllaLunghezza(n);
    const size_t k = std::min(s.size(), static_cast<size_t>(n));
    return std::string(s.substr(s.size() - k));
}

void MIDASSIGN(std::string& s, long inizio, long lunghezza, std::string_view valore) {
    controllaInizio(inizio);
    if (lunghezza != TUTTO) controllaLunghezza(lunghezza);
    const auto da = static_cast<size_t>(inizio - 1);
    if (da >= s.size()) throw ErroreRuntime{ERR_CHIAMATA_NON_VALIDA};
    size_t n = std::min(valore.size(), s.size() - da);
    if (lunghezza != TUTTO) n = std::min(n, static_cast<size_t>(lunghezza));
    s.replace(da, n, valore.substr(0, n));
}

void MIDASSIGN(std::string& s, long inizio, std::string_view valore) {
    MIDASSIGN(s, inizio, TUTTO, valore);
}

long INSTR(long inizio, std::string_view s, std::string_view cercato) {
    controllaInizio(inizio);
    if (s.empty()) return 0;
    if (cercato.empty()) return inizio;
    const auto da = static_cast<size_t>(inizio - 1);
    if (da >= s.size()) return 0;
    const size_t p = s.find(cercato, da);
    return p == std::string_view::npos ? 0 : static_cast<long>(p + 1);
}

long INSTR(std::string_view s, std::string_view cercato) {
    return INSTR(1, s, cercato);
}

std::string LTRIM(std::string_view s) {
    const size_t p = s.find_first_not_of(' ');
    return p == std::string_view::npos ? std::string{} : std::string(s.substr(p));
}

std::string RTRIM(std::string_view s) {
    const size_t p = s.find_last_not_of(' ');
    return p == std::string_view::npos ? std::string{} : std::string(s.substr(0, p + 1));
}

std::string TRIM(std::string_view s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const size_t b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

char maiuscola(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // Accented small letters of Windows-1252; 0xF7 is the division sign, 0xDF has no capital.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    switch (u) {
        case 0x9A:
            return '\x8A';  // s caron
        case 0x9C:
            return '\x8C';  // oe ligature
        case 0x9E:
            return '\x8E';  // z caron
        case 0xFF:
            return '\x9F';  // y diaeresis
        default:
            return c;
    }
}

static char minuscola(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    switch (u) {
        case 0x8A:
            return '\x9A';
        case 0x8C:
            return '\x9C';
        case 0x8E:
            return '\x9E';
        case 0x9F:
            return '\xFF';
        default:
            return c;
    }
}

std::string UCASE(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = maiuscola(c);
    return r;
}

std::string LCASE(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = minuscola(c);
    return r;
}

std::string SPACE(long n) {
    return STRING(n, ' ');
}

std::string STRING(long n, char c) {
    controllaLunghezza(n);
    return std::string(static_cast<size_t>(n), c);
}

}  // namespace runtime
