#pragma once
// The registry of a Windows workstation, read from a registry export file: "REGEDIT4" or
// "Windows Registry Editor Version 5.00" (UTF-16 with its byte-order mark, as regedit writes
// it, or single-byte text). An administrator exports the key on Windows and drops the file in
// place.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The export file: $PONTEVAL_REGISTRO, else $XDG_CONFIG_HOME/ponteval/registro.reg, else
// ~/.config/ponteval/registro.reg.
std::string fileRegistro();

struct ValoreRegistro {
    enum class Tipo { Testo, Dword, Altro };
    Tipo tipo = Tipo::Altro;
    std::string testo;    // Testo: Windows-1252 bytes, escapes resolved
    uint32_t numero = 0;  // Dword
};

// The value `nome` of the key `chiave` ("HKEY_CURRENT_USER\SOFTWARE\..."), compared without
// regard to case as the registry does; empty when the file, the key or the value is missing.
// "@" names the key's default value. When a value appears more than once the last one holds,
// as importing the file would leave it.
std::optional<ValoreRegistro> leggiValoreRegistro(const std::string& chiave,
                                                  const std::string& nome);

}  // namespace platform
