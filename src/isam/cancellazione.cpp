// Deletion: the entry leaves its leaf; an emptied leaf or level-2 block is unlinked from
// its parent (its record is abandoned), and a changed first key moves up the separators.

#include "isam/percorso.h"

namespace isam {

double cancella(Percorso& p, const std::string& chiave) {
    trova(p, chiave);
    if (p.vuoto || !p.trovato) return -1;
    const long risultato = numeroVoce(p.T[3], p.f, p.M[3]);
    if (risultato < 1) indiceDanneggiato();

    // All changes in memory first, so that a refusal leaves the file untouched.
    const std::string primaFoglia(chiaveVoce(p.T[3], p.f, 1));
    togliVoce(p.T[3], p.f, p.M[3], p.usate[3], '3');
    --p.usate[3];
    const bool cambiaLivello2 = chiaveVoce(p.T[3], p.f, 1) != primaFoglia;
    bool cambiaRadice = false;
    if (cambiaLivello2) {
        const std::string primaLivello2(chiaveVoce(p.T[2], p.f, 1));
        if (p.usate[3] == 0) {
            togliVoce(p.T[2], p.f, p.M[2], p.usate[2], '2');
            --p.usate[2];
        } else {
            cambiaChiave(p.T[2], p.f, p.M[2], chiaveVoce(p.T[3], p.f, 1));
        }
        cambiaRadice = chiaveVoce(p.T[2], p.f, 1) != primaLivello2;
        if (cambiaRadice) {
            if (p.usate[2] == 0) {
                // A full root has no empty entry to close up with.
                if (p.usate[1] >= VOCI_BLOCCO) throw runtime::ErroreRuntime{ERRORE_RADICE_PIENA};
                togliVoce(p.T[1], p.f, p.M[1], p.usate[1], '1');
            } else {
                cambiaChiave(p.T[1], p.f, p.M[1], chiaveVoce(p.T[2], p.f, 1));
            }
        }
    }

    scriviBlocco(p, p.blocco[3], p.T[3]);
    if (cambiaLivello2) scriviBlocco(p, p.blocco[2], p.T[2]);
    if (cambiaRadice) scriviBlocco(p, 1, p.T[1]);
    return static_cast<double>(risultato);
}

}  // namespace isam
