// vxarchivio giornale and annulla: the re-hire journal read back, and a re-hire undone.

#include <ostream>

#include "archive/catalogo.h"
#include "archive/semaforo.h"
#include "journal/giornale.h"
#include "platform/percorsi.h"
#include "runtime/testo.h"
#include "tools/comandi.h"

namespace tools {

namespace {

long numeroVoce(const std::string& testo) {
    const bool cifre = !testo.empty() && testo.size() <= 9 &&
                       testo.find_first_not_of("0123456789") == std::string::npos;
    if (!cifre || std::stol(testo) < 1)
        throw ErroreUso("numero di voce non valido: '" + testo + "'");
    return std::stol(testo);
}

// Reading the journal and the worker records needs the worker file; a reading command must
// not create it.
void controllaFileDipendenti() {
    int16_t prefisso = -1;
    const std::string percorso = archive::DAMMIFILE_S(journal::FILE_DIPENDENTI, prefisso);
    if (percorso.empty() || !platform::esisteFile(platform::percorsoLocale(percorso)))
        throw ErroreUso("il file dei dipendenti (2) non esiste: " + percorso);
}

journal::Giornale leggi(long conImmagini) {
    controllaFileDipendenti();
    return archive::conSemaforo([&] { return journal::leggiGiornale(conImmagini); });
}

std::string tipo(const journal::Voce& v) {
    if (v.tipo == journal::TIPO_ANNULLAMENTO) return v.tipo + " " + std::to_string(v.annulla);
    return v.tipo;
}

void stampaDifferenze(Flussi& f, const journal::Differenze& d, std::string_view prima,
                      std::string_view dopo) {
    for (const auto& c : d.campi)
        f.out << "campo\t" << c.nome << '\t' << c.prima << '\t' << c.dopo << '\n';
    for (const auto& p : d.altre) {
        const auto da = static_cast<size_t>(p.da - 1), n = static_cast<size_t>(p.a - p.da + 1);
        f.out << "posizioni\t" << p.da << '-' << p.a << '\t' << prima.substr(da, n) << '\t'
              << dopo.substr(da, n) << '\n';
    }
}

int stampaVoce(Flussi& f, const journal::RigaLetta& r) {
    if (!r.voce) {
        f.out << r.numero << "\tdanneggiata\t" << r.guasto << '\n';
        return ESITO_NON_TROVATO;
    }
    const journal::Voce& v = *r.voce;
    f.out << "voce\t" << r.numero << "\ntipo\t" << tipo(v) << "\nora\t" << v.ora << "\nutente\t"
          << v.utente << "\nhost\t" << v.host << "\ntask\t" << v.task << "\nprogramma\t"
          << v.programma << "\nfile\t" << v.file << "\nrecord\t" << v.record << "\nchiave\t"
          << v.chiave << "\nstato\t" << journal::nomeStato(r.stato);
    if (r.annullataDa > 0) f.out << "\t" << r.annullataDa;
    f.out << '\n';
    stampaDifferenze(f, journal::confronta(v.prima, v.dopo), v.prima, v.dopo);
    return ESITO_OK;
}

}  // namespace

int comandoGiornale(Flussi& f, const std::optional<std::string>& numero,
                    const std::optional<std::string>& chiave) {
    if (numero && chiave) throw ErroreUso("giornale: N e --chiave non vanno insieme");
    const long scelta = numero ? numeroVoce(*numero) : 0;
    const journal::Giornale g = leggi(scelta);
    if (numero) {
        for (const auto& r : g.righe)
            if (r.numero == scelta) return stampaVoce(f, r);
        f.err << "vxarchivio: la voce " << scelta << " non esiste\n";
        return ESITO_NON_TROVATO;
    }
    for (const auto& r : g.righe) {
        if (!r.voce) {
            f.out << r.numero << "\tdanneggiata\t" << r.guasto << '\n';
            continue;
        }
        const journal::Voce& v = *r.voce;
        if (chiave && runtime::RTRIM(v.chiave) != runtime::RTRIM(*chiave)) continue;
        f.out << r.numero << '\t' << v.ora << '\t' << v.utente << '\t' << v.host << '\t' << v.chiave
              << '\t' << v.record << '\t' << r.campi << '\t' << journal::nomeStato(r.stato) << '\t'
              << tipo(v) << '\n';
    }
    return ESITO_OK;
}

int comandoAnnulla(Flussi& f, const std::string& numero) {
    const long n = numeroVoce(numero);
    controllaFileDipendenti();
    const journal::EsitoAnnullamento e = journal::annulla(n);
    if (e.fatto) {
        f.out << "annullamento\t" << e.nuova << '\n';
        return ESITO_OK;
    }
    // What changed since the entry: its after image against the record now.
    std::string nomi;
    for (const auto& c : e.cambiate.campi) {
        f.out << "campo\t" << c.nome << '\t' << c.prima << '\t' << c.dopo << '\n';
        nomi += (nomi.empty() ? "" : ", ") + c.nome;
    }
    for (const auto& p : e.cambiate.altre) {
        const std::string intervallo = std::to_string(p.da) + "-" + std::to_string(p.a);
        f.out << "posizioni\t" << intervallo << '\n';
        nomi += (nomi.empty() ? "" : ", ") + intervallo;
    }
    f.err << "vxarchivio: annulla " << n << " rifiutato, nulla scritto: " << e.motivo
          << (nomi.empty() ? "" : "; cambiati: " + nomi) << '\n';
    return ESITO_NON_TROVATO;
}

}  // namespace tools
