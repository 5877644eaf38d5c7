#include "platform/istanza.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <map>

#include "runtime/errore.h"
#include "runtime/testo.h"

namespace platform {

namespace {

struct Presa {
    pid_t processo;
    int fd;
};

std::map<std::string, Presa>& prese() {
    static std::map<std::string, Presa> p;
    return p;
}

}  // namespace

std::string fileIstanza(const std::string& nome) {
    std::string nomeFile;
    for (char c : runtime::UCASE(runtime::TRIM(nome))) {
        const bool sicuro =
            (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
        nomeFile += sicuro ? c : '_';
    }
    const char* cartella = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (cartella && cartella[0] == '/' && stat(cartella, &st) == 0 && S_ISDIR(st.st_mode))
        return std::string(cartella) + "/ponteval-" + nomeFile + ".lock";
    return "/tmp/ponteval-" + std::to_string(getuid()) + "-" + nomeFile + ".lock";
}

bool altraCopiaInEsecuzione(const std::string& nome) {
    const std::string percorso = fileIstanza(nome);
    auto& tenute = prese();
    // A child made by fork() inherits the table but must test the lock for itself.
    if (auto t = tenute.find(percorso); t != tenute.end()) {
        if (t->second.processo == getpid()) return false;
        tenute.erase(t);
    }
    int fd;
    do {
        fd = open(percorso.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) runtime::erroreDaSistema(errno);
    struct flock blocco {};
    blocco.l_type = F_WRLCK;
    blocco.l_whence = SEEK_SET;
    if (fcntl(fd, F_OFD_SETLK, &blocco) != 0) {
        const int errore = errno;
        close(fd);
        if (errore == EAGAIN || errore == EACCES) return true;
        runtime::erroreDaSistema(errore);
    }
    tenute[percorso] = Presa{getpid(), fd};  // kept open until the process ends
    return false;
}

}  // namespace platform
