// Program paths on the Linux file system (drives, case, Windows-1252 vs UTF-8); the registry export.

#include <filesystem>

#include "platform/percorsi.h"
#include "platform/registro.h"

#include "runtime/errore.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

namespace {

namespace fs = std::filesystem;

class Percorsi : public ::testing::Test {
  protected:
    supporto::CartellaTemporanea t;
    const std::string radice = t.file("unita");
    void SetUp() override { setenv("PONTEVAL_UNITA", radice.c_str(), 1), setenv("PONTEVAL_REGISTRO", t.file("r.reg").c_str(), 1); }
    void TearDown() override { unsetenv("PONTEVAL_UNITA"), unsetenv("PONTEVAL_REGISTRO"); }
};

TEST_F(Percorsi, UnitaCartelleMaiuscoleEAccenti) {
    // On disk first ("" none, "-" removes C first), the program's path, the path under the root.
    const std::tuple<const char*, const char*, const char*> casi[] = {
        {"", "C:\\PTORVALE\\QZPERARK.QZP", "C/PTORVALE/QZPERARK.QZP"}, {"", "d:\\x\\\\y\\", "D/x/y"},
        // Accents: the UTF-8 spelling, the code-page byte, any case (accented letters too).
        {"C/P/ARCH\xC3\x8CVI/", "C:\\P\\ARCH\xCCVI", "C/P/ARCH\xC3\x8CVI"}, {"", "c:\\p\\arch\xECvi", "C/P/ARCH\xC3\x8CVI"},
        {"-C/P/ARCH\xCCVI/", "C:\\P\\ARCH\xCCVI", "C/P/ARCH\xCCVI"},
        {"-C/P/arch\xECvi/", "C:\\P\\ARCH\xCCVI", "C/P/arch\xECvi"},
        {"-C/P/\xC5\x92UVRE/", "C:\\P\\\x9Cuvre", "C/P/\xC5\x92UVRE"},
        {"-C/P/ARCH\xC3\x8CVI/", "C:\\P\\ARCHIVI", "C/P/ARCHIVI"},  // not the same name
        {"-", "C:\\P\\NUOV\xC8\\F\xCC.DAT", "C/P/NUOV\xC3\x88/F\xC3\x8C.DAT"},  // new: UTF-8
        {"", "C:\\P\\gi\xC3\xA0", "C/P/gi\xC3\xA0"},  // already UTF-8 (typed on Linux)
        // Mixed case on disk found when the exact name is missing; a new name keeps the program's.
        {"c/Archivi/Ditta001/Dip.Dat", "C:\\ARCHIVI\\DITTA001\\DIP.DAT", "c/Archivi/Ditta001/Dip.Dat"},
        {"c/Archivi/DITTA002/dip.dat", "C:\\ARCHIVI\\ditta002\\DIP.DAT", "c/Archivi/DITTA002/dip.dat"},
        {"", "C:\\ARCHIVI\\DITTA001\\NUOVO.DAT", "c/Archivi/Ditta001/NUOVO.DAT"},
        {"", "C:\\ARCHIVI\\MANCA\\Ditta001", "c/Archivi/MANCA/Ditta001"},
        {"c/Archivi/DITTA002/DIP.DAT", "C:\\ARCHIVI\\DITTA002\\DIP.DAT", "c/Archivi/DITTA002/DIP.DAT"},
        {"", "/srv/archivi\\DITTA001\\DIP.DAT", "/srv/archivi/DITTA001/DIP.DAT"},
    };
    for (const auto& [suDisco, programma, atteso] : casi) {
        std::string disco = suDisco;
        if (disco.starts_with("-")) fs::remove_all(radice + "/C"), disco.erase(0, 1);
        if (disco.ends_with("/")) fs::create_directories(radice + "/" + disco);
        else if (!disco.empty()) t.scrivi("unita/" + disco, "x");
        EXPECT_EQ(platform::percorsoLocale(programma), *atteso == '/' ? std::string(atteso) : radice + "/" + atteso) << programma;
    }
    long long n = -1;
    EXPECT_TRUE(platform::esisteFile("C:\\archivi\\ditta001\\dip.dat", &n) && n == 1);
    EXPECT_TRUE(platform::esisteCartella("C:\\ARCHIVI\\DITTA001"));
    EXPECT_FALSE(platform::esisteFile("C:\\ARCHIVI\\DITTA001") || platform::esisteFile("") || platform::esisteCartella(""));
}

TEST_F(Percorsi, SostituzioneAtomica) {
    const std::string ini = radice + "/C/VXSTASK/VXSTASK.INI";
    t.scrivi("unita/C/VXSTASK/VXSTASK.INI", "vecchio contenuto\r\n");
    fs::permissions(ini, fs::perms(0664));
    platform::sostituisciFile("C:\\VXSTASK\\VXSTASK.INI", "07\r\n");
    EXPECT_EQ(supporto::leggiFile(ini), "07\r\n");
    EXPECT_EQ(fs::status(ini).permissions(), fs::perms(0664));
    // A folder that is not there: an error, and nothing half-written anywhere.
    EXPECT_EQ(supporto::erroreDi([] { platform::sostituisciFile("C:\\MANCA\\X.INI", "x"); }), runtime::ERR_PERCORSO);
    EXPECT_FALSE(fs::exists(radice + "/C/MANCA"));
}

// Each value as type and content: T text, D number, A another type, - none.
std::string registro(const std::vector<std::string>& nomi, const std::string& sotto = "") {
    using T = platform::ValoreRegistro::Tipo;
    std::string tutti;
    for (const auto& nome : nomi) {
        const auto v = platform::leggiValoreRegistro("HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL" + sotto, nome);
        tutti += !v ? "-|" : v->tipo == T::Testo ? "T" + v->testo + "|"
                 : v->tipo == T::Dword ? "D" + std::to_string(v->numero) + "|" : "A|";
    }
    return tutti;
}

TEST_F(Percorsi, RegistroTipiSezioniDuplicatiEUnicode) {
    EXPECT_EQ(registro({"A"}), "-|");  // no file
    t.scrivi("r.reg", "REGEDIT4\n\n; commento\n[HKEY_CURRENT_USER\\Software\\Zelcorin\\Ponteval\\]\n"
             "\"A\"=\"C:\\\\ARCHIVI\"\n@=\"predefinito\"\n\"N\"=dword:FFFF8000\n"
             "\"H\"=hex:00,\\\n  01\n\"DOPO_H\"=\"visto\"\n\"X\"=\"primo\"\n"
             "[-HKEY_CURRENT_USER\\Software\\Zelcorin\\Ponteval]\n\"A\"=\"cancellata\"\n"
             "[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL]\n"
             "\"X\"=\"secondo\"\n\"T\"=\"non chiusa\n\"D\"=-\n");
    EXPECT_EQ(registro({"a", "@", "N", "H", "DOPO_H", "X", "T", "D"}), "TC:\\ARCHIVI|Tpredefinito|D4294934528|A|Tvisto|Tsecondo|A|-|");
    EXPECT_EQ(registro({"A"}, "\\SOTTO"), "-|");
    // What regedit writes: UTF-16 little-endian with a byte-order mark, CR LF lines.
    std::string byte = "\xFF\xFE";
    for (char16_t c : std::u16string(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                     u"[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL]\r\n"
                                     u"\"PERCORSOARCHIVI\"=\"C:\\\\Citt\u00E0\u20AC\u00CC\"\r\n"
                                     u"\"K\"=dword:0000000a\r\n"))
        byte += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    t.scrivi("r.reg", byte);
    EXPECT_EQ(registro({"PERCORSOARCHIVI", "K"}), "TC:\\Citt\xE0\x80\xCC|D10|");
}

}  // namespace
