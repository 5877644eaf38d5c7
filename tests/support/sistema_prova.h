#pragma once
// What the test support asks of the system, one file per system.

#include <string>

namespace supporto {

// Sets an environment variable of this process; nullptr removes it.
void impostaVariabile(const char* nome, const char* valore);

// Drive C: of a fixture installation: nothing to do on Linux (a temporary drive root); on
// Windows its fixture folders are emptied before and after, only with VXMIRA_UNITA_DI_PROVA
// set, so that a run on a real workstation never touches its installation.
void preparaUnitaC();
void liberaUnitaC();

}  // namespace supporto
