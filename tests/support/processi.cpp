#include "support/processi.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <exception>

namespace supporto {

pid_t figlio(const std::function<void()>& corpo) {
    std::fflush(nullptr);  // nothing buffered is written twice
    const pid_t pid = fork();
    if (pid == 0) {
        int codice = 0;
        try { corpo(); } catch (const std::exception& e) {
            std::fprintf(stderr, "processo %d: %s\n", getpid(), e.what());
            codice = 99;
        } catch (...) { codice = 99; }
        _exit(codice);
    }
    return pid;
}

int attendi(pid_t pid) {
    int stato = 0;
    while (waitpid(pid, &stato, 0) < 0) continue;
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

}  // namespace supporto
