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

namespace {

// The descriptors the program uses besides the kept fields, with their constant's name.
#define VOCE(nome)                                  \
    std::pair<std::string_view, std::string_view> { \
#nome, nome                                 \
    }
const std::vector<std::pair<std::string_view, std::string_view>> ALTRI = {
    VOCE(T001), VOCE(T002), VOCE(T261), VOCE(P176), VOCE(T038), VOCE(T039), VOCE(T040), VOCE(T041),
    VOCE(T042), VOCE(T043), VOCE(T067), VOCE(TA47), VOCE(TA48), VOCE(TA49), VOCE(TA50), VOCE(TA51),
    VOCE(TA52), VOCE(P050), VOCE(P175), VOCE(S002), VOCE(S004), VOCE(S005), VOCE(S006), VOCE(S007),
    VOCE(S204), VOCE(P054), VOCE(P017), VOCE(P168), VOCE(P001),
};
#undef VOCE

// Fixed-position format: a malformed constant would be read at the wrong place silently.
void controllaForma(std::string_view d) {
    SCOPED_TRACE(std::string(d));
    ASSERT_EQ(d.size(), 23u);
    EXPECT_NE(bufferPerNome(d.substr(0, 5)), nullptr);
    for (size_t virgola : {5u, 11u, 14u, 16u, 18u})
        EXPECT_EQ(d[virgola], ',');
    for (size_t i : {6u, 7u, 8u, 9u, 10u, 12u, 13u})
        EXPECT_TRUE(d[i] >= '0' && d[i] <= '9');
    EXPECT_NE(std::string_view("ANDO23456").find(d[15]), std::string_view::npos);
    EXPECT_TRUE(d[17] == '0' || d[17] == '1');
}

}  // namespace

TEST(Descrittori, FormaENomi) {
    for (const auto& [nome, testo] : ALTRI) {
        controllaForma(testo);
        EXPECT_EQ(testo.substr(19), nome) << "constant named after another field";
    }
    for (std::string_view d : CAMPI_CONSERVATI)
        controllaForma(d);
    EXPECT_EQ(std::string_view(P054), "DIPX$,00223,01,N,0,P054");
    EXPECT_EQ(std::string_view(S204), "SETX$,00001,02,N,1,S204");
}

// The re-hire copies these fields into a blank record: a duplicate or an overlap would
// copy a field twice or let one clobber another.
TEST(Descrittori, CampiConservati) {
    std::set<std::string_view> nomi;
    std::map<char, int> perTipo;
    std::vector<std::pair<int, int>> intervalli;
    for (std::string_view d : CAMPI_CONSERVATI) {
        EXPECT_EQ(d.substr(0, 5), "DIPX$");
        nomi.insert(d.substr(19));
        ++perTipo[d[15]];
        const int p = static_cast<int>(runtime::VAL(d.substr(6, 5)));
        intervalli.emplace_back(p, p + static_cast<int>(runtime::VAL(d.substr(12, 2))) - 1);
    }
    EXPECT_EQ(nomi.size(), 156u);
    EXPECT_EQ(perTipo, (std::map<char, int>{{'2', 64}, {'N', 63}, {'A', 15}, {'5', 9}, {'D', 5}}));
    std::sort(intervalli.begin(), intervalli.end());
    for (size_t i = 1; i < intervalli.size(); ++i)
        EXPECT_LT(intervalli[i - 1].second, intervalli[i].first)
            << "overlap at " << intervalli[i].first;
    for (std::string_view chiave : {"P001", "P054", "P017", "P168", "Q228"})
        EXPECT_TRUE(nomi.count(chiave)) << chiave;
    EXPECT_EQ(CAMPI_CONSERVATI.front(), std::string_view(P001));
    EXPECT_EQ(CAMPI_CONSERVATI.back(), std::string_view(Q228));
}

TEST(Buffer, NomiEAzzeramento) {
    std::set<std::string*> distinti;
    for (int i = 0; i < NUMERO_BUFFER; ++i) {
        std::string* b = bufferPerNome(nomeBuffer(i));
        ASSERT_NE(b, nullptr) << nomeBuffer(i);
        distinti.insert(b);
        *b = "dati";
    }
    EXPECT_EQ(distinti.size(), 24u);
    EXPECT_EQ(nomeBuffer(0), "DITX$");
    EXPECT_EQ(nomeBuffer(23), "SCRU$");
    EXPECT_EQ(bufferPerNome("DIPX$"), &DIPX_S);
    EXPECT_EQ(bufferPerNome("M77X$"), &M77X_S);
    EXPECT_EQ(bufferPerNome("dipx$"), nullptr);
    EXPECT_EQ(bufferPerNome("DIPX"), nullptr);
    azzeraBuffer();
    for (int i = 0; i < NUMERO_BUFFER; ++i)
        EXPECT_TRUE(bufferPerNome(nomeBuffer(i))->empty());
}
