#include "platform/fine_programma.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace platform {

namespace {

std::function<void(int)>& gestoreFine() {
    static std::function<void(int)> g;
    return g;
}

}  // namespace

void terminaProgramma(int codice) {
    if (auto& g = gestoreFine()) {
        g(codice);  // tests throw from here
    }
    // Archive files were closed (and synced) by the caller; the OS releases the rest.
    std::fflush(nullptr);
    std::_Exit(codice);
}

void impostaFineProgramma(std::function<void(int)> gestore) {
    gestoreFine() = std::move(gestore);
}

}  // namespace platform
