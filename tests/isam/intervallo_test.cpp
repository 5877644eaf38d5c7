// The range walk against repeated next calls on random trees of one leaf, of many leaves under
// one level-2 block and of many level-2 blocks, built block by block, with deleted keys; and
// the number of blocks it reads.

#include <random>
#include <vector>

#include "indice_prova.h"
#include "platform/guasti.h"

using isam::ISAM;

namespace {

constexpr long L = 3;

struct Albero {
    std::vector<std::string> chiavi;  // sorted
    long foglie = 0, livelli2 = 0;
};

// Writes a tree over `chiavi` cut into leaves of 1..maxFoglia keys and level-2 blocks of
// 1..maxRamo leaves.
Albero costruisci(std::mt19937& rng, std::vector<std::string> chiavi,
                  long maxFoglia, long maxRamo, std::string& file) {
    Albero a;
    a.chiavi = chiavi;
    std::vector<std::string> blocchi(1), radice;
    std::vector<std::string> ramo;
    std::string primaRamo;
    auto chiudiRamo = [&] {
        radice.push_back(prova::voce(primaRamo, '1', static_cast<long>(blocchi.size()) + 1));
        blocchi.push_back(prova::blocco(L, '2', ramo));
        ramo.clear();
        ++a.livelli2;
    };
    // Each level-2 block is written after its leaves, so block numbers interleave.
    size_t i = 0;
    long nelRamo = 0, ramoVoluto = 1 + static_cast<long>(rng() % static_cast<unsigned>(maxRamo));
    while (i < chiavi.size()) {
        const size_t n = std::min(chiavi.size() - i,
                                  1 + static_cast<size_t>(rng() % static_cast<unsigned>(maxFoglia)));
        std::vector<std::string> voci;
        for (size_t k = i; k < i + n; ++k)
            voci.push_back(prova::voce(chiavi[k], '3', static_cast<long>(k) + 1));
        if (ramo.empty()) primaRamo = chiavi[i];
        ramo.push_back(prova::voce(chiavi[i], '2', static_cast<long>(blocchi.size()) + 1));
        blocchi.push_back(prova::blocco(L, '3', voci));
        ++a.foglie;
        i += n;
        if (++nelRamo == ramoVoluto || i == chiavi.size()) {
            chiudiRamo();
            nelRamo = 0;
            ramoVoluto = 1 + static_cast<long>(rng() % static_cast<unsigned>(maxRamo));
        }
    }
    blocchi[0] = prova::blocco(L, '1', radice);
    for (const auto& b : blocchi)
        file += b;
    return a;
}

class Intervallo : public prova::ProvaIsam {
  protected:
    void TearDown() override {
        platform::fermaViaggi();
        ProvaIsam::TearDown();
    }

    struct Esito {
        std::vector<std::string> chiavi;
        std::vector<double> record;
        std::string fine;  // CHIAVEISAM_S afterwards
    };

    Esito conNext(const std::string& da, const std::string& prefisso) {
        Esito e;
        std::string k = da;
        for (;;) {
            const double r = ISAM(prova::IDX3, k, isam::ISAM_SUCCESSIVA, 0);
            if (r == isam::ISAM_FINE || isam::CHIAVEISAM_S.compare(0, prefisso.size(), prefisso))
                break;
            e.chiavi.push_back(k = isam::CHIAVEISAM_S);
            e.record.push_back(r);
        }
        e.fine = isam::CHIAVEISAM_S;
        return e;
    }

    Esito conIntervallo(const std::string& da, const std::string& prefisso, long* foglie = nullptr) {
        Esito e;
        isam::CHIAVEISAM_S = "?";
        EXPECT_EQ(isam::scorriIntervallo(prova::IDX3, da, prefisso,
                                         [&](const std::vector<isam::VoceIndice>& foglio) {
                                             for (const auto& v : foglio) {
                                                 e.chiavi.push_back(v.chiave);
                                                 e.record.push_back(v.record);
                                             }
                                             if (foglie) ++*foglie;
                                             return true;
                                         }),
                  0);
        e.fine = isam::CHIAVEISAM_S;
        return e;
    }
};

TEST_F(Intervallo, DaLeStesseChiaviDelleNextRipetuteELeggeOgniFogliaUnaVolta) {
    std::mt19937 rng(19);
    struct Forma {
        long chiavi, maxFoglia, maxRamo;
    };
    // One leaf; leaves under one level-2 block; many level-2 blocks, leaves full to 127.
    const Forma forme[] = {{5, 127, 1}, {300, 9, 127}, {2000, 127, 4}, {700, 3, 6}};
    for (const Forma& forma : forme) {
        std::vector<std::string> chiavi;
        for (char a = 'A'; a <= 'Z'; ++a)
            for (char b = '0'; b <= '9'; ++b)
                for (char c = 'a'; c <= 'z'; ++c)
                    if (rng() % 9 == 0 || forma.chiavi > 1500) chiavi.push_back({a, b, c});
        std::shuffle(chiavi.begin(), chiavi.end(), rng);
        chiavi.resize(std::min(chiavi.size(), static_cast<size_t>(forma.chiavi)));
        std::sort(chiavi.begin(), chiavi.end());
        std::string file;
        const Albero a = costruisci(rng, chiavi, forma.maxFoglia, forma.maxRamo, file);
        scriviByte(prova::IDX3, file);
        archive::CHIUDIFILE(0);
        archive::FAIOPEN(prova::IDX3);

        // The whole index: each leaf handed out once, read once, besides the root and the
        // level-2 block of every step.
        long foglie = 0;
        platform::contaViaggi();
        const Esito tutto = conIntervallo("   ", "", &foglie);
        EXPECT_EQ(platform::viaggiContati(platform::Chiamata::Lettura),
                  3 * a.foglie + a.livelli2 + 1)
            << forma.chiavi;
        platform::fermaViaggi();
        EXPECT_EQ(foglie, a.foglie);
        EXPECT_EQ(tutto.chiavi, a.chiavi);
        EXPECT_EQ(tutto.fine, std::string(L, '\xFC'));

        // Deleted keys (some emptying leaves, which are unlinked) and walks from every kind of
        // place: keys, absent keys, below and above all, leaf boundaries, with prefixes.
        for (int giro = 0; giro < 3; ++giro) {
            for (int d = 0; d < forma.chiavi / 4; ++d) {
                const std::string& k = chiavi[rng() % chiavi.size()];
                ISAM(prova::IDX3, k, isam::ISAM_CANCELLA, 0);
            }
            for (int prova = 0; prova < 40; ++prova) {
                std::string da = chiavi[rng() % chiavi.size()];
                if (prova % 4 == 1) da[2] = static_cast<char>(da[2] + 1);
                if (prova == 2) da = "   ";
                if (prova == 3) da = "zzz";
                const std::string prefisso = da.substr(0, static_cast<size_t>(prova % 3));
                const Esito n = conNext(da, prefisso);
                const Esito i = conIntervallo(da, prefisso);
                EXPECT_EQ(i.chiavi, n.chiavi) << da << " " << prefisso;
                EXPECT_EQ(i.record, n.record) << da;
                EXPECT_EQ(i.fine, n.fine) << da;
            }
        }
        EXPECT_EQ(guasti(prova::IDX3), "");
    }
}

TEST_F(Intervallo, IndiceVuotoEChiamataRifiutata) {
    nuovoIndice(prova::IDX3);
    int chiamate = 0;
    auto conta = [&](const std::vector<isam::VoceIndice>&) { return ++chiamate > 0; };
    EXPECT_EQ(isam::scorriIntervallo(prova::IDX3, "   ", "", conta), 0);
    EXPECT_EQ(isam::CHIAVEISAM_S, std::string(L, '\xFC'));
    // A key of the wrong length is refused with next's message and hands out nothing.
    EXPECT_EQ(isam::scorriIntervallo(prova::IDX3, "AB", "", conta), -1);
    EXPECT_EQ(chiamate, 0);
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].testo, "ERRORE ISAM - LUNK NO OK");
}

}  // namespace
