#include "isam/blocco.h"

#include <cstdint>
#include <cstring>

#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace isam {

namespace {

// Bounded view of characters [inizio, inizio + n) (1-based) of a block; the hot path of
// the search uses it instead of copying through MID, with the same never-outside rule.
std::string_view campo(std::string_view blocco, long inizio, long n) {
    if (inizio < 1 || n < 0 || static_cast<size_t>(inizio - 1 + n) > blocco.size())
        throw runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA};
    return blocco.substr(static_cast<size_t>(inizio - 1), static_cast<size_t>(n));
}

long inizioVoce(const Formato& f, long m) {
    return (m - 1) * f.voce() + 1;
}

void controllaVoce(long m) {
    if (m < 1 || m > VOCI_BLOCCO) throw runtime::ErroreRuntime{runtime::ERR_INDICE};
}

}  // namespace

void indiceDanneggiato() {
    throw runtime::ErroreRuntime{ERRORE_INDICE_DANNEGGIATO};
}

std::string chiaveAlta(long L) {
    return runtime::STRING(L, CARATTERE_ALTO);
}

std::string vocevuota(const Formato& f, char livello) {
    return chiaveAlta(f.L) + livello + "000000";
}

std::string bloccoVuoto(const Formato& f, char livello) {
    const std::string voce = vocevuota(f, livello);
    std::string blocco;
    blocco.reserve(static_cast<size_t>(f.blocco()));
    for (long i = 0; i < VOCI_BLOCCO; ++i)
        blocco += voce;
    return blocco;
}

std::string seiCifre(double numero) {
    return runtime::RIGHT("000000" + runtime::LTRIM(runtime::testoNumero(numero)), 6);
}

long vociUsate(std::string_view blocco, const Formato& f) {
    if (static_cast<long>(blocco.size()) != f.blocco()) indiceDanneggiato();
    const long p = runtime::INSTR(blocco, std::string_view(&CARATTERE_ALTO, 1));
    if (p == 0) return VOCI_BLOCCO;
    // Keys never hold 252 and the rest of an entry is digits, so the first 252 of a sound
    // block always opens an entry.
    if ((p - 1) % f.voce() != 0) indiceDanneggiato();
    return (p - 1) / f.voce();
}

std::string_view chiaveVoce(std::string_view blocco, const Formato& f, long m) {
    controllaVoce(m);
    return campo(blocco, inizioVoce(f, m), f.L);
}

char livelloVoce(std::string_view blocco, const Formato& f, long m) {
    controllaVoce(m);
    return campo(blocco, inizioVoce(f, m) + f.L, 1).front();
}

long numeroVoce(std::string_view blocco, const Formato& f, long m) {
    controllaVoce(m);
    const std::string_view cifre = campo(blocco, inizioVoce(f, m) + f.L + 1, 6);
    long n = 0;
    for (const char c : cifre) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

long cercaNelBlocco(std::string_view blocco, const Formato& f, std::string_view chiave,
                    long usate) {
    // Every entry compared lies inside the block: checked once here, not at each step.
    if (usate < 0 || usate > VOCI_BLOCCO || static_cast<long>(blocco.size()) != f.blocco())
        throw runtime::ErroreRuntime{runtime::ERR_INDICE};
    const auto passo = static_cast<size_t>(f.voce());
    const auto lunghezza = static_cast<size_t>(f.L);
    if (chiave.size() != lunghezza) throw runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA};
    // Keys of an index share long prefixes: compare eight bytes at a time as big-endian
    // words (the order of unsigned bytes), the tail byte by byte.
    const auto* k = reinterpret_cast<const unsigned char*>(chiave.data());
    const auto* b = reinterpret_cast<const unsigned char*>(blocco.data());
    auto confronta = [&](long m) {
        const unsigned char* e = b + static_cast<size_t>(m - 1) * passo;
        size_t i = 0;
        for (; i + 8 <= lunghezza; i += 8) {
            uint64_t x, y;
            std::memcpy(&x, k + i, 8);
            std::memcpy(&y, e + i, 8);
            if (x != y) return __builtin_bswap64(x) < __builtin_bswap64(y) ? -1 : 1;
        }
        for (; i < lunghezza; ++i)
            if (k[i] != e[i]) return k[i] < e[i] ? -1 : 1;
        return 0;
    };
    // The last entry not above the key, by a binary search whose steps are conditional
    // moves. On sorted keys this is where halving down to two entries and scanning lands
    // (the exact entry, else the last one below the key, else the first), without a
    // mispredicted branch at every step. An empty block gives its first entry.
    long primo = 1;
    for (long n = usate; n > 1;) {
        const long meta = n / 2;
        primo = confronta(primo + meta) >= 0 ? primo + meta : primo;
        n -= meta;
    }
    return primo;
}

void mettiVoce(std::string& blocco, const Formato& f, long m, long usate, std::string_view voce) {
    if (usate >= VOCI_BLOCCO) throw runtime::ErroreRuntime{ERRORE_RADICE_PIENA};
    const long punto = campo(voce, 1, f.L) > chiaveVoce(blocco, f, m) ? m + 1 : m;
    if (punto > usate + 1) indiceDanneggiato();
    const long da = inizioVoce(f, punto);
    const long primoVuoto = inizioVoce(f, usate + 1);
    if (primoVuoto != da) {
        const std::string spostati = runtime::MID(blocco, da, primoVuoto - da);
        runtime::MIDASSIGN(blocco, da + f.voce(), spostati);
    }
    runtime::MIDASSIGN(blocco, da, f.voce(), voce);
}

void togliVoce(std::string& blocco, const Formato& f, long m, long usate, char livello) {
    controllaVoce(m);
    if (m > usate) indiceDanneggiato();
    const long da = inizioVoce(f, m);
    if (usate < VOCI_BLOCCO) {
        // The following entries and the first empty one move left by one entry.
        const long fine = inizioVoce(f, usate + 2);
        const std::string spostati = runtime::MID(blocco, da + f.voce(), fine - da - f.voce());
        runtime::MIDASSIGN(blocco, da, spostati);
    } else {
        const std::string spostati = runtime::MID(blocco, da + f.voce());
        runtime::MIDASSIGN(blocco, da, spostati + vocevuota(f, livello));
    }
}

void cambiaChiave(std::string& blocco, const Formato& f, long m, std::string_view chiave) {
    controllaVoce(m);
    runtime::MIDASSIGN(blocco, inizioVoce(f, m), f.L, chiave);
}

std::string metaBlocco(std::string_view origine, const Formato& f, long da, long a, char livello) {
    std::string blocco = bloccoVuoto(f, livello);
    const std::string voci = runtime::MID(origine, inizioVoce(f, da), (a - da + 1) * f.voce());
    runtime::MIDASSIGN(blocco, 1, voci);
    return blocco;
}

}  // namespace isam
