

#include "archive/slot_file.h"
#include "fiscalcode/codice_fiscale.h"
#include "fiscalcode/comuni.h"
#include "support/archivio_prova.h"

namespace {

using fiscalcode::Comune, fiscalcode::CONTROLLACF, fiscalcode::CONTROLLAPI, fiscalcode::DECODIFICACF_S, fiscalcode::ErroreElencoComuni;

// The message of the refusal, "" when the text was accepted.
std::string rifiuto(const std::string& testo) {
    std::istringstream in(testo);
    try { fiscalcode::leggiElencoComuni(in, "elenco"); } catch (const ErroreElencoComuni& e) { return e.what(); }
    return {};
}

// The expected 29 characters: date, place padded to 20, province, sex.
std::string atteso(const std::string& data, std::string luogo = "", const std::string& prov = "  ", const std::string& sesso = "M") {
    return data + luogo.append(20 - luogo.size(), ' ') + prov + sesso;
}

// Codes "A002", "A004", ...: sorted, with a free code between any two records.
std::string codiceSintetico(long n) { return static_cast<char>('A' + n / 1000) + std::to_string(1000 + n % 1000).substr(1); }

// Born on 1 January 1980 at the place; the decoder ignores the check character.
std::string natoA(const std::string& codice) { return "RSSMRA80A01" + codice + "X"; }

// Valid codes, each tried with every other check letter: real ones, omocodic ones, and codes
// that put every character at an odd and at an even position so that every table value counts.
TEST(ControllaCF, CheckCharacterOmocodicCodesAndForm) {
    for (const std::string codice :
         {"MRTMTT25D09F205Z", "BNCLRA85M45H501M", "BNCLRA85M45Z719E", "MRTMTT25D09F20RU", "MRTMTT25D09F2LRF", "MRTMTT25D0VF205O",
          "0123456789ABCDEP", "123456789ABCDEFA", "GHIJKLMNOPQRSTUI", "HIJKLMNOPQRSTUVN",
          "MNOPQRSTUVWXYZ0J", "NOPQRSTUVWXYZ01J", "23456789ABCDEFGH", "3456789ABCDEFGHV"}) {
        EXPECT_EQ(CONTROLLACF(codice), 0) << codice;
        for (char c = 'A'; c <= 'Z'; ++c)
            if (codice.back() != c) { EXPECT_EQ(CONTROLLACF(codice.substr(0, 15) + c), 1) << c; }
    }
    for (const std::string& codice : std::initializer_list<std::string>{
             "MRTMTT25D09F206Z", "NRTMTT25D09F205Z", "", "MRTMTT25D09F205", "MRTMTT25D09F205ZZ", "MRTMTT25D09F205z", "MRTMTT25D09F205Z ", "mrtmtt25d09f205z",
             "MRT TT25D09F205Z", "MRT\xC8TT25D09F205Z", std::string("MRT\0TT25D09F205Z", 16)})
        EXPECT_EQ(CONTROLLACF(codice), 1) << codice;
}

TEST(ControllaPI, CheckDigitEverySingleDigitChangedAndForm) {
    for (const std::string codice : {"01234567897", "12345678903", "00000000000"}) {
        EXPECT_EQ(CONTROLLAPI(codice), 0) << codice;
        for (size_t posizione = 0; posizione < 11; ++posizione) {
            for (char d = '0'; d <= '9'; ++d)
                if (codice[posizione] != d) { EXPECT_EQ(CONTROLLAPI(std::string(codice).replace(posizione, 1, 1, d)), 1) << d; }
        }
    }
    // A double digit sums its digits (7 -> 14 -> 5), a remainder of 0 gives check digit 0, and
    // the field may be wider than the code.
    for (const char* codice : {"07000000005", "19000000000", "01234567897     "})
        EXPECT_EQ(CONTROLLAPI(codice), 0) << codice;
    // Texts whose missing or non-digit positions would count as zeros and pass.
    for (const std::string codice : {"", "19", "1900000000", "0123456789-7", "ABCDEFGHIJ0", "19         ",
                                     "0123456789 7", " 01234567897", "01234567897x", "012345678970"})
        EXPECT_EQ(CONTROLLAPI(codice), 1) << '"' << codice << '"';
}

TEST(ElencoComuni, TolerantOfLayoutStrictOnContent) {
    std::istringstream in("# comment\r\n\r\nH501\tROMA\tRM\r\n  A089 \t AGRIGENTO \tAG  \n\nZ110\tFRANCIA\tEE");
    const auto scelti = fiscalcode::leggiElencoComuni(in, "elenco");
    ASSERT_EQ(scelti.size(), 3u);
    EXPECT_EQ(scelti[0].codice + scelti[0].nome + scelti[0].provincia, "A089AGRIGENTOAG");
    const std::pair<const char*, const char*> rifiutati[] = {
        {"H501\tROMA\tRM\nA089 AGRIGENTO AG\n", "elenco, riga 2: servono tre campi separati da tabulazione (codice, nome, provincia)"},
        {"H501\tROMA\tRM\n#\nA089\tAGRIGENTO\tAG\nH501\tROMA CAPITALE\tRM\n", "elenco, riga 4: codice catastale H501 ripetuto (anche alla riga 1)"},
        {"# only comments\n\n", "elenco: nessun comune nell'elenco"},
        {"H501\tROMA\tRM\textra", ""}, {"h501\tROMA\tRM", ""}, {"H50\tROMA\tRM", ""},
        {"H5011\tROMA\tRM", ""}, {"1501\tROMA\tRM", ""}, {"H50X\tROMA\tRM", ""},
        {"H501\tRoma\tRM", ""}, {"H501\t\tRM", ""}, {"H501\tSTATI UNITI D'AMERICA\tEE", ""},
        {"D704\tFORL\xC3\x8C\tFC", ""}, {"H501\tROMA\tR", ""}, {"H501\tROMA\tR1", ""}};
    for (const auto& [testo, messaggio] : rifiutati) {
        EXPECT_TRUE(!rifiuto(testo).empty() && rifiuto(testo).rfind(messaggio, 0) == 0) << testo << ": " << rifiuto(testo);
    }
    EXPECT_EQ(rifiuto("H501\tSTATI UNITI D'AMERIC\tEE\n"), "");  // 20 characters
    EXPECT_THROW(fiscalcode::leggiElencoComuni("/nonexistent/comuni.txt"), ErroreElencoComuni);
}

class FileComuni : public supporto::ProvaBase {
  protected:
    void SetUp() override { ProvaBase::SetUp(), archivio.emplace(std::vector<supporto::VoceCatalogo>{{4, "COMUNI.DAT", 32}}); }
    std::optional<supporto::ArchivioProva> archivio;
};

TEST_F(FileComuni, WrittenInCodeOrderReplacedWholeRefusalsLeaveItAsItWas) {
    EXPECT_EQ(fiscalcode::scriviFileComuni({{"Z110", "FRANCIA", "EE"}, {"A345", "L'AQUILA", "AQ"}}), 2);
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), " A345 L'AQUILA             AQ    Z110 FRANCIA              EE   ");
    // Writing again replaces the file: no records of the longer list are left behind.
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}});
    const std::string prima = archivio->leggi("COMUNI.DAT");
    EXPECT_EQ(prima, " H501 ROMA                 RM   ");

    // Refused: nothing, a repeated code, a lower-case name, records too short for the province.
    for (const std::vector<Comune>& elenco : std::initializer_list<std::vector<Comune>>{
             {}, {{"H501", "ROMA", "RM"}, {"H501", "ROMA", "RM"}}, {{"H501", "roma", "RM"}}})
        EXPECT_THROW(fiscalcode::scriviFileComuni(elenco), ErroreElencoComuni);
    archivio->catalogo({4, "COMUNI.DAT", 28});
    EXPECT_THROW(fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}}), ErroreElencoComuni);
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), prima);
    EXPECT_EQ(archive::CANALE.at(4), 0);
    archivio->catalogo({4, "COMUNI.DAT", 29});
    fiscalcode::scriviFileComuni({{"H501", "ROMA", "RM"}});
    EXPECT_EQ(archivio->leggi("COMUNI.DAT"), " H501 ROMA                 RM");
}

// Decoding stops early with what it read: year "00", month "F", omocodic codes (a letter in the
// day stops at once, one in the place is not found), impossible days, blanks, an 11-digit code.
TEST_F(FileComuni, DecodingDateSexAndPlace) {
    // The empty text opens nothing: FAIOPEN would have created the missing file.
    EXPECT_EQ(DECODIFICACF_S(""), atteso("000000", "", "  ", " "));
    EXPECT_FALSE(archivio->esiste("COMUNI.DAT"));
    EXPECT_EQ(DECODIFICACF_S(natoA("H501")), atteso("010180", "H501"));
    fiscalcode::scriviComuniDemo();
    const std::string nulla = atteso("000000", "", "  ", " ");
    // clang-format off
    const std::pair<const char*, std::string> casi[] = {
        {"MRTMTT25D09F205Z", atteso("090425", "MILANO", "MI")}, {"BNCLRA85M45H501M", atteso("050885", "ROMA", "RM", "F")},
        {"BNCLRA85M45Z719E", atteso("050885", "NUOVA ZELANDA", "EE", "F")}, {"RSSMRA80T71A345X", atteso("311280", "L'AQUILA", "AQ", "F")},
        {"RSSMRA80B29H501Q", atteso("290280", "ROMA", "RM")}, {"VRDGPP00A01A089M", atteso("000000")},
        {"VRDGPP80F01A089Q", atteso("000000")}, {"VRDGPP80F41A089X", atteso("000000", "", "  ", "F")},
        {"MRTMTT25D0VF205O", nulla}, {"MRTMTT25D09F20RU", atteso("090425", "F20R")}, {"RSSMRA8LA01H501F", atteso("000000")},
        {"RSSMRA80A00H501X", nulla}, {"RSSMRA80A35H501X", nulla}, {"RSSMRA80A72H501X", nulla}, {"RSSMRA80A-5H501X", nulla},
        {"RSSMRA80D31H501D", atteso("000000")}, {"RSSMRA81B29H501R", atteso("000000")}, {"                ", nulla},
        {"12345678903", atteso("000000")}, {"RSSMRA80A01", atteso("010180")},
    };
    // clang-format on
    for (const auto& [codice, decodificato] : casi) EXPECT_EQ(DECODIFICACF_S(codice), decodificato) << codice;
    EXPECT_EQ(archive::CANALE.at(4), 0);
    // A record cut short at the end of the file does not exist.
    fiscalcode::scriviFileComuni({{"A089", "AGRIGENTO", "AG"}, {"H501", "ROMA", "RM"}});
    archivio->scrivi("COMUNI.DAT", archivio->leggi("COMUNI.DAT").substr(0, 32 + 29));
    EXPECT_EQ(DECODIFICACF_S(natoA("A089")), atteso("010180", "AGRIGENTO", "AG"));
    EXPECT_EQ(DECODIFICACF_S(natoA("H501")), atteso("010180", "H501"));
}

// Every code of a file of more than two steps of the search (the real list has thousands),
// each with the free code just before it, and past the last.
TEST_F(FileComuni, SteppedSearchOverALargeFile) {
    std::vector<Comune> elenco;
    for (long i = 1; i <= 2345; ++i) elenco.push_back({codiceSintetico(2 * i), "COMUNE " + std::to_string(i), "XY"});
    fiscalcode::scriviFileComuni(elenco);
    for (long i = 1; i <= 2346; ++i) {
        const std::string libero = codiceSintetico(2 * i - 1);
        ASSERT_EQ(DECODIFICACF_S(natoA(libero)), atteso("010180", libero));
        if (i > 2345) break;
        ASSERT_EQ(DECODIFICACF_S(natoA(codiceSintetico(2 * i))), atteso("010180", "COMUNE " + std::to_string(i), "XY"));
    }
}

}  // namespace
