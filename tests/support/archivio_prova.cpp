#include "support/archivio_prova.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "archive/configurazione.h"
#include "platform/percorsi.h"
#include "support/prova_base.h"
#include "support/sistema_prova.h"

namespace supporto {

namespace fs = std::filesystem;

std::string recordCatalogo(const std::string& modello, int lunghezza) {
    if (modello.size() > 29) throw std::invalid_argument("template longer than 29: " + modello);
    char cifre[16];
    std::snprintf(cifre, sizeof cifre, "%05d", lunghezza);
    std::string record = "   " + modello + std::string(29 - modello.size(), ' ') + cifre;
    record.resize(79, ' ');
    return record;
}

ArchivioProva::ArchivioProva(const std::vector<VoceCatalogo>& voci) {
    fs::create_directories(tmp_.file("run"));
    // The lock folder is private: parallel test processes and a real copy of the program on
    // this machine do not see each other.
    ambiente("PONTEVAL_UNITA", tmp_.file("unita"));
    ambiente("PONTEVAL_REGISTRO", fileRegistro());
    ambiente("XDG_RUNTIME_DIR", tmp_.file("run"));
    preparaUnitaC();
    cartella(ARCHIVI), cartella(PROGRAMMI);
    impostaGlobali();
    for (const auto& v : voci) catalogo(v);
    if (voci.empty()) scrivi(std::string(ARCHIVI) + "\\QZBASE.DAT", "");
}

ArchivioProva::~ArchivioProva() {
    azzeraTutto();  // closes every channel before the folder goes
    for (auto v = ambientePrima_.rbegin(); v != ambientePrima_.rend(); ++v)
        impostaVariabile(v->first.c_str(), v->second ? v->second->c_str() : nullptr);
    liberaUnitaC();
}

void ArchivioProva::ambiente(const std::string& nome, const std::string& valore) {
    const char* prima = std::getenv(nome.c_str());
    ambientePrima_.emplace_back(nome, prima ? std::optional<std::string>(prima) : std::nullopt);
    impostaVariabile(nome.c_str(), valore.c_str());
}

void ArchivioProva::impostaGlobali() const {
    archive::PERCORSOARCHIVI = ARCHIVI, archive::PERCORSOPROGRAMMI = PROGRAMMI;
    archive::NOMEPROGRAMMA = archive::NOMEPROGETTO = "VXMIRA";
}

void ArchivioProva::recordGrezzo(int numero, const std::string& record) {
    if (record_.size() < static_cast<size_t>(numero))
        record_.resize(static_cast<size_t>(numero), std::string(79, ' '));
    record_[static_cast<size_t>(numero) - 1] = record;
    std::string tutto;
    for (const auto& r : record_) tutto += r;
    scrivi(std::string(ARCHIVI) + "\\QZBASE.DAT", tutto);
}

std::string ArchivioProva::locale(const std::string& percorso) const {
    const bool assoluto = (percorso.size() >= 2 && percorso[1] == ':') ||
                          (!percorso.empty() && (percorso[0] == '/' || percorso[0] == '\\'));
    return platform::percorsoLocale(assoluto ? percorso : std::string(ARCHIVI) + "\\" + percorso);
}

}  // namespace supporto
