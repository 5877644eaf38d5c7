#pragma once
// Building archives: the demo installation of vxarchivio and the blocks that test fixtures
// use to make their own archives. Everything goes through the program's own routines
// (FAIOPEN, SCRIVIREC, RepoW, ISAM), so the bytes are those the family's programs expect.
//
// A typical fixture:
//     tools::preparaArchivio(cartella.percorso());          // catalogue of the demo
//     tools::scriviDitta({1, "TEATRO LIRICO"});
//     tools::inizializzaIndice(7);
//     tools::scriviDipendente({"0010000001", "ROSSI", "MARIO", 2, 3});
//     tools::scriviDefinizioni(160, {{.descrizione = "PAGINA 1", .testata = true}, ...});
//     archive::CHIUDIFILE(0);
// The blocks leave the files they used open in their slots; close them with CHIUDIFILE(0).

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tools {

// A builder request that cannot be written as asked (the text says why, in Italian).
class ErroreCostruzione : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// ---- Catalogue -------------------------------------------------------------------------

struct VoceCatalogo {
    int numero = 0;       // file number, 1..600
    std::string modello;  // path template, at most 29 characters ("DITTE.DAT", "SWBI**.DAT")
    long lunghezza = 0;   // record length, 1..99999
};

// Record length of an index file whose keys are `lunghezzaChiave` characters long.
long lunghezzaIndice(long lunghezzaChiave);

// The catalogue of the demo installation: every file number the program opens.
std::vector<VoceCatalogo> catalogoDemo();

// The 79-character catalogue record of one entry: number (3 digits), template (29),
// record length (5 digits), blanks.
std::string recordCatalogo(const VoceCatalogo& voce);

// Writes QZBASE.DAT into the folder (a Linux path or a program path): one record per file
// number from 1 to the highest listed, blank records for the numbers not listed.
void scriviCatalogo(const std::string& cartellaArchivi, const std::vector<VoceCatalogo>& voci);

// Creates the folder when missing, makes it the archive directory (PERCORSOARCHIVI) and
// writes the catalogue into it.
void preparaArchivio(const std::string& cartellaArchivi,
                     const std::vector<VoceCatalogo>& voci = catalogoDemo());

// ---- Records -------------------------------------------------------------------------

// Field values by descriptor, written with RepoW in the order given.
using Campi = std::vector<std::pair<std::string_view, std::string>>;

// Opens the file in its slot when it is not open; returns its record length.
long apriSeChiuso(double numeroFile);

// A blank record of the file's length with the fields written into it.
std::string recordConCampi(double numeroFile, const Campi& campi);

// Writes record n of the file (opened when needed). The text is padded with blanks or
// refused when longer than the record.
void scriviRecord(double numeroFile, double numeroRecord, const std::string& testo);

// Appends a record after the last one of the file; returns its number.
double aggiungiRecord(double numeroFile, const std::string& testo);

// ---- Companies and workers ----------------------------------------------------------

struct Ditta {
    int codice = 0;    // 1..998; also the record number in file 1
    std::string nome;  // T002
    int stato = 0;     // T261: 99 marks a company that no longer exists
    Campi altri;       // any further company fields
};
void scriviDitta(const Ditta& ditta);

struct Dipendente {
    std::string chiave;   // P001: company (3), sub-company (3), worker (4) digits
    std::string cognome;  // P002
    std::string nome;     // P003
    int cessato = 0;      // P054: 0 in service, 1 left this month, 2 left earlier
    int enpals = 0;       // P168: 2 and above is a fixed-term ENPALS worker
    Campi altri;          // any further worker fields
};
// Appends the worker to file 2 and inserts its key into index 7; returns the record number.
double scriviDipendente(const Dipendente& dipendente);

// ---- Indexes ---------------------------------------------------------------------------

// Recreates the index empty (ISAM operation 9).
void inizializzaIndice(double indice);
// Inserts a key; a duplicate, a wrong key length or any refusal is an ErroreCostruzione.
void inserisciChiave(double indice, const std::string& chiave, double numeroRecord);

// ---- Page and table definitions (files 160 and 253) --------------------------------

struct RigaDefinizione {
    std::string descrizione;  // 4-26: row label, or the page title of a header
    int lunghezza = 0;        // 30-31
    char tipo = 'A';          // 32: A, D, N or the number of decimals 1..9
    bool esclusa = false;     // 37: "1", the record belongs to no page
    int setCaratteri = 0;     // 38-39: record of file 106, 0 for the default sets
    char speciale = '0';      // 40: "1" hidden, "7" "2".."5" "A".."H" special rules
    int archivio = 0;         // 43-45: help text number, 998 or 999
    int aiuto = 0;            // 47-50: help table number
    long posizione = 0;       // 50-54: position in the worker record
    int tipoSpeciale = 0;     // 65-66: 8..14 company label, 15 code of file 8
    bool testata = false;     // 67: "1", this record starts a page
    std::string nomeBreve;    // 69-72
};

// The 80-character definition record. The help number and the position share character 50:
// a help number whose last digit differs from the position's first digit cannot be stored
// and is an ErroreCostruzione (so help numbers of fields below 10000 end in 0).
std::string recordDefinizione(const RigaDefinizione& riga);

// Replaces the file's records with the definitions, from record 1.
void scriviDefinizioni(double numeroFile, const std::vector<RigaDefinizione>& righe);

// ---- Task bitmaps --------------------------------------------------------------------

// Writes SWBInn.DAT (file 312 with the task number in the year placeholder) with record 1
// marking the given worker records as held by the task.
void scriviBitmap(int task, const std::vector<long>& recordTenuti);

// ---- Fiscal codes ---------------------------------------------------------------------

// A valid personal fiscal code from the person's data (birth date as GGMMAAAA, sex "M"/"F",
// cadastral code of the municipality). The check character is the one CONTROLLACF accepts.
std::string codiceFiscale(const std::string& cognome, const std::string& nome,
                          const std::string& dataNascita, char sesso, const std::string& comune);

// ---- The demo installation -------------------------------------------------------------

// Builds the complete demo installation under `cartella` (which must not exist or be an
// empty folder): drive root with path files, task file, registry file and archive directory.
// Returns the environment lines that make the program use it.
std::vector<std::string> creaDemo(const std::string& cartella);

// Worker of the demo, as the README lists it.
struct DipendenteDemo {
    std::string chiave, cognome, nome;
    double numeroRecord = 0;
    std::string esito;  // what the worker shows
};
// The demo workers in record order (valid after creaDemo, or from the built-in table).
std::vector<DipendenteDemo> dipendentiDemo();

// Writes only the archive directory of the demo (catalogue and every file) into `cartella`.
void creaArchivioDemo(const std::string& cartellaArchivi);

}  // namespace tools
