#include "platform/guasti.h"

#include <time.h>

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
bool guastiArmati = false;

struct Viaggi {
    bool attivi = false;
    long ritardoNs = 0;
    std::array<long long, NUMERO_CHIAMATE> contati{};
};
Viaggi viaggi;

struct Interruzione {
    long long ennesima = 0;
    long long contate = 0;
    void (*azione)() = nullptr;
};
Interruzione interruzione;

void aggiornaArmato() {
    dettaglio_guasti::armato = guastiArmati || viaggi.attivi || interruzione.ennesima > 0;
}

// The server's answer: a wait that costs no processor time, as a network read's does.
void attendi(long ns) {
    timespec t{ns / 1000000000L, ns % 1000000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

}  // namespace

bool dettaglio_guasti::scatta(Chiamata chiamata) {
    const auto k = static_cast<size_t>(chiamata);
    if (viaggi.attivi) {
        ++viaggi.contati[k];
        if (viaggi.ritardoNs > 0) {
            const int salvato = errno;
            attendi(viaggi.ritardoNs);
            errno = salvato;
        }
    }
    if (interruzione.ennesima > 0 && ++interruzione.contate == interruzione.ennesima)
        interruzione.azione();
    if (!guastiArmati) return false;
    Regola& r = regole[k];
    ++r.contate;
    if (r.ennesima == 0 || r.contate != r.ennesima) return false;
    errno = r.codiceErrno;
    return true;
}

void armaGuasto(Chiamata chiamata, int ennesima, int codiceErrno) {
    regole[static_cast<size_t>(chiamata)] = Regola{0, ennesima, codiceErrno};
    guastiArmati = true;
    aggiornaArmato();
}

int chiamateContate(Chiamata chiamata) {
    return regole[static_cast<size_t>(chiamata)].contate;
}

void disarmaGuasti() {
    regole = {};
    guastiArmati = false;
    aggiornaArmato();
}

void armaInterruzione(long long ennesima, void (*azione)()) {
    interruzione = Interruzione{ennesima, 0, azione};
    aggiornaArmato();
}

void contaViaggi(std::chrono::microseconds ritardo) {
    viaggi = Viaggi{true, static_cast<long>(ritardo.count()) * 1000L, {}};
    aggiornaArmato();
}

long long viaggiContati() {
    long long n = 0;
    for (const long long c : viaggi.contati)
        n += c;
    return n;
}

long long viaggiContati(Chiamata chiamata) {
    return viaggi.contati[static_cast<size_t>(chiamata)];
}

void fermaViaggi() {
    viaggi.attivi = false;
    viaggi.ritardoNs = 0;
    aggiornaArmato();
}

}  // namespace platform
