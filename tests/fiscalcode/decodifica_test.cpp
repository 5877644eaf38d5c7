#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "archive/slot_file.h"
#include "fiscalcode/codice_fiscale.h"
#include "fiscalcode/comuni.h"
#include "support/archivio_prova.h"
#include "support/prova_base.h"

namespace {

using fiscalcode::Comune;
using fiscalcode::DECODIFICACF_S;
using fiscalcode::ErroreElencoComuni;

std::vector<Comune> leggi(const std::string& testo) {
    std::istringstream in(testo);
    return fiscalcode::leggiElencoComuni(in, "elenco");
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

// The expected 29 characters: date, place padded to 20, province, sex.
std::string atteso(const std::string& data, std::string luogo = "", const std::string& prov = "  ",
                   const std::string& sesso = "M") {
    luogo.resize(20, ' ');
    return data + luogo + prov + sesso;
}

// Codes "A002", "A004", ...: sorted, with a free code between any two records.
std::string codiceSintetico(long n) {
    return std::string(1, static_cast<char>('A' + n / 1000)) +
           std::to_string(1000 + n % 1000).substr(1);
}

// Born on 1 January 1980 at the place; the decoder ignores the check character.
std::string natoA(const std::string& codice) {
    return "RSSMRA80A01" + codice + "X";
}

TEST(ElencoComuni, TolerantOfLayoutStrictOnContent) {
    const auto scelti =
        leggi("# comment\r\n\r\nH501\tROMA\tRM\r\n  A089 \t AGRIGENTO \tAG  \n\nZ110\tFRANCIA\tEE");
    ASSERT_EQ(scelti.size(), 3u);
    EXPECT_EQ(scelti[0].codice + scelti[0].nome + scelti[0].provincia, "A089AGRIGENTOAG");
    EXPECT_EQ(
        rifiuto("H501\tROMA\tRM\nA089 AGRIGENTO AG\n"),
        "elenco, riga 2: servono tre campi separati da tabulazione (codice, nome, provincia)");
    EXPECT_EQ(rifiuto("H501\tROMA\tRM\n#\nA089\tAGRIGENTO\tAG\nH501\tROMA CAPITALE\tRM\n"),
              "elenco, riga 4: codice catastale H501 ripetuto (anche alla riga 1)");
    EXPECT_EQ(rifiuto("# only comments\n\n"), "elenco: nessun comune nell'elenco");
    for (const char* riga :
         {"H501\tROMA\tRM\textra", "h501\tROMA\tRM", "H50\tROMA\tRM", "H5011\tROMA\tRM",
          "1501\tROMA\tRM", "H50X\tROMA\tRM", "H501\tRoma\tRM", "H501\t\tRM",
          "H501\tSTATI UNITI D'AMERICA\tEE", "D704\tFORL\xC3\x8C\tFC", "H501\tROMA\tR", "H501\tROMA\tR1"})
        EXPECT_NE(rifiuto(riga), "") << riga;
    EXPECT_EQ(rifiuto("H501\tSTATI UNITI D'AMERIC\tEE\n"), "");  // 20 characters
    EXPECT_THROW(fiscalcode::leggiElencoComuni("/nonexistent/comuni.txt"), ErroreElencoComuni);
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

TEST_F(FileComuni, WrittenInCodeOrderReplacedWholeRefusalsLeaveItAsItWas) {
    EXPECT_EQ(fiscalcode::scriviFileComuni({{"Z110", "FRANCIA", "EE"},
                                            {"H501", "ROMA", "RM"},
                                            {"A345", "L'AQUILA", "AQ"}}),
              3);
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), " A345 L'AQUILA             AQ   "
                                             " H501 ROMA                 RM   "
                                             " Z110 FRANCIA              EE   ");
    EXPECT_EQ(archive::CANALE.at(4), 0);
    // Writing again replaces the file: no records of the longer list are left behind.
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}});
    const std::string prima = archivio->leggi("COMUNI.DAT");
    EXPECT_EQ(prima, " H501 ROMA                 RM   ");

    EXPECT_THROW(fiscalcode::scriviFileComuni({}), ErroreElencoComuni);
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}, {"H501", "ROMA", "RM"}}),
                 ErroreElencoComuni);
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "roma", "RM"}}), ErroreElencoComuni);
    // A catalogue whose records cannot hold the province; then the shortest that can.
    archivio->catalogo({4, "COMUNI.DAT", 28});
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}}), ErroreElencoComuni);
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), prima);
    EXPECT_EQ(archive::CANALE.at(4), 0);
    archivio->catalogo({4, "COMUNI.DAT", 29});
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}});
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), " H501 ROMA                 RM");
}

TEST_F(FileComuni, DecodingDateSexAndEveryDemoMunicipality) {
    fiscalcode::scriviComuniDemo();
    std::istringstream testo{std::string(fiscalcode::elencoComuniDemo())};
    for (const Comune& c : fiscalcode::leggiElencoComuni(testo, "demo"))
        EXPECT_EQ(DECODIFICACF_S(natoA(c.codice)), atteso("010180", c.nome, c.provincia))
            << c.codice;

    // Decoding stops early with what it read: year "00" and month letter "F" with the sex set,
    // omocodic codes (a letter in the day stops at once, one in the place is not found),
    // days no birth date has, a day past the end of its month, blanks, an 11-digit code.
    const std::string nulla = atteso("000000", "", "  ", " ");
    const struct {
        const char* codice;
        std::string atteso;
    } casi[] = {
        {"MRTMTT25D09F205Z", atteso("090425", "MILANO", "MI")},
        {"BNCLRA85M45H501M", atteso("050885", "ROMA", "RM", "F")},
        {"BNCLRA85M45Z719E", atteso("050885", "NUOVA ZELANDA", "EE", "F")},
        {"RSSMRA80T71A345X", atteso("311280", "L'AQUILA", "AQ", "F")},
        {"RSSMRA80B29H501Q", atteso("290280", "ROMA", "RM")},
        {"VRDGPP00A01A089M", atteso("000000")},
        {"VRDGPP80F01A089Q", atteso("000000")},
        {"VRDGPP80F41A089X", atteso("000000", "", "  ", "F")},
        {"MRTMTT25D0VF205O", nulla},
        {"MRTMTT25D09F20RU", atteso("090425", "F20R")},
        {"RSSMRA8LA01H501F", atteso("000000")},
        {"RSSMRA80A00H501X", nulla},
        {"RSSMRA80A35H501X", nulla},
        {"RSSMRA80A72H501X", nulla},
        {"RSSMRA80A-5H501X", nulla},
        {"RSSMRA80D31H501D", atteso("000000")},
        {"RSSMRA81B29H501R", atteso("000000")},
        {"                ", nulla},
        {"12345678903", atteso("000000")},
        {"RSSMRA80A01", atteso("010180")},
    };
    for (const auto& caso : casi)
        EXPECT_EQ(DECODIFICACF_S(caso.codice), caso.atteso) << caso.codice;
    EXPECT_EQ(archive::CANALE.at(4), 0);
}

TEST_F(FileComuni, SteppedSearchAcrossFileSizes) {
    // Sizes around the steps: a single record, fewer than one step, exactly one and more.
    for (const long quanti : {1L, 11L, 1000L, 1001L, 2345L}) {
        std::vector<Comune> elenco;
        for (long i = 1; i <= quanti; ++i)
            elenco.push_back({codiceSintetico(2 * i), "COMUNE " + std::to_string(i), "XY"});
        fiscalcode::scriviFileComuni(elenco);
        for (long i = 1; i <= quanti; ++i) {
            // The ends, the step boundaries and a spread of the rest, each with the free code
            // just before it.
            if (i > 2 && i < quanti - 1 && i % 100 > 1 && i % 7 != 0) continue;
            const std::string codice = codiceSintetico(2 * i), libero = codiceSintetico(2 * i - 1);
            ASSERT_EQ(DECODIFICACF_S(natoA(codice)),
                      atteso("010180", "COMUNE " + std::to_string(i), "XY"))
                << quanti << " records, code " << codice;
            ASSERT_EQ(DECODIFICACF_S(natoA(libero)), atteso("010180", libero)) << quanti;
        }
        for (const std::string& fuori : {codiceSintetico(2 * quanti + 1), std::string("Z999")})
            EXPECT_EQ(DECODIFICACF_S(natoA(fuori)), atteso("010180", fuori));
    }
}

TEST_F(FileComuni, MissingFilePartialRecordAndTheEmptyText) {
    // The empty text opens nothing: FAIOPEN would have created the missing file.
    EXPECT_EQ(DECODIFICACF_S(""), atteso("000000", "", "  ", " "));
    EXPECT_FALSE(archivio->esiste("COMUNI.DAT"));
    EXPECT_EQ(DECODIFICACF_S(natoA("H501")), atteso("010180", "H501"));
    // A record cut short at the end of the file does not exist.
    fiscalcode::scriviFileComuni({{"A089", "AGRIGENTO", "AG"}, {"H501", "ROMA", "RM"}});
    archivio->scrivi("COMUNI.DAT", archivio->leggi("COMUNI.DAT").substr(0, 32 + 29));
    EXPECT_EQ(DECODIFICACF_S(natoA("A089")), atteso("010180", "AGRIGENTO", "AG"));
    EXPECT_EQ(DECODIFICACF_S(natoA("H501")), atteso("010180", "H501"));
    // Not even the catalogue is needed for the empty text.
    archivio.reset();
    EXPECT_EQ(DECODIFICACF_S(""), atteso("000000", "", "  ", " "));
}

}  // namespace
