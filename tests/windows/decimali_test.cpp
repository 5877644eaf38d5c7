// The data-entry table: a decimal retyped after Backspace lands where the blanked one stood,
// for every type with decimals.

#include "menu2_prova.h"

namespace {

using namespace prova_menu2;
using windows::SCAMBIO_S;

class DecimaliMenu2 : public ProvaMenu2 {};

TEST_F(DecimaliMenu2, ADigitTypedAfterBackspaceOvertypesTheBlankedDecimal) {
    struct Caso {
        const char* nome;
        int cursore;  // -1: after the last decimal of the stored value
        std::string tasti;
        std::string atteso;  // the stored digits without the leading zeros of the whole part
    };
    for (int d = 1; d <= 9; ++d) {
        const std::string zeri(static_cast<size_t>(d), '0');
        const std::string tre(static_cast<size_t>(d), '3');
        std::vector<Caso> casi = {
            {"one Backspace", -1, "\b7", "105" + zeri.substr(1) + "7"},
            {"from empty", 0, "12." + tre + "\b9", "12" + tre.substr(1) + "9"},
        };
        if (d >= 2) casi.push_back({"two Backspaces", -1, "\b\b73", "105" + zeri.substr(2) + "73"});
        for (const Caso& c : casi) {
            SCOPED_TRACE(std::string(c.nome) + ", decimals " + std::to_string(d));
            const int l = d + 4;
            SCAMBIO_S[1].replace(0, static_cast<size_t>(l), "0105" + zeri);
            auto& f =
                apri({testata("DECIMALI"), campo("IMPORTO", l, static_cast<char>('0' + d), 1)});
            ASSERT_EQ(f.VALORE[1].substr(0, 4 + static_cast<size_t>(d)), "105." + zeri);
            f.cx->setCursorPosition(c.cursore < 0 ? 4 + d : c.cursore);
            digita(c.tasti);
            EXPECT_EQ(ui().beep_contati, 0);
            f.Command1_Click();
            const std::string atteso =
                std::string(static_cast<size_t>(l) - c.atteso.size(), '0') + c.atteso;
            EXPECT_EQ(lavoro(1, static_cast<size_t>(l)), atteso);
            finestra.reset();
            ui().beep_contati = 0;
        }
    }
}

}  // namespace
