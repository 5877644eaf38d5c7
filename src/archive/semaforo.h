#pragma once
// The archive semaphore, the task code and the end of the run.

#include <string>
#include <type_traits>

namespace archive {

inline constexpr int FILE_SEMAFORO = 16;  // slot the semaphore borrows
inline std::string CODICETASK;

void APRISEMA();
void CHIUDISEMA();
[[noreturn]] void TERMINA();

// The task file of this program (C:\VXSTASK\VXSTASK.INI for "VX" programs).
std::string fileTask();

void azzeraSemaforo();

// Holds the archive semaphore for its own life; given back however the scope ends. A failure
// to give it back is not raised: the error already travelling matters more, and the end of the
// run closes every file anyway.
class SemaforoTenuto {
  public:
    SemaforoTenuto() { APRISEMA(); }
    ~SemaforoTenuto() {
        try {
            CHIUDISEMA();
        } catch (...) {
        }
    }
    SemaforoTenuto(const SemaforoTenuto&) = delete;
    SemaforoTenuto& operator=(const SemaforoTenuto&) = delete;
};

// Runs `azione` holding the archive semaphore and returns what it returns; a failure to give
// the semaphore back is raised when the action itself succeeded.
template <typename F>
auto conSemaforo(F azione) {
    APRISEMA();
    try {
        if constexpr (std::is_void_v<decltype(azione())>) {
            azione();
            CHIUDISEMA();
        } else {
            auto risultato = azione();
            CHIUDISEMA();
            return risultato;
        }
    } catch (...) {
        CHIUDISEMA();
        throw;
    }
}

}  // namespace archive
