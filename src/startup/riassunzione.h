#pragma once
// The re-hire rules: who may be taken on again, the termination data cleared before the
// data-entry pages, and the worker record rebuilt as a new hire.

namespace startup {

inline constexpr const char* MSG_NON_CESSATO = "IL DIPENDENTE NON RISULTA ESSERE UN CESSATO";
inline constexpr const char* MSG_NON_ENPALS = "IL DIPENDENTE NON E' ENPALS DETERMINATO";

// True when the worker in DIPX_S has left the company and is a fixed-term ENPALS worker;
// otherwise shows why and returns false. Reads only.
bool dipendenteIdoneo();

// Clears the termination indicator and date in DIPX_S (memory only).
void azzeraCessazione();

// Rebuilds DIPX_S from the fields a new hire keeps (every other position blank) and writes
// it as record `numeroRecord` of the worker file, in one write, under the archive semaphore
// and after its entry in the re-hire journal.
void scriviNuovoAssunto(double numeroRecord);

}  // namespace startup
