// Configuration from the registry export file and from the path files.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/versione.h"
#include "platform/fine_programma.h"
#include "support/archivio_prova.h"
#include "support/processi.h"
#include "support/prova_base.h"

using namespace archive;

namespace {

const std::string ERRORE_CONFIGURAZIONE =
    "ERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Ponteval CON IL PROGRAMMA QPERCORSO";

class Configurazione : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a;

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
        PERCORSOARCHIVI.clear();
        PERCORSOPROGRAMMI.clear();
        a.scriviTask("3         ");
    }
    void registro(const std::string& valori) {
        std::ofstream f(a.fileRegistro(), std::ios::binary);
        f << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Zelcorin\\Ponteval]\r\n" << valori;
    }
};

TEST_F(Configurazione, DalRegistro) {
    a.cartella("C:\\DATI");
    const std::string programmi = a.locale("C:\\PROGRAMMI");  // a Linux path works too
    registro("\"PERCORSOARCHIVI\"=\"C:\\\\DATI\"\r\n\"PERCORSOPROGRAMMI\"=\"" + programmi +
             "\"\r\n");
    CONFIGREGISTRO();
    EXPECT_EQ(PERCORSOARCHIVI, "C:\\DATI");
    EXPECT_EQ(PERCORSOPROGRAMMI, programmi);
    EXPECT_EQ(CODICETASK, "3");
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(Configurazione, RegistroIncompletoLasciaTuttoComEra) {
    // The programs value is good, the archive one names a missing folder.
    registro(
        "\"PERCORSOARCHIVI\"=\"C:\\\\MANCA\"\r\n\"PERCORSOPROGRAMMI\"=\"C:\\\\PROGRAMMI\"\r\n");
    CODICETASK = "zz";
    CONFIGREGISTRO();
    EXPECT_EQ(PERCORSOARCHIVI, "");
    EXPECT_EQ(PERCORSOPROGRAMMI, "");
    EXPECT_EQ(CODICETASK, "zz");
    // The archive value good, the programs one missing: still nothing taken.
    registro("\"PERCORSOARCHIVI\"=\"C:\\\\ARCHIVI\"\r\n");
    CONFIGREGISTRO();
    EXPECT_EQ(PERCORSOARCHIVI, "");

    // Then the path files: first line, surrounding spaces removed.
    a.scrivi("C:\\PTORVALE\\QZPERARK.QZP", "  C:\\ARCHIVI  \r\nignorata\r\n");
    a.scrivi("C:\\PTORVALE\\QZPERPRO.QZP", "C:\\PROGRAMMI\n");
    CONFIGFILE();
    EXPECT_EQ(PERCORSOARCHIVI, "C:\\ARCHIVI");
    EXPECT_EQ(PERCORSOPROGRAMMI, "C:\\PROGRAMMI");
    EXPECT_EQ(CODICETASK, "3");
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(Configurazione, FileDeiPercorsiMancantiOVuoti) {
    auto prova = [&](const char* archivi, const char* programmi) {
        std::filesystem::remove_all(a.locale("C:\\PTORVALE"));
        if (archivi) a.scrivi("C:\\PTORVALE\\QZPERARK.QZP", archivi);
        if (programmi) a.scrivi("C:\\PTORVALE\\QZPERPRO.QZP", programmi);
        ui().messaggi.clear();
        const int codice = supporto::codiceFine([] { CONFIGFILE(); });
        EXPECT_EQ(codice, platform::USCITA_CONFIGURAZIONE);
        ASSERT_EQ(ui().messaggi.size(), 1u);
        EXPECT_EQ(ui().messaggi[0].testo, ERRORE_CONFIGURAZIONE);
    };
    prova(nullptr, nullptr);
    prova("C:\\ARCHIVI\r\n", nullptr);
    prova(nullptr, "C:\\PROGRAMMI\r\n");
    prova("      \r\nC:\\ARCHIVI\r\n", "C:\\PROGRAMMI\r\n");
    prova("C:\\ARCHIVI\r\n", "");
}

TEST_F(Configurazione, ValoriDelRegistro) {
    registro(
        "\"TESTO\"=\"a \\\"b\\\" \\\\c\"\r\n"
        "\"DIECI\"=dword:0000000a\r\n"
        "\"MENOUNO\"=dword:0001ffff\r\n"
        "\"BINARIO\"=hex:01,02,\\\r\n  03\r\n");
    const char* chiave = CHIAVE_PONTEVAL;
    EXPECT_EQ(LEGGIREGISTRO(HKEY_CURRENT_USER, chiave, "DIECI"), "10");
    EXPECT_EQ(LEGGIREGISTRO(HKEY_CURRENT_USER, chiave, "MENOUNO"), "-1");
    EXPECT_EQ(LEGGIREGISTRO(HKEY_CURRENT_USER, chiave, "BINARIO"), "");
    EXPECT_EQ(LEGGIREGISTRO(0x80000002u, chiave, "TESTO"), "");
}

TEST_F(Configurazione, InformazioniProgetto) {
    NOMEPROGRAMMA = " vxmira ";
    NOMEPROGETTO = "VxMira";
    INFOPROGETTO();
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].testo,
              "Programma ponteval\r\rNome EXE : VXMIRA.EXE\rNome VBP : VXMIRA.VBP\rVersione : " +
                  std::string(VERSIONE) + "\r");
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
