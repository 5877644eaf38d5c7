// Insertion: the new entry goes into its leaf; a full leaf splits in halves, and so does a
// full level-2 block. Every check runs before the first write, so a refused insertion
// leaves the file as it was.

#include <cmath>

#include "isam/percorso.h"
#include "platform/servizi_ui.h"
#include "runtime/testo.h"

namespace isam {

namespace {

double rifiutaInserimento(const std::string& testo) {
    platform::MSGBOX(testo, platform::Pulsanti::OK);
    return -1;
}

void primaInserzione(Percorso& p, const std::string& chiave, double record) {
    std::string foglia = bloccoVuoto(p.f, '3');
    runtime::MIDASSIGN(foglia, 1, chiave + '3' + seiCifre(record));
    std::string livello2 = bloccoVuoto(p.f, '2');
    runtime::MIDASSIGN(livello2, 1, chiave + "2000003");
    std::string radice = bloccoVuoto(p.f, '1');
    runtime::MIDASSIGN(radice, 1, chiave + "1000002");
    scriviBlocco(p, 3, foglia);
    scriviBlocco(p, 2, livello2);
    scriviBlocco(p, 1, radice);
}

// Writes the two halves of a full block: the lower half stays in place, the upper half
// is appended as block `nuovo`. Returns the upper half's first key.
std::string dividi(Percorso& p, int livello, long nuovo) {
    const char cifra = static_cast<char>('0' + livello);
    const std::string& pieno = p.T[livello];
    scriviBlocco(p, p.blocco[livello], metaBlocco(pieno, p.f, 1, META_BLOCCO, cifra));
    scriviBlocco(p, nuovo, metaBlocco(pieno, p.f, META_BLOCCO + 1, VOCI_BLOCCO, cifra));
    return std::string(chiaveVoce(pieno, p.f, META_BLOCCO + 1));
}

}  // namespace

double inserisci(Percorso& p, const std::string& chiave, double record) {
    if (record == 0) return rifiutaInserimento("ERR.ISAM - N.REC.=0");
    if (record > NUMERO_MASSIMO) return rifiutaInserimento("ERR.ISAM - N.REC. > 999999");
    // Six digits hold whole positive numbers only: a sign or a point would corrupt the entry.
    if (!(record > 0) || record != std::floor(record))
        return rifiutaInserimento("ERR.ISAM - N.REC. NON VALIDO");
    if (chiave.find(CARATTERE_ALTO) != std::string::npos)
        return rifiutaInserimento("ERR.ISAM - CHIAVE NON VALIDA");

    trova(p, chiave);
    if (p.trovato) return -1;
    if (p.vuoto) {
        primaInserzione(p, chiave, record);
        return 0;
    }
    const bool divideFoglia = p.usate[3] + 1 == VOCI_BLOCCO;
    const bool divideLivello2 = divideFoglia && p.usate[2] + 1 == VOCI_BLOCCO;
    if (divideLivello2 && p.usate[1] >= VOCI_BLOCCO)
        throw runtime::ErroreRuntime{ERRORE_RADICE_PIENA};
    long nuovaFoglia = 0;
    if (divideFoglia) {
        nuovaFoglia = blocchiNelFile(p) + 1;
        const long ultimo = divideLivello2 ? nuovaFoglia + 1 : nuovaFoglia;
        if (ultimo > NUMERO_MASSIMO) throw runtime::ErroreRuntime{ERRORE_RADICE_PIENA};
    }

    // All changes in memory first; the writes follow leaf, level 2, root.
    const std::string primaFoglia(chiaveVoce(p.T[3], p.f, 1));
    mettiVoce(p.T[3], p.f, p.M[3], p.usate[3], chiave + '3' + seiCifre(record));
    ++p.usate[3];
    bool cambiaLivello2 = false;
    bool cambiaRadice = false;
    if (chiaveVoce(p.T[3], p.f, 1) != primaFoglia) {
        // Only on the leftmost path: the separators above follow the new first key.
        const std::string primaLivello2(chiaveVoce(p.T[2], p.f, 1));
        cambiaChiave(p.T[2], p.f, p.M[2], chiaveVoce(p.T[3], p.f, 1));
        cambiaLivello2 = true;
        if (chiaveVoce(p.T[2], p.f, 1) != primaLivello2) {
            cambiaChiave(p.T[1], p.f, p.M[1], chiaveVoce(p.T[2], p.f, 1));
            cambiaRadice = true;
        }
    }

    if (!divideFoglia) {
        scriviBlocco(p, p.blocco[3], p.T[3]);
    } else {
        const std::string separatore = dividi(p, 3, nuovaFoglia);
        mettiVoce(p.T[2], p.f, p.M[2], p.usate[2], separatore + '2' + seiCifre(nuovaFoglia));
        ++p.usate[2];
        cambiaLivello2 = true;
    }
    if (!divideLivello2) {
        if (cambiaLivello2) scriviBlocco(p, p.blocco[2], p.T[2]);
    } else {
        const long nuovoLivello2 = nuovaFoglia + 1;
        const std::string separatore = dividi(p, 2, nuovoLivello2);
        mettiVoce(p.T[1], p.f, p.M[1], p.usate[1], separatore + '1' + seiCifre(nuovoLivello2));
        cambiaRadice = true;
    }
    if (cambiaRadice) scriviBlocco(p, 1, p.T[1]);
    return 0;
}

}  // namespace isam
