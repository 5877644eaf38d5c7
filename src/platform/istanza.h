#pragma once
// The previous-instance test: one lock file per program name and user, held by the running
// copy for the life of its process.

#include <string>

namespace platform {

// true when another process of this user runs the program `nome`. The first call that
// returns false takes the lock and keeps it until the process ends; later calls of the same
// process return false again. A lock file that cannot be made is the run-time error of errno.
bool altraCopiaInEsecuzione(const std::string& nome);

// Where the lock file of `nome` lives: $XDG_RUNTIME_DIR, else the system's temporary folder
// with the user id in the name.
std::string fileIstanza(const std::string& nome);

}  // namespace platform
