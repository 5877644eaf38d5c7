#pragma once
// What the test support asks of the system, one file per system.

#include <string>

namespace supporto {

// Sets an environment variable of this process; nullptr removes it.
void impostaVariabile(const char* nome, const char* valore);

// Drive C: of a fixture installation: nothing on Linux; on Windows its folders emptied before and
// after, only with VXMIRA_UNITA_DI_PROVA set, so that a real workstation is never touched.
void preparaUnitaC();
void liberaUnitaC();

}  // namespace supporto
