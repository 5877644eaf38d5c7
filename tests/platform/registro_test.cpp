// The registry export file reader.

#include "platform/registro.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/cartella_temporanea.h"

namespace {

using Tipo = platform::ValoreRegistro::Tipo;

class Registro : public ::testing::Test {
  protected:
    supporto::CartellaTemporanea t;
    const std::string chiave = "HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL";

    void SetUp() override { setenv("PONTEVAL_REGISTRO", t.file("r.reg").c_str(), 1); }
    void TearDown() override { unsetenv("PONTEVAL_REGISTRO"); }
};

TEST_F(Registro, TipiSezioniEDuplicati) {
    EXPECT_FALSE(platform::leggiValoreRegistro(chiave, "A"));  // no file
    t.scrivi("r.reg",
             "REGEDIT4\n\n; commento\n"
             "[HKEY_CURRENT_USER\\Software\\Zelcorin\\Ponteval\\]\n"
             "\"A\"=\"C:\\\\ARCHIVI\"\n"
             "@=\"predefinito\"\n"
             "\"N\"=dword:FFFF8000\n"
             "\"H\"=hex:00,\\\n  01\n"
             "\"DOPO_H\"=\"visto\"\n"
             "\"X\"=\"primo\"\n"
             "[-HKEY_CURRENT_USER\\Software\\Zelcorin\\Ponteval]\n"
             "\"A\"=\"cancellata\"\n"
             "[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL]\n"
             "\"X\"=\"secondo\"\n"
             "\"T\"=\"non chiusa\n"
             "\"D\"=-\n");
    auto v = platform::leggiValoreRegistro(chiave, "a");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->tipo, Tipo::Testo);
    EXPECT_EQ(v->testo, "C:\\ARCHIVI");
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "@")->testo, "predefinito");
    v = platform::leggiValoreRegistro(chiave, "N");
    EXPECT_EQ(v->tipo, Tipo::Dword);
    EXPECT_EQ(v->numero, 0xFFFF8000u);
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "H")->tipo, Tipo::Altro);
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "DOPO_H")->testo, "visto");
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "X")->testo, "secondo");
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "T")->tipo, Tipo::Altro);
    EXPECT_FALSE(platform::leggiValoreRegistro(chiave, "D"));
    EXPECT_FALSE(platform::leggiValoreRegistro(chiave + "\\SOTTO", "A"));
}

TEST_F(Registro, EsportazioneUnicode) {
    // What regedit writes: UTF-16 little-endian with a byte-order mark, CR LF lines.
    const std::u16string testo =
        u"Windows Registry Editor Version 5.00\r\n\r\n"
        u"[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL]\r\n"
        u"\"PERCORSOARCHIVI\"=\"C:\\\\Citt\u00E0\u20AC\"\r\n"
        u"\"K\"=dword:0000000a\r\n";
    std::string byte = "\xFF\xFE";
    for (char16_t c : testo) {
        byte += static_cast<char>(c & 0xFF);
        byte += static_cast<char>(c >> 8);
    }
    t.scrivi("r.reg", byte);
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "PERCORSOARCHIVI")->testo, "C:\\Citt\xE0\x80");
    EXPECT_EQ(platform::leggiValoreRegistro(chiave, "K")->numero, 10u);
}

}  // namespace
