// vxarchivio isam and indice: single ISAM operations, batches, walks, the check and the rebuild
// of an index. Whatever rewrites an index as a whole (a batch, a rebuild) builds the new index
// in an image beside it and writes it over the index only when complete, so that a kill leaves
// the old index or the new one; every index command first finishes such a write if a kill
// interrupted it.

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "archive/catalogo.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "isam/blocco.h"
#include "isam/immagine.h"
#include "isam/isam.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "tools/argomenti.h"
#include "tools/comandi.h"

namespace tools {

namespace {

long lunghezzaChiave(double indice) {
    const long r = lunghezzaRecord(indice);
    if (r % 128 != 0 || r / 128 <= 7)
        throw ErroreUso("il file " + runtime::testoNumero(indice) + " non e' un indice");
    return r / 128 - 7;
}

void controllaChiave(double indice, const std::string& chiave, bool vuotaAmmessa) {
    const long l = lunghezzaChiave(indice);
    if (static_cast<long>(chiave.size()) != l)
        throw ErroreUso("la chiave '" + chiave + "' e' di " + std::to_string(chiave.size()) +
                        " caratteri: l'indice " + runtime::testoNumero(indice) + " ne vuole " +
                        std::to_string(l));
    if (chiave.find('\xFC') != std::string::npos)
        throw ErroreUso("la chiave contiene il carattere 252, riservato");
    if (!vuotaAmmessa && runtime::TRIM(chiave).empty()) throw ErroreUso("la chiave e' vuota");
}

// A data record number to store with a key. 999999 is what next gives at the end of an index,
// so a key carrying it would end every walk there: the engine takes it, the tool does not.
double numeroPerIndice(const std::string& testo, const std::string& cosa) {
    const long n = intero(testo, cosa, 1, isam::NUMERO_MASSIMO);
    if (n == isam::NUMERO_MASSIMO) throw ErroreUso(cosa + " 999999 e' riservato: segna la fine dell'indice");
    return static_cast<double>(n);
}

void controllaNonVuoto(double indice) {
    if (lunghezzaFile(indice) == 0)
        throw ErroreUso("l'indice " + runtime::testoNumero(indice) +
                        " e' vuoto: prima 'isam inizializza'");
}

// A rewrite of the index that a kill interrupted is finished before anything else.
void completaSeInterrotta(Flussi& f, double indice) {
    if (!isam::scritturaInterrotta(indice)) return;
    if (archive::conSemaforo([&] { return isam::completaScrittura(indice); }))
        f.err << "vxarchivio: completata la riscrittura interrotta dell'indice "
              << runtime::testoNumero(indice) << '\n';
}

// Opens the index named on the command line, after finishing an interrupted rewrite of it.
// `creandolo`: a missing index file is created (empty) instead of refused.
double apriIndice(Flussi& f, const std::string& argomento, bool creandolo = false) {
    const double ni = static_cast<double>(intero(argomento, "numero di indice", 1, archive::MAX_FILE));
    percorsoFile(ni);
    completaSeInterrotta(f, ni);
    if (creandolo) {
        archive::FAIOPEN(ni);
    } else {
        apriFile(argomento, "numero di indice");
    }
    lunghezzaChiave(ni);
    return ni;
}

// Walks the index in key order, a leaf at a time as the program's lists do; it ends on the high
// key and stops with the damage error when the keys stop growing.
template <typename F>
long percorri(double indice, F perOgniChiave) {
    long quante = 0;
    isam::scorriIntervallo(indice, runtime::SPACE(lunghezzaChiave(indice)), "",
                           [&](const std::vector<isam::VoceIndice>& foglio) {
                               for (const auto& v : foglio) {
                                   ++quante;
                                   perOgniChiave(v.chiave, v.record);
                               }
                               return true;
                           });
    return quante;
}

bool chiaveVuota(const std::string& chiave) {
    return chiave.find_first_not_of(" 0") == std::string::npos;
}

struct ChiaveNeiDati {
    double file = 0;
    long posizione = 0, lunghezza = 0;
};

ChiaveNeiDati chiaveNeiDati(double indice, const std::string& dati, const std::string& chiave) {
    const size_t virgola = chiave.find(',');
    if (virgola == std::string::npos) throw ErroreUso("--chiave vuole POS,LUN: '" + chiave + "'");
    ChiaveNeiDati c;
    c.posizione = intero(chiave.substr(0, virgola), "posizione della chiave", 1, 99999);
    c.lunghezza = intero(chiave.substr(virgola + 1), "lunghezza della chiave", 1, 99999);
    if (lunghezzaChiave(indice) != c.lunghezza)
        throw ErroreUso("l'indice " + runtime::testoNumero(indice) + " ha chiavi di " +
                        std::to_string(lunghezzaChiave(indice)) + " caratteri, non " +
                        std::to_string(c.lunghezza));
    c.file = apriFile(dati, "file dei dati");
    if (c.posizione + c.lunghezza - 1 > lunghezzaRecord(c.file))
        throw ErroreUso("la chiave esce dal record di " +
                        std::to_string(lunghezzaRecord(c.file)) + " caratteri");
    return c;
}

// The key field of every data record, in record order.
std::vector<std::string> chiaviDeiDati(const ChiaveNeiDati& c) {
    std::vector<std::string> chiavi;
    for (double r = 1; archive::LEGGIREC(c.file, r) == 0; ++r)
        chiavi.push_back(
            runtime::MID(archive::AREAREC[static_cast<int>(c.file)], c.posizione, c.lunghezza));
    return chiavi;
}

// The index against its data file: every entry names an existing record holding its key, and
// every record with a key is in the index under its own number. One line per fault.
std::vector<std::string> guastiRispettoAiDati(double indice, const ChiaveNeiDati& c) {
    const auto chiavi = archive::conSemaforo([&] { return chiaviDeiDati(c); });
    std::vector<std::string> guasti;
    auto guasto = [&](const std::string& k, double r, const std::string& cosa) {
        guasti.push_back(k + '\t' + runtime::testoNumero(r) + '\t' + cosa);
    };
    std::map<std::string, double> nellIndice;
    percorri(indice, [&](const std::string& k, double r) {
        nellIndice.emplace(k, r);
        if (r > static_cast<double>(chiavi.size()))
            guasto(k, r, "RECORD OLTRE LA FINE DEL FILE DEI DATI");
        else if (chiavi[static_cast<size_t>(r) - 1] != k)
            guasto(k, r, "NEL RECORD LA CHIAVE E' " + chiavi[static_cast<size_t>(r) - 1]);
    });
    for (size_t i = 0; i < chiavi.size(); ++i) {
        const std::string& k = chiavi[i];
        if (chiaveVuota(k) || k.find('\xFC') != std::string::npos) continue;
        const auto trovata = nellIndice.find(k);
        const auto r = static_cast<double>(i + 1);
        if (trovata == nellIndice.end())
            guasto(k, r, "RECORD NON NELL'INDICE");
        else if (trovata->second != r)
            guasto(k, r, "NELL'INDICE LA CHIAVE PORTA AL RECORD " + runtime::testoNumero(trovata->second));
    }
    return guasti;
}

int stampaVerifica(Flussi& f, double indice, const ChiaveNeiDati* dati = nullptr) {
    auto guasti = isam::verificaIndice(indice);
    if (guasti.empty() && lunghezzaFile(indice) > 0 && dati)
        guasti = guastiRispettoAiDati(indice, *dati);
    if (!guasti.empty()) {
        for (const auto& g : guasti)
            f.out << g << '\n';
        return ESITO_NON_TROVATO;
    }
    const long quante =
        lunghezzaFile(indice) == 0 ? 0 : percorri(indice, [](const std::string&, double) {});
    f.out << "OK\t" << quante << '\n';
    return ESITO_OK;
}

struct Operazione {
    int16_t codice;
    std::string chiave;
    double record = 0;
};

bool scrive(const Operazione& op) {
    return op.codice == isam::ISAM_INSERISCI || op.codice == isam::ISAM_CANCELLA ||
           op.codice == isam::ISAM_INIZIALIZZA;
}

std::vector<Operazione> leggiOperazioni(Flussi& f, double indice) {
    std::vector<Operazione> elenco;
    std::string riga;
    long numeroRiga = 0;
    while (std::getline(f.in, riga)) {
        ++numeroRiga;
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (riga.empty()) continue;
        const std::string dove = "riga " + std::to_string(numeroRiga) + ": ";
        const size_t t1 = riga.find('\t');
        if (t1 == std::string::npos) throw ErroreUso(dove + "manca la tabulazione dopo il codice");
        Operazione op;
        const long codice = intero(riga.substr(0, t1), dove + "codice", 1, 9);
        if (codice > 4 && codice != 9)
            throw ErroreUso(dove + "codice ISAM non ammesso: " + std::to_string(codice));
        op.codice = static_cast<int16_t>(codice);
        std::string resto = riga.substr(t1 + 1);
        if (op.codice == isam::ISAM_INSERISCI) {
            const size_t t2 = resto.rfind('\t');
            if (t2 == std::string::npos) throw ErroreUso(dove + "manca il numero di record");
            op.record = numeroPerIndice(resto.substr(t2 + 1), dove + "numero di record");
            resto = resto.substr(0, t2);
        }
        try {
            controllaChiave(
                indice, resto,
                op.codice == isam::ISAM_SUCCESSIVA || op.codice == isam::ISAM_INIZIALIZZA);
        } catch (const ErroreUso& e) {
            throw ErroreUso(dove + e.what());
        }
        op.chiave = resto;
        elenco.push_back(std::move(op));
    }
    return elenco;
}

std::string risultato(int16_t codice, double r) {
    std::string riga = runtime::testoNumero(r);
    if (codice == isam::ISAM_SUCCESSIVA) riga += '\t' + isam::CHIAVEISAM_S;
    return riga + '\n';
}

// A batch is all or nothing: under the semaphore for its whole run, on an image of the index
// written over it only at the end; a batch that only reads works on the index itself.
std::string eseguiLotto(double indice, const std::vector<Operazione>& operazioni) {
    std::string risultati;
    auto esegui = [&](isam::ImmagineIndice* immagine) {
        for (const auto& op : operazioni) {
            double r = 0;
            if (op.codice == isam::ISAM_INIZIALIZZA && immagine) {
                immagine->azzera();  // initialising would delete the index file itself
            } else {
                r = isam::ISAM(indice, op.chiave, op.codice, op.record);
            }
            risultati += risultato(op.codice, r);
        }
    };
    archive::conSemaforo([&] {
        if (std::none_of(operazioni.begin(), operazioni.end(), scrive)) return esegui(nullptr);
        isam::ImmagineIndice immagine(indice, true);
        immagine.sullImmagine([&] { esegui(&immagine); });
        immagine.scrivi();
    });
    return risultati;
}

}  // namespace

int comandoIsam(Flussi& f, const std::string& operazione, const std::string& indice,
                const std::string& chiave, const std::string& numero) {
    if (operazione == "inizializza") {
        const double ni =
            static_cast<double>(intero(indice, "numero di indice", 1, archive::MAX_FILE));
        percorsoFile(ni);
        if (archive::LUNRECBASE <= 0 || static_cast<long>(archive::LUNRECBASE) % 128 != 0 ||
            archive::LUNRECBASE / 128 <= 7)
            throw ErroreUso("il file " + indice + " non e' un indice");
        completaSeInterrotta(f, ni);
        f.out << risultato(isam::ISAM_INIZIALIZZA, archive::conSemaforo([&] {
                               return isam::ISAM(ni, "", isam::ISAM_INIZIALIZZA, 0);
                           }));
        return ESITO_OK;
    }
    const double ni = apriIndice(f, indice);
    if (operazione == "esegui") {
        const auto operazioni = leggiOperazioni(f, ni);  // all checked before any is run
        if (std::any_of(operazioni.begin(), operazioni.end(),
                        [](const Operazione& o) { return o.codice != isam::ISAM_INIZIALIZZA; }) &&
            operazioni.front().codice != isam::ISAM_INIZIALIZZA)
            controllaNonVuoto(ni);
        f.out << eseguiLotto(ni, operazioni);
        return ESITO_OK;
    }
    controllaNonVuoto(ni);
    if (operazione == "elenca") {
        percorri(ni, [&](const std::string& k, double r) {
            f.out << k << '\t' << runtime::testoNumero(r) << '\n';
        });
        return ESITO_OK;
    }
    int16_t codice = 0;
    double record = 0;
    if (operazione == "trova") {
        codice = isam::ISAM_TROVA;
    } else if (operazione == "successivo") {
        codice = isam::ISAM_SUCCESSIVA;
    } else if (operazione == "elimina") {
        codice = isam::ISAM_CANCELLA;
    } else if (operazione == "inserisci") {
        codice = isam::ISAM_INSERISCI;
        record = numeroPerIndice(numero, "numero di record");
    } else {
        throw ErroreUso("operazione isam sconosciuta: " + operazione);
    }
    controllaChiave(ni, chiave, codice == isam::ISAM_SUCCESSIVA);
    const double r = archive::conSemaforo([&] { return isam::ISAM(ni, chiave, codice, record); });
    f.out << risultato(codice, r);
    // Next ends on the high key; any other operation fails with -1 only.
    const bool fine = codice == isam::ISAM_SUCCESSIVA
                          ? isam::CHIAVEISAM_S == isam::chiaveAlta(lunghezzaChiave(ni))
                          : r == -1;
    return fine ? ESITO_NON_TROVATO : ESITO_OK;
}

int comandoIndiceVerifica(Flussi& f, const std::string& indice, const std::string& dati,
                          const std::string& chiave) {
    if (dati.empty() != chiave.empty())
        throw ErroreUso("indice verifica: --dati FILE e --chiave POS,LUN vanno insieme");
    const double ni = apriIndice(f, indice);
    if (dati.empty()) return stampaVerifica(f, ni);
    const ChiaveNeiDati c = chiaveNeiDati(ni, dati, chiave);
    return stampaVerifica(f, ni, &c);
}

int comandoIndiceRicostruisci(Flussi& f, const std::string& indice, const std::string& dati,
                              const std::string& chiave) {
    const double ni = apriIndice(f, indice, true);
    const ChiaveNeiDati c = chiaveNeiDati(ni, dati, chiave);
    std::ostringstream righe;
    long inseriti = 0;
    auto chiaveDelRecord = [&](double r) {
        if (archive::LEGGIREC(c.file, r) != 0) return std::optional<std::string>{};
        return std::optional<std::string>{
            runtime::MID(archive::AREAREC[static_cast<int>(c.file)], c.posizione, c.lunghezza)};
    };
    archive::conSemaforo([&] {
        // From 999999 on a record number cannot be stored (999999 is the end of the index): a
        // key there refuses the rebuild before anything is built.
        for (double r = isam::NUMERO_MASSIMO;; ++r) {
            const auto k = chiaveDelRecord(r);
            if (!k) break;
            if (!chiaveVuota(*k) && k->find('\xFC') == std::string::npos)
                throw ErroreUso("il record " + runtime::testoNumero(r) +
                                " dei dati ha una chiave ma non puo' stare in un indice: i numeri "
                                "di record vanno da 1 a 999998");
        }
        isam::ImmagineIndice immagine(ni, false);
        immagine.sullImmagine([&] {
            for (double r = 1; r < isam::NUMERO_MASSIMO; ++r) {
                const auto chiaveLetta = chiaveDelRecord(r);
                if (!chiaveLetta) break;
                const std::string& k = *chiaveLetta;
                const std::string numero = runtime::testoNumero(r);
                if (chiaveVuota(k)) {
                    righe << "saltato\t" << numero << "\tchiave vuota\n";
                } else if (k.find('\xFC') != std::string::npos) {
                    righe << "saltato\t" << numero << "\tchiave con il carattere 252\n";
                } else if (isam::ISAM(ni, k, isam::ISAM_INSERISCI, r) != 0) {
                    righe << "doppio\t" << numero << '\t' << k << '\t'
                          << runtime::testoNumero(isam::ISAM(ni, k, isam::ISAM_TROVA, 0)) << '\n';
                } else {
                    ++inseriti;
                }
            }
        });
        immagine.scrivi();
    });
    f.out << righe.str() << "inseriti\t" << inseriti << '\n';
    return stampaVerifica(f, ni);
}

}  // namespace tools
