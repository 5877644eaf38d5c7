// The archive semaphore against the system's share modes: a second copy of this test program,
// and files held the way the family's Windows programs hold them (share mode 0).

// Before windows.h, whose HKEY_CURRENT_USER macro would rewrite the program's constant.
#include "archive/configurazione.h"
// clang-format off
#include <windows.h>
// clang-format on

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

constexpr const char* CARTELLA_FIGLIO = "VXMIRA_SEMAFORO_FIGLIO";

// The second copy: marks that it started, takes the semaphore of the archive named in its
// environment, marks that it got in, gives it back.
TEST(SemaforoFiglio, EntraQuandoPuo) {
    const char* cartella = std::getenv(CARTELLA_FIGLIO);
    if (!cartella) GTEST_SKIP() << "run only as the second process";
    archive::PERCORSOARCHIVI = cartella;
    supporto::scriviFile(std::string(cartella) + "\\PARTITO", "");
    archive::APRISEMA();
    supporto::scriviFile(std::string(cartella) + "\\ENTRATO", "");
    archive::CHIUDISEMA();
}

HANDLE avviaCopia(const std::string& cartella) {
    wchar_t eseguibile[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, eseguibile, MAX_PATH);
    std::wstring riga =
        L"\"" + std::wstring(eseguibile) + L"\" --gtest_filter=SemaforoFiglio.EntraQuandoPuo";
    SetEnvironmentVariableA(CARTELLA_FIGLIO, cartella.c_str());  // inherited by the child only
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    PROCESS_INFORMATION processo{};
    const BOOL fatto = CreateProcessW(nullptr, riga.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                      nullptr, &avvio, &processo);
    SetEnvironmentVariableA(CARTELLA_FIGLIO, nullptr);
    if (!fatto) return nullptr;
    CloseHandle(processo.hThread);
    return processo.hProcess;
}

// A handle of another program of the family: locked against every other opening.
HANDLE tieni(const std::string& percorso) {
    return CreateFileA(percorso.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

class SemaforoWindows : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{30, "CONTA.DAT", 10}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }
};

TEST_F(SemaforoWindows, UnAltroProcessoAttendeIlRilascio) {
    archive::APRISEMA();
    HANDLE figlio = avviaCopia(a.locale(supporto::ArchivioProva::ARCHIVI));
    ASSERT_NE(figlio, nullptr);
    for (int i = 0; i < 600 && !a.esiste("PARTITO"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(a.esiste("PARTITO"));
    EXPECT_EQ(WaitForSingleObject(figlio, 700), static_cast<DWORD>(WAIT_TIMEOUT));  // waiting
    EXPECT_FALSE(a.esiste("ENTRATO"));
    archive::CHIUDISEMA();
    ASSERT_EQ(WaitForSingleObject(figlio, 30000), WAIT_OBJECT_0);
    DWORD codice = 1;
    GetExitCodeProcess(figlio, &codice);
    CloseHandle(figlio);
    EXPECT_EQ(codice, 0u);
    EXPECT_TRUE(a.esiste("ENTRATO"));
}

TEST_F(SemaforoWindows, FileTenutiDaUnAltroProgramma) {
    // The semaphore: waited for until the holder lets it go.
    HANDLE semaforo = tieni(a.locale("QZSEMA.DAT"));
    ASSERT_NE(semaforo, INVALID_HANDLE_VALUE);
    std::thread rilascio([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        CloseHandle(semaforo);
    });
    const auto inizio = std::chrono::steady_clock::now();
    archive::APRISEMA();
    const auto atteso = std::chrono::steady_clock::now() - inizio;
    rilascio.join();
    EXPECT_GE(atteso, std::chrono::milliseconds(250));
    EXPECT_TRUE(platform::canaleAperto(archive::CANALE[archive::FILE_SEMAFORO]));
    EXPECT_TRUE(ui().messaggi.empty());
    // Now this program holds it: nobody else can open it.
    EXPECT_EQ(tieni(a.locale("QZSEMA.DAT")), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    archive::CHIUDISEMA();

    // Any other file: error 70 in the report.
    HANDLE dati = tieni(a.locale("CONTA.DAT"));
    ASSERT_NE(dati, INVALID_HANDLE_VALUE);
    const int fine =
        supporto::codiceFine([] { archive::eventoProtetto([] { archive::FAIOPEN(30); }); });
    CloseHandle(dati);
    EXPECT_EQ(fine, platform::USCITA_ERRORE);
    ASSERT_FALSE(ui().messaggi.empty());
    EXPECT_EQ(ui().messaggi.front().testo.rfind("Errore 70 ", 0), 0u) << ui().messaggi.front().testo;
}

}  // namespace
