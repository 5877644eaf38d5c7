// Long random runs of inserts, finds, nexts and deletes, compared at every step with an
// ordered map; the structure check runs after the writes.

#include <map>
#include <random>

#include "indice_prova.h"
#include "isam/blocco.h"

using isam::ISAM;

namespace {

class Casuale : public prova::ProvaIsam {
  protected:
    struct Passo {
        int inserisci, cancella, trova;  // percentages; the rest is next
    };

    // One random operation, checked against the map. Returns true when it wrote.
    bool passo(double file, const std::string& chiave, const Passo& p) {
        const int tiro = static_cast<int>(rng() % 100);
        const auto it = mappa.find(chiave);
        if (tiro < p.inserisci) {
            const double record = static_cast<double>(rng() % 999999 + 1);
            const double atteso = it == mappa.end() ? 0 : -1;
            EXPECT_EQ(ISAM(file, chiave, isam::ISAM_INSERISCI, record), atteso) << chiave;
            if (atteso == 0) mappa[chiave] = record;
            return atteso == 0;
        }
        if (tiro < p.inserisci + p.cancella) {
            const double atteso = it == mappa.end() ? -1 : it->second;
            EXPECT_EQ(ISAM(file, chiave, isam::ISAM_CANCELLA, 0), atteso) << chiave;
            if (it != mappa.end()) mappa.erase(it);
            return atteso != -1;
        }
        if (tiro < p.inserisci + p.cancella + p.trova) {
            EXPECT_EQ(ISAM(file, chiave, isam::ISAM_TROVA, 0), it == mappa.end() ? -1 : it->second)
                << chiave;
            return false;
        }
        const auto dopo = mappa.upper_bound(chiave);
        EXPECT_EQ(ISAM(file, chiave, isam::ISAM_SUCCESSIVA, 0),
                  dopo == mappa.end() ? isam::ISAM_FINE : dopo->second)
            << chiave;
        EXPECT_EQ(isam::CHIAVEISAM_S,
                  dopo == mappa.end() ? std::string(chiave.size(), '\xFC') : dopo->first);
        return false;
    }

    // An existing key when there is one (so that deletes hit), else a random one.
    std::string esistente(const std::string& a_caso) {
        const auto it = mappa.lower_bound(a_caso);
        if (it != mappa.end()) return it->first;
        return mappa.empty() ? a_caso : mappa.begin()->first;
    }

    // Used entries of the root, from the file.
    long vociRadice(double file, long L) {
        return isam::vociUsate(byte(file).substr(0, static_cast<size_t>((L + 7) * 128)),
                               isam::Formato{L});
    }

    std::mt19937 rng{20240611};
    std::map<std::string, double> mappa;
};

TEST_F(Casuale, PiccoloIndiceVerificatoDopoOgniScrittura) {
    nuovoIndice(prova::IDX3);
    auto chiave = [&] {
        std::string k(3, 'A');
        for (char& c : k)
            c = static_cast<char>('A' + rng() % 10);
        return k;
    };
    for (int i = 0; i < 6000 && !HasFailure(); ++i) {
        const Passo p = i < 3000 ? Passo{55, 15, 15} : Passo{10, 70, 10};
        if (passo(prova::IDX3, i % 2 ? chiave() : esistente(chiave()), p)) {
            ASSERT_EQ(guasti(prova::IDX3), "") << "passo " << i;
        }
    }
}

TEST_F(Casuale, CinquantamilaOperazioniConDivisioniSvuotamentoERipartenza) {
    nuovoIndice(prova::IDX10);
    auto chiave = [&] {
        // Blanks and a few high characters besides digits; never 252.
        static const char cifre[] = "0123456789 \xE0\xFB";
        std::string k(10, '0');
        for (size_t j = 3; j < k.size(); ++j)
            k[j] = cifre[rng() % 13];
        k[0] = static_cast<char>('0' + rng() % 4);
        return k;
    };
    long picco = 0;
    int operazioni = 0;
    int scritture = 0;
    // `esistenti`: percentage of steps on a key already stored.
    auto giro = [&](int quante, const Passo& p, unsigned esistenti, bool fino_a_vuoto) {
        for (int i = 0; (i < quante || (fino_a_vuoto && !mappa.empty())) && !HasFailure(); ++i) {
            const std::string k = rng() % 100 < esistenti ? esistente(chiave()) : chiave();
            const bool scritto = passo(prova::IDX10, k, p);
            ++operazioni;
            // The check reads every block: after every 300th write keeps the run short.
            if (scritto && ++scritture % 300 == 0) {
                ASSERT_EQ(guasti(prova::IDX10), "") << "operazione " << operazioni;
            }
            if (operazioni % 2000 == 0) picco = std::max(picco, vociRadice(prova::IDX10, 10));
        }
        ASSERT_EQ(guasti(prova::IDX10), "");
    };
    giro(30000, {75, 5, 10}, 25, false);  // grows past one level-2 block
    ASSERT_GT(mappa.size(), 13000u);
    giro(0, {0, 85, 5}, 100, true);  // deletes down to an empty index
    EXPECT_EQ(ISAM(prova::IDX10, "          ", isam::ISAM_SUCCESSIVA, 0), isam::ISAM_FINE);
    giro(4000, {60, 20, 10}, 30, false);  // and starts again from a first insertion
    EXPECT_GE(operazioni, 50000);
    EXPECT_GE(picco, 2) << "the run never split a level-2 block";

    // A final walk with next sees exactly the map.
    std::string k(10, ' ');
    for (const auto& [chiave_attesa, record] : mappa) {
        ASSERT_EQ(ISAM(prova::IDX10, k, isam::ISAM_SUCCESSIVA, 0), record);
        ASSERT_EQ(isam::CHIAVEISAM_S, chiave_attesa);
        k = chiave_attesa;
    }
    EXPECT_EQ(ISAM(prova::IDX10, k, isam::ISAM_SUCCESSIVA, 0), isam::ISAM_FINE);
}

}  // namespace
