// Real processes under the semaphore (counters, an index, the journal, a holder killed); index
// rewrites a kill interrupts and the index against its data, through the tool's commands.

#include <random>
#include <set>
#include <sstream>

#include <signal.h>
#include <unistd.h>

#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "esecuzione.h"
#include "isam/isam.h"
#include "journal/giornale.h"
#include "platform/guasti.h"
#include "runtime/numeri.h"
#include "support/archivio_prova.h"
#include "support/processi.h"
#include "tools/comandi.h"

namespace {

using namespace supporto;

// Counters: record 1 of all, 2 + p of process p. Data: 20 workers keyed by the first 10 characters.
constexpr int CONTATORI = 30, INDICE = 31, DATI = 40, INDICE_DATI = 41;
constexpr int PROCESSI = 8, GIRI = 400, LOTTO = 72, RIGHE = 10;  // RIGHE: journal lines each

// Key of turn i of process p, in-process ("K") or through vxarchivio ("V").
std::string chiave(char tipo, int p, int i) { return tipo + std::to_string(p) + std::to_string(100000000 + i).substr(1); }
std::string contatore(long n) { return chiave('0', 0, static_cast<int>(n)); }  // ten digits

class Processi : public ProvaArchivio {
  protected:
    Processi() : ProvaArchivio({{CONTATORI, "CONTA.DAT", 10}, {INDICE, "CHIAVI.IDX", 128 * 17},
                                {DATI, "DATI.DAT", 20}, {INDICE_DATI, "DATI.IDX", 17 * 128}}) {}

    // The workers' index has grown and shrunk: blocks of keys long deleted are still in its file.
    void SetUp() override {
        ProvaArchivio::SetUp();
        a.scrivi("CONTA.DAT", std::string(10 * (PROCESSI + 1), '0'));
        isam::ISAM(INDICE, "", isam::ISAM_INIZIALIZZA, 0);
        std::string dati;
        for (int r = 1; r <= 20; ++r) dati += chiave('K', 0, r) + std::string(10, ' ');
        a.scrivi("DATI.DAT", dati);
        isam::ISAM(INDICE_DATI, "", isam::ISAM_INIZIALIZZA, 0);
        for (int r = 1; r <= 150; ++r) isam::ISAM(INDICE_DATI, chiave(r <= 20 ? 'K' : 'X', 0, r), isam::ISAM_INSERISCI, r);
        for (int r = 21; r <= 150; ++r) isam::ISAM(INDICE_DATI, chiave('X', 0, r), isam::ISAM_CANCELLA, 0);
        archive::CHIUDIFILE(0);  // the children open their own
    }
    // A command as vxarchivio runs it on index 41 (data 40, key 1,10): exit code and output.
    static std::string comando(const std::vector<std::string>& a, const std::string& ingresso = {}) {
        std::istringstream in(ingresso);
        std::ostringstream out;
        tools::Flussi f{in, out, out};
        const int codice = tools::eseguiComando(f, [&] {
            if (a[0] == "verifica")
                return a.size() > 1 ? tools::comandoIndiceVerifica(f, "41", "40", "1,10") : tools::comandoIndiceVerifica(f, "41");
            if (a[0] == "ricostruisci") return tools::comandoIndiceRicostruisci(f, "41", a[1], "1,10");
            return tools::comandoIsam(f, a[0], "41", a.size() > 1 ? a[1] : "", a.size() > 2 ? a[2] : "");
        });
        return std::to_string(codice) + " " + out.str();
    }
    static void incrementa(double record) {
        archive::LEGGIREC(CONTATORI, record);
        archive::SCRIVIREC(CONTATORI, record, contatore(static_cast<long>(runtime::VAL(archive::AREAREC[CONTATORI])) + 1));
    }
    // Process p: GIRI turns under the semaphore, then a vxarchivio run; every third deletes.
    void lavoro(int p) const {
        archive::FAIOPEN(CONTATORI), archive::FAIOPEN(INDICE);
        std::mt19937 caso(static_cast<unsigned>(p));
        for (int i = 0; i < GIRI; ++i) {
            archive::APRISEMA(), incrementa(1), incrementa(2 + p);
            if (i < RIGHE) {  // a journal line of up to 20000 characters a side
                journal::Voce v;
                v.tipo = journal::TIPO_RIASSUNZIONE, v.file = 2, v.record = p * 1000 + i + 1;
                v.prima = std::string(1 + caso() % 20000, static_cast<char>('a' + p)), v.dopo = std::string(v.prima.size(), 'z');
                journal::aggiungiRiga(journal::rigaJson(v));
            }
            if (isam::ISAM(INDICE, chiave('K', p, i), isam::ISAM_INSERISCI, i + 1) == -1 ||
                (i % 3 == 1 && isam::ISAM(INDICE, chiave('K', p, i - 1), isam::ISAM_CANCELLA, 0) == -1))
                throw std::runtime_error("refused: " + chiave('K', p, i));
            archive::CHIUDISEMA();
        }
        archive::CHIUDIFILE(0);
        std::string operazioni;
        for (int j = 0; j < LOTTO; ++j) {
            operazioni += "1\t" + chiave('V', p, j) + "\t" + std::to_string(j + 1) + "\n";
            if (j % 3 == 1) operazioni += "3\t" + chiave('V', p, j - 1) + "\n";
        }
        const auto esito = prove::vxarchivio({"--archivio", a.locale(ArchivioProva::ARCHIVI), "isam", "esegui", "31"}, operazioni);
        if (esito.codice != 0 || ("\n" + esito.out).find("\n-1\n") != std::string::npos)
            throw std::runtime_error("vxarchivio: " + esito.err + esito.out);
    }
};

TEST_F(Processi, OttoProcessiNonPerdonoAggiornamentiNeRigheDelGiornale) {
    std::vector<pid_t> figli;
    for (int p = 0; p < PROCESSI; ++p) figli.push_back(figlio([&, p] { lavoro(p); }));
    figli.push_back(figlio([&] {  // lists loaded meanwhile, a leaf at a time under the semaphore
        archive::FAIOPEN(INDICE);
        for (int giro = 0; giro < 40; ++giro)
            isam::scorriIntervallo(INDICE, std::string(10, ' '), "", [&, ultima = std::string()](const auto& foglio) mutable {
                for (const auto& v : foglio) {
                    if (v.chiave <= ultima) throw std::runtime_error("order: " + v.chiave);
                    ultima = v.chiave;
                }
                return true;
            });
    }));
    for (pid_t pid : figli) EXPECT_EQ(attendi(pid), 0);

    archive::FAIOPEN(CONTATORI);
    for (int r = 1; r <= PROCESSI + 1; ++r) {
        archive::LEGGIREC(CONTATORI, r);
        EXPECT_EQ(archive::AREAREC[CONTATORI], contatore(r == 1 ? PROCESSI * GIRI : GIRI)) << r;
    }
    // Every key not deleted, in order, each leading to the record it was inserted with.
    EXPECT_TRUE(isam::verificaIndice(INDICE).empty());
    archive::FAIOPEN(INDICE);
    std::string k(10, ' ');
    for (const char tipo : {'K', 'V'})
        for (int p = 0; p < PROCESSI; ++p)
            for (int i = 0, n = tipo == 'K' ? GIRI : LOTTO; i < n; ++i)
                if (i % 3 != 0 || i + 1 == n) {
                    ASSERT_EQ(isam::ISAM(INDICE, k, isam::ISAM_SUCCESSIVA, 0), i + 1);
                    ASSERT_EQ(k = isam::CHIAVEISAM_S, chiave(tipo, p, i));
                }
    EXPECT_EQ(isam::ISAM(INDICE, k, isam::ISAM_SUCCESSIVA, 0), isam::ISAM_FINE);
    // The journal: every line whole, none lost.
    std::set<long> letti;
    journal::Righe righe([&](long n, std::string_view riga, bool) {
        const auto l = journal::leggiRiga(riga, n);
        ASSERT_TRUE(l.voce) << n << ": " << l.guasto;
        EXPECT_EQ(l.voce->prima.find_first_not_of(static_cast<char>('a' + l.voce->record / 1000)), std::string::npos);
        EXPECT_TRUE(letti.insert(l.voce->record).second && n == static_cast<long>(letti.size()));
    });
    righe.aggiungi(a.leggi("VXMIRA.JNL")), righe.fine();
    EXPECT_EQ(letti.size(), static_cast<size_t>(PROCESSI * RIGHE));
}

TEST_F(Processi, UnProcessoUccisoColSemaforoLoRilascia) {
    int tubo[2];
    ASSERT_EQ(pipe(tubo), 0);
    const pid_t detentore = figlio([&] {
        archive::APRISEMA();
        if (write(tubo[1], "x", 1) != 1) _exit(97);
        pause();
    });
    char letto = 0;  // it holds the semaphore now
    ASSERT_EQ(read(tubo[0], &letto, 1), 1);
    close(tubo[0]), close(tubo[1]);
    // While it lives, nobody else gets in; after the kill, the next one does at once.
    auto prova = [](unsigned secondi) {
        return attendi(figlio([secondi] {
            alarm(secondi);  // a lock that outlived its process would hang here
            archive::APRISEMA(), archive::CHIUDISEMA();
        }));
    };
    EXPECT_EQ(prova(1), -1);
    kill(detentore, SIGKILL), waitpid(detentore, nullptr, 0);
    EXPECT_EQ(prova(10), 0);
}

TEST_F(Processi, UnaUccisioneLasciaIlVecchioIndiceOIlNuovoNelloStessoFile) {
    std::string lotto = "9\t" + std::string(10, ' ') + "\n";
    for (int r = 20; r >= 1; --r) lotto += "1\t" + chiave('K', 0, r) + "\t" + std::to_string(r) + "\n";
    const std::string vecchio = a.leggi("DATI.IDX");
    for (const auto& [parola, ingresso] : {std::pair<std::string, std::string>{"ricostruisci", ""}, {"esegui", lotto}}) {
        const auto parole = ingresso.empty() ? std::vector<std::string>{parola, "40"} : std::vector<std::string>{parola};
        platform::contaViaggi();
        ASSERT_EQ(comando(parole, ingresso).substr(0, 2), "0 ");
        const long long chiamate = platform::viaggiContati();
        platform::fermaViaggi();
        const std::string nuovo = a.leggi("DATI.IDX");
        ASSERT_LT(nuovo.size(), vecchio.size());  // the new index has no abandoned blocks
        int vecchi = 0, nuovi = 0, completati = 0;
        for (long long k = 1; k <= chiamate; ++k) {
            SCOPED_TRACE(parola + " " + std::to_string(k));
            a.scrivi("DATI.IDX", vecchio);  // in place: the same file
            std::filesystem::remove(a.locale("DATI.LINK"));
            std::filesystem::create_hard_link(a.locale("DATI.IDX"), a.locale("DATI.LINK"));
            ASSERT_EQ(attendi(figlio([&] {
                          platform::armaInterruzione(k, [] { raise(SIGKILL); });
                          comando(parole, ingresso);
                      })), -1);
            const std::string verifica = comando({"verifica", "dati"}), dopo = a.leggi("DATI.IDX");
            EXPECT_EQ(verifica.substr(0, 2), "0 ") << verifica;
            ASSERT_TRUE(dopo == vecchio || dopo == nuovo);
            EXPECT_EQ(a.leggi("DATI.LINK"), dopo);  // still the same file
            EXPECT_FALSE(a.esiste("DATI.IDX.SCRITTURA"));  // an image alone goes with the next rewrite
            (dopo == vecchio ? vecchi : nuovi)++;
            completati += verifica.find("completata la riscrittura") != std::string::npos;
        }
        // Kills before the marker leave the old index; after it, the next command ends the write.
        EXPECT_TRUE(vecchi > 0 && completati > 0 && nuovi >= completati) << vecchi << " " << completati << " " << nuovi;
    }
}

// A sound structure can point at the wrong workers: only the data shows it. 999999 (next's end
// of index) is stored nowhere, reported, walked past to the high key. Keys out of order: damage.
TEST_F(Processi, LaVerificaConIDatiIlNumero999999ELeChiaviFuoriOrdine) {
    comando({"esegui"}, "3\tK000000003\n3\tK000000004\n1\tK000000004\t5\n1\tK000000030\t30\n");
    EXPECT_EQ(comando({"verifica", "dati"}),
              "1 K000000004\t5\tNEL RECORD LA CHIAVE E' K000000005\n"
              "K000000030\t30\tRECORD OLTRE LA FINE DEL FILE DEI DATI\n"
              "K000000003\t3\tRECORD NON NELL'INDICE\n"
              "K000000004\t4\tNELL'INDICE LA CHIAVE PORTA AL RECORD 5\n");

    const std::string prima = a.leggi("DATI.IDX");
    EXPECT_EQ(comando({"inserisci", chiave('K', 0, 99), "999999"}).substr(0, 2), "2 ");
    EXPECT_EQ(comando({"esegui"}, "1\t" + chiave('K', 0, 99) + "\t999999\n").substr(0, 2), "2 ");
    a.catalogo({42, "GRANDE.DAT", 10}), a.scrivi("GRANDE.DAT", "");
    ::truncate(a.locale("GRANDE.DAT").c_str(), 999998L * 10);
    a.scrivi("GRANDE.DAT", a.leggi("GRANDE.DAT") + chiave('K', 0, 99));
    const std::string rifiuto = comando({"ricostruisci", "42"});
    EXPECT_NE(rifiuto.find("2 vxarchivio: il record 999999 dei dati"), std::string::npos) << rifiuto;
    EXPECT_EQ(a.leggi("DATI.IDX"), prima);

    archive::FAIOPEN(INDICE_DATI);
    isam::ISAM(INDICE_DATI, chiave('K', 0, 0), isam::ISAM_INSERISCI, 999999);  // another program's entry
    archive::CHIUDIFILE(0);
    const std::string elenco = comando({"elenca"});
    EXPECT_EQ(std::count(elenco.begin(), elenco.end(), '\n'), 21) << elenco;  // past 999999 to the high key
    // Two keys of the leaf swapped: the walk stops on the damage, not quietly at the end.
    std::string indice = a.leggi("DATI.IDX");
    const size_t foglia = 2 * 17 * 128, voce = 17;
    std::swap_ranges(indice.begin() + foglia + 5 * voce, indice.begin() + foglia + 6 * voce, indice.begin() + foglia + 9 * voce);
    a.scrivi("DATI.IDX", indice);
    EXPECT_EQ(comando({"elenca"}).substr(0, 2), "1 ");
}

}  // namespace
