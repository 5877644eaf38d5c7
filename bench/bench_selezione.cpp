// The selection window's loads and the archive search against the floor of reading the same
// bytes raw (pread), in the same run:
//   CARDIP over a company of 9,999 workers, CARDIT over 998 companies, FAIRICERCA "Tutti"
//   over a worker file of 100,000 records. Headless (offscreen).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QRadioButton>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "isam/isam.h"
#include "platform/fine_programma.h"
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

BENCHMARK(BM_CARDIP_solo_archivio)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FAIRICERCA_solo_LEGGIREC)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_CARDIP)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CARDIP_grezzo)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_CARDIT)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_CARDIT_grezzo)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(BM_FAIRICERCA_Tutti)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_FAIRICERCA_grezzo)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    archive::CHIUDIFILE(0);
    if (!cartella.empty()) std::filesystem::remove_all(cartella);
    return 0;
}
