// The data-entry table: value formatting, too many rows or pages, and closing.

#include <cstring>

#include "archive/semaforo.h"
#include "dictionary/lettura.h"
#include "menu2_prova.h"

namespace {

using namespace prova_menu2;
using runtime::LEFT;
using runtime::SPACE;

TEST_F(ProvaMenu2, FormatsEveryTypeForDisplay) {
    MENU2 f;
    // "9E+42" in the five position characters (once found by fuzzing) is far beyond any record
    // and beyond a long: the value shows as from an empty record.
    const struct {
        const char* registrato;  // the working record from position 1
        int lunghezza;
        char tipo;
        const char *posizione, *vista;
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

TEST_F(ProvaMenu2, TooManyRowsOrPagesEndInTheErrorReport) {
    for (const auto& troppe : {std::pair{1, 21}, std::pair{51, 0}}) {
        ui().messaggi.clear();
        EXPECT_EQ(supporto::codiceFine([&] { apri(pagineUniformi(troppe.first, troppe.second)); }),
                  1);
        EXPECT_EQ(ui().messaggi.front().testo.rfind("Errore 9 ", 0), 0u);
    }
    EXPECT_EQ(supporto::codiceFine([&] { apri(pagineUniformi(50, 18)); }), -1);
    EXPECT_EQ(el(MENU2::PAGINE) * 100 + el(MENU2::RIGHE), 5018);
}

TEST_F(ProvaMenu2, LeavingTheWindowCopiesTheStateBackAndEndsTheRunWritingTheTaskFile) {
    archivio->scriviTask("05 PRIMA");
    archive::CODICETASK = "05";
    windows::SCAMBIO_I[29] = 2;
    windows::SCAMBIO_I[38] = 7;
    windows::SCAMBIO_D[40] = 12.5;
    auto& f = apri(pagineUniformi(2, 3));
    f.Tasto_calcolo_Click();
    f.scambio[44] = 17;
    EXPECT_EQ(supporto::codiceFine([&] { f.Tasto_Uscita_Click(); }), 0);
    EXPECT_EQ(
        (std::vector<int>{windows::ESITO_I[25], windows::SCAMBIO_I[44], windows::SCAMBIO_I[29]}),
        (std::vector<int>{1, 17, 1}));
    EXPECT_EQ(windows::SCAMBIO_D[40], 12.5);
    EXPECT_EQ(archivio->leggi("C:\\VXSTASK\\VXSTASK.INI").substr(0, 3), "05 ");
    EXPECT_EQ(archive::CANALE[216] + archive::CANALE[160], 0);
}

}  // namespace
