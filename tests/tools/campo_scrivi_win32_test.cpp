// vxarchivio.exe beside a Windows program of the family that holds the archive semaphore
// (QZSEMA.DAT open with share mode 0): its update waits, then goes through.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"

namespace {

class CampoScriviWindows : public supporto::ProvaBase {};

// vxarchivio.exe of the same build: ..\..\src\tools beside tests\tools.
std::wstring vxarchivio() {
    wchar_t questo[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, questo, MAX_PATH);
    return (std::filesystem::path(questo).parent_path() / L"../../src/tools/vxarchivio.exe")
        .lexically_normal()
        .wstring();
}

TEST_F(CampoScriviWindows, AttendeChiTieneIlSemaforo) {
    supporto::CartellaTemporanea t;
    const std::string archivi = t.file("archivi");
    tools::creaArchivioDemo(archivi);
    const std::string dati = archivi + "\\DIPEND.DAT";
    const char prima = supporto::leggiFile(dati).at(222);  // P054 of worker 1

    HANDLE semaforo = CreateFileA((archivi + "\\QZSEMA.DAT").c_str(), GENERIC_READ | GENERIC_WRITE,
                                  0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(semaforo, INVALID_HANDLE_VALUE);
    std::wstring riga = L"\"" + vxarchivio() + L"\" --archivio \"" +
                        std::filesystem::path(archivi).wstring() +
                        L"\" campo-scrivi DIPX$,00223,01,N,0,P054 7 2 1";
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    PROCESS_INFORMATION processo{};
    ASSERT_TRUE(CreateProcessW(nullptr, riga.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &avvio, &processo));
    CloseHandle(processo.hThread);
    EXPECT_EQ(WaitForSingleObject(processo.hProcess, 3000), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(supporto::leggiFile(dati).at(222), prima);
    CloseHandle(semaforo);
    ASSERT_EQ(WaitForSingleObject(processo.hProcess, 60000), WAIT_OBJECT_0);
    DWORD codice = 1;
    GetExitCodeProcess(processo.hProcess, &codice);
    CloseHandle(processo.hProcess);
    EXPECT_EQ(codice, 0u);
    EXPECT_EQ(supporto::leggiFile(dati).at(222), '7');
}

}  // namespace
