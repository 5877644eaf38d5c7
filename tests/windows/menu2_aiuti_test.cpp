// The data-entry table's help: values decoded through the help tables, archive values
// filled into help lines.

#include <QLocale>
#include <array>

#include "isam/isam.h"
#include "menu2_prova.h"
#include "windows/table/riferimenti.h"

namespace {

using namespace prova_menu2;
using dictionary::DIPX_S;
using runtime::SPACE;

class AiutiMenu2 : public ProvaMenu2 {
  protected:
    void SetUp() override {
        ProvaMenu2::SetUp();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        archivio->catalogo({19, "FISCALI.DAT", 100});
        // Company 1 in sector 2; fiscal parameters with a rate, dates and a text.
        tools::scriviDitta(
            {.codice = 1, .nome = "TEATRO", .stato = 0, .altri = {{dictionary::T067, "0002"}}});
        tools::scriviRecord(8, 2, std::string(380, ' ') + "0002MUSICA");
        // From 11: 12345678, 3112, 122025, 01012025, ABCDE, 00003300, -0000050.
        tools::scriviRecord(19, 1, SPACE(10) + "12345678311212202501012025ABCDE00003300-0000050");
        archive::CHIUDIFILE(0);
        DIPX_S.replace(2, 3, "001");  // P175, the worker's company
    }
    void TearDown() override {
        QLocale::setDefault(locale);
        ProvaMenu2::TearDown();
    }

    // Help tables 10, 20, 30, then 5 out of order and 50 at the end of the file; a table's
    // number is on its first line only.
    static void scriviAiuti() {
        const struct {
            const char *tabella, *codice, *descrizione;
        } linee[] = {{"010", "0", "NON ISCRITTO"},         {"", "1", "TEMPO INDETERMINATO"},
                     {"", "3", "ALIQUOTA #19 0011208 %"},  {"020", "2", "ALTRA TABELLA"},
                     {"030", "1", "ULTIMA TABELLA"},       {"", " ", "CODICE VUOTO"},
                     {"005", "9", "TABELLA FUORI ORDINE"}, {"050", "1", "IN FONDO AL FILE"}};
        archive::RICREAFILE(216);
        tools::inizializzaIndice(217);
        for (const auto& l : linee) {
            const std::string r = " " + (std::string(l.tabella) + "   ").substr(0, 3) + "   " +
                                  l.codice + "  " + l.descrizione;
            const double n = tools::aggiungiRecord(216, r);
            if (*l.tabella) tools::inserisciChiave(217, l.tabella, n);
        }
    }
    static tools::RigaDefinizione riga(const char* nome, long posizione, int aiuto) {
        auto c = campo(nome, 1, 'N', posizione);
        c.aiuto = aiuto;
        return c;
    }
    QLocale locale;
};

TEST_F(AiutiMenu2, ValuesAreDecodedThroughTheirOwnTableOnly) {
    scriviAiuti();
    SCAMBIO_S[1].replace(0, 5, "12949");
    auto& f = apri({testata("AIUTI"), riga("UNO", 1, 10), riga("DUE", 2, 10), riga("NOVE", 3, 30),
                    riga("QUATTRO", 4, 40), riga("FONDO", 5, 50)});
    const std::string tempo = "TEMPO INDETERMINATO" + SPACE(17);
    EXPECT_EQ(f.DESCR[1], tempo);
    EXPECT_FALSE(f.H6[0]->isHidden());
    // Code 2 is in the next table, code 9 only in a later table out of order or in none
    // before the end of the file, table 40 is not indexed: no description, no description
    // button, the help button stays.
    for (int r : {2, 3, 4, 5})
        EXPECT_TRUE(f.DESCR[r].empty() && f.H6[r - 1]->isHidden() && !f.SS[r - 1]->isHidden()) << r;
    // Typing follows the value; leaving the row shows the stored one again.
    digita("3");
    EXPECT_EQ(f.DESCR[1], "ALIQUOTA  123.456,78 %" + std::string(14, ' '));
    digita("\b7");
    EXPECT_TRUE(f.H6[0]->isHidden());
    tasto(GIU);
    EXPECT_EQ(f.DESCR[1], tempo);
}

TEST_F(AiutiMenu2, ReferencesTakeTheFormOfTheirTypeOrStayAsTheyAre) {
    using windows::ST_AIUTO3_S;
    tools::scriviDitta({.codice = 3, .nome = "SENZA SETTORE", .stato = 0, .altri = {}});
    archive::CHIUDIFILE(1);
    // Company, reference, its text in the help line; unresolvable references stay as written.
    const std::vector<std::array<std::string, 3>> casi = {
        {"001", "A #19 0011208 Z", "A  123.456,78 Z"},
        {"001", "A #19 0042N08 Z", "A    3.300,00 Z"},
        {"001", "A #19 0050208 Z", "A       -0,50 Z"},
        {"001", "A #19 0011N08 Z", "A 12.345.678,00 Z"},  // wider: kept whole
        {"001", "A #19 0019D04 Z", "A 31/12       Z"},
        {"001", "A #19 0023D06 Z", "A 12/2025     Z"},
        {"001", "A #19 0029D08 Z", "A 01/01/2025  Z"},
        {"001", "A #19 0037A03 Z", "A ABC         Z"},
        {"001", "#08 0385A06", "MUSICA     "},  // the company's sector
        {"001", "A #19 0011X08", ""},
        {"001", "A #19 0019D05", ""},
        {"001", "A #19 0099N08", ""},
        {"001", "A #07 0001A01", ""},
        {"001", "A #19 0000A01", ""},
        {"001", "NESSUNO", ""},
        {"000", "#08 0385A06", ""},
        {"009", "#08 0385A06", ""},  // no company, missing,
        {"003", "#08 0385A06", ""},
        {"000", "#19 0011208", ""}};  // no sector
    for (const auto& [ditta, riferimento, atteso] : casi) {
        DIPX_S.replace(2, 3, ditta);
        EXPECT_EQ(ST_AIUTO3_S(riferimento), atteso.empty() ? riferimento : atteso) << ditta;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    DIPX_S.replace(2, 3, "001");
    EXPECT_EQ(ST_AIUTO3_S("#19 0011208"), " 123,456.78");
    EXPECT_EQ(archive::CANALE[1] + archive::CANALE[19] + archive::CANALE[8], 0);
}

}  // namespace
