#include "platform/percorsi.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/guasti.h"
#include "runtime/codice_pagina.h"
#include "runtime/errore.h"
#include "runtime/testo.h"

namespace platform {

namespace {

std::string variabile(const char* nome) {
    const char* v = std::getenv(nome);
    return v ? std::string(v) : std::string();
}

std::string cartellaCasa() {
    std::string casa = variabile("HOME");
    if (!casa.empty()) return casa;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

bool esiste(const std::string& p) {
    struct stat st {};
    return lstat(p.c_str(), &st) == 0;
}

// The program's names are Windows-1252 text and the file system's are UTF-8, so a name is
// spelled in UTF-8 on disk. A name that is already well-formed UTF-8 (typed on Linux, or a
// path that was mapped once already) stays as it is: mapping it twice would garble it.
std::string graficaUtf8(const std::string& nome) {
    return runtime::utf8BenFormato(nome) ? nome : runtime::utf8Da1252(nome);
}

// How a name on disk reads as Windows-1252 text in capitals: as the letters its UTF-8 spells
// when it is UTF-8 the code page can hold (Linux tools wrote it), else as its bytes. Never both:
// the bytes of a UTF-8 name folded as code-page letters would match another name ("Ì" and "Ü"
// differ in UTF-8 by one byte that folds).
std::string letturaMaiuscola(std::string_view nome) {
    if (std::any_of(nome.begin(), nome.end(), [](char c) { return (c & 0x80) != 0; })) {
        bool esatto = false;
        std::string testo = runtime::testo1252DaUtf8(nome, &esatto);
        if (esatto) return runtime::UCASE(testo);
    }
    return runtime::UCASE(nome);
}

// The entry of `cartella` whose name matches `nome` without regard to case (accented letters
// of the code page included) nor to how it is spelled, UTF-8 or the code page's own bytes;
// when several do, a UTF-8 name first (so that mapping the result again leaves it as it is),
// then the first in name order, so the choice does not depend on the directory's order.
std::string cercaSenzaMaiuscole(const std::string& cartella, const std::string& nome) {
    DIR* d = opendir(cartella.empty() ? "." : cartella.c_str());
    if (!d) return {};
    // The name asked for is code-page text, or a UTF-8 spelling already mapped once: either
    // reading may be the one a name on disk has.
    const std::string comeByte = runtime::UCASE(nome), comeUtf8 = letturaMaiuscola(nome);
    std::vector<std::string> trovati;
    while (const dirent* e = readdir(d)) {
        const std::string l = letturaMaiuscola(e->d_name);
        if (l == comeByte || l == comeUtf8) trovati.emplace_back(e->d_name);
    }
    closedir(d);
    if (trovati.empty()) return {};
    return *std::min_element(trovati.begin(), trovati.end(), [](const auto& x, const auto& y) {
        const bool ux = runtime::utf8BenFormato(x), uy = runtime::utf8BenFormato(y);
        return ux != uy ? ux : x < y;
    });
}

std::vector<std::string> componenti(std::string_view resto) {
    std::vector<std::string> parti;
    std::string parte;
    for (char c : resto) {
        if (c == '/' || c == '\\') {
            if (!parte.empty()) parti.push_back(parte);
            parte.clear();
        } else {
            parte += c;
        }
    }
    if (!parte.empty()) parti.push_back(parte);
    return parti;
}

}  // namespace

std::string radiceUnita() {
    std::string r = variabile("PONTEVAL_UNITA");
    if (!r.empty()) return r;
    std::string dati = variabile("XDG_DATA_HOME");
    if (dati.empty() || dati[0] != '/') dati = cartellaCasa() + "/.local/share";
    return dati + "/ponteval/unita";
}

std::string percorsoLocale(const std::string& percorso) {
    std::string base;  // what is resolved so far; empty for a relative path
    std::vector<std::string> parti;
    const bool lettera =
        percorso.size() >= 2 && percorso[1] == ':' &&
        ((percorso[0] >= 'A' && percorso[0] <= 'Z') || (percorso[0] >= 'a' && percorso[0] <= 'z'));
    if (lettera) {
        base = radiceUnita();
        parti.emplace_back(1, static_cast<char>(percorso[0] & ~0x20));
        for (auto& p : componenti(std::string_view(percorso).substr(2)))
            parti.push_back(p);
    } else if (!percorso.empty() && percorso[0] == '/') {
        base = "/";
        parti = componenti(percorso);
    } else if (!percorso.empty() && percorso[0] == '\\') {
        // Rooted without a drive: the current drive of a Windows program, taken as C.
        base = radiceUnita();
        parti.emplace_back("C");
        for (auto& p : componenti(percorso))
            parti.push_back(p);
    } else {
        parti = componenti(percorso);
    }

    bool trovato = true;
    for (const std::string& parte : parti) {
        const std::string cartella = base.empty() ? "." : base;
        const std::string prefisso =
            base.empty() ? std::string() : (base.back() == '/' ? base : base + "/");
        // An ASCII name is its own UTF-8 spelling: one call when it exists.
        const std::string utf8 = graficaUtf8(parte);
        if (trovato && parte != "." && parte != "..") {
            if (esiste(prefisso + utf8)) {
                base = prefisso + utf8;
                continue;
            }
            // Names written by programs that know only the code page's bytes.
            if (utf8 != parte && esiste(prefisso + parte)) {
                base = prefisso + parte;
                continue;
            }
            const std::string altro = cercaSenzaMaiuscole(cartella, parte);
            if (!altro.empty()) {
                base = prefisso + altro;
                continue;
            }
            trovato = false;  // nothing below a missing folder can exist
        }
        base = prefisso + utf8;
    }
    return base;
}

bool esisteFile(const std::string& percorso, long long* lunghezza) {
    if (percorso.empty()) return false;
    struct stat st {};
    if (stat(percorsoLocale(percorso).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (lunghezza) *lunghezza = st.st_size;
    return true;
}

bool esisteCartella(const std::string& percorso) {
    if (percorso.empty()) return false;
    struct stat st {};
    return stat(percorsoLocale(percorso).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void erroreDiApertura(int codiceErrno, const std::string& locale) {
    if (codiceErrno == ENOENT) {
        const size_t barra = locale.rfind('/');
        const std::string cartella = barra == std::string::npos ? "." : locale.substr(0, barra + 1);
        struct stat st {};
        if (stat(cartella.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            throw runtime::ErroreRuntime{runtime::ERR_PERCORSO};
    }
    runtime::erroreDaSistema(codiceErrno);
}

void eliminaFile(const std::string& percorso) {
    if (unlink(percorsoLocale(percorso).c_str()) != 0) runtime::erroreDaSistema(errno);
}

namespace {

void scriviTutto(int fd, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t n = guasto(Chiamata::Scrittura) ? -1 : write(fd, dati.data(), dati.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            runtime::erroreDaSistema(errno);
        }
        dati.remove_prefix(static_cast<size_t>(n));
    }
}

}  // namespace

void sostituisciFile(const std::string& percorso, const std::string& contenuto) {
    const std::string destinazione = percorsoLocale(percorso);
    const size_t barra = destinazione.rfind('/');
    const std::string cartella =
        barra == std::string::npos ? "." : destinazione.substr(0, barra + 1);
    // A name of this process only; a leftover of a crashed run with the same id is replaced.
    const std::string temporaneo = destinazione + ".~" + std::to_string(getpid());
    unlink(temporaneo.c_str());
    int fd = guasto(Chiamata::Apertura)
                 ? -1
                 : open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) erroreDiApertura(errno, destinazione);
    try {
        // Keep the old file's permissions, so the task's other programs can still write it.
        struct stat st {};
        if (stat(destinazione.c_str(), &st) == 0 && fchmod(fd, st.st_mode & 07777) != 0)
            runtime::erroreDaSistema(errno);
        scriviTutto(fd, contenuto);
        if (guasto(Chiamata::Sincronia) || fsync(fd) != 0) runtime::erroreDaSistema(errno);
        const int chiusura = close(fd);
        fd = -1;
        if (chiusura != 0) runtime::erroreDaSistema(errno);
        if (guasto(Chiamata::Rinomina) || rename(temporaneo.c_str(), destinazione.c_str()) != 0)
            runtime::erroreDaSistema(errno);
    } catch (...) {
        if (fd >= 0) close(fd);
        unlink(temporaneo.c_str());
        throw;
    }
    const int dir = guasto(Chiamata::Apertura)
                        ? -1
                        : open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) runtime::erroreDaSistema(errno);
    const int esito = guasto(Chiamata::Sincronia) ? -1 : fsync(dir);
    const int errore = errno;
    close(dir);
    if (esito != 0) runtime::erroreDaSistema(errore);
}

}  // namespace platform
