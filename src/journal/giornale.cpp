#include "journal/giornale.h"

#include <algorithm>
#include <map>

#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "platform/canali.h"
#include "platform/percorsi.h"
#include "platform/postazione.h"
#include "runtime/errore.h"

namespace journal {

namespace {

constexpr long long BLOCCO_LETTURA = 1 << 20;

void apriDipendenti() {
    if (archive::CANALE[FILE_DIPENDENTI] == 0) archive::FAIOPEN(FILE_DIPENDENTI);
}

// The worker records as they are now, each read once.
class RecordSuDisco {
  public:
    const std::optional<std::string>& operator()(long record) {
        auto [it, nuovo] = letti_.try_emplace(record);
        if (nuovo && archive::LEGGIREC(FILE_DIPENDENTI, static_cast<double>(record)) == 0)
            it->second = archive::AREAREC[FILE_DIPENDENTI];
        return it->second;
    }

  private:
    std::map<long, std::optional<std::string>> letti_;
};

}  // namespace

std::string percorsoGiornale() {
    return archive::PERCORSOARCHIVI + "\\VXMIRA.JNL";
}

void aggiungiRiga(const std::string& rigaJson) {
    archive::TRACCIA("SCRIVIGIORNALE");
    platform::CanaleAperto c;
    platform::apriAggiunta(c.numero(), percorsoGiornale());
    std::string dati;
    if (const long long lunghezza = platform::lunghezzaCanale(c.numero()); lunghezza > 0) {
        std::string ultimo(1, '\n');
        platform::leggiBlocco(c.numero(), lunghezza - 1, ultimo);
        if (ultimo != "\n") dati = "\n";
    }
    dati += rigaJson;
    dati += '\n';
    platform::scriviInFondo(c.numero(), dati);
    c.chiudi();
}

Voce scriviConGiornale(double record, const std::string& dopo, long annulla) {
    // The before image is what is on disk now, not what was read when the operator began:
    // putting it back must undo exactly this write.
    if (archive::LEGGIREC(FILE_DIPENDENTI, record) != 0)
        throw runtime::ErroreRuntime{runtime::ERR_NUMERO_RECORD};
    Voce v;
    v.tipo = annulla > 0 ? TIPO_ANNULLAMENTO : TIPO_RIASSUNZIONE;
    v.annulla = annulla;
    v.ora = platform::istanteLocale();
    v.utente = platform::nomeUtente();
    v.host = platform::nomeHost();
    v.task = archive::CODICETASK;
    v.programma = archive::NOMEPROGRAMMA;
    v.file = FILE_DIPENDENTI;
    v.record = static_cast<long>(record);
    v.prima = archive::AREAREC[FILE_DIPENDENTI];
    v.dopo = dopo;
    v.chiave = dictionary::RepoR(dictionary::P001, 0, v.prima);
    aggiungiRiga(rigaJson(v));
    archive::SCRIVIREC(FILE_DIPENDENTI, record, dopo);
    return v;
}

const char* nomeStato(Stato stato) {
    switch (stato) {
        case Stato::Applicata:
            return "applicata";
        case Stato::NonApplicata:
            return "non applicata";
        case Stato::ModificataDopo:
            return "modificata dopo";
        case Stato::Annullata:
            return "annullata";
    }
    return "?";
}

Giornale leggiGiornale(long conImmagini) {
    Giornale g;
    const std::string percorso = platform::percorsoLocale(percorsoGiornale());
    long long lunghezza = 0;
    if (!platform::esisteFile(percorso, &lunghezza)) return g;
    apriDipendenti();
    RecordSuDisco suDisco;
    struct Confronto {
        bool comeDopo = false, comePrima = false;
    };
    std::vector<Confronto> confronti;

    Righe righe([&](long numero, std::string_view testo, bool troppoLunga) {
        if (!troppoLunga && testo.empty()) return;
        RigaLetta r;
        r.numero = numero;
        Confronto c;
        if (troppoLunga) {
            r.guasto = "riga troppo lunga";
        } else {
            Lettura l = leggiRiga(testo, numero);
            r.guasto = std::move(l.guasto);
            r.voce = std::move(l.voce);
        }
        if (r.voce) {
            const auto& disco = suDisco(r.voce->record);
            c.comeDopo = disco && *disco == r.voce->dopo;
            c.comePrima = disco && *disco == r.voce->prima;
            r.campi = confronta(r.voce->prima, r.voce->dopo).campi.size();
            if (numero != conImmagini) {  // a long journal must not stay in memory
                std::string().swap(r.voce->prima);
                std::string().swap(r.voce->dopo);
            }
        }
        g.righe.push_back(std::move(r));
        confronti.push_back(c);
    });
    platform::CanaleAperto canale;
    platform::apriBinarioLettura(canale.numero(), percorso);
    std::string blocco;
    for (long long letti = 0; letti < lunghezza; letti += static_cast<long long>(blocco.size())) {
        blocco.resize(static_cast<size_t>(std::min(BLOCCO_LETTURA, lunghezza - letti)));
        if (!platform::leggiBlocco(canale.numero(), letti, blocco)) break;  // shrunk meanwhile
        righe.aggiungi(blocco);
    }
    righe.fine();
    g.numeroRighe = righe.righe();

    // Later entries first: an undo counts only while it is itself in force.
    std::map<long, size_t> posizione;
    for (size_t i = 0; i < g.righe.size(); ++i)
        posizione[g.righe[i].numero] = i;
    for (size_t i = g.righe.size(); i-- > 0;) {
        RigaLetta& r = g.righe[i];
        if (!r.voce) continue;
        if (r.annullataDa == 0)
            r.stato = confronti[i].comeDopo    ? Stato::Applicata
                      : confronti[i].comePrima ? Stato::NonApplicata
                                               : Stato::ModificataDopo;
        const bool inVigore = r.annullataDa == 0 && r.stato != Stato::NonApplicata;
        if (r.voce->tipo == TIPO_ANNULLAMENTO && inVigore) {
            const auto it = posizione.find(r.voce->annulla);
            if (it != posizione.end() && g.righe[it->second].voce &&
                g.righe[it->second].voce->record == r.voce->record &&
                g.righe[it->second].annullataDa == 0) {
                g.righe[it->second].annullataDa = r.numero;
                g.righe[it->second].stato = Stato::Annullata;
            }
        }
    }
    return g;
}

EsitoAnnullamento annulla(long numero) {
    EsitoAnnullamento e;
    archive::APRISEMA();
    try {
        const Giornale g = leggiGiornale(numero);
        const auto it = std::find_if(g.righe.begin(), g.righe.end(),
                                     [&](const RigaLetta& r) { return r.numero == numero; });
        if (it == g.righe.end()) {
            e.motivo = "la voce " + std::to_string(numero) + " non esiste";
        } else if (!it->voce) {
            e.motivo = "la voce " + std::to_string(numero) + " e' danneggiata: " + it->guasto;
        } else {
            const Voce& v = *it->voce;
            if (archive::LUNREC[FILE_DIPENDENTI] != static_cast<double>(v.dopo.size())) {
                e.motivo = "il record della voce non ha la lunghezza dei record del file";
            } else if (archive::LEGGIREC(FILE_DIPENDENTI, static_cast<double>(v.record)) != 0) {
                e.motivo = "il record " + std::to_string(v.record) + " e' oltre la fine del file";
            } else if (archive::AREAREC[FILE_DIPENDENTI] != v.dopo) {
                e.cambiate = confronta(v.dopo, archive::AREAREC[FILE_DIPENDENTI]);
                e.motivo = "il record " + std::to_string(v.record) + " e' cambiato dopo la voce " +
                           std::to_string(numero);
                if (it->annullataDa > 0)
                    e.motivo += " (annullata dalla voce " + std::to_string(it->annullataDa) + ")";
            } else {
                scriviConGiornale(static_cast<double>(v.record), v.prima, numero);
                e.fatto = true;
                e.nuova = g.numeroRighe + 1;
            }
        }
    } catch (...) {
        archive::CHIUDISEMA();
        throw;
    }
    archive::CHIUDISEMA();
    return e;
}

}  // namespace journal
