// The registry of the workstation, as LEGGIREGISTRO reads it through the platform: values of
// every kind written with the registry API into the test prefix's own current-user hive.

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/registro.h"

namespace {

using T = platform::ValoreRegistro::Tipo;

std::vector<BYTE> testo(const std::wstring& t) {
    const auto* b = reinterpret_cast<const BYTE*>(t.c_str());
    return std::vector<BYTE>(b, b + (t.size() + 1) * sizeof(wchar_t));
}

TEST(RegistroWindows, OgniTipoDiValore) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\ZELCORIN\\VXPROVA", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &k, nullptr), ERROR_SUCCESS);
    // Name, registry type, bytes; the type read and its text or number.
    const std::tuple<std::string, DWORD, std::vector<BYTE>, T, std::string, uint32_t> casi[] = {
        {"PERCORSOARCHIVI", REG_SZ, testo(L"Z:\\srv\\paghe"), T::Testo, "Z:\\srv\\paghe", 0},
        {"ACCENTATO", REG_SZ, testo(L"citt\u00E0 \u0153"), T::Testo, "citt\xE0 \x9C", 0},
        {"NUMERO", REG_DWORD, {0xFF, 0xFF, 0x34, 0x12}, T::Dword, "", 0x1234FFFFu},
        {"BINARIO", REG_BINARY, {1, 2, 3}, T::Altro, "", 0},
        {"ESPANDIBILE", REG_EXPAND_SZ, testo(L"%TEMP%"), T::Altro, "", 0},
    };
    for (const auto& [nome, tipo, dati, atteso, parola, numero] : casi)
        ASSERT_EQ(RegSetValueExW(k, std::wstring(nome.begin(), nome.end()).c_str(), 0, tipo,
                                 dati.data(), DWORD(dati.size())),
                  ERROR_SUCCESS);
    RegCloseKey(k);
    const std::string chiave = "HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\VXPROVA";
    for (const auto& [nome, tipo, dati, atteso, parola, numero] : casi) {
        const auto v = platform::leggiValoreRegistro(chiave, nome);
        ASSERT_TRUE(v.has_value()) << nome;
        EXPECT_EQ(v->tipo, atteso) << nome;
        EXPECT_EQ(v->tipo == T::Testo ? v->testo.substr(0, v->testo.find('\0')) : "", parola) << nome;
        EXPECT_EQ(v->tipo == T::Dword ? v->numero : 0, numero) << nome;
    }
    EXPECT_FALSE(platform::leggiValoreRegistro(chiave, "MANCA") ||
                 platform::leggiValoreRegistro(chiave + "\\MANCA", "NUMERO"));
    // Key and value names are compared without regard to case, as the registry does.
    EXPECT_TRUE(platform::leggiValoreRegistro("hkey_current_user\\software\\zelcorin\\vxprova", "numero"));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\ZELCORIN\\VXPROVA");
}

}  // namespace
