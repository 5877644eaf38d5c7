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

namespace {

// The 79-character catalogue record of a template and a record length.
std::string recordCatalogo(const std::string& modello, int lunghezza) {
    if (modello.size() > 29) throw std::invalid_argument("template longer than 29: " + modello);
    char cifre[16];
    std::snprintf(cifre, sizeof cifre, "%05d", lunghezza);
    std::string record = "   " + modello + std::string(29 - modello.size(), ' ') + cifre;
    record.resize(79, ' ');
    return record;
}

}  // namespace

ArchivioProva::ArchivioProva(const std::vector<VoceCatalogo>& voci) {
    fs::create_directories(tmp_.file("run"));
    // The lock folder is private: parallel test processes and a real copy of the program on
    // this machine do not see each other.
    for (const auto& [nome, valore] :
         {std::pair<const char*, std::string>{"PONTEVAL_UNITA", tmp_.file("unita")},
          {"PONTEVAL_REGISTRO", fileRegistro()},
          {"XDG_RUNTIME_DIR", tmp_.file("run")}}) {
        const char* prima = std::getenv(nome);
        ambientePrima_.emplace_back(nome, prima ? std::optional<std::string>(prima) : std::nullopt);
        impostaVariabile(nome, valore.c_str());
    }
    preparaUnitaC();
    cartella(ARCHIVI);
    cartella(PROGRAMMI);
    impostaGlobali();
    for (const auto& v : voci)
        catalogo(v);
    if (voci.empty()) scrivi(std::string(ARCHIVI) + "\\QZBASE.DAT", "");
}

ArchivioProva::~ArchivioProva() {
    azzeraTutto();  // closes every channel before the folder goes
    for (const auto& [nome, valore] : ambientePrima_)
        impostaVariabile(nome.c_str(), valore ? valore->c_str() : nullptr);
    liberaUnitaC();
}

void ArchivioProva::impostaGlobali() const {
    archive::PERCORSOARCHIVI = ARCHIVI;
    archive::PERCORSOPROGRAMMI = PROGRAMMI;
    archive::NOMEPROGRAMMA = "VXMIRA";
    archive::NOMEPROGETTO = "VXMIRA";
}

void ArchivioProva::catalogo(const VoceCatalogo& voce) {
    recordGrezzo(voce.numero, recordCatalogo(voce.modello, voce.lunghezza));
}

void ArchivioProva::recordGrezzo(int numero, const std::string& record) {
    if (numero < 1) throw std::invalid_argument("file number below 1");
    if (record_.size() < static_cast<size_t>(numero))
        record_.resize(static_cast<size_t>(numero), std::string(79, ' '));
    record_[static_cast<size_t>(numero) - 1] = record;
    std::string tutto;
    for (const auto& r : record_)
        tutto += r;
    scrivi(std::string(ARCHIVI) + "\\QZBASE.DAT", tutto);
}

std::string ArchivioProva::locale(const std::string& percorso) const {
    const bool assoluto = (percorso.size() >= 2 && percorso[1] == ':') ||
                          (!percorso.empty() && (percorso[0] == '/' || percorso[0] == '\\'));
    return platform::percorsoLocale(assoluto ? percorso : std::string(ARCHIVI) + "\\" + percorso);
}

void ArchivioProva::cartella(const std::string& percorso) const {
    fs::create_directories(locale(percorso));
}

void ArchivioProva::scrivi(const std::string& percorso, const std::string& contenuto) const {
    scriviFile(locale(percorso), contenuto);
}

std::string ArchivioProva::leggi(const std::string& percorso) const {
    return leggiFile(locale(percorso));
}

bool ArchivioProva::esiste(const std::string& percorso) const {
    return fs::exists(locale(percorso));
}

void ArchivioProva::scriviTask(const std::string& primaRiga) const {
    scrivi("C:\\VXSTASK\\VXSTASK.INI", primaRiga + "\r\n");
}

}  // namespace supporto
