#include <windows.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "platform/canali.h"
#include "platform/guasti.h"
#include "platform/righe.h"
#include "platform/pausa_crescente.h"
#include "platform/sistema_win32.h"
#include "runtime/errore.h"

namespace platform {

namespace {

enum class Modo { Chiuso, Binario, Aggiunta, Ingresso, Uscita };

struct Canale {
    HANDLE h = INVALID_HANDLE_VALUE;
    Modo modo = Modo::Chiuso;
    bool scritto = false;
    LettoreRighe righe;  // text input read ahead
};

std::array<Canale, ULTIMO_CANALE + 1> tabella;

constexpr DWORD CONDIVISO = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD NESSUNO = 0;  // locked against every other opening
constexpr DWORD BLOCCO_MASSIMO = 1u << 30;

Canale& aperto(int canale) {
    if (canale < PRIMO_CANALE || canale > ULTIMO_CANALE || tabella[canale].modo == Modo::Chiuso)
        throw runtime::ErroreRuntime{runtime::ERR_CANALE};
    return tabella[canale];
}

OVERLAPPED aPosizione(long long posizione) {
    OVERLAPPED o{};
    o.Offset = static_cast<DWORD>(static_cast<unsigned long long>(posizione) & 0xFFFFFFFFu);
    o.OffsetHigh = static_cast<DWORD>(static_cast<unsigned long long>(posizione) >> 32);
    return o;
}

// false, with nothing open, when `occupatoRitorna` and another program holds the file (a
// sharing violation); any other failure is raised.
bool apri(int canale, const std::string& percorso, DWORD accesso, DWORD condivisione,
          DWORD creazione, Modo modo, bool occupatoRitorna = false) {
    if (canale < PRIMO_CANALE || canale > ULTIMO_CANALE)
        throw runtime::ErroreRuntime{runtime::ERR_CANALE};
    if (tabella[canale].modo != Modo::Chiuso)
        throw runtime::ErroreRuntime{runtime::ERR_FILE_GIA_APERTO};
    if (percorso.empty()) throw runtime::ErroreRuntime{runtime::ERR_FILE_NON_TROVATO};
    HANDLE h = INVALID_HANDLE_VALUE;
    int errore = 0;
    if (guasto(Chiamata::Apertura)) {
        errore = errno;
    } else {
        h = CreateFileW(win32::largo(percorso).c_str(), accesso, condivisione, nullptr, creazione,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) errore = win32::ultimoErrno();
    }
    if (errore == EBUSY && occupatoRitorna) return false;
    if (errore != 0) runtime::erroreDaSistema(errore);
    tabella[canale] = Canale{};
    tabella[canale].h = h;
    tabella[canale].modo = modo;
    return true;
}

// The system's read for text input: at most `dimensione` bytes, 0 at the end of the file.
size_t leggiTesto(const Canale& c, char* blocco, size_t dimensione) {
    if (guasto(Chiamata::Lettura)) runtime::erroreDaSistema(errno);
    DWORD n = 0;
    if (!ReadFile(c.h, blocco, static_cast<DWORD>(dimensione), &n, nullptr))
        runtime::erroreDaSistema(win32::ultimoErrno());
    return n;
}

// Writes every byte at the file's end or current position, as many calls as the system needs.
void scriviTutto(const Canale& c, std::string_view dati) {
    while (!dati.empty()) {
        if (guasto(Chiamata::Scrittura)) runtime::erroreDaSistema(errno);
        DWORD n = 0;
        if (!WriteFile(c.h, dati.data(), static_cast<DWORD>(std::min<size_t>(dati.size(), BLOCCO_MASSIMO)),
                       &n, nullptr))
            runtime::erroreDaSistema(win32::ultimoErrno());
        dati.remove_prefix(n);
    }
}

}  // namespace

int canaleLibero() {
    for (int c = PRIMO_CANALE; c <= ULTIMO_CANALE; ++c)
        if (tabella[c].modo == Modo::Chiuso) return c;
    throw runtime::ErroreRuntime{runtime::ERR_TROPPI_FILE};
}

bool canaleAperto(int canale) {
    return canale >= PRIMO_CANALE && canale <= ULTIMO_CANALE &&
           tabella[canale].modo != Modo::Chiuso;
}

void apriBinario(int canale, const std::string& percorso) {
    apri(canale, percorso, GENERIC_READ | GENERIC_WRITE, CONDIVISO, OPEN_ALWAYS, Modo::Binario);
}

void apriBinarioLettura(int canale, const std::string& percorso) {
    apri(canale, percorso, GENERIC_READ, CONDIVISO, OPEN_EXISTING, Modo::Binario);
}

void apriBinarioEsclusivo(int canale, const std::string& percorso) {
    // Held by another program: the family's own silent retry, with a pause between tries.
    PausaCrescente pausa;
    while (!apri(canale, percorso, GENERIC_READ | GENERIC_WRITE, NESSUNO, OPEN_ALWAYS,
                 Modo::Binario, true))
        pausa.attendi();
}

void apriAggiunta(int canale, const std::string& percorso) {
    // Append-only access: every write lands at the end of the file, whoever else appends. A new
    // file inherits the access rules of its folder, as any file made there does.
    apri(canale, percorso, GENERIC_READ | FILE_APPEND_DATA, CONDIVISO, OPEN_ALWAYS,
         Modo::Aggiunta);
}

void apriIngresso(int canale, const std::string& percorso) {
    apri(canale, percorso, GENERIC_READ, CONDIVISO, OPEN_EXISTING, Modo::Ingresso);
}

void apriUscita(int canale, const std::string& percorso) {
    apri(canale, percorso, GENERIC_WRITE, CONDIVISO, CREATE_ALWAYS, Modo::Uscita);
    tabella[canale].scritto = true;  // even an empty file must reach the disk as such
}

void chiudiCanale(int canale) {
    if (!canaleAperto(canale)) return;
    Canale c = tabella[canale];
    tabella[canale] = Canale{};
    int errore = 0;
    if (c.scritto) {
        if (guasto(Chiamata::Sincronia))
            errore = errno;
        else if (!FlushFileBuffers(c.h))
            errore = win32::ultimoErrno();
    }
    if (!CloseHandle(c.h) && errore == 0) errore = win32::ultimoErrno();
    if (errore != 0) runtime::erroreDaSistema(errore);
}

void chiudiTuttiICanali() {
    int primo = 0;
    for (int c = PRIMO_CANALE; c <= ULTIMO_CANALE; ++c) {
        try {
            chiudiCanale(c);
        } catch (const runtime::ErroreRuntime& e) {
            if (primo == 0) primo = e.numero();
        }
    }
    if (primo != 0) throw runtime::ErroreRuntime{primo};
}

bool leggiBlocco(int canale, long long posizione, std::string& dati) {
    return leggiFinoA(canale, posizione, dati) == dati.size();
}

size_t leggiFinoA(int canale, long long posizione, std::string& dati) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Binario && c.modo != Modo::Aggiunta)
        throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    size_t letti = 0;
    while (letti < dati.size()) {
        if (guasto(Chiamata::Lettura)) runtime::erroreDaSistema(errno);
        OVERLAPPED o = aPosizione(posizione + static_cast<long long>(letti));
        const DWORD chiesti = static_cast<DWORD>(std::min<size_t>(dati.size() - letti, BLOCCO_MASSIMO));
        DWORD n = 0;
        if (!ReadFile(c.h, dati.data() + letti, chiesti, &n, &o)) {
            const DWORD codice = GetLastError();
            if (codice != ERROR_HANDLE_EOF) runtime::erroreDaSistema(win32::errnoDi(codice));
            n = 0;
        }
        if (n == 0) break;
        letti += n;
    }
    return letti;
}

void scriviBlocco(int canale, long long posizione, std::string_view dati) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Binario) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    size_t scritti = 0;
    while (scritti < dati.size()) {
        if (guasto(Chiamata::Scrittura)) runtime::erroreDaSistema(errno);
        OVERLAPPED o = aPosizione(posizione + static_cast<long long>(scritti));
        const DWORD chiesti =
            static_cast<DWORD>(std::min<size_t>(dati.size() - scritti, BLOCCO_MASSIMO));
        DWORD n = 0;
        if (!WriteFile(c.h, dati.data() + scritti, chiesti, &n, &o))
            runtime::erroreDaSistema(win32::ultimoErrno());
        c.scritto = true;
        scritti += n;
    }
}

void scriviInFondo(int canale, std::string_view dati) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Aggiunta) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    scriviTutto(c, dati);  // one call: a file takes it whole unless the disk fills
    if (guasto(Chiamata::Sincronia)) runtime::erroreDaSistema(errno);
    if (!FlushFileBuffers(c.h)) runtime::erroreDaSistema(win32::ultimoErrno());
}

void troncaCanale(int canale, long long lunghezza) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Binario) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    if (guasto(Chiamata::Scrittura)) runtime::erroreDaSistema(errno);
    FILE_END_OF_FILE_INFO fine{};
    fine.EndOfFile.QuadPart = lunghezza;
    if (!SetFileInformationByHandle(c.h, FileEndOfFileInfo, &fine, sizeof fine))
        runtime::erroreDaSistema(win32::ultimoErrno());
    c.scritto = true;
}

long long lunghezzaCanale(int canale) {
    Canale& c = aperto(canale);
    LARGE_INTEGER n{};
    if (!GetFileSizeEx(c.h, &n)) runtime::erroreDaSistema(win32::ultimoErrno());
    return static_cast<long long>(n.QuadPart);
}

bool leggiRiga(int canale, std::string& riga) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Ingresso) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    return c.righe.riga(riga, [&](char* b, size_t n) { return leggiTesto(c, b, n); });
}

void scriviRiga(int canale, std::string_view riga) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Uscita) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    scriviTutto(c, std::string(riga) + "\r\n");
}

bool fineFile(int canale) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Ingresso) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    return c.righe.finito([&](char* b, size_t n) { return leggiTesto(c, b, n); });
}

}  // namespace platform
