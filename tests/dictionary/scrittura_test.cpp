#include "dictionary/scrittura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "platform/fine_programma.h"
#include "prova_dizionario.h"
#include "runtime/numeri.h"

using namespace dictionary;

namespace {

std::string descrittore(int lunghezza, char tipo, int posizione = 11) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "DIPX$,%05d,%02d,%c,0,Q999", posizione, lunghezza, tipo);
    return testo;
}

}  // namespace

class Scrittura : public ProvaDizionario {};

// What a write leaves in the field at 11, with the characters around it untouched.
TEST_F(Scrittura, FormeMemorizzate) {
    const struct {
        char tipo;
        std::string valore, atteso;
    } casi[] = {
        {'2', "-12.50", "-0001250"}, {'N', "-3", "-0000003"}, {'D', "", "00000000"},
        {'N', "123456789", "23456789"}, {'A', "DE LA FUENTE GARCIA", "DE LA FU"},
        {'N', "-7", "-"}, {'2', "0.005", "00000001"}, {'2', "3", "00000300"}, {'2', "2.345", "00000235"},
        {'5', "1E-05", "00000001"}, {'N', "12.5", "000012.5"}, {'2', "12,5", "00001250"},
        // Not a number: decimal types store 0, whole numbers and dates the characters.
        {'2', "ABC", "00000000"}, {'N', "AB", "000000AB"}, {'A', "VIA ROMA, 5", "VIA ROMA, 5 "}};
    for (const auto& c : casi) {
        const size_t n = c.atteso.size();
        DIPX_S = std::string(40, '*');
        std::string valore = c.valore;
        RepoW(descrittore(static_cast<int>(n), c.tipo), valore);
        EXPECT_EQ(DIPX_S, std::string(10, '*') + c.atteso + std::string(30 - n, '*')) << c.valore;
        // Decimal commas become points in the caller's value too; a text keeps its commas.
        std::string chiamante = c.valore;
        if (c.tipo != 'A') std::replace(chiamante.begin(), chiamante.end(), ',', '.');
        EXPECT_EQ(valore, chiamante);
    }

    CONX_S = std::string(800, ' ');
    RepoW("CONX$,00101,03,N,0,G005", "42", 3);
    EXPECT_EQ(CONX_S.find_first_not_of(' '), 680u);
    EXPECT_EQ(CONX_S.substr(680, 3), "042");
    // Into the caller's text: the named buffer stays as it was.
    std::string copia(300, ' ');
    RepoW(P054, "1", 0, copia);
    EXPECT_EQ(copia, std::string(222, ' ') + "1" + std::string(77, ' '));
    // A field running past the end replaces only what exists.
    DIPX_S = std::string(224, ' ');
    RepoW("DIPX$,00223,08,N,0,Q999", "12345678");
    EXPECT_EQ(DIPX_S, std::string(222, ' ') + "12");
}

// Reads and writes record themselves in the trace only when they fail: an occurrence past 16
// bits, or a write starting past the end of its buffer, ends in the error report with their
// name and the buffer kept. An unknown buffer name is the repository message and the end.
TEST_F(Scrittura, ErroriETraccia) {
    F24X_S = std::string(40000, '0');
    DIPX_S = std::string(100, ' ');
    const std::pair<std::string, std::function<void()>> errori[] = {
        {"RepoR", [] { RepoRN("F24X$,00042,02,N,0,A001", 912); }},
        {"RepoW", [] { RepoW("F24X$,00042,02,N,0,A001", "1", 912); }},
        {"RepoW", [] { RepoW(P054, "1"); }},
    };
    for (const auto& [nome, azione] : errori) {
        archive::azzeraTraccia();
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine([&] { archive::eventoProtetto(azione); }),
                  platform::USCITA_ERRORE);
        EXPECT_EQ(archive::TRACCIA_ELENCO[archive::TRACCIA_INDICE], nome);
        ASSERT_FALSE(ui().messaggi.empty());
        EXPECT_NE(ui().messaggi[0].testo.find(nome), std::string::npos);
    }
    EXPECT_EQ(DIPX_S, std::string(100, ' '));
    EXPECT_EQ(F24X_S, std::string(40000, '0'));

    // With a record text the name is not looked up.
    std::string record = "ABCD";
    EXPECT_EQ(RepoR("XXXX$,00002,02,A,0,X001", 0, record), "BC");
    RepoW("XXXX$,00002,02,A,0,X001", "ZZ", 0, record);
    EXPECT_EQ(record, "AZZD");
    for (const auto& azione :
         {std::function<void()>([] { RepoR("XXXX$,00002,02,A,0,X001"); }),
          std::function<void()>([] { RepoW("XXXX$,00002,02,A,0,X001", "Z"); })}) {
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine(azione), platform::USCITA_MESSAGGIO);
        ASSERT_EQ(ui().messaggi.size(), 1u);
        EXPECT_EQ(ui().messaggi[0].testo, "ERRORE REPOSITORY - STRCOSTANTE");
    }
}

// Every numeric type at every length from 1 to 15: what is written reads back as the same
// number rounded to the field's decimals, whenever its digits and sign fit.
TEST_F(Scrittura, AndataERitorno) {
    const std::string cifre = "1234567812345678";
    for (char tipo : std::string("N123456789")) {
        const int k = tipo == 'N' ? 0 : tipo - '0';
        for (int n = 1; n <= 15; ++n) {
            for (bool negativo : {false, true}) {
                const int disponibili = std::min(n - (negativo ? 1 : 0), 13);
                if (disponibili < 1) continue;
                const std::string numero = cifre.substr(0, static_cast<size_t>(disponibili));
                std::string testo = numero;
                if (k > 0 && k < disponibili) {
                    testo.insert(static_cast<size_t>(disponibili - k), ".");
                } else if (k > 0) {
                    testo = "0." + std::string(static_cast<size_t>(k - disponibili), '0') + numero;
                }
                // One more decimal: below, at and above the half. Digits end below 9, so
                // rounding up never carries out of the field.
                for (char extra : {'4', '5', '6'}) {
                    const std::string scritto =
                        (negativo ? "-" : "") + testo + (k == 0 ? "" : std::string(1, extra));
                    std::string atteso = (negativo ? "-" : "") + testo;
                    if (k != 0 && extra != '4') ++atteso.back();
                    DIPX_S = std::string(40, '*');
                    RepoW(descrittore(n, tipo), scritto);
                    EXPECT_EQ(DIPX_S.size(), 40u);
                    EXPECT_EQ(RepoRN(descrittore(n, tipo)), runtime::VAL(atteso))
                        << tipo << " length " << n << ": " << scritto;
                    if (k == 0) break;
                }
            }
        }
    }
}
