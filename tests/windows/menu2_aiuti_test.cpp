// The table's help: values decoded, archive values in help lines, choice lists, help texts.

#include <QLocale>

#include "isam/isam.h"
#include "menu2_prova.h"
#include "windows/table/riferimenti.h"

namespace {

using namespace prova_menu2;
using dictionary::DIPX_S;
using runtime::MID;
using runtime::SPACE;
using windows::Scelta;

// A locale for a test or a scope, put back afterwards.
struct Locale {
    QLocale prima;
    explicit Locale(QLocale::Language l, QLocale::Country t) { QLocale::setDefault({l, t}); }
    ~Locale() { QLocale::setDefault(prima); }
};

class AiutiMenu2 : public ProvaMenu2 {
  protected:
    void SetUp() override {
        ProvaMenu2::SetUp();
        for (const supporto::VoceCatalogo& v : std::vector<supporto::VoceCatalogo>{
                 {19, "FISCALI.DAT", 100}, {41, "TESTI.DAT", 50}, {48, "PROFESS.DAT", 40},
                 {401, "QUALIF.DAT", 30}})
            archivio->catalogo(v);
        // Company 1 in sector 2; fiscal parameters with a rate, dates and a text.
        tools::scriviDitta({1, "TEATRO", 0, {{dictionary::T067, "0002"}}});
        tools::scriviRecord(8, 2, SPACE(380) + "0002MUSICA");
        tools::scriviRecord(19, 1, SPACE(10) + "12345678311212202501012025ABCDE00003300-0000050");
        archive::CHIUDIFILE(0);
        DIPX_S.replace(2, 3, "001");  // P175, the worker's company
    }
    // Help tables 10, 20, 30, 5 (out of order), 50 (at the end); the number on a first line only.
    static void scriviAiuti() {
        archive::RICREAFILE(216);
        tools::inizializzaIndice(217);
        for (const char* l : {"010   0  NON ISCRITTO", "      1  TEMPO INDETERMINATO",
                              "      3  ALIQUOTA #19 0011208 %", "020   2  ALTRA TABELLA",
                              "030   1  ULTIMA TABELLA", "         CODICE VUOTO",
                              "005   9  TABELLA FUORI ORDINE", "050   1  IN FONDO AL FILE"}) {
            const double n = tools::aggiungiRecord(216, " " + std::string(l));
            if (*l != ' ') tools::inserisciChiave(217, std::string(l, 3), n);
        }
    }
    // Records the choice list's lines and double-clicks line `riga` (0: moves, then cancels).
    void scegli(int riga) {
        ui().registraFinestra("Scelta", [this, riga] {
            Scelta& s = *finestra->scelta.finestra();
            s.Form_Activate();
            righe.clear();
            for (int i = 0; i < s.lstElenco->count(); ++i)
                righe.push_back(s.testoRiga(i));
            s.lstElenco->setCurrentRow(riga ? riga - 1 : 1);
            riga ? s.lstElenco_DblClick() : s.cmdUscita_Click();
        });
    }
    static tools::RigaDefinizione riga(const char* nome, char tipo, long posizione, int aiuto,
                                       int archivio = 0, int lunghezza = 1,
                                       const char* breve = "X000") {
        auto c = campo(nome, lunghezza, tipo, posizione, breve);
        c.aiuto = aiuto, c.archivio = archivio;
        return c;
    }
    V righe;
    Locale italiano{QLocale::Italian, QLocale::Italy};
};

TEST_F(AiutiMenu2, ValuesAreDecodedThroughTheirOwnTableOnly) {
    scriviAiuti();
    SCAMBIO_S[1].replace(0, 5, "12949");
    auto& f = apri({testata("AIUTI"), riga("UNO", 'N', 1, 10), riga("DUE", 'N', 2, 10),
                    riga("NOVE", 'N', 3, 30), riga("QUATTRO", 'N', 4, 40),
                    riga("FONDO", 'N', 5, 50)});
    const std::string tempo = "TEMPO INDETERMINATO" + SPACE(17);
    EXPECT_EQ(f.DESCR[1], tempo);
    // Code 2 is in the next table, 9 only in a later one out of order or in none before the end
    // of the file, table 40 is not indexed: no description nor its button; the help button stays.
    for (int r : {2, 3, 4, 5})
        EXPECT_TRUE(f.DESCR[r].empty() && f.H6[r - 1]->isHidden() && !f.SS[r - 1]->isHidden()) << r;
    // Typing follows the value; leaving the row shows the stored one again.
    digita("3");
    EXPECT_EQ(f.DESCR[1], "ALIQUOTA  123.456,78 %" + SPACE(14));
    digita("\b7");
    EXPECT_TRUE(f.H6[0]->isHidden());
    tasto(GIU);
    EXPECT_EQ(f.DESCR[1], tempo);
}

TEST_F(AiutiMenu2, ReferencesTakeTheFormOfTheirTypeOrStayAsTheyAre) {
    using windows::ST_AIUTO3_S;
    tools::scriviDitta({3, "SENZA SETTORE", 0, {}});
    archive::CHIUDIFILE(1);
    // Company, reference, its help-line text ("": kept as written). A wider number is kept whole;
    // #08 is the company's sector (none for no company, a missing one or one without sector).
    const V casi = {
        "001", "A #19 0011208 Z", "A  123.456,78 Z",  "001", "A #19 0042N08 Z", "A    3.300,00 Z",
        "001", "A #19 0050208 Z", "A       -0,50 Z",  "001", "A #19 0011N08 Z", "A 12.345.678,00 Z",
        "001", "A #19 0019D04 Z", "A 31/12       Z",  "001", "A #19 0023D06 Z", "A 12/2025     Z",
        "001", "A #19 0029D08 Z", "A 01/01/2025  Z",  "001", "A #19 0037A03 Z", "A ABC         Z",
        "001", "#08 0385A06",     "MUSICA     ",      "001", "A #19 0011X08",   "",
        "001", "A #19 0019D05",   "",                 "001", "A #19 0099N08",   "",
        "001", "A #07 0001A01",   "",                 "001", "A #19 0000A01",   "",
        "001", "SENZA RIFERIMENTO", "",               "000", "#08 0385A06",     "",
        "009", "#08 0385A06",     "",                 "003", "#08 0385A06",     "",
        "000", "#19 0011208",     ""};
    for (size_t i = 0; i < casi.size(); i += 3) {
        DIPX_S.replace(2, 3, casi[i]);
        EXPECT_EQ(ST_AIUTO3_S(casi[i + 1]), casi[i + 2].empty() ? casi[i + 1] : casi[i + 2]) << i;
    }
    Locale inglese(QLocale::English, QLocale::UnitedStates);
    DIPX_S.replace(2, 3, "001");
    EXPECT_EQ(ST_AIUTO3_S("#19 0011208"), " 123,456.78");
    EXPECT_EQ(archive::CANALE[1] + archive::CANALE[19] + archive::CANALE[8], 0);
}

TEST_F(AiutiMenu2, TheHelpListWritesTheChosenCodeIntoTheWorker) {
    scriviAiuti();
    auto& f = apri({testata("AIUTI"), campo("PRIMA", 3, 'N', 1),
                    riga("POSIZIONE", 'A', 201, 10, 0, 1, "P168"),
                    riga("SENZA TABELLA", 'A', 202, 40), riga("ULTIMA", 'A', 203, 30)});
    DIPX_S.replace(200, 3, "XXX");
    const std::string prima = DIPX_S;
    scegli(3);
    f.SS_Click(1);
    EXPECT_EQ(righe, (V{"0  NON ISCRITTO", "1  TEMPO INDETERMINATO", "3  ALIQUOTA  123.456,78 %"}));
    EXPECT_EQ(MID(DIPX_S, 201, 1) + std::to_string(el(MENU2::RIGA)), "32");  // its row current
    scegli(0);  // cancelling after moving the selection changes nothing
    f.SS_Click(1);
    EXPECT_EQ(MID(DIPX_S, 201, 1), "3");
    // A blank code is the chosen line's code, though the list trims it away.
    scegli(2);
    f.SS_Click(3);
    EXPECT_EQ(righe, (V{"1  ULTIMA TABELLA", "CODICE VUOTO"}));
    EXPECT_EQ(MID(DIPX_S, 203, 1), " ");
    // A table that is not indexed shows no list.
    const auto mostrate = ui().modali.size();
    f.SS_Click(2);
    EXPECT_EQ(ui().modali.size(), mostrate);
    EXPECT_EQ(MID(DIPX_S, 1, 200), MID(prima, 1, 200));
}

TEST_F(AiutiMenu2, ArchiveButtonsListLiveRecordsOrShowHelpTexts) {
    for (const char* q : {"   011ATTORE", "99 014SOPPRESSA", "     7CANTANTE"})
        tools::aggiungiRecord(401, q);
    tools::scriviRecord(8, 1, "99" + SPACE(378) + "0001ANNULLATO");
    for (const char* p : {"  101ATTORE DI PROSA", "99103SOPPRESSA"})
        tools::aggiungiRecord(48, p);
    // Help texts 6 and 5 (two lines); the chain of headers leads from one to the next.
    tools::scriviRecord(41, 1, " 0060002UNICA");
    tools::scriviRecord(41, 2, " 0050004PRIMA RIGA");
    tools::scriviRecord(41, 3, "        SECONDA RIGA");
    archive::CHIUDIFILE(0);
    auto& f = apri({testata("ARCHIVI"), riga("QUALIFICA", 'N', 301, 0, 998, 3, "Q001"),
                    riga("SETTORE", 'N', 311, 0, 999, 4, "T067"),
                    riga("PROFESSIONE", 'N', 321, 0, 999, 3, "P138"),
                    riga("ALTRO", 'N', 331, 0, 999, 3), riga("CON AIUTO", 'N', 341, 0, 5, 3)});
    // Each list leaves out retired records ("99"); the chosen code goes into the worker.
    const std::vector<std::pair<int, V>> liste = {{2, {"011 ATTORE", "  7 CANTANTE" + SPACE(10)}},
                                                  {1, {"0002 MUSICA" + SPACE(10)}},
                                                  {1, {"101 ATTORE DI PROSA" + SPACE(10)}}};
    for (int b = 0; b < 3; ++b) {
        scegli(liste[b].first);
        f.SSCommand2_Click(b);
        EXPECT_EQ(righe, liste[b].second) << b;
    }
    EXPECT_EQ(MID(DIPX_S, 301, 3), "007");
    const auto mostrate = ui().modali.size();
    f.SSCommand2_Click(3);  // 999 for another field: nothing
    EXPECT_EQ(ui().modali.size(), mostrate);
    // A help text titled with its button's row, and by F1 with the current row (998: no text).
    f.SSCommand2_Click(4);
    tasto(112);
    vaiA(5);
    tasto(112);
    ASSERT_EQ(messaggi(), 2u);
    for (const auto& m : ui().messaggi)
        EXPECT_EQ(m.titolo + "|" + m.testo, "HELP: CON AIUTO" + SPACE(14) + "| PRIMA RIGA" +
                                                SPACE(30) + " \r\n SECONDA RIGA" + SPACE(28) +
                                                " \r\n");
    EXPECT_EQ(el(MENU2::TASTO_GESTITO) + archive::CANALE[41], 0);
    // A text that is not there, and a chain that points back, show nothing and end.
    f.AIUTO(7);
    tools::scriviRecord(41, 1, " 0060001UNICA");
    archive::CHIUDIFILE(41);
    f.AIUTO(5);
    EXPECT_EQ(messaggi(), 2u);
}

}  // namespace
