#include <cstdlib>

#include "support/sistema_prova.h"

namespace supporto {

void impostaVariabile(const char* nome, const char* valore) {
    if (valore)
        setenv(nome, valore, 1);
    else
        unsetenv(nome);
}

void preparaUnitaC() {}
void liberaUnitaC() {}

}  // namespace supporto
