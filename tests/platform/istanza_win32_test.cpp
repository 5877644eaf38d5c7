// The previous-instance test between two real processes: a second copy of this test program
// asks while this one holds the program's named mutex.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/istanza.h"

namespace {

// The second copy: exits 3 when it finds another copy running, 0 otherwise.
TEST(IstanzaFiglio, Chiede) {
    if (!std::getenv("VXMIRA_ISTANZA_FIGLIO")) GTEST_SKIP() << "run only as the second process";
    std::exit(platform::altraCopiaInEsecuzione("VXPROVA") ? 3 : 0);
}

DWORD esitoDellaCopia() {
    wchar_t eseguibile[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, eseguibile, MAX_PATH);
    std::wstring riga = L"\"" + std::wstring(eseguibile) + L"\" --gtest_filter=IstanzaFiglio.Chiede";
    SetEnvironmentVariableA("VXMIRA_ISTANZA_FIGLIO", "1");
    STARTUPINFOW avvio{};
    avvio.cb = sizeof avvio;
    PROCESS_INFORMATION p{};
    const BOOL fatto =
        CreateProcessW(nullptr, riga.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &avvio, &p);
    SetEnvironmentVariableA("VXMIRA_ISTANZA_FIGLIO", nullptr);
    DWORD codice = 99;
    if (fatto && WaitForSingleObject(p.hProcess, 60000) == WAIT_OBJECT_0)
        GetExitCodeProcess(p.hProcess, &codice);
    return codice;  // the handles go with this test process
}

TEST(IstanzaWindows, UnaSecondaCopiaSiFerma) {
    EXPECT_EQ(esitoDellaCopia(), 0u);  // nobody holds it yet
    EXPECT_FALSE(platform::altraCopiaInEsecuzione("VXPROVA"));
    EXPECT_FALSE(platform::altraCopiaInEsecuzione("VXPROVA"));  // this process holds it
    EXPECT_EQ(esitoDellaCopia(), 3u);
    EXPECT_FALSE(platform::altraCopiaInEsecuzione("VXALTRO"));  // another program is free
}

}  // namespace
