#pragma once
// The channel table: channels 1..255 over the system's file handles, as the program numbers its
// open files. Paths are program paths (see percorsi.h). Every operating-system failure is the
// run-time error of its errno; a channel outside 1..255 or not open is error 52.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

inline constexpr int PRIMO_CANALE = 1;
inline constexpr int ULTIMO_CANALE = 255;

// The lowest channel not open; error 67 when all 255 are.
int canaleLibero();
bool canaleAperto(int canale);

// Binary, shared for reading and writing by anyone; a missing file is created empty.
void apriBinario(int canale, const std::string& percorso);
// Binary, shared, for reading only; the file must exist.
void apriBinarioLettura(int canale, const std::string& percorso);
// As apriBinario, then waits (without spinning) until this channel holds the file against
// every other program; closing the channel releases it. An open that fails because another
// program holds the file (a sharing violation, EBUSY on an SMB mount) is tried again after a
// short pause. On Linux the hold is an open-file-description lock besides.
void apriBinarioEsclusivo(int canale, const std::string& percorso);
// For appending, shared; a missing file is created empty. Blocks can be read (leggiBlocco) but
// the only write is scriviInFondo.
void apriAggiunta(int canale, const std::string& percorso);
// Sequential text input, shared; the file must exist.
void apriIngresso(int canale, const std::string& percorso);
// Sequential text output; the file is created or emptied.
void apriUscita(int canale, const std::string& percorso);

// Closes a channel (nothing when it is not open). A file written through it is flushed to
// disk first; a failed flush is an error, and the channel is closed all the same.
void chiudiCanale(int canale);
// Closes every open channel; the first failure is raised after all are closed.
void chiudiTuttiICanali();

// Reads dati.size() bytes at the 0-based offset. false when the file ends before the whole
// block: then the bytes that exist are at the start of `dati` and the rest is unchanged.
bool leggiBlocco(int canale, long long posizione, std::string& dati);
// As leggiBlocco, telling how many bytes the file had there (dati.size() but at its end).
size_t leggiFinoA(int canale, long long posizione, std::string& dati);
void scriviBlocco(int canale, long long posizione, std::string_view dati);
// Makes a binary channel's file exactly `lunghezza` bytes long (cut or zero-extended); it
// counts as written, so closing the channel flushes it to disk.
void troncaCanale(int canale, long long lunghezza);
long long lunghezzaCanale(int canale);
// Appends `dati` at the end of an append channel in one write (another writer's append never
// lands inside it), then flushes the file to disk. A failed flush is an error.
void scriviInFondo(int canale, std::string_view dati);

// Text lines end at CR LF, CR or LF. false at the end of the file (riga is then empty).
bool leggiRiga(int canale, std::string& riga);
// Writes the text followed by CR LF.
void scriviRiga(int canale, std::string_view riga);
// End of file of a text input channel: nothing more to read.
bool fineFile(int canale);

// A free channel for one scope, closed on every way out; a failure to close on the error path
// must not hide the first. Open it at once: until then canaleLibero() would give its number
// again.
class CanaleAperto {
  public:
    CanaleAperto() : canale_(canaleLibero()) {}
    ~CanaleAperto() {
        try {
            chiudiCanale(canale_);
        } catch (...) {
        }
    }
    CanaleAperto(const CanaleAperto&) = delete;
    CanaleAperto& operator=(const CanaleAperto&) = delete;
    int numero() const { return canale_; }
    void chiudi() { chiudiCanale(canale_); }

  private:
    int canale_;
};

}  // namespace platform
