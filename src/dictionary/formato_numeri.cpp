#include "dictionary/formato_numeri.h"

#include "runtime/intero16.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace dictionary {

using runtime::INSTR;
using runtime::LEFT;
using runtime::MID;
using runtime::RIGHT;
using runtime::STRING;

namespace {

// Position of the decimal separator: the first comma, else the first point; 0 when none.
long separatoreDecimale(const std::string& s) {
    const long virgola = INSTR(s, ",");
    return virgola != 0 ? virgola : INSTR(s, ".");
}

}  // namespace

std::string ARROTONDA_S(double x, int16_t& decimali) {
    if (decimali == 0) decimali = 2;
    const long k = decimali;
    // The half unit is built as text so that it is the same decimal number at every k.
    const double mezzaUnita = runtime::VAL("0." + STRING(k, '0') + "5");
    x = x >= 0 ? x + mezzaUnita : x - mezzaUnita;

    std::string s = runtime::TRIM(runtime::testoNumero(x));
    ESPANDINUM(s);
    const long q = separatoreDecimale(s);
    if (q == 0) {
        s += "." + STRING(k, '0');
    } else {
        // Cutting after k decimals rounds, since the half unit was added above.
        s = LEFT(s, q - 1) + "." + LEFT(MID(s, q + 1) + STRING(k, '0'), k);
    }
    if (LEFT(s, 1) == ".") s.insert(0, 1, '0');
    return s;
}

std::string ARROTONDA_S(double x, int decimali) {
    int16_t k = runtime::a16(decimali);
    return ARROTONDA_S(x, k);
}

void ESPANDINUM(std::string& s) {
    bool suE = true;
    long p = INSTR(s, "E+");
    if (p == 0) {
        p = INSTR(s, "E-");
        suE = false;
    }
    if (p == 0) return;

    // The whole exponent after its sign: reading only the last two characters turned
    // 1E+300 into 1 and a hand-typed 1E-5 into 1. Only its digits count, so that no typed
    // text can make the reading overflow.
    auto cifra = [&](long posizione) {
        const std::string c = MID(s, posizione, 1);
        return !c.empty() && c[0] >= '0' && c[0] <= '9';
    };
    long cifre = 0;
    while (cifra(p + 2 + cifre))
        ++cifre;
    // No double has an exponent beyond three digits: shifting would only build a huge text,
    // and left as it is the text reads as the overflow it is.
    if (cifre > 3) return;
    const long e = static_cast<long>(runtime::VAL(MID(s, p + 2, cifre)));
    std::string m = LEFT(s, p - 1);

    // The sign is set aside and put back in front, so that the zeros shifted in when the
    // point moves left land after it.
    const bool negativo = LEFT(m, 1) == "-";
    if (negativo) m.erase(0, 1);

    const long sep = separatoreDecimale(m);
    if (sep == 0) {
        m += '.';
    } else {
        m.replace(static_cast<size_t>(sep - 1), 1, ".");
    }
    m = "0" + m + "0";  // a digit on each side of the point

    const long punto = INSTR(m, ".");
    std::string intera = LEFT(m, punto - 1);
    std::string frazione = MID(m, punto + 1);
    if (suE) {
        while (e >= static_cast<long>(frazione.size()))
            frazione += '0';
        intera += LEFT(frazione, e);
        frazione = MID(frazione, e + 1);
    } else {
        while (e >= static_cast<long>(intera.size()))
            intera.insert(0, 1, '0');
        frazione = RIGHT(intera, e) + frazione;
        intera = LEFT(intera, static_cast<long>(intera.size()) - e);
    }
    s = (negativo ? "-" : "") + intera + "." + frazione;
}

std::string INTERO_S(double x) {
    const double t = x < 0 ? x - 0.1 : x + 0.1;
    return runtime::testoNumero(runtime::FIX(t));
}

}  // namespace dictionary
