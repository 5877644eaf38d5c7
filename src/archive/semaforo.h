#pragma once
// The archive semaphore, the task code and the end of the run.

#include <string>

namespace archive {

inline constexpr int FILE_SEMAFORO = 16;  // slot the semaphore borrows
inline std::string CODICETASK;

void APRISEMA();
void CHIUDISEMA();
[[noreturn]] void TERMINA();

// The task file of this program (C:\VXSTASK\VXSTASK.INI for "VX" programs).
std::string fileTask();

void azzeraSemaforo();

}  // namespace archive
