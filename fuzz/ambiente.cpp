#include "ambiente.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/fine_programma.h"
#include "platform/servizi_ui.h"

namespace fuzz {

namespace {

std::string radice;

class ServiziMuti final : public platform::ServiziUI {
  public:
    platform::Risposta messaggio(const platform::Messaggio& m) override {
        return platform::rispostaPredefinita(m);
    }
    void mostraModale(const std::string&, const std::function<void()>&) override {}
    void beep() override {}
    void clessidra(bool) override {}
};

void rimuovi() {
    std::error_code ignorato;
    std::filesystem::remove_all(radice, ignorato);
}

}  // namespace

void prepara() {
    if (!radice.empty()) return;
    // In memory when the machine offers it: every input writes and reads files.
    char modello[] = "/dev/shm/vxfuzz.XXXXXX";
    char riserva[] = "/tmp/vxfuzz.XXXXXX";
    char* cartella = mkdtemp(modello);
    if (cartella == nullptr) cartella = mkdtemp(riserva);
    if (cartella == nullptr) std::abort();
    radice = cartella;
    std::atexit(rimuovi);
    std::filesystem::create_directories(radice + "/unita/C/ARCHIVI");
    setenv("PONTEVAL_UNITA", (radice + "/unita").c_str(), 1);
    setenv("PONTEVAL_REGISTRO", (radice + "/registro.reg").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", radice.c_str(), 1);
    platform::installaServizi(std::make_unique<ServiziMuti>());
    platform::impostaFineProgramma([](int codice) { throw platform::FineProgramma{codice}; });
    azzera();
}

void azzera() {
    archive::azzeraTraccia();
    archive::azzeraSlot();
    archive::azzeraCatalogo();
    archive::azzeraSemaforo();
    archive::PERCORSOARCHIVI = "C:\\ARCHIVI";
    archive::PERCORSOPROGRAMMI = "C:\\ARCHIVI";
    archive::NOMEPROGRAMMA = "VXMIRA";
    archive::NOMEPROGETTO = "VXMIRA";
}

std::string percorsoArchivio(const std::string& nome) {
    return radice + "/unita/C/ARCHIVI/" + nome;
}

void scriviArchivio(const std::string& nome, std::string_view byte) {
    std::ofstream f(percorsoArchivio(nome), std::ios::binary | std::ios::trunc);
    f.write(byte.data(), static_cast<std::streamsize>(byte.size()));
    if (!f) std::abort();
}

std::string recordCatalogo(const std::string& modello, int lunghezza) {
    // Number in 1-3, template in 4-32, record length in 33-37, blanks to 79.
    std::string r(79, ' ');
    std::memcpy(r.data() + 3, modello.data(), std::min<size_t>(modello.size(), 29));
    char cifre[16];
    std::snprintf(cifre, sizeof cifre, "%05d", lunghezza);
    std::memcpy(r.data() + 32, cifre, 5);
    return r;
}

uint8_t Lettore::byte() {
    if (resto_.empty()) return 0;
    const auto b = static_cast<uint8_t>(resto_.front());
    resto_.remove_prefix(1);
    return b;
}

int16_t Lettore::intero16() {
    const auto alto = static_cast<uint16_t>(byte());
    return static_cast<int16_t>(static_cast<uint16_t>(alto << 8 | byte()));
}

double Lettore::reale() {
    uint64_t bit = 0;
    for (int i = 0; i < 8; ++i)
        bit = bit << 8 | byte();
    double x;
    std::memcpy(&x, &bit, sizeof x);
    return x;
}

std::string Lettore::pezzo(size_t massimo) {
    const size_t n = std::min<size_t>({byte(), massimo, resto_.size()});
    std::string p(resto_.substr(0, n));
    resto_.remove_prefix(n);
    return p;
}

}  // namespace fuzz
