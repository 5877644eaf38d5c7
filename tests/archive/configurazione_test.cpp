// Configuration from the registry export file and from the path files.

#include <unistd.h>

#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "platform/fine_programma.h"
#include "support/archivio_prova.h"
#include "support/processi.h"

using namespace archive;

namespace {

class Configurazione : public supporto::ProvaArchivio {
  protected:
    void SetUp() override { ProvaArchivio::SetUp(), PERCORSOARCHIVI.clear(), PERCORSOPROGRAMMI.clear(), a.scriviTask("3         "); }
    void registro(const std::string& valori) {
        supporto::scriviFile(a.fileRegistro(), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Zelcorin\\Ponteval]\r\n" + valori);
    }
};

// Both registry folders must exist before either is taken; the path files: first line, trimmed.
TEST_F(Configurazione, DalRegistroOppureDaiFileDeiPercorsi) {
    CODICETASK = "zz";
    for (const char* valori :
         {"\"PERCORSOARCHIVI\"=\"C:\\\\MANCA\"\r\n\"PERCORSOPROGRAMMI\"=\"C:\\\\PROGRAMMI\"\r\n",
          "\"PERCORSOARCHIVI\"=\"C:\\\\ARCHIVI\"\r\n"}) {
        registro(valori);
        CONFIGREGISTRO();
        EXPECT_EQ(PERCORSOARCHIVI + PERCORSOPROGRAMMI + CODICETASK, "zz");
    }
    a.scrivi("C:\\PTORVALE\\QZPERARK.QZP", "  C:\\ARCHIVI  \r\nignorata\r\n");
    a.scrivi("C:\\PTORVALE\\QZPERPRO.QZP", "C:\\PROGRAMMI\n");
    CONFIGFILE();
    EXPECT_EQ(PERCORSOARCHIVI, "C:\\ARCHIVI");
    EXPECT_EQ(PERCORSOPROGRAMMI, "C:\\PROGRAMMI");
    EXPECT_EQ(CODICETASK, "3");
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(Configurazione, FileDeiPercorsiMancantiOVuoti) {
    const std::pair<const char*, const char*> casi[] = {{nullptr, nullptr}, {"C:\\ARCHIVI\r\n", nullptr},
        {nullptr, "C:\\PROGRAMMI\r\n"}, {"      \r\nC:\\ARCHIVI\r\n", "C:\\PROGRAMMI\r\n"}, {"C:\\ARCHIVI\r\n", ""}};
    for (const auto& [archivi, programmi] : casi) {
        std::filesystem::remove_all(a.locale("C:\\PTORVALE"));
        if (archivi) a.scrivi("C:\\PTORVALE\\QZPERARK.QZP", archivi);
        if (programmi) a.scrivi("C:\\PTORVALE\\QZPERPRO.QZP", programmi);
        EXPECT_EQ(supporto::codiceFine(CONFIGFILE), platform::USCITA_CONFIGURAZIONE);
    }
}

// A dword is read as a 16-bit integer; other kinds and other hives give nothing.
TEST_F(Configurazione, ValoriDelRegistro) {
    registro("\"MENOUNO\"=dword:0001ffff\r\n\"BINARIO\"=hex:01,02\r\n\"TESTO\"=\"a\"\r\n");
    EXPECT_EQ(LEGGIREGISTRO(HKEY_CURRENT_USER, CHIAVE_PONTEVAL, "MENOUNO"), "-1");
    EXPECT_EQ(LEGGIREGISTRO(HKEY_CURRENT_USER, CHIAVE_PONTEVAL, "BINARIO"), "");
    EXPECT_EQ(LEGGIREGISTRO(0x80000002u, CHIAVE_PONTEVAL, "TESTO"), "");
}

TEST_F(Configurazione, UnaSecondaCopiaFinisceSubito) {
    registro("");
    CONFIGREGISTRO();  // this process is now the running copy
    for (auto configura : {&CONFIGREGISTRO, &CONFIGFILE}) {
        const pid_t pid = supporto::figlio([&] {
            const int codice = supporto::codiceFine(configura);
            _exit(ui().messaggi.empty() ? codice : 97);
        });
        EXPECT_EQ(supporto::attendi(pid), platform::USCITA_ALTRA_COPIA);
    }
}

}  // namespace
