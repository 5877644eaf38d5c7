#include "isam/percorso.h"

#include "archive/record.h"
#include "archive/slot_file.h"
#include "platform/canali.h"

namespace isam {

void leggiBlocco(Percorso& p, int livello, long numero) {
    if (numero < 1) indiceDanneggiato();
    // A block that lies wholly or partly past the end is not part of any sound tree.
    if (archive::LEGGIREC(p.numero, static_cast<double>(numero)) != 0) indiceDanneggiato();
    std::string& area = archive::AREAREC[static_cast<size_t>(p.slot)];
    p.T[livello].assign(area);
    p.blocco[livello] = numero;
    p.usate[livello] = vociUsate(p.T[livello], p.f);
    // Blocks below the root are split as they fill: one found full has been damaged.
    if (livello > 1 && p.usate[livello] >= VOCI_BLOCCO) indiceDanneggiato();
}

void scriviBlocco(const Percorso& p, long numero, const std::string& blocco) {
    archive::SCRIVIREC(p.numero, static_cast<double>(numero), blocco);
}

long figlio(const Percorso& p, int livello, long m) {
    const long n = numeroVoce(p.T[livello], p.f, m);
    // Record 1 is the root: a child pointing there (or nowhere) is damage.
    if (n < 2) indiceDanneggiato();
    return n;
}

long blocchiNelFile(const Percorso& p) {
    const long long lunghezza =
        platform::lunghezzaCanale(archive::CANALE[static_cast<size_t>(p.slot)]);
    return static_cast<long>(lunghezza / p.f.blocco());
}

void trova(Percorso& p, std::string_view chiave) {
    p.trovato = false;
    leggiBlocco(p, 1, 1);
    p.vuoto = chiaveVoce(p.T[1], p.f, 1) == p.alta;
    if (p.vuoto) return;
    p.M[1] = cercaNelBlocco(p.T[1], p.f, chiave, p.usate[1]);
    leggiBlocco(p, 2, figlio(p, 1, p.M[1]));
    p.M[2] = cercaNelBlocco(p.T[2], p.f, chiave, p.usate[2]);
    leggiBlocco(p, 3, figlio(p, 2, p.M[2]));
    p.M[3] = cercaNelBlocco(p.T[3], p.f, chiave, p.usate[3]);
    p.trovato = p.M[3] <= p.usate[3] && chiaveVoce(p.T[3], p.f, p.M[3]) == chiave;
}

}  // namespace isam
