#pragma once
// Who runs the program, on which machine, and when: what a record of a change to the archive
// says about its author. Each answer is the operating system's; none of them fails.

#include <string>

namespace platform {

// The login name of the user running the process; "?" when the system knows none.
std::string nomeUtente();

// The name of this machine; "?" when the system gives none.
std::string nomeHost();

// The local time now, ISO 8601 with the offset from UTC: "2026-12-07T14:05:09+01:00".
std::string istanteLocale();

}  // namespace platform
