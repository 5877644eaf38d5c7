#include "support/archivio_prova.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "platform/percorsi.h"
#include "support/sistema_prova.h"

namespace supporto {

namespace fs = std::filesystem;

namespace {

bool salvaVariabile(const char* nome, std::string& valore) {
    const char* v = std::getenv(nome);
    if (v) valore = v;
    return v != nullptr;
}

void ripristinaVariabile(const char* nome, bool c_era, const std::string& valore) {
    impostaVariabile(nome, c_era ? valore.c_str() : nullptr);
}

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
    unitaC_ = salvaVariabile("PONTEVAL_UNITA", unitaPrima_);
    registroC_ = salvaVariabile("PONTEVAL_REGISTRO", registroPrima_);
    runtimeC_ = salvaVariabile("XDG_RUNTIME_DIR", runtimePrima_);
    const std::string radice = tmp_.file("unita");
    impostaVariabile("PONTEVAL_UNITA", radice.c_str());
    impostaVariabile("PONTEVAL_REGISTRO", fileRegistro().c_str());
    // A private place for the previous-instance lock: parallel test processes and a real
    // copy of the program on this machine do not see each other.
    fs::create_directories(tmp_.file("run"));
    impostaVariabile("XDG_RUNTIME_DIR", tmp_.file("run").c_str());
    preparaUnitaC();
    cartella(ARCHIVI);
    cartella(PROGRAMMI);
    impostaGlobali();
    for (const auto& v : voci) catalogo(v);
    riscriviCatalogo();
}

ArchivioProva::~ArchivioProva() {
    archive::azzeraSlot();  // closes every channel before the folder goes
    archive::azzeraCatalogo();
    archive::azzeraConfigurazione();
    archive::azzeraSemaforo();
    ripristinaVariabile("PONTEVAL_UNITA", unitaC_, unitaPrima_);
    ripristinaVariabile("PONTEVAL_REGISTRO", registroC_, registroPrima_);
    ripristinaVariabile("XDG_RUNTIME_DIR", runtimeC_, runtimePrima_);
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
    riscriviCatalogo();
}

void ArchivioProva::riscriviCatalogo() const {
    std::string tutto;
    for (const auto& r : record_)
        tutto += r;
    scrivi(std::string(ARCHIVI) + "\\QZBASE.DAT", tutto);
}

std::string ArchivioProva::completo(const std::string& percorso) const {
    const bool assoluto = (percorso.size() >= 2 && percorso[1] == ':') ||
                          (!percorso.empty() && (percorso[0] == '/' || percorso[0] == '\\'));
    return assoluto ? percorso : std::string(ARCHIVI) + "\\" + percorso;
}

std::string ArchivioProva::locale(const std::string& percorso) const {
    return platform::percorsoLocale(completo(percorso));
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
