#include "platform/registro.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <vector>

#include "runtime/codice_pagina.h"
#include "runtime/testo.h"

namespace platform {

namespace {

std::string variabile(const char* nome) {
    const char* v = std::getenv(nome);
    return v ? std::string(v) : std::string();
}

std::string daUtf16(const std::string& byte) {
    std::string testo;
    for (size_t i = 2; i + 1 < byte.size(); i += 2) {
        char32_t c =
            static_cast<unsigned char>(byte[i]) | (static_cast<unsigned char>(byte[i + 1]) << 8);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < byte.size()) {
            const char32_t basso = static_cast<unsigned char>(byte[i + 2]) |
                                   (static_cast<unsigned char>(byte[i + 3]) << 8);
            if (basso >= 0xDC00 && basso <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (basso - 0xDC00);
                i += 2;
            }
        }
        testo += runtime::byteDi(c);
    }
    return testo;
}

std::string contenutoFile(const std::string& percorso, bool& letto) {
    std::ifstream f(percorso, std::ios::binary);
    letto = static_cast<bool>(f);
    if (!letto) return {};
    std::string byte((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (byte.size() >= 2 && byte[0] == '\xFF' && byte[1] == '\xFE') return daUtf16(byte);
    if (byte.size() >= 3 && byte.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return runtime::testo1252DaUtf8(std::string_view(byte).substr(3));
    return byte;
}

// Logical lines: a line ending in "\" goes on in the next (long hex values).
std::vector<std::string> righe(const std::string& testo) {
    std::vector<std::string> elenco;
    std::string logica;
    std::string fisica;
    auto chiudi = [&] {
        logica += logica.empty() ? fisica : runtime::LTRIM(fisica);
        fisica.clear();
        const std::string r = runtime::RTRIM(logica);
        if (!r.empty() && r.back() == '\\') {
            logica = r.substr(0, r.size() - 1);
            return;
        }
        elenco.push_back(logica);
        logica.clear();
    };
    for (size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
            chiudi();
        } else {
            fisica += c;
        }
    }
    if (!fisica.empty() || !logica.empty()) chiudi();
    if (!logica.empty()) elenco.push_back(logica);
    return elenco;
}

// A quoted text starting at `da` (the opening quote); `fine` gets the position after the
// closing quote. false when the quotes do not close.
bool testoTraVirgolette(const std::string& riga, size_t da, std::string& testo, size_t& fine) {
    testo.clear();
    for (size_t i = da + 1; i < riga.size(); ++i) {
        if (riga[i] == '\\' && i + 1 < riga.size()) {
            testo += riga[++i];
        } else if (riga[i] == '"') {
            fine = i + 1;
            return true;
        } else {
            testo += riga[i];
        }
    }
    return false;
}

std::string normaleChiave(const std::string& chiave) {
    std::string c = runtime::UCASE(runtime::TRIM(chiave));
    while (!c.empty() && c.back() == '\\')
        c.pop_back();
    return c;
}

bool leggiDword(const std::string& cifre, uint32_t& numero) {
    const std::string c = runtime::TRIM(cifre);
    if (c.empty() || c.size() > 8) return false;
    numero = 0;
    for (char x : c) {
        int v;
        if (x >= '0' && x <= '9')
            v = x - '0';
        else if (x >= 'a' && x <= 'f')
            v = x - 'a' + 10;
        else if (x >= 'A' && x <= 'F')
            v = x - 'A' + 10;
        else
            return false;
        numero = numero * 16 + static_cast<uint32_t>(v);
    }
    return true;
}

}  // namespace

std::string fileRegistro() {
    std::string f = variabile("PONTEVAL_REGISTRO");
    if (!f.empty()) return f;
    std::string configurazione = variabile("XDG_CONFIG_HOME");
    if (configurazione.empty() || configurazione[0] != '/') {
        std::string casa = variabile("HOME");
        configurazione = (casa.empty() ? std::string() : casa) + "/.config";
    }
    return configurazione + "/ponteval/registro.reg";
}

std::optional<ValoreRegistro> leggiValoreRegistro(const std::string& chiave,
                                                  const std::string& nome) {
    bool letto = false;
    const std::string testo = contenutoFile(fileRegistro(), letto);
    if (!letto) return std::nullopt;
    const std::string cercata = normaleChiave(chiave);
    const std::string nomeCercato = runtime::UCASE(nome);
    std::optional<ValoreRegistro> trovato;
    bool dentro = false;
    for (const std::string& grezza : righe(testo)) {
        const std::string riga = runtime::TRIM(grezza);
        if (riga.empty() || riga[0] == ';') continue;
        if (riga[0] == '[') {
            const size_t chiusa = riga.rfind(']');
            dentro = chiusa != std::string::npos && riga.size() > 1 && riga[1] != '-' &&
                     normaleChiave(riga.substr(1, chiusa - 1)) == cercata;
            continue;
        }
        if (!dentro) continue;
        std::string nomeValore;
        size_t dopo = 0;
        if (riga[0] == '@') {
            nomeValore = "@";
            dopo = 1;
        } else if (riga[0] != '"' || !testoTraVirgolette(riga, 0, nomeValore, dopo)) {
            continue;
        }
        if (runtime::UCASE(nomeValore) != nomeCercato) continue;
        const size_t uguale = riga.find_first_not_of(" \t", dopo);
        if (uguale == std::string::npos || riga[uguale] != '=') continue;
        const std::string dato = runtime::TRIM(riga.substr(uguale + 1));
        ValoreRegistro v;
        size_t fine = 0;
        if (dato == "-") {
            trovato.reset();  // the value is deleted
            continue;
        }
        if (!dato.empty() && dato[0] == '"' && testoTraVirgolette(dato, 0, v.testo, fine)) {
            v.tipo = ValoreRegistro::Tipo::Testo;
        } else if (runtime::UCASE(runtime::LEFT(dato, 6)) == "DWORD:" &&
                   leggiDword(dato.substr(6), v.numero)) {
            v.tipo = ValoreRegistro::Tipo::Dword;
        } else {
            v.tipo = ValoreRegistro::Tipo::Altro;
        }
        trovato = v;
    }
    return trovato;
}

}  // namespace platform
