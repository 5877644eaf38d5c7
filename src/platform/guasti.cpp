#include "platform/guasti.h"

#include <array>
#include <cerrno>
#include <cstddef>

namespace platform {

namespace {

struct Regola {
    int contate = 0;
    int ennesima = 0;  // 0: never fails
    int codiceErrno = 0;
};

std::array<Regola, NUMERO_CHIAMATE> regole;

}  // namespace

bool dettaglio_guasti::scatta(Chiamata chiamata) {
    Regola& r = regole[static_cast<size_t>(chiamata)];
    ++r.contate;
    if (r.ennesima == 0 || r.contate != r.ennesima) return false;
    errno = r.codiceErrno;
    return true;
}

void armaGuasto(Chiamata chiamata, int ennesima, int codiceErrno) {
    regole[static_cast<size_t>(chiamata)] = Regola{0, ennesima, codiceErrno};
    dettaglio_guasti::armato = true;
}

int chiamateContate(Chiamata chiamata) {
    return regole[static_cast<size_t>(chiamata)].contate;
}

void disarmaGuasti() {
    regole = {};
    dettaglio_guasti::armato = false;
}

}  // namespace platform
