// The data-entry table: the stored form of each type, the date check, code rows of file 8
// in the three modes, and what a refused or impossible store leaves behind.

#include <tuple>

#include "menu2_prova.h"

namespace {

using namespace prova_menu2;

class ValoriMenu2 : public ProvaMenu2 {
  protected:
    // File 8: record 1 a formula and a sector, 2 marked "99", 50 the free formula.
    static void scriviSettori() {
        tools::scriviRecord(8, 1, n("01   12345678901234567890", 384) + "SETTORE SPETTACO");
        tools::scriviRecord(8, 2, "99");
        tools::scriviRecord(8, 50, "01   CINQUANTA");
        archive::CHIUDIFILE(8);
    }
    static tools::RigaDefinizione codice(long posizione, int lunghezza = 3,
                                         const std::string& nome = "F001") {
        auto r = campo("CODICE", lunghezza, 'N', posizione, nome);
        r.tipoSpeciale = 15;
        return r;
    }
};

TEST_F(ValoriMenu2, EachTypeIsStoredInItsOwnFormAndReadsBackTheSame) {
    auto& f = apri({testata("TIPI"), campo("TESTO", 5, 'A', 1), campo("INTERO", 4, 'N', 6),
                    campo("IMPORTO", 8, '2', 10)});
    for (const char* testo : {"AB", "42", "12.5"})
        conferma(testo);
    EXPECT_EQ(lavoro(1, 17), "AB   004200001250");
    conferma(3, "4.35");  // 434.99999... in binary: stored as 435
    EXPECT_EQ(lavoro(10, 8), "00000435");
    SCAMBIO_S[1].replace(9, 8, "-0654321");
    f.CARICA(1);
    vaiA(3);  // confirmed as shown
    f.scambio[MENU2::MODIFICATO] = f.scambio[MENU2::BATTITURA] = 1;
    f.Command1_Click();
    EXPECT_EQ(lavoro(10, 8) + std::to_string(messaggi()), "-06543210");
}

TEST_F(ValoriMenu2, DatesAreCheckedBeforeTheyAreStored) {
    auto& f = apri({testata("DATE"), campo("DATA", 8, 'D', 1), campo("GIORNO", 4, 'D', 9),
                    campo("BREVE", 6, 'D', 13)});
    const std::string prima = SCAMBIO_S[1];
    conferma("31022003");
    EXPECT_EQ(SCAMBIO_S[1], prima);  // the row stays, with the typed text:
    EXPECT_EQ(ultimo() + "|" + editor(), "LA DATA 31/02/2003 NON E' CORRETTA |31/02/2003");
    tasto(GIU);  // swallowed after the message
    EXPECT_EQ(el(MENU2::RIGA) * 10 + el(MENU2::ERRORE_VISTO), 10);

    // Day and month only take the year of file 6, or 2000 without its record 1 (row 0 writes
    // it); two-digit years are of this century (2000 was a leap year); zeros are no date.
    const std::tuple<int, std::string, std::string, std::string> passi[] = {
        {1, "29022004", "29022004", ""}, {1, "00000000", "00000000", ""}, {2, "2902", "2902", ""},
        {2, "3104", "2902", "LA DATA 31/04 NON E' CORRETTA "}, {0, "", "", ""},
        {2, "2802", "2802", ""}, {2, "2902", "2802", "LA DATA 29/02 NON E' CORRETTA "},
        {2, "0000", "0000", ""}, {3, "290201", "000000", "LA DATA 29/02/01 NON E' CORRETTA "},
        {3, "290200", "290200", ""}, {3, "050307", "050307", ""}};
    const size_t inizio[] = {0, 1, 9, 13}, lunghezza[] = {0, 8, 4, 6};
    for (const auto& [riga, battuto, memorizzato, rifiuto] : passi) {
        if (riga == 0) {
            tools::scriviRecord(6, 1, "XXXX2003");
            archive::CHIUDIFILE(6);
            continue;
        }
        const size_t prima = messaggi();
        conferma(riga, battuto);
        EXPECT_EQ(
            lavoro(inizio[riga], lunghezza[riga]) + "|" + (messaggi() > prima ? ultimo() : ""),
            memorizzato + "|" + rifiuto)
            << battuto;
        EXPECT_LE(messaggi(), prima + 1);
    }
    EXPECT_EQ(archive::CANALE[6], 0);  // opened for the check only
    f.CARICA(1);
    EXPECT_EQ(f.VALORE[3], "05/03/07");
}

TEST_F(ValoriMenu2, FormulaCodesMustExistInFile8AndZeroClearsTheWorkerOnly) {
    scriviSettori();
    SCAMBIO_S[1].replace(50, 6, "000001");
    dictionary::DIPX_S.replace(53, 3, "999");
    auto zero = codice(54);
    zero.speciale = '7';  // the special rules would refuse "0" as a fiscal code
    auto& f = apri({testata("FORMULE"), codice(51), zero});
    for (const char* c : {"60", "2"}) {  // missing, marked 99
        conferma(c);
        EXPECT_EQ(ultimo(), "FORMULA N. " + std::string(c) + " NON TROVATA");
    }
    EXPECT_EQ(lavoro(51, 3) + std::to_string(el(MENU2::RIGA)), "0001");
    conferma("1");
    EXPECT_EQ(lavoro(51, 3), "001");
    EXPECT_EQ(f.DESCR[1] + std::to_string(f.H6[0]->isHidden()), "   23.45678.90123.4560");
    conferma("0");  // row 2
    EXPECT_EQ(dip(54, 3) + lavoro(54, 3) + f.VALORE[2], "0000011  ");
    EXPECT_EQ(messaggi(), 2u);  // no special rule ran
}

TEST_F(ValoriMenu2, SectorCodesInSectorMode) {
    scriviSettori();
    SCAMBIO_S[39] = "D";
    auto& f = apri({testata("SETTORI"), codice(60, 5, "T067")});
    conferma("70");
    EXPECT_EQ(ultimo() + std::to_string(ui().beep_contati), "SETTORE N. 70 NON TROVATO1");
    conferma("1");
    EXPECT_EQ(lavoro(60, 5) + f.DESCR[1], "00001   SETTORE SPETTACO");
    dictionary::DIPX_S.replace(59, 5, "ZZZZZ");
    conferma(1, "0");  // an ordinary store in this mode
    EXPECT_EQ(lavoro(60, 5) + dip(60, 5) + std::to_string(messaggi()), "00000ZZZZZ1");
}

TEST_F(ValoriMenu2, FormulaListModeKeepsTheListWithoutGaps) {
    scriviSettori();
    SCAMBIO_S[39] = "T";
    SCAMBIO_S[1].replace(50, 12, "001000000001");
    auto& f = apri({testata("ELENCO"), codice(51), codice(54), codice(57)});
    conferma(3, "1");  // after an empty slot
    EXPECT_EQ(ultimo() + lavoro(57, 3), "OPERAZIONE NON CONSENTITA...000");
    conferma("50");  // the one formula allowed there
    EXPECT_EQ(lavoro(57, 3), "050");
    conferma(1, "0");
    EXPECT_EQ(dip(51, 3) + lavoro(51, 60), "000001050001" + std::string(51, '0'));
    EXPECT_EQ(f.VALORE[2] + std::to_string(messaggi()), "50 1");  // the list as it is now
}

TEST_F(ValoriMenu2, AStoreBeyondTheWorkingRecordEndsTheRunBeforeAnyDerivedValue) {
    SCAMBIO_S[1] = "00000";
    dictionary::DIPX_S.replace(29, 6, "XXXXXX");
    std::vector<tools::RigaDefinizione> d = {testata("CORTO"), campo("CODICE FISCALE", 16, 'A', 10),
                                             campo("NASCITA", 6, 'D', 30)};
    d[1].speciale = '7', d[2].speciale = '2';
    apri(d);
    EXPECT_EQ(supporto::codiceFine([&] { conferma(" "); }), 1);
    EXPECT_EQ(ui().primoTesto().rfind("Errore 5 ", 0), 0u);
    EXPECT_EQ(dip(30, 6) + SCAMBIO_S[1], "XXXXXX00000");
}

}  // namespace
