#pragma once
// What the Windows files of the platform layer share: names between the program's single-byte
// code page and UTF-16, and the system's error codes read as errno values, so that both
// systems go through one table of run-time errors.

#include <windows.h>

#include <string>

namespace platform::win32 {

// Windows-1252 <-> UTF-16, the code page of the archive's names and texts.
std::wstring largo(const std::string& testo);
std::string stretto(const std::wstring& testo);

// The errno that stands for a Win32 error code (EBUSY for a sharing violation).
int errnoDi(DWORD codice);
// errno of the last failed Win32 call.
inline int ultimoErrno() {
    return errnoDi(GetLastError());
}

}  // namespace platform::win32
