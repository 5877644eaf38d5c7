#include "dictionary/lettura.h"

#include <gtest/gtest.h>

#include <string>

#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "prova_dizionario.h"

using namespace dictionary;

class Lettura : public ProvaDizionario {
  protected:
    // A worker record with `testo` stored at `posizione`.
    static std::string record(int posizione, const std::string& testo, size_t lunghezza = 300) {
        std::string r(lunghezza, ' ');
        r.replace(static_cast<size_t>(posizione - 1), testo.size(), testo);
        return r;
    }
};

TEST_F(Lettura, TipiNumerici) {
    DIPX_S = record(223, "1");
    EXPECT_EQ(RepoR(P054), "1");
    EXPECT_EQ(RepoRN(P054), 1);

    DIPX_S = record(10, "00000000-0001250-05  0-1-5");
    EXPECT_EQ(RepoR("DIPX$,00010,08,2,0,Q901"), "000000.00");
    EXPECT_EQ(RepoRN("DIPX$,00010,08,2,0,Q901"), 0);
    EXPECT_EQ(RepoR("DIPX$,00019,07,2,0,Q902"), "00012.50");
    EXPECT_EQ(RepoR("DIPX$,00018,08,2,0,Q903"), "-000012.50");
    EXPECT_EQ(RepoRN("DIPX$,00018,08,2,0,Q903"), -12.5);
    EXPECT_EQ(RepoR("DIPX$,00026,03,N,0,Q904"), "-005");
    // Only the first "-" is the sign; the number stops at the second.
    EXPECT_EQ(RepoR("DIPX$,00031,05,N,0,Q905"), "-001-5");
    EXPECT_EQ(RepoRN("DIPX$,00031,05,N,0,Q905"), -1);
    // A 5-decimal field shorter than its decimals holds only the last decimals.
    DIPX_S = record(10, "-23");
    EXPECT_EQ(RepoR("DIPX$,00010,03,5,0,Q906"), "-.00023");
    EXPECT_DOUBLE_EQ(RepoRN("DIPX$,00010,03,5,0,Q906"), -0.00023);
}

TEST_F(Lettura, TestiDateEVisualizzazione) {
    DIPX_S = record(9515, "ROSSI", 9600);
    EXPECT_EQ(RepoR(P002), "ROSSI" + std::string(25, ' '));
    EXPECT_EQ(RepoRT(P002), "ROSSI");
    EXPECT_EQ(RepoRN(P002), 0);

    DIPX_S = record(4225, "01022023", 4300);
    EXPECT_EQ(RepoR(P017), "01022023");
    EXPECT_EQ(RepoRT(P017), "01022023");

    DIPX_S = record(10, "-05 00001250 7  -0001250");
    EXPECT_EQ(RepoRT("DIPX$,00010,03,N,0,Q901"), "-5");
    EXPECT_EQ(RepoRT("DIPX$,00014,08,2,0,Q902"), "12.50");
    EXPECT_EQ(RepoRT("DIPX$,00023,01,0,0,Q903"), "7.00");  // code "0": two decimals
    EXPECT_EQ(RepoRT("DIPX$,00024,02,A,0,Q904"), "");
    EXPECT_EQ(RepoRT("DIPX$,00026,08,2,0,Q905"), "-12.50");
    EXPECT_EQ(RepoRT("DIPX$,00001,02,N,0,Q906"), "0");
}

TEST_F(Lettura, TestoDelChiamanteEBufferCorti) {
    // The caller's text is read with the displacement; the buffer is not looked at.
    std::string conto(700, '0');
    conto.replace(680, 2, "42");
    CONX_S = std::string(700, '9');
    EXPECT_EQ(RepoR("CONX$,00101,02,N,0,G005", 3, conto), "42");
    EXPECT_EQ(RepoR("CONX$,00101,02,N,0,G005", 3), "99");
    CONX_S = conto;
    EXPECT_EQ(RepoR("CONX$,00101,02,N,0,G005", 3), "42");

    const std::string salvato = record(223, "2");
    DIPX_S = record(223, "0");
    EXPECT_EQ(RepoR(P054, 0, salvato), "2");
    EXPECT_EQ(RepoR(P054), "0");

    // A field past the end of a short buffer gives what exists; past the end, nothing.
    DIPX_S = std::string(224, '1');
    EXPECT_EQ(RepoR("DIPX$,00223,08,A,0,Q901"), "11");
    EXPECT_EQ(RepoR("DIPX$,00223,08,2,0,Q902"), "11.");
    EXPECT_EQ(RepoR("DIPX$,00225,08,A,0,Q903"), "");
    EXPECT_EQ(RepoRN("DIPX$,00300,08,N,0,Q904"), 0);
    EXPECT_EQ(DIPX_S.size(), 224u);

    // A descriptor is interpreted afresh at every call, even at the same address.
    std::string descrittore = "DIPX$,00001,02,A,0,Q905";
    DIPX_S = "ABCDEF";
    EXPECT_EQ(RepoR(descrittore), "AB");
    descrittore.replace(6, 5, "00004");
    EXPECT_EQ(RepoR(descrittore), "DE");
}
