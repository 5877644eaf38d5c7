#pragma once
// Fault injection for tests: makes the Nth system call of one kind in the file layer fail with
// a chosen errno, so that tests can show how every failure of the disk is handled. The program
// never arms it; when nothing is armed each call site pays one test of a boolean.
//
// The same hook counts round trips: on a network share every call that reaches the file (open,
// read, write, flush, lock, rename) waits for the server, so benchmarks count them and can make
// each one wait a fixed time, as a share without client caching does.

#include <chrono>

namespace platform {

enum class Chiamata : int {
    Apertura,   // open of a file or folder
    Lettura,    // pread, read
    Scrittura,  // pwrite, write
    Sincronia,  // fsync (the flush of a written file)
    Rinomina,   // rename
    Blocco,     // the exclusive lock of the semaphore
};
inline constexpr int NUMERO_CHIAMATE = 6;

namespace dettaglio_guasti {
inline bool armato = false;
bool scatta(Chiamata chiamata);
}  // namespace dettaglio_guasti

// True, with errno set, when this call must fail instead of being made. Counts the call.
inline bool guasto(Chiamata chiamata) {
    return dettaglio_guasti::armato && dettaglio_guasti::scatta(chiamata);
}

// From now on the `ennesima`-th call (1-based) of that kind fails with `codiceErrno`, once.
// ennesima 0 only counts the calls. Arming one kind keeps the others as they were.
void armaGuasto(Chiamata chiamata, int ennesima, int codiceErrno);
// Calls of that kind made since the switch was armed.
int chiamateContate(Chiamata chiamata);
// Back to no injection and no counting (round trips excepted).
void disarmaGuasti();

// From now on the `ennesima`-th call of any kind (1-based) runs `azione` before it is made: a
// test stops the process there, as a kill or a power cut would. 0 switches it off.
void armaInterruzione(long long ennesima, void (*azione)());

// From now on every call of any kind counts as one round trip and, with a delay, waits that
// long before it is made. The count starts again from 0.
void contaViaggi(std::chrono::microseconds ritardo = std::chrono::microseconds{0});
// Round trips since contaViaggi.
long long viaggiContati();
// Round trips of one kind since contaViaggi.
long long viaggiContati(Chiamata chiamata);
// No more counting and no more delay.
void fermaViaggi();

}  // namespace platform
