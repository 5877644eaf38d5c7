#pragma once
// The working state of one ISAM call: the file, its format, and the path from the root to
// a leaf (block text, chosen entry, used entries and block number at each level).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "isam/blocco.h"

namespace isam {

struct Percorso {
    double numero = 0;  // file number of the index
    int slot = 0;       // its slot in the file tables
    Formato f;
    std::string alta;  // the high key
    // Index 1 = root, 2 = level-2 block, 3 = leaf; index 0 unused.
    std::array<std::string, 4> T;
    std::array<long, 4> M{};       // chosen entry of each block
    std::array<long, 4> usate{};   // used entries of each block
    std::array<long, 4> blocco{};  // block number of each block on the path
    bool vuoto = false;            // the root has no used entry
    bool trovato = false;          // the leaf entry M[3] holds the key
    bool radiceIntera = false;     // T[1] holds the whole root, read before the checks
    int ultimaLettura = 0;         // level of the latest block read, not yet in the record area
    // "LEGGIREC (n-" for the trace, kept while the file number stays the same.
    std::string traccia;
    double numeroTraccia = -1;
};

// The path of the current call. Its block buffers keep their memory from call to call
// (every block is read before it is used), so a find allocates nothing.
Percorso& percorsoDiLavoro(double numero, int slot);

// Whether the index file holds any byte. It reads the root, which is the only way a
// find learns the length, without any side effect; the next root read of the call
// takes that block as if it were read then (trace entry and record area included).
bool fileConDati(Percorso& p);
void prendiRadice(Percorso& p);

// Reads block `numero` of the index into p.T[livello]; a number outside the file or
// a block that breaks the format is a run-time error.
void leggiBlocco(Percorso& p, int livello, long numero);
// Writes a block text as block `numero`.
void scriviBlocco(Percorso& p, long numero, const std::string& blocco);
// Leaves the latest block read in the file's record area, as a record read leaves it.
// Every call ends with it (before its first write, or on the way out).
void lasciaArea(Percorso& p) noexcept;
// The child block named by entry m of the block at `livello` (1 or 2).
long figlio(const Percorso& p, int livello, long m);
// A leaf entry's data record number: anything outside 1..999999 is damage.
double numeroDati(const Percorso& p, long m);
// Number of whole blocks in the file.
long blocchiNelFile(const Percorso& p);

// Descends from the root to the leaf for `chiave`: three block reads.
void trova(Percorso& p, std::string_view chiave);
// The same descent down to the level-2 block (M[2] chosen, the leaf not read).
void trovaRamo(Percorso& p, std::string_view chiave);

// The path of a call on index `numeroFile` (its slot checked).
Percorso& percorsoDelFile(double numeroFile);
// The checks every ISAM call makes before its operation, with their messages; false when
// one of them refused the call (its result is then -1). Sets the key length and high key.
bool controllaChiamata(Percorso& p, double numeroFile, const std::string& chiave,
                       int16_t operazione);

double inserisci(Percorso& p, const std::string& chiave, double record);
double cancella(Percorso& p, const std::string& chiave);

}  // namespace isam
