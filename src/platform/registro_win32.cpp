#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/registro.h"
#include "platform/sistema_win32.h"

// The real registry through its API. No export file on Windows.

namespace platform {

std::string fileRegistro() {
    return {};
}

std::optional<ValoreRegistro> leggiValoreRegistro(const std::string& chiave,
                                                  const std::string& nome) {
    struct Radice {
        const char* nome;
        HKEY chiave;
    };
    static const Radice RADICI[] = {
        {"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER},
        {"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE},
    };
    HKEY radice = nullptr;
    std::string sotto;
    for (const Radice& r : RADICI) {
        const size_t n = std::strlen(r.nome);
        if (chiave.size() >= n && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, chiave.data(),
                                                 static_cast<int>(n), r.nome,
                                                 static_cast<int>(n)) == CSTR_EQUAL) {
            radice = r.chiave;
            sotto = chiave.substr(n);
        }
    }
    if (!radice) return std::nullopt;
    HKEY k = nullptr;
    if (RegOpenKeyExW(radice, win32::largo(sotto).c_str(), 0, KEY_QUERY_VALUE, &k) !=
        ERROR_SUCCESS)
        return std::nullopt;
    // "@" is the key's default value, as in an export file.
    const std::wstring valore = nome == "@" ? std::wstring() : win32::largo(nome);
    DWORD tipo = 0;
    DWORD dimensione = 0;
    std::optional<ValoreRegistro> esito;
    if (RegQueryValueExW(k, valore.c_str(), nullptr, &tipo, nullptr, &dimensione) ==
        ERROR_SUCCESS) {
        // Asked for the size first and filled with NULs, so a value that is not terminated
        // is read whole.
        std::vector<BYTE> dati(dimensione + sizeof(wchar_t), 0);
        DWORD letti = dimensione;
        if (RegQueryValueExW(k, valore.c_str(), nullptr, &tipo, dati.data(), &letti) ==
            ERROR_SUCCESS) {
            ValoreRegistro v;
            if (tipo == REG_SZ) {
                v.tipo = ValoreRegistro::Tipo::Testo;
                std::wstring testo(letti / sizeof(wchar_t), L'\0');
                std::memcpy(testo.data(), dati.data(), testo.size() * sizeof(wchar_t));
                v.testo = win32::stretto(testo);
            } else if (tipo == REG_DWORD && letti >= sizeof(DWORD)) {
                v.tipo = ValoreRegistro::Tipo::Dword;
                std::memcpy(&v.numero, dati.data(), sizeof(DWORD));
            }
            esito = v;
        }
    }
    RegCloseKey(k);
    return esito;
}

}  // namespace platform
