// Index rewrites that a kill interrupts, and the index checked against its data file.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>

#include "archive/slot_file.h"
#include "isam/isam.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"
#include "support/processi.h"
#include "support/prova_base.h"
#include "tools/comandi.h"

namespace {

constexpr int DATI = 40, INDICE = 41;
constexpr int RECORD = 20;  // 20 workers; the key is the first 10 characters

std::string chiave(char tipo, int n) {
    char t[16];
    std::snprintf(t, sizeof t, "%c%09d", tipo, n);
    return t;
}

using Comando = std::function<int(tools::Flussi&)>;

class IndiceInterrotto : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{DATI, "DATI.DAT", RECORD}, {INDICE, "DATI.IDX", 17 * 128}}};

    // The data records and an index of their keys that has grown and shrunk: blocks of keys
    // long deleted are still in its file.
    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
        std::string dati;
        for (int r = 1; r <= 20; ++r)
            dati += chiave('K', r) + std::string(RECORD - 10, ' ');
        a.scrivi("DATI.DAT", dati);
        archive::FAIOPEN(INDICE);
        isam::ISAM(INDICE, "", isam::ISAM_INIZIALIZZA, 0);
        for (int r = 1; r <= 150; ++r)
            isam::ISAM(INDICE, chiave(r <= 20 ? 'K' : 'X', r), isam::ISAM_INSERISCI, r);
        for (int r = 21; r <= 150; ++r)
            isam::ISAM(INDICE, chiave('X', r), isam::ISAM_CANCELLA, 0);
        archive::CHIUDIFILE(0);
    }

    static int esegui(const Comando& c, const std::string& ingresso = {}, std::string* testo = nullptr) {
        std::istringstream in(ingresso);
        std::ostringstream out, err;
        tools::Flussi f{in, out, err};
        const int codice = tools::eseguiComando(f, [&] { return c(f); });
        if (testo) *testo = out.str() + err.str();
        return codice;
    }
    static int verificaConDati(std::string* testo) {
        return esegui([](tools::Flussi& f) {
            return tools::comandoIndiceVerifica(f, "41", "40", "1,10");
        }, {}, testo);
    }
    ino_t inode() const {
        struct stat st {};
        stat(a.locale("DATI.IDX").c_str(), &st);
        return st.st_ino;
    }
};

TEST_F(IndiceInterrotto, UnaUccisioneLasciaIlVecchioIndiceOIlNuovoNelloStessoFile) {
    std::string lotto = "9\t" + std::string(10, ' ') + "\n";
    for (int r = 20; r >= 1; --r)
        lotto += "1\t" + chiave('K', r) + "\t" + std::to_string(r) + "\n";
    const struct {
        const char* nome;
        Comando comando;
        std::string ingresso;
    } casi[] = {
        {"ricostruisci",
         [](tools::Flussi& f) { return tools::comandoIndiceRicostruisci(f, "41", "40", "1,10"); },
         ""},
        {"esegui", [](tools::Flussi& f) { return tools::comandoIsam(f, "esegui", "41", "", ""); },
         lotto},
    };
    const std::string vecchio = a.leggi("DATI.IDX");
    for (const auto& caso : casi) {
        platform::contaViaggi();
        std::string uscita;
        ASSERT_EQ(esegui(caso.comando, caso.ingresso, &uscita), 0) << caso.nome << uscita;
        const long long chiamate = platform::viaggiContati();
        platform::fermaViaggi();
        const std::string nuovo = a.leggi("DATI.IDX");
        ASSERT_LT(nuovo.size(), vecchio.size()) << chiamate;  // the new index has no abandoned blocks

        int vecchi = 0, nuovi = 0, completati = 0;
        for (long long k = 1; k <= chiamate; ++k) {
            a.scrivi("DATI.IDX", vecchio);  // in place: the same file
            const ino_t prima = inode();
            const pid_t pid = supporto::figlio([&] {
                platform::armaInterruzione(k, [] { raise(SIGKILL); });
                esegui(caso.comando, caso.ingresso);
            });
            ASSERT_EQ(supporto::attendi(pid), -1) << caso.nome << " " << k;
            std::string verifica;
            EXPECT_EQ(verificaConDati(&verifica), 0) << caso.nome << " " << k << ": " << verifica;
            const std::string dopo = a.leggi("DATI.IDX");
            ASSERT_TRUE(dopo == vecchio || dopo == nuovo) << caso.nome << " " << k;
            EXPECT_EQ(inode(), prima);
            EXPECT_FALSE(a.esiste("DATI.IDX.SCRITTURA"));  // an image alone goes with the next rewrite
            (dopo == vecchio ? vecchi : nuovi)++;
            completati += verifica.find("completata la riscrittura") != std::string::npos;
        }
        // Kills before the marker leave the old index; after it, the next command ends the write.
        EXPECT_GT(vecchi, 0);
        EXPECT_GT(completati, 0);
        EXPECT_GE(nuovi, completati);
    }
}

// The structure can be sound while entries point at the wrong workers: only the data shows it.
TEST_F(IndiceInterrotto, LaVerificaConIDatiTrovaOgniVoceSbagliata) {
    std::string testo;
    ASSERT_EQ(verificaConDati(&testo), 0) << testo;
    EXPECT_EQ(testo, "OK\t20\n");
    archive::FAIOPEN(INDICE);
    isam::ISAM(INDICE, chiave('K', 3), isam::ISAM_CANCELLA, 0);
    isam::ISAM(INDICE, chiave('K', 4), isam::ISAM_CANCELLA, 0);
    isam::ISAM(INDICE, chiave('K', 4), isam::ISAM_INSERISCI, 5);
    isam::ISAM(INDICE, chiave('K', 30), isam::ISAM_INSERISCI, 30);
    archive::CHIUDIFILE(0);
    EXPECT_EQ(verificaConDati(&testo), 1);
    EXPECT_EQ(testo,
              "K000000004\t5\tNEL RECORD LA CHIAVE E' K000000005\n"
              "K000000030\t30\tRECORD OLTRE LA FINE DEL FILE DEI DATI\n"
              "K000000003\t3\tRECORD NON NELL'INDICE\n"
              "K000000004\t4\tNELL'INDICE LA CHIAVE PORTA AL RECORD 5\n");
}

// 999999 is what next gives at the end of an index: the tool stores it nowhere, reports it as a
// fault, and walks to the high key, not to that number. Keys out of order are damage.
TEST_F(IndiceInterrotto, IlNumero999999ELeChiaviFuoriOrdine) {
    const auto comando = [](std::vector<std::string> a, const std::string& ingresso = {}) {
        std::string testo;
        const int codice = esegui([&](tools::Flussi& f) {
            if (a[0] == "verifica") return tools::comandoIndiceVerifica(f, "41");
            if (a[0] == "ricostruisci") return tools::comandoIndiceRicostruisci(f, "41", a[1], "1,10");
            return tools::comandoIsam(f, a[0], "41", a.size() > 1 ? a[1] : "", a.size() > 2 ? a[2] : "");
        }, ingresso, &testo);
        return std::to_string(codice) + " " + testo;
    };
    const std::string prima = a.leggi("DATI.IDX");
    EXPECT_EQ(comando({"inserisci", chiave('K', 99), "999999"}).substr(0, 2), "2 ");
    EXPECT_EQ(comando({"esegui"}, "1\t" + chiave('K', 99) + "\t999999\n").substr(0, 2), "2 ");
    a.catalogo({42, "GRANDE.DAT", 10});
    a.scrivi("GRANDE.DAT", "");
    ::truncate(a.locale("GRANDE.DAT").c_str(), 999998L * 10);
    a.scrivi("GRANDE.DAT", a.leggi("GRANDE.DAT") + chiave('K', 99));
    const std::string rifiuto = comando({"ricostruisci", "42"});
    EXPECT_NE(rifiuto.find("2 vxarchivio: il record 999999 dei dati"), std::string::npos) << rifiuto;
    EXPECT_EQ(a.leggi("DATI.IDX"), prima);

    archive::FAIOPEN(INDICE);
    isam::ISAM(INDICE, chiave('K', 0), isam::ISAM_INSERISCI, 999999);  // another program's entry
    archive::CHIUDIFILE(0);
    EXPECT_EQ(comando({"trova", chiave('K', 0)}), "0 999999\n");
    const std::string elenco = comando({"elenca"});
    EXPECT_EQ(std::count(elenco.begin(), elenco.end(), '\n'), 21) << elenco;
    EXPECT_EQ(comando({"verifica"}), "1 BLOCCO 3 VOCE 1: NUMERO DI RECORD 999999, CHE SEGNA LA FINE\n");

    // Two keys of the leaf swapped: the walk stops on the damage, not quietly at the end.
    std::string indice = a.leggi("DATI.IDX");
    const size_t foglia = 2 * 17 * 128, voce = 17;
    std::swap_ranges(indice.begin() + foglia + 5 * voce, indice.begin() + foglia + 6 * voce,
                     indice.begin() + foglia + 9 * voce);
    a.scrivi("DATI.IDX", indice);
    EXPECT_EQ(comando({"elenca"}).substr(0, 2), "1 ");
}

}  // namespace
