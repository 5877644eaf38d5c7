#pragma once
// The procedure trace (a ring of the last ten procedure names) and the error report.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "runtime/errore.h"

namespace archive {

// Entries 1..10 are used; entry 0 stays empty. TRACCIA_INDICE is the latest entry (0 at start).
inline std::array<std::string, 11> TRACCIA_ELENCO;
inline int16_t TRACCIA_INDICE = 0;

void TRACCIA(std::string_view nome);

enum class EsitoErrore { Riprova, Salta };

// Reports a run-time error. Ends the program in every case except a printer error (482),
// where the user's answer says whether the failed statement runs again or is skipped.
EsitoErrore SEGNALAERRORE(const runtime::ErroreRuntime& errore);

// Runs one printing statement under the printer rule: on error 482 the user may retry it
// or skip it; every other error travels on to the caller.
void istruzioneStampa(const std::function<void()>& istruzione);

// The event boundary: runs a window event or the start-up routine; any run-time error
// ends in SEGNALAERRORE, and no exception leaves this function (FineProgramma excepted,
// which is how tests see the end of the program). Out of memory is reported as error 7,
// any other exception as error 5. A printer error that reaches here unhandled is retried by
// running the whole event again, or skipped by abandoning the rest of the event.
void eventoProtetto(const std::function<void()>& evento);

void azzeraTraccia();

}  // namespace archive
