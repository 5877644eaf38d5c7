// The data-entry table's help: values decoded through the help tables, archive values
// filled into help lines, the help and archive choice lists, help texts.

#include <QLocale>

#include "archive/record.h"
#include "isam/isam.h"
#include "runtime/testo.h"
#include "menu2_prova.h"
#include "windows/table/riferimenti.h"

namespace {

using namespace prova_menu2;
using dictionary::DIPX_S;
using runtime::MID;
using windows::MENU2;
using windows::SCAMBIO_S;
using windows::Scelta;

struct Linea {
    int tabella;  // 0 on the lines that follow a table's first line
    char codice;
    std::string descrizione;
};

// The locale for one test, put back afterwards.
struct Locale {
    QLocale prima;
    explicit Locale(const QLocale& l) { QLocale::setDefault(l); }
    ~Locale() { QLocale::setDefault(prima); }
};

class AiutiMenu2 : public ProvaMenu2 {
  protected:
    void SetUp() override {
        ProvaMenu2::SetUp();
        archivio->catalogo({19, "FISCALI.DAT", 100});
        archivio->catalogo({41, "TESTI.DAT", 50});
        archivio->catalogo({48, "PROFESS.DAT", 40});
        archivio->catalogo({401, "QUALIF.DAT", 30});
        // Company 1 in sector 2; fiscal parameters with a rate, dates and a text.
        tools::scriviDitta(
            {.codice = 1, .nome = "TEATRO", .stato = 0, .altri = {{dictionary::T067, "0002"}}});
        tools::scriviRecord(8, 2, std::string(380, ' ') + "0002MUSICA");
        tools::scriviRecord(19, 1,
                            std::string(10, ' ') + "12345678" + "3112" + "122025" + "01012025" +
                                "ABCDE" + "00003300" + "-0000050");
        archive::CHIUDIFILE(0);
        DIPX_S.replace(2, 3, "001");  // P175, the worker's company
    }

    static void scriviAiuti(const std::vector<Linea>& linee) {
        archive::RICREAFILE(216);
        tools::inizializzaIndice(217);
        for (const auto& l : linee) {
            std::string r(50, ' ');
            if (l.tabella) r.replace(1, 3, RIGHT3(l.tabella));
            r[7] = l.codice;
            r.replace(10, l.descrizione.size(), l.descrizione);
            const double n = tools::aggiungiRecord(216, r);
            if (l.tabella) tools::inserisciChiave(217, RIGHT3(l.tabella), n);
        }
    }
    static std::string RIGHT3(int n) { return runtime::RIGHT("00" + std::to_string(n), 3); }

    // Runs `operatore` on the choice list in place of the operator; records its lines.
    void scelta(const std::function<void(Scelta&)>& operatore) {
        ui().registraFinestra("Scelta", [this, operatore] {
            Scelta& s = *finestra->scelta.finestra();
            s.Form_Activate();
            righe.clear();
            for (int i = 0; i < s.lstElenco->count(); ++i)
                righe.push_back(s.testoRiga(i));
            operatore(s);
        });
    }
    static void scegli(Scelta& s, int riga) {
        s.lstElenco->setCurrentRow(riga - 1);
        s.lstElenco_DblClick();
    }

    std::vector<std::string> righe;
};

// Tables 10, 20, 30, then 5 out of order and 50 at the end of the file.
const std::vector<Linea> TABELLE = {
    {10, '0', "NON ISCRITTO"},          {0, '1', "TEMPO INDETERMINATO"},
    {0, '3', "ALIQUOTA #19 0011208 %"}, {20, '2', "ALTRA TABELLA"},
    {30, '1', "ULTIMA TABELLA"},        {0, ' ', "CODICE VUOTO"},
    {5, '9', "TABELLA FUORI ORDINE"},   {50, '1', "IN FONDO AL FILE"},
};

TEST_F(AiutiMenu2, ValuesAreDecodedThroughTheirOwnTableOnly) {
    Locale italiano(QLocale(QLocale::Italian, QLocale::Italy));
    scriviAiuti(TABELLE);
    auto riga = [](const char* nome, int aiuto, long posizione) {
        auto c = campo(nome, 1, 'N', posizione);
        c.aiuto = aiuto;
        return c;
    };
    SCAMBIO_S[1].replace(0, 5, "12949");
    auto& f = apri({testata("AIUTI"), riga("UNO", 10, 1), riga("DUE", 10, 2), riga("NOVE", 30, 3),
                    riga("QUATTRO", 40, 4), riga("FONDO", 50, 5)});

    EXPECT_EQ(f.DESCR[1],
              MID(std::string(10, ' ') + "TEMPO INDETERMINATO" + std::string(40, ' '), 11, 36));
    EXPECT_FALSE(f.H6[0]->isHidden());
    EXPECT_FALSE(f.SS[0]->isHidden());
    // Code 2 is in the next table, code 9 only in a later table out of order or in none
    // before the end of the file, table 40 is not indexed: no description, no description
    // button, the help button stays.
    for (int r : {2, 3, 4, 5}) {
        EXPECT_EQ(f.DESCR[r], "") << r;
        EXPECT_TRUE(f.H6[r - 1]->isHidden()) << r;
        EXPECT_FALSE(f.SS[r - 1]->isHidden()) << r;
    }

    // Typing follows the value; leaving the row shows the stored one again.
    digita("3");
    EXPECT_EQ(f.DESCR[1], "ALIQUOTA  123.456,78 %" + std::string(14, ' '));
    digita("\b7");
    EXPECT_TRUE(f.H6[0]->isHidden());
    tasto(GIU);
    EXPECT_EQ(f.DESCR[1],
              MID(std::string(10, ' ') + "TEMPO INDETERMINATO" + std::string(40, ' '), 11, 36));
}

TEST_F(AiutiMenu2, ReferencesTakeTheFormOfTheirTypeOrStayAsTheyAre) {
    Locale italiano(QLocale(QLocale::Italian, QLocale::Italy));
    using windows::ST_AIUTO3_S;
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"A #19 0011208 Z", "A  123.456,78 Z"},  // two decimals
        {"A #19 0042N08 Z", "A    3.300,00 Z"},
        {"A #19 0050208 Z", "A       -0,50 Z"},
        {"A #19 0011N08 Z", "A 12.345.678,00 Z"},  // wider: kept whole
        {"A #19 0019D04 Z", "A 31/12       Z"},
        {"A #19 0023D06 Z", "A 12/2025     Z"},
        {"A #19 0029D08 Z", "A 01/01/2025  Z"},
        {"A #19 0037A03 Z", "A ABC         Z"},
        {"#08 0385A06", "MUSICA     "}};  // the company's sector
    for (const auto& [riferimento, atteso] : casi)
        EXPECT_EQ(ST_AIUTO3_S(riferimento), atteso);
    for (const std::string x : {"A #19 0011X08", "A #19 0019D05", "A #19 0099N08", "A #07 0001A01",
                                "A #19 0000A01", "SENZA RIFERIMENTO"})
        EXPECT_EQ(ST_AIUTO3_S(x), x);  // unresolvable: kept as written
    {
        Locale inglese(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(ST_AIUTO3_S("#19 0011208"), " 123,456.78");
        EXPECT_EQ(windows::formatoMigliaia(-0.001), "0.00");
    }
    // A file the window holds open stays open; the others are closed again.
    archive::FAIOPEN(8);
    EXPECT_EQ(ST_AIUTO3_S("#08 0385A06"), "MUSICA     ");
    EXPECT_NE(archive::CANALE[8], 0);
    EXPECT_EQ(archive::CANALE[1], 0);
    EXPECT_EQ(archive::CANALE[19], 0);
    archive::CHIUDIFILE(8);

    tools::scriviDitta({.codice = 3, .nome = "SENZA SETTORE", .stato = 0, .altri = {}});
    archive::CHIUDIFILE(1);
    for (const char* ditta : {"000", "009", "003"}) {  // no company, missing, no sector
        DIPX_S.replace(2, 3, ditta);
        EXPECT_EQ(ST_AIUTO3_S("#08 0385A06"), "#08 0385A06") << ditta;
    }
    DIPX_S.replace(2, 3, "000");
    EXPECT_EQ(ST_AIUTO3_S("#19 0011208"), "#19 0011208");
}

TEST_F(AiutiMenu2, TheHelpListWritesTheChosenCodeIntoTheWorker) {
    Locale italiano(QLocale(QLocale::Italian, QLocale::Italy));
    scriviAiuti(TABELLE);
    auto c = campo("POSIZIONE", 1, 'A', 201, "P168");
    c.aiuto = 10;
    auto vuota = campo("SENZA TABELLA", 1, 'A', 202);
    vuota.aiuto = 40;
    auto ultima = campo("ULTIMA", 1, 'A', 203);
    ultima.aiuto = 30;
    auto& f = apri({testata("AIUTI"), campo("PRIMA", 3, 'N', 1), c, vuota, ultima});
    DIPX_S.replace(200, 3, "XXX");
    const std::string prima = DIPX_S;

    scelta([](Scelta& s) { scegli(s, 3); });
    f.SS_Click(1);
    EXPECT_EQ(righe, (std::vector<std::string>{"0  NON ISCRITTO", "1  TEMPO INDETERMINATO",
                                               "3  ALIQUOTA  123.456,78 %"}));
    EXPECT_EQ(MID(DIPX_S, 201, 1), "3");
    EXPECT_EQ(el(MENU2::RIGA), 2);  // the button's row is current again

    // Cancelling after moving the selection changes nothing.
    scelta([](Scelta& s) {
        s.lstElenco->setCurrentRow(1);
        s.cmdUscita_Click();
    });
    f.SS_Click(1);
    EXPECT_EQ(MID(DIPX_S, 201, 1), "3");

    // A blank code is the chosen line's code, though the list trims it away.
    scelta([](Scelta& s) { scegli(s, 2); });
    f.SS_Click(3);
    EXPECT_EQ(righe, (std::vector<std::string>{"1  ULTIMA TABELLA", "CODICE VUOTO"}));
    EXPECT_EQ(MID(DIPX_S, 203, 1), " ");

    // A table that is not indexed shows no list.
    const auto mostrate = ui().modali.size();
    f.SS_Click(2);
    EXPECT_EQ(ui().modali.size(), mostrate);
    EXPECT_EQ(el(MENU2::RIGA), 3);
    EXPECT_EQ(MID(DIPX_S, 1, 200), MID(prima, 1, 200));
}

TEST_F(AiutiMenu2, ArchiveButtonsListLiveRecordsOrShowHelpTexts) {
    for (const char* q : {"   011ATTORE", "99 014SOPPRESSA", "     7CANTANTE"})
        tools::aggiungiRecord(401, q);
    tools::scriviRecord(8, 1, "99" + std::string(378, ' ') + "0001ANNULLATO");
    for (const char* p : {"  101ATTORE DI PROSA", "99103SOPPRESSA"})
        tools::aggiungiRecord(48, p);
    // Help texts 6 and 5 (two lines); the chain of headers leads from one to the next.
    tools::scriviRecord(41, 1, " 0060002UNICA");
    tools::scriviRecord(41, 2, " 0050004PRIMA RIGA");
    tools::scriviRecord(41, 3, "        SECONDA RIGA");
    archive::CHIUDIFILE(0);

    auto qualifica = campo("QUALIFICA", 3, 'N', 301, "Q001");
    qualifica.archivio = 998;
    auto settore = campo("SETTORE", 4, 'N', 311, "T067");
    settore.archivio = 999;
    auto professione = campo("PROFESSIONE", 3, 'N', 321, "P138");
    professione.archivio = 999;
    auto altro = campo("ALTRO", 3, 'N', 331, "X999");
    altro.archivio = 999;
    auto testo = campo("CON AIUTO", 3, 'N', 341, "H001");
    testo.archivio = 5;
    auto& f = apri({testata("ARCHIVI"), qualifica, settore, professione, altro, testo});

    scelta([](Scelta& s) { scegli(s, 2); });
    f.SSCommand2_Click(0);
    EXPECT_EQ(righe,
              (std::vector<std::string>{"011 ATTORE", "  7 CANTANTE" + std::string(10, ' ')}));
    EXPECT_EQ(MID(DIPX_S, 301, 3), "007");

    scelta([](Scelta& s) { scegli(s, 1); });
    f.SSCommand2_Click(1);
    EXPECT_EQ(righe, (std::vector<std::string>{"0002 MUSICA" + std::string(10, ' ')}));
    EXPECT_EQ(MID(DIPX_S, 311, 4), "0002");

    scelta([](Scelta& s) { s.lstElenco_KeyPress(27); });
    f.SSCommand2_Click(2);
    EXPECT_EQ(righe, (std::vector<std::string>{"101 ATTORE DI PROSA" + std::string(10, ' ')}));
    EXPECT_EQ(MID(DIPX_S, 321, 3), "   ");
    for (int n : {8, 48, 401})
        EXPECT_EQ(archive::CANALE[n], 0) << n;

    const auto mostrate = ui().modali.size();
    f.SSCommand2_Click(3);  // 999 for another field: nothing
    archive::RICREAFILE(401);
    tools::aggiungiRecord(401, "99 014SOPPRESSA");
    archive::CHIUDIFILE(401);
    f.SSCommand2_Click(0);  // only retired records: no window
    EXPECT_EQ(ui().modali.size(), mostrate);
    EXPECT_EQ(MID(DIPX_S, 301, 3), "007");

    // A help text titled with its button's row, and by F1 with the current row.
    const std::string testo5 = " PRIMA RIGA" + std::string(30, ' ') + " \r\n SECONDA RIGA" +
                               std::string(28, ' ') + " \r\n";
    f.SSCommand2_Click(4);
    tasto(112);  // row 1: 998 is no help text
    vaiA(5);
    tasto(112);
    ASSERT_EQ(ui().messaggi.size(), 2u);
    for (const auto& m : ui().messaggi) {
        EXPECT_EQ(m.testo, testo5);
        EXPECT_EQ(m.titolo, "HELP: CON AIUTO" + std::string(14, ' '));
    }
    EXPECT_EQ(el(MENU2::TASTO_GESTITO), 0);
    EXPECT_EQ(archive::CANALE[41], 0);
    // A text that is not there, and a chain that points back, show nothing and end.
    f.AIUTO(7);
    tools::scriviRecord(41, 1, " 0060001UNICA");
    archive::CHIUDIFILE(41);
    f.AIUTO(5);
    EXPECT_EQ(ui().messaggi.size(), 2u);
}

}  // namespace
