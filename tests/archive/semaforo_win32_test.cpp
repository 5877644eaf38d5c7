// Before windows.h, whose HKEY_CURRENT_USER macro would rewrite the program's constant.
#include "archive/configurazione.h"
// clang-format off
#include <windows.h>
// clang-format on

#include <gtest/gtest.h>

#include "archive/semaforo.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

class SemaforoWindows : public supporto::ProvaBase {};

// While this program holds the semaphore, no other program can open it. A sharing violation
// is EBUSY, whose handling (wait for the semaphore, error 70 for any other file) the fault
// injection checks; waiting for a held semaphore is checked by the tools suite.
TEST_F(SemaforoWindows, TenutoSenzaCondivisione) {
    supporto::ArchivioProva a;
    archive::APRISEMA();
    EXPECT_EQ(CreateFileA(a.locale("QZSEMA.DAT").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

}  // namespace
