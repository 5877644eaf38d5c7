// ISAM find and walk on an index of 100,000 ten-character keys held in the page cache,
// against the floor of the raw block reads they make and against SQLite.
//
// BM_Viaggi counts the round trips (calls that reach the file) of a find and of a whole walk,
// and times 1,000 finds with a 200 us wait per round trip, as on a network share.
//
// Every benchmark reports "ns_per_op"; the ratio benchmarks (registered last) report
// find/floor, find/sqlite and walk/floor as counters. Run with the release build:
//   build/isam-rel/bench/bench_isam

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/configurazione.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "isam/isam.h"
#include "platform/guasti.h"
#include "runtime/numeri.h"

namespace {

// Thread CPU time: a busy machine then slows neither side of a ratio by preempting it.
double adesso() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

constexpr double INDICE = 7;
constexpr long L = 10;
constexpr long R = (L + 7) * 128;
constexpr int CHIAVI = 100000;
constexpr int CAMPIONE = 20000;

// The blocks one ISAM call read, from the procedure trace ("LEGGIREC (7-n)").
std::vector<long> blocchiLetti() {
    std::vector<long> blocchi;
    for (int i = 1; i <= archive::TRACCIA_INDICE; ++i)
        blocchi.push_back(std::atol(archive::TRACCIA_ELENCO[i].c_str() + 12));
    return blocchi;
}

struct Ambiente {
    std::string cartella;
    std::vector<std::string> chiavi;   // sorted
    std::vector<int> ordine;           // lookup order: indexes into chiavi
    std::vector<std::string> cercate;  // the same keys, stored in lookup order
    std::vector<long> bloccoFind;      // 3 per lookup in `ordine`
    std::vector<long> bloccoWalk;      // every block the walk reads, in order
    int fd = -1;
    sqlite3* db = nullptr;
    sqlite3_stmt* cerca = nullptr;

    Ambiente() {
        char modello[] = "/tmp/vxmira-bench-XXXXXX";
        if (!mkdtemp(modello)) throw std::runtime_error("mkdtemp");
        cartella = modello;
        std::string catalogo(7 * 79, ' ');
        catalogo.replace(6 * 79 + 3, 10, "INDICE.DAT");
        catalogo.replace(6 * 79 + 32, 5, "02176");
        std::ofstream(cartella + "/QZBASE.DAT", std::ios::binary) << catalogo;
        archive::PERCORSOARCHIVI = cartella;

        std::mt19937 rng(7);
        std::vector<std::string> mescolate;
        for (int i = 0; i < CHIAVI; ++i) {
            char k[16];
            std::snprintf(k, sizeof k, "%03u%07u", static_cast<unsigned>(rng() % 1000),
                          static_cast<unsigned>(i));
            mescolate.push_back(k);
        }
        isam::ISAM(INDICE, "", isam::ISAM_INIZIALIZZA, 0);
        for (int i = 0; i < CHIAVI; ++i)
            if (isam::ISAM(INDICE, mescolate[i], isam::ISAM_INSERISCI, i + 1) != 0)
                throw std::runtime_error("insert");
        chiavi = mescolate;
        std::sort(chiavi.begin(), chiavi.end());

        for (int i = 0; i < CAMPIONE; ++i)
            ordine.push_back(static_cast<int>(rng() % CHIAVI));
        for (const int i : ordine)
            cercate.push_back(chiavi[i]);
        for (const int i : ordine) {
            archive::azzeraTraccia();
            isam::ISAM(INDICE, chiavi[i], isam::ISAM_TROVA, 0);
            const auto b = blocchiLetti();
            if (b.size() != 3) throw std::runtime_error("find is not three reads");
            bloccoFind.insert(bloccoFind.end(), b.begin(), b.end());
        }
        std::string k(L, ' ');
        for (int i = 0; i <= CHIAVI; ++i) {
            archive::azzeraTraccia();
            isam::ISAM(INDICE, k, isam::ISAM_SUCCESSIVA, 0);
            const auto b = blocchiLetti();
            bloccoWalk.insert(bloccoWalk.end(), b.begin(), b.end());
            k = isam::CHIAVEISAM_S;
        }
        fd = open((cartella + "/INDICE.DAT").c_str(), O_RDONLY);

        const std::string base = cartella + "/peer.db";
        sqlite3_open(base.c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE t(k TEXT PRIMARY KEY, r INTEGER); BEGIN", 0, 0, 0);
        sqlite3_stmt* ins = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO t VALUES(?, ?)", -1, &ins, nullptr);
        for (int i = 0; i < CHIAVI; ++i) {
            sqlite3_bind_text(ins, 1, mescolate[i].data(), L, SQLITE_STATIC);
            sqlite3_bind_int(ins, 2, i + 1);
            sqlite3_step(ins);
            sqlite3_reset(ins);
        }
        sqlite3_finalize(ins);
        sqlite3_exec(db, "COMMIT", 0, 0, 0);
        sqlite3_prepare_v2(db, "SELECT r FROM t WHERE k = ?", -1, &cerca, nullptr);
    }
    ~Ambiente() {
        sqlite3_finalize(cerca);
        sqlite3_close(db);
        close(fd);
        archive::CHIUDIFILE(0);
        std::filesystem::remove_all(cartella);
    }
};

Ambiente& ambiente() {
    static Ambiente a;
    return a;
}

// One pass of each measured loop; they return the time per operation in nanoseconds.
double passoFind(Ambiente& a) {
    const double t0 = adesso();
    double somma = 0;
    for (const auto& k : a.cercate)
        somma += isam::ISAM(INDICE, k, isam::ISAM_TROVA, 0);
    benchmark::DoNotOptimize(somma);
    return (adesso() - t0) / static_cast<double>(a.ordine.size());
}

double passoPread(Ambiente& a, const std::vector<long>& blocchi, size_t operazioni) {
    std::string buffer(R, ' ');
    const double t0 = adesso();
    for (const long b : blocchi) {
        if (pread(a.fd, buffer.data(), R, static_cast<off_t>((b - 1) * R)) != R) std::abort();
        benchmark::DoNotOptimize(buffer.data());
    }
    return (adesso() - t0) / static_cast<double>(operazioni);
}

double passoSqlite(Ambiente& a) {
    const double t0 = adesso();
    long long somma = 0;
    for (const auto& k : a.cercate) {
        sqlite3_bind_text(a.cerca, 1, k.data(), L, SQLITE_STATIC);
        if (sqlite3_step(a.cerca) != SQLITE_ROW) std::abort();
        somma += sqlite3_column_int(a.cerca, 0);
        sqlite3_reset(a.cerca);
    }
    benchmark::DoNotOptimize(somma);
    return (adesso() - t0) / static_cast<double>(a.ordine.size());
}

double passoWalk() {
    std::string k(L, ' ');
    const double t0 = adesso();
    int passi = 0;
    while (isam::ISAM(INDICE, k, isam::ISAM_SUCCESSIVA, 0) != isam::ISAM_FINE) {
        k = isam::CHIAVEISAM_S;
        ++passi;
    }
    if (passi != CHIAVI) std::abort();
    return (adesso() - t0) / static_cast<double>(CHIAVI + 1);
}

void BM_IsamFind(benchmark::State& s) {
    auto& a = ambiente();
    for (auto _ : s)
        s.counters["ns_per_op"] = passoFind(a);
}
void BM_PreadFloorFind(benchmark::State& s) {
    auto& a = ambiente();
    for (auto _ : s)
        s.counters["ns_per_op"] = passoPread(a, a.bloccoFind, a.ordine.size());
}
void BM_SqliteFind(benchmark::State& s) {
    auto& a = ambiente();
    for (auto _ : s)
        s.counters["ns_per_op"] = passoSqlite(a);
}
void BM_IsamWalk(benchmark::State& s) {
    ambiente();  // builds the index on first use
    for (auto _ : s)
        s.counters["ns_per_op"] = passoWalk();
}
void BM_PreadFloorWalk(benchmark::State& s) {
    auto& a = ambiente();
    for (auto _ : s)
        s.counters["ns_per_op"] = passoPread(a, a.bloccoWalk, CHIAVI + 1);
}

// The ratios, each from interleaved passes of the same run (best pass of each side), so
// that a noisy neighbour on the machine weighs on both sides alike.
void BM_Ratios(benchmark::State& s) {
    auto& a = ambiente();
    for (auto _ : s) {
        double find = 1e18, floorFind = 1e18, sqlite = 1e18, walk = 1e18, floorWalk = 1e18;
        for (int giro = 0; giro < 5; ++giro) {
            find = std::min(find, passoFind(a));
            floorFind = std::min(floorFind, passoPread(a, a.bloccoFind, a.ordine.size()));
            sqlite = std::min(sqlite, passoSqlite(a));
            walk = std::min(walk, passoWalk());
            floorWalk = std::min(floorWalk, passoPread(a, a.bloccoWalk, CHIAVI + 1));
        }
        s.counters["find_ns"] = find;
        s.counters["find_vs_pread_floor"] = find / floorFind;
        s.counters["find_vs_sqlite"] = find / sqlite;
        s.counters["walk_vs_pread_floor"] = walk / floorWalk;
        s.counters["walk_reads_per_next"] = static_cast<double>(a.bloccoWalk.size()) / (CHIAVI + 1);
    }
}

void BM_Viaggi(benchmark::State& s) {
    auto& a = ambiente();
    // Waits of 200 us measured as 200 us, not stretched by the default 50 us timer slack.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    for (auto _ : s) {
        platform::contaViaggi();
        passoFind(a);
        s.counters["find_viaggi"] =
            static_cast<double>(platform::viaggiContati()) / static_cast<double>(a.cercate.size());
        platform::contaViaggi();
        passoWalk();
        s.counters["walk_viaggi_per_next"] =
            static_cast<double>(platform::viaggiContati()) / (CHIAVI + 1);
        platform::contaViaggi(std::chrono::microseconds{200});
        const auto t0 = std::chrono::steady_clock::now();
        for (size_t i = 0; i < 1000; ++i)
            isam::ISAM(INDICE, a.cercate[i], isam::ISAM_TROVA, 0);
        const std::chrono::duration<double, std::micro> t = std::chrono::steady_clock::now() - t0;
        platform::fermaViaggi();
        s.counters["find_us_200us"] = t.count() / 1000;
    }
}

BENCHMARK(BM_IsamFind)->Iterations(getenv("VX_GIRI") ? atoi(getenv("VX_GIRI")) : 5);
BENCHMARK(BM_PreadFloorFind)->Iterations(getenv("VX_GIRI") ? atoi(getenv("VX_GIRI")) : 5);
BENCHMARK(BM_SqliteFind)->Iterations(5);
BENCHMARK(BM_IsamWalk)->Iterations(3);
BENCHMARK(BM_PreadFloorWalk)->Iterations(3);
BENCHMARK(BM_Ratios)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Viaggi)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
