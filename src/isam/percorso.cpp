#include "isam/percorso.h"

#include <charconv>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/canali.h"
#include "runtime/numeri.h"

namespace isam {

namespace {

Percorso percorsoCorrente;

// Block reads go straight to the channel, as LEGGIREC does and with what it leaves
// behind (the trace entry, the record area, error 59 on a broken record area): a find
// is three reads, and formatting and copying around them would cost more than the reads.
void registraLettura(Percorso& p, long numero) {
    if (p.numeroTraccia != p.numero) {
        p.traccia = "LEGGIREC (" + runtime::testoNumero(p.numero) + "-";
        p.numeroTraccia = p.numero;
    }
    char cifre[24];
    const auto fine = std::to_chars(cifre, cifre + sizeof cifre, numero).ptr;
    const size_t base = p.traccia.size();
    p.traccia.append(cifre, fine);
    p.traccia += ')';
    archive::TRACCIA(p.traccia);
    p.traccia.resize(base);
    const auto slot = static_cast<size_t>(p.slot);
    if (static_cast<double>(archive::AREAREC[slot].size()) != archive::LUNREC[slot])
        throw runtime::ErroreRuntime{runtime::ERR_LUNGHEZZA_RECORD};
}

bool leggiGrezzo(const Percorso& p, long numero, std::string& blocco) {
    blocco.resize(static_cast<size_t>(p.f.blocco()));
    const long long posizione = static_cast<long long>(numero - 1) * p.f.blocco();
    return platform::leggiBlocco(archive::CANALE[static_cast<size_t>(p.slot)], posizione, blocco);
}

void accettaBlocco(Percorso& p, int livello, long numero) {
    p.ultimaLettura = livello;
    p.blocco[livello] = numero;
    p.usate[livello] = vociUsate(p.T[livello], p.f);
    // Blocks below the root are split as they fill: one found full has been damaged.
    if (livello > 1 && p.usate[livello] >= VOCI_BLOCCO) indiceDanneggiato();
}

}  // namespace

Percorso& percorsoDiLavoro(double numero, int slot) {
    Percorso& p = percorsoCorrente;
    p.numero = numero;
    p.slot = slot;
    p.M = {};
    p.usate = {};
    p.blocco = {};
    p.vuoto = false;
    p.trovato = false;
    p.radiceIntera = false;
    p.ultimaLettura = 0;
    return p;
}

bool fileConDati(Percorso& p) {
    const auto R = static_cast<long>(archive::LUNREC[static_cast<size_t>(p.slot)]);
    p.radiceIntera = false;
    if (R >= 1) {
        std::string& radice = p.T[1];
        radice.resize(static_cast<size_t>(R));
        p.radiceIntera =
            platform::leggiBlocco(archive::CANALE[static_cast<size_t>(p.slot)], 0, radice);
        if (p.radiceIntera) return true;
    }
    return platform::lunghezzaCanale(archive::CANALE[static_cast<size_t>(p.slot)]) > 0;
}

void prendiRadice(Percorso& p) {
    registraLettura(p, 1);
    // A short early read is made again: its outcome is then that of a read made now.
    if (!p.radiceIntera && !leggiGrezzo(p, 1, p.T[1])) indiceDanneggiato();
    accettaBlocco(p, 1, 1);
}

void leggiBlocco(Percorso& p, int livello, long numero) {
    if (numero < 1) indiceDanneggiato();
    registraLettura(p, numero);
    // A block that lies wholly or partly past the end is not part of any sound tree.
    if (!leggiGrezzo(p, numero, p.T[livello])) indiceDanneggiato();
    accettaBlocco(p, livello, numero);
}

void scriviBlocco(Percorso& p, long numero, const std::string& blocco) {
    // The write leaves this block in the record area: what was read before no longer counts.
    p.ultimaLettura = 0;
    archive::SCRIVIREC(p.numero, static_cast<double>(numero), blocco);
}

void lasciaArea(Percorso& p) noexcept {
    if (p.ultimaLettura == 0) return;
    // Both texts have the record length (checked at every read): the area takes the
    // block in place of a copy, and the path buffer takes the old area's memory.
    archive::AREAREC[static_cast<size_t>(p.slot)].swap(p.T[p.ultimaLettura]);
    p.ultimaLettura = 0;
}

long figlio(const Percorso& p, int livello, long m) {
    const long n = numeroVoce(p.T[livello], p.f, m);
    // Record 1 is the root: a child pointing there (or nowhere) is damage.
    if (n < 2) indiceDanneggiato();
    return n;
}

double numeroDati(const Percorso& p, long m) {
    const long n = numeroVoce(p.T[3], p.f, m);
    if (n < 1) indiceDanneggiato();
    return static_cast<double>(n);
}

long blocchiNelFile(const Percorso& p) {
    const long long lunghezza =
        platform::lunghezzaCanale(archive::CANALE[static_cast<size_t>(p.slot)]);
    return static_cast<long>(lunghezza / p.f.blocco());
}

void trovaRamo(Percorso& p, std::string_view chiave) {
    p.trovato = false;
    if (p.radiceIntera) {
        prendiRadice(p);  // the root read in place of the length check
        p.radiceIntera = false;
    } else {
        leggiBlocco(p, 1, 1);
    }
    p.vuoto = chiaveVoce(p.T[1], p.f, 1) == p.alta;
    if (p.vuoto) return;
    p.M[1] = cercaNelBlocco(p.T[1], p.f, chiave, p.usate[1]);
    leggiBlocco(p, 2, figlio(p, 1, p.M[1]));
    p.M[2] = cercaNelBlocco(p.T[2], p.f, chiave, p.usate[2]);
}

void trova(Percorso& p, std::string_view chiave) {
    trovaRamo(p, chiave);
    if (p.vuoto) return;
    leggiBlocco(p, 3, figlio(p, 2, p.M[2]));
    p.M[3] = cercaNelBlocco(p.T[3], p.f, chiave, p.usate[3]);
    p.trovato = p.M[3] <= p.usate[3] && chiaveVoce(p.T[3], p.f, p.M[3]) == chiave;
}

}  // namespace isam
