#include "archive/domanda.h"

#include <string>

#include "support/prova_base.h"

namespace {

using platform::Icona;
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
    EXPECT_EQ(m.icona, Icona::Domanda);
    EXPECT_EQ(m.predefinito, 2);
    EXPECT_EQ(m.titolo, "Ponteval");

    ui().rispondi({Risposta::Si});
    EXPECT_EQ(archive::DOMANDA("UNA RIGA ?", 1), "S");
    EXPECT_EQ(ui().ultimoTesto(), "UNA RIGA ?");

    // Ten stars end ten lines; the eleventh and later stay as characters.
    archive::DOMANDA("1*2*3*4*5*6*7*8*9*10*11*12*", 0);
    EXPECT_EQ(ui().ultimoTesto(), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11*12*");
}

TEST(ControllaData, CalendarRules) {
    auto esito = [](std::string d) { return archive::CONTROLLADATA(d); };
    EXPECT_EQ(esito("29022000"), 0);
    EXPECT_EQ(esito("29021900"), 1);
    EXPECT_EQ(esito("29022024"), 0);
    EXPECT_EQ(esito("31042024"), 1);
    EXPECT_EQ(esito("32012024"), 1);
    EXPECT_EQ(esito("01132024"), 1);
    EXPECT_EQ(esito("00012024"), 1);
    EXPECT_EQ(esito("010.2024"), 1);
    EXPECT_EQ(esito("123456789"), 1);

    EXPECT_TRUE(archive::BISESTILE(2000));
    EXPECT_FALSE(archive::BISESTILE(1900));
}

TEST(ControllaData, NoDatePaddingAndNonDigits) {
    std::string d = "00000000";
    EXPECT_EQ(archive::CONTROLLADATA(d), 2);
    d = "";
    EXPECT_EQ(archive::CONTROLLADATA(d), 2);
    d = "        ";
    EXPECT_EQ(archive::CONTROLLADATA(d), 2);
    EXPECT_EQ(d, "        ");

    d = "1052024";
    EXPECT_EQ(archive::CONTROLLADATA(d), 0);
    EXPECT_EQ(d, "01052024");

    // Signs, letters, exponents and inner blanks are not dates (they would be stored as typed).
    for (std::string s : {"abcdefgh", "-1052024", "+1052024", "01029E99", "0105202x", "1 052024"}) {
        EXPECT_EQ(archive::CONTROLLADATA(s), 1) << s;
    }
    d = "1-52024";
    EXPECT_EQ(archive::CONTROLLADATA(d), 1);
    EXPECT_EQ(d, "01-52024");
}

}  // namespace
