#pragma once
// Ending the program. In the program this closes every channel and ends the process with the
// given exit code; tests install a handler that throws FineProgramma instead.

#include <functional>

namespace platform {

// Exit codes of vxmira (documented in the README).
enum CodiceUscita : int {
    USCITA_NORMALE = 0,         // end of run (task file written back)
    USCITA_ERRORE = 1,          // after the error report
    USCITA_MESSAGGIO = 2,       // after a consistency message (archive or dictionary fault)
    USCITA_CONFIGURAZIONE = 3,  // configuration error
    USCITA_ALTRA_COPIA = 4,     // another copy of the program is running
    USCITA_NO_SCHERMO = 5,      // no display to show windows on
};

struct FineProgramma {
    int codice;
};

[[noreturn]] void terminaProgramma(int codice);

// Replaces how the program ends (tests: throw FineProgramma{codice}). The handler must not
// return; an empty function restores the default.
void impostaFineProgramma(std::function<void(int)> gestore);

}  // namespace platform
