#pragma once
// One line of the journal: the JSON text of an event and its reading back. A line that cannot
// be read is "damaged" with a reason, never an error: the journal is advice beside the
// archive, and a cut or spoilt line must not stop anyone.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace journal {

inline constexpr const char* TIPO_RIASSUNZIONE = "riassunzione";
inline constexpr const char* TIPO_ANNULLAMENTO = "annullamento";
inline constexpr long FILE_DIPENDENTI = 2;  // the only file the journal speaks of

struct Voce {
    std::string tipo;  // TIPO_RIASSUNZIONE or TIPO_ANNULLAMENTO
    long annulla = 0;  // annullamento: the number of the entry it undid
    std::string ora, utente, host, task, programma;  // as given by the system (UTF-8)
    long file = 0;
    long record = 0;
    std::string chiave;  // worker key, Windows-1252
    std::string prima;   // the whole record before and after, as on disk
    std::string dopo;
};

// The JSON text of the entry, with its changed fields, on one line (no line end).
std::string rigaJson(const Voce& voce);

struct Lettura {
    std::optional<Voce> voce;
    std::string guasto;  // why the line is damaged, when there is no entry
};

// Reads a line (without its line end). `numero` is its line number, which an undo must
// exceed.
Lettura leggiRiga(std::string_view riga, long numero);

// Cuts a byte stream, given in pieces of any size, into numbered lines at LF (a CR before
// it is dropped). The last line needs no line end. A line longer than `massimo` bytes is
// passed on empty with `troppoLunga` set, without being kept in memory.
class Righe {
  public:
    using Destinatario = std::function<void(long numero, std::string_view riga, bool troppoLunga)>;
    Righe(Destinatario destinatario, size_t massimo = 16u << 20)
        : destinatario_(std::move(destinatario)), massimo_(massimo) {}
    void aggiungi(std::string_view pezzo);
    void fine();  // the last line, when the stream ends without a line end
    long righe() const { return numero_; }  // lines passed on so far

  private:
    void consegna();
    Destinatario destinatario_;
    size_t massimo_;
    std::string riga_;
    bool lunga_ = false;
    bool aperta_ = false;  // a line has begun and not ended
    long numero_ = 0;
};

}  // namespace journal
