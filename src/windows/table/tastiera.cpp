// MENU2: moving among rows and pages, and typing a value. The editor never takes a key as
// it comes: every key goes through TASTO2, which filters it by the row's type and
// overtypes it into VALORE(row); the editor and the grid cell are then refreshed from it.

#include <QKeyEvent>
#include <QMetaObject>
#include <algorithm>
#include <cstring>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "runtime/intero16.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/table/definizione.h"
#include "windows/table/menu2.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;
using runtime::LEFT;
using runtime::MID;
using runtime::VAL;
namespace def = definizione;

namespace {

constexpr int TASTO_BACKSPACE = 8;
constexpr int TASTO_NESSUN_SET = 219;  // a code that no character set contains
constexpr int TASTO_SINISTRA = 37;
constexpr int TASTO_DESTRA = 39;

struct SetCaratteri {
    std::string testo = SET_TESTO;
    std::string decimali = SET_DECIMALI;
    std::string cifre = SET_CIFRE;
    bool massimo = false;  // "*": digits also go through the maximum-value check
};

// The character sets of a row: the defaults, or those of its record in file 106.
SetCaratteri setDellaRiga(const std::string& definizione) {
    SetCaratteri set;
    const double h = def::setCaratteri(definizione);
    if (h == 0) return set;
    // The window normally finds file 106 open; when it is not, it is opened here rather than
    // failing on the read.
    if (archive::CANALE[106] == 0) archive::FAIOPEN(106);
    if (h < 1 || archive::LEGGIREC(106, h) == 1) return set;
    const std::string& record = archive::AREAREC[106];
    const std::string primo = LEFT(record, 1);
    if (primo == "*") {
        set.massimo = true;
    } else if (primo == "#") {
        set.testo = set.decimali = set.cifre = "01";
    } else {
        set.testo = set.decimali = set.cifre = LEFT(record, 10);
    }
    return set;
}

// The last position a digit may take in a value with decimals: the point's position plus the
// decimals. Blanks do not count: Backspace leaves one where a decimal stood, and the digit
// typed next belongs there.
long ultimaCifra(const std::string& valore, long decimali, long lunghezza) {
    const long punto = runtime::INSTR(valore, ".");
    return punto > 0 ? punto + decimali : lunghezza + 1;
}

bool nelSet(const std::string& set, int tasto) {
    return tasto >= 0 && tasto <= 255 && set.find(static_cast<char>(tasto)) != std::string::npos;
}

}  // namespace

// ---- Editor events --------------------------------------------------------------------

void MENU2::cx_GotFocus() {
    eventoProtetto([&] {
        TRACCIA("CX_GOTFOCUS");
        Command1->setEnabled(true);
        cx->setCursorPosition(0);
        cx->deselect();
        const int r = rigaGriglia();
        scambio[RIGA] = runtime::a16(r);
        if (r >= 1 && r <= scambio[RIGHE]) {
            vaiARiga(r);
            scriviCella(r, 2, VALORE[r]);
        }
        scambio[AGGIORNANDO] = 1;
        cx->setText(aQString(r >= 1 && r <= scambio[RIGHE] ? cella(r, 2) : std::string()));
        cx->setCursorPosition(0);
        scambio[AGGIORNANDO] = 0;
        posizionaEditor();
    });
}

void MENU2::cx_Click() {
    eventoProtetto([&] {
        TRACCIA("CX_CLICK");
        cx->deselect();
    });
}

void MENU2::cx_Change() {
    eventoProtetto([&] {
        if (scambio[AGGIORNANDO] == 1) return;
        TRACCIA("CX_CHANGE");
        const int r = scambio[RIGA];
        if (r < 1 || r > MAX_RIGHE) return;
        // Only the key routine changes the value: whatever else changed the text is undone.
        scambio[AGGIORNANDO] = 1;
        cx->setText(aQString(VALORE[r]));
        scambio[AGGIORNANDO] = 0;
        cx->setCursorPosition(
            std::clamp<int>(scambio[CURSORE], 0, static_cast<int>(cx->text().size())));
        scriviCella(r, 2, VALORE[r]);
    });
}

void MENU2::cx_KeyDown(int /*Index*/, int KeyCode, int Shift) {
    eventoProtetto([&] {
        TRACCIA("CX_KEYDOWN");
        if (Shift == 1) return;
        if (scambio[TASTO_GESTITO] == 1) {
            scambio[TASTO_GESTITO] = 0;
            return;
        }
        if (scambio[ERRORE_VISTO] == 1) {
            scambio[ERRORE_VISTO] = 0;
            return;
        }
        int nuova = scambio[RIGA];
        switch (KeyCode) {
            case 112: {  // F1
                const int r = scambio[RIGA];
                if (r >= 1 && r <= MAX_RIGHE) {
                    const double archivio = def::archivio(RIGADEF[r]);
                    if (archivio != 0) AIUTO(archivio);
                }
                return;
            }
            case 33:
                lasciaRiga();
                nuova = -2;
                break;  // Page Up
            case 34:
                lasciaRiga();
                nuova = scambio[RIGHE] + 1;
                break;  // Page Down
            case 35:
                lasciaRiga();
                nuova = scambio[RIGHE];
                break;  // End
            case 36:
                lasciaRiga();
                nuova = 1;
                break;  // Home
            case 38:
                lasciaRiga();
                nuova = nuova - 1;
                break;  // Up
            case 40:
                lasciaRiga();
                nuova = nuova + 1;
                break;  // Down
            case TASTO_SINISTRA:
            case TASTO_DESTRA: {
                const int prima = cx->cursorPosition();
                scambio[CURSORE] = runtime::a16(prima);
                const int dopo = KeyCode == TASTO_SINISTRA ? prima - 1 : prima + 1;
                cx->setCursorPosition(
                    std::clamp<int>(dopo, 0, static_cast<int>(cx->text().size())));
                const double esito2 = TASTO2(scambio[RIGA] - 1, KeyCode, 0);
                if (esito2 != 1 && esito2 != 2)
                    scambio[CURSORE] = runtime::somma16(scambio[CURSORE], 1);
                return;
            }
            default:
                return;
        }
        if (nuova < 1) {
            cambiaPagina(-1);
        } else if (nuova > RIGHE_CON_PULSANTI || nuova == scambio[RIGHE] + 1) {
            cambiaPagina(+1);
        } else {
            vaiARiga(nuova);
            scambio[MODIFICATO] = 0;
            REVERSE();
        }
    });
}

void MENU2::cambiaPagina(int verso) {
    int pagina = scambio[PAGINA] + verso;
    if (pagina < 1) pagina = 1;
    if (pagina > scambio[PAGINE]) pagina = 1;  // past the last page: back to the first
    scambio[PAGINA] = runtime::a16(pagina);
    ALLINEAPAG(pagina);
    CARICA(pagina);
    fuocoEditor();  // the editor starts on row 1 of the new page, cursor at 0
}

void MENU2::cx_KeyPress(int /*Index*/, int KeyAscii) {
    eventoProtetto([&] {
        TRACCIA("CX_KEYPRESS");
        if (scambio[TASTO_GESTITO] == 1) {
            scambio[TASTO_GESTITO] = 0;
            return;
        }
        if (KeyAscii == 13) return;  // the default button confirms
        const int r = scambio[RIGA];
        if (KeyAscii == 127) {
            platform::servizi().beep();
            scambio[CURSORE] = 0;
        } else if (r >= 1 && r <= scambio[RIGHE]) {
            scambio[CURSORE] = runtime::a16(cx->cursorPosition());
            const double esito2 = TASTO2(r - 1, KeyAscii, 1);
            if (esito2 != 1 && esito2 != 2) {
                scambio[CURSORE] = runtime::somma16(scambio[CURSORE], 1);
                scriviCella(r, 2, VALORE[r]);
            }
        } else {
            platform::servizi().beep();  // no row to type into
            return;
        }
        // What the editor's own change would do: show VALORE with the cursor where it stands.
        if (r >= 1 && r <= MAX_RIGHE) {
            scambio[AGGIORNANDO] = 1;
            cx->setText(aQString(VALORE[r]));
            scambio[AGGIORNANDO] = 0;
            cx->setCursorPosition(
                std::clamp<int>(scambio[CURSORE], 0, static_cast<int>(cx->text().size())));
        }
    });
}

// ---- The key routine ----------------------------------------------------------------------

double MENU2::TASTO2(double riga0, int tasto, int modo) {
    TRACCIA("TASTO2");
    const int r = static_cast<int>(riga0) + 1;
    if (r < 1 || r > MAX_RIGHE) return 1;
    scambio[BATTITURA] = 1;
    scambio[MODIFICATO] = 1;
    const std::string& definizione = RIGADEF[r];
    const long lunghezza = static_cast<long>(def::lunghezza(definizione));
    const std::string tipo = def::tipo(definizione);
    const SetCaratteri set = setDellaRiga(definizione);
    const std::string& ammessi =
        tipo == "A" ? set.testo : (VAL(tipo) != 0 ? set.decimali : set.cifre);
    const long c = scambio[CURSORE];
    std::string& valore = VALORE[r];
    const bool freccia = modo == 0 && (tasto == TASTO_SINISTRA || tasto == TASTO_DESTRA);
    // A type that is neither text, date nor a count of decimals is typed as an integer.
    const bool decimale = tipo != "A" && tipo != "D" && VAL(tipo) != 0;

    if (tasto == TASTO_BACKSPACE && c == 0) tasto = TASTO_NESSUN_SET;
    if (!freccia && tasto != TASTO_BACKSPACE && !nelSet(ammessi, tasto)) {
        platform::servizi().beep();
        return 1;
    }
    const char carattere = static_cast<char>(tasto);
    double esito2 = 0;

    if (tasto == TASTO_BACKSPACE) {
        if (tipo == "D") {
            platform::servizi().beep();
            esito2 = 2;
        } else {
            // The point of a decimal value is stepped over, never blanked: "123 00" would
            // read as 12300.
            const bool punto = decimale && MID(valore, c, 1) == ".";
            if (!punto && c <= static_cast<long>(valore.size()))
                runtime::MIDASSIGN(valore, c, 1, " ");
            scambio[CURSORE] = runtime::a16(std::max(c - 1, 0L));
            esito2 = 1;
        }
    } else if (tipo != "D" && !decimale) {
        if (!freccia) {
            const std::string prima = valore;
            if (c == 0) valore = runtime::SPACE(lunghezza);  // the first key replaces the value
            if (c + 1 > lunghezza || c + 1 > static_cast<long>(valore.size())) {
                esito2 = 1;
            } else {
                runtime::MIDASSIGN(valore, c + 1, 1, std::string(1, carattere));
                if (tipo == "N" && set.massimo && LUNGHE(r) == 1) {
                    valore = prima;
                    esito2 = 1;
                }
            }
        }
    } else if (tipo == "D") {
        const long fine = static_cast<long>(valore.size());
        if (freccia) {
            // The cursor never rests just before a "/".
            long nuova = tasto == TASTO_DESTRA ? c + 1 : c - 1;
            nuova = std::clamp(nuova, 0L, fine);
            if (MID(valore, nuova + 1, 1) == "/")
                nuova = std::clamp(tasto == TASTO_DESTRA ? nuova + 1 : nuova - 1, 0L, fine);
            scambio[CURSORE] = runtime::a16(nuova);
            cx->setCursorPosition(static_cast<int>(nuova));
            esito2 = 2;
        } else {
            long posto = c;
            if (MID(valore, posto + 1, 1) == "/") ++posto;  // never overtype a "/"
            if (posto + 1 > fine) {
                esito2 = 1;
            } else {
                runtime::MIDASSIGN(valore, posto + 1, 1, std::string(1, carattere));
                if (MID(valore, posto + 2, 1) == "/") ++posto;
                scambio[CURSORE] = runtime::a16(posto);
            }
        }
    } else if (!freccia) {
        // A number with decimals: digits typed on the point grow the whole part.
        const long decimali = static_cast<long>(VAL(tipo));
        const std::string prima = valore;
        long posto = c;
        if (posto == 0) valore = "." + runtime::STRING(decimali, '0');
        std::string testo = runtime::RTRIM(valore);
        const bool sulPunto = MID(testo, posto + 1, 1) == ".";
        if (sulPunto) {
            if (carattere == '.') {
                // the caller's step moves past the point
            } else if (static_cast<long>(testo.size()) >= lunghezza + 1) {
                platform::servizi().beep();
                valore = prima;
                esito2 = 1;
            } else {
                valore = LEFT(testo, posto) + carattere + MID(testo, posto + 1);
            }
        } else if (carattere == '.') {
            platform::servizi().beep();
            valore = prima;
            esito2 = 1;
        } else if (posto + 1 > ultimaCifra(valore, decimali, lunghezza) ||
                   posto + 1 > static_cast<long>(valore.size())) {
            valore = prima;  // past the last decimal
            esito2 = 1;
        } else {
            // Overtyped in place: a digit blanked by Backspace stands among the padding blanks.
            runtime::MIDASSIGN(valore, posto + 1, 1, std::string(1, carattere));
            if (MID(valore, posto + 2, 1) == ".") ++posto;
        }
        if (esito2 == 0) {
            if (carattere != '.' && set.massimo && LUNGHE(r) == 1) {
                valore = prima;
                esito2 = 1;
            } else {
                scambio[CURSORE] = runtime::a16(posto);
            }
        }
    }

    const double aiuto = def::aiuto(definizione);
    if (aiuto != 0) HP6(r, aiuto);
    if (!DESCR[r].empty())
        CARICA6(r);
    else
        TOGLI6(r);
    return esito2;
}

// ---- Leaving a row and confirming -----------------------------------------------------------

void MENU2::lasciaRiga() {
    if (scambio[MODIFICATO] == 0) return;
    const int r = scambio[RIGA];
    if (r < 1 || r > scambio[RIGHE]) return;
    scambio[AGGIORNANDO] = 1;
    scambio[CURSORE] = 0;
    VALORE[r] = PRENDI_S(RIGADEF[r]);
    const double aiuto = def::aiuto(RIGADEF[r]);
    if (aiuto != 0) HP6(r, aiuto);
    cx->setText(aQString(VALORE[r]));
    scriviCella(r, 2, VALORE[r]);  // the grid must not keep showing text that was not stored
    if (!DESCR[r].empty())
        CARICA6(r);
    else
        TOGLI6(r);
    scambio[AGGIORNANDO] = 0;
}

void MENU2::Command1_Click() {
    eventoProtetto([&] {
        TRACCIA("COMMAND1_CLICK");
        const int r = scambio[RIGA];
        double rifiutato = 0;
        if (scambio[MODIFICATO] == 1) {
            if (scambio[BATTITURA] != 1) return;
            rifiutato = MUOVI2(r);
        }
        if (rifiutato == 1) {
            scambio[CURSORE] = 0;
            cx->setCursorPosition(0);
            return;
        }
        const int nuova = r + 1;
        if (nuova == scambio[RIGHE] + 1) {
            cambiaPagina(+1);
        } else {
            vaiARiga(nuova);
            scambio[MODIFICATO] = 0;
            REVERSE();
        }
    });
}

void MENU2::REVERSE() {
    TRACCIA("REVERSE");
    scambio[AGGIORNANDO] = 1;
    scambio[CURSORE] = 0;
    cx->setCursorPosition(0);
    cx->deselect();
    const int r = rigaGriglia();
    scambio[RIGA] = runtime::a16(r);
    if (r >= 1 && r <= scambio[RIGHE]) {
        scriviCella(r, 2, VALORE[r] + " - " + DESCR[r]);
        coloraCella(RIGAPREC, false);
        coloraCella(r, true);
        RIGAPREC = runtime::a16(r);
        cx->setText(aQString(cella(r, 2)));
    }
    fuocoEditor();
}

void MENU2::fuocoEditor() {
    cx->setFocus(Qt::OtherFocusReason);
    cx_GotFocus();
}

void MENU2::GR1_Click() {
    eventoProtetto([&] {
        TRACCIA("GR1_CLICK");
        if (rigaGriglia() < 1) vaiARiga(scambio[RIGA]);  // the heading row is not a value
        if (rigaGriglia() != scambio[RIGA]) {
            // Leaving the row by the mouse discards unconfirmed text, as the keys do.
            lasciaRiga();
            scambio[MODIFICATO] = 0;
        }
        REVERSE();
    });
}

void MENU2::H6_Click(int /*Index*/) {
    eventoProtetto([&] {
        TRACCIA("H6_CLICK");
        if (scambio[MODIFICATO] == 1) {
            lasciaRiga();
            vaiARiga(scambio[RIGA]);
            scambio[MODIFICATO] = 0;
            REVERSE();
        }
        fuocoEditor();
    });
}

void MENU2::CARICA6(int riga) {
    if (riga < 1 || riga > RIGHE_CON_PULSANTI) return;
    H6[riga - 1]->setText(aQString(DESCR[riga]));
    H6[riga - 1]->show();
}

void MENU2::TOGLI6(int riga) {
    if (riga < 1 || riga > RIGHE_CON_PULSANTI) return;
    H6[riga - 1]->hide();
}

// ---- Qt wiring ------------------------------------------------------------------------------

bool MENU2::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto != cx) return Finestra::eventFilter(oggetto, evento);
    switch (evento->type()) {
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(evento);
            const int tasto = k->key();
            if (tasto == Qt::Key_Tab || tasto == Qt::Key_Backtab) return false;
            if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
                Command1_Click();
                return true;
            }
            if (tasto == Qt::Key_Escape) return true;
            cx_KeyDown(0, codiceTasto(tasto), maschera(k->modifiers()));
            if (tasto == Qt::Key_Backspace && k->modifiers().testFlag(Qt::ControlModifier)) {
                cx_KeyPress(0, 127);
            } else if (tasto != Qt::Key_Delete) {
                const int carattere = codiceCarattere(k->text());
                if (carattere >= 0) cx_KeyPress(0, carattere);
            }
            return true;
        }
        case QEvent::FocusIn:
            if (static_cast<QFocusEvent*>(evento)->reason() != Qt::OtherFocusReason) cx_GotFocus();
            return false;
        case QEvent::MouseButtonRelease:
            QMetaObject::invokeMethod(
                this, [this] { cx_Click(); }, Qt::QueuedConnection);
            return false;
        default:
            return false;
    }
}

}  // namespace windows
