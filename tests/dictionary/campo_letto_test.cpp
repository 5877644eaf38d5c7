// A descriptor taken apart once reads what RepoR reads, for every kind of field, from random
// records, short ones included (errors and trace entry alike).

#include <gtest/gtest.h>

#include <random>

#include "archive/traccia.h"
#include "dictionary/campo_letto.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "support/prova_base.h"

namespace {

class CampoLetto : public supporto::ProvaBase {};

TEST_F(CampoLetto, LeggeComeRepoR) {
    std::mt19937 rng(5);
    for (const char* d : {dictionary::P001, dictionary::P002, dictionary::T001, dictionary::T261,
                          dictionary::P035, dictionary::P069, dictionary::P240}) {
        const dictionary::CampoLetto campo(d);
        for (int i = 0; i < 200; ++i) {
            std::string r(rng() % 1700, ' ');
            for (char& c : r)
                c = "0123456789- .AZ"[rng() % 15];
            std::string atteso, letto;
            const int e1 = supporto::erroreDi([&] { atteso = dictionary::RepoR(d, 0, r); });
            const auto traccia = archive::TRACCIA_ELENCO;
            archive::azzeraTraccia();
            EXPECT_EQ(supporto::erroreDi([&] { letto = campo.RepoR(r); }), e1) << d;
            EXPECT_EQ(letto, atteso) << d << " " << r.size();
            EXPECT_EQ(archive::TRACCIA_ELENCO, traccia);
            archive::azzeraTraccia();
        }
    }
}

}  // namespace
