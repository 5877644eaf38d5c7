#pragma once
// Runs the real vxarchivio executable with its own standard streams.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/cartella_temporanea.h"

namespace prove {

struct Esito { int codice = -1; std::string out, err; };

// Runs vxarchivio with the arguments, through the shell with every word in single quotes;
// `ingresso` is its standard input.
inline Esito vxarchivio(const std::vector<std::string>& argomenti, const std::string& ingresso = {}) {
    supporto::CartellaTemporanea flussi;
    flussi.scrivi("in", ingresso);
    const auto citato = [](std::string t) {
        for (size_t i = 0; (i = t.find('\'', i)) != std::string::npos; i += 4) t.replace(i, 1, "'\\''");
        return " '" + t + "'";
    };
    std::string riga = citato(VXARCHIVIO);
    for (const auto& a : argomenti) riga += citato(a);
    riga += " <" + citato(flussi.file("in")) + " >" + citato(flussi.file("out")) + " 2>" + citato(flussi.file("err"));
    const int stato = std::system(riga.c_str());
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato), flussi.leggi("out"), flussi.leggi("err")};
}

// Every regular file under a folder with its bytes, by relative path.
inline std::map<std::string, std::string> contenuto(const std::string& cartella) {
    std::map<std::string, std::string> file;
    for (const auto& voce : std::filesystem::recursive_directory_iterator(cartella))
        if (voce.is_regular_file())
            file[std::filesystem::relative(voce.path(), cartella).string()] = supporto::leggiFile(voce.path().string());
    return file;
}

}  // namespace prove
