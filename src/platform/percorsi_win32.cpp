#include <windows.h>

#include <cerrno>
#include <string_view>

#include "platform/guasti.h"
#include "platform/percorsi.h"
#include "platform/sistema_win32.h"
#include "runtime/errore.h"

// Windows paths are the system's own: used as they are, with the file system's own
// case-insensitive lookup. There is no drive root.

namespace platform {

using win32::largo;

std::string radiceUnita() {
    return {};
}

std::string percorsoLocale(const std::string& percorso) {
    return percorso;
}

namespace {

bool attributi(const std::string& percorso, WIN32_FILE_ATTRIBUTE_DATA& dati) {
    return !percorso.empty() &&
           GetFileAttributesExW(largo(percorso).c_str(), GetFileExInfoStandard, &dati);
}

void scriviTutto(HANDLE h, std::string_view dati) {
    while (!dati.empty()) {
        if (guasto(Chiamata::Scrittura)) runtime::erroreDaSistema(errno);
        DWORD n = 0;
        if (!WriteFile(h, dati.data(), static_cast<DWORD>(dati.size()), &n, nullptr))
            runtime::erroreDaSistema(win32::ultimoErrno());
        dati.remove_prefix(n);
    }
}

}  // namespace

bool esisteFile(const std::string& percorso, long long* lunghezza) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!attributi(percorso, d) || (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    if (lunghezza)
        *lunghezza = static_cast<long long>((static_cast<unsigned long long>(d.nFileSizeHigh) << 32) |
                                            d.nFileSizeLow);
    return true;
}

bool esisteCartella(const std::string& percorso) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    return attributi(percorso, d) && (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

void erroreDiApertura(int codiceErrno, const std::string& locale) {
    // A missing file in a missing folder is "path not found", as the system itself says.
    if (codiceErrno == ENOENT) {
        const size_t barra = locale.find_last_of("\\/");
        if (barra != std::string::npos && !esisteCartella(locale.substr(0, barra + 1)))
            throw runtime::ErroreRuntime{runtime::ERR_PERCORSO};
    }
    runtime::erroreDaSistema(codiceErrno);
}

void eliminaFile(const std::string& percorso) {
    if (!DeleteFileW(largo(percorso).c_str())) runtime::erroreDaSistema(win32::ultimoErrno());
}

void sostituisciFile(const std::string& percorso, const std::string& contenuto) {
    // A name of this process only; a leftover of a crashed run with the same id is replaced.
    const std::string temporaneo = percorso + ".~" + std::to_string(GetCurrentProcessId());
    const std::wstring tmp = largo(temporaneo);
    DeleteFileW(tmp.c_str());
    HANDLE h = INVALID_HANDLE_VALUE;
    if (guasto(Chiamata::Apertura)) erroreDiApertura(errno, percorso);
    h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                    nullptr);
    if (h == INVALID_HANDLE_VALUE) erroreDiApertura(win32::ultimoErrno(), percorso);
    try {
        scriviTutto(h, contenuto);
        if (guasto(Chiamata::Sincronia)) runtime::erroreDaSistema(errno);
        if (!FlushFileBuffers(h)) runtime::erroreDaSistema(win32::ultimoErrno());
        const BOOL chiuso = CloseHandle(h);
        h = INVALID_HANDLE_VALUE;
        if (!chiuso) runtime::erroreDaSistema(win32::ultimoErrno());
        // Write-through: the rename itself is on the disk when the call returns.
        if (guasto(Chiamata::Rinomina)) runtime::erroreDaSistema(errno);
        if (!MoveFileExW(tmp.c_str(), largo(percorso).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            runtime::erroreDaSistema(win32::ultimoErrno());
    } catch (...) {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
        DeleteFileW(tmp.c_str());
        throw;
    }
}

}  // namespace platform
