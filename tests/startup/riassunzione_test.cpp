// The re-hire eligibility rules on the worker record buffer alone; what a re-hire clears is
// checked on the rewritten record by the whole-run tests.

#include <gtest/gtest.h>

#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
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

}  // namespace
