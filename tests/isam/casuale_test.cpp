// Long random runs of inserts, finds, nexts and deletes against an ordered map, with the structure
// check and the range walk compared with repeated next calls as the tree grows and shrinks.

#include <random>

#include "indice_prova.h"
#include "isam/blocco.h"
#include "platform/guasti.h"

using isam::ISAM;
using Lista = std::vector<std::pair<std::string, double>>;  // keys, then CHIAVEISAM_S

namespace {

class Casuale : public prova::ProvaIsam {
  protected:
    struct Passo { int inserisci, cancella, trova; };  // percentages; the rest is next

    // One random operation, checked against the map. Returns true when it wrote.
    bool passo(double file, const std::string& chiave, const Passo& p) {
        const int tiro = static_cast<int>(rng() % 100);
        const auto it = mappa.find(chiave);
        const double trovato = it == mappa.end() ? -1 : it->second;
        if (tiro < p.inserisci) {
            const double record = static_cast<double>(rng() % 999999 + 1);
            EXPECT_EQ(ISAM(file, chiave, isam::ISAM_INSERISCI, record), trovato == -1 ? 0 : -1);
            if (trovato == -1) mappa[chiave] = record;
            return trovato == -1;
        }
        if (tiro < p.inserisci + p.cancella) {
            EXPECT_EQ(ISAM(file, chiave, isam::ISAM_CANCELLA, 0), trovato) << chiave;
            if (it != mappa.end()) mappa.erase(it);
            return trovato != -1;
        }
        if (tiro < p.inserisci + p.cancella + p.trova) {
            EXPECT_EQ(ISAM(file, chiave, isam::ISAM_TROVA, 0), trovato) << chiave;
            return false;
        }
        const auto dopo = mappa.upper_bound(chiave);
        const bool fine = dopo == mappa.end();
        EXPECT_EQ(ISAM(file, chiave, isam::ISAM_SUCCESSIVA, 0), fine ? isam::ISAM_FINE : dopo->second);
        EXPECT_EQ(isam::CHIAVEISAM_S, fine ? std::string(chiave.size(), '\xFC') : dopo->first);
        return false;
    }

    // `esistenti`: percentage of steps on a stored key. The structure check every 300th write.
    void giro(int quante, const Passo& p, unsigned esistenti, const std::function<std::string()>& chiave, bool fino_a_vuoto = false) {
        const double file = prova::IDX10;
        for (int i = 0; (i < quante || (fino_a_vuoto && !mappa.empty())) && !HasFailure(); ++i) {
            std::string k = chiave();
            if (rng() % 100 < esistenti && !mappa.empty()) {
                const auto it = mappa.lower_bound(k);
                k = it != mappa.end() ? it->first : mappa.begin()->first;
            }
            if (passo(file, k, p) && ++scritture % 300 == 0) { ASSERT_EQ(guasti(file), ""); }
            if (++operazioni % 2000 == 0) intervalli(file, k);
        }
        ASSERT_EQ(guasti(file), "");
    }

    static Lista conNext(double file, std::string k, const std::string& prefisso) {
        Lista l;
        for (double r; (r = ISAM(file, k, isam::ISAM_SUCCESSIVA, 0)) != isam::ISAM_FINE && isam::CHIAVEISAM_S.starts_with(prefisso);)
            l.emplace_back(k = isam::CHIAVEISAM_S, r);
        l.emplace_back(isam::CHIAVEISAM_S, 0);
        return l;
    }
    static Lista conIntervallo(double file, const std::string& da, const std::string& prefisso, long& foglie) {
        Lista l;
        EXPECT_EQ(isam::scorriIntervallo(file, da, prefisso, [&](const auto& foglio) {
                      for (const auto& v : foglio) l.emplace_back(v.chiave, v.record);
                      return ++foglie > 0; }), 0);
        l.emplace_back(isam::CHIAVEISAM_S, 0);
        return l;
    }
    // A whole walk reads each leaf once, with the root and level-2 block of each step.
    void intervalli(double file, const std::string& k) {
        const long radice = isam::vociUsate(byte(file).substr(0, 17 * 128), isam::Formato{10});
        picco = std::max(picco, radice);
        for (size_t n = 4; n <= 6; ++n) {
            long foglie = 0;
            EXPECT_EQ(conIntervallo(file, k, k.substr(0, n), foglie), conNext(file, k, k.substr(0, n)));
        }
        if (operazioni % 10000 != 0) return;
        long foglie = 0;
        platform::contaViaggi();
        const Lista tutte = conIntervallo(file, std::string(10, ' '), "", foglie);
        EXPECT_EQ(platform::viaggiContati(platform::Chiamata::Lettura), 3 * foglie + radice + 1);
        platform::fermaViaggi();
        EXPECT_EQ(tutte, conNext(file, std::string(10, ' '), ""));
    }

    std::mt19937 rng{20240611};
    std::map<std::string, double> mappa;
    long picco = 0;
    int operazioni = 0, scritture = 0;
};

TEST_F(Casuale, CinquantamilaOperazioniConDivisioniSvuotamentoERipartenza) {
    nuovoIndice(prova::IDX10);
    auto chiave = [&] {  // blanks and a few high characters besides digits; never 252
        std::string k = {static_cast<char>('0' + rng() % 4), '0', '0'};
        while (k.size() < 10) k += "0123456789 \xE0\xFB"[rng() % 13];
        return k;
    };
    giro(30000, {75, 5, 10}, 25, chiave);  // grows past one level-2 block
    ASSERT_GT(mappa.size(), 13000u);
    giro(0, {0, 85, 5}, 100, chiave, true);  // deletes down to empty
    EXPECT_EQ(ISAM(prova::IDX10, "          ", isam::ISAM_SUCCESSIVA, 0), isam::ISAM_FINE);
    long foglie = 0;  // an empty index ends the walk at once
    EXPECT_EQ(conIntervallo(prova::IDX10, "          ", "", foglie), (Lista{{std::string(10, '\xFC'), 0}}));
    giro(4000, {60, 20, 10}, 30, chiave);  // starts again from a first key
    EXPECT_GE(operazioni, 50000);
    EXPECT_GE(picco, 2) << "the run never split a level-2 block";
    // A key of the wrong length is refused as next refuses it.
    EXPECT_EQ(isam::scorriIntervallo(prova::IDX10, "AB", "", [](const auto&) { return true; }), -1);
    EXPECT_EQ(ui().ultimoTesto(), "ERRORE ISAM - LUNK NO OK");
}

}  // namespace
