#pragma once
// The keyed-access routine over the family's three-level index files, and the structure
// check of an index.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace isam {

// Operation codes of ISAM.
enum : int16_t {
    ISAM_INSERISCI = 1,
    ISAM_TROVA = 2,
    ISAM_CANCELLA = 3,
    ISAM_SUCCESSIVA = 4,
    ISAM_INIZIALIZZA = 9,
};

// Result of next at the end of the index.
inline constexpr double ISAM_FINE = 999999;

// The key found by the latest next operation (the high key at the end of the index).
inline std::string CHIAVEISAM_S;

// Find (2), next (4), insert (1), delete (3) or initialise (9) on the index file
// `numeroFile`, which must be open in its slot except for 9. Returns the data record
// number, -1 or 999999 (next at the end). Wrong arguments show a message and give -1;
// a damaged index or a root with no room is a run-time error, before anything is written.
double ISAM(double numeroFile, const std::string& chiave, int16_t operazione, double record);

// One key of an index and the data record number it carries.
struct VoceIndice {
    std::string chiave;
    double record = 0;
};

// The keys after `chiave` while they start with `prefisso`: exactly those, in that order, that
// next calls passing back each key would give, but read a leaf at a time. Each leaf is read
// under the archive semaphore as one short critical sequence (so the keys are as fresh as one
// leaf), and handed to `consegna` once the semaphore is released; false from it stops the walk.
// CHIAVEISAM_S ends as the last of those next calls leaves it: the first key without the prefix,
// or the high key. Returns 0, or -1 when the call's checks refused it (with their message).
double scorriIntervallo(double numeroFile, const std::string& chiave, std::string_view prefisso,
                        const std::function<bool(const std::vector<VoceIndice>&)>& consegna);

// Checks the structure of the index file `numeroFile` (resolved through the catalogue;
// opened and closed again here when its slot is not open, with the one-shot path values
// kept for the caller). Returns one line per fault found, empty for a sound index.
std::vector<std::string> verificaIndice(double numeroFile);
// The same check, stopping at the first fault: true for a sound index.
bool indiceSano(double numeroFile);

void azzeraIsam();

}  // namespace isam
