#include "archive/record.h"

#include <algorithm>
#include <cmath>

#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"

namespace archive {

namespace {

// "LEGGIREC (2-15)": built in one reused buffer, since every record read and write records it.
std::string_view nomeTraccia(const char* routine, double numero, double record) {
    static std::string nome;
    nome.assign(routine);
    nome += " (";
    runtime::aggiungiNumero(nome, numero);
    nome += '-';
    runtime::aggiungiNumero(nome, record);
    nome += ')';
    return nome;
}

constexpr long long MASSIMO_BLOCCO = 1 << 20;

// The 0-based byte offset of a record; record numbers start at 1.
long long posizione(double record, double lunghezza) {
    const double r = std::nearbyint(record);
    if (!(r >= 1)) throw runtime::ErroreRuntime{runtime::ERR_NUMERO_RECORD};
    const double p = lunghezza * r - lunghezza;
    if (!(p < 9.0e15)) throw runtime::ErroreRuntime{runtime::ERR_NUMERO_RECORD};
    return static_cast<long long>(p);
}

// The slot's channel; a slot with no channel is "bad file name or number".
int canaleDi(int slot) {
    if (CANALE[slot] == 0) throw runtime::ErroreRuntime{runtime::ERR_CANALE};
    return CANALE[slot];
}

}  // namespace

double LEGGIREC(double numero, double record) {
    TRACCIA(nomeTraccia("LEGGIREC", numero, record));
    const int i = indiceSlot(numero);
    if (static_cast<double>(AREAREC[i].size()) != LUNREC[i])
        throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
    const int canale = canaleDi(i);
    const long long p = posizione(record, static_cast<double>(AREAREC[i].size()));
    // Read into a spare buffer and swap it in: after a short read the record area keeps its
    // length and content, and a read allocates nothing once the buffer has grown.
    static std::string riserva;
    riserva.resize(AREAREC[i].size());
    if (!platform::leggiBlocco(canale, p, riserva)) return 1;
    AREAREC[i].swap(riserva);
    return 0;
}

double LetturaInBlocco::leggi(double record, double ultimo) {
    TRACCIA(nomeTraccia("LEGGIREC", numero, record));
    const int i = indiceSlot(numero);
    std::string& area = AREAREC[i];
    if (static_cast<double>(area.size()) != LUNREC[i])
        throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
    const int canale = canaleDi(i);
    const auto L = static_cast<long long>(area.size());
    const long long p = posizione(record, static_cast<double>(L));
    if (L == 0) return 0;  // nothing to read: the record is whole, as LEGGIREC finds it
    const long long r = p / L + 1;
    if (r < primo || r >= primo + interi) {
        // A run never spans more than about 1 MB, and always holds the record asked for.
        const double voluti = std::nearbyint(ultimo) - static_cast<double>(r) + 1;
        const long long massimo = (MASSIMO_BLOCCO + L - 1) / L;  // at least 1 MB a read
        const long long n = voluti >= static_cast<double>(massimo) ? massimo
                            : voluti > 1                           ? static_cast<long long>(voluti)
                                                                   : 1;
        blocco.resize(static_cast<size_t>(n * L));
        primo = r;
        interi = static_cast<long long>(platform::leggiFinoA(canale, p, blocco)) / L;
        // A record the file does not hold whole leaves the record area as it was.
        if (interi == 0) return 1;
    }
    area.assign(blocco, static_cast<size_t>((r - primo) * L), static_cast<size_t>(L));
    return 0;
}

void SCRIVIREC(double numero, double record, const std::string& testo) {
    TRACCIA(nomeTraccia("SCRIVIREC", numero, record));
    const int i = indiceSlot(numero);
    if (static_cast<double>(AREAREC[i].size()) != LUNREC[i])
        throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
    if (!testo.empty()) {
        if (static_cast<double>(testo.size()) != LUNREC[i])
            throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
        AREAREC[i] = testo;
    }
    const int canale = canaleDi(i);
    platform::scriviBlocco(canale, posizione(record, LUNREC[i]), AREAREC[i]);
}

}  // namespace archive
