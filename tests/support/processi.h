#pragma once
// Real child processes for the tests that need another program of the family at the same time.

#include <sys/types.h>

#include <functional>

namespace supporto {

// Runs `corpo` in a child process; its exit status is 0 when `corpo` returned normally, 99
// when it threw (the message goes to stderr).
pid_t figlio(const std::function<void()>& corpo);

// Waits for the child; its exit status, or -1 when it did not exit normally (killed).
int attendi(pid_t pid);

}  // namespace supporto
