// A full root and damaged index files: a run-time error (or nothing found), never a write.

#include "indice_prova.h"
#include "isam/blocco.h"

using isam::ISAM, prova::blocco, prova::IDX3, prova::IDX6, prova::voce;

namespace {

class Danni : public prova::ProvaIsam {
  protected:
    // The run-time error of one operation, or 0 when it returned (result in `esito`).
    int errore(double numero, const std::string& chiave, int16_t op, double record = 0) {
        return supporto::erroreDi([&] { esito = ISAM(numero, chiave, op, record); });
    }
    // Keys 100, 103, ... 697 in two leaves: block 3 from 100, block 4 from 292.
    void duecento() {
        nuovoIndice(IDX3);
        for (int i = 0; i < 200; ++i) ASSERT_EQ(ISAM(IDX3, std::to_string(100 + 3 * i), 1, i + 1), 0);
    }
    double esito = 0;
};

std::string k6(long i) { return std::to_string(1000000 + i).substr(1); }

// 128 root entries: level-2 blocks of one leaf of one key, the last of 127 leaves, the last full.
std::string radicePiena() {
    std::vector<std::string> radice, blocchi;
    long chiave = 0, prossimo = 2;
    for (int r = 0; r < 128; ++r) {
        const long numero2 = prossimo++;
        const size_t posto = blocchi.size();
        blocchi.emplace_back();
        std::vector<std::string> voci2;
        for (int f = 0; f < (r < 127 ? 1 : 127); ++f) {
            std::vector<std::string> voci;
            for (int i = 0; i < (r == 127 && f == 126 ? 127 : 1); ++i, chiave += 10)
                voci.push_back(voce(k6(chiave + 10), '3', chiave + 10));
            blocchi.push_back(blocco(6, '3', voci));
            voci2.push_back(voce(voci.front().substr(0, 6), '2', prossimo++));
        }
        blocchi[posto] = blocco(6, '2', voci2);
        radice.push_back(voce(voci2.front().substr(0, 6), '1', numero2));
    }
    std::string file = blocco(6, '1', radice);
    for (const auto& b : blocchi) file += b;
    return file;
}

TEST_F(Danni, RadicePienaRifiutaCioCheLeServirebbeSenzaScrivere) {
    scriviByte(IDX6, radicePiena());
    archive::FAIOPEN(IDX6);
    ASSERT_EQ(guasti(IDX6), "");
    const std::string prima = byte(IDX6);
    const long ultima = 10L * (127 + 126 + 127);
    // Into the last leaf (two splits); emptying a level-2 block; next past the last entry.
    EXPECT_EQ(errore(IDX6, k6(ultima + 5), isam::ISAM_INSERISCI, 1), isam::ERRORE_RADICE_PIENA);
    EXPECT_EQ(errore(IDX6, k6(50), isam::ISAM_CANCELLA), isam::ERRORE_RADICE_PIENA);
    EXPECT_EQ(errore(IDX6, k6(ultima), isam::ISAM_SUCCESSIVA), isam::ERRORE_RADICE_PIENA);
    EXPECT_EQ(byte(IDX6), prima);
    // Everything that needs no new root entry still works.
    EXPECT_EQ(errore(IDX6, k6(55), isam::ISAM_INSERISCI, 7), 0);
    EXPECT_EQ(errore(IDX6, k6(ultima - 10), isam::ISAM_SUCCESSIVA), 0);
    EXPECT_EQ(esito, ultima);
    EXPECT_EQ(guasti(IDX6), "");
}

TEST_F(Danni, UnIndiceDanneggiatoFermaLOperazioneENonVieneMaiScritto) {
    duecento();
    const std::string sano = byte(IDX3);
    EXPECT_TRUE(isam::indiceSano(IDX3));
    auto danno = [&](long posizione, const std::string& byte) {
        return std::string(sano).replace(static_cast<size_t>(posizione), byte.size(), byte);
    };
    const long R = 1280;
    // Name, file, a key whose path meets the damage.
    const std::tuple<const char*, std::string, std::string> casi[] = {
        {"figlio 0 nella radice", danno(4, "000000"), "103"},
        {"figlio oltre il file", danno(R + 10 + 4, "000099"), "400"},
        {"figlio che punta alla radice", danno(R + 4, "000001"), "103"},
        {"numero non di cifre", danno(2 * R + 4, "00A001"), "100"},
        {"252 dentro una voce", danno(2 * R + 5 * 10 + 8, "\xFC"), "115"},
        {"foglia piena", danno(2 * R + 64 * 10, std::string(640, '0')), "280"},
        {"file troncato", sano.substr(0, sano.size() - 100), "600"},
    };
    for (const auto& [nome, file, chiave] : casi) {
        SCOPED_TRACE(nome);
        scriviByte(IDX3, file);
        EXPECT_NE(guasti(IDX3), "");
        EXPECT_FALSE(isam::indiceSano(IDX3));
        for (const int16_t op : {isam::ISAM_TROVA, isam::ISAM_SUCCESSIVA, isam::ISAM_INSERISCI, isam::ISAM_CANCELLA}) {
            // Without an error only "nothing there" answers are acceptable.
            if (const int e = errore(IDX3, chiave, op, 999); e == 0) {
                EXPECT_TRUE(esito == -1 || esito == isam::ISAM_FINE || (op == isam::ISAM_SUCCESSIVA && esito > 0)) << op << " " << esito;
            } else {
                EXPECT_EQ(e, isam::ERRORE_INDICE_DANNEGGIATO) << op;
            }
            if (op == isam::ISAM_INSERISCI || op == isam::ISAM_CANCELLA) { EXPECT_EQ(byte(IDX3), file) << op; }
        }
        // A walk over the damaged index ends by itself: every key is greater than the last.
        std::string k = "   ";
        for (int passi = 0; errore(IDX3, k, isam::ISAM_SUCCESSIVA) == 0 && esito != isam::ISAM_FINE; ++passi, k = isam::CHIAVEISAM_S) {
            ASSERT_GT(isam::CHIAVEISAM_S, k);
            ASSERT_LT(passi, 200);
        }
    }

    // The level-2 entry of the second leaf points back at the first (keys 100 to 289): a
    // step past 289 would give 100 again and a walk that passes back each key never ends.
    std::string file = sano;
    file.replace(R + 10 + 4, 6, "000003");
    scriviByte(IDX3, file);
    EXPECT_EQ(errore(IDX3, "289", isam::ISAM_TROVA), 0);
    EXPECT_EQ(esito, 64);
    isam::CHIAVEISAM_S = "289";
    EXPECT_EQ(errore(IDX3, "289", isam::ISAM_SUCCESSIVA), isam::ERRORE_INDICE_DANNEGGIATO);
    EXPECT_EQ(isam::CHIAVEISAM_S, "289");
    EXPECT_EQ(byte(IDX3), file);
}

}  // namespace
