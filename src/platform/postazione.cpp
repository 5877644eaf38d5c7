#include "platform/postazione.h"

#include <limits.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <vector>

namespace platform {

std::string nomeUtente() {
    // The account of the process first: the login name of the terminal can be missing
    // (desktop sessions, services) or belong to someone else after su.
    long dimensione = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> spazio(static_cast<size_t>(dimensione > 0 ? dimensione : 16384));
    struct passwd voce {};
    struct passwd* trovata = nullptr;
    if (getpwuid_r(getuid(), &voce, spazio.data(), spazio.size(), &trovata) == 0 && trovata &&
        trovata->pw_name && *trovata->pw_name)
        return trovata->pw_name;
    if (const char* login = getlogin(); login && *login) return login;
    return "?";
}

std::string nomeHost() {
    char nome[HOST_NAME_MAX + 1] = {};
    if (gethostname(nome, sizeof nome - 1) != 0 || nome[0] == '\0') return "?";
    return nome;
}

std::string istanteLocale() {
    const std::time_t adesso = std::time(nullptr);
    std::tm locale{};
    localtime_r(&adesso, &locale);
    char testo[40];
    std::strftime(testo, sizeof testo, "%Y-%m-%dT%H:%M:%S", &locale);
    // Minutes east of UTC; real offsets lie within a day.
    const int scarto = static_cast<int>(locale.tm_gmtoff / 60 % (24 * 60));
    const int assoluto = scarto < 0 ? -scarto : scarto;
    char fuso[16];
    std::snprintf(fuso, sizeof fuso, "%c%02d:%02d", scarto < 0 ? '-' : '+', assoluto / 60,
                  assoluto % 60);
    return std::string(testo) + fuso;
}

}  // namespace platform
