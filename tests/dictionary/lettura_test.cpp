#include <random>

#include "dictionary/lettura.h"

#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/campo_letto.h"
#include "dictionary/descrittori.h"
#include "support/prova_base.h"

using namespace dictionary;

class Lettura : public supporto::ProvaBase {};

TEST_F(Lettura, TestiNumeriEVisualizzazione) {
    const struct { std::string dati, descrittore, letto, mostrato; double numero; } casi[] = {
        {"1", "DIPX$,00010,01,N,0,Q901", "1", "1", 1}, {"00000000", "DIPX$,00010,08,2,0,Q901", "000000.00", "0.00", 0},
        {"-0001250", "DIPX$,00010,08,2,0,Q901", "-000012.50", "-12.50", -12.5},
        {"-05", "DIPX$,00010,03,N,0,Q901", "-005", "-5", -5},
        // Only the first "-" is the sign; the number stops at the second.
        {"0-1-5", "DIPX$,00010,05,N,0,Q901", "-001-5", "-1", -1},
        // A 5-decimal field shorter than its decimals holds only the last decimals.
        {"-23", "DIPX$,00010,03,5,0,Q901", "-.00023", "-.00023", -0.00023},
        {"7", "DIPX$,00010,01,0,0,Q901", "7", "7.00", 7},  // code "0": two decimals
        {"ROSSI", "DIPX$,00010,07,A,0,Q901", "ROSSI  ", "ROSSI", 0},
        {"01022023", "DIPX$,00010,08,D,0,Q901", "01022023", "01022023", 1022023},
        {"  ", "DIPX$,00010,02,A,0,Q901", "  ", "", 0},
    };
    for (const auto& c : casi) {
        DIPX_S = std::string(9, ' ') + c.dati + std::string(20, ' ');
        EXPECT_EQ(RepoR(c.descrittore), c.letto) << c.dati;
        EXPECT_EQ(RepoRT(c.descrittore), c.mostrato) << c.dati;
        EXPECT_DOUBLE_EQ(RepoRN(c.descrittore), c.numero) << c.dati;
    }
}

TEST_F(Lettura, TestoDelChiamanteEBufferCorti) {
    // The caller's text is read with the displacement; the buffer is not looked at.
    std::string conto = std::string(700, '0').replace(680, 2, "42");
    CONX_S = std::string(700, '9');
    EXPECT_EQ(RepoR("CONX$,00101,02,N,0,G005", 3, conto), "42");
    EXPECT_EQ(RepoR("CONX$,00101,02,N,0,G005", 3), "99");

    // A field past the end of a short buffer gives what exists; past the end, nothing.
    DIPX_S = std::string(224, '1');
    EXPECT_EQ(RepoR("DIPX$,00223,08,A,0,Q901"), "11");
    EXPECT_EQ(RepoR("DIPX$,00223,08,2,0,Q902"), "11.");
    EXPECT_EQ(RepoR("DIPX$,00225,08,A,0,Q903"), "");

    // A descriptor is interpreted afresh at every call, even at the same address.
    std::string descrittore = "DIPX$,00001,02,A,0,Q905";
    DIPX_S = "ABCDEF";
    EXPECT_EQ(RepoR(descrittore), "AB");
    descrittore.replace(6, 5, "00004");
    EXPECT_EQ(RepoR(descrittore), "DE");
}

// A descriptor taken apart once reads what RepoR reads from random records (errors, trace alike).
TEST_F(Lettura, CampoLettoLeggeComeRepoR) {
    std::mt19937 rng(5);
    for (const char* d : {P001, P002, T001, T261, P035, P069, P240}) {
        const CampoLetto campo(d);
        for (int i = 0; i < 200; ++i) {
            std::string r(rng() % 1700, ' ');
            for (char& c : r) c = "0123456789- .AZ"[rng() % 15];
            std::string atteso, letto;
            const int e1 = supporto::erroreDi([&] { atteso = RepoR(d, 0, r); });
            const auto traccia = archive::TRACCIA_ELENCO;
            archive::azzeraTraccia();
            EXPECT_EQ(supporto::erroreDi([&] { letto = campo.RepoR(r); }), e1) << d;
            EXPECT_EQ(letto, atteso) << d << " " << r.size();
            EXPECT_EQ(archive::TRACCIA_ELENCO, traccia);
            archive::azzeraTraccia();
        }
    }
}

