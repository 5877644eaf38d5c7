#pragma once
// Real child processes for the tests that need another program of the family at the same time.

#include <sys/types.h>

#include <functional>

namespace supporto {

// Runs `corpo` in a child process, whose exit status is 0 when `corpo` returned, 99 when it
// threw (the message goes to stderr); waits for it: its exit status, -1 when it was killed.
pid_t figlio(const std::function<void()>& corpo);
int attendi(pid_t pid);

}  // namespace supporto
