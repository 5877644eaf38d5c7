#include "archive/catalogo.h"

#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

using runtime::INSTR;
using runtime::LEFT;
using runtime::MID;
using runtime::MIDASSIGN;
using runtime::RIGHT;
using runtime::testoNumero;
using runtime::VAL;

namespace archive {

namespace {

constexpr long LUNGHEZZA_CATALOGO = 79;

[[noreturn]] void fermaCon(const std::string& testo) {
    platform::MSGBOX(testo, platform::Pulsanti::OK, platform::Icona::Nessuna);
    // The process ends closing its files; the end-of-run routine does not run.
    try {
        CHIUDIFILE(0);
    } catch (const runtime::ErroreRuntime&) {
        // Ending all the same: the message already told the user the run stops here.
    }
    platform::terminaProgramma(platform::USCITA_MESSAGGIO);
}

// The catalogue record of a file number. A number beyond the last record is "input past end
// of file": a path is never built from bytes that are not there.
std::string recordCatalogo(double numero) {
    const double posizione = (numero - 1) * LUNGHEZZA_CATALOGO;
    if (posizione > 9.0e15) throw runtime::ErroreRuntime{runtime::ERR_OVERFLOW};
    const int canale = platform::canaleLibero();
    platform::apriBinarioLettura(canale, PERCORSOARCHIVI + "\\QZBASE.DAT");
    std::string record(LUNGHEZZA_CATALOGO, ' ');
    bool intero = false;
    try {
        intero = platform::leggiBlocco(canale, static_cast<long long>(posizione), record);
    } catch (...) {
        platform::chiudiCanale(canale);
        throw;
    }
    platform::chiudiCanale(canale);
    if (!intero) throw runtime::ErroreRuntime{runtime::ERR_FINE_FILE};
    return record;
}

}  // namespace

std::string DAMMIFILE_S(double numero, int16_t& prefisso) {
    TRACCIA("DAMMIFILE$ (" + testoNumero(numero) + ")");
    if (!(numero > 0)) return {};

    DITTAOPEN = RIGHT("000" + testoNumero(VAL(DITTAOPEN)), 3);
    const std::string annoDato = ANNOOPEN;
    ANNOOPEN = RIGHT("00" + testoNumero(VAL(ANNOOPEN)), 2);
    REGIONEOPEN = RIGHT("00" + testoNumero(VAL(REGIONEOPEN)), 2);

    const std::string record = recordCatalogo(numero);
    LUNRECBASE = VAL(MID(record, 33, 5));
    std::string percorso = runtime::RTRIM(MID(record, 4, 29));

    if (const long p = INSTR(percorso, "!:\\"); p > 0) {
        const std::string unita = LEFT(DISCOOPEN, 1);
        if (unita == "A" || unita == "B") {
            MIDASSIGN(percorso, p, 1, unita);
        } else {
            percorso = DISCOOPEN + MID(percorso, p + 2);
        }
        DISCOOPEN.clear();
        prefisso = 0;
    }
    if (const long p = INSTR(percorso, "###"); p > 0) {
        if (!(VAL(DITTAOPEN) > 0))
            fermaCon("ERRORE OPEN FILE - MANCA DITTAOPEN " + testoNumero(numero));
        MIDASSIGN(percorso, p, 3, DITTAOPEN);
        DITTAOPEN.clear();
    }
    if (const long p = INSTR(percorso, "$$"); p > 0) MIDASSIGN(percorso, p, 2, CODICETASK);
    if (const long p = INSTR(percorso, "**"); p > 0) {
        if (!(VAL(annoDato) > 0)) fermaCon("ERRORE OPEN - MANCA ANNO - CSTR(NUMEROBASE)");
        MIDASSIGN(percorso, p, 2, ANNOOPEN);
        ANNOOPEN.clear();
    }
    if (const long p = INSTR(percorso, "@@"); p > 0) {
        if (!(VAL(REGIONEOPEN) > 0)) fermaCon("ERRORE OPEN - MANCA REGIONE - CSTR(NUMEROBASE)");
        MIDASSIGN(percorso, p, 2, REGIONEOPEN);
        REGIONEOPEN.clear();
    }
    if (const long p = INSTR(percorso, "%%"); p > 0) {
        if (PROVINCIAOPEN.size() != 2) fermaCon("ERRORE OPEN - MANCA PROVINCIA - CSTR(NUMEROBASE)");
        MIDASSIGN(percorso, p, 2, PROVINCIAOPEN);
        PROVINCIAOPEN.clear();
    }

    if (prefisso == 0) return percorso;
    return PERCORSOARCHIVI + "\\" + percorso;
}

ValoriOpen salvaValoriOpen() {
    return {DITTAOPEN, ANNOOPEN, REGIONEOPEN, PROVINCIAOPEN};
}

void ripristinaValoriOpen(const ValoriOpen& v) {
    DITTAOPEN = v.ditta;
    ANNOOPEN = v.anno;
    REGIONEOPEN = v.regione;
    PROVINCIAOPEN = v.provincia;
}

void azzeraCatalogo() {
    DITTAOPEN.clear();
    ANNOOPEN.clear();
    REGIONEOPEN.clear();
    PROVINCIAOPEN.clear();
    DISCOOPEN.clear();
    LUNRECBASE = 0;
}

}  // namespace archive
