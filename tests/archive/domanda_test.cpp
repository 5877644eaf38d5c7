#include "archive/domanda.h"

#include <string>
#include <vector>

#include "support/prova_base.h"

namespace {

using platform::Pulsanti;
using platform::Risposta;

class Domanda : public supporto::ProvaBase {};

TEST_F(Domanda, StarsSplitLinesAndTheBoxDefaultsToNo) {
    EXPECT_EQ(archive::DOMANDA("SI DESIDERA MEMORIZZARE LE VARIAZIONI APPORTATE*ED ACCETTARE GLI "
                               "AZZERAMENTI COME NUOVO ASSUNTO ?",
                               0),
              "N");
    ASSERT_EQ(ui().messaggi.size(), 1u);
    const auto& m = ui().messaggi[0];
    EXPECT_EQ(
        m.testo,
        "SI DESIDERA MEMORIZZARE LE VARIAZIONI APPORTATE\r\nED ACCETTARE GLI AZZERAMENTI COME "
        "NUOVO ASSUNTO ?");
    EXPECT_EQ(m.pulsanti, Pulsanti::SiNo);
    EXPECT_EQ(m.predefinito, 2);

    ui().rispondi({Risposta::Si});
    EXPECT_EQ(archive::DOMANDA("UNA RIGA ?", 1), "S");
    EXPECT_EQ(ui().ultimoTesto(), "UNA RIGA ?");

    // Ten stars end ten lines; the eleventh and later stay as characters.
    archive::DOMANDA("1*2*3*4*5*6*7*8*9*10*11*12*", 0);
    EXPECT_EQ(ui().ultimoTesto(), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11*12*");
}

TEST(ControllaData, CalendarRulesPaddingAndNonDigits) {
    struct Caso {
        std::string data;
        double esito;
        std::string dopo;  // the caller's text afterwards
    };
    // clang-format off
    const std::vector<Caso> casi = {
        {"29022000", 0, "29022000"}, {"29021900", 1, "29021900"}, {"29022024", 0, "29022024"},
        {"31042024", 1, "31042024"}, {"32012024", 1, "32012024"}, {"01132024", 1, "01132024"},
        {"00012024", 1, "00012024"}, {"123456789", 1, "123456789"},
        // No date: zeros, empty, blanks; the text is left as it was.
        {"00000000", 2, "00000000"}, {"", 2, ""}, {"        ", 2, "        "},
        // A short date is padded in place, also when it is then refused.
        {"1052024", 0, "01052024"}, {"1-52024", 1, "01-52024"},
        // Signs, letters, exponents and inner blanks are not dates (they would be stored as typed).
        {"abcdefgh", 1, "abcdefgh"}, {"0105202x", 1, "0105202x"}, {"-1052024", 1, "-1052024"},
        {"+1052024", 1, "+1052024"}, {"01029E99", 1, "01029E99"}, {"010.2024", 1, "010.2024"},
        {"1 052024", 1, "1 052024"},
    };
    // clang-format on
    for (Caso c : casi) {
        std::string d = c.data;
        EXPECT_EQ(archive::CONTROLLADATA(d), c.esito) << c.data;
        EXPECT_EQ(d, c.dopo) << c.data;
    }
}

}  // namespace
