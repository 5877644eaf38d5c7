#pragma once
// What the test support asks of the system, one file per system.

#include <string>

namespace supporto {

// Sets an environment variable of this process; nullptr removes it.
void impostaVariabile(const char* nome, const char* valore);

// Drive C: of a fixture installation. Linux: nothing to do, the drive root is a temporary
// folder. Windows: the test prefix's own drive, whose fixture folders (ARCHIVI, PROGRAMMI,
// PTORVALE, VXSTASK) are emptied before and after; refused unless VXMIRA_UNITA_DI_PROVA is
// set, so that a run on a real workstation never touches its installation.
void preparaUnitaC();
void liberaUnitaC();

}  // namespace supporto
