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

// The re-hire copies these fields by fixed positions: a malformed descriptor, a duplicate or an
// overlap would copy the wrong characters or let one field clobber another.
TEST(Descrittori, CampiConservatiBenFormatiESenzaSovrapposizioni) {
    std::set<std::string_view> nomi;
    std::vector<std::pair<double, double>> intervalli;
    for (std::string_view d : CAMPI_CONSERVATI) {
        ASSERT_EQ(d.size(), 23u) << d;
        EXPECT_EQ(d.substr(0, 5), "DIPX$") << d;
        EXPECT_NE(std::string_view("ANDO23456").find(d[15]), std::string_view::npos) << d;
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
    for (int i = 0; i < NUMERO_BUFFER; ++i)
        *(*distinti.insert(bufferPerNome(nomeBuffer(i))).first) = "dati";
    EXPECT_EQ(distinti.size(), static_cast<size_t>(NUMERO_BUFFER));
    EXPECT_EQ(nomeBuffer(NUMERO_BUFFER), "");
    EXPECT_EQ(nomeBuffer(-1), "");
    azzeraBuffer();
    for (std::string* b : distinti)
        EXPECT_TRUE(b->empty());
}
