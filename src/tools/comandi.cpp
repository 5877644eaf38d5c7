// The commands of vxarchivio over the program's own catalogue, record, field and ISAM routines.

#include "tools/comandi.h"
#include "tools/argomenti.h"

#include <algorithm>
#include <iostream>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "dictionary/buffers.h"
#include "dictionary/lettura.h"
#include "dictionary/scrittura.h"
#include "dictionary/spostamento.h"
#include "fiscalcode/codice_fiscale.h"
#include "isam/blocco.h"
#include "isam/isam.h"
#include "platform/canali.h"
#include "platform/fine_programma.h"
#include "platform/percorsi.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "tools/demo.h"

namespace tools {

namespace {

// Message boxes of the routines, on a command line: printed, answered with their default
// button. No window is ever shown.
class ServiziRiga final : public platform::ServiziUI {
  public:
    explicit ServiziRiga(std::ostream& err) : err_(err) {}
    platform::Risposta messaggio(const platform::Messaggio& m) override {
        std::string testo = m.testo;
        for (size_t p; (p = testo.find("\r\n")) != std::string::npos;)
            testo.replace(p, 2, " / ");
        err_ << (m.titolo.empty() ? platform::TITOLO_PREDEFINITO : m.titolo) << ": " << testo
             << '\n';
        return platform::rispostaPredefinita(m);
    }
    void mostraModale(const std::string& nome, const std::function<void()>&) override {
        err_ << "vxarchivio: la finestra " << nome << " non si apre da riga di comando\n";
    }
    void beep() override {}
    void clessidra(bool) override {}

  private:
    std::ostream& err_;
};

struct FineComando {
    int codice;
};

std::string catalogo() {
    return platform::percorsoLocale(archive::PERCORSOARCHIVI + "\\QZBASE.DAT");
}

void controllaCartellaArchivio(const std::string& cartella) {
    if (!platform::esisteCartella(cartella)) throw ErroreUso("archivio non trovato: " + cartella);
    if (!platform::esisteFile(catalogo()))
        throw ErroreUso("nell'archivio " + cartella + " manca il catalogo QZBASE.DAT");
}

// ---- descriptors and records ----

void controllaDescrittore(const std::string& d) {
    auto cifre = [&](size_t da, size_t n) {
        for (size_t i = da - 1; i < da - 1 + n; ++i)
            if (d[i] < '0' || d[i] > '9') return false;
        return true;
    };
    const bool valido = d.size() == 23 &&
                        dictionary::bufferPerNome(std::string_view(d).substr(0, 5)) &&
                        d[5] == ',' && d[11] == ',' && d[14] == ',' && d[16] == ',' &&
                        d[18] == ',' && cifre(7, 5) && cifre(13, 2);
    if (!valido)
        throw ErroreUso(
            "descrittore non valido (23 caratteri come \"DIPX$,00223,01,N,0,P054\"): '" + d + "'");
}

// The field, with its displacement, must lie inside the record.
void controllaCampoNelRecord(const std::string& d, int16_t occorrenza, long lunghezza) {
    const long posizione = std::stol(d.substr(6, 5));
    const long fine =
        posizione + std::stol(d.substr(12, 2)) - 1 + dictionary::SPOSTAMENTO(d, occorrenza);
    if (posizione < 1 || fine > lunghezza)
        throw ErroreUso("il campo " + d + " esce dal record di " + std::to_string(lunghezza) +
                        " caratteri");
}

bool numeroValido(const std::string& v) {
    size_t i = 0;
    if (i < v.size() && (v[i] == '-' || v[i] == '+')) ++i;
    bool cifre = false, separatore = false;
    for (; i < v.size(); ++i) {
        if (v[i] >= '0' && v[i] <= '9') {
            cifre = true;
        } else if ((v[i] == '.' || v[i] == ',') && !separatore) {
            separatore = true;
        } else {
            return false;
        }
    }
    return cifre;
}

}  // namespace

long intero(const std::string& testo, const std::string& cosa, long minimo, long massimo) {
    const bool cifre =
        !testo.empty() && testo.size() <= 9 &&
        std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!cifre) throw ErroreUso(cosa + " non e' un numero: '" + testo + "'");
    const long valore = std::stol(testo);
    if (valore < minimo || valore > massimo)
        throw ErroreUso(cosa + " fuori dai limiti " + std::to_string(minimo) + ".." +
                        std::to_string(massimo) + ": " + testo);
    return valore;
}

std::string percorsoFile(double numero) {
    long long lunghezza = 0;
    platform::esisteFile(catalogo(), &lunghezza);
    if (lunghezza < static_cast<long long>(numero) * 79)
        throw ErroreUso("il file " + runtime::testoNumero(numero) + " non e' nel catalogo");
    int16_t prefisso = -1;
    const std::string percorso = archive::DAMMIFILE_S(numero, prefisso);
    if (!(archive::LUNRECBASE >= 1))
        throw ErroreUso("il file " + runtime::testoNumero(numero) +
                        " non ha una lunghezza di record nel catalogo");
    return percorso;
}

double apriFile(const std::string& argomento, const std::string& cosa) {
    const double numero = static_cast<double>(intero(argomento, cosa, 1, archive::MAX_FILE));
    const std::string percorso = percorsoFile(numero);
    if (!platform::esisteFile(platform::percorsoLocale(percorso)))
        throw ErroreUso("il file " + runtime::testoNumero(numero) + " non esiste: " + percorso);
    archive::FAIOPEN(numero);
    return numero;
}

long lunghezzaRecord(double numero) {
    return static_cast<long>(archive::LUNREC[static_cast<int>(numero)]);
}

long long lunghezzaFile(double numero) {
    return platform::lunghezzaCanale(archive::CANALE[static_cast<int>(numero)]);
}

int eseguiComando(Flussi& f, const std::function<int()>& comando) {
    platform::installaServizi(std::make_unique<ServiziRiga>(f.err));
    platform::impostaFineProgramma([](int codice) { throw FineComando{codice}; });
    int esito = ESITO_OK;
    try {
        esito = comando();
    } catch (const ErroreUso& e) {
        f.err << "vxarchivio: " << e.what() << '\n';
        esito = ESITO_USO;
    } catch (const ErroreCostruzione& e) {
        f.err << "vxarchivio: " << e.what() << '\n';
        esito = ESITO_USO;
    } catch (const FineComando& e) {
        // A routine stopped the program after its message (printed above): missing
        // configuration or path values are bad input, anything else a fault.
        const bool uso =
            e.codice == platform::USCITA_MESSAGGIO || e.codice == platform::USCITA_CONFIGURAZIONE;
        f.err << "vxarchivio: operazione interrotta (codice " << e.codice << ")\n";
        esito = uso ? ESITO_USO : ESITO_NON_TROVATO;
    } catch (const runtime::ErroreRuntime& e) {
        f.err << "vxarchivio: errore " << e.numero() << ": " << e.descrizione() << '\n';
        esito = ESITO_NON_TROVATO;
    } catch (const std::exception& e) {
        f.err << "vxarchivio: " << e.what() << '\n';
        esito = ESITO_NON_TROVATO;
    }
    try {
        archive::CHIUDIFILE(0);
    } catch (const runtime::ErroreRuntime& e) {
        f.err << "vxarchivio: chiusura dei file: " << e.descrizione() << '\n';
        esito = std::max(esito, ESITO_NON_TROVATO);
    }
    platform::impostaFineProgramma({});
    platform::installaServizi(std::make_unique<ServiziRiga>(std::cerr));
    f.out.flush();
    return esito;
}

void impostaArchivio(const std::optional<std::string>& cartella) {
    archive::NOMEPROGRAMMA = "VXARCHIVIO";  // a "VX" program: its task file is VXSTASK.INI
    if (cartella) {
        std::string c = *cartella;
        while (c.size() > 1 && (c.back() == '/' || c.back() == '\\'))
            c.pop_back();
        archive::PERCORSOARCHIVI = c;
        controllaCartellaArchivio(platform::percorsoLocale(c));
        return;
    }
    // As the program finds it: the registry first, then the path files. The tool itself does
    // not refuse a second copy of itself, so scripts may run it side by side.
    const std::string programmi = archive::LEGGIREGISTRO(
        archive::HKEY_CURRENT_USER, archive::CHIAVE_PONTEVAL, "PERCORSOPROGRAMMI");
    const std::string archivi = archive::LEGGIREGISTRO(archive::HKEY_CURRENT_USER,
                                                       archive::CHIAVE_PONTEVAL, "PERCORSOARCHIVI");
    std::string scelto;
    if (!archivi.empty() && !programmi.empty() &&
        platform::esisteCartella(platform::percorsoLocale(archivi)) &&
        platform::esisteCartella(platform::percorsoLocale(programmi))) {
        scelto = archivi;
    } else if (platform::esisteFile("C:\\PTORVALE\\QZPERARK.QZP")) {
        scelto = runtime::TRIM(archive::primaRigaFile("C:\\PTORVALE\\QZPERARK.QZP"));
    }
    if (scelto.empty())
        throw ErroreUso("archivio non configurato: ne' il registro (" +
                        std::string("PONTEVAL_REGISTRO") +
                        ") ne' C:\\PTORVALE\\QZPERARK.QZP (sotto " + platform::radiceUnita() +
                        ") lo indicano; usare --archivio");
    archive::PERCORSOARCHIVI = scelto;
    controllaCartellaArchivio(platform::percorsoLocale(scelto));
    if (platform::esisteFile(archive::fileTask())) archive::leggiCodiceTask();
}

int comandoDemo(Flussi& f, const std::string& cartella) {
    if (cartella.empty()) throw ErroreUso("manca la cartella della demo");
    for (const auto& riga : creaDemo(cartella))
        f.out << riga << '\n';
    return ESITO_OK;
}

int comandoRecord(Flussi& f, const std::string& file, const std::string& numero) {
    const long n = intero(numero, "numero di record", 1, 999999999);
    const double nf = apriFile(file);
    if (archive::LEGGIREC(nf, n) != 0) {
        f.err << "vxarchivio: il record " << n << " e' oltre la fine del file " << file << '\n';
        return ESITO_NON_TROVATO;
    }
    f.out << archive::AREAREC[static_cast<int>(nf)] << '\n';
    return ESITO_OK;
}

int comandoCampo(Flussi& f, const std::string& descrittore, const std::string& file,
                 const std::string& numero, const std::string& occorrenza, ModoCampo modo) {
    controllaDescrittore(descrittore);
    const auto k = static_cast<int16_t>(intero(occorrenza, "occorrenza", 0, 32767));
    const long n = intero(numero, "numero di record", 1, 999999999);
    const double nf = apriFile(file);
    controllaCampoNelRecord(descrittore, k, lunghezzaRecord(nf));
    if (archive::LEGGIREC(nf, n) != 0) {
        f.err << "vxarchivio: il record " << n << " e' oltre la fine del file " << file << '\n';
        return ESITO_NON_TROVATO;
    }
    const std::string& record = archive::AREAREC[static_cast<int>(nf)];
    switch (modo) {
        case ModoCampo::Testo:
            f.out << dictionary::RepoR(descrittore, k, record);
            break;
        case ModoCampo::Numero:
            f.out << runtime::testoNumero(dictionary::RepoRN(descrittore, k, record));
            break;
        case ModoCampo::Mostra:
            f.out << dictionary::RepoRT(descrittore, k, record);
            break;
    }
    f.out << '\n';
    return ESITO_OK;
}

int comandoCampoScrivi(Flussi& f, const std::string& descrittore, const std::string& valore,
                       const std::string& file, const std::string& numero,
                       const std::string& occorrenza) {
    controllaDescrittore(descrittore);
    if (descrittore[15] != 'A' && !numeroValido(valore))
        throw ErroreUso("il campo " + descrittore + " e' numerico: valore non valido '" + valore +
                        "'");
    const auto k = static_cast<int16_t>(intero(occorrenza, "occorrenza", 0, 32767));
    const long n = intero(numero, "numero di record", 1, 999999999);
    const double nf = apriFile(file);
    controllaCampoNelRecord(descrittore, k, lunghezzaRecord(nf));
    std::string record;
    const bool scritto = archive::conSemaforo([&] {
        if (archive::LEGGIREC(nf, n) != 0) return false;
        record = archive::AREAREC[static_cast<int>(nf)];
        dictionary::RepoW(descrittore, std::string_view(valore), k, record);
        archive::SCRIVIREC(nf, n, record);
        return true;
    });
    if (!scritto) {
        f.err << "vxarchivio: il record " << n << " e' oltre la fine del file " << file << '\n';
        return ESITO_NON_TROVATO;
    }
    f.out << dictionary::RepoR(descrittore, k, record) << '\n';
    return ESITO_OK;
}

int comandoCodice(Flussi& f, const std::string& tipo, const std::string& operazione,
                  const std::string& codice) {
    if (tipo == "cf" && operazione == "controlla") {
        const int16_t r = fiscalcode::CONTROLLACF(codice);
        f.out << r << '\n';
        return r == 0 ? ESITO_OK : ESITO_NON_TROVATO;
    }
    if (tipo == "piva" && operazione == "controlla") {
        const int16_t r = fiscalcode::CONTROLLAPI(codice);
        f.out << r << '\n';
        return r == 0 ? ESITO_OK : ESITO_NON_TROVATO;
    }
    if (tipo == "cf" && operazione == "decodifica") {
        if (codice.size() != 16)
            throw ErroreUso("il codice fiscale deve avere 16 caratteri: '" + codice + "'");
        const std::string percorso = percorsoFile(fiscalcode::FILE_COMUNI);
        if (!platform::esisteFile(platform::percorsoLocale(percorso)))
            throw ErroreUso("manca il file dei comuni: " + percorso);
        f.out << fiscalcode::DECODIFICACF_S(codice) << '\n';
        return ESITO_OK;
    }
    throw ErroreUso("comando sconosciuto: " + tipo + " " + operazione);
}

}  // namespace tools
