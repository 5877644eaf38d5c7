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

// The expected 29 characters: date, place padded to 20, province, sex.
std::string atteso(const std::string& data, const std::string& luogo, const std::string& prov,
                   const std::string& sesso) {
    std::string l = luogo;
    l.resize(20, ' ');
    return data + l + prov + sesso;
}

// Codes "A002", "A004", ...: sorted, with a free code between any two records.
std::string codiceSintetico(long n) {
    std::string c(1, static_cast<char>('A' + n / 1000));
    const std::string cifre = std::to_string(1000 + n % 1000);
    return c + cifre.substr(1);
}

std::vector<Comune> elencoSintetico(long quanti) {
    std::vector<Comune> elenco;
    for (long i = 1; i <= quanti; ++i)
        elenco.push_back({codiceSintetico(2 * i), "COMUNE " + std::to_string(i), "XY"});
    return elenco;
}

// Any name letters and birth data, then the place: the decoder does not look at the check
// character.
std::string natoA(const std::string& codice) {
    return "RSSMRA80A01" + codice + "X";
}

class Decodifica : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        archivio = std::make_unique<supporto::ArchivioProva>(
            std::vector<supporto::VoceCatalogo>{{4, "COMUNI.DAT", 40}});
    }
    void TearDown() override {
        archivio.reset();
        ProvaBase::TearDown();
    }
    void caricaDemo() { fiscalcode::scriviComuniDemo(); }

    std::unique_ptr<supporto::ArchivioProva> archivio;
};

TEST_F(Decodifica, MenWomenAndForeignStates) {
    caricaDemo();
    EXPECT_EQ(DECODIFICACF_S("MRTMTT25D09F205Z"), atteso("090425", "MILANO", "MI", "M"));
    EXPECT_EQ(DECODIFICACF_S("BNCLRA85M45H501M"), atteso("050885", "ROMA", "RM", "F"));
    EXPECT_EQ(DECODIFICACF_S("BNCLRA85M45Z719E"), atteso("050885", "NUOVA ZELANDA", "EE", "F"));
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80T71A345X"), atteso("311280", "L'AQUILA", "AQ", "F"));
    // A leap day in a year divisible by four.
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80B29H501Q"), atteso("290280", "ROMA", "RM", "M"));
    EXPECT_EQ(archive::CANALE.at(4), 0);
}

TEST_F(Decodifica, EveryMunicipalityOfTheDemoListIsFound) {
    caricaDemo();
    std::istringstream testo{std::string(fiscalcode::elencoComuniDemo())};
    for (const Comune& c : fiscalcode::leggiElencoComuni(testo, "demo"))
        EXPECT_EQ(DECODIFICACF_S(natoA(c.codice)), atteso("010180", c.nome, c.provincia, "M"))
            << c.codice;
}

TEST_F(Decodifica, SteppedSearchAcrossFileSizes) {
    // Sizes around the steps: a single record, fewer than one step, exactly one and more.
    for (const long quanti : {1L, 11L, 1000L, 1001L, 2345L}) {
        fiscalcode::scriviFileComuni(elencoSintetico(quanti));
        for (long i = 1; i <= quanti; ++i) {
            // The ends, the step boundaries and a spread of the rest.
            if (i > 2 && i < quanti - 1 && i % 100 > 1 && i % 7 != 0) continue;
            const std::string codice = codiceSintetico(2 * i);
            ASSERT_EQ(DECODIFICACF_S(natoA(codice)),
                      atteso("010180", "COMUNE " + std::to_string(i), "XY", "M"))
                << quanti << " records, code " << codice;
            // The free code just before it: between records, or before the first one.
            const std::string libero = codiceSintetico(2 * i - 1);
            ASSERT_EQ(DECODIFICACF_S(natoA(libero)), atteso("010180", libero, "  ", "M"))
                << quanti << " records, code " << libero;
        }
        const std::string oltre = codiceSintetico(2 * quanti + 1);
        EXPECT_EQ(DECODIFICACF_S(natoA(oltre)), atteso("010180", oltre, "  ", "M"));
        EXPECT_EQ(DECODIFICACF_S(natoA("Z999")), atteso("010180", "Z999", "  ", "M"));
        EXPECT_EQ(DECODIFICACF_S(natoA("A000")), atteso("010180", "A000", "  ", "M"));
    }
}

TEST_F(Decodifica, EmptyFileAndAPartialLastRecord) {
    // No file 4 at all: it is created empty and nothing is found.
    EXPECT_EQ(DECODIFICACF_S(natoA("H501")), atteso("010180", "H501", "  ", "M"));
    // A record cut short at the end of the file does not exist.
    fiscalcode::scriviFileComuni({{"A089", "AGRIGENTO", "AG"}, {"H501", "ROMA", "RM"}});
    const std::string intero = archivio->leggi("COMUNI.DAT");
    archivio->scrivi("COMUNI.DAT", intero.substr(0, 40 + 29));
    EXPECT_EQ(DECODIFICACF_S(natoA("A089")), atteso("010180", "AGRIGENTO", "AG", "M"));
    EXPECT_EQ(DECODIFICACF_S(natoA("H501")), atteso("010180", "H501", "  ", "M"));
}

TEST_F(Decodifica, DecodingStopsEarlyWithWhatItRead) {
    caricaDemo();
    const std::string vuoto = atteso("000000", "", "  ", " ");
    // Year "00" and month letter "F": the sex is already set from the day.
    EXPECT_EQ(DECODIFICACF_S("VRDGPP00A01A089M"), atteso("000000", "", "  ", "M"));
    EXPECT_EQ(DECODIFICACF_S("VRDGPP80F01A089Q"), atteso("000000", "", "  ", "M"));
    EXPECT_EQ(DECODIFICACF_S("VRDGPP80F41A089X"), atteso("000000", "", "  ", "F"));
    // Omocodic codes: a letter in the day stops at once, one in the place is not found.
    EXPECT_EQ(DECODIFICACF_S("MRTMTT25D0VF205O"), vuoto);
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80A5LH501D"), vuoto);  // not read as day 5
    EXPECT_EQ(DECODIFICACF_S("MRTMTT25D09F20RU"), atteso("090425", "F20R", "  ", "M"));
    EXPECT_EQ(DECODIFICACF_S("RSSMRA8LA01H501F"), atteso("000000", "", "  ", "M"));
    // Days no birth date has: unreadable. A day past the end of its month: no date.
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80A00H501X"), vuoto);
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80A35H501X"), vuoto);
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80A72H501X"), vuoto);
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80A-5H501X"), vuoto);
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80D31H501D"), atteso("000000", "", "  ", "M"));
    EXPECT_EQ(DECODIFICACF_S("RSSMRA81B29H501R"), atteso("000000", "", "  ", "M"));
    // Blanks (an emptied field) and an 11-digit code have no date.
    EXPECT_EQ(DECODIFICACF_S(std::string(16, ' ')), vuoto);
    EXPECT_EQ(DECODIFICACF_S("12345678903"), atteso("000000", "", "  ", "M"));
    EXPECT_EQ(DECODIFICACF_S("RSSMRA80A01"), atteso("010180", "", "  ", "M"));
    EXPECT_EQ(archive::CANALE.at(4), 0);
}

TEST_F(Decodifica, EmptyTextOpensNoFile) {
    const std::string vuoto = atteso("000000", "", "  ", " ");
    EXPECT_EQ(DECODIFICACF_S(""), vuoto);
    // FAIOPEN would have created the missing file.
    EXPECT_FALSE(archivio->esiste("COMUNI.DAT"));
    // Not even the catalogue is needed.
    archivio.reset();
    EXPECT_EQ(DECODIFICACF_S(""), vuoto);
}

}  // namespace
