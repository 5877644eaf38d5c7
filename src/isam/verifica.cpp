// The structure check of an index: every rule of the block format and of the tree, read
// without trusting any of it (the engine itself stops at the first damage it meets).

#include <set>

#include "archive/catalogo.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "isam/blocco.h"
#include "isam/isam.h"
#include "platform/canali.h"
#include "runtime/numeri.h"

namespace isam {

namespace {

std::string testo(long n) {
    return runtime::testoNumero(static_cast<double>(n));
}

// Thrown by the first fault when the caller only asks whether the index is sound.
struct PrimoGuasto {};

class Verifica {
  public:
    Verifica(double numero, int slot, const Formato& f, long blocchi, bool soloPrimo)
        : numero_(numero),
          slot_(slot),
          f_(f),
          blocchi_(blocchi),
          soloPrimo_(soloPrimo),
          alta_(chiaveAlta(f.L)) {}

    void esegui() {
        try {
            percorri();
        } catch (const PrimoGuasto&) {
        }
    }

    std::vector<std::string> guasti;

  private:
    void percorri() {
        std::string radice;
        if (!leggi(1, radice)) {
            guasto("BLOCCO 1: RADICE INCOMPLETA");
            return;
        }
        const long usate = controllaBlocco(1, radice, '1');
        if (usate == 0) return;  // an empty index is only its root
        for (long m = 1; m <= usate; ++m) {
            std::string livello2;
            if (!figlio(1, radice, m, livello2)) continue;
            const long figlio2 = numeroVoce(radice, f_, m);
            const long usate2 = controllaBlocco(figlio2, livello2, '2');
            for (long m2 = 1; m2 <= usate2; ++m2) {
                std::string foglia;
                if (!figlio(figlio2, livello2, m2, foglia)) continue;
                const long figlio3 = numeroVoce(livello2, f_, m2);
                const long usate3 = controllaBlocco(figlio3, foglia, '3');
                for (long m3 = 1; m3 <= usate3; ++m3)
                    controllaFoglia(figlio3, foglia, m3);
            }
        }
    }

    // A damaged index can hold a fault in every entry: a yes/no caller stops at the first.
    void guasto(const std::string& t) {
        guasti.push_back(t);
        if (soloPrimo_) throw PrimoGuasto{};
    }
    std::string dove(long blocco, long m) const {
        return "BLOCCO " + testo(blocco) + " VOCE " + testo(m) + ": ";
    }

    bool leggi(long n, std::string& blocco) {
        if (archive::LEGGIREC(numero_, static_cast<double>(n)) != 0) return false;
        blocco = archive::AREAREC[static_cast<size_t>(slot_)];
        return true;
    }

    // The format rules of one block; returns how many used entries open it.
    long controllaBlocco(long n, const std::string& blocco, char livello) {
        long usate = 0;
        bool vuotaVista = false;
        for (long m = 1; m <= VOCI_BLOCCO; ++m) {
            const std::string_view chiave = chiaveVoce(blocco, f_, m);
            if (chiave == alta_) {
                vuotaVista = true;
                if (livelloVoce(blocco, f_, m) != livello || numeroVoce(blocco, f_, m) != 0)
                    guasto(dove(n, m) + "VOCE VUOTA NON REGOLARE");
                continue;
            }
            if (vuotaVista) {
                guasto(dove(n, m) + "VOCE USATA DOPO UNA VOCE VUOTA");
                continue;
            }
            ++usate;
            if (chiave.find(CARATTERE_ALTO) != std::string_view::npos)
                guasto(dove(n, m) + "CHIAVE CON IL CARATTERE 252");
            if (livelloVoce(blocco, f_, m) != livello)
                guasto(dove(n, m) + "CIFRA DI LIVELLO DIVERSA DA " + livello);
            if (m > 1 && chiave <= chiaveVoce(blocco, f_, m - 1))
                guasto(dove(n, m) + "CHIAVI NON IN ORDINE");
        }
        if (livello != '1' && usate == 0) guasto("BLOCCO " + testo(n) + ": BLOCCO VUOTO COLLEGATO");
        if (livello != '1' && usate == VOCI_BLOCCO)
            guasto("BLOCCO " + testo(n) + ": BLOCCO PIENO SOTTO LA RADICE");
        return usate;
    }

    // Reads the child of entry m of block `padre`, after checking its number and that
    // its first key is the separator.
    bool figlio(long padre, const std::string& blocco, long m, std::string& figlio) {
        const long c = numeroVoce(blocco, f_, m);
        if (c < 0) {
            guasto(dove(padre, m) + "NUMERO DI BLOCCO NON VALIDO");
            return false;
        }
        if (c < 2 || c > blocchi_) {
            guasto(dove(padre, m) + "BLOCCO " + testo(c) + " FUORI DAL FILE");
            return false;
        }
        if (!visitati_.insert(c).second) {
            guasto(dove(padre, m) + "BLOCCO " + testo(c) + " GIA' COLLEGATO");
            return false;
        }
        if (!leggi(c, figlio)) {
            guasto(dove(padre, m) + "BLOCCO " + testo(c) + " INCOMPLETO");
            return false;
        }
        if (chiaveVoce(figlio, f_, 1) != chiaveVoce(blocco, f_, m))
            guasto(dove(padre, m) + "SEPARATORE DIVERSO DALLA PRIMA CHIAVE DEL BLOCCO " + testo(c));
        return true;
    }

    void controllaFoglia(long n, const std::string& foglia, long m) {
        const long r = numeroVoce(foglia, f_, m);
        if (r < 1) guasto(dove(n, m) + "NUMERO DI RECORD NON VALIDO");
        // Next gives 999999 at the end of the index: a walk would stop on this entry.
        if (r == NUMERO_MASSIMO) guasto(dove(n, m) + "NUMERO DI RECORD 999999, CHE SEGNA LA FINE");
        const std::string_view chiave = chiaveVoce(foglia, f_, m);
        if (!ultima_.empty() && chiave <= ultima_)
            guasto(dove(n, m) + "CHIAVE NON IN ORDINE RISPETTO ALLA FOGLIA PRECEDENTE");
        ultima_.assign(chiave);
    }

    double numero_;
    int slot_;
    Formato f_;
    long blocchi_;
    bool soloPrimo_;
    std::string alta_;
    std::set<long> visitati_;
    std::string ultima_;
};

std::vector<std::string> verificaAperto(double numero, int slot, bool soloPrimo) {
    const auto R = static_cast<long>(archive::LUNREC[static_cast<size_t>(slot)]);
    if (R % VOCI_BLOCCO != 0 || R / VOCI_BLOCCO - 7 < 1)
        return {"LUNGHEZZA DEL RECORD " + testo(R) + " NON VALIDA PER UN INDICE"};
    const Formato f{R / VOCI_BLOCCO - 7};
    const long long lunghezza =
        platform::lunghezzaCanale(archive::CANALE[static_cast<size_t>(slot)]);
    if (lunghezza == 0) return {"FILE VUOTO"};
    Verifica v(numero, slot, f, static_cast<long>(lunghezza / R), soloPrimo);
    if (lunghezza % R != 0) {
        v.guasti.push_back("LUNGHEZZA DEL FILE NON MULTIPLA DI " + testo(R));
        if (soloPrimo) return v.guasti;
    }
    v.esegui();
    return v.guasti;
}

std::vector<std::string> verifica(double numeroFile, bool soloPrimo) {
    const double n = numeroFile;
    if (!(n >= 1 && n <= archive::MAX_FILE) || n != static_cast<long>(n))
        throw runtime::ErroreRuntime{runtime::ERR_INDICE};
    const int slot = static_cast<int>(n);
    if (archive::CANALE[static_cast<size_t>(slot)] != 0) return verificaAperto(n, slot, soloPrimo);

    const archive::ValoriOpen valori = archive::salvaValoriOpen();
    const std::string disco = archive::DISCOOPEN;
    archive::FAIOPEN(n);
    archive::ripristinaValoriOpen(valori);
    archive::DISCOOPEN = disco;
    try {
        auto guasti = verificaAperto(n, slot, soloPrimo);
        archive::CHIUDIFILE(n);
        return guasti;
    } catch (...) {
        archive::CHIUDIFILE(n);
        throw;
    }
}

}  // namespace

std::vector<std::string> verificaIndice(double numeroFile) {
    return verifica(numeroFile, false);
}

bool indiceSano(double numeroFile) {
    return verifica(numeroFile, true).empty();
}

}  // namespace isam
