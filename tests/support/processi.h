#pragma once
// Real child processes for the tests that need another program of the family at the same time.

#include <sys/types.h>

#include <functional>

namespace supporto {

// Runs `corpo` in a child (status 0 when it returned, 99 when it threw); waits: -1 when killed.
pid_t figlio(const std::function<void()>& corpo);
int attendi(pid_t pid);

}  // namespace supporto
