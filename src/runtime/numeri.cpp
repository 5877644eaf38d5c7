#include "runtime/numeri.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "runtime/errore.h"

namespace runtime {

namespace {

bool vuoto(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// Reads the number at the start of `s`, blanks skipped, into a plain "C" form that
// std::from_chars accepts (no "+", "E" for the exponent). Returns false when no digit was read.
bool estraiNumero(std::string_view s, std::string& out) {
    size_t i = 0;
    auto salta = [&] {
        while (i < s.size() && vuoto(s[i]))
            ++i;
    };
    salta();
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        if (s[i] == '-') out += '-';
        ++i;
    }
    bool cifre = false, punto = false;
    for (salta(); i < s.size(); ++i, salta()) {
        if (cifra(s[i])) {
            out += s[i];
            cifre = true;
        } else if (s[i] == '.' && !punto) {
            out += '.';
            punto = true;
        } else {
            break;
        }
    }
    if (!cifre) return false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string esponente = "E";
        ++i;
        salta();
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
            if (s[i] == '-') esponente += '-';
            ++i;
        }
        bool cifreEsponente = false;
        for (salta(); i < s.size() && cifra(s[i]); ++i, salta()) {
            esponente += s[i];
            cifreEsponente = true;
        }
        if (cifreEsponente) out += esponente;
    }
    return true;
}

// Decimal exponent of the first significant digit of a plain number text, for telling an
// overflow from an underflow.
long esponenteDecimale(const std::string& t) {
    long esponente = 0;
    const size_t e = t.find('E');
    if (e != std::string::npos) {
        // Clamp: a text with thousands of exponent digits is still clearly out of range.
        const std::string_view cifre(t.c_str() + e + 1);
        long v = 0;
        for (char c : cifre)
            if (cifra(c)) v = std::min(v * 10 + (c - '0'), 1000000L);
        esponente = (cifre.substr(0, 1) == "-") ? -v : v;
    }
    const std::string mantissa = t.substr(0, e);
    const size_t punto = mantissa.find('.');
    const size_t primaCifra = mantissa.find_first_of("123456789");
    if (primaCifra == std::string::npos) return std::numeric_limits<long>::min();
    const size_t fine = punto == std::string::npos ? mantissa.size() : punto;
    const long posizione = static_cast<long>(fine) - static_cast<long>(primaCifra);
    return esponente + (primaCifra < fine ? posizione - 1 : posizione);
}

}  // namespace

double VAL(std::string_view s) {
    // Most texts read are plain digits (descriptor positions and lengths, record fields):
    // read them without building the general form.
    if (!s.empty() && s.size() <= 15) {
        long long v = 0;
        bool cifre = true;
        for (char c : s) {
            if (!cifra(c)) {
                cifre = false;
                break;
            }
            v = v * 10 + (c - '0');
        }
        if (cifre) return static_cast<double>(v);
    }
    std::string t;
    if (!estraiNumero(s, t)) return 0;
    double v = 0;
    const char* inizio = t.c_str();
    const auto [fine, ec] = std::from_chars(inizio, inizio + t.size(), v);
    (void)fine;
    if (ec == std::errc::result_out_of_range) {
        if (esponenteDecimale(t) > 0) throw ErroreRuntime{ERR_OVERFLOW};
        return 0;
    }
    if (ec != std::errc{}) return 0;
    return v;
}

std::string testoNumero(double x) {
    if (!std::isfinite(x)) throw ErroreRuntime{ERR_OVERFLOW};
    if (x == 0) return "0";
    // Whole numbers (record numbers, file numbers, counters) skip the general formatting.
    if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
        char buf[24];
        const auto fine = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x)).ptr;
        return std::string(buf, fine);
    }
    // 15 significant digits, correctly rounded by the C library: d.dddddddddddddde+XX.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    std::string_view t(buf);
    const bool negativo = t.front() == '-';
    if (negativo) t.remove_prefix(1);
    const size_t e = t.find('e');
    std::string cifre;
    for (char c : t.substr(0, e))
        if (cifra(c)) cifre += c;
    while (cifre.size() > 1 && cifre.back() == '0')
        cifre.pop_back();
    int esponente = 0;
    std::from_chars(t.data() + e + (t[e + 1] == '+' ? 2 : 1), t.data() + t.size(), esponente);

    std::string r = negativo ? "-" : "";
    if (esponente >= -5 && esponente <= 14) {
        if (esponente < 0) {
            r += '.';
            r.append(static_cast<size_t>(-esponente - 1), '0');
            r += cifre;
        } else {
            const auto intere = static_cast<size_t>(esponente + 1);
            if (cifre.size() <= intere) {
                r += cifre;
                r.append(intere - cifre.size(), '0');
            } else {
                r += cifre.substr(0, intere);
                r += '.';
                r += cifre.substr(intere);
            }
        }
        return r;
    }
    r += cifre[0];
    if (cifre.size() > 1) {
        r += '.';
        r += cifre.substr(1);
    }
    char esp[16];
    std::snprintf(esp, sizeof esp, "E%c%02d", esponente < 0 ? '-' : '+', std::abs(esponente));
    return r + esp;
}

void aggiungiNumero(std::string& s, double x) {
    if (std::fabs(x) < 1e15 && x == std::trunc(x) && x != 0) {
        char buf[24];
        const auto fine = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(x)).ptr;
        s.append(buf, fine);
        return;
    }
    s += testoNumero(x);
}

int16_t CINT(double x) {
    if (!std::isfinite(x)) throw ErroreRuntime{ERR_OVERFLOW};
    const double r = std::nearbyint(x);  // the default rounding mode: half to even
    if (r < INT16_MIN || r > INT16_MAX) throw ErroreRuntime{ERR_OVERFLOW};
    return static_cast<int16_t>(r);
}

int32_t CLNG(double x) {
    if (!std::isfinite(x)) throw ErroreRuntime{ERR_OVERFLOW};
    const double r = std::nearbyint(x);
    if (r < INT32_MIN || r > INT32_MAX) throw ErroreRuntime{ERR_OVERFLOW};
    return static_cast<int32_t>(r);
}

double FIX(double x) {
    return std::trunc(x);
}
double INT(double x) {
    return std::floor(x);
}

}  // namespace runtime
