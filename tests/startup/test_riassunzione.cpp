// The re-hire rules on the worker record buffer alone.

#include <gtest/gtest.h>

#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "dictionary/scrittura.h"
#include "startup/riassunzione.h"
#include "support/prova_base.h"

namespace {

class Riassunzione : public supporto::ProvaBase {
  protected:
    bool provaIdoneo(const std::string& cessato, const std::string& enpals) {
        dictionary::DIPX_S = std::string(16128, ' ');
        dictionary::RepoW(dictionary::P054, cessato);
        dictionary::RepoW(dictionary::P168, enpals);
        const std::string prima = dictionary::DIPX_S;
        const bool esito = startup::dipendenteIdoneo();
        EXPECT_EQ(dictionary::DIPX_S, prima);  // the test reads only
        return esito;
    }
};

TEST_F(Riassunzione, IdoneitaEMessaggi) {
    EXPECT_FALSE(provaIdoneo("0", "5"));
    EXPECT_EQ(ui().ultimoTesto(), startup::MSG_NON_CESSATO);
    for (const char* enpals : {"0", "1"})
        for (const char* cessato : {"1", "2"}) {
            EXPECT_FALSE(provaIdoneo(cessato, enpals));
            EXPECT_EQ(ui().ultimoTesto(), startup::MSG_NON_ENPALS);
        }
    ui().messaggi.clear();
    for (const char* enpals : {"2", "3", "9"})
        EXPECT_TRUE(provaIdoneo("1", enpals));
    EXPECT_TRUE(provaIdoneo("2", "2"));
    EXPECT_TRUE(ui().messaggi.empty());
}

TEST_F(Riassunzione, AzzeramentiDellaCessazione) {
    dictionary::DIPX_S = std::string(16128, 'X');
    dictionary::RepoW(dictionary::P054, "2");
    dictionary::RepoW(dictionary::P017, "31052024");
    startup::azzeraCessazione();
    EXPECT_EQ(dictionary::RepoR(dictionary::P054), "0");
    EXPECT_EQ(dictionary::RepoR(dictionary::P017), "00000000");
    EXPECT_EQ(dictionary::DIPX_S.size(), 16128u);
    EXPECT_EQ(dictionary::DIPX_S.find_first_not_of('X'), 222u);
}

}  // namespace
