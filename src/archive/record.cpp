#include "archive/record.h"

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
