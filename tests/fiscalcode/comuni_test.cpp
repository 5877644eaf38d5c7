#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "archive/slot_file.h"
#include "fiscalcode/comuni.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

using fiscalcode::Comune;
using fiscalcode::ErroreElencoComuni;
using fiscalcode::leggiElencoComuni;

std::vector<Comune> leggi(const std::string& testo) {
    std::istringstream in(testo);
    return leggiElencoComuni(in, "elenco");
}

// The message of the refusal, "" when the text was accepted.
std::string rifiuto(const std::string& testo) {
    try {
        leggi(testo);
    } catch (const ErroreElencoComuni& e) {
        return e.what();
    }
    return {};
}

TEST(ElencoComuni, DemoListIsCompleteSortedAndParsed) {
    const std::string testo(fiscalcode::elencoComuniDemo());
    long righeDati = 0;
    std::istringstream righe(testo);
    for (std::string r; std::getline(righe, r);)
        if (!r.empty() && r[0] != '#') ++righeDati;

    const std::vector<Comune> comuni = leggi(testo);
    EXPECT_EQ(static_cast<long>(comuni.size()), righeDati);
    std::set<std::string> province;
    for (size_t i = 0; i < comuni.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(comuni[i - 1].codice, comuni[i].codice);
        }
        if (comuni[i].provincia != "EE") province.insert(comuni[i].provincia);
        EXPECT_EQ(comuni[i].provincia == "EE", comuni[i].codice[0] == 'Z') << comuni[i].codice;
    }
    EXPECT_EQ(province.size(), 107u);  // every Italian province has its capital

    std::set<std::string> righeViste;
    for (const Comune& c : comuni)
        righeViste.insert(c.codice + " " + c.nome + " " + c.provincia);
    for (const char* attesa :
         {"H501 ROMA RM", "F205 MILANO MI", "A345 L'AQUILA AQ", "F704 MONZA MB", "A669 BARLETTA BT",
          "D542 FERMO FM", "B745 CARBONIA SU", "H224 REGGIO DI CALABRIA RC", "D704 FORLI' FC",
          "Z110 FRANCIA EE", "Z404 STATI UNITI EE"})
        EXPECT_EQ(righeViste.count(attesa), 1u) << attesa;
}

TEST(ElencoComuni, TolerantOfLayoutStrictOnContent) {
    const auto comuni =
        leggi("# comment\r\n\r\nH501\tROMA\tRM\r\n  A089 \t AGRIGENTO \tAG  \n\nZ110\tFRANCIA\tEE");
    ASSERT_EQ(comuni.size(), 3u);
    EXPECT_EQ(comuni[0].codice + comuni[0].nome + comuni[0].provincia, "A089AGRIGENTOAG");
    EXPECT_EQ(comuni[2].codice, "Z110");

    EXPECT_EQ(
        rifiuto("H501\tROMA\tRM\nA089 AGRIGENTO AG\n"),
        "elenco, riga 2: servono tre campi separati da tabulazione (codice, nome, provincia)");
    EXPECT_EQ(rifiuto("H501\tROMA\tRM\n#\nA089\tAGRIGENTO\tAG\nH501\tROMA CAPITALE\tRM\n"),
              "elenco, riga 4: codice catastale H501 ripetuto (anche alla riga 1)");
    EXPECT_EQ(rifiuto("# only comments\n\n"), "elenco: nessun comune nell'elenco");
    for (const char* riga :
         {"H501\tROMA\tRM\textra", "h501\tROMA\tRM", "H50\tROMA\tRM", "H5011\tROMA\tRM",
          "1501\tROMA\tRM", "H50X\tROMA\tRM", "H501\tRoma\tRM", "H501\t\tRM",
          "H501\tSTATI UNITI D'AMERICA\tEE", /* 21 characters */
          "D704\tFORL\xC3\x8C\tFC", /* UTF-8 is not a record text */ "H501\tROMA\tR",
          "H501\tROMA\tR1"})
        EXPECT_NE(rifiuto(riga), "") << riga;
    EXPECT_EQ(rifiuto("H501\tSTATI UNITI D'AMERIC\tEE\n"), "");  // 20
    EXPECT_THROW(leggiElencoComuni("/nonexistent/comuni.txt"), ErroreElencoComuni);
}

class FileComuni : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        archivio = std::make_unique<supporto::ArchivioProva>(
            std::vector<supporto::VoceCatalogo>{{4, "COMUNI.DAT", 32}});
    }
    void TearDown() override {
        archivio.reset();
        ProvaBase::TearDown();
    }
    std::unique_ptr<supporto::ArchivioProva> archivio;
};

TEST_F(FileComuni, RecordsInCodeOrderWithTheFixedLayout) {
    EXPECT_EQ(fiscalcode::scriviFileComuni({{"Z110", "FRANCIA", "EE"},
                                            {"H501", "ROMA", "RM"},
                                            {"A345", "L'AQUILA", "AQ"},
                                            {"H224", "REGGIO DI CALABRIA", "RC"}}),
              4);
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"),
              " A345 L'AQUILA             AQ   "
              " H224 REGGIO DI CALABRIA   RC   "
              " H501 ROMA                 RM   "
              " Z110 FRANCIA              EE   ");
    EXPECT_EQ(archive::CANALE.at(4), 0);

    // Writing again replaces the file: no records of the longer list are left behind.
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}});
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), " H501 ROMA                 RM   ");
}

TEST_F(FileComuni, RefusalsLeaveTheFileAsItWas) {
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}, {"A089", "AGRIGENTO", "AG"}});
    const std::string prima = archivio->leggi("COMUNI.DAT");

    EXPECT_THROW(fiscalcode::scriviFileComuni({}), ErroreElencoComuni);
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}, {"H501", "ROMA", "RM"}}),
                 ErroreElencoComuni);
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "roma", "RM"}}), ErroreElencoComuni);

    // A catalogue whose records cannot hold the province.
    archivio->catalogo({4, "COMUNI.DAT", 28});
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}}), ErroreElencoComuni);
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), prima);
    EXPECT_EQ(archive::CANALE.at(4), 0);

    // The shortest record that holds the layout.
    archivio->catalogo({4, "COMUNI.DAT", 29});
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}});
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), " H501 ROMA                 RM");
}

}  // namespace
