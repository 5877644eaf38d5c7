#include "dictionary/descrittori.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/buffers.h"
#include "runtime/numeri.h"

using namespace dictionary;

// The re-hire copies these fields into a blank record by fixed character positions: a malformed
// descriptor would address the wrong characters, a duplicate or an overlap would copy a field
// twice or let one clobber another.
TEST(Descrittori, CampiConservatiBenFormatiESenzaSovrapposizioni) {
    std::set<std::string_view> nomi;
    std::vector<std::pair<double, double>> intervalli;
    for (std::string_view d : CAMPI_CONSERVATI) {
        SCOPED_TRACE(std::string(d));
        ASSERT_EQ(d.size(), 23u);
        EXPECT_EQ(d.substr(0, 5), "DIPX$");
        for (size_t i : {5, 11, 14, 16, 18})
            EXPECT_EQ(d[i], ',');
        EXPECT_NE(std::string_view("ANDO23456").find(d[15]), std::string_view::npos);
        nomi.insert(d.substr(19));
        const double p = runtime::VAL(d.substr(6, 5));
        intervalli.emplace_back(p, p + runtime::VAL(d.substr(12, 2)) - 1);
    }
    EXPECT_EQ(nomi.size(), CAMPI_CONSERVATI.size());
    std::sort(intervalli.begin(), intervalli.end());
    for (size_t i = 1; i < intervalli.size(); ++i)
        EXPECT_LT(intervalli[i - 1].second, intervalli[i].first);
}

TEST(Buffer, NomiDistintiEAzzeramento) {
    std::set<std::string*> distinti;
    for (int i = 0; i < NUMERO_BUFFER; ++i) {
        distinti.insert(bufferPerNome(nomeBuffer(i)));
        *bufferPerNome(nomeBuffer(i)) = "dati";
    }
    EXPECT_EQ(distinti.size(), 24u);
    EXPECT_EQ(nomeBuffer(NUMERO_BUFFER), "");
    azzeraBuffer();
    for (int i = 0; i < NUMERO_BUFFER; ++i)
        EXPECT_TRUE(bufferPerNome(nomeBuffer(i))->empty());
}
