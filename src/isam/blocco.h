#pragma once
// One block of an index file: 128 entries of key + level digit + six-digit record number,
// used entries first and sorted, empty entries (high key) after them.

#include <string>
#include <string_view>

#include "runtime/errore.h"

namespace isam {

inline constexpr long VOCI_BLOCCO = 128;
inline constexpr long META_BLOCCO = VOCI_BLOCCO / 2;
inline constexpr char CARATTERE_ALTO = '\xFC';
inline constexpr long NUMERO_MASSIMO = 999999;

// Run-time errors of the engine: an index whose root has no room left, and an index whose
// bytes break the format (the engine refuses to go on rather than guess).
inline constexpr int ERRORE_RADICE_PIENA = runtime::ERR_INDICE;
inline constexpr int ERRORE_INDICE_DANNEGGIATO = runtime::ERR_NUMERO_RECORD;

// Sizes of one index, from its key length L.
struct Formato {
    long L = 0;
    long voce() const { return L + 7; }
    long blocco() const { return voce() * VOCI_BLOCCO; }
};

std::string chiaveAlta(long L);
std::string vocevuota(const Formato& f, char livello);
std::string bloccoVuoto(const Formato& f, char livello);
// The six zero-padded digits of a record number (1..999999).
std::string seiCifre(double numero);

// Number of used entries: up to the first character 252, 128 when there is none. A 252
// that does not start an entry means a damaged block: run-time error.
long vociUsate(std::string_view blocco, const Formato& f);

// Key of entry m (1..128), as a view into the block.
std::string_view chiaveVoce(std::string_view blocco, const Formato& f, long m);
char livelloVoce(std::string_view blocco, const Formato& f, long m);
// Record number of entry m, or -1 when its six characters are not all digits.
long numeroVoce(std::string_view blocco, const Formato& f, long m);

// The entry of the block for a key: the exact one when present, else the last one below
// the key, else the first. Only the `usate` used entries are ever compared.
long cercaNelBlocco(std::string_view blocco, const Formato& f, std::string_view chiave, long usate);

// Puts a whole entry beside entry m (after it when its key is greater), shifting the
// following used entries right; the block must have an empty entry.
void mettiVoce(std::string& blocco, const Formato& f, long m, long usate, std::string_view voce);
// Removes entry m, closing up the following ones; the freed slot becomes empty.
void togliVoce(std::string& blocco, const Formato& f, long m, long usate, char livello);
// Overwrites the key of entry m.
void cambiaChiave(std::string& blocco, const Formato& f, long m, std::string_view chiave);

// A block made of entries [da, a] of `origine`, followed by empty entries of `livello`.
std::string metaBlocco(std::string_view origine, const Formato& f, long da, long a, char livello);

[[noreturn]] void indiceDanneggiato();

}  // namespace isam
