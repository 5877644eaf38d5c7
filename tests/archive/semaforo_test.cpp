// The end of the run. Exclusion under the semaphore between processes is checked by the
// many-process test of the tools suite.

#include <gtest/gtest.h>
#include <filesystem>

#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

using namespace archive;

namespace {

class Semaforo : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{30, "CONTA.DAT", 10}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }
};

TEST_F(Semaforo, ChiusuraSenzaAperturaNonFaNulla) {
    FAIOPEN(30);
    CHIUDISEMA();
    EXPECT_TRUE(platform::canaleAperto(CANALE[30]));
    EXPECT_EQ(CANALE[FILE_SEMAFORO], 0);
}

TEST_F(Semaforo, TerminaRiscriveIlFileTask) {
    EXPECT_EQ(fileTask(), "C:\\VXSTASK\\VXSTASK.INI");
    a.scrivi("C:\\VXSTASK\\VXSTASK.INI", "12 vecchio\r\naltra riga\r\n");
    FAIOPEN(30);
    CODICETASK = "07";
    EXPECT_EQ(supporto::codiceFine([] { TERMINA(); }), platform::USCITA_NORMALE);
    EXPECT_EQ(a.leggi("C:\\VXSTASK\\VXSTASK.INI"), "07" + std::string(98, ' ') + "\r\n");
    EXPECT_EQ(CANALE[30], 0);
    EXPECT_FALSE(platform::canaleAperto(1));

    CODICETASK = "";
    EXPECT_EQ(supporto::codiceFine([] { TERMINA(); }), platform::USCITA_NORMALE);
    EXPECT_EQ(a.leggi("C:\\VXSTASK\\VXSTASK.INI"), std::string(100, ' ') + "\r\n");

    // No task file: nothing is written, the run ends all the same.
    std::filesystem::remove(a.locale("C:\\VXSTASK\\VXSTASK.INI"));
    EXPECT_EQ(supporto::codiceFine([] { TERMINA(); }), platform::USCITA_NORMALE);
    EXPECT_FALSE(a.esiste("C:\\VXSTASK\\VXSTASK.INI"));
}

}  // namespace
