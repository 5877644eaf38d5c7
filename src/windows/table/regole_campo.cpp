// MENU2: the special field rules. A row whose definition carries a rule character drives
// other rows of the same page: a fiscal code fills the birth data, and three code rows look
// descriptions up in coded tables through their indexes. Targets are written into the
// worker record and onto the screen; the working record is the store's business.

#include <algorithm>
#include <array>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/formato_numeri.h"
#include "fiscalcode/codice_fiscale.h"
#include "isam/isam.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/table/definizione.h"
#include "windows/table/menu2.h"

namespace windows {

using archive::TRACCIA;
using runtime::LEFT;
using runtime::MID;
using runtime::RIGHT;
using runtime::VAL;
namespace def = definizione;

namespace {

// Coded tables: data file and its index.
constexpr double ATTIVITA = 212, INDICE_ATTIVITA = 213;
constexpr double MANSIONI = 214, INDICE_MANSIONI = 215;
constexpr double CONTRATTI = 223, INDICE_CONTRATTI = 224;

// The code of a row as the index keys hold it: its whole number, zero-padded.
std::string chiaveCodice(const std::string& valore, long cifre) {
    return RIGHT(runtime::STRING(cifre, '0') + dictionary::INTERO_S(VAL(valore)), cifre);
}

// Record `numero` of a data file found through its index, or the empty text.
std::string recordTrovato(double file, double indice, const std::string& chiave) {
    const double numero = isam::ISAM(indice, chiave, isam::ISAM_TROVA, 0);
    if (!(numero > 0)) return {};
    if (archive::LEGGIREC(file, numero) == 1) return {};  // an index pointing past the data
    return archive::AREAREC[static_cast<int>(file)];
}

}  // namespace

void MENU2::SPECIAL(double riga) {
    TRACCIA("SPECIAL");
    if (!(riga >= 1 && riga <= MAX_RIGHE)) return;
    const int row = static_cast<int>(riga);
    const std::string regola = def::regola(RIGADEF[row]);
    if (regola == "0") return;

    const int righe = scambio[RIGHE] < 0 ? 0 : std::min<int>(scambio[RIGHE], MAX_RIGHE);
    // The field of a row in the worker record.
    auto campo = [&](int r) {
        return MID(dictionary::DIPX_S, static_cast<long>(def::posizione(RIGADEF[r])),
                   static_cast<long>(def::lunghezza(RIGADEF[r])));
    };
    // A target row receives `registrato` in the worker record and shows `mostrato`.
    auto scrivi = [&](int r, const std::string& registrato, const std::string& mostrato) {
        runtime::MIDASSIGN(dictionary::DIPX_S, static_cast<long>(def::posizione(RIGADEF[r])),
                           static_cast<long>(def::lunghezza(RIGADEF[r])), registrato);
        VALORE[r] = mostrato;
        scriviCella(r, 2, mostrato);
    };

    if (regola == "7") {
        const std::string& v = VALORE[row];
        double esito = 0;
        if (v != runtime::SPACE(16)) esito = fiscalcode::CONTROLLACF(v);
        // A numeric code is judged by its own check digit.
        if (VAL(v) != 0) esito = fiscalcode::CONTROLLAPI(v);
        if (esito == 1) {
            MESCAM("ERRORE CODICE FISCALE !!");
            return;
        }
        const std::string nascita = fiscalcode::DECODIFICACF_S(v);
        const std::string data = MID(nascita, 1, 6);
        scambio[AGGIORNANDO] = 1;
        for (int r = 1; r <= righe; ++r) {
            const std::string c = def::regola(RIGADEF[r]);
            if (c == "2")
                scrivi(r, data, MID(data, 1, 2) + "/" + MID(data, 3, 2) + "/" + MID(data, 5, 2));
            else if (c == "3")
                scrivi(r, MID(nascita, 7, 20), MID(nascita, 7, 20));
            else if (c == "4")
                scrivi(r, MID(nascita, 27, 2), MID(nascita, 27, 2));
            else if (c == "5")
                scrivi(r, MID(nascita, 29, 1), MID(nascita, 29, 1));
        }
        scambio[AGGIORNANDO] = 0;
    }

    // Lookup 2 runs with a key built from either of its two code rows.
    bool mansione = false;
    std::string chiaveMansione;
    if (regola == "A") {
        archive::FAIOPEN(ATTIVITA);
        archive::FAIOPEN(INDICE_ATTIVITA);
        const std::string chiave = chiaveCodice(VALORE[row], 6);
        const std::string descrizione =
            MID(recordTrovato(ATTIVITA, INDICE_ATTIVITA, chiave), 7, 25);
        if (!descrizione.empty()) {
            std::string parteC;
            for (int r = 1; r <= righe; ++r) {
                const std::string c = def::regola(RIGADEF[r]);
                if (c == "B")
                    scrivi(r, descrizione, descrizione);
                else if (c == "C")
                    parteC = campo(r);
            }
            chiaveMansione = chiave + parteC;
            mansione = true;
        }
    } else if (regola == "C") {
        std::string parteA;
        for (int r = 1; r <= righe; ++r)
            if (def::regola(RIGADEF[r]) == "A") parteA = campo(r);
        chiaveMansione = "0" + parteA + chiaveCodice(VALORE[row], 6);
        mansione = true;
    } else if (regola == "F") {
        archive::FAIOPEN(CONTRATTI);
        archive::FAIOPEN(INDICE_CONTRATTI);
        const std::string record =
            recordTrovato(CONTRATTI, INDICE_CONTRATTI, chiaveCodice(VALORE[row], 5));
        if (!record.empty()) {
            const std::string primo = MID(record, 6, 18);
            const std::string secondo = MID(record, 24, 8);
            for (int r = 1; r <= righe; ++r) {
                const std::string c = def::regola(RIGADEF[r]);
                if (c == "G") {
                    scrivi(r, primo, primo);
                } else if (c == "H") {
                    const long l = static_cast<long>(def::lunghezza(RIGADEF[r]));
                    // Raw in the record, a plain whole number on screen.
                    scrivi(r, secondo,
                           LEFT(dictionary::INTERO_S(VAL(secondo)) + runtime::SPACE(l), l));
                }
            }
        }
    }

    if (mansione) {
        archive::FAIOPEN(MANSIONI);
        archive::FAIOPEN(INDICE_MANSIONI);
        const std::string record = recordTrovato(MANSIONI, INDICE_MANSIONI, chiaveMansione);
        const std::string descrizione = MID(record, 13, 30);
        const std::string codice = MID(record, 53, 2);
        if (!descrizione.empty()) {
            for (int r = 1; r <= righe; ++r) {
                const std::string c = def::regola(RIGADEF[r]);
                if (c == "D")
                    scrivi(r, descrizione, descrizione);
                else if (c == "E")
                    scrivi(r, codice, codice);
            }
        }
    }

    for (double f :
         {ATTIVITA, INDICE_ATTIVITA, CONTRATTI, INDICE_CONTRATTI, MANSIONI, INDICE_MANSIONI})
        archive::CHIUDIFILE(f);
    scambio[AGGIORNANDO] = 0;
}

}  // namespace windows
