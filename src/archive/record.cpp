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

// The record in the run, fetched when needed; null at the end of the file and for records of
// no length. Leaves a record handed out by vedi in the area before anything can see the area.
const char* LetturaInBlocco::prendi(double record, double ultimo) {
    // The trace entry of LEGGIREC, from the part every read of this file shares.
    if (traccia.empty()) {
        traccia.assign("LEGGIREC (");
        runtime::aggiungiNumero(traccia, numero);
        traccia += '-';
    }
    static std::string nome;
    nome.assign(traccia);
    runtime::aggiungiNumero(nome, record);
    nome += ')';
    TRACCIA(nome);
    try {
        const int i = indiceSlot(numero);
        std::string& area = AREAREC[i];
        if (static_cast<double>(area.size()) != LUNREC[i])
            throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
        const int canale = canaleDi(i);
        const auto L = static_cast<long long>(area.size());
        const long long p = posizione(record, static_cast<double>(L));
        if (L == 0) return nullptr;  // nothing to read: the record is whole, as LEGGIREC finds it
        const long long r = p / L + 1;
        if (r < primo || r >= primo + interi) {
            fine();
            // A run never spans more than about 1 MB, and always holds the record asked for.
            const double voluti = std::nearbyint(ultimo) - static_cast<double>(r) + 1;
            const long long massimo = (MASSIMO_BLOCCO + L - 1) / L;  // at least 1 MB a read
            const long long n = voluti >= static_cast<double>(massimo) ? massimo
                                : voluti > 1 ? static_cast<long long>(voluti)
                                             : 1;
            blocco.resize(static_cast<size_t>(n * L));
            primo = r;
            interi = 0;  // a failed read leaves no run behind
            interi = static_cast<long long>(platform::leggiFinoA(canale, p, blocco)) / L;
            // A record the file does not hold whole leaves the record area as it was.
            if (interi == 0) return nullptr;
        }
        return blocco.data() + (r - primo) * L;
    } catch (...) {
        fine();
        throw;
    }
}

double LetturaInBlocco::leggi(double record, double ultimo) {
    const char* testo = prendi(record, ultimo);
    fine();
    std::string& area = AREAREC[indiceSlot(numero)];
    if (testo != nullptr) area.assign(testo, area.size());
    return testo == nullptr && !area.empty() ? 1 : 0;
}

double LetturaInBlocco::vedi(double record, double ultimo, std::string_view& testo) {
    const char* inizio = prendi(record, ultimo);
    const size_t L = AREAREC[indiceSlot(numero)].size();
    if (inizio == nullptr) {
        fine();
        testo = {};
        return L == 0 ? 0 : 1;
    }
    sospeso = inizio;
    lunghezza = static_cast<long long>(L);
    testo = std::string_view(inizio, L);
    return 0;
}

void LetturaInBlocco::fine() noexcept {
    if (sospeso == nullptr) return;
    // Same length as the area, so no allocation: nothing here can fail. An area the caller
    // gave another length meanwhile is not the run's to fill.
    std::string& area = AREAREC[static_cast<size_t>(indiceSlot(numero))];
    if (static_cast<long long>(area.size()) == lunghezza) area.assign(sospeso, area.size());
    sospeso = nullptr;
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
