#include "dictionary/scrittura.h"

#include <gtest/gtest.h>

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

class Scrittura : public ProvaDizionario {
  protected:
    void SetUp() override {
        ProvaDizionario::SetUp();
        DIPX_S = std::string(40, '*');
    }
    // The characters a write left in the 8-character field at 11, framed by untouched ones.
    std::string scrivi(char tipo, const std::string& valore, int lunghezza = 8) {
        DIPX_S = std::string(40, '*');
        RepoW(descrittore(lunghezza, tipo), valore);
        EXPECT_EQ(DIPX_S.size(), 40u);
        EXPECT_EQ(DIPX_S.substr(0, 10), std::string(10, '*'));
        EXPECT_EQ(DIPX_S.substr(static_cast<size_t>(10 + lunghezza)),
                  std::string(static_cast<size_t>(30 - lunghezza), '*'));
        return DIPX_S.substr(10, static_cast<size_t>(lunghezza));
    }
};

TEST_F(Scrittura, FormeMemorizzate) {
    EXPECT_EQ(scrivi('2', "-12.50"), "-0001250");
    EXPECT_EQ(scrivi('N', "-3"), "-0000003");
    EXPECT_EQ(scrivi('D', ""), "00000000");
    EXPECT_EQ(scrivi('N', "123456789"), "23456789");
    EXPECT_EQ(scrivi('A', "ROSSI"), "ROSSI   ");
    EXPECT_EQ(scrivi('A', "DE LA FUENTE GARCIA"), "DE LA FU");
    EXPECT_EQ(scrivi('N', "-7", 1), "-");
    EXPECT_EQ(scrivi('2', "0.005"), "00000001");
    EXPECT_EQ(scrivi('2', "2.345"), "00000235");  // rounded, not cut
    EXPECT_EQ(scrivi('2', "3"), "00000300");
    EXPECT_EQ(scrivi('5', "1E-05"), "00000001");
    EXPECT_EQ(scrivi('N', "12.5"), "000012.5");  // a whole-number field keeps the point
    // Not a number: decimal types store 0, whole numbers and dates the characters.
    EXPECT_EQ(scrivi('2', "ABC"), "00000000");
    EXPECT_EQ(scrivi('N', "AB"), "000000AB");
}

TEST_F(Scrittura, VirgoleEValoreDelChiamante) {
    std::string valore = "12,5";
    RepoW(descrittore(8, '2'), valore);
    EXPECT_EQ(DIPX_S.substr(10, 8), "00001250");
    EXPECT_EQ(valore, "12.5");

    // A text keeps its commas, in the record and in the caller's value.
    std::string indirizzo = "VIA ROMA, 5";
    RepoW("DIPX$,00011,12,A,0,Q999", indirizzo);
    EXPECT_EQ(DIPX_S.substr(10, 12), "VIA ROMA, 5 ");
    EXPECT_EQ(indirizzo, "VIA ROMA, 5");
    for (int i = 0; i < 3; ++i)
        RepoW("DIPX$,00011,12,A,0,Q999", RepoR("DIPX$,00011,12,A,0,Q999"));
    EXPECT_EQ(RepoRT("DIPX$,00011,12,A,0,Q999"), "VIA ROMA, 5");
}

TEST_F(Scrittura, BersaglioEOccorrenze) {
    CONX_S = std::string(800, ' ');
    RepoW("CONX$,00101,03,N,0,G005", "42", 3);
    EXPECT_EQ(CONX_S.substr(680, 3), "042");
    EXPECT_EQ(CONX_S.find_first_not_of(' ', 0), 680u);

    // Into the caller's text: the named buffer stays as it was.
    std::string copia(300, ' ');
    const std::string prima = DIPX_S;
    RepoW(P054, "1", 0, copia);
    EXPECT_EQ(copia.substr(222, 1), "1");
    EXPECT_EQ(copia.size(), 300u);
    EXPECT_EQ(DIPX_S, prima);

    // A field running past the end replaces only what exists.
    DIPX_S = std::string(224, ' ');
    RepoW("DIPX$,00223,08,N,0,Q999", "12345678");
    EXPECT_EQ(DIPX_S.size(), 224u);
    EXPECT_EQ(DIPX_S.substr(222), "12");
}

// Reads and writes record themselves only when they fail: an occurrence past 16 bits, or a
// write starting past the end of its buffer, ends in the error report with their name last
// and the buffer kept. An unknown buffer name is the repository message and the immediate end.
TEST_F(Scrittura, ErroriETraccia) {
    F24X_S = std::string(40000, '0');
    DIPX_S = std::string(100, ' ');
    archive::TRACCIA("MENU2");
    EXPECT_EQ(RepoR("F24X$,00042,02,N,0,A001", 2), "00");
    RepoW("DIPX$,00099,02,N,0,Q999", "7");
    EXPECT_EQ(archive::TRACCIA_INDICE, 1) << "success records nothing";

    const std::pair<std::string, std::function<void()>> errori[] = {
        {"RepoR", [] { RepoRN("F24X$,00042,02,N,0,A001", 912); }},
        {"RepoW", [] { RepoW("F24X$,00042,02,N,0,A001", "1", 912); }},
        {"RepoW", [] { RepoW(P054, "1"); }},
    };
    for (const auto& [nome, azione] : errori) {
        archive::azzeraTraccia();
        archive::TRACCIA("MENU2");
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine([&] { archive::eventoProtetto(azione); }),
                  platform::USCITA_ERRORE);
        EXPECT_EQ(archive::TRACCIA_ELENCO[archive::TRACCIA_INDICE], nome);
        EXPECT_EQ(archive::TRACCIA_ELENCO[archive::TRACCIA_INDICE - 1], "MENU2");
        ASSERT_FALSE(ui().messaggi.empty());
        EXPECT_NE(ui().messaggi[0].testo.find(nome), std::string::npos);
    }
    EXPECT_EQ(DIPX_S, std::string(98, ' ') + "07");
    EXPECT_EQ(F24X_S, std::string(40000, '0'));

    // With a record text the name is not looked up.
    std::string record = "ABCD";
    EXPECT_EQ(RepoR("XXXX$,00002,02,A,0,X001", 0, record), "BC");
    RepoW("XXXX$,00002,02,A,0,X001", "ZZ", 0, record);
    EXPECT_EQ(record, "AZZD");
    for (const auto& azione :
         {std::function<void()>([] { RepoR("XXXX$,00002,02,A,0,X001"); }),
          std::function<void()>([] { RepoW("XXXX$,00002,02,A,0,X001", "Z"); })}) {
        archive::azzeraTraccia();
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine(azione), platform::USCITA_MESSAGGIO);
        ASSERT_EQ(ui().messaggi.size(), 1u);
        EXPECT_EQ(ui().messaggi[0].testo, "ERRORE REPOSITORY - STRCOSTANTE");
        EXPECT_EQ(ui().messaggi[0].pulsanti, platform::Pulsanti::OK);
        EXPECT_EQ(ui().messaggi[0].icona, platform::Icona::Nessuna);
        EXPECT_EQ(archive::TRACCIA_INDICE, 0);
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
                // The value's text: the digits with k of them as decimals.
                std::string testo;
                if (k == 0) {
                    testo = numero;
                } else if (k < disponibili) {
                    testo = numero.substr(0, static_cast<size_t>(disponibili - k)) + "." +
                            numero.substr(static_cast<size_t>(disponibili - k));
                } else {
                    testo = "0." + std::string(static_cast<size_t>(k - disponibili), '0') + numero;
                }
                // One more decimal: below, at and above the half. Digits end below 9, so
                // rounding up never carries out of the field.
                for (char extra : {'4', '5', '6'}) {
                    const std::string scritto =
                        (negativo ? "-" : "") + testo + (k == 0 ? "" : std::string(1, extra));
                    std::string atteso = (negativo ? "-" : "") + testo;
                    if (k != 0 && extra != '4') ++atteso.back();
                    SCOPED_TRACE(std::string(1, tipo) + " length " + std::to_string(n) + ": " +
                                 scritto);

                    DIPX_S = std::string(40, '*');
                    RepoW(descrittore(n, tipo), scritto);
                    EXPECT_EQ(DIPX_S.size(), 40u);
                    EXPECT_EQ(RepoRN(descrittore(n, tipo)), runtime::VAL(atteso));
                    if (k == 0) break;
                }
            }
        }
    }
}
