// The range walk: the keys that repeated next calls give, read a leaf at a time.

#include "archive/semaforo.h"
#include "isam/isam.h"
#include "isam/percorso.h"

namespace isam {

namespace {

struct Esito {
    bool fine = false;       // nothing more to hand out after this leaf
    bool rifiutato = false;  // the checks of the call refused it
};

bool conPrefisso(std::string_view chiave, std::string_view prefisso) {
    return chiave.substr(0, prefisso.size()) == prefisso;
}

// One critical sequence: the path from the root for `ultima`, then the leaf holding the keys
// after it. `saltaFoglio`: the leaf of `ultima` was handed out whole, so the walk goes on with
// the leaf after it (as next does when a leaf is exhausted) and reads no leaf twice.
Esito leggiFoglio(double numeroFile, const std::string& ultima, bool saltaFoglio,
                  std::string_view prefisso, std::vector<VoceIndice>& foglio) {
    Percorso& p = percorsoDelFile(numeroFile);
    struct AllaFine {
        Percorso& p;
        ~AllaFine() { lasciaArea(p); }
    } allaFine{p};
    if (!controllaChiamata(p, numeroFile, ultima, ISAM_SUCCESSIVA)) return {true, true};
    trovaRamo(p, ultima);
    if (p.vuoto) {
        CHIAVEISAM_S = p.alta;
        return {true, false};
    }
    long m1 = p.M[1];
    long m2 = p.M[2];
    long m3 = 1;
    // A level-2 entry above `ultima` (the descent's fallback on the first entry) does not name
    // the leaf already handed out: that leaf is read.
    bool avanza = saltaFoglio && chiaveVoce(p.T[2], p.f, m2) <= std::string_view(ultima);
    if (!avanza) {
        leggiBlocco(p, 3, figlio(p, 2, m2));
        m3 = cercaNelBlocco(p.T[3], p.f, ultima, p.usate[3]);
        if (m3 <= p.usate[3] && std::string_view(ultima) >= chiaveVoce(p.T[3], p.f, m3)) ++m3;
    }
    while (avanza || m3 > p.usate[3]) {
        avanza = false;
        m3 = 1;
        ++m2;
        while (m2 > p.usate[2]) {
            m2 = 1;
            ++m1;
            if (m1 > p.usate[1]) {
                // A full root has no empty entry to mark its end.
                if (p.usate[1] >= VOCI_BLOCCO) throw runtime::ErroreRuntime{ERRORE_RADICE_PIENA};
                CHIAVEISAM_S = p.alta;
                return {true, false};
            }
            leggiBlocco(p, 2, figlio(p, 1, m1));
        }
        leggiBlocco(p, 3, figlio(p, 2, m2));
    }
    std::string_view precedente = ultima;
    for (; m3 <= p.usate[3]; ++m3) {
        const std::string_view chiave = chiaveVoce(p.T[3], p.f, m3);
        // As next: a sound tree only ever yields a greater key.
        if (!(chiave > precedente)) indiceDanneggiato();
        const double record = numeroDati(p, m3);
        if (!conPrefisso(chiave, prefisso)) {
            CHIAVEISAM_S.assign(chiave);
            return {true, false};
        }
        foglio.push_back({std::string(chiave), record});
        precedente = foglio.back().chiave;
    }
    CHIAVEISAM_S = foglio.back().chiave;
    return {false, false};
}

}  // namespace

double scorriIntervallo(double numeroFile, const std::string& chiave, std::string_view prefisso,
                        const std::function<bool(const std::vector<VoceIndice>&)>& consegna) {
    std::vector<VoceIndice> foglio;
    // Views into the leaf's keys stay valid while it fills.
    foglio.reserve(static_cast<size_t>(VOCI_BLOCCO));
    std::string ultima = chiave;
    bool saltaFoglio = false;
    for (;;) {
        foglio.clear();
        Esito esito;
        {
            const archive::SemaforoTenuto semaforo;
            esito = leggiFoglio(numeroFile, ultima, saltaFoglio, prefisso, foglio);
        }
        if (esito.rifiutato) return -1;
        if (!foglio.empty() && !consegna(foglio)) return 0;
        if (esito.fine) return 0;
        ultima = foglio.back().chiave;
        saltaFoglio = true;
    }
}

}  // namespace isam
