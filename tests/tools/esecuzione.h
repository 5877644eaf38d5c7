#pragma once
// Runs the real vxarchivio executable with its own environment and standard streams.

#include <map>
#include <string>
#include <vector>

#include "support/cartella_temporanea.h"

namespace prove {

struct Esito {
    int codice = -1;
    std::string out, err;
};

// Runs vxarchivio with the arguments; `ingresso` is its standard input; `ambiente` adds or
// replaces environment variables (an empty value removes the variable).
Esito vxarchivio(const std::vector<std::string>& argomenti, const std::string& ingresso = {},
                 const std::map<std::string, std::string>& ambiente = {});

// Every regular file under a folder with its bytes, by relative path.
std::map<std::string, std::string> contenuto(const std::string& cartella);

using supporto::leggiFile;
using supporto::scriviFile;

}  // namespace prove
