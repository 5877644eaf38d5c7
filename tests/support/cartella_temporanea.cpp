#include "support/cartella_temporanea.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace supporto {

namespace fs = std::filesystem;

CartellaTemporanea::CartellaTemporanea() {
    const char* base = std::getenv("TMPDIR");
    std::string modello = std::string(base && *base ? base : "/tmp") + "/vxmira-prova-XXXXXX";
    std::vector<char> buf(modello.begin(), modello.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        throw std::runtime_error("mkdtemp " + modello + ": " + std::strerror(errno));
    percorso_ = buf.data();
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    fs::remove_all(percorso_, ec);
}

std::string CartellaTemporanea::file(const std::string& nome) const {
    return percorso_ + "/" + nome;
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

void CartellaTemporanea::scrivi(const std::string& nome, const std::string& contenuto) const {
    scriviFile(file(nome), contenuto);
}

std::string CartellaTemporanea::leggi(const std::string& nome) const {
    return leggiFile(file(nome));
}

}  // namespace supporto
