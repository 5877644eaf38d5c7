#include "dictionary/lettura.h"

#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/campo_letto.h"
#include "dictionary/formato_numeri.h"
#include "dictionary/parti_descrittore.h"
#include "dictionary/spostamento.h"
#include "runtime/errore.h"
#include "runtime/intero16.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace dictionary {

namespace {

// Stored number -> readable number text, built in one allocation: the first "-" becomes
// "0" and goes in front; k decimals get a point before them.
std::string numeroLeggibile(std::string_view grezzo, long n, long k) {
    const bool negativo = runtime::INSTR(grezzo, "-") != 0;
    const long divisione = n - k;  // characters before the point
    std::string r;
    r.reserve(grezzo.size() + 2 + static_cast<size_t>(divisione < 0 ? -divisione : 0));
    if (negativo) r += '-';
    if (k == 0) {
        r += grezzo;
    } else if (divisione >= 0) {
        r += runtime::MIDVISTA(grezzo, 1, divisione);
        r += '.';
        r += runtime::MIDVISTA(grezzo, divisione + 1);
    } else {
        // More decimals than characters: the stored digits are the last decimals only.
        r += '.';
        r.append(static_cast<size_t>(-divisione), '0');
        r += grezzo;
    }
    if (negativo) runtime::MIDASSIGN(r, runtime::INSTR(2, r, "-"), 1, "0");
    return r;
}

}  // namespace

std::string RepoR(std::string_view descrittore, int16_t occorrenza, std::string_view record) {
    try {
        const int16_t d = SPOSTAMENTO(descrittore, occorrenza);
        const int16_t p = parti::posizione(descrittore);
        const int16_t n = parti::lunghezza(descrittore);
        const std::string_view tipo = parti::codiceTipo(descrittore);
        // Buffers without repeated groups always have d = 0, so p + d is their start too.
        const int16_t inizio = runtime::somma16(p, d);

        const std::string_view grezzo = runtime::MIDVISTA(
            record.empty() ? std::string_view(bufferDelDescrittore(descrittore)) : record, inizio,
            n);
        const int16_t k = parti::decimali(descrittore);
        if (tipo == "N" || k != 0) return numeroLeggibile(grezzo, n, k);
        return std::string(grezzo);
    } catch (const runtime::ErroreRuntime&) {
        archive::TRACCIA("RepoR");
        throw;
    }
}

CampoLetto::CampoLetto(std::string_view descrittore) : descrittore_(descrittore) {
    try {
        inizio_ = runtime::somma16(parti::posizione(descrittore), SPOSTAMENTO(descrittore, 0));
        lunghezza_ = parti::lunghezza(descrittore);
        decimali_ = parti::decimali(descrittore);
        numero_ = parti::codiceTipo(descrittore) == "N" || decimali_ != 0;
    } catch (const runtime::ErroreRuntime&) {
        archive::TRACCIA("RepoR");
        throw;
    }
}

std::string CampoLetto::RepoR(std::string_view record) const {
    // An empty record means the buffer the descriptor names: RepoR itself knows it.
    if (record.empty()) return dictionary::RepoR(descrittore_, 0, record);
    try {
        const std::string_view grezzo = runtime::MIDVISTA(record, inizio_, lunghezza_);
        if (numero_) return numeroLeggibile(grezzo, lunghezza_, decimali_);
        return std::string(grezzo);
    } catch (const runtime::ErroreRuntime&) {
        archive::TRACCIA("RepoR");
        throw;
    }
}

double CampoLetto::RepoRN(std::string_view record) const {
    return runtime::VAL(RepoR(record));
}

double RepoRN(std::string_view descrittore, int16_t occorrenza, std::string_view record) {
    return runtime::VAL(RepoR(descrittore, occorrenza, record));
}

std::string RepoRT(std::string_view descrittore, int16_t occorrenza, std::string_view record) {
    const std::string_view tipo = parti::codiceTipo(descrittore);
    if (tipo == "A" || tipo == "D") return runtime::TRIM(RepoR(descrittore, occorrenza, record));
    const double valore = RepoRN(descrittore, occorrenza, record);
    if (tipo == "N") return runtime::testoNumero(valore);
    return ARROTONDA_S(valore, static_cast<int>(parti::decimali(descrittore)));
}

}  // namespace dictionary
