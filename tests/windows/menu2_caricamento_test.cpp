// The data-entry table: formatting, the page list and pages, special kinds, tables, buttons.

#include <tuple>

#include "archive/semaforo.h"
#include "dictionary/lettura.h"
#include "menu2_prova.h"

namespace {

using namespace prova_menu2;
using namespace windows;

TEST_F(ProvaMenu2, FormatsEveryTypeForDisplay) {
    MENU2 f;
    // Record, length, type, position as written in the definition, view. "9E+42" (found by
    // fuzzing) is beyond any record and any long: the value shows as from an empty record.
    const std::vector<std::tuple<std::string, int, char, std::string, std::string>> casi = {
        {"XX012345YY", 6, '2', "00003", "123.45 "},    {"XX000005YY", 6, '2', "00003", "0.05   "},
        {"XX-000125", 7, '2', "00003", "-1.25   "},  // the sign stays in front
        {"XX3112", 4, 'D', "00003", "31/12"},          {"XX311203", 6, 'D', "00003", "31/12/03"},
        {"7777777777", 3, 'N', "9E+42", "0  "},        {"7777777777", 4, 'A', "9E+42", "    "},
        {"7777777777", 8, 'D', "9E+42", "00/00/0000"}, {"7777777777", 4, '2', "-9E99", "0.00 "},
        {"7777777777", 3, 'N', "9E+00", "77 "}};  // a plain exponent within the record reads
    for (const auto& [registrato, lunghezza, tipo, posizione, vista] : casi) {
        SCAMBIO_S[1] = registrato;
        std::string d = tools::recordDefinizione(campo("C", lunghezza, tipo, 1));
        runtime::MIDASSIGN(d, 50, 5, posizione);
        EXPECT_EQ(f.PRENDI_S(d), vista) << registrato << " " << posizione;
        EXPECT_EQ(f.scambio[MENU2::LUNGHEZZA_VISTA], static_cast<int>(vista.size()));
    }
}

TEST_F(ProvaMenu2, BuildsThePageListAndLoadsPagesSkippingExcludedAndHiddenRecords) {
    auto d = pagineUniformi(12, 2);
    d[1].descrizione = "PRIMA RIGA";
    // An excluded record between pages 1 and 2 does not end page 1; a hidden one takes no row.
    d.insert(d.begin() + 2, {campo("ESCLUSA", 3, 'N', 300), campo("NASCOSTA", 3, 'N', 303)});
    d[2].esclusa = true, d[3].speciale = '1', d[3].archivio = 5;
    d.push_back(testata("ULTIMA"));  // a header that is the last record: page 13 is empty
    SCAMBIO_S[1].replace(0, 3, "042");
    auto& f = apri(d);
    ASSERT_EQ(f.Combo1->count(), 13);
    EXPECT_EQ(daQString(f.Combo1->itemText(2)), " 3- PAGINA 3");
    EXPECT_EQ(el(MENU2::PAGINE) * 100 + f.inizioPagina[2], 1306);  // header, 2 rows, 2 skipped
    EXPECT_EQ(el(MENU2::RIGHE), 2);
    EXPECT_EQ(cella(1, 0) + cella(1, 2), "N1  42 ");
    f.Combo1->setCurrentIndex(11);
    f.Combo1_Click();
    EXPECT_EQ(cella(1, 1) + std::to_string(el(MENU2::PAGINA) * 100 + f.VScroll1->value()),
              " P12 RIGA 1             1212");
    f.Combo1->setCurrentIndex(12);
    f.Combo1_Click();
    EXPECT_EQ(el(MENU2::RIGHE), 0);
    f.VScroll1->setRange(1, 20);  // a page beyond the last one loads page 1
    f.VScroll1->setValue(20);
    EXPECT_EQ(std::to_string(el(MENU2::PAGINA)) + cella(1, 1), "1 PRIMA RIGA             ");
}

TEST_F(ProvaMenu2, WithoutTheDefinitionFileTheWindowIsEmptyAndShowsTablesAndButtons) {
    tools::scriviDefinizioni(160, pagineUniformi(1, 1));
    archive::CHIUDIFILE(160);
    SCAMBIO_D[1] = 7;  // left by the page list window: not a page of file 160
    SCAMBIO_S[40] = n("PRIMA TAB", 25) + "002160" + n("SECONDA", 25) + "003161INCOMPLETA";
    SCAMBIO_I[38] = 4;
    MENU2 f;
    f.Form_Load();
    EXPECT_EQ(f.Combo1->count() + f.scambio[MENU2::RIGHE], 0);
    ASSERT_EQ(f.TABBED1->count(), 2);  // the incomplete entry is no table
    EXPECT_EQ(daQString(f.TABBED1->tabText(1)), "SECONDA,");
    EXPECT_TRUE(!f.Tasto_qualifica->isHidden() && f.Tasto_calcolo->isHidden() &&
                ui().messaggi.empty());
}

TEST_F(ProvaMenu2, SpecialKindsTakeTheCompanyLabelAndLookUpCodesInFile8) {
    tools::scriviDitta(
        {4, "TEATRO", 0, {{dictionary::T040, "C0000011"}, {dictionary::TA49, "NOMEDITTAXYZ"}}});
    tools::scriviRecord(8, 5, tools::recordConCampi(8, {{dictionary::S002, "PROSA"}}));
    archive::CHIUDIFILE(0);
    dictionary::RepoW(dictionary::P175, "4");
    dictionary::RepoW(dictionary::P050, "0");
    // Company label (11, 8), then file 8 codes: a sector, a missing one, a formula.
    const std::tuple<const char*, int, long, const char*, int> righe[] = {
        {"ORE LAVORATE NEL MESE X", 4, 1, "P300", 11},
        {"SOLO TIPO", 4, 5, "P301", 8},
        {"SETTORE", 5, 9, "T067", 15},
        {"SETTORE MANCANTE", 5, 14, "T067", 15},
        {"FORMULA", 3, 19, "F001", 15}};
    std::vector<tools::RigaDefinizione> d = {testata("DITTA")};
    for (const auto& [nome, lunghezza, posizione, breve, tipo] : righe) {
        d.push_back(campo(nome, lunghezza, 'N', posizione, breve));
        d.back().tipoSpeciale = tipo;
    }
    SCAMBIO_S[1].replace(8, 13, "0000500009077");
    auto& f = apri(d);
    EXPECT_EQ(cella(1, 1), " ORE L:C0000011NOMEDSE X");
    // No P050: two decimals.
    EXPECT_EQ(runtime::MID(f.RIGADEF[1], 32, 1) + runtime::MID(f.RIGADEF[2], 32, 1), "22");
    EXPECT_EQ(f.DESCR[3], "   PROSA           ");
    EXPECT_TRUE(!f.H6[2]->isHidden() && f.H6[3]->isHidden() && f.DESCR[4].empty());
    EXPECT_EQ(cella(4, 2) + std::to_string(el(MENU2::CODICE_MANCANTE)), "000001");
    EXPECT_EQ(archive::CANALE[1], 0);  // the company file is closed again
}

TEST_F(ProvaMenu2, TooManyRowsOrPagesEndInTheErrorReport) {
    for (const auto& t : {std::pair{1, 21}, std::pair{51, 0}}) {  // pages, rows
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine([&] { apri(pagineUniformi(t.first, t.second)); }), 1);
        EXPECT_EQ(ui().primoTesto().rfind("Errore 9 ", 0), 0u);
    }
    EXPECT_EQ(supporto::codiceFine([&] { apri(pagineUniformi(50, 18)); }), -1);
    EXPECT_EQ(el(MENU2::PAGINE) * 100 + el(MENU2::RIGHE), 5018);
}

TEST_F(ProvaMenu2, QualificaReloadsThePageWhileDittaAndSettoreChangeNothing) {
    tools::scriviDitta(
        {.codice = 2, .nome = "DITTA", .stato = 0, .altri = {{dictionary::T067, "0012"}}});
    archive::CHIUDIFILE(1);
    dictionary::RepoW(dictionary::P175, "2");
    SCAMBIO_I[38] = 5;
    SCAMBIO_I[47] = 9;
    ESITO_I[25] = 3;
    auto& f = apri(pagineUniformi(3, 4));
    f.Combo1->setCurrentIndex(1);
    f.Combo1_Click();
    vaiA(2);
    digita("77");
    const std::string lavoro = SCAMBIO_S[1], dipendente = dictionary::DIPX_S;
    f.Tasto_ditta_Click();
    f.Tasto_settore_Click();
    EXPECT_TRUE(cella(2, 2) == "77 " && SCAMBIO_S[1] == lavoro && dictionary::DIPX_S == dipendente);
    EXPECT_EQ(archive::CANALE[1], 0);
    f.Tasto_qualifica_Click();
    EXPECT_EQ(cella(2, 2) + std::to_string(el(MENU2::PAGINA) * 10 + ESITO_I[25]), "0  20");
    // Typing was cut short by the reload: Enter now does nothing at all.
    f.Command1_Click();
    EXPECT_TRUE(el(MENU2::RIGA) == 1 && el(MENU2::MODIFICATO) == 1 && SCAMBIO_S[1] == lavoro);
}

TEST_F(ProvaMenu2, LeavingTheWindowCopiesTheStateBackAndEndsTheRunWritingTheTaskFile) {
    archivio->scriviTask("05 PRIMA");
    archive::CODICETASK = "05";
    SCAMBIO_I[29] = 2;
    SCAMBIO_I[38] = 7;
    SCAMBIO_D[40] = 12.5;
    auto& f = apri(pagineUniformi(2, 3));
    EXPECT_FALSE(f.Tasto_calcolo->isHidden());
    f.Tasto_calcolo_Click();
    f.scambio[44] = 17;
    EXPECT_EQ(supporto::codiceFine([&] { f.Tasto_Uscita_Click(); }), 0);
    EXPECT_EQ(ESITO_I[25] * 100 + SCAMBIO_I[44] * 10 + SCAMBIO_I[29], 271);
    EXPECT_EQ(SCAMBIO_D[40], 12.5);
    EXPECT_EQ(archivio->leggi("C:\\VXSTASK\\VXSTASK.INI").substr(0, 3), "05 ");
    EXPECT_EQ(archive::CANALE[216] + archive::CANALE[160], 0);
}

TEST_F(ProvaMenu2, ATabSwitchesTheTableAndClosingOpensTheFirstAgain) {
    SCAMBIO_I[47] = static_cast<int16_t>(
        tools::aggiungiRecord(2, tools::recordConCampi(2, {{dictionary::P175, "7"}})));
    SCAMBIO_S[40] = n("PRIMA", 25) + "001160" + n("SECONDA", 25) + "008160";
    auto& f = apri(pagineUniformi(2, 3));
    f.Combo1->setCurrentIndex(1);
    f.Combo1_Click();
    f.cx_KeyPress(0, '5');
    dictionary::DIPX_S = std::string(1000, ' ');
    f.TABBED1->setCurrentIndex(1);
    f.TABBED1_Click(1);
    EXPECT_EQ(SCAMBIO_S[27], SCAMBIO_S[40].substr(31, 31));
    EXPECT_EQ(SCAMBIO_I[5], 0);  // file 106 was not open before the switch
    EXPECT_TRUE(archive::CANALE[106] != 0 && archive::CANALE[8] != 0);
    EXPECT_EQ(dictionary::RepoRN(dictionary::P175), 7);  // the worker read again
    EXPECT_EQ(el(MENU2::PAGINA) * 10 + el(MENU2::MODIFICATO), 10);
    EXPECT_EQ(supporto::codiceFine([&] { f.Tasto_Uscita_Click(); }), 0);
    EXPECT_EQ(SCAMBIO_S[27], SCAMBIO_S[40].substr(0, 31));
}

}  // namespace
