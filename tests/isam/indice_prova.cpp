#include "indice_prova.h"

#include <cstdio>

#include "archive/configurazione.h"

namespace prova {

namespace {

struct VoceCatalogo {
    int numero;
    const char* nome;
    int lunghezza;
};

constexpr VoceCatalogo CATALOGO[] = {
    {7, "IDX10.DAT", 2176},
    {8, "IDX3.DAT", 1280},
    {9, "IDX6.DAT", 1664},
    {10, "STORTO.DAT", 100},
    {11, "DITTA###\\IDXD.DAT", 2176},
};

std::string nomeFile(double numero) {
    for (const auto& v : CATALOGO)
        if (v.numero == numero) return v.nome;
    return {};
}

}  // namespace

std::string voce(const std::string& chiave, char livello, long numero) {
    char cifre[8];
    std::snprintf(cifre, sizeof cifre, "%06ld", numero);
    return chiave + livello + cifre;
}

std::string blocco(long L, char livello, const std::vector<std::string>& voci) {
    std::string b;
    for (const auto& v : voci)
        b += v;
    while (b.size() < static_cast<size_t>((L + 7) * 128))
        b += voce(std::string(static_cast<size_t>(L), '\xFC'), livello, 0);
    return b;
}

void ProvaIsam::SetUp() {
    ProvaBase::SetUp();
    isam::azzeraIsam();
    archive::PERCORSOARCHIVI = cartella.percorso();
    std::string catalogo;
    for (int n = 1; n <= 12; ++n) {
        std::string record(79, ' ');
        for (const auto& v : CATALOGO) {
            if (v.numero != n) continue;
            record.replace(3, std::char_traits<char>::length(v.nome), v.nome);
            char lunghezza[6];
            std::snprintf(lunghezza, sizeof lunghezza, "%05d", v.lunghezza);
            record.replace(32, 5, lunghezza);
        }
        catalogo += record;
    }
    cartella.scrivi("QZBASE.DAT", catalogo);
}

void ProvaIsam::TearDown() {
    isam::azzeraIsam();
    archive::PERCORSOARCHIVI.clear();
    ProvaBase::TearDown();
}

std::string ProvaIsam::percorso(double numero) const {
    return cartella.file(nomeFile(numero));
}
std::string ProvaIsam::byte(double numero) const {
    return cartella.leggi(nomeFile(numero));
}
void ProvaIsam::scriviByte(double numero, const std::string& contenuto) const {
    cartella.scrivi(nomeFile(numero), contenuto);
}

void ProvaIsam::nuovoIndice(double numero) {
    ASSERT_EQ(isam::ISAM(numero, "", isam::ISAM_INIZIALIZZA, 0), 0);
}

std::string ProvaIsam::guasti(double numero) {
    std::string tutti;
    for (const auto& g : isam::verificaIndice(numero))
        tutti += g + "\n";
    return tutti;
}

}  // namespace prova
