#include "isam/isam.h"

#include <cmath>

#include "archive/catalogo.h"
#include "archive/slot_file.h"
#include "isam/percorso.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace isam {

namespace {

int slotDi(double numero) {
    const double n = std::nearbyint(numero);
    if (!(n >= 0 && n <= archive::MAX_FILE)) throw runtime::ErroreRuntime{runtime::ERR_INDICE};
    return static_cast<int>(n);
}

double rifiuta(const std::string& testo) {
    platform::MSGBOX(testo, platform::Pulsanti::OK);
    return -1;
}

double successiva(Percorso& p, const std::string& chiave) {
    trova(p, chiave);
    if (p.vuoto) {
        CHIAVEISAM_S = p.alta;
        return ISAM_FINE;
    }
    long m3 = p.M[3];
    long m2 = p.M[2];
    long m1 = p.M[1];
    if (m3 <= p.usate[3] && std::string_view(chiave) >= chiaveVoce(p.T[3], p.f, m3)) ++m3;
    // Every step moves one position forward inside a block, so the walk always ends.
    for (;;) {
        if (m3 <= p.usate[3]) {
            // A sound tree only ever yields a greater key. One that does not (a child linked
            // twice, keys out of order) would send every caller's walk round for ever.
            const std::string_view trovata = chiaveVoce(p.T[3], p.f, m3);
            if (!(trovata > std::string_view(chiave))) indiceDanneggiato();
            CHIAVEISAM_S.assign(trovata);
            return numeroDati(p, m3);
        }
        m3 = 1;
        ++m2;
        while (m2 > p.usate[2]) {
            m2 = 1;
            ++m1;
            if (m1 > p.usate[1]) {
                // A full root has no empty entry to mark its end.
                if (p.usate[1] >= VOCI_BLOCCO) throw runtime::ErroreRuntime{ERRORE_RADICE_PIENA};
                CHIAVEISAM_S = p.alta;
                return ISAM_FINE;
            }
            leggiBlocco(p, 2, figlio(p, 1, m1));
        }
        leggiBlocco(p, 3, figlio(p, 2, m2));
    }
}

double inizializza(Percorso& p) {
    const long R = static_cast<long>(archive::LUNREC[static_cast<size_t>(p.slot)]);
    // The key length comes from the record length; one that cannot hold a key would
    // leave the file deleted and no root written.
    if (R % VOCI_BLOCCO != 0 || R / VOCI_BLOCCO - 7 < 1) return rifiuta("ERRORE ISAM - LUNK NO OK");
    archive::RICREAFILE(p.numero);
    scriviBlocco(p, 1, bloccoVuoto(p.f, '1'));
    return 0;
}

}  // namespace

bool controllaChiamata(Percorso& p, double numeroFile, const std::string& chiave,
                       int16_t operazione) {
    const auto slot = static_cast<size_t>(p.slot);
    const bool inizializzazione = operazione == ISAM_INIZIALIZZA;

    if (inizializzazione && archive::CANALE[slot] == 0) {
        // Opening consumes the one-shot path values; the recreation needs them again.
        const archive::ValoriOpen valori = archive::salvaValoriOpen();
        const std::string disco = archive::DISCOOPEN;
        archive::FAIOPEN(numeroFile);
        archive::ripristinaValoriOpen(valori);
        archive::DISCOOPEN = disco;
    }
    if (!inizializzazione && !fileConDati(p)) {
        rifiuta("ERRORE ISAM - FILE VUOTO " + runtime::testoNumero(numeroFile));
        return false;
    }
    const auto L = static_cast<long>(chiave.size());
    if (!inizializzazione && L == 0) {
        rifiuta("ERRORE ISAM - LUNK=0");
        return false;
    }
    if (!inizializzazione && (L + 7) * VOCI_BLOCCO != archive::LUNREC[slot]) {
        rifiuta("ERRORE ISAM - LUNK NO OK");
        return false;
    }
    if (runtime::TRIM(chiave).empty() && operazione != ISAM_SUCCESSIVA && !inizializzazione) {
        rifiuta("ERRORE ISAM - K=BLANK");
        return false;
    }
    p.f.L = static_cast<long>(archive::LUNREC[slot]) / VOCI_BLOCCO - 7;
    if (p.f.L > 0 && static_cast<long>(p.alta.size()) != p.f.L) p.alta = chiaveAlta(p.f.L);
    return true;
}

Percorso& percorsoDelFile(double numeroFile) {
    return percorsoDiLavoro(numeroFile, slotDi(numeroFile));
}

double ISAM(double numeroFile, const std::string& chiave, int16_t operazione, double record) {
    Percorso& p = percorsoDelFile(numeroFile);
    struct AllaFine {
        Percorso& p;
        ~AllaFine() { lasciaArea(p); }
    } allaFine{p};
    if (!controllaChiamata(p, numeroFile, chiave, operazione)) return -1;

    switch (operazione) {
        case ISAM_TROVA:
            trova(p, chiave);
            return p.trovato ? numeroDati(p, p.M[3]) : -1;
        case ISAM_SUCCESSIVA:
            return successiva(p, chiave);
        case ISAM_INSERISCI:
            return inserisci(p, chiave, record);
        case ISAM_CANCELLA:
            return cancella(p, chiave);
        case ISAM_INIZIALIZZA:
            return inizializza(p);
        default:
            return rifiuta("ERRORE CODICE ISAM " + runtime::testoNumero(operazione));
    }
}

void azzeraIsam() {
    CHIAVEISAM_S.clear();
}

}  // namespace isam
