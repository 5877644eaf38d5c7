#include "archive/slot_file.h"

#include <cmath>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "platform/percorsi.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace archive {

int indiceSlot(double numero) {
    // An array subscript rounds as the run time's whole-number conversion does.
    const double arrotondato = std::nearbyint(numero);
    if (!(arrotondato >= 0 && arrotondato <= MAX_FILE))
        throw runtime::ErroreRuntime{runtime::ERR_INDICE};
    return static_cast<int>(arrotondato);
}

void ASSEGNACANALE(double numero) {
    const int i = indiceSlot(numero);
    if (CANALE[i] != 0) CHIUDIFILE(numero);
    CANALE[i] = static_cast<int16_t>(platform::canaleLibero());
}

void CHIUDIFILE(double numero) {
    if (numero == 0) {
        // Slots are freed before closing, so a failed flush cannot leave a stale channel.
        for (int i = 1; i <= MAX_FILE; ++i)
            CANALE[i] = 0;
        platform::chiudiTuttiICanali();
        return;
    }
    const int i = indiceSlot(numero);
    const int canale = CANALE[i];
    if (canale == 0) return;
    CANALE[i] = 0;
    platform::chiudiCanale(canale);
}

double FAIOPEN(double numero) {
    TRACCIA("FAIOPEN");
    if (!(numero > 0)) return 0;
    ASSEGNACANALE(numero);
    const int i = indiceSlot(numero);
    double lunghezza = 0;
    try {
        int16_t prefisso = -1;
        const std::string percorso = DAMMIFILE_S(numero, prefisso);
        // A record length of 0 (or not a number) would make every read-to-the-end loop endless.
        lunghezza = LUNRECBASE;
        if (!(lunghezza >= 1 && lunghezza <= 32767) || lunghezza != std::floor(lunghezza))
            throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
        platform::apriBinario(CANALE[i], percorso);
    } catch (...) {
        // The slot must not keep a channel number that another open may take next.
        CANALE[i] = 0;
        throw;
    }
    AREAREC[i] = runtime::SPACE(static_cast<long>(lunghezza));
    LUNREC[i] = lunghezza;
    return lunghezza;
}

void FAIOPENIO(double numero, int16_t modo) {
    TRACCIA("FAIOPENIO");
    if (!(numero > 0)) return;
    ASSEGNACANALE(numero);
    const int i = indiceSlot(numero);
    try {
        int16_t prefisso = -1;
        const std::string percorso = DAMMIFILE_S(numero, prefisso);
        if (modo == 1) {
            if (ESISTEFILE(percorso)) platform::eliminaFile(percorso);
            platform::apriUscita(CANALE[i], percorso);
        } else if (modo == 0) {
            platform::apriIngresso(CANALE[i], percorso);
        }
    } catch (...) {
        CANALE[i] = 0;
        throw;
    }
}

double VERBASE(double numero) {
    TRACCIA("VERBASE");
    if (!(numero > 0)) return 0;
    int16_t prefisso = -1;
    const std::string percorso = DAMMIFILE_S(numero, prefisso);
    long long lunghezza = 0;
    return platform::esisteFile(percorso, &lunghezza) && lunghezza != 0 ? 1 : 0;
}

void ELIMINA(double numero) {
    const ValoriOpen valori = salvaValoriOpen();
    TRACCIA("ELIMINA");
    if (!(numero > 0)) return;
    if (CANALE[indiceSlot(numero)] != 0) CHIUDIFILE(numero);
    if (VERBASE(numero) == 0) return;  // a missing or empty file is left alone
    ripristinaValoriOpen(valori);
    int16_t prefisso = -1;
    const std::string percorso = DAMMIFILE_S(numero, prefisso);
    if (percorso.empty()) return;
    CHIUDIFILE(numero);
    const int canale = platform::canaleLibero();
    platform::apriIngresso(canale, percorso);
    long long lunghezza = 0;
    try {
        lunghezza = platform::lunghezzaCanale(canale);
    } catch (...) {
        platform::chiudiCanale(canale);
        throw;
    }
    platform::chiudiCanale(canale);
    if (lunghezza > 0) platform::eliminaFile(percorso);
}

void RICREAFILE(double numero) {
    const ValoriOpen valori = salvaValoriOpen();
    ELIMINA(numero);
    ripristinaValoriOpen(valori);
    FAIOPEN(numero);
}

int16_t ESISTEFILE(const std::string& percorso) {
    int canale = 0;
    try {
        canale = platform::canaleLibero();
        platform::apriIngresso(canale, percorso);
        platform::chiudiCanale(canale);
        return -1;
    } catch (const runtime::ErroreRuntime&) {
        try {
            if (canale != 0) platform::chiudiCanale(canale);
        } catch (const runtime::ErroreRuntime&) {
        }
        return 0;
    }
}

double VERIFICA(const std::string& nome, int16_t luogo) {
    TRACCIA("VERIFICA");
    const std::string& cartella = luogo == 0 ? PERCORSOARCHIVI : PERCORSOPROGRAMMI;
    long long lunghezza = 0;
    return platform::esisteFile(cartella + "\\" + nome, &lunghezza) && lunghezza != 0 ? 1 : 0;
}

void azzeraSlot() {
    CANALE.fill(0);
    for (auto& area : AREAREC)
        area.clear();
    LUNREC.fill(0);
    try {
        platform::chiudiTuttiICanali();
    } catch (const runtime::ErroreRuntime&) {
        // Starting afresh: a file left by an earlier run cannot be flushed any more.
    }
}

}  // namespace archive
