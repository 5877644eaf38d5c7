#include "startup/avvio.h"

#include <memory>

#include "archive/configurazione.h"
#include "archive/domanda.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "isam/immagine.h"
#include "isam/isam.h"
#include "platform/servizi_ui.h"
#include "runtime/testo.h"
#include "startup/riassunzione.h"
#include "windows/common/scambio.h"

namespace startup {

namespace {

constexpr int FILE_DITTE = 1;
constexpr int FILE_DIPENDENTI = 2;
constexpr int FILE_INDICE_DIPENDENTI = 7;
constexpr int FILE_PAGINE = 253;
constexpr int FILE_DEFINIZIONI = 160;
// The indexes the program reads: the workers', and those of the table's activity, job, help
// and contract lists.
constexpr int INDICI_DEL_PROGRAMMA[] = {FILE_INDICE_DIPENDENTI, 213, 215, 217, 224};

std::unique_ptr<Finestre> finestre_;

// Record number of the worker with this key, or 0 when the index or the worker file does
// not hold it. A key taken through the archive search has not been checked by the selection
// window, so the flow cannot take it for granted.
double trovaDipendente(const std::string& chiave) {
    const double record = isam::ISAM(FILE_INDICE_DIPENDENTI, chiave, isam::ISAM_TROVA, 0);
    if (record < 1 || record == isam::ISAM_FINE) return 0;
    if (archive::LEGGIREC(FILE_DIPENDENTI, record) != 0) return 0;
    return record;
}

// The worker loop: until a worker passes the re-hire test (returns its record number) or
// the operator leaves the selection window (the run ends).
double scegliDipendente() {
    for (;;) {
        int16_t modo = 0;
        double numeroFile = FILE_DIPENDENTI;
        const std::string chiave = COD_DIP(modo, numeroFile);
        if (runtime::RTRIM(chiave).empty()) FINEPROG();

        const std::string chiave10 = runtime::LEFT(chiave, 10);
        const double record = trovaDipendente(chiave10);
        if (record == 0) {
            platform::MSGBOX("IL CODICE DIPENDENTE " + chiave10 + " NON ESISTE",
                             platform::Pulsanti::OK, platform::Icona::Critica);
            continue;
        }
        dictionary::DIPX_S = archive::AREAREC[FILE_DIPENDENTI];
        if (dipendenteIdoneo()) return record;
    }
}

// The window loop: the page list, and the data-entry table for each page picked, until
// the operator leaves the page list.
void mostraPagine() {
    using windows::ESITO_I;
    for (;;) {
        finestre().fines.mostra();
        if (ESITO_I[25] == 1) return;
        // The table reads its rows from the definition file and shows and edits the worker
        // record as its working record.
        archive::FAIOPEN(FILE_DEFINIZIONI);
        windows::SCAMBIO_S[1] = dictionary::DIPX_S;
        finestre().menu2.mostra();
    }
}

// A rewrite of an index that a kill interrupted (the administrator's rebuild or batch) is
// finished before the program reads it. Nothing is traced unless there is one.
void completaIndiciInterrotti() {
    for (const double indice : INDICI_DEL_PROGRAMMA)
        if (isam::scritturaInterrotta(indice))
            archive::conSemaforo([&] { isam::completaScrittura(indice); });
}

}  // namespace

Finestre& finestre() {
    if (!finestre_) finestre_ = std::make_unique<Finestre>();
    return *finestre_;
}

void azzeraAvvio() {
    finestre_.reset();
}

std::string COD_DIP(int16_t& modo, double& numeroFile) {
    (void)numeroFile;  // part of the family's interface, not used here
    archive::TRACCIA("COD_DIP");
    windows::SCAMBIO_I[47] = modo;
    archive::FAIOPEN(FILE_DIPENDENTI);
    archive::FAIOPEN(FILE_DITTE);
    archive::FAIOPEN(FILE_INDICE_DIPENDENTI);
    finestre().codvec.mostra();
    std::string chiave = windows::SCAMBIO_S[50];
    archive::CHIUDIFILE(FILE_DITTE);
    archive::CHIUDIFILE(FILE_PAGINE);
    return chiave;
}

void FINEPROG() {
    archive::TRACCIA("FINEPROG");
    archive::CHIUDIFILE(0);
    archive::TERMINA();
}

void MAIN() {
    archive::TRACCIA("MAIN");
    archive::NOMEPROGRAMMA = "VXMIRA";
    archive::NOMEPROGETTO = "VXMIRA";
    archive::PERCORSOPROGRAMMI = archive::LEGGIREGISTRO(
        archive::HKEY_CURRENT_USER, archive::CHIAVE_PONTEVAL, "PERCORSOPROGRAMMI");
    archive::CONFIGREGISTRO();
    if (archive::PERCORSOARCHIVI.empty()) archive::CONFIGFILE();
    completaIndiciInterrotti();

    for (int numero : {FILE_DIPENDENTI, FILE_INDICE_DIPENDENTI, 115, FILE_DITTE})
        archive::FAIOPEN(numero);

    const double record = scegliDipendente();
    azzeraCessazione();
    archive::FAIOPEN(FILE_PAGINE);
    mostraPagine();

    windows::ESITO_I[25] = 0;
    if (archive::DOMANDA(DOMANDA_FINALE, 0) == "N") FINEPROG();
    scriviNuovoAssunto(record);
    FINEPROG();
}

}  // namespace startup
