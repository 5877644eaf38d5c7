#pragma once
// Run-time errors with the numbers and Italian descriptions of the original run time.

#include <exception>
#include <string>

namespace runtime {

// Error numbers used by the program. The descriptions live in errore.cpp.
enum : int {
    ERR_CHIAMATA_NON_VALIDA = 5,  // Invalid procedure call or argument
    ERR_OVERFLOW = 6,             // Overflow
    ERR_MEMORIA = 7,              // Out of memory
    ERR_INDICE = 9,               // Subscript out of range
    ERR_DIVISIONE_ZERO = 11,      // Division by zero
    ERR_TIPO = 13,                // Type mismatch
    ERR_CANALE = 52,              // Bad file name or number
    ERR_FILE_NON_TROVATO = 53,    // File not found
    ERR_MODO_FILE = 54,           // Bad file mode
    ERR_FILE_GIA_APERTO = 55,     // File already open
    ERR_IO = 57,                  // Device I/O error
    ERR_FILE_ESISTENTE = 58,      // File already exists
    ERR_LUNGHEZZA_RECORD = 59,    // Bad record length
    ERR_DISCO_PIENO = 61,         // Disk full
    ERR_FINE_FILE = 62,           // Input past end of file
    ERR_NUMERO_RECORD = 63,       // Bad record number
    ERR_TROPPI_FILE = 67,         // Too many files
    ERR_PERMESSO = 70,            // Permission denied
    ERR_ACCESSO_PERCORSO = 75,    // Path/File access error
    ERR_PERCORSO = 76,            // Path not found
    ERR_STAMPANTE = 482,          // Printer error
};

// The standard Italian description of an error number ("Errore definito
// dall'applicazione o dall'oggetto" for numbers the run time does not know).
std::string descrizioneErrore(int numero);

// The run-time error nearest to an operating-system error (errno).
int erroreDaErrno(int codiceErrno);

class ErroreRuntime : public std::exception {
  public:
    explicit ErroreRuntime(int numero) : numero_(numero), testo_(descrizioneErrore(numero)) {}
    int numero() const noexcept { return numero_; }
    const std::string& descrizione() const noexcept { return testo_; }
    const char* what() const noexcept override { return testo_.c_str(); }

  private:
    int numero_;
    std::string testo_;
};

// Raises the run-time error that corresponds to errno's current value.
[[noreturn]] void erroreDaSistema(int codiceErrno);

}  // namespace runtime
