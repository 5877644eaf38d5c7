// vxarchivio through the real executable, on demo installations in temporary folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "esecuzione.h"
#include "support/cartella_temporanea.h"

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
        const auto esito = vxarchivio({"demo", base_->file("demo")});
        ASSERT_EQ(esito.codice, 0) << esito.err;
        ambiente_ = esito.out;
    }
    static void TearDownTestSuite() { base_.reset(); }

    void SetUp() override {
        fs::copy(base_->file("demo"), cartella_.file("demo"), fs::copy_options::recursive);
        archivio_ = cartella_.file("demo/C/PONTEVAL/ARCHIVI");
    }

    prove::Esito esegui(std::vector<std::string> argomenti, const std::string& ingresso = {}) {
        argomenti.insert(argomenti.begin(), {"--archivio", archivio_});
        return vxarchivio(argomenti, ingresso);
    }

    static inline std::unique_ptr<supporto::CartellaTemporanea> base_;
    static inline std::string ambiente_;
    supporto::CartellaTemporanea cartella_;
    std::string archivio_;
};

TEST_F(Vxarchivio, LaDemoEDeterministicaERifiutaUnaCartellaPiena) {
    EXPECT_EQ(ambiente_, "PONTEVAL_UNITA=" + base_->file("demo") +
                             "\nPONTEVAL_REGISTRO=" + base_->file("demo") + "/registro.reg\n");
    const auto seconda = vxarchivio({"demo", cartella_.file("seconda")});
    ASSERT_EQ(seconda.codice, 0) << seconda.err;
    EXPECT_EQ(prove::contenuto(cartella_.file("seconda")), prove::contenuto(base_->file("demo")));
    EXPECT_FALSE(fs::exists(cartella_.file("seconda.in-costruzione")));
    for (const char* indice : {"213", "215", "217", "224"})
        EXPECT_EQ(esegui({"indice", "verifica", indice}).out.rfind("OK\t", 0), 0u) << indice;

    fs::create_directories(cartella_.file("piena"));
    prove::scriviFile(cartella_.file("piena/nota.txt"), "x");
    const auto rifiuto = vxarchivio({"demo", cartella_.file("piena")});
    EXPECT_EQ(rifiuto.codice, 2);
    EXPECT_NE(rifiuto.err.find("non e' vuota"), std::string::npos) << rifiuto.err;
    EXPECT_EQ(prove::contenuto(cartella_.file("piena")).size(), 1u);
}

// Commands in order on one archive: exit code and output.
TEST_F(Vxarchivio, LettureEOperazioniIsam) {
    const struct {
        std::vector<std::string> argomenti;
        int codice;
        std::string out;
    } passi[] = {
        {{"indice", "verifica", "7"}, 0, "OK\t64\n"},
        {{"record", "2", "65"}, 1, ""},  // 64 workers
        {{"campo", "DIPX$,09515,30,A,0,P002", "2", "7"}, 0, "GALLO" + std::string(25, ' ') + "\n"},
        {{"campo", P269, "2", "7"}, 0, "000080.00\n"},
        {{"campo", P269, "2", "7", "--numero"}, 0, "80\n"},
        {{"campo", P269, "2", "7", "--mostra"}, 0, "80.00\n"},
        // An occurrence of a field outside repeated groups is the field itself.
        {{"campo", P054, "2", "3", "--occorrenza", "3"}, 0, "0\n"},
        {{"campo", "DIPX$,09575,16,A,0,PX01", "2", "7"}, 0, "GLLFNC72H14L219L\n"},
        {{"cf", "controlla", "GLLFNC72H14L219L"}, 0, "0\n"},
        {{"cf", "controlla", "GLLFNC72H14L219A"}, 1, "1\n"},
        {{"piva", "controlla", "12345678903"}, 0, "0\n"},
        {{"piva", "controlla", "12345678901"}, 1, "1\n"},
        {{"cf", "decodifica", "GLLFNC72H14L219L"}, 0, "140672TORINO              TOM\n"},
        {{"isam", "trova", "7", "0010000099"}, 1, "-1\n"},
        {{"isam", "successivo", "7", "0010000010"}, 0, "11\t0010010001\n"},
        {{"isam", "successivo", "7", "          "}, 0, "1\t0010000001\n"},
        {{"isam", "successivo", "7", "9999999999"}, 1, "999999\t" + std::string(10, '\xFC') + "\n"},
        {{"isam", "elimina", "7", "0010000007"}, 0, "7\n"},
        {{"isam", "trova", "7", "0010000007"}, 1, "-1\n"},
        {{"isam", "inserisci", "7", "0010000007", "7"}, 0, "0\n"},
        {{"isam", "inserisci", "7", "0010000007", "7"}, 1, "-1\n"},
        {{"isam", "trova", "7", "0010000007"}, 0, "7\n"},
        {{"isam", "inizializza", "213"}, 0, "0\n"},
        {{"indice", "verifica", "213"}, 0, "OK\t0\n"},
    };
    for (const auto& p : passi) {
        const auto esito = esegui(p.argomenti);
        EXPECT_EQ(esito.codice, p.codice) << p.argomenti[0] << " " << p.argomenti[1] << esito.err;
        if (p.codice != 1 || !p.out.empty()) { EXPECT_EQ(esito.out, p.out) << p.argomenti[1]; }
    }
    const auto elenco = esegui({"isam", "elenca", "7"});
    EXPECT_EQ(std::count(elenco.out.begin(), elenco.out.end(), '\n'), 64);
    EXPECT_EQ(elenco.out.substr(0, 13), "0010000001\t1\n");
    EXPECT_EQ(fs::file_size(archivio_ + "/ATTIVITA.IDX"), 13u * 128u);
}

TEST_F(Vxarchivio, ScriveUnCampoSottoIlSemaforoENientAltro) {
    const std::string prima = prove::leggiFile(archivio_ + "/DIPEND.DAT");
    const auto scritto = esegui({"campo-scrivi", P269, "-12,5", "2", "3"});
    ASSERT_EQ(scritto.codice, 0) << scritto.err;
    EXPECT_EQ(scritto.out, "-000012.50\n");
    const std::string dopo = prove::leggiFile(archivio_ + "/DIPEND.DAT");
    const size_t inizio = 2 * 16128 + 2764;  // record 3, position 2765
    EXPECT_EQ(dopo, prima.substr(0, inizio) + "-0001250" + prima.substr(inizio + 8));
    // Beyond the end nothing is written.
    EXPECT_EQ(esegui({"campo-scrivi", P054, "1", "2", "65"}).codice, 1);
    EXPECT_EQ(prove::leggiFile(archivio_ + "/DIPEND.DAT"), dopo);
}

TEST_F(Vxarchivio, InputErratiDannoUscita2EUnaRigaChiaraSenzaScrivereNulla) {
    const auto prima = prove::contenuto(archivio_);
    const std::pair<std::vector<std::string>, std::string> casi[] = {
        {{"sconosciuto"}, "comando sconosciuto: sconosciuto"},
        {{"campo", "DIPX$,223,1,N,0,P054", "2", "1"}, "descrittore non valido"},
        {{"campo", "XXXX$,00223,01,N,0,P054", "2", "1"}, "descrittore non valido"},
        {{"campo", "DIPX$,16128,02,A,0,P999", "2", "1"}, "esce dal record"},
        {{"campo", P054, "2", "3", "--numero", "--mostra"}, ""},
        {{"isam", "trova", "7", "001"}, "ne vuole 10"},
        {{"isam", "inserisci", "7", "0019999999", "x"}, "numero di record non e' un numero"},
        {{"isam", "inserisci", "7", "0019999999"}, "manca il numero di record"},
        {{"isam", "trova", "7", "          "}, "la chiave e' vuota"},
        {{"isam", "trova", "2", "0010000001"}, "ne vuole 119"},
        {{"record", "2", "uno"}, "numero di record non e' un numero"},
        {{"record", "600", "1"}, "non e' nel catalogo"},
        {{"record", "109", "1"}, "non esiste"},
        {{"campo-scrivi", P054, "abc", "2", "1"}, "valore non valido"},
        {{"indice", "ricostruisci", "7", "--dati", "2", "--chiave", "3,9"}, "non 9"},
        {{"indice", "ricostruisci", "7", "--dati", "2"}, "--chiave"},
        {{"cf", "decodifica", "CORTO"}, "16 caratteri"},
    };
    for (const auto& [argomenti, atteso] : casi) {
        const auto esito = esegui(argomenti);
        EXPECT_EQ(esito.codice, 2) << argomenti[0] << " " << esito.err;
        EXPECT_NE(esito.err.find(atteso), std::string::npos) << esito.err;
        EXPECT_EQ(std::count(esito.err.begin(), esito.err.end(), '\n'), 1) << esito.err;
        EXPECT_TRUE(esito.out.empty());
    }
    // A bulk script with one bad line runs nothing: a short key, a record number past the six
    // digits an index entry holds.
    for (const char* riga : {"2\t001\n", "1\t0019999999\t1000000\n"}) {
        const auto script = esegui({"isam", "esegui", "7"}, std::string("3\t0010000001\n") + riga);
        EXPECT_EQ(script.codice, 2);
        EXPECT_NE(script.err.find("riga 2"), std::string::npos) << script.err;
    }
    auto dopo = prove::contenuto(archivio_);
    dopo.erase("QZSEMA.DAT");  // the semaphore file may be created by a refused write
    EXPECT_EQ(dopo, prima);

    const auto mancante = vxarchivio({"--archivio", cartella_.file("nessuna"), "record", "1", "1"});
    EXPECT_EQ(mancante.codice, 2);
    EXPECT_NE(mancante.err.find("archivio non trovato"), std::string::npos);
}

TEST_F(Vxarchivio, TrovaLArchivioDallaConfigurazioneComeIlProgramma) {
    const std::string radice = cartella_.file("demo");
    const std::map<std::string, std::string> ambiente = {
        {"PONTEVAL_UNITA", radice}, {"PONTEVAL_REGISTRO", radice + "/registro.reg"}};
    EXPECT_EQ(vxarchivio({"isam", "trova", "7", "0020000001"}, {}, ambiente).out, "17\n");
    // Without the registry the path files lead to the same archive.
    fs::remove(radice + "/registro.reg");
    EXPECT_EQ(vxarchivio({"isam", "trova", "7", "0020000001"}, {}, ambiente).out, "17\n");
    fs::remove(radice + "/C/PTORVALE/QZPERARK.QZP");
    const auto senza = vxarchivio({"record", "1", "1"}, {}, ambiente);
    EXPECT_EQ(senza.codice, 2);
    EXPECT_NE(senza.err.find("archivio non configurato"), std::string::npos) << senza.err;
}

TEST_F(Vxarchivio, RicostruisceUnIndiceDanneggiato) {
    for (const char* chiave : {"0010000001", "0020000005", "0050000016"})
        ASSERT_EQ(esegui({"isam", "elimina", "7", chiave}).codice, 0);
    // Garbage over the leaf, a blank worker record and a second record with a known key.
    std::string indice = prove::leggiFile(archivio_ + "/DIPEND.IDX");
    indice.replace(2 * 2176 + 100, 300, std::string(300, '#'));
    prove::scriviFile(archivio_ + "/DIPEND.IDX", indice);
    std::string dati = prove::leggiFile(archivio_ + "/DIPEND.DAT");
    dati += std::string(16128, ' ') + dati.substr(6 * 16128, 16128);  // a copy of record 7
    prove::scriviFile(archivio_ + "/DIPEND.DAT", dati);

    EXPECT_EQ(esegui({"indice", "verifica", "7"}).codice, 1);
    const auto ricostruito =
        esegui({"indice", "ricostruisci", "7", "--dati", "2", "--chiave", "3,10"});
    ASSERT_EQ(ricostruito.codice, 0) << ricostruito.out << ricostruito.err;
    EXPECT_EQ(ricostruito.out,
              "saltato\t65\tchiave vuota\ndoppio\t66\t0010000007\t7\ninseriti\t64\nOK\t64\n");
    std::string script;
    for (int r = 1; r <= 64; ++r) script += "2\t" + dati.substr((r - 1) * 16128 + 2, 10) + "\n";
    std::string atteso;
    for (int r = 1; r <= 64; ++r) atteso += std::to_string(r) + "\n";
    EXPECT_EQ(esegui({"isam", "esegui", "7"}, script).out, atteso);
}

}  // namespace
