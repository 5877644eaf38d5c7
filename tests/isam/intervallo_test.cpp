// The range walk against repeated next calls on random trees (one leaf, leaves under one
// level-2 block, many level-2 blocks) with deleted keys, and the blocks it reads.

#include <random>

#include "indice_prova.h"
#include "platform/guasti.h"

namespace {

using isam::ISAM;
using Lista = std::vector<std::pair<std::string, double>>;  // keys, then CHIAVEISAM_S

class Intervallo : public prova::ProvaIsam {
  protected:
    void TearDown() override {
        platform::fermaViaggi();
        ProvaIsam::TearDown();
    }
    static Lista conNext(std::string k, const std::string& prefisso) {
        Lista l;
        for (double r; (r = ISAM(prova::IDX3, k, isam::ISAM_SUCCESSIVA, 0)) != isam::ISAM_FINE &&
                       isam::CHIAVEISAM_S.starts_with(prefisso);)
            l.emplace_back(k = isam::CHIAVEISAM_S, r);
        l.emplace_back(isam::CHIAVEISAM_S, 0);
        return l;
    }
    static Lista conIntervallo(const std::string& da, const std::string& prefisso, long& foglie) {
        Lista l;
        EXPECT_EQ(isam::scorriIntervallo(prova::IDX3, da, prefisso,
                                         [&](const auto& foglio) {
                                             for (const auto& v : foglio)
                                                 l.emplace_back(v.chiave, v.record);
                                             return ++foglie > 0;
                                         }),
                  0);
        l.emplace_back(isam::CHIAVEISAM_S, 0);
        return l;
    }
};

TEST_F(Intervallo, LeStesseChiaviDelleNextELeggeOgniFogliaUnaVolta) {
    std::mt19937 rng(19);
    // Keys tried, keys per leaf and leaves per level-2 block (from 100 on: exactly that many).
    const std::tuple<int, unsigned, unsigned> forme[] = {
        {60, 127, 127}, {400, 9, 127}, {2400, 127, 4}, {2400, 3, 6}};
    for (const auto& [tentate, foglia, ramo] : forme) {
        std::vector<std::string> chiavi, blocchi(1), radice, figli, voci;
        auto quante = [&](unsigned m) { return m >= 100 ? m : 1 + rng() % m; };
        auto chiudi = [&](std::vector<std::string>& sotto, std::vector<std::string>& sopra,
                          char livello) {
            sopra.push_back(prova::voce(sotto[0].substr(0, 3), livello - 1,
                                        static_cast<long>(blocchi.size()) + 1));
            blocchi.push_back(prova::blocco(3, livello, sotto));
            sotto.clear();
        };
        long foglie = 0;
        size_t perFoglia = quante(foglia), perRamo = quante(ramo);
        for (int n = 0; n < tentate && radice.size() < 120; ++n) {
            if (rng() % 3 == 0) continue;  // absent keys between the present ones
            chiavi.push_back({static_cast<char>('A' + n / 100),
                              static_cast<char>('0' + n / 10 % 10),
                              static_cast<char>('a' + n % 10)});
            voci.push_back(prova::voce(chiavi.back(), '3', n + 1));
            if (voci.size() < perFoglia) continue;
            chiudi(voci, figli, '3'), ++foglie, perFoglia = quante(foglia);
            if (figli.size() == perRamo) chiudi(figli, radice, '2'), perRamo = quante(ramo);
        }
        if (!voci.empty()) chiudi(voci, figli, '3'), ++foglie;
        if (!figli.empty()) chiudi(figli, radice, '2');
        blocchi[0] = prova::blocco(3, '1', radice);
        std::string file;
        for (const auto& b : blocchi)
            file += b;
        scriviByte(prova::IDX3, file);
        archive::FAIOPEN(prova::IDX3);

        // The whole index: every leaf read once, with the root and level-2 block of each step.
        long lette = 0;
        platform::contaViaggi();
        const Lista tutte = conIntervallo("   ", "", lette);
        EXPECT_EQ(platform::viaggiContati(platform::Chiamata::Lettura),
                  3 * foglie + static_cast<long>(radice.size()) + 1);
        platform::fermaViaggi();
        EXPECT_EQ(lette, foglie);
        EXPECT_EQ(tutte, conNext("   ", ""));

        // Deleted keys (emptied leaves are unlinked), walks from keys, absent keys, the ends.
        for (int giro = 0; giro < 3; ++giro) {
            for (size_t d = 0; d < chiavi.size() / 4; ++d)
                ISAM(prova::IDX3, chiavi[rng() % chiavi.size()], isam::ISAM_CANCELLA, 0);
            for (int i = 0; i < 24; ++i) {
                std::string da = i == 2 ? "   " : i == 3 ? "zzz" : chiavi[rng() % chiavi.size()];
                if (i % 4 == 1) ++da[2];
                const std::string prefisso = da.substr(0, static_cast<size_t>(i % 3));
                EXPECT_EQ(conIntervallo(da, prefisso, lette), conNext(da, prefisso)) << da;
            }
        }
        EXPECT_EQ(guasti(prova::IDX3), "");
        archive::CHIUDIFILE(0);
    }
    // An empty index ends at once; a key of the wrong length is refused as next refuses it.
    nuovoIndice(prova::IDX3);
    long lette = 0;
    EXPECT_EQ(conIntervallo("   ", "", lette), (Lista{{std::string(3, '\xFC'), 0}}));
    EXPECT_EQ(isam::scorriIntervallo(prova::IDX3, "AB", "", [](const auto&) { return true; }), -1);
    EXPECT_EQ(ui().messaggi.at(0).testo, "ERRORE ISAM - LUNK NO OK");
}

}  // namespace
