#include "platform/canali.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "platform/guasti.h"
#include "platform/righe.h"
#include "platform/pausa_crescente.h"
#include "platform/percorsi.h"
#include "runtime/errore.h"

namespace platform {

namespace {

enum class Modo { Chiuso, Binario, Aggiunta, Ingresso, Uscita };

struct Canale {
    int fd = -1;
    Modo modo = Modo::Chiuso;
    bool scritto = false;
    LettoreRighe righe;  // text input read ahead
};

std::array<Canale, ULTIMO_CANALE + 1> tabella;

Canale& aperto(int canale) {
    if (canale < PRIMO_CANALE || canale > ULTIMO_CANALE || tabella[canale].modo == Modo::Chiuso)
        throw runtime::ErroreRuntime{runtime::ERR_CANALE};
    return tabella[canale];
}

// false, with nothing open, when `occupatoRitorna` and the file is held by another program
// (EBUSY: a cifs client's sharing violation); any other failure is raised.
bool apri(int canale, const std::string& percorso, int flag, Modo modo,
          bool occupatoRitorna = false) {
    if (canale < PRIMO_CANALE || canale > ULTIMO_CANALE)
        throw runtime::ErroreRuntime{runtime::ERR_CANALE};
    if (tabella[canale].modo != Modo::Chiuso)
        throw runtime::ErroreRuntime{runtime::ERR_FILE_GIA_APERTO};
    if (percorso.empty()) throw runtime::ErroreRuntime{runtime::ERR_FILE_NON_TROVATO};
    const std::string locale = percorsoLocale(percorso);
    int fd;
    do {
        fd = guasto(Chiamata::Apertura) ? -1 : open(locale.c_str(), flag | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0 && occupatoRitorna && errno == EBUSY) return false;
    if (fd < 0) erroreDiApertura(errno, locale);
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        throw runtime::ErroreRuntime{runtime::ERR_ACCESSO_PERCORSO};
    }
    tabella[canale] = Canale{};
    tabella[canale].fd = fd;
    tabella[canale].modo = modo;
    return true;
}

// The system's read for text input: at most `dimensione` bytes, 0 at the end of the file.
size_t leggiTesto(const Canale& c, char* blocco, size_t dimensione) {
    ssize_t n;
    do {
        n = guasto(Chiamata::Lettura) ? -1 : read(c.fd, blocco, dimensione);
    } while (n < 0 && errno == EINTR);
    if (n < 0) runtime::erroreDaSistema(errno);
    return static_cast<size_t>(n);
}

// Writes every byte at the file's current end or position, as many calls as the system needs.
void scriviTutto(const Canale& c, std::string_view dati) {
    while (!dati.empty()) {
        const ssize_t n = guasto(Chiamata::Scrittura) ? -1 : write(c.fd, dati.data(), dati.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            runtime::erroreDaSistema(errno);
        }
        dati.remove_prefix(static_cast<size_t>(n));
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
    apri(canale, percorso, O_RDWR | O_CREAT, Modo::Binario);
}

void apriBinarioLettura(int canale, const std::string& percorso) {
    apri(canale, percorso, O_RDONLY, Modo::Binario);
}

void apriBinarioEsclusivo(int canale, const std::string& percorso) {
    // A Windows program holding the file on an SMB share makes the open itself fail: that is
    // the semaphore being held, so wait for it as for the lock below.
    PausaCrescente pausa;
    while (!apri(canale, percorso, O_RDWR | O_CREAT, Modo::Binario, true))
        pausa.attendi();
    struct flock blocco {};
    blocco.l_type = F_WRLCK;
    blocco.l_whence = SEEK_SET;  // start 0, length 0: the whole file, however long
    int esito;
    do {
        esito = guasto(Chiamata::Blocco) ? -1 : fcntl(tabella[canale].fd, F_OFD_SETLKW, &blocco);
    } while (esito != 0 && errno == EINTR);
    if (esito != 0) {
        const int errore = errno;
        close(tabella[canale].fd);
        tabella[canale] = Canale{};
        runtime::erroreDaSistema(errore);
    }
}

void apriAggiunta(int canale, const std::string& percorso) {
    try {
        apri(canale, percorso, O_RDWR | O_CREAT | O_EXCL | O_APPEND, Modo::Aggiunta);
    } catch (const runtime::ErroreRuntime& e) {
        if (e.numero() != runtime::ERR_FILE_ESISTENTE) throw;
        apri(canale, percorso, O_RDWR | O_APPEND, Modo::Aggiunta);
        return;
    }
    // A new file takes the read and write permissions of its folder, whatever the umask of
    // whoever created it: every user of a shared archive can append to it, and it is no more
    // open than the archive. Failing that, it keeps what the umask gave.
    std::string cartella = percorsoLocale(percorso);
    cartella.erase(cartella.find_last_of('/') + 1);
    struct stat st {};
    if (stat(cartella.empty() ? "." : cartella.c_str(), &st) == 0)
        fchmod(tabella[canale].fd, st.st_mode & 0666);
}

void apriIngresso(int canale, const std::string& percorso) {
    apri(canale, percorso, O_RDONLY, Modo::Ingresso);
}

void apriUscita(int canale, const std::string& percorso) {
    apri(canale, percorso, O_WRONLY | O_CREAT | O_TRUNC, Modo::Uscita);
    tabella[canale].scritto = true;  // even an empty file must reach the disk as such
}

void chiudiCanale(int canale) {
    if (!canaleAperto(canale)) return;
    Canale c = tabella[canale];
    tabella[canale] = Canale{};
    int errore = 0;
    if (c.scritto && (guasto(Chiamata::Sincronia) || fsync(c.fd) != 0)) errore = errno;
    if (close(c.fd) != 0 && errore == 0 && errno != EINTR) errore = errno;
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
        const ssize_t n =
            guasto(Chiamata::Lettura)
                ? -1
                : pread(c.fd, dati.data() + letti, dati.size() - letti,
                        static_cast<off_t>(posizione + static_cast<long long>(letti)));
        if (n < 0) {
            if (errno == EINTR) continue;
            runtime::erroreDaSistema(errno);
        }
        if (n == 0) break;
        letti += static_cast<size_t>(n);
    }
    return letti;
}

void scriviBlocco(int canale, long long posizione, std::string_view dati) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Binario) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    size_t scritti = 0;
    while (scritti < dati.size()) {
        const ssize_t n =
            guasto(Chiamata::Scrittura)
                ? -1
                : pwrite(c.fd, dati.data() + scritti, dati.size() - scritti,
                         static_cast<off_t>(posizione + static_cast<long long>(scritti)));
        if (n < 0) {
            if (errno == EINTR) continue;
            runtime::erroreDaSistema(errno);
        }
        c.scritto = true;
        scritti += static_cast<size_t>(n);
    }
}

void troncaCanale(int canale, long long lunghezza) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Binario) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    int esito;
    do {
        esito = guasto(Chiamata::Scrittura) ? -1 : ftruncate(c.fd, static_cast<off_t>(lunghezza));
    } while (esito != 0 && errno == EINTR);
    if (esito != 0) runtime::erroreDaSistema(errno);
    c.scritto = true;
}

long long lunghezzaCanale(int canale) {
    Canale& c = aperto(canale);
    struct stat st {};
    if (fstat(c.fd, &st) != 0) runtime::erroreDaSistema(errno);
    return static_cast<long long>(st.st_size);
}

void scriviInFondo(int canale, std::string_view dati) {
    Canale& c = aperto(canale);
    if (c.modo != Modo::Aggiunta) throw runtime::ErroreRuntime{runtime::ERR_MODO_FILE};
    scriviTutto(c, dati);  // one call: a regular file takes it whole unless the disk fills
    if (guasto(Chiamata::Sincronia) || fsync(c.fd) != 0) runtime::erroreDaSistema(errno);
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
