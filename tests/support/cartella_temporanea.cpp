#include "support/cartella_temporanea.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace supporto {

namespace fs = std::filesystem;

CartellaTemporanea::CartellaTemporanea() {
    // The system's temporary folder ($TMPDIR on Linux), a fresh random name inside it.
    const fs::path p = fs::temp_directory_path() /
                       ("vxmira-prova-" + std::to_string(std::random_device()()) + "-" + std::to_string(std::random_device()()));
    if (!fs::create_directory(p)) throw std::runtime_error("already there: " + p.string());
    percorso_ = p.string();
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    fs::remove_all(percorso_, ec);
}

void scriviFile(const std::string& percorso, const std::string& contenuto) {
    const fs::path p = percorso;
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(contenuto.data(), static_cast<std::streamsize>(contenuto.size()));
    if (!f) throw std::runtime_error("cannot write " + p.string());
}

std::string leggiFile(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace supporto
