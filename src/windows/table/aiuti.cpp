// MENU2: help tables (decoding a value, the help choice list), help texts, and the choice
// lists over archive files.

#include <cmath>
#include <vector>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/formato_numeri.h"
#include "isam/isam.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"
#include "windows/table/definizione.h"
#include "windows/table/menu2.h"
#include "windows/table/riferimenti.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;
using runtime::LEFT;
using runtime::MID;
using runtime::RIGHT;
using runtime::VAL;
namespace def = definizione;

namespace {

constexpr double FILE_AIUTI = 216;
constexpr double INDICE_AIUTI = 217;
constexpr double FILE_TESTI = 41;
constexpr double RIGHE_DECODIFICA = 101;  // lines of a table searched for a code
constexpr double ULTIMO_RECORD_AIUTI = 100000;

// The index key of a help table: its number as 3 digits.
std::string chiaveTabella(double aiuto) {
    return RIGHT("000" + dictionary::INTERO_S(aiuto), 3);
}

// Table number of a help line: on a table's first line only, 0 on the lines that follow.
double numeroTabella(const std::string& linea) {
    return VAL(MID(linea, 2, 3));
}

// Record number of a table's first line in file 216, or -1 when the table is not indexed.
double primaLinea(double aiuto) {
    if (!(aiuto >= 1)) return -1;
    const double n = isam::ISAM(INDICE_AIUTI, chiaveTabella(aiuto), isam::ISAM_TROVA, 0);
    return n >= 1 && n != isam::ISAM_FINE ? n : -1;
}

// The record buffer a choice-list archive is read into.
std::string* bufferDelFile(double numero) {
    if (numero == 401) return &dictionary::FOTX_S;
    if (numero == 8) return &dictionary::SETX_S;
    if (numero == 48) return &dictionary::PROX_S;
    return nullptr;
}

// Adds an item to a "*"-separated list and its code once for every line the choice window
// will make of it (an item holding "*" becomes several lines), so that the chosen line's
// position finds its code even when the window trimmed or split the text.
void aggiungiVoce(std::string& elenco, std::vector<std::string>& codici, const std::string& voce,
                  const std::string& codice, bool separatore) {
    // A list that starts with "*" gives the window an empty first line, with no code.
    if (separatore && codici.empty()) codici.emplace_back();
    if (separatore) elenco += "*";
    elenco += voce;
    long righe = 1;
    for (long p = runtime::INSTR(voce, "*"); p != 0; p = runtime::INSTR(p + 1, voce, "*"))
        ++righe;
    codici.insert(codici.end(), static_cast<size_t>(righe), codice);
}

// Shows the choice list with the captions of the data-entry table's lists.
void mostraScelta(Modulo<Scelta>& scelta, const std::string& elenco) {
    ELENCOSCELTA_S = elenco;
    Scelta& finestra = scelta.carica();
    finestra.ETIC->setText(aQString("GESTIONE ENPALS"));
    finestra.LabelTitolo->setText(aQString("ELENCO OPERAZIONI DISPONIBILI"));
    scelta.mostra();
}

// The code of the chosen line, or nothing when no line was chosen.
bool codiceScelto(const std::vector<std::string>& codici, std::string& codice) {
    if (!(SCELTA_D >= 1)) return false;
    const double k = SCELTA_D;
    if (k <= static_cast<double>(codici.size()) && k == std::floor(k)) {
        codice = codici[static_cast<size_t>(k) - 1];
        return true;
    }
    return false;
}

}  // namespace

// ---- Decoding a value -----------------------------------------------------------------------

void MENU2::HP6(double riga, double aiuto) {
    TRACCIA("HP6");
    const double r = std::nearbyint(riga);
    if (!(r >= 1 && r <= MAX_RIGHE)) throw runtime::ErroreRuntime{runtime::ERR_INDICE};
    const auto i = static_cast<size_t>(r);
    DESCR[i].clear();
    const double n = primaLinea(aiuto);
    if (n == -1) return;
    for (double k = n; k < n + RIGHE_DECODIFICA; ++k) {
        if (archive::LEGGIREC(FILE_AIUTI, k) == 1) return;
        const std::string linea = archive::AREAREC[static_cast<size_t>(FILE_AIUTI)];
        const double tabella = numeroTabella(linea);
        // Past the table's own lines: the value has no description (never the one of
        // whatever line happened to be read last).
        if (tabella > aiuto || (k > n && tabella != 0)) return;
        if (MID(linea, 8, 1) == VALORE[i]) {
            DESCR[i] = MID(ST_AIUTO3_S(linea), 11, 36);
            return;
        }
    }
}

// ---- Help choice list -------------------------------------------------------------------

void MENU2::AIUTO2(double aiuto, double posizione) {
    TRACCIA("AIUTO2");
    const double n = primaLinea(aiuto);
    if (n == -1) return;
    std::string elenco;
    std::vector<std::string> codici;
    for (double k = n; k <= ULTIMO_RECORD_AIUTI; ++k) {
        if (archive::LEGGIREC(FILE_AIUTI, k) == 1) break;
        const double tabella = numeroTabella(archive::AREAREC[static_cast<size_t>(FILE_AIUTI)]);
        const std::string linea = ST_AIUTO3_S(archive::AREAREC[static_cast<size_t>(FILE_AIUTI)]);
        const std::string voce = MID(linea, 8, 40);
        if (tabella == aiuto) {
            elenco.clear();
            codici.clear();
            aggiungiVoce(elenco, codici, runtime::RTRIM(voce), MID(linea, 8, 1), false);
        } else if (tabella != 0) {
            break;
        } else {
            aggiungiVoce(elenco, codici, runtime::TRIM(voce), MID(linea, 8, 1), true);
        }
    }
    if (elenco.empty()) return;
    mostraScelta(scelta, elenco);
    // The code is the line's own character 8, also when it is a blank that the list trims.
    std::string codice;
    if (codiceScelto(codici, codice))
        runtime::MIDASSIGN(dictionary::DIPX_S, static_cast<long>(posizione), 1, codice);
    CARICA(scambio[PAGINA]);
    fuocoEditor();
}

// ---- Help texts ---------------------------------------------------------------------------

void MENU2::AIUTO(double archivio, int riga) {
    TRACCIA("AIUTO");
    const auto area = static_cast<size_t>(FILE_TESTI);
    std::string testo;
    {
        FilePerConsulta testi(FILE_TESTI);
        double inizio = 1;
        double fine = 0;
        for (;;) {
            if (archive::LEGGIREC(FILE_TESTI, inizio) == 1) {
                testi.chiudi();
                return;
            }
            const std::string& testata = archive::AREAREC[area];
            fine = VAL(MID(testata, 5, 4));
            if (VAL(MID(testata, 2, 3)) == archivio) break;
            // A chain that does not move forward would never end: the text is not there.
            if (!(fine > inizio) || fine != std::floor(fine)) {
                testi.chiudi();
                return;
            }
            inizio = fine;
        }
        for (double k = inizio; k == inizio || k < fine; ++k) {
            if (k > inizio && archive::LEGGIREC(FILE_TESTI, k) == 1) break;
            testo += " " + MID(archive::AREAREC[area], 9, 40) + " \r\n";
        }
        testi.chiudi();
    }
    const int r = riga >= 1 ? riga : scambio[RIGA];
    const std::string descrizione =
        r >= 1 && r <= MAX_RIGHE ? def::descrizione(RIGADEF[static_cast<size_t>(r)]) : "";
    platform::MSGBOX(testo, platform::Pulsanti::OK, platform::Icona::Nessuna,
                     "HELP: " + descrizione);
}

// ---- Archive choice lists -----------------------------------------------------------------

void MENU2::ELENK(double numeroFile, double posCodice, double lunCodice, double posDescrizione,
                  double lunDescrizione, double posCampo, double lunCampo) {
    TRACCIA("ELENK");
    std::string elenco;
    std::vector<std::string> codici;
    {
        FilePerConsulta file(numeroFile);
        const auto area = static_cast<size_t>(archive::indiceSlot(numeroFile));
        std::string* buffer = bufferDelFile(numeroFile);
        for (double k = 1;; ++k) {
            if (archive::LEGGIREC(numeroFile, k) == 1) break;
            const std::string& record = archive::AREAREC[area];
            if (buffer) *buffer = record;
            if (LEFT(record, 2) == "99") continue;  // a record that is no longer in use
            const std::string codice =
                MID(record, static_cast<long>(posCodice), static_cast<long>(lunCodice));
            const std::string voce =
                codice + " " +
                MID(record, static_cast<long>(posDescrizione), static_cast<long>(lunDescrizione));
            aggiungiVoce(elenco, codici, voce, codice, !codici.empty());
        }
        file.chiudi();
    }
    if (codici.empty()) return;
    mostraScelta(scelta, elenco);
    std::string codice;
    if (!codiceScelto(codici, codice)) return;
    // A code kept with blanks ("  7") is the same code: the field gets it zero-padded.
    const long lunghezza = static_cast<long>(lunCampo);
    runtime::MIDASSIGN(dictionary::DIPX_S, static_cast<long>(posCampo), lunghezza,
                       RIGHT(runtime::STRING(lunghezza, '0') + runtime::TRIM(codice), lunghezza));
}

// ---- Buttons ------------------------------------------------------------------------------

void MENU2::SS_Click(int Index) {
    eventoProtetto([&] {
        TRACCIA("SS_CLICK");
        const int r = Index + 1;
        if (r < 1 || r > scambio[RIGHE]) return;
        if (r != scambio[RIGA]) {
            // Going to another row discards unconfirmed text, as the mouse does.
            lasciaRiga();
            scambio[MODIFICATO] = 0;
        }
        vaiARiga(r);
        REVERSE();
        const std::string definizione = RIGADEF[static_cast<size_t>(r)];
        AIUTO2(def::aiuto(definizione), def::posizione(definizione));
        vaiARiga(r);
        REVERSE();
    });
}

void MENU2::SSCommand2_Click(int Index) {
    eventoProtetto([&] {
        TRACCIA("SSCOMMAND2_CLICK");
        const int r = Index + 1;
        if (r < 1 || r > scambio[RIGHE]) return;
        const std::string definizione = RIGADEF[static_cast<size_t>(r)];
        const double archivio = def::archivio(definizione);
        const double posizione = def::posizione(definizione);
        const double lunghezza = def::lunghezza(definizione);
        if (archivio == 0) return;
        if (archivio == 998) {
            ELENK(401, 4, 3, 7, 18, posizione, lunghezza);
        } else if (archivio == 999) {
            const std::string nome = def::nomeBreve(definizione);
            if (nome == "T067")
                ELENK(8, 381, 4, 385, 16, posizione, lunghezza);
            else if (nome == "P138")
                ELENK(48, 3, 3, 6, 25, posizione, lunghezza);
        } else {
            AIUTO(archivio, r);
            // The focus comes back without the editor taking it as a key.
            scambio[TASTO_GESTITO] = 1;
            fuocoEditor();
            scambio[TASTO_GESTITO] = 0;
        }
    });
}

}  // namespace windows
