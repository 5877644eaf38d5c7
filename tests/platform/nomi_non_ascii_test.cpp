// Folder and file names with accented letters: Windows-1252 in the program, UTF-8 on disk.

#include <gtest/gtest.h>

#include <filesystem>

#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "platform/percorsi.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

namespace fs = std::filesystem;

class NomiNonAscii : public supporto::ProvaBase {};

TEST_F(NomiNonAscii, RicercaCreazioneERegistro) {
    const supporto::ArchivioProva a({{2, "DITT\xC0\\DIP.DAT", 4}});
    const std::string r = platform::radiceUnita() + "/";
    // On disk under the drive root ("" for nothing), the program's path, the Linux path.
    struct Caso {
        const char *suDisco, *programma, *atteso;
    } casi[] = {
        {"C/P/ARCH\xC3\x8CVI", "C:\\P\\ARCH\xCCVI", "C/P/ARCH\xC3\x8CVI"},  // UTF-8
        {"C/P/ARCH\xCCVI", "C:\\P\\ARCH\xCCVI", "C/P/ARCH\xCCVI"},          // code-page byte
        {"C/P/ARCH\xC3\x8CVI", "c:\\p\\arch\xECvi", "C/P/ARCH\xC3\x8CVI"},  // case, accents too
        {"C/P/arch\xECvi", "C:\\P\\ARCH\xCCVI", "C/P/arch\xECvi"},
        {"C/P/\xC5\x92UVRE", "C:\\P\\\x9Cuvre", "C/P/\xC5\x92UVRE"},
        {"C/P/ARCH\xC3\x8CVI", "C:\\P\\ARCHIVI", "C/P/ARCHIVI"},               // not the same name
        {"", "C:\\P\\NUOV\xC8\\F\xCC.DAT", "C/P/NUOV\xC3\x88/F\xC3\x8C.DAT"},  // new: UTF-8
        {"", "C:\\P\\gi\xC3\xA0", "C/P/gi\xC3\xA0"},  // already UTF-8 (typed on Linux)
    };
    for (const Caso& c : casi) {
        if (*c.suDisco) fs::create_directories(r + c.suDisco);
        EXPECT_EQ(platform::percorsoLocale(c.programma), r + c.atteso) << c.programma;
        if (*c.suDisco) fs::remove_all(r + "C/P");
    }

    // A UTF-16 registry export, then path files in code-page bytes, naming a UTF-8 folder;
    // inside it, a catalogue template with an accent.
    const std::string archivi = platform::radiceUnita() + "/C/PONTEVAL/ARCH\xC3\x8CVI";
    fs::create_directories(archivi + "/DITT\xC3\x80");
    fs::rename(a.locale("C:\\ARCHIVI\\QZBASE.DAT"), archivi + "/QZBASE.DAT");
    supporto::scriviFile(archivi + "/DITT\xC3\x80/DIP.DAT", "ABCD");
    a.scriviTask("07");
    std::string reg = "\xFF\xFE";
    for (char16_t c :
         std::u16string(u"REGEDIT4\r\n[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\"
                        u"PONTEVAL]\r\n\"PERCORSOARCHIVI\"=\"C:\\\\PONTEVAL\\\\ARCH"
                        u"\u00CCVI\"\r\n\"PERCORSOPROGRAMMI\"=\"C:\\\\PROGRAMMI\"\r\n"))
        reg += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    supporto::scriviFile(a.fileRegistro(), reg);
    archive::CONFIGREGISTRO();
    EXPECT_EQ(archive::PERCORSOARCHIVI, "C:\\PONTEVAL\\ARCH\xCCVI");
    a.scrivi("C:\\PTORVALE\\QZPERARK.QZP", "C:\\PONTEVAL\\ARCH\xCCVI\r\n");
    a.scrivi("C:\\PTORVALE\\QZPERPRO.QZP", "C:\\PROGRAMMI\r\n");
    archive::CONFIGFILE();
    archive::FAIOPEN(2);
    archive::LEGGIREC(2, 1);
    EXPECT_EQ(archive::AREAREC[2], "ABCD");
}

}  // namespace
