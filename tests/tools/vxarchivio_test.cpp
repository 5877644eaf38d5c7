// vxarchivio through the real executable, on demo installations in temporary folders.

#include <gtest/gtest.h>
#include <memory>

#include "esecuzione.h"

namespace {

namespace fs = std::filesystem;
using prove::vxarchivio;

constexpr const char P054[] = "DIPX$,00223,01,N,0,P054";
constexpr const char P269[] = "DIPX$,02765,08,2,1,P269";

class Vxarchivio : public ::testing::Test {
  protected:
    // One demo for the suite, copied for every test.
    static void SetUpTestSuite() {
        base_ = std::make_unique<supporto::CartellaTemporanea>();
        ASSERT_EQ(vxarchivio({"demo", base_->file("demo")}).codice, 0);
    }
    static void TearDownTestSuite() { base_.reset(); }
    void SetUp() override { fs::copy(base_->file("demo"), cartella_.file("demo"), fs::copy_options::recursive); }
    prove::Esito esegui(std::vector<std::string> argomenti, const std::string& ingresso = {}) {
        argomenti.insert(argomenti.begin(), {"--archivio", archivio_});
        return vxarchivio(argomenti, ingresso);
    }
    static inline std::unique_ptr<supporto::CartellaTemporanea> base_;
    supporto::CartellaTemporanea cartella_;
    const std::string archivio_ = cartella_.file("demo/C/PONTEVAL/ARCHIVI");
};

TEST_F(Vxarchivio, LaDemoRifiutaUnaCartellaPiena) {
    supporto::scriviFile(cartella_.file("piena/nota.txt"), "x");
    EXPECT_EQ(vxarchivio({"demo", cartella_.file("piena")}).codice, 2);
    EXPECT_TRUE(prove::contenuto(cartella_.file("piena")).size() == 1 && !fs::exists(cartella_.file("piena.in-costruzione")));
}

// Commands in order: exit code and output ("" any); wrong input: 2, one line on stderr, no write.
TEST_F(Vxarchivio, ComandiInOrdineEInputErrati) {
    auto prima = prove::contenuto(archivio_);
    // A script with one bad line (short key, record past six digits) runs nothing.
    for (const char* riga : {"2\t001\n", "1\t0019999999\t1000000\n"}) {
        const auto script = esegui({"isam", "esegui", "7"}, std::string("3\t0010000001\n") + riga);
        EXPECT_TRUE(script.codice == 2 && script.err.find("riga 2") != std::string::npos) << script.err;
    }
    const auto mancante = vxarchivio({"--archivio", cartella_.file("nessuna"), "record", "1", "1"});
    EXPECT_TRUE(mancante.codice == 2 && mancante.err.find("archivio non trovato") != std::string::npos);
    const std::tuple<std::vector<std::string>, int, std::string> passi[] = {
        {{"indice", "verifica", "213"}, 0, "OK\t"}, {{"indice", "verifica", "7"}, 0, "OK\t64\n"}, {{"record", "2", "65"}, 1, ""},
        {{"campo", "DIPX$,09515,30,A,0,P002", "2", "7"}, 0, "GALLO" + std::string(25, ' ') + "\n"},
        {{"campo", P269, "2", "7"}, 0, "000080.00\n"}, {{"campo", P269, "2", "7", "--numero"}, 0, "80\n"},
        {{"campo", P269, "2", "7", "--mostra"}, 0, "80.00\n"}, {{"cf", "controlla", "GLLFNC72H14L219A"}, 1, "1\n"},
        {{"campo", P054, "2", "3", "--occorrenza", "3"}, 0, "0\n"},  // no repeated group: the field itself
        {{"cf", "decodifica", "GLLFNC72H14L219L"}, 0, "140672TORINO              TOM\n"},
        {{"isam", "trova", "7", "0010000099"}, 1, "-1\n"}, {{"isam", "successivo", "7", "0010000010"}, 0, "11\t0010010001\n"},
        {{"isam", "successivo", "7", "9999999999"}, 1, "999999\t" + std::string(10, '\xFC') + "\n"},
        {{"sconosciuto"}, 2, "sconosciuto"}, {{"campo", "DIPX$,223,1,N,0,P054", "2", "1"}, 2, "descrittore"},
        {{"campo", "DIPX$,0022X,01,N,0,P054", "2", "1"}, 2, "descrittore"},  // a letter is no position
        {{"campo", "DIPX$,16128,02,A,0,P999", "2", "1"}, 2, "esce dal record"}, {{"isam", "trova", "2", "0010000001"}, 2, "119"},
        {{"isam", "inserisci", "7", "0019999999"}, 2, "numero di record"}, {{"isam", "trova", "7", "          "}, 2, "vuota"},
        {{"record", "2", "uno"}, 2, "non e' un numero"}, {{"record", "600", "1"}, 2, "catalogo"}, {{"record", "109", "1"}, 2, "non esiste"},
        {{"campo-scrivi", P054, "abc", "2", "1"}, 2, "valore non valido"},
        {{"campo-scrivi", P054, "1", "2", "65"}, 1, ""},  // beyond the end nothing is written
        {{"indice", "ricostruisci", "7", "--dati", "2", "--chiave", "3,9"}, 2, "non 9"},
        // Writes: the index, then one field under the semaphore and nothing else.
        {{"isam", "elimina", "7", "0010000007"}, 0, "7\n"}, {{"isam", "inserisci", "7", "0010000007", "7"}, 0, "0\n"},
        {{"isam", "inserisci", "7", "0010000007", "8"}, 1, "-1\n"},
        {{"campo-scrivi", P269, "-12,5", "2", "3"}, 0, "-000012.50\n"}, {{"isam", "inizializza", "213"}, 0, "0\n"},
        {{"indice", "verifica", "213"}, 0, "OK\t0\n"},
    };
    for (const auto& [argomenti, codice, atteso] : passi) {
        const auto e = esegui(argomenti);
        EXPECT_EQ(e.codice, codice) << argomenti[0] << " " << argomenti[1] << e.err;
        if (codice == 2) {
            EXPECT_TRUE(e.err.find(atteso) != std::string::npos && e.out.empty() &&
                        std::count(e.err.begin(), e.err.end(), '\n') == 1) << e.err;
        } else if (!atteso.empty()) {  // "OK\t" for any count
            EXPECT_EQ(atteso.back() == '\t' ? e.out.substr(0, 3) : e.out, atteso);
        }
    }
    // Only the field and the indexes written have changed (the semaphore file may be new).
    auto dopo = prove::contenuto(archivio_);
    prima["DIPEND.DAT"].replace(2 * 16128 + 2764, 8, "-0001250");  // record 3, position 2765
    for (const char* cambiato : {"QZSEMA.DAT", "DIPEND.IDX", "ATTIVITA.IDX"})
        dopo.erase(cambiato), prima.erase(cambiato);
    EXPECT_EQ(dopo, prima);
}

TEST_F(Vxarchivio, RicostruisceUnIndiceDanneggiato) {
    for (const char* chiave : {"0010000001", "0020000005", "0050000016"})
        ASSERT_EQ(esegui({"isam", "elimina", "7", chiave}).codice, 0);
    // Garbage over the leaf, a blank worker record and a second record with a known key.
    std::string indice = supporto::leggiFile(archivio_ + "/DIPEND.IDX");
    supporto::scriviFile(archivio_ + "/DIPEND.IDX", indice.replace(2 * 2176 + 100, 300, std::string(300, '#')));
    std::string dati = supporto::leggiFile(archivio_ + "/DIPEND.DAT");
    dati += std::string(16128, ' ') + dati.substr(6 * 16128, 16128);  // a copy of record 7
    supporto::scriviFile(archivio_ + "/DIPEND.DAT", dati);
    const auto ricostruito = esegui({"indice", "ricostruisci", "7", "--dati", "2", "--chiave", "3,10"});
    ASSERT_EQ(ricostruito.codice, 0) << ricostruito.out << ricostruito.err;
    EXPECT_EQ(ricostruito.out, "saltato\t65\tchiave vuota\ndoppio\t66\t0010000007\t7\ninseriti\t64\nOK\t64\n");
    std::string script, atteso;  // every key leads to its record
    for (int r = 1; r <= 64; ++r) script += "2\t" + dati.substr((r - 1) * 16128 + 2, 10) + "\n", atteso += std::to_string(r) + "\n";
    EXPECT_EQ(esegui({"isam", "esegui", "7"}, script).out, atteso);
}

}  // namespace
