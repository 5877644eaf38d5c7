// The selection window's loads and the archive search against the floor of reading the same
// bytes raw (pread), in the same run:
//   CARDIP over a company of 9,999 workers, CARDIT over 998 companies, FAIRICERCA "Tutti"
//   over a worker file of 100,000 records. Headless (offscreen).
// BM_Viaggi counts the round trips each makes (every call that reaches a file) and times one
// run with a 200 us wait per round trip, as on a network share without client caching.
// BM_Rapporti gives the CPU ratios against honest floors, from interleaved passes of one run
// timed in thread CPU time: the floors read what the work must read (the index path of each
// leaf, the records in runs of up to 1 MB), build every list line and sort the lists.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <sys/prctl.h>
#include <time.h>

#include <QApplication>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "isam/isam.h"
#include "platform/fine_programma.h"
#include "platform/guasti.h"
#include "runtime/testo.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/search/ricerca_arc.h"
#include "windows/selection/codvec.h"

namespace {

constexpr int DIPENDENTI = 9999;
constexpr int DITTE = 998;
constexpr long RECORD_RICERCA = 100000;

std::string cartella;
long lunghezzaDitta = 0, lunghezzaDipendente = 0, lunghezzaIndice = 0;

std::string percorso(const std::string& nome) {
    return cartella + "/" + nome;
}

void prepara() {
    if (!cartella.empty()) return;
    cartella =
        (std::filesystem::temp_directory_path() / ("bench_selezione." + std::to_string(getpid())))
            .string();
    std::filesystem::create_directories(cartella);
    tools::preparaArchivio(cartella);
    for (int c = 1; c <= DITTE; ++c) {
        tools::Ditta d;
        d.codice = c, d.nome = "DITTA " + std::to_string((c * 7919) % 1000);
        tools::scriviDitta(d);
    }
    tools::inizializzaIndice(7);
    for (int n = 1; n <= DIPENDENTI; ++n) {
        tools::Dipendente d;
        const std::string numero = std::to_string(10000 + n).substr(1);
        d.chiave = "001000" + numero;
        d.cognome = std::string(1, "ABCDEFGHILMNOPQRSTUVZWYJKX"[n % 26]) + "COGNOME" + numero;
        d.nome = "NOME";
        tools::scriviDipendente(d);
    }
    lunghezzaDitta = static_cast<long>(archive::LUNREC[1]);
    lunghezzaDipendente = static_cast<long>(archive::LUNREC[2]);
    archive::CHIUDIFILE(0);

    // The same workers with their records scattered: written in a shuffled order, so that
    // record numbers follow no order of the keys.
    tools::preparaArchivio(cartella + "/sparsi");
    for (int c = 1; c <= 3; ++c) {
        tools::Ditta d;
        d.codice = c, d.nome = "DITTA " + std::to_string(c);
        tools::scriviDitta(d);
    }
    tools::inizializzaIndice(7);
    std::vector<int> ordine(DIPENDENTI);
    for (int n = 0; n < DIPENDENTI; ++n)
        ordine[static_cast<size_t>(n)] = n + 1;
    std::shuffle(ordine.begin(), ordine.end(), std::mt19937(19));
    for (const int n : ordine) {
        tools::Dipendente d;
        const std::string numero = std::to_string(10000 + n).substr(1);
        d.chiave = "001000" + numero;
        d.cognome = std::string(1, "ABCDEFGHILMNOPQRSTUVZWYJKX"[n % 26]) + "COGNOME" + numero;
        d.nome = "NOME";
        tools::scriviDipendente(d);
    }
    archive::CHIUDIFILE(0);
    tools::preparaArchivio(cartella);
    archive::FAIOPEN(7);
    lunghezzaIndice = static_cast<long>(archive::LUNREC[7]);
    archive::CHIUDIFILE(0);

    // The search file: file 2 of a second archive, written raw (the index plays no part).
    const std::string cartellaRicerca = cartella + "/ricerca";
    std::filesystem::create_directories(cartellaRicerca);
    tools::preparaArchivio(cartellaRicerca);
    archive::CHIUDIFILE(0);
    const int fd =
        ::open((cartellaRicerca + "/DIPEND.DAT").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::string blocco;
    for (long r = 1; r <= RECORD_RICERCA; ++r) {
        std::string record(static_cast<size_t>(lunghezzaDipendente), ' ');
        const std::string chiave = "001" + std::to_string(10000000 + r).substr(1);
        record.replace(2, 10, chiave);
        blocco += record;
        if (r % 1000 == 0) {
            if (::write(fd, blocco.data(), blocco.size()) != static_cast<ssize_t>(blocco.size()))
                std::abort();
            blocco.clear();
        }
    }
    ::close(fd);
}

void apriArchivio(const std::string& dove) {
    archive::CHIUDIFILE(0);
    tools::preparaArchivio(dove);
    for (double n : {1.0, 2.0, 7.0})
        archive::FAIOPEN(n);
}

// Raw reads of n records of a file, in order.
void leggiGrezzo(const std::string& file, long lunghezza, long n, benchmark::State& stato) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    std::string dati(static_cast<size_t>(lunghezza), '\0');
    for (long r = 0; r < n; ++r) {
        if (::pread(fd, dati.data(), dati.size(), static_cast<off_t>(r) * lunghezza) != lunghezza) {
            stato.SkipWithError("short read");
            break;
        }
        benchmark::DoNotOptimize(dati.data());
    }
    ::close(fd);
}

void BM_CARDIP(benchmark::State& stato) {
    prepara();
    apriArchivio(cartella);
    windows::Modulo<windows::CODVEC> modulo{"CODVEC"};
    windows::CODVEC& f = modulo.carica();
    for (auto _ : stato) {
        windows::SCAMBIO_S[50] = "0010000000";
        int16_t tab = 0;
        f.CARDIP(tab);
        if (f.LISTDIP[0]->ListCount() != DIPENDENTI) stato.SkipWithError("workers missing");
    }
}

// The floor: per worker, the three index blocks a next key reads and the worker record.
void BM_CARDIP_grezzo(benchmark::State& stato) {
    prepara();
    for (auto _ : stato) {
        const int indice = ::open(percorso("DIPEND.IDX").c_str(), O_RDONLY);
        const int dati = ::open(percorso("DIPEND.DAT").c_str(), O_RDONLY);
        const long blocchi =
            static_cast<long>(std::filesystem::file_size(percorso("DIPEND.IDX")) / lunghezzaIndice);
        std::string blocco(static_cast<size_t>(lunghezzaIndice), '\0');
        std::string record(static_cast<size_t>(lunghezzaDipendente), '\0');
        for (long n = 0; n < DIPENDENTI; ++n) {
            for (long livello = 0; livello < 3; ++livello) {
                const long b = livello == 0 ? 0 : 1 + (n / 64 + livello) % (blocchi - 1);
                if (::pread(indice, blocco.data(), blocco.size(),
                            static_cast<off_t>(b) * lunghezzaIndice) <= 0)
                    stato.SkipWithError("index read");
            }
            if (::pread(dati, record.data(), record.size(),
                        static_cast<off_t>(n) * lunghezzaDipendente) <= 0)
                stato.SkipWithError("record read");
            benchmark::DoNotOptimize(record.data());
        }
        ::close(indice);
        ::close(dati);
    }
}

void BM_CARDIT(benchmark::State& stato) {
    prepara();
    apriArchivio(cartella);
    windows::Modulo<windows::CODVEC> modulo{"CODVEC"};
    windows::CODVEC& f = modulo.carica();
    for (auto _ : stato) {
        f.LISTADITTE[0]->Clear();  // CARDIT loads once per window
        f.LISTADITTE[1]->Clear();
        f.CARDIT();
        if (f.LISTADITTE[0]->ListCount() != DITTE) stato.SkipWithError("companies missing");
    }
}

void BM_CARDIT_grezzo(benchmark::State& stato) {
    prepara();
    for (auto _ : stato)
        leggiGrezzo(percorso("DITTE.DAT"), lunghezzaDitta, DITTE, stato);
}

void BM_FAIRICERCA_Tutti(benchmark::State& stato) {
    prepara();
    apriArchivio(cartella + "/ricerca");
    windows::Modulo<windows::RICERCA_ARC> modulo{"RICERCA_ARC"};
    windows::RICERCA_ARC& f = modulo.carica();
    f.impostaParametri("0100030350130020");
    f.SSOption1[2]->setChecked(true);
    for (auto _ : stato) {
        f.RICERCA_Click(1);
        f.RICERCA_Click(0);
        if (f.List1->ListCount() != RECORD_RICERCA) stato.SkipWithError("records missing");
    }
}

void BM_FAIRICERCA_grezzo(benchmark::State& stato) {
    prepara();
    for (auto _ : stato)
        leggiGrezzo(cartella + "/ricerca/DIPEND.DAT", lunghezzaDipendente, RECORD_RICERCA, stato);
}

// What the archive layer alone costs: the same ISAM and LEGGIREC calls without the lists, and
// the search's LEGGIREC calls alone. The window's own share is the difference.
void BM_CARDIP_solo_archivio(benchmark::State& stato) {
    prepara();
    apriArchivio(cartella);
    for (auto _ : stato) {
        std::string chiave = "0010000000";
        long n = 0;
        for (;;) {
            const double r = isam::ISAM(7, chiave, isam::ISAM_SUCCESSIVA, 0);
            if (r == isam::ISAM_FINE || isam::CHIAVEISAM_S.compare(0, 3, "001") != 0) break;
            if (archive::LEGGIREC(2, r) == 1) break;
            chiave = isam::CHIAVEISAM_S;
            ++n;
        }
        if (n != DIPENDENTI) stato.SkipWithError("workers missing");
    }
}

void BM_FAIRICERCA_solo_LEGGIREC(benchmark::State& stato) {
    prepara();
    apriArchivio(cartella + "/ricerca");
    for (auto _ : stato) {
        double n = 0;
        while (archive::LEGGIREC(2, ++n) == 0)
            benchmark::DoNotOptimize(archive::AREAREC[2].data());
    }
}

// ---- Round trips ----------------------------------------------------------------------

// Round trips per unit of one run of `lavoro`, and the wall time of a run in which each one
// waits 200 us (the processor time of the work itself comes on top of the waits).
void viaggi(benchmark::State& stato, const std::string& nome, double unita,
            const std::function<void()>& lavoro) {
    platform::contaViaggi();
    lavoro();
    stato.counters[nome + "_viaggi"] = static_cast<double>(platform::viaggiContati()) / unita;
    platform::contaViaggi(std::chrono::microseconds{200});
    const auto t0 = std::chrono::steady_clock::now();
    lavoro();
    const std::chrono::duration<double> durata = std::chrono::steady_clock::now() - t0;
    platform::fermaViaggi();
    stato.counters[nome + "_s_200us"] = durata.count();
}

struct Finestre {
    windows::Modulo<windows::CODVEC> codvec{"CODVEC"};
    windows::Modulo<windows::RICERCA_ARC> ricerca{"RICERCA_ARC"};
};

void cardip(windows::CODVEC& f) {
    windows::SCAMBIO_S[50] = "0010000000";
    int16_t tab = 0;
    f.CARDIP(tab);
    if (f.LISTDIP[0]->ListCount() != DIPENDENTI) std::abort();
}

void cardit(windows::CODVEC& f) {
    f.LISTADITTE[0]->Clear();
    f.LISTADITTE[1]->Clear();
    f.CARDIT();
    if (f.LISTADITTE[0]->ListCount() != DITTE) std::abort();
}

void ricercaTutti(windows::RICERCA_ARC& f) {
    f.impostaParametri("0100030350130020");
    f.SSOption1[2]->setChecked(true);
    f.RICERCA_Click(1);
    f.RICERCA_Click(0);
    if (f.List1->ListCount() != RECORD_RICERCA) std::abort();
}

void BM_Viaggi(benchmark::State& stato) {
    prepara();
    for (auto _ : stato) {
        Finestre w;
        apriArchivio(cartella);
        viaggi(stato, "CARDIP_consecutivi", DIPENDENTI, [&] { cardip(w.codvec.carica()); });
        viaggi(stato, "CARDIT", DITTE, [&] { cardit(w.codvec.carica()); });
        apriArchivio(cartella + "/sparsi");
        viaggi(stato, "CARDIP_sparsi", DIPENDENTI, [&] { cardip(w.codvec.carica()); });
        apriArchivio(cartella + "/ricerca");
        const double mb = static_cast<double>(RECORD_RICERCA) * lunghezzaDipendente / 1048576.0;
        viaggi(stato, "FAIRICERCA_per_MB", mb, [&] { ricercaTutti(w.ricerca.carica()); });
        stato.counters["FAIRICERCA_viaggi_per_record"] =
            stato.counters["FAIRICERCA_per_MB_viaggi"] * mb / RECORD_RICERCA;
    }
}

// ---- Honest floors ----------------------------------------------------------------------

double cpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The leaves of an index, each with the blocks of its path and its entries' record numbers.
struct Foglio {
    long livello2 = 0, foglia = 0;
    std::vector<long> record;
};

std::vector<Foglio> foglie(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    const long voce = lunghezzaIndice / 128;
    auto blocco = [&](long n) {
        std::string b(static_cast<size_t>(lunghezzaIndice), '\0');
        if (::pread(fd, b.data(), b.size(), static_cast<off_t>(n - 1) * lunghezzaIndice) <= 0)
            std::abort();
        return b;
    };
    auto voci = [&](const std::string& b) {
        std::vector<long> figli;
        for (long m = 0; m < 128 && b[static_cast<size_t>(m * voce)] != '\xFC'; ++m)
            figli.push_back(
                std::atol(b.substr(static_cast<size_t>(m * voce + voce - 6), 6).c_str()));
        return figli;
    };
    std::vector<Foglio> esito;
    for (const long l2 : voci(blocco(1)))
        for (const long f : voci(blocco(l2)))
            esito.push_back({l2, f, voci(blocco(f))});
    ::close(fd);
    return esito;
}

// The worker lines of CARDIP, built and sorted as the window's lists need them.
void righeDipendente(std::string_view r, std::array<std::vector<std::string>, 9>& liste) {
    auto pulito = [](std::string_view t) {
        const size_t a = t.find_first_not_of(' ');
        if (a == std::string_view::npos) return std::string_view();
        return t.substr(a, t.find_last_not_of(' ') - a + 1);
    };
    std::string nome(pulito(r.substr(9514, 30)));
    nome += ' ';
    nome += pulito(r.substr(9544, 30)).substr(0, 1);
    nome += '.';
    nome.resize(36, ' ');
    const std::string_view codice = r.substr(2, 10);
    liste[0].push_back(std::string(codice) + ' ' + nome);
    static const std::string lettere = "ABCDEFGHILMNOPQRSTUVZ";
    const size_t p = lettere.find(nome[0]);
    liste[p == std::string::npos ? 8 : p / 3 + 1].push_back(nome + std::string(codice));
}

// The least CARDIP can do: per leaf its index path, the records in runs, the lines, the sort.
double pavimentoCardip(const std::string& dove, const std::vector<Foglio>& foglie) {
    const double t0 = cpu();
    const int indice = ::open((dove + "/DIPEND.IDX").c_str(), O_RDONLY);
    const int dati = ::open((dove + "/DIPEND.DAT").c_str(), O_RDONLY);
    std::string blocco(static_cast<size_t>(lunghezzaIndice), '\0');
    std::string run;
    std::array<std::vector<std::string>, 9> liste;
    const auto L = static_cast<size_t>(lunghezzaDipendente);
    for (const Foglio& f : foglie) {
        for (const long b : {1L, f.livello2, f.foglia})
            if (::pread(indice, blocco.data(), blocco.size(),
                        static_cast<off_t>(b - 1) * lunghezzaIndice) <= 0)
                std::abort();
        for (size_t k = 0; k < f.record.size();) {
            size_t j = k + 1;
            while (j < f.record.size() && f.record[j] == f.record[j - 1] + 1 &&
                   (j - k + 1) * L <= 1048576)
                ++j;
            run.resize((j - k) * L);
            if (::pread(dati, run.data(), run.size(), static_cast<off_t>(f.record[k] - 1) * L) <= 0)
                std::abort();
            for (size_t i = 0; i < j - k; ++i)
                righeDipendente(std::string_view(run).substr(i * L, L), liste);
            k = j;
        }
    }
    for (auto& l : liste)
        std::sort(l.begin(), l.end());
    ::close(indice);
    ::close(dati);
    if (liste[0].size() != DIPENDENTI) std::abort();
    return cpu() - t0;
}

// The least CARDIT can do: the company records in one run, both lines of each, the sort.
double pavimentoCardit() {
    const double t0 = cpu();
    const int fd = ::open(percorso("DITTE.DAT").c_str(), O_RDONLY);
    const auto L = static_cast<size_t>(lunghezzaDitta);
    std::string run;
    std::vector<std::string> perNome, perCodice;
    for (size_t primo = 0; primo < DITTE;) {
        const size_t n = std::min<size_t>(DITTE - primo, 1048576 / L);
        run.resize(n * L);
        if (::pread(fd, run.data(), run.size(), static_cast<off_t>(primo * L)) <= 0) std::abort();
        for (size_t i = 0; i < n; ++i) {
            const std::string_view r = std::string_view(run).substr(i * L, L);
            if (r.substr(0, 2) == "99") continue;
            const std::string_view codice = r.substr(2, 3), nome = r.substr(5, 30);
            perNome.push_back(std::string(nome) + ' ' + std::string(codice));
            perCodice.push_back(std::string(codice) + ' ' + std::string(nome));
        }
        primo += n;
    }
    std::sort(perNome.begin(), perNome.end());
    std::sort(perCodice.begin(), perCodice.end());
    ::close(fd);
    if (perNome.size() != DITTE) std::abort();
    return cpu() - t0;
}

double tempo(const std::function<void()>& lavoro) {
    const double t0 = cpu();
    lavoro();
    return cpu() - t0;
}

void BM_Rapporti(benchmark::State& stato) {
    prepara();
    const auto foglieConsecutivi = foglie(percorso("DIPEND.IDX"));
    const auto foglieSparsi = foglie(cartella + "/sparsi/DIPEND.IDX");
    for (auto _ : stato) {
        Finestre w;
        double cc = 1e9, pc = 1e9, cs = 1e9, ps = 1e9, ct = 1e9, pt = 1e9, fr = 1e9, pr = 1e9;
        for (int giro = 0; giro < 5; ++giro) {
            apriArchivio(cartella);
            cc = std::min(cc, tempo([&] { cardip(w.codvec.carica()); }));
            pc = std::min(pc, pavimentoCardip(cartella, foglieConsecutivi));
            ct = std::min(ct, tempo([&] { cardit(w.codvec.carica()); }));
            pt = std::min(pt, pavimentoCardit());
            apriArchivio(cartella + "/sparsi");
            cs = std::min(cs, tempo([&] { cardip(w.codvec.carica()); }));
            ps = std::min(ps, pavimentoCardip(cartella + "/sparsi", foglieSparsi));
            if (giro < 3) {
                apriArchivio(cartella + "/ricerca");
                fr = std::min(fr, tempo([&] { ricercaTutti(w.ricerca.carica()); }));
                pr = std::min(pr, tempo([&] {
                                  leggiGrezzo(cartella + "/ricerca/DIPEND.DAT", lunghezzaDipendente,
                                              RECORD_RICERCA, stato);
                              }));
            }
        }
        stato.counters["CARDIP_consecutivi_ms"] = cc * 1e3;
        stato.counters["CARDIP_consecutivi_vs_floor"] = cc / pc;
        stato.counters["CARDIP_sparsi_ms"] = cs * 1e3;
        stato.counters["CARDIP_sparsi_vs_floor"] = cs / ps;
        stato.counters["CARDIT_ms"] = ct * 1e3;
        stato.counters["CARDIT_vs_floor"] = ct / pt;
        stato.counters["FAIRICERCA_ms"] = fr * 1e3;
        stato.counters["FAIRICERCA_vs_floor"] = fr / pr;
    }
}

BENCHMARK(BM_CARDIP_solo_archivio)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FAIRICERCA_solo_LEGGIREC)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_CARDIP)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CARDIP_grezzo)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CARDIT)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_CARDIT_grezzo)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_FAIRICERCA_Tutti)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_FAIRICERCA_grezzo)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_Viaggi)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rapporti)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Waits of 200 us measured as 200 us, not stretched by the default 50 us timer slack.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    archive::CHIUDIFILE(0);
    if (!cartella.empty()) std::filesystem::remove_all(cartella);
    return 0;
}
