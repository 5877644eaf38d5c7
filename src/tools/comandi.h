#pragma once
// The commands of vxarchivio, callable in-process. Each returns the exit status:
// 0 success, 1 not found or fault found, 2 bad usage or bad input. Results go to `out`, one
// per line, fields separated by a tab, record texts as their raw bytes; messages to `err`.
// Run every command through eseguiComando, which turns errors and the end of the program
// into a status and a one-line message.

#include <functional>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>

namespace tools {

inline constexpr int ESITO_OK = 0;
inline constexpr int ESITO_NON_TROVATO = 1;
inline constexpr int ESITO_USO = 2;

// Bad usage or bad input: exit status 2 with this message.
class ErroreUso : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Flussi {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Runs a command: installs the command-line UI services (message boxes go to `err` and take
// their default button), makes the end of the program an exit status, reports errors in one
// line, closes every file afterwards.
int eseguiComando(Flussi& f, const std::function<int()>& comando);

// The archive directory: the given one (must hold QZBASE.DAT), or the installation's
// configuration (registry file, then path files) when none is given.
void impostaArchivio(const std::optional<std::string>& cartella);

int comandoDemo(Flussi& f, const std::string& cartella);
int comandoRecord(Flussi& f, const std::string& file, const std::string& numero);

enum class ModoCampo { Testo, Numero, Mostra };
int comandoCampo(Flussi& f, const std::string& descrittore, const std::string& file,
                 const std::string& numero, const std::string& occorrenza, ModoCampo modo);
int comandoCampoScrivi(Flussi& f, const std::string& descrittore, const std::string& valore,
                       const std::string& file, const std::string& numero,
                       const std::string& occorrenza);

// operazione: "trova", "successivo", "elimina", "inserisci", "inizializza", "esegui", "elenca".
int comandoIsam(Flussi& f, const std::string& operazione, const std::string& indice,
                const std::string& chiave, const std::string& numero);

// The structure of an index; with a data file and its key field ("POS,LUN"), also the index
// against the data: every entry names a record holding its key, every keyed record is there.
int comandoIndiceVerifica(Flussi& f, const std::string& indice, const std::string& dati = {},
                          const std::string& chiave = {});
// Builds the index anew from the data records' key field ("POS,LUN") and writes it over the
// index only when complete.
int comandoIndiceRicostruisci(Flussi& f, const std::string& indice, const std::string& dati,
                              const std::string& chiave);

// tipo: "cf" or "piva"; operazione: "controlla" or "decodifica" (cf only).
int comandoCodice(Flussi& f, const std::string& tipo, const std::string& operazione,
                  const std::string& codice);

// The re-hire journal: every entry in one line each (number, time, user, host, key, record,
// changed fields, state, kind), only those of one worker key, or one entry in full.
int comandoGiornale(Flussi& f, const std::optional<std::string>& numero,
                    const std::optional<std::string>& chiave);
// Puts back the before image of entry N when the record is still its after image; otherwise
// writes nothing, prints the fields changed since and returns 1.
int comandoAnnulla(Flussi& f, const std::string& numero);

}  // namespace tools
