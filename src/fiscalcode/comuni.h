#pragma once
// The municipalities file (file 4) of an installation, written from a text list: one line per
// municipality or foreign state, "code<TAB>name<TAB>province", "#" lines and empty lines ignored.

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fiscalcode {

struct Comune {
    std::string codice;     // cadastral code: an upper-case letter and three digits
    std::string nome;       // upper case, 1 to 20 characters
    std::string provincia;  // two upper-case letters, "EE" for a foreign state
};

// A list that cannot be written as it is; the text says where and why, in Italian.
class ErroreElencoComuni : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads and checks the whole list; `fonte` names it in the messages. The result is in
// ascending code order. Malformed lines, duplicate codes and an empty list are refused.
std::vector<Comune> leggiElencoComuni(std::istream& testo, const std::string& fonte);
std::vector<Comune> leggiElencoComuni(const std::string& percorso);

// The list of the demo installation, built into the program.
std::string_view elencoComuniDemo();

// The record of file 4 for one municipality: code at 2-5, name at 7-26, province at 28-29,
// blanks elsewhere up to `lunghezza`.
std::string recordComune(const Comune& comune, long lunghezza);

// Replaces file 4 with the given municipalities in ascending code order (the search of the
// fiscal code decoder relies on it), one record each; returns how many were written. A record
// length below 29 in the catalogue is refused before the file is touched; if writing fails,
// the partial file is removed and the error travels on.
long scriviFileComuni(std::vector<Comune> comuni);

// File 4 of the demo installation: the built-in list, written as above.
long scriviComuniDemo();

}  // namespace fiscalcode
