#include <cstdlib>

#include "support/sistema_prova.h"

namespace supporto {

void impostaVariabile(const char* nome, const char* valore) { valore ? setenv(nome, valore, 1) : unsetenv(nome); }

void preparaUnitaC() {}
void liberaUnitaC() {}

}  // namespace supporto
