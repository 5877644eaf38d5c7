#include "dictionary/spostamento.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "prova_dizionario.h"
#include "runtime/errore.h"

using dictionary::SPOSTAMENTO;

namespace {

std::string descrittore(const char* buffer, int posizione, const char* nome = "Z001") {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%s,%05d,02,2,0,%s", buffer, posizione, nome);
    return testo;
}

// Displacement of occurrence 3 (two strides) of a field at `posizione`.
int due(const char* buffer, int posizione) {
    return SPOSTAMENTO(descrittore(buffer, posizione), 3);
}

}  // namespace

class Spostamento : public ProvaDizionario {};

TEST_F(Spostamento, GruppiAiLimiti) {
    EXPECT_EQ(due("DICX$", 100), 0);
    EXPECT_EQ(due("DICX$", 101), 20);
    EXPECT_EQ(due("DICX$", 7430), 20);
    EXPECT_EQ(due("CONX$", 100), 0);
    EXPECT_EQ(due("CONX$", 101), 580);
    EXPECT_EQ(due("CONX$", 390), 580);
    EXPECT_EQ(due("CONX$", 391), 0);
    for (int p : {255, 511, 3315, 3571})
        EXPECT_EQ(due("M77X$", p), 0) << p;
    for (int p : {256, 510, 3316, 3570})
        EXPECT_EQ(due("M77X$", p), 510) << p;
    // Buffers without groups never move, however large the occurrence.
    EXPECT_EQ(SPOSTAMENTO("DIPX$,00223,01,N,0,P054", 32767), 0);
    EXPECT_EQ(SPOSTAMENTO("SCRU$,00101,02,N,0,U001", -32768), 0);
}

TEST_F(Spostamento, RigheF24) {
    struct Riga {
        int da, a, passo;
    };
    std::vector<Riga> righe = {{42, 66, 36}, {762, 813, 63}};
    for (int j = 0; j <= 20; ++j)
        righe.push_back({1077 + 152 * j, 1100 + 152 * j, 35});
    righe.insert(righe.end(), {{4359, 4398, 51}, {4824, 4867, 55}, {5000, 5000, 4}});
    for (int j = 0; j <= 20; ++j)
        righe.push_back({5094 + 16 * j, 5094 + 16 * j, 4});
    righe.push_back({5483, 5483, 2});

    for (const Riga& r : righe) {
        EXPECT_EQ(due("F24X$", r.da), 2 * r.passo) << r.da;
        EXPECT_EQ(due("F24X$", r.a), 2 * r.passo) << r.a;
        EXPECT_EQ(due("F24X$", r.da - 1), 0) << r.da - 1;
        EXPECT_EQ(due("F24X$", r.a + 1), 0) << r.a + 1;
    }
    EXPECT_EQ(due("F24X$", 5094 + 16 * 21), 0);
    EXPECT_EQ(due("F24X$", 1077 + 152 * 21), 0);

    const std::string campo = descrittore("F24X$", 1229);
    EXPECT_EQ(1229 + SPOSTAMENTO(campo, 3), 1299);
    EXPECT_EQ(SPOSTAMENTO(campo, 1), 0);
    EXPECT_EQ(SPOSTAMENTO(campo, 0), 0);
    EXPECT_EQ(SPOSTAMENTO(campo, -1), -70);
}

TEST_F(Spostamento, DI2XDalNomeBreve) {
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "I079"), 5), 0);
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "I099"), 5), 0);
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "I100"), 2), 714);
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "I101"), 3), 1428);
    // The position plays no part for DI2X$.
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 6900, "I101"), 2), 714);
    EXPECT_TRUE(ui().messaggi.empty());

    // No short-name letter: a message and the first occurrence.
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "X101"), 3), 0);
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].testo, "ERRORE REPOSITORY - LETTERA SCONOSCIUTA");
    EXPECT_EQ(ui().messaggi[0].pulsanti, platform::Pulsanti::OK);
    EXPECT_EQ(ui().messaggi[0].icona, platform::Icona::Nessuna);
    // Occurrence 0 never looks at the name.
    EXPECT_EQ(SPOSTAMENTO(descrittore("DI2X$", 10, "X101"), 0), 0);
    EXPECT_EQ(ui().messaggi.size(), 1u);
}

TEST_F(Spostamento, OverflowSediciBit) {
    const std::string campo = descrittore("F24X$", 42);
    EXPECT_EQ(SPOSTAMENTO(campo, 911), 910 * 36);  // 32760, the last that fits
    for (int16_t occorrenza : {int16_t{912}, int16_t{32767}, int16_t{-32768}}) {
        try {
            SPOSTAMENTO(campo, occorrenza);
            ADD_FAILURE() << occorrenza;
        } catch (const runtime::ErroreRuntime& e) {
            EXPECT_EQ(e.numero(), 6);
        }
    }
}
