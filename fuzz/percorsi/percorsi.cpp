// The path mapping over folders whose names are any bytes, spelled in UTF-8 (Linux tools) or
// in the code page (programs that know only its bytes), and program paths of any bytes:
// mapping a mapped path changes nothing, and what is created where a path maps is found
// there again.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ambiente.h"
#include "platform/percorsi.h"
#include "runtime/codice_pagina.h"

namespace {

// A name of one component: no separator, no NUL, never "." or "..", which would leave the
// test's folder.
std::string componente(std::string nome) {
    for (char& c : nome)
        if (c == '/' || c == '\\' || c == '\0') c = '_';
    return nome == "." || nome == ".." ? nome + "_" : nome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    const std::string radice = platform::radiceUnita() + "/C/F";
    std::error_code ignorato;
    std::filesystem::remove_all(radice, ignorato);
    std::filesystem::create_directories(radice);
    fuzz::Lettore l(dati, n);
    // Up to four entries, each a folder or a file, at the top or inside the first folder.
    std::string primaCartella;
    for (int voci = l.byte() % 5; voci > 0; --voci) {
        const uint8_t modo = l.byte();
        std::string nome = componente(l.pezzo(24));
        if (nome.empty()) continue;
        if (modo & 1) nome = runtime::utf8Da1252(nome);
        const std::string percorso =
            radice + "/" + ((modo & 4) && !primaCartella.empty() ? primaCartella + "/" : "") + nome;
        if (modo & 2) {
            if (mkdir(percorso.c_str(), 0700) == 0 && primaCartella.empty()) primaCartella = nome;
        } else if (const int fd = open(percorso.c_str(), O_WRONLY | O_CREAT, 0600); fd >= 0) {
            close(fd);
        }
    }
    // The program's path: up to three components below C:\F.
    std::string programma = "C:\\F";
    for (int parti = l.byte() % 3 + 1; parti > 0; --parti) {
        const std::string nome = componente(l.pezzo(24));
        if (!nome.empty()) programma += "\\" + nome;
    }
    const std::string locale = platform::percorsoLocale(programma);
    if (locale != radice && locale.compare(0, radice.size() + 1, radice + "/") != 0)
        __builtin_trap();
    if (platform::percorsoLocale(locale) != locale) __builtin_trap();
    struct stat st {};
    if (lstat(locale.c_str(), &st) != 0) {
        const int fd = open(locale.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return 0;  // below a file, or a missing folder
        close(fd);
        if (platform::percorsoLocale(programma) != locale) __builtin_trap();
    }
    return 0;
}
