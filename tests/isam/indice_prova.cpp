#include "indice_prova.h"

#include <cstdio>

namespace prova {

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
    a.impostaGlobali();
}

namespace {
// Files 7 to 10 of the test catalogue.
const char* nomeFile(double numero) {
    static const char* const nomi[] = {"IDX10.DAT", "IDX3.DAT", "IDX6.DAT", "STORTO.DAT"};
    return nomi[static_cast<int>(numero) - 7];
}
}  // namespace

std::string ProvaIsam::byte(double numero) const {
    return a.leggi(nomeFile(numero));
}
void ProvaIsam::scriviByte(double numero, const std::string& contenuto) const {
    a.scrivi(nomeFile(numero), contenuto);
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
