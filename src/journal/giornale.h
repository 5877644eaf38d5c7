#pragma once
// The journal file VXMIRA.JNL in the archive directory: every change this program makes to a
// worker record is appended there, flushed to disk, before the record is written. The other
// programs of the family never read it. Every routine here but `annulla` expects the caller
// to hold the archive semaphore.

#include <optional>
#include <string>
#include <vector>

#include "journal/differenze.h"
#include "journal/voce.h"

namespace journal {

std::string percorsoGiornale();

// Appends one line in one write and flushes it; when the file does not end with a line end
// (a line cut by a crash) a new line is started first.
void aggiungiRiga(const std::string& rigaJson);

// Write-ahead: the record on disk is the before image, the entry is appended, and only then
// is `dopo` written as record `record` of the worker file (which must be open). `annulla`: the
// entry this write undoes (0 for a re-hire). A failed append leaves the record untouched.
Voce scriviConGiornale(double record, const std::string& dopo, long annulla = 0);

enum class Stato {
    Applicata,       // the record on disk is the after image
    NonApplicata,    // the record on disk is the before image: the write never happened
    ModificataDopo,  // the record has changed since
    Annullata,       // a later undo entry put the before image back
};
const char* nomeStato(Stato stato);

struct RigaLetta {
    long numero = 0;           // line number: the entry's number
    std::optional<Voce> voce;  // nothing when the line is damaged
    std::string guasto;
    Stato stato = Stato::ModificataDopo;
    long annullataDa = 0;  // the undo entry, for Annullata
    size_t campi = 0;      // number of changed fields
};

struct Giornale {
    std::vector<RigaLetta> righe;  // entries and damaged lines; empty lines are left out
    long numeroRighe = 0;          // every line, the last one even without its line end
};

// Reads the journal and judges each entry against the worker file as it is now (opened when
// not open). Record images are kept for entry `conImmagini` only. No journal: no lines.
Giornale leggiGiornale(long conImmagini = 0);

struct EsitoAnnullamento {
    bool fatto = false;
    long nuova = 0;       // the number of the undo entry appended
    std::string motivo;   // why nothing was written
    Differenze cambiate;  // from the entry's after image to the record on disk, when refused
};

// Under the semaphore: puts back the before image of entry `numero` when the record on disk is
// still its after image, appending the undo entry first; otherwise writes nothing.
EsitoAnnullamento annulla(long numero);

}  // namespace journal
