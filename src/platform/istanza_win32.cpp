#include <windows.h>

#include <map>

#include "platform/istanza.h"
#include "platform/sistema_win32.h"
#include "runtime/errore.h"
#include "runtime/testo.h"

// The previous instance is a named mutex per user and program, as the family's programs test
// it; the running copy keeps its handle until the process ends.

namespace platform {

namespace {

std::map<std::string, HANDLE>& prese() {
    static std::map<std::string, HANDLE> p;
    return p;
}

std::string utente() {
    wchar_t nome[257] = {};
    DWORD n = 257;
    if (!GetUserNameW(nome, &n)) return "?";
    return win32::stretto(nome);
}

}  // namespace

std::string fileIstanza(const std::string& nome) {
    std::string nomeOggetto;
    for (char c : runtime::UCASE(runtime::TRIM(utente() + "-" + nome))) {
        const bool sicuro =
            (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
        nomeOggetto += sicuro ? c : '_';
    }
    // Global: another session of the same user (remote desktop) is the same user.
    return "Global\\ponteval-" + nomeOggetto;
}

bool altraCopiaInEsecuzione(const std::string& nome) {
    const std::string oggetto = fileIstanza(nome);
    auto& tenute = prese();
    if (tenute.count(oggetto)) return false;
    HANDLE h = CreateMutexW(nullptr, FALSE, win32::largo(oggetto).c_str());
    const DWORD codice = GetLastError();
    if (!h) {
        if (codice == ERROR_ACCESS_DENIED) return true;  // made by another copy, other rights
        runtime::erroreDaSistema(win32::errnoDi(codice));
    }
    if (codice == ERROR_ALREADY_EXISTS) {
        CloseHandle(h);
        return true;
    }
    tenute[oggetto] = h;  // kept open until the process ends
    return false;
}

}  // namespace platform
