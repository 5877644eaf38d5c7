#include <windows.h>

#include <cstdio>

#include "platform/postazione.h"
#include "platform/sistema_win32.h"

namespace platform {

std::string nomeUtente() {
    wchar_t nome[257] = {};
    DWORD lunghezza = 257;
    if (!GetUserNameW(nome, &lunghezza) || nome[0] == L'\0') return "?";
    return win32::stretto(nome);
}

std::string nomeHost() {
    wchar_t nome[256] = {};
    DWORD lunghezza = 256;
    if (!GetComputerNameExW(ComputerNameDnsHostname, nome, &lunghezza) || nome[0] == L'\0')
        return "?";
    return win32::stretto(nome);
}

std::string istanteLocale() {
    SYSTEMTIME ora{};
    GetLocalTime(&ora);
    TIME_ZONE_INFORMATION fuso{};
    // Bias is minutes west of UTC; the part of the year in force adds its own.
    LONG ovest = 0;
    switch (GetTimeZoneInformation(&fuso)) {
        case TIME_ZONE_ID_DAYLIGHT: ovest = fuso.Bias + fuso.DaylightBias; break;
        case TIME_ZONE_ID_STANDARD: ovest = fuso.Bias + fuso.StandardBias; break;
        case TIME_ZONE_ID_UNKNOWN: ovest = fuso.Bias; break;
        default: break;
    }
    const long scarto = -static_cast<long>(ovest) % (24 * 60);
    const long assoluto = scarto < 0 ? -scarto : scarto;
    char testo[48];
    std::snprintf(testo, sizeof testo, "%04u-%02u-%02uT%02u:%02u:%02u%c%02ld:%02ld",
                  unsigned{ora.wYear}, unsigned{ora.wMonth}, unsigned{ora.wDay}, unsigned{ora.wHour},
                  unsigned{ora.wMinute}, unsigned{ora.wSecond}, scarto < 0 ? '-' : '+',
                  assoluto / 60, assoluto % 60);
    return testo;
}

}  // namespace platform
