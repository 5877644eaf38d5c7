#include "archive/traccia.h"

#include <new>
#include <string>

#include "archive/configurazione.h"
#include "archive/slot_file.h"
#include "platform/fine_programma.h"
#include "platform/servizi_ui.h"

namespace archive {

namespace {

constexpr const char* CRLF = "\r\n";
constexpr const char* TITOLO = "Ponteval";

int16_t indiceValido() {
    return (TRACCIA_INDICE >= 0 && TRACCIA_INDICE <= 10) ? TRACCIA_INDICE : 0;
}

// The report's last step: every file is closed (this also releases the archive semaphore)
// and the program ends. A failure while closing cannot be reported any further.
[[noreturn]] void chiudiETermina() {
    try {
        CHIUDIFILE(0);
    } catch (const std::exception&) {
    }
    platform::terminaProgramma(platform::USCITA_ERRORE);
}

}  // namespace

void TRACCIA(std::string_view nome) {
    int16_t i = indiceValido();
    // A routine called many times in a row keeps one entry.
    if (TRACCIA_ELENCO[i] == nome) return;
    i = i >= 10 ? 1 : static_cast<int16_t>(i + 1);
    TRACCIA_ELENCO[i].assign(nome);
    TRACCIA_INDICE = i;
}

EsitoErrore SEGNALAERRORE(const runtime::ErroreRuntime& errore) {
    using platform::Icona;
    using platform::MSGBOX;
    using platform::Pulsanti;
    using platform::Risposta;

    // An hourglass left on by the failed routine would hang over the boxes.
    platform::servizi().clessidra(false);

    const int n = errore.numero();
    if (n == runtime::ERR_STAMPANTE) {
        if (MSGBOX("ERR.STAMPANTE - SI VUOLE RITENTARE ?", Pulsanti::SiNo, Icona::Critica,
                   TITOLO) == Risposta::Si)
            return EsitoErrore::Riprova;
        if (MSGBOX("CHIUDERE IL PROGRAMMA ? (se si risp.NO il progr.perde la riga e prosegue)",
                   Pulsanti::SiNo, Icona::Esclamazione, TITOLO) == Risposta::No)
            return EsitoErrore::Salta;
        chiudiETermina();
    }

    std::string testo = "Errore " + std::to_string(n) + " " + errore.descrizione() + CRLF;
    // Oldest first: from the entry after the latest, wrapping, to the latest.
    const int16_t ultimo = indiceValido();
    for (int k = 1; k <= 10; ++k) {
        testo += TRACCIA_ELENCO[(ultimo + k - 1) % 10 + 1];
        testo += CRLF;
    }
    MSGBOX(testo, Pulsanti::OK, Icona::Critica, std::string(TITOLO) + " " + NOMEPROGRAMMA);
    MSGBOX(std::string("CHIUDERE TUTTE LE APPLICAZIONI DELLA TASK") + CRLF +
               "LANCIARE RIPRISTINO TASK",
           Pulsanti::OK, Icona::Informazione, TITOLO);
    chiudiETermina();
}

void istruzioneStampa(const std::function<void()>& istruzione) {
    for (;;) {
        try {
            istruzione();
            return;
        } catch (const runtime::ErroreRuntime& e) {
            if (e.numero() != runtime::ERR_STAMPANTE) throw;
            if (SEGNALAERRORE(e) == EsitoErrore::Salta) return;
        }
    }
}

namespace {

// Reports one error caught at the boundary; true when the event is to run again (a printer
// error that nobody resumed earlier, answered "retry": the event is the statement to repeat).
bool riportaAlConfine(const runtime::ErroreRuntime& e) {
    return SEGNALAERRORE(e) == EsitoErrore::Riprova;
}

}  // namespace

void eventoProtetto(const std::function<void()>& evento) {
    for (;;) {
        try {
            evento();
            return;
        } catch (const platform::FineProgramma&) {
            throw;
        } catch (const runtime::ErroreRuntime& e) {
            if (!riportaAlConfine(e)) return;
        } catch (const std::bad_alloc&) {
            if (!riportaAlConfine(runtime::ErroreRuntime{runtime::ERR_MEMORIA})) return;
        } catch (...) {
            // Anything else is a fault of the program: it must still end through the report
            // rather than reach the window system.
            if (!riportaAlConfine(runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA})) return;
        }
    }
}

void azzeraTraccia() {
    TRACCIA_ELENCO = {};
    TRACCIA_INDICE = 0;
}

}  // namespace archive
