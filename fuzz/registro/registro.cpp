// The registry export reader over arbitrary file bytes, keys and value names; and, shaped
// from the input, exports as regedit writes them (UTF-16 with its byte-order mark) naming a
// folder with any code-page characters, which must read back as written and be found on disk.

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "ambiente.h"
#include "platform/percorsi.h"
#include "platform/registro.h"
#include "runtime/codice_pagina.h"
#include "runtime/errore.h"

namespace {

void scrivi(std::string_view byte) {
    std::ofstream file(std::getenv("PONTEVAL_REGISTRO"), std::ios::binary | std::ios::trunc);
    file.write(byte.data(), static_cast<std::streamsize>(byte.size()));
}

// A folder name of code-page text, written as a UTF-16 export; read back through the reader and
// the path mapping.
void cartellaInUtf16(fuzz::Lettore& l) {
    std::string nome;
    for (char c : l.pezzo(40))
        if (c != '"' && c != '\\' && c != '/' && c != '\r' && c != '\n' && c != '\0') nome += c;
    if (nome.empty() || nome == "." || nome == "..") return;
    std::string testo =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL]\r\n"
        "\"PERCORSOARCHIVI\"=\"C:\\\\R\\\\" +
        nome + "\"\r\n";
    std::string byte = "\xFF\xFE";
    for (char c : testo) {
        const char32_t u = runtime::unicodeDi(static_cast<unsigned char>(c));
        byte += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    }
    scrivi(byte);
    const auto valore = platform::leggiValoreRegistro(
        "HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL", "PERCORSOARCHIVI");
    if (!valore || valore->testo != "C:\\R\\" + nome) __builtin_trap();
    // A folder made by Linux tools, in UTF-8, is the one the value names.
    const std::string r = platform::radiceUnita() + "/C/R";
    std::error_code ignorato;
    std::filesystem::remove_all(r, ignorato);
    std::filesystem::create_directories(r + "/" + runtime::utf8Da1252(nome));
    if (!platform::esisteCartella(valore->testo)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::Lettore l(dati, n);
    const uint8_t scelta = l.byte();
    if (scelta & 0x80) {
        cartellaInUtf16(l);
        return 0;
    }
    std::string chiave = "HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL";
    std::string nome = scelta & 1 ? "PERCORSOARCHIVI" : "PERCORSOPROGRAMMI";
    if (scelta & 2) chiave = l.pezzo(64);
    if (scelta & 4) nome = l.pezzo(32);
    scrivi(l.resto());
    try {
        const auto valore = platform::leggiValoreRegistro(chiave, nome);
        // A value read twice from the same file is the same value.
        const auto ancora = platform::leggiValoreRegistro(chiave, nome);
        if (valore.has_value() != ancora.has_value() ||
            (valore && (valore->tipo != ancora->tipo || valore->testo != ancora->testo ||
                        valore->numero != ancora->numero)))
            __builtin_trap();
    } catch (const runtime::ErroreRuntime&) {
    }
    return 0;
}
