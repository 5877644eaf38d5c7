// Writing fields, number formatting and the record buffers.

#include "dictionary/scrittura.h"

#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/formato_numeri.h"
#include "dictionary/lettura.h"
#include "platform/fine_programma.h"
#include "support/prova_base.h"
#include "runtime/numeri.h"

using namespace dictionary;

namespace {
std::string descrittore(int lunghezza, char tipo, int posizione = 11) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "DIPX$,%05d,%02d,%c,0,Q999", posizione, lunghezza, tipo);
    return testo;
}
}  // namespace

class Scrittura : public supporto::ProvaBase {};

// What a write leaves in the field at 11, with the characters around it untouched.
TEST_F(Scrittura, FormeMemorizzate) {
    const struct { char tipo; std::string valore, atteso; } casi[] = {
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

    CONX_S = std::string(800, ' '), RepoW("CONX$,00101,03,N,0,G005", "42", 3);
    EXPECT_EQ(CONX_S.find_first_not_of(' '), 680u);
    EXPECT_EQ(CONX_S.substr(680, 3), "042");
    // A field running past the end replaces only what exists.
    DIPX_S = std::string(224, ' '), RepoW("DIPX$,00223,08,N,0,Q999", "12345678");
    EXPECT_EQ(DIPX_S, std::string(222, ' ') + "12");
}

// An occurrence past 16 bits, or a write past the end of its buffer: the report, with the name in
// the trace and the buffer kept. An unknown buffer name is the repository message and the end.
TEST_F(Scrittura, ErroriETraccia) {
    F24X_S = std::string(40000, '0'), DIPX_S = std::string(100, ' ');
    const int ERRORE = platform::USCITA_ERRORE, MESSAGGIO = platform::USCITA_MESSAGGIO;
    const std::tuple<std::string, int, std::function<void()>> casi[] = {
        {"RepoR", ERRORE, [] { RepoRN("F24X$,00042,02,N,0,A001", 912); }},
        {"RepoW", ERRORE, [] { RepoW("F24X$,00042,02,N,0,A001", "1", 912); }},
        {"RepoW", ERRORE, [] { RepoW(P054, "1"); }},
        {"ERRORE REPOSITORY - STRCOSTANTE", MESSAGGIO, [] { RepoR("XXXX$,00002,02,A,0,X001"); }},
        {"ERRORE REPOSITORY - STRCOSTANTE", MESSAGGIO, [] { RepoW("XXXX$,00002,02,A,0,X001", "Z"); }},
    };
    for (const auto& [testo, fine, azione] : casi) {
        archive::azzeraTraccia(), ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceEvento(azione), fine);
        EXPECT_NE(ui().primoTesto().find(testo), std::string::npos) << testo;
        if (fine == ERRORE) { EXPECT_EQ(archive::TRACCIA_ELENCO[archive::TRACCIA_INDICE], testo); }
    }
    EXPECT_TRUE(DIPX_S == std::string(100, ' ') && F24X_S == std::string(40000, '0'));

    // With a record text the name is not looked up.
    std::string record = "ABCD";
    EXPECT_EQ(RepoR("XXXX$,00002,02,A,0,X001", 0, record), "BC");
    RepoW("XXXX$,00002,02,A,0,X001", "ZZ", 0, record);
    EXPECT_EQ(record, "AZZD");
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
                std::string testo = std::string(static_cast<size_t>(std::max(0, k - disponibili + 1)), '0') + numero;
                if (k > 0) testo.insert(testo.size() - static_cast<size_t>(k), ".");
                // One more decimal: below, at and above the half (no carry: digits end below 9).
                for (char extra : {'4', '5', '6'}) {
                    const std::string scritto = (negativo ? "-" : "") + testo + (k == 0 ? "" : std::string(1, extra));
                    std::string atteso = (negativo ? "-" : "") + testo;
                    if (k != 0 && extra != '4') ++atteso.back();
                    DIPX_S = std::string(40, '*');
                    RepoW(descrittore(n, tipo), scritto);
                    EXPECT_EQ(RepoRN(descrittore(n, tipo)), runtime::VAL(atteso)) << tipo << " length " << n << ": " << scritto;
                    if (k == 0) break;
                }
            }
        }
    }
}

TEST(Buffer, NomiDistintiEAzzeramento) {
    std::set<std::string*> distinti;
    for (int i = 0; i < NUMERO_BUFFER; ++i) *(*distinti.insert(bufferPerNome(nomeBuffer(i))).first) = "dati";
    EXPECT_EQ(distinti.size(), static_cast<size_t>(NUMERO_BUFFER));
    EXPECT_EQ(nomeBuffer(NUMERO_BUFFER), "");
    EXPECT_EQ(nomeBuffer(-1), "");
    azzeraBuffer();
    for (std::string* b : distinti) EXPECT_TRUE(b->empty());
}

TEST(FormatoNumeri, ArrotondaEspandinumIntero) {
    const struct { double valore; int decimali; std::string atteso; } arrotondati[] = {{2.345, 2, "2.35"}, {-2.345, 2, "-2.35"}, {-0.5, 2, "-.50"},
                       {0.5, 2, "0.50"},   {0.005, 2, "0.01"},   {1.23456, 4, "1.2346"},
                       {3, 2, "3.00"},     {0.004, 2, "0.00"},   {1.005, 2, "1.01"},
                       {1E+16, 2, "01" + std::string(16, '0') + ".00"},
                       {-0.0000015, 6, "-0.000002"}};
    for (const auto& a : arrotondati) EXPECT_EQ(ARROTONDA_S(a.valore, a.decimali), a.atteso) << a.valore;
    // Zero decimals asked by reference mean two, and the caller sees it.
    int16_t decimali = 0;
    EXPECT_EQ(ARROTONDA_S(0, decimali), "0.00");
    EXPECT_EQ(decimali, 2);
    // Large exponents once lost all but their last two digits.
    EXPECT_EQ(runtime::VAL(ARROTONDA_S(1e300, 2)), 1e300);
    EXPECT_EQ(runtime::VAL(ARROTONDA_S(-2.5e-150, 2)), 0);

    // The sign in front; nothing to expand left as it was; an exponent no double has stays as typed,
    // a malformed one raises nothing. The long and one-digit exponents came from fuzzing.
    const std::pair<std::string, std::string> espansi[] = {
        {"-1.5E+16", "-015" + std::string(15, '0') + ".0"},
        {"5E-07", "0.00000050"}, {"-1.25E-03", "-0.001250"}, {"2,5E+02", "0250.0"},
        {"12,5", "12,5"}, {"", ""}, {"1E+300", "01" + std::string(300, '0') + ".0"},
        {"1E-5", "0.000010"}, {"-1.5E+3", "-01500.0"}, {"1E+99999999", "1E+99999999"},
        {"1.5E+.5E516", "01.50"}};
    for (auto [testo, atteso] : espansi) {
        ESPANDINUM(testo);
        EXPECT_EQ(testo, atteso);
    }

    for (const auto& [valore, atteso] : {std::pair<double, std::string>{4.9999999, "5"},
                                         {4.5, "4"}, {-2.95, "-3"}, {-0.05, "0"}})
        EXPECT_EQ(INTERO_S(valore), atteso) << valore;
    EXPECT_EQ(supporto::erroreDi([] { INTERO_S(1e308 * 10); }), 6);
}
