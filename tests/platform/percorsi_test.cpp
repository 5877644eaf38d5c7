// Program paths mapped onto the Linux file system.

#include "platform/percorsi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "runtime/errore.h"
#include "support/cartella_temporanea.h"

namespace {

namespace fs = std::filesystem;

class Percorsi : public ::testing::Test {
  protected:
    supporto::CartellaTemporanea t;
    std::string radice;

    void SetUp() override {
        radice = t.file("unita");
        setenv("PONTEVAL_UNITA", radice.c_str(), 1);
    }
    void TearDown() override { unsetenv("PONTEVAL_UNITA"); }
};

TEST_F(Percorsi, UnitaCartelleEMaiuscole) {
    using platform::percorsoLocale;
    EXPECT_EQ(percorsoLocale("C:\\PTORVALE\\QZPERARK.QZP"), radice + "/C/PTORVALE/QZPERARK.QZP");
    EXPECT_EQ(percorsoLocale("d:\\x\\\\y\\"), radice + "/D/x/y");
    EXPECT_EQ(percorsoLocale("/srv/archivi\\DITTA001\\DIP.DAT"), "/srv/archivi/DITTA001/DIP.DAT");

    // Mixed case on disk: found when the exact name is missing, for the drive too.
    t.scrivi("unita/c/Archivi/Ditta001/Dip.Dat", "x");
    t.scrivi("unita/c/Archivi/DITTA002/dip.dat", "y");
    EXPECT_EQ(percorsoLocale("C:\\ARCHIVI\\DITTA001\\DIP.DAT"),
              radice + "/c/Archivi/Ditta001/Dip.Dat");
    EXPECT_EQ(percorsoLocale("C:\\ARCHIVI\\ditta002\\DIP.DAT"),
              radice + "/c/Archivi/DITTA002/dip.dat");
    // A new file keeps the program's spelling inside the existing folders.
    EXPECT_EQ(percorsoLocale("C:\\ARCHIVI\\DITTA001\\NUOVO.DAT"),
              radice + "/c/Archivi/Ditta001/NUOVO.DAT");
    EXPECT_EQ(percorsoLocale("C:\\ARCHIVI\\MANCA\\Ditta001"), radice + "/c/Archivi/MANCA/Ditta001");
    // The exact name wins over a different-case one.
    t.scrivi("unita/c/Archivi/DITTA002/DIP.DAT", "z");
    EXPECT_EQ(percorsoLocale("C:\\ARCHIVI\\DITTA002\\DIP.DAT"),
              radice + "/c/Archivi/DITTA002/DIP.DAT");

    long long lunghezza = -1;
    EXPECT_TRUE(platform::esisteFile("C:\\archivi\\ditta001\\dip.dat", &lunghezza));
    EXPECT_EQ(lunghezza, 1);
    EXPECT_FALSE(platform::esisteFile("C:\\ARCHIVI\\DITTA001"));
    EXPECT_TRUE(platform::esisteCartella("C:\\ARCHIVI\\DITTA001"));
    EXPECT_FALSE(platform::esisteCartella(""));
    EXPECT_FALSE(platform::esisteFile(""));
}

TEST_F(Percorsi, SostituzioneAtomica) {
    t.scrivi("unita/C/VXSTASK/VXSTASK.INI", "vecchio contenuto\r\n");
    fs::permissions(radice + "/C/VXSTASK/VXSTASK.INI", fs::perms(0664));
    platform::sostituisciFile("C:\\VXSTASK\\VXSTASK.INI", "07\r\n");
    EXPECT_EQ(t.leggi("unita/C/VXSTASK/VXSTASK.INI"), "07\r\n");
    EXPECT_EQ(fs::status(radice + "/C/VXSTASK/VXSTASK.INI").permissions(), fs::perms(0664));
    EXPECT_EQ(
        std::distance(fs::directory_iterator(radice + "/C/VXSTASK"), fs::directory_iterator()), 1);

    // A folder that is not there: an error, and nothing half-written anywhere.
    try {
        platform::sostituisciFile("C:\\MANCA\\X.INI", "x");
        ADD_FAILURE() << "no error";
    } catch (const runtime::ErroreRuntime& e) {
        EXPECT_EQ(e.numero(), runtime::ERR_PERCORSO);
    }
    EXPECT_FALSE(fs::exists(radice + "/C/MANCA"));
}

}  // namespace
