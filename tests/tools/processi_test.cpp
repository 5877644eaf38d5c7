// Eight real processes on one archive: each takes the semaphore thousands of times to update
// shared counters and an index, in-process and through `vxarchivio isam esegui`. Nothing may
// be lost and the index must stay sound. Eight processes append to the re-hire journal: every
// line is whole. A process killed while holding the semaphore lets the others in. A ninth
// process loads lists all the while.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "esecuzione.h"
#include "isam/isam.h"
#include "journal/giornale.h"
#include "platform/canali.h"
#include "runtime/numeri.h"
#include "support/archivio_prova.h"
#include "support/processi.h"
#include "support/prova_base.h"

namespace {

constexpr int CONTATORI = 30;  // record 1: all processes; record 1 + p: process p
constexpr int INDICE = 31;     // keys of 10 characters
constexpr int PROCESSI = 8;
constexpr int GIRI = 400;      // semaphore turns of each process in-process
constexpr int LOTTI = 3;       // vxarchivio runs of each process
constexpr int PER_LOTTO = 24;  // operations of one run

std::string numero10(long n) {
    char t[16];
    std::snprintf(t, sizeof t, "%010ld", n);
    return t;
}

// Key of turn i of process p, in-process ("K") or through vxarchivio ("V").
std::string chiave(char tipo, int p, int i) {
    char t[16];
    std::snprintf(t, sizeof t, "%c%d%08d", tipo, p, i);
    return t;
}

// Turn i deletes the key of turn i - 1 every third turn.
bool cancellata(int i) {
    return i % 3 == 1;
}

using supporto::attendi;
using supporto::figlio;

class Processi : public supporto::ProvaBase {
  protected:
    supporto::ArchivioProva a{{{CONTATORI, "CONTA.DAT", 10}, {INDICE, "CHIAVI.IDX", 128 * 17}}};

    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
        a.scrivi("CONTA.DAT", std::string(10 * (PROCESSI + 1), '0'));
        isam::ISAM(INDICE, "", isam::ISAM_INIZIALIZZA, 0);
        archive::CHIUDIFILE(0);  // the children open their own
    }

    static void incrementa(double record) {
        archive::LEGGIREC(CONTATORI, record);
        const double valore = runtime::VAL(archive::AREAREC[static_cast<int>(CONTATORI)]);
        archive::SCRIVIREC(CONTATORI, record, numero10(static_cast<long>(valore) + 1));
    }

    // Process p: GIRI turns under the semaphore, then its vxarchivio runs.
    void lavoro(int p) const {
        archive::FAIOPEN(CONTATORI);
        archive::FAIOPEN(INDICE);
        for (int i = 0; i < GIRI; ++i) {
            archive::APRISEMA();
            incrementa(1);
            incrementa(2 + p);
            if (isam::ISAM(INDICE, chiave('K', p, i), isam::ISAM_INSERISCI, i + 1) == -1)
                throw std::runtime_error("insert refused: " + chiave('K', p, i));
            if (cancellata(i) &&
                isam::ISAM(INDICE, chiave('K', p, i - 1), isam::ISAM_CANCELLA, 0) == -1)
                throw std::runtime_error("delete refused: " + chiave('K', p, i - 1));
            archive::CHIUDISEMA();
        }
        archive::CHIUDIFILE(0);
        const std::string cartella = a.locale(supporto::ArchivioProva::ARCHIVI);
        for (int l = 0; l < LOTTI; ++l) {
            std::string operazioni;
            for (int j = l * PER_LOTTO; j < (l + 1) * PER_LOTTO; ++j) {
                operazioni += "1\t" + chiave('V', p, j) + "\t" + std::to_string(j + 1) + "\n";
                if (cancellata(j)) operazioni += "3\t" + chiave('V', p, j - 1) + "\n";
            }
            const auto esito = prove::vxarchivio(
                {"--archivio", cartella, "isam", "esegui", runtime::testoNumero(INDICE)},
                operazioni);
            if (esito.codice != 0 || ("\n" + esito.out).find("\n-1\n") != std::string::npos)
                throw std::runtime_error("vxarchivio: " + esito.err + esito.out);
        }
    }

    // Lists loaded meanwhile, leaf by leaf under the semaphore: always in key order.
    void lettore() const {
        archive::FAIOPEN(INDICE);
        for (int giro = 0; giro < 40; ++giro) {
            std::string ultima;
            isam::scorriIntervallo(INDICE, std::string(10, ' '), "",
                                   [&](const std::vector<isam::VoceIndice>& foglio) {
                                       for (const auto& v : foglio) {
                                           if (v.chiave <= ultima)
                                               throw std::runtime_error("order: " + v.chiave);
                                           ultima = v.chiave;
                                       }
                                       return true;
                                   });
        }
        archive::CHIUDIFILE(0);
    }

    // Every key of the index in order, by a walk with next.
    std::vector<std::string> chiaviIndice() {
        archive::FAIOPEN(INDICE);
        std::vector<std::string> chiavi;
        std::string k(10, ' ');
        while (isam::ISAM(INDICE, k, isam::ISAM_SUCCESSIVA, 0) != isam::ISAM_FINE) {
            k = isam::CHIAVEISAM_S;
            chiavi.push_back(k);
        }
        return chiavi;
    }
};

TEST_F(Processi, OttoProcessiNonPerdonoAggiornamentiELIndiceRestaSano) {
    std::vector<pid_t> figli;
    for (int p = 0; p < PROCESSI; ++p)
        figli.push_back(figlio([&, p] { lavoro(p); }));
    figli.push_back(figlio([&] { lettore(); }));
    for (pid_t pid : figli)
        EXPECT_EQ(attendi(pid), 0);

    archive::FAIOPEN(CONTATORI);
    archive::LEGGIREC(CONTATORI, 1);
    EXPECT_EQ(archive::AREAREC[static_cast<int>(CONTATORI)], numero10(PROCESSI * GIRI));
    for (int p = 0; p < PROCESSI; ++p) {
        archive::LEGGIREC(CONTATORI, 2 + p);
        EXPECT_EQ(archive::AREAREC[static_cast<int>(CONTATORI)], numero10(GIRI)) << p;
    }

    EXPECT_TRUE(isam::verificaIndice(INDICE).empty());
    std::set<std::string> attese;
    for (int p = 0; p < PROCESSI; ++p) {
        for (int i = 0; i < GIRI; ++i)
            if (!(i + 1 < GIRI && cancellata(i + 1))) attese.insert(chiave('K', p, i));
        for (int j = 0; j < LOTTI * PER_LOTTO; ++j)
            if (!(j + 1 < LOTTI * PER_LOTTO && cancellata(j + 1))) attese.insert(chiave('V', p, j));
    }
    const std::vector<std::string> trovate = chiaviIndice();
    EXPECT_EQ(trovate, std::vector<std::string>(attese.begin(), attese.end()));
    // Each key still leads to the record number it was inserted with.
    EXPECT_EQ(isam::ISAM(INDICE, chiave('K', 3, GIRI - 1), isam::ISAM_TROVA, 0), GIRI);
    EXPECT_EQ(isam::ISAM(INDICE, chiave('V', 5, 2), isam::ISAM_TROVA, 0), 3);
}

TEST_F(Processi, OttoProcessiAppendonoAlGiornaleSenzaPerdereRighe) {
    constexpr int RIGHE = 10;  // each append waits for the disk
    std::vector<pid_t> figli;
    for (int p = 0; p < PROCESSI; ++p)
        figli.push_back(figlio([p] {
            std::mt19937 caso(static_cast<unsigned>(p));
            for (int i = 0; i < RIGHE; ++i) {
                journal::Voce v;
                v.tipo = journal::TIPO_RIASSUNZIONE;
                v.file = 2;
                v.record = p * 1000 + i + 1;
                v.prima = std::string(1 + caso() % 20000, static_cast<char>('a' + p));
                v.dopo = std::string(v.prima.size(), 'z');
                archive::APRISEMA();
                journal::aggiungiRiga(journal::rigaJson(v));
                archive::CHIUDISEMA();
            }
        }));
    for (pid_t pid : figli)
        EXPECT_EQ(attendi(pid), 0);

    std::set<long> letti;
    long numero = 0;
    journal::Righe righe([&](long n, std::string_view riga, bool) {
        numero = n;
        const auto l = journal::leggiRiga(riga, n);
        ASSERT_TRUE(l.voce) << n << ": " << l.guasto;
        EXPECT_EQ(l.voce->prima.find_first_not_of(static_cast<char>('a' + l.voce->record / 1000)),
                  std::string::npos);
        letti.insert(l.voce->record);
    });
    righe.aggiungi(a.leggi("VXMIRA.JNL"));
    righe.fine();
    EXPECT_EQ(numero, PROCESSI * RIGHE);
    EXPECT_EQ(letti.size(), static_cast<size_t>(PROCESSI * RIGHE));
}

TEST_F(Processi, UnProcessoUccisoColSemaforoLoRilascia) {
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    const pid_t detentore = figlio([&] {
        archive::APRISEMA();
        const char pronto = 'x';
        if (write(tubo[1], &pronto, 1) != 1) _exit(97);
        pause();
    });
    close(tubo[1]);
    char letto = 0;
    ASSERT_EQ(read(tubo[0], &letto, 1), 1);
    close(tubo[0]);

    // While it lives, nobody else gets in.
    const pid_t escluso = figlio([] {
        alarm(1);
        archive::APRISEMA();
        _exit(0);
    });
    int stato = 0;
    waitpid(escluso, &stato, 0);
    EXPECT_TRUE(WIFSIGNALED(stato) && WTERMSIG(stato) == SIGALRM);

    kill(detentore, SIGKILL);
    waitpid(detentore, nullptr, 0);
    const pid_t dopo = figlio([] {
        alarm(10);  // a lock that outlived its process would hang here
        archive::APRISEMA();
        archive::CHIUDISEMA();
    });
    EXPECT_EQ(attendi(dopo), 0);
}

}  // namespace
