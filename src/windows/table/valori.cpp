// MENU2: checking and storing a confirmed value, the window's error box and the
// maximum-value check made while typing.

#include <cmath>

#include "archive/domanda.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/formato_numeri.h"
#include "dictionary/lettura.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"
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

constexpr double FILE_ANNO = 6;      // record 1 holds the year of the archive at 5-8
constexpr double FILE_SETTORI = 8;   // sectors and formulas, by code
constexpr long INIZIO_FORMULE = 51;  // the formula list: 20 slots of 3 digits
constexpr long SLOT_FORMULE = 20;
constexpr double FORMULA_LIBERA = 50;  // the one formula that may follow an empty slot

// The whole number `x` as digits, however large (the number text turns to exponent
// notation from 15 digits on).
std::string cifreIntere(double x) {
    std::string t = runtime::testoNumero(x);
    if (t.find('E') != std::string::npos) {
        dictionary::ESPANDINUM(t);
        const auto punto = t.find('.');
        if (punto != std::string::npos) t.erase(punto);
        const bool negativo = !t.empty() && t[0] == '-';
        const auto primo = t.find_first_not_of('0', negativo ? 1 : 0);
        t = (negativo ? "-" : "") + (primo == std::string::npos ? "0" : t.substr(primo));
    }
    return t;
}

// A number stored in `l` characters padded with zeros: the last `l` characters of the digits.
// A sign stays in front of the zeros, where reading the field finds it.
std::string numeroRegistrato(double x, long l) {
    std::string t = cifreIntere(x);
    const bool negativo = !t.empty() && t[0] == '-';
    if (negativo) t.erase(0, 1);
    if (negativo && l >= 1) return "-" + RIGHT(runtime::STRING(l, '0') + t, l - 1);
    return RIGHT(runtime::STRING(l, '0') + t, l);
}

// The stored form of a display text: dates lose their slashes, numbers their point.
std::string formaRegistrata(const std::string& valore, long l, const std::string& tipo) {
    if (tipo == "A") return valore;
    if (tipo == "D") {
        // dd/mm, dd/mm/yy, dd/mm/yyyy: the digit pairs around the slashes, then the year.
        return LEFT(MID(valore, 1, 2) + MID(valore, 4, 2) + (l > 4 ? MID(valore, 7) : ""), l);
    }
    const double decimali = VAL(tipo);
    double x = VAL(valore) * std::pow(10.0, decimali);
    // Through the 15-digit number text first, so that 12.34 times 100 is 1234, not 1233.
    x = std::round(VAL(runtime::testoNumero(x)));
    return numeroRegistrato(x, l);
}

// The year that completes a day-and-month date: that of the archive (file 6), or 2000.
std::string annoArchivio() {
    const bool aperto = archive::CANALE[static_cast<int>(FILE_ANNO)] != 0;
    if (!aperto) archive::FAIOPEN(FILE_ANNO);
    std::string anno = "2000";
    if (archive::LEGGIREC(FILE_ANNO, 1) == 0)
        anno = MID(archive::AREAREC[static_cast<int>(FILE_ANNO)], 5, 4);
    if (!aperto) archive::CHIUDIFILE(FILE_ANNO);
    return anno;
}

// The eight characters (day, month, year) that the date check judges.
std::string dataDaControllare(const std::string& s, long l) {
    if (l <= 4) return s + annoArchivio();
    // Two-digit years are of this century.
    if (l == 6) return LEFT(s, 4) + "20" + MID(s, 5, 2);
    const std::string anno = MID(s, 5);
    return LEFT(s, 4) +
           (anno.size() < 4 ? RIGHT("0000" + anno, 4) : anno);  // a longer year is refused
}

bool tuttiZeri(const std::string& s) {
    return s.find_first_not_of('0') == std::string::npos;
}

// A number as the messages show it: with its sign place, a blank for positives.
std::string numeroMessaggio(double x) {
    return (x < 0 ? "" : " ") + runtime::testoNumero(x);
}

}  // namespace

double MENU2::MUOVI2(double riga) {
    TRACCIA("MUOVI2");
    // No row on the page: nothing to store.
    if (!(riga >= 1 && riga <= scambio[RIGHE] && riga <= MAX_RIGHE)) return 1;
    const int r = static_cast<int>(riga);
    scambio[CODICE_MANCANTE] = 1;
    const std::string& d = RIGADEF[r];
    const long p = static_cast<long>(def::posizione(d));
    const long l = static_cast<long>(def::lunghezza(d));
    const std::string tipo = def::tipo(d);
    const double speciale = def::tipoSpeciale(d);
    const std::string modo = SCAMBIO_S[39];
    const std::string s = formaRegistrata(VALORE[r], l, tipo);

    auto rifiuta = [&](const std::string& messaggio, bool suono) {
        if (suono) platform::servizi().beep();
        MESCAM(messaggio);
        fuocoEditor();
        return 1.0;
    };

    if (tipo == "D") {
        std::string data = dataDaControllare(s, l);
        if (archive::CONTROLLADATA(data) == 1 && !tuttiZeri(s))
            return rifiuta("LA DATA " + VALORE[r] + " NON E' CORRETTA ", false);
    }

    if (speciale == 15) {
        const double codice = VAL(VALORE[r]);
        if (codice == 0 && modo != "D") {
            // No code: cleared in the worker record only; the page shows what is left.
            runtime::MIDASSIGN(dictionary::DIPX_S, p, l, s);
            if (modo == "T") {
                std::string elenco;
                for (long i = 0; i < SLOT_FORMULE; ++i) {
                    const double f = VAL(MID(SCAMBIO_S[1], INIZIO_FORMULE + 3 * i, 3));
                    if (f != 0) elenco += RIGHT("000" + dictionary::INTERO_S(f), 3);
                }
                elenco = LEFT(elenco + runtime::STRING(3 * SLOT_FORMULE, '0'), 3 * SLOT_FORMULE);
                runtime::MIDASSIGN(SCAMBIO_S[1], INIZIO_FORMULE, 3 * SLOT_FORMULE, elenco);
            }
            CARICA(scambio[PAGINA]);
            return 0;
        }
        if (codice != 0) {
            const int settori = static_cast<int>(FILE_SETTORI);
            if (archive::CANALE[settori] == 0) archive::FAIOPEN(FILE_SETTORI);
            // A code that is not a record number has no record.
            bool trovato = codice >= 1 && codice == std::floor(codice) &&
                           archive::LEGGIREC(FILE_SETTORI, codice) == 0;
            if (trovato) {
                dictionary::SETX_S = archive::AREAREC[settori];
                trovato = dictionary::RepoR(dictionary::S204) != "99";
            }
            if (!trovato) {
                return rifiuta(modo == "D"
                                   ? "SETTORE N." + numeroMessaggio(codice) + " NON TROVATO"
                                   : "FORMULA N." + numeroMessaggio(codice) + " NON TROVATA",
                               true);
            }
            if (modo == "T" && codice != FORMULA_LIBERA && p > 3 &&
                VAL(MID(SCAMBIO_S[1], p - 3, 3)) == 0)
                return rifiuta("OPERAZIONE NON CONSENTITA...", true);
            if (modo == "D") {
                DESCR[r] = "   " + dictionary::RepoR(dictionary::S002);
            } else {
                const std::string formula =
                    dictionary::RepoR(dictionary::S004) + dictionary::RepoR(dictionary::S005) +
                    dictionary::RepoR(dictionary::S006) + dictionary::RepoR(dictionary::S007);
                DESCR[r] = "   " + MID(formula, 2, 18);
            }
            scambio[AGGIORNANDO] = 1;
            cx->setText(aQString(VALORE[r]));
            scambio[AGGIORNANDO] = 0;
            if (!DESCR[r].empty())
                CARICA6(r);
            else
                TOGLI6(r);
        }
    }

    // The store must fit the working record; checked before the special rules change
    // anything, so that a refused store leaves no derived value behind.
    if (p < 1 || p > static_cast<long>(SCAMBIO_S[1].size()))
        throw runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA};
    SPECIAL(r);
    runtime::MIDASSIGN(SCAMBIO_S[1], p, l, s);
    return 0;
}

void MENU2::MESCAM(const std::string& AWWWT) {
    TRACCIA("MESCAM");
    platform::MSGBOX(AWWWT, platform::Pulsanti::OK, platform::Icona::Nessuna,
                     "MESSAGGIO DI ERRORE");
    scambio[ERRORE_VISTO] = 1;
}

double MENU2::LUNGHE(double A) {
    TRACCIA("LUNGHE");
    if (!(A >= 1 && A <= MAX_RIGHE)) return 0;
    const int r = static_cast<int>(A);
    const double h = def::setCaratteri(RIGADEF[r]);
    if (h == 0) return 0;
    if (archive::CANALE[106] == 0) archive::FAIOPEN(106);
    if (h < 1 || archive::LEGGIREC(106, h) == 1) return 0;
    const std::string& record = archive::AREAREC[106];
    if (LEFT(record, 1) != "*") return 0;
    if (VAL(VALORE[r]) > VAL(MID(record, 2, 9))) {
        platform::servizi().beep();
        return 1;
    }
    return 0;
}

}  // namespace windows
