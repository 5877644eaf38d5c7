#include "dictionary/spostamento.h"

#include "support/prova_base.h"

using dictionary::SPOSTAMENTO;

namespace {
std::string descrittore(const char* buffer, int posizione, const char* nome = "Z001") {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%s,%05d,02,2,0,%s", buffer, posizione, nome);
    return testo;
}
}  // namespace

class Spostamento : public supporto::ProvaBase {};

// Every group at both ends and just outside them: occurrence 3 is two strides away.
TEST_F(Spostamento, GruppiAiLimiti) {
    struct Gruppo { const char* buffer; int da, a, passo; };
    std::vector<Gruppo> gruppi = {{"DICX$", 101, 7430, 10}, {"CONX$", 101, 390, 290}, {"M77X$", 256, 510, 255},
        {"M77X$", 3316, 3570, 255}, {"F24X$", 42, 66, 36}, {"F24X$", 762, 813, 63}, {"F24X$", 4359, 4398, 51},
        {"F24X$", 4824, 4867, 55}, {"F24X$", 5000, 5000, 4}, {"F24X$", 5483, 5483, 2}};
    for (int j = 0; j <= 20; ++j) {
        gruppi.push_back({"F24X$", 1077 + 152 * j, 1100 + 152 * j, 35});
        gruppi.push_back({"F24X$", 5094 + 16 * j, 5094 + 16 * j, 4});
    }
    for (const auto& g : gruppi) {
        SCOPED_TRACE(std::string(g.buffer) + " " + std::to_string(g.da));
        EXPECT_EQ(SPOSTAMENTO(descrittore(g.buffer, g.da), 3), 2 * g.passo);
        EXPECT_EQ(SPOSTAMENTO(descrittore(g.buffer, g.a), 3), 2 * g.passo);
        EXPECT_EQ(SPOSTAMENTO(descrittore(g.buffer, g.da - 1), 3), 0);
        if (g.a != 7430) { EXPECT_EQ(SPOSTAMENTO(descrittore(g.buffer, g.a + 1), 3), 0); }
    }
    EXPECT_EQ(SPOSTAMENTO(descrittore("F24X$", 5094 + 16 * 21), 3), 0);
    EXPECT_EQ(SPOSTAMENTO(descrittore("F24X$", 1077 + 152 * 21), 3), 0);
    const std::string campo = descrittore("F24X$", 1229);
    EXPECT_EQ(SPOSTAMENTO(campo, 0), 0);
    EXPECT_EQ(SPOSTAMENTO(campo, -1), -70);
    // Buffers without groups never move, however large the occurrence.
    EXPECT_EQ(SPOSTAMENTO("DIPX$,00223,01,N,0,P054", 32767), 0);

    // DI2X$ goes by the short name, not the position; no short-name letter is a message.
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "I099"), 5), 0);
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 6900, "I101"), 3), 1428);
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "X101"), 0), 0);
    EXPECT_TRUE(ui().messaggi.empty());
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "X101"), 3), 0);
    EXPECT_EQ(ui().ultimoTesto(), "ERRORE REPOSITORY - LETTERA SCONOSCIUTA");
}

TEST_F(Spostamento, OverflowSediciBit) {
    const std::string campo = descrittore("F24X$", 42);
    EXPECT_EQ(SPOSTAMENTO(campo, 911), 910 * 36);  // 32760, the last that fits
    for (int16_t occorrenza : {int16_t{912}, int16_t{32767}, int16_t{-32768}})
        EXPECT_EQ(supporto::erroreDi([&] { SPOSTAMENTO(campo, occorrenza); }), 6) << occorrenza;
}
