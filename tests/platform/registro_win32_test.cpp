// The registry of the workstation, as LEGGIREGISTRO reads it through the platform: values of
// every kind written with the registry API into the test prefix's own current-user hive.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registro.h"

namespace {

const wchar_t* const CHIAVE = L"SOFTWARE\\ZELCORIN\\VXPROVA";

TEST(RegistroWindows, OgniTipoDiValore) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, CHIAVE, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &k, nullptr),
              ERROR_SUCCESS);
    struct Caso {
        const wchar_t* nome;
        DWORD tipo;
        std::vector<BYTE> dati;
        platform::ValoreRegistro::Tipo atteso;
        std::string testo;
        uint32_t numero;
    };
    auto testo = [](const std::wstring& t) {
        const auto* b = reinterpret_cast<const BYTE*>(t.c_str());
        return std::vector<BYTE>(b, b + (t.size() + 1) * sizeof(wchar_t));
    };
    using T = platform::ValoreRegistro::Tipo;
    const std::vector<Caso> casi = {
        {L"PERCORSOARCHIVI", REG_SZ, testo(L"Z:\\srv\\paghe\\archivi"), T::Testo,
         "Z:\\srv\\paghe\\archivi", 0},
        {L"ACCENTATO", REG_SZ, testo(L"citt\u00E0 \u0153"), T::Testo, "citt\xE0 \x9C", 0},
        {L"NUMERO", REG_DWORD, {0xFF, 0xFF, 0x34, 0x12}, T::Dword, "", 0x1234FFFFu},
        {L"BINARIO", REG_BINARY, {1, 2, 3}, T::Altro, "", 0},
        {L"ESPANDIBILE", REG_EXPAND_SZ, testo(L"%TEMP%"), T::Altro, "", 0},
    };
    for (const Caso& c : casi)
        ASSERT_EQ(RegSetValueExW(k, c.nome, 0, c.tipo, c.dati.data(),
                                 static_cast<DWORD>(c.dati.size())),
                  ERROR_SUCCESS);
    RegCloseKey(k);
    const std::string chiave = "HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\VXPROVA";
    for (const Caso& c : casi) {
        const std::wstring nomeLargo = c.nome;
        const std::string nome(nomeLargo.begin(), nomeLargo.end());
        SCOPED_TRACE(nome);
        const auto v = platform::leggiValoreRegistro(chiave, nome);
        ASSERT_TRUE(v.has_value());
        EXPECT_EQ(v->tipo, c.atteso);
        if (c.atteso == T::Testo) {
            EXPECT_EQ(v->testo.substr(0, v->testo.find('\0')), c.testo);
        } else if (c.atteso == T::Dword) {
            EXPECT_EQ(v->numero, c.numero);
        }
    }
    EXPECT_FALSE(platform::leggiValoreRegistro(chiave, "MANCA").has_value());
    EXPECT_FALSE(platform::leggiValoreRegistro(chiave + "\\MANCA", "NUMERO").has_value());
    // Key and value names are compared without regard to case, as the registry does.
    EXPECT_TRUE(platform::leggiValoreRegistro("hkey_current_user\\software\\zelcorin\\vxprova",
                                              "numero")
                    .has_value());
    RegDeleteTreeW(HKEY_CURRENT_USER, CHIAVE);
}

}  // namespace
