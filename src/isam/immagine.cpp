// An index rewritten whole through an image beside it, and the end of a write a kill interrupted.

#include "isam/immagine.h"

#include <algorithm>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "isam/blocco.h"
#include "isam/isam.h"
#include "platform/canali.h"
#include "platform/percorsi.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace isam {

namespace {

constexpr long long PEZZO = 1 << 20;

// The index's path from the catalogue, looked up without leaving a sign: the trace, the
// one-shot path values and the record length of the latest lookup stay as they were.
std::string percorsoIndice(double numero) {
    const auto traccia = archive::TRACCIA_ELENCO;
    const auto ultimaTraccia = archive::TRACCIA_INDICE;
    const archive::ValoriOpen valori = archive::salvaValoriOpen();
    const std::string disco = archive::DISCOOPEN;
    const double lunghezza = archive::LUNRECBASE;
    int16_t prefisso = -1;
    const std::string percorso = archive::DAMMIFILE_S(numero, prefisso);
    archive::TRACCIA_ELENCO = traccia;
    archive::TRACCIA_INDICE = ultimaTraccia;
    archive::ripristinaValoriOpen(valori);
    archive::DISCOOPEN = disco;
    archive::LUNRECBASE = lunghezza;
    return percorso;
}

std::string percorsoImmagine(const std::string& indice) {
    return indice + ".NUOVO";
}
std::string percorsoSegno(const std::string& indice) {
    return indice + ".SCRITTURA";
}
std::string nomeSenzaCartella(const std::string& percorso) {
    const size_t barra = percorso.find_last_of("\\/");
    return barra == std::string::npos ? percorso : percorso.substr(barra + 1);
}

// The whole content of channel `da` written over channel `a`, which ends at the same length.
void copia(int da, int a) {
    const long long lunghezza = platform::lunghezzaCanale(da);
    std::string pezzo;
    for (long long posizione = 0; posizione < lunghezza; posizione += PEZZO) {
        pezzo.resize(static_cast<size_t>(std::min(PEZZO, lunghezza - posizione)));
        if (!platform::leggiBlocco(da, posizione, pezzo))
            throw runtime::ErroreRuntime{runtime::ERR_FINE_FILE};
        platform::scriviBlocco(a, posizione, pezzo);
    }
    platform::troncaCanale(a, lunghezza);
}

// The marker's line: the image's name and length, "NOME<TAB>LUNGHEZZA".
std::string testoSegno(const std::string& immagine, long long lunghezza) {
    return nomeSenzaCartella(immagine) + "\t" + std::to_string(lunghezza);
}

// Writes the image that the marker names over the index, flushed, then removes both.
void finisci(const std::string& indice) {
    const std::string segno = percorsoSegno(indice);
    const std::string immagine = percorsoImmagine(indice);
    long long lunghezza = -1;
    // A marker that does not name the complete image beside it was not written by a sound
    // write: the index is left alone and reported damaged rather than guessed at.
    if (!platform::esisteFile(immagine, &lunghezza) ||
        archive::primaRigaFile(segno) != testoSegno(immagine, lunghezza))
        indiceDanneggiato();
    {
        platform::CanaleAperto da;
        platform::apriBinarioLettura(da.numero(), immagine);
        platform::CanaleAperto a;
        platform::apriBinario(a.numero(), indice);
        copia(da.numero(), a.numero());
        a.chiudi();
    }
    platform::eliminaFile(segno);
    platform::eliminaFile(immagine);
}

}  // namespace

ImmagineIndice::ImmagineIndice(double numeroFile, bool copiaIndice)
    : slot_(archive::indiceSlot(numeroFile)),
      indice_(percorsoIndice(numeroFile)),
      immagine_(percorsoImmagine(indice_)) {
    if (platform::esisteFile(immagine_)) platform::eliminaFile(immagine_);
    canale_ = platform::canaleLibero();
    platform::apriBinario(canale_, immagine_);
    try {
        if (copiaIndice) {
            copia(archive::CANALE[static_cast<size_t>(slot_)], canale_);
        } else {
            azzera();
        }
    } catch (...) {
        abbandona();
        throw;
    }
}

ImmagineIndice::~ImmagineIndice() {
    abbandona();
}

void ImmagineIndice::abbandona() noexcept {
    try {
        platform::chiudiCanale(canale_);
        if (!segnata_ && platform::esisteFile(immagine_)) platform::eliminaFile(immagine_);
    } catch (...) {
    }
}

void ImmagineIndice::sullImmagine(const std::function<void()>& azione) {
    auto& canale = archive::CANALE[static_cast<size_t>(slot_)];
    struct Scambio {
        int16_t& canale;
        int16_t indice;
        ~Scambio() { canale = indice; }
    } scambio{canale, canale};
    canale = static_cast<int16_t>(canale_);
    azione();
}

void ImmagineIndice::azzera() {
    const auto R = static_cast<long>(archive::LUNREC[static_cast<size_t>(slot_)]);
    platform::troncaCanale(canale_, 0);
    platform::scriviBlocco(canale_, 0, bloccoVuoto(Formato{R / VOCI_BLOCCO - 7}, '1'));
}

void ImmagineIndice::scrivi() {
    const long long lunghezza = platform::lunghezzaCanale(canale_);
    platform::chiudiCanale(canale_);  // flushed to disk before the marker names it
    platform::sostituisciFile(percorsoSegno(indice_), testoSegno(immagine_, lunghezza) + "\r\n");
    segnata_ = true;
    finisci(indice_);
}

bool scritturaInterrotta(double numeroFile) {
    return platform::esisteFile(percorsoSegno(percorsoIndice(numeroFile)));
}

bool completaScrittura(double numeroFile) {
    const std::string indice = percorsoIndice(numeroFile);
    if (platform::esisteFile(percorsoSegno(indice))) {
        finisci(indice);
        return true;
    }
    if (platform::esisteFile(percorsoImmagine(indice)))
        platform::eliminaFile(percorsoImmagine(indice));
    return false;
}

}  // namespace isam
