#include "archive/configurazione.h"

#include <exception>

#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "archive/versione.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "platform/istanza.h"
#include "platform/percorsi.h"
#include "platform/registro.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/testo.h"

namespace archive {

namespace {

constexpr const char* FILE_PERCORSO_ARCHIVI = "C:\\PTORVALE\\QZPERARK.QZP";
constexpr const char* FILE_PERCORSO_PROGRAMMI = "C:\\PTORVALE\\QZPERPRO.QZP";

std::string nomeRadice(uint32_t radice) {
    switch (radice) {
        case 0x80000000u:
            return "HKEY_CLASSES_ROOT";
        case 0x80000001u:
            return "HKEY_CURRENT_USER";
        case 0x80000002u:
            return "HKEY_LOCAL_MACHINE";
        case 0x80000003u:
            return "HKEY_USERS";
        case 0x80000005u:
            return "HKEY_CURRENT_CONFIG";
        default:
            return {};
    }
}

void fermaSeAltraCopia() {
    if (platform::altraCopiaInEsecuzione(NOMEPROGRAMMA))
        platform::terminaProgramma(platform::USCITA_ALTRA_COPIA);
}

[[noreturn]] void erroreConfigurazione() {
    platform::MSGBOX(
        "ERRORE DI CONFIGURAZIONE! CONTROLLARE I PERCORSI DI Ponteval CON IL PROGRAMMA "
        "QPERCORSO",
        platform::Pulsanti::OK, platform::Icona::Critica, "Ponteval");
    try {
        CHIUDIFILE(0);
    } catch (const runtime::ErroreRuntime&) {
        // The program ends all the same.
    }
    platform::terminaProgramma(platform::USCITA_CONFIGURAZIONE);
}

}  // namespace

std::string primaRigaFile(const std::string& percorso) {
    const int canale = platform::canaleLibero();
    platform::apriIngresso(canale, percorso);
    std::string riga;
    try {
        platform::leggiRiga(canale, riga);
    } catch (...) {
        platform::chiudiCanale(canale);
        throw;
    }
    platform::chiudiCanale(canale);
    return riga;
}

void leggiCodiceTask() {
    CODICETASK = runtime::TRIM(runtime::LEFT(primaRigaFile(fileTask()), 2));
}

std::string LEGGIREGISTRO(uint32_t radice, const std::string& chiave, const std::string& nome) {
    try {
        const std::string nomeHive = nomeRadice(radice);
        if (nomeHive.empty()) return {};
        const auto valore = platform::leggiValoreRegistro(nomeHive + "\\" + chiave, nome);
        if (!valore) return {};
        switch (valore->tipo) {
            case platform::ValoreRegistro::Tipo::Testo:
                return valore->testo.substr(0, valore->testo.find('\0'));
            case platform::ValoreRegistro::Tipo::Dword:
                return std::to_string(static_cast<int16_t>(valore->numero & 0xFFFFu));
            case platform::ValoreRegistro::Tipo::Altro:
                break;
        }
    } catch (const std::exception&) {
        // Whatever goes wrong in here reads as a missing value.
    }
    return {};
}

void CONFIGREGISTRO() {
    TRACCIA("CONFIGREGISTRO");
    fermaSeAltraCopia();
    const std::string programmi =
        LEGGIREGISTRO(HKEY_CURRENT_USER, CHIAVE_PONTEVAL, "PERCORSOPROGRAMMI");
    const std::string archivi =
        LEGGIREGISTRO(HKEY_CURRENT_USER, CHIAVE_PONTEVAL, "PERCORSOARCHIVI");
    // Both directories are tested before either is taken: a half configuration would skip
    // the path files and leave the programs directory empty.
    if (!platform::esisteCartella(archivi) || !platform::esisteCartella(programmi)) return;
    PERCORSOARCHIVI = archivi;
    PERCORSOPROGRAMMI = programmi;
    leggiCodiceTask();
}

void CONFIGFILE() {
    TRACCIA("CONFIGFILE");
    fermaSeAltraCopia();
    if (!platform::esisteFile(FILE_PERCORSO_ARCHIVI) ||
        !platform::esisteFile(FILE_PERCORSO_PROGRAMMI))
        erroreConfigurazione();
    const std::string archivi = runtime::TRIM(primaRigaFile(FILE_PERCORSO_ARCHIVI));
    if (archivi.empty()) erroreConfigurazione();
    const std::string programmi = runtime::TRIM(primaRigaFile(FILE_PERCORSO_PROGRAMMI));
    if (programmi.empty()) erroreConfigurazione();
    PERCORSOARCHIVI = archivi;
    PERCORSOPROGRAMMI = programmi;
    leggiCodiceTask();
}

void INFOPROGETTO() {
    const std::string testo =
        "Programma ponteval\r\rNome EXE : " + runtime::UCASE(runtime::TRIM(NOMEPROGRAMMA)) +
        ".EXE\rNome VBP : " + runtime::UCASE(runtime::TRIM(NOMEPROGETTO)) +
        ".VBP\rVersione : " + VERSIONE + "\r";
    platform::MSGBOX(testo, platform::Pulsanti::OK, platform::Icona::Informazione,
                     "Informazioni Progetto ponteval");
}

void azzeraConfigurazione() {
    PERCORSOARCHIVI.clear();
    PERCORSOPROGRAMMI.clear();
    NOMEPROGRAMMA.clear();
    NOMEPROGETTO.clear();
}

}  // namespace archive
