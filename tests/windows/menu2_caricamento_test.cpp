// The data-entry table: value formatting, page list, page loading, special kinds, table
// list, buttons and closing.

#include <cstring>

#include "archive/semaforo.h"
#include "dictionary/lettura.h"
#include "menu2_prova.h"
#include "runtime/testo.h"

namespace {

using namespace prova_menu2;
using windows::MENU2;
using windows::SCAMBIO_S;

TEST_F(ProvaMenu2, FormatsEveryTypeForDisplay) {
    MENU2 f;
    // "9E+42" in the five position characters (once found by fuzzing) is far beyond any record
    // and beyond a long: the value shows as from an empty record.
    const struct {
        const char* registrato;  // the working record from position 1
        int lunghezza;
        char tipo;
        const char* posizione;  // as written in the definition
        const char* vista;
    } casi[] = {
        {"XX012345YY", 6, '2', "00003", "123.45 "},
        {"XX000005YY", 6, '2', "00003", "0.05   "},
        {"XX-000125", 7, '2', "00003", "-1.25   "},  // the sign stays in front
        {"XX007", 3, 'N', "00003", "7  "},
        {"XX01022003", 8, 'D', "00003", "01/02/2003"},
        {"XX3112", 4, 'D', "00003", "31/12"},
        {"XX311203", 6, 'D', "00003", "31/12/03"},
        {"XXABCYY", 5, 'A', "00003", "ABCYY"},
        {"", 3, 'N', "00001", "0  "},
        {"", 4, '2', "00001", "0.00 "},
        {"", 8, 'D', "00001", "00/00/0000"},
        {"", 4, 'A', "00001", "    "},
        {"7777777777", 3, 'N', "9E+42", "0  "},
        {"7777777777", 4, 'A', "9E+42", "    "},
        {"7777777777", 8, 'D', "9E+42", "00/00/0000"},
        {"7777777777", 4, '2', "-9E99", "0.00 "},
        {"7777777777", 3, 'N', "9E+00", "77 "},  // a plain exponent within the record reads
    };
    for (const auto& c : casi) {
        SCAMBIO_S[1] = c.registrato;
        std::string d = tools::recordDefinizione(campo("C", c.lunghezza, c.tipo, 1));
        runtime::MIDASSIGN(d, 50, 5, c.posizione);
        EXPECT_EQ(f.PRENDI_S(d), c.vista) << c.registrato << " " << c.posizione;
        EXPECT_EQ(f.scambio[MENU2::LUNGHEZZA_VISTA], static_cast<int>(strlen(c.vista)));
    }
}

TEST_F(ProvaMenu2, BuildsThePageListAndLoadsPagesSkippingExcludedAndHiddenRecords) {
    auto d = pagineUniformi(12, 2);
    d[1].descrizione = "PRIMA RIGA";
    auto esclusa = campo("ESCLUSA", 3, 'N', 300);
    esclusa.esclusa = true;
    auto nascosta = campo("NASCOSTA", 3, 'N', 303);
    nascosta.speciale = '1';
    nascosta.archivio = 5;
    nascosta.aiuto = 0;
    // An excluded record between pages 1 and 2 does not end page 1; a hidden one takes no row.
    d.insert(d.begin() + 2, esclusa);
    d.insert(d.begin() + 3, nascosta);
    d.push_back(testata("ULTIMA"));  // a header that is the last record: page 13 is empty
    SCAMBIO_S[1].replace(0, 3, "042");
    auto& f = apri(d);

    ASSERT_EQ(f.Combo1->count(), 13);
    EXPECT_EQ(windows::daQString(f.Combo1->itemText(2)), " 3- PAGINA 3");
    EXPECT_EQ(el(MENU2::PAGINE), 13);
    EXPECT_EQ(f.inizioPagina[2], 6);  // header, 2 rows, excluded, hidden, then page 2

    EXPECT_EQ(el(MENU2::RIGHE), 2);
    EXPECT_EQ(cella(1, 0), "N1  ");
    EXPECT_EQ(cella(1, 2), "42 ");

    f.Combo1->setCurrentIndex(11);
    f.Combo1_Click();
    EXPECT_EQ(el(MENU2::PAGINA), 12);
    EXPECT_EQ(cella(1, 1), " P12 RIGA 1             ");
    EXPECT_EQ(f.VScroll1->value(), 12);

    f.Combo1->setCurrentIndex(12);
    f.Combo1_Click();
    EXPECT_EQ(el(MENU2::RIGHE), 0);

    f.VScroll1->setRange(1, 20);  // a page beyond the last one loads page 1
    f.VScroll1->setValue(20);
    EXPECT_EQ(el(MENU2::PAGINA), 1);
    EXPECT_EQ(cella(1, 1), " PRIMA RIGA             ");
}

TEST_F(ProvaMenu2, WithoutTheDefinitionFileTheWindowIsEmptyAndShowsTablesAndButtons) {
    tools::scriviDefinizioni(160, pagineUniformi(1, 1));
    archive::CHIUDIFILE(160);
    windows::SCAMBIO_D[1] = 7;  // left by the page list window: not a page of file 160
    SCAMBIO_S[40] = runtime::LEFT("PRIMA TAB" + runtime::SPACE(25), 25) + "002160" +
                    runtime::LEFT("SECONDA" + runtime::SPACE(25), 25) + "003161" + "INCOMPLETA";
    windows::SCAMBIO_I[38] = 4;
    MENU2 f;
    f.Form_Load();
    EXPECT_EQ(f.Combo1->count(), 0);
    EXPECT_EQ(f.scambio[MENU2::RIGHE], 0);
    ASSERT_EQ(f.TABBED1->count(), 2);  // the incomplete entry is no table
    EXPECT_EQ(windows::daQString(f.TABBED1->tabText(1)), "SECONDA,");
    EXPECT_FALSE(f.Tasto_qualifica->isHidden());
    EXPECT_TRUE(f.Tasto_calcolo->isHidden());
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(ProvaMenu2, SpecialKindsTakeTheCompanyLabelAndLookUpCodesInFile8) {
    tools::scriviDitta(
        {.codice = 4,
         .nome = "TEATRO",
         .stato = 0,
         .altri = {{dictionary::T040, "C0000011"}, {dictionary::TA49, "NOMEDITTAXYZ"}}});
    tools::scriviRecord(8, 5, tools::recordConCampi(8, {{dictionary::S002, "PROSA"}}));
    archive::CHIUDIFILE(1);
    archive::CHIUDIFILE(8);
    dictionary::RepoW(dictionary::P175, "4");
    dictionary::RepoW(dictionary::P050, "0");
    auto ditta = campo("ORE LAVORATE NEL MESE X", 4, 'N', 1, "P300");
    ditta.tipoSpeciale = 11;
    auto etichetta = campo("SOLO TIPO", 4, 'N', 5, "P301");
    etichetta.tipoSpeciale = 8;
    auto settore = campo("SETTORE", 5, 'N', 9, "T067");
    settore.tipoSpeciale = 15;
    auto mancante = campo("SETTORE MANCANTE", 5, 'N', 14, "T067");
    mancante.tipoSpeciale = 15;
    auto formula = campo("FORMULA", 3, 'N', 19, "F001");
    formula.tipoSpeciale = 15;
    SCAMBIO_S[1].replace(8, 10, "0000500009");
    SCAMBIO_S[1].replace(18, 3, "077");
    auto& f = apri({testata("DITTA"), ditta, etichetta, settore, mancante, formula});

    EXPECT_EQ(cella(1, 1), " ORE L:C0000011NOMEDSE X");
    EXPECT_EQ(runtime::MID(f.RIGADEF[1], 32, 1), "2");  // no P050: two decimals
    EXPECT_EQ(runtime::MID(f.RIGADEF[2], 32, 1), "2");
    EXPECT_EQ(f.DESCR[3], "   PROSA           ");
    EXPECT_FALSE(f.H6[2]->isHidden());
    EXPECT_EQ(cella(4, 2), "00000");
    EXPECT_TRUE(f.DESCR[4].empty());
    EXPECT_TRUE(f.H6[3]->isHidden());
    EXPECT_EQ(el(MENU2::CODICE_MANCANTE), 1);
    EXPECT_EQ(archive::CANALE[1], 0);  // the company file is closed again
}

TEST_F(ProvaMenu2, TooManyRowsOrPagesEndInTheErrorReport) {
    for (const auto& troppe : {std::pair{1, 21}, std::pair{51, 0}}) {
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine([&] { apri(pagineUniformi(troppe.first, troppe.second)); }),
                  1);
        ASSERT_FALSE(ui().messaggi.empty());
        EXPECT_EQ(ui().messaggi.front().testo.rfind("Errore 9 ", 0), 0u);
    }
    EXPECT_EQ(supporto::codiceFine([&] { apri(pagineUniformi(50, 18)); }), -1);
    EXPECT_EQ(el(MENU2::PAGINE), 50);
    EXPECT_EQ(el(MENU2::RIGHE), 18);
}

TEST_F(ProvaMenu2, QualificaReloadsThePageWhileDittaAndSettoreChangeNothing) {
    tools::scriviDitta(
        {.codice = 2, .nome = "DITTA", .stato = 0, .altri = {{dictionary::T067, "0012"}}});
    archive::CHIUDIFILE(1);
    dictionary::RepoW(dictionary::P175, "2");
    windows::SCAMBIO_I[38] = 5;
    windows::SCAMBIO_I[47] = 9;
    windows::ESITO_I[25] = 3;
    auto& f = apri(pagineUniformi(3, 4));
    f.Combo1->setCurrentIndex(1);
    f.Combo1_Click();
    f.vaiARiga(2);
    f.GR1_Click();
    digita("77");
    EXPECT_EQ(cella(2, 2), "77 ");

    const std::string lavoro = SCAMBIO_S[1], dipendente = dictionary::DIPX_S;
    f.Tasto_ditta_Click();
    f.Tasto_settore_Click();
    EXPECT_EQ(cella(2, 2), "77 ");
    EXPECT_EQ(SCAMBIO_S[1], lavoro);
    EXPECT_EQ(dictionary::DIPX_S, dipendente);
    EXPECT_EQ(archive::CANALE[1], 0);

    f.Tasto_qualifica_Click();
    EXPECT_EQ(el(MENU2::PAGINA), 2);
    EXPECT_EQ(cella(2, 2), "0  ");
    EXPECT_EQ(windows::ESITO_I[25], 0);
    // Typing was cut short by the reload: Enter now does nothing at all.
    EXPECT_EQ(el(MENU2::MODIFICATO), 1);
    f.Command1_Click();
    EXPECT_EQ(el(MENU2::RIGA), 1);
    EXPECT_EQ(SCAMBIO_S[1], lavoro);
}

TEST_F(ProvaMenu2, LeavingTheWindowCopiesTheStateBackAndEndsTheRunWritingTheTaskFile) {
    archivio->scriviTask("05 PRIMA");
    archive::CODICETASK = "05";
    windows::SCAMBIO_I[29] = 2;
    windows::SCAMBIO_I[38] = 7;
    windows::SCAMBIO_D[40] = 12.5;
    auto& f = apri(pagineUniformi(2, 3));
    EXPECT_FALSE(f.Tasto_calcolo->isHidden());
    f.Tasto_calcolo_Click();
    f.scambio[44] = 17;

    EXPECT_EQ(supporto::codiceFine([&] { f.Tasto_Uscita_Click(); }), 0);
    EXPECT_EQ(windows::ESITO_I[25], 1);
    EXPECT_EQ(windows::SCAMBIO_I[44], 17);
    EXPECT_EQ(windows::SCAMBIO_I[29], 1);
    EXPECT_EQ(windows::SCAMBIO_D[40], 12.5);
    EXPECT_EQ(archivio->leggi("C:\\VXSTASK\\VXSTASK.INI").substr(0, 3), "05 ");
    EXPECT_EQ(archive::CANALE[216], 0);
    EXPECT_EQ(archive::CANALE[160], 0);
}

TEST_F(ProvaMenu2, ATabSwitchesTheTableAndClosingOpensTheFirstAgain) {
    const double dipendente =
        tools::aggiungiRecord(2, tools::recordConCampi(2, {{dictionary::P175, "7"}}));
    windows::SCAMBIO_I[47] = static_cast<int16_t>(dipendente);
    SCAMBIO_S[40] = runtime::LEFT("PRIMA" + runtime::SPACE(25), 25) + "001160" +
                    runtime::LEFT("SECONDA" + runtime::SPACE(25), 25) + "008160";
    auto& f = apri(pagineUniformi(2, 3));
    f.Combo1->setCurrentIndex(1);
    f.Combo1_Click();
    f.cx_KeyPress(0, '5');
    dictionary::DIPX_S = std::string(1000, ' ');

    f.TABBED1->setCurrentIndex(1);
    f.TABBED1_Click(1);
    EXPECT_EQ(SCAMBIO_S[27], SCAMBIO_S[40].substr(31, 31));
    EXPECT_EQ(windows::SCAMBIO_I[5], 0);  // file 106 was not open before the switch
    EXPECT_NE(archive::CANALE[106], 0);
    EXPECT_NE(archive::CANALE[8], 0);
    EXPECT_EQ(dictionary::RepoRN(dictionary::P175), 7);  // the worker read again
    EXPECT_EQ(el(MENU2::PAGINA), 1);
    EXPECT_EQ(el(MENU2::MODIFICATO), 0);

    EXPECT_EQ(supporto::codiceFine([&] { f.Tasto_Uscita_Click(); }), 0);
    EXPECT_EQ(SCAMBIO_S[27], SCAMBIO_S[40].substr(0, 31));
}

}  // namespace
