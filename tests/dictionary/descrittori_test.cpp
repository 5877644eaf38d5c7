#include "dictionary/descrittori.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/buffers.h"
#include "runtime/numeri.h"

using namespace dictionary;

// Every constant is read by fixed character positions, so a malformed one would silently
// address the wrong characters; each also carries its own name as short name.
TEST(Descrittori, FormaENomi) {
    // clang-format off
#define VOCE(nome) std::pair<std::string_view, std::string_view>{#nome, nome}
    const std::vector<std::pair<std::string_view, std::string_view>> usati = {
        VOCE(T001), VOCE(T002), VOCE(T261), VOCE(P176), VOCE(T038), VOCE(T039), VOCE(T040),
        VOCE(T041), VOCE(T042), VOCE(T043), VOCE(T067), VOCE(TA47), VOCE(TA48), VOCE(TA49),
        VOCE(TA50), VOCE(TA51), VOCE(TA52), VOCE(P050), VOCE(P175), VOCE(S002), VOCE(S004),
        VOCE(S005), VOCE(S006), VOCE(S007), VOCE(S204), VOCE(P054), VOCE(P017), VOCE(P168)};
#undef VOCE
    // clang-format on
    std::vector<std::string_view> tutti(CAMPI_CONSERVATI.begin(), CAMPI_CONSERVATI.end());
    for (const auto& [nome, testo] : usati) {
        EXPECT_EQ(testo.substr(19), nome);
        tutti.push_back(testo);
    }
    for (std::string_view d : tutti) {
        SCOPED_TRACE(std::string(d));
        ASSERT_EQ(d.size(), 23u);
        EXPECT_NE(bufferPerNome(d.substr(0, 5)), nullptr);
        for (size_t i = 5; i < 19; ++i) {
            const bool virgola = i == 5 || i == 11 || i == 14 || i == 16 || i == 18;
            if (virgola) {
                EXPECT_EQ(d[i], ',');
            } else if (i != 15) {
                EXPECT_TRUE(d[i] >= '0' && d[i] <= '9');
            }
        }
        EXPECT_NE(std::string_view("ANDO23456").find(d[15]), std::string_view::npos);
    }
    EXPECT_EQ(std::string_view(P054), "DIPX$,00223,01,N,0,P054");
}

// The re-hire copies these fields into a blank record: a duplicate or an overlap would
// copy a field twice or let one clobber another.
TEST(Descrittori, CampiConservati) {
    std::set<std::string_view> nomi;
    std::map<char, int> perTipo;
    std::vector<std::pair<double, double>> intervalli;
    for (std::string_view d : CAMPI_CONSERVATI) {
        EXPECT_EQ(d.substr(0, 5), "DIPX$");
        nomi.insert(d.substr(19));
        ++perTipo[d[15]];
        const double p = runtime::VAL(d.substr(6, 5));
        intervalli.emplace_back(p, p + runtime::VAL(d.substr(12, 2)) - 1);
    }
    EXPECT_EQ(nomi.size(), 156u);
    EXPECT_EQ(perTipo, (std::map<char, int>{{'2', 64}, {'N', 63}, {'A', 15}, {'5', 9}, {'D', 5}}));
    std::sort(intervalli.begin(), intervalli.end());
    for (size_t i = 1; i < intervalli.size(); ++i)
        EXPECT_LT(intervalli[i - 1].second, intervalli[i].first);
    EXPECT_EQ(CAMPI_CONSERVATI.front(), std::string_view(P001));
    EXPECT_EQ(CAMPI_CONSERVATI.back(), std::string_view(Q228));
}

TEST(Buffer, NomiEAzzeramento) {
    std::set<std::string*> distinti;
    for (int i = 0; i < NUMERO_BUFFER; ++i) {
        distinti.insert(bufferPerNome(nomeBuffer(i)));
        *bufferPerNome(nomeBuffer(i)) = "dati";
    }
    distinti.erase(nullptr);
    EXPECT_EQ(distinti.size(), 24u);
    EXPECT_EQ(bufferPerNome("DIPX$"), &DIPX_S);
    EXPECT_EQ(bufferPerNome("SCRU$"), &SCRU_S);
    EXPECT_EQ(bufferPerNome("dipx$"), nullptr);
    azzeraBuffer();
    for (int i = 0; i < NUMERO_BUFFER; ++i)
        EXPECT_TRUE(bufferPerNome(nomeBuffer(i))->empty());
}
