// vxarchivio.exe beside a Windows program of the family that holds the archive semaphore
// (QZSEMA.DAT open with share mode 0): its update waits, then goes through.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"

namespace {

class CampoScriviWindows : public supporto::ProvaBase {};

TEST_F(CampoScriviWindows, AttendeChiTieneIlSemaforo) {
    supporto::CartellaTemporanea t;
    const std::string archivi = t.file("archivi"), dati = archivi + "\\DIPEND.DAT";
    tools::creaArchivioDemo(archivi);
    const char prima = supporto::leggiFile(dati).at(222);  // P054 of worker 1
    HANDLE semaforo = CreateFileA((archivi + "\\QZSEMA.DAT").c_str(), GENERIC_READ | GENERIC_WRITE,
                                  0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(semaforo, INVALID_HANDLE_VALUE);
    // vxarchivio.exe of the same build: ..\..\src\tools beside tests\tools.
    wchar_t questo[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, questo, MAX_PATH);
    std::wstring riga = L"\"" + std::filesystem::path(questo).parent_path().wstring() +
                        L"\\..\\..\\src\\tools\\vxarchivio.exe\" --archivio \"" +
                        std::filesystem::path(archivi).wstring() + L"\" campo-scrivi DIPX$,00223,01,N,0,P054 7 2 1";
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    PROCESS_INFORMATION processo{};
    ASSERT_TRUE(CreateProcessW(nullptr, riga.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &avvio, &processo));
    EXPECT_EQ(WaitForSingleObject(processo.hProcess, 3000), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_EQ(supporto::leggiFile(dati).at(222), prima);
    CloseHandle(semaforo);
    ASSERT_EQ(WaitForSingleObject(processo.hProcess, 60000), WAIT_OBJECT_0);
    DWORD codice = 1;
    EXPECT_TRUE(GetExitCodeProcess(processo.hProcess, &codice) && codice == 0);
    EXPECT_EQ(supporto::leggiFile(dati).at(222), '7');
}

}  // namespace
