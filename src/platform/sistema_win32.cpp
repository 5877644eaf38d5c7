#include "platform/sistema_win32.h"

#include <cerrno>

namespace platform::win32 {

namespace {

constexpr UINT CODEPAGE = 1252;

struct Corrispondenza {
    DWORD codice;
    int codiceErrno;
};

// Only what a file, a folder or the registry can answer; anything else is an I/O error.
constexpr Corrispondenza DA_WIN32[] = {
    {ERROR_FILE_NOT_FOUND, ENOENT},
    {ERROR_PATH_NOT_FOUND, ENOTDIR},
    {ERROR_INVALID_NAME, ENOTDIR},
    {ERROR_BAD_PATHNAME, ENOTDIR},
    {ERROR_DIRECTORY, ENOTDIR},
    {ERROR_INVALID_DRIVE, ENOTDIR},
    {ERROR_BAD_NETPATH, ENOTDIR},
    {ERROR_BAD_NET_NAME, ENOTDIR},
    {ERROR_FILENAME_EXCED_RANGE, ENAMETOOLONG},
    {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_WRITE_PROTECT, EROFS},
    {ERROR_SHARING_VIOLATION, EBUSY},
    {ERROR_LOCK_VIOLATION, EBUSY},
    {ERROR_FILE_EXISTS, EEXIST},
    {ERROR_ALREADY_EXISTS, EEXIST},
    {ERROR_DISK_FULL, ENOSPC},
    {ERROR_HANDLE_DISK_FULL, ENOSPC},
    {ERROR_TOO_MANY_OPEN_FILES, EMFILE},
    {ERROR_INVALID_HANDLE, EBADF},
    {ERROR_NOT_ENOUGH_MEMORY, ENOMEM},
    {ERROR_OUTOFMEMORY, ENOMEM},
    {ERROR_NOT_READY, ENXIO},
    {ERROR_DEV_NOT_EXIST, ENODEV},
};

}  // namespace

std::wstring largo(const std::string& testo) {
    if (testo.empty()) return {};
    const int n = MultiByteToWideChar(CODEPAGE, 0, testo.data(), static_cast<int>(testo.size()),
                                      nullptr, 0);
    std::wstring r(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CODEPAGE, 0, testo.data(), static_cast<int>(testo.size()), r.data(), n);
    return r;
}

std::string stretto(const std::wstring& testo) {
    if (testo.empty()) return {};
    const int n = WideCharToMultiByte(CODEPAGE, 0, testo.data(), static_cast<int>(testo.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string r(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CODEPAGE, 0, testo.data(), static_cast<int>(testo.size()), r.data(), n,
                        nullptr, nullptr);
    return r;
}

int errnoDi(DWORD codice) {
    for (const auto& c : DA_WIN32)
        if (c.codice == codice) return c.codiceErrno;
    return EIO;
}

}  // namespace platform::win32
