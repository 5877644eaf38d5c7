// MENU2: controls, opening, the page list, loading a page, value formatting, page choice,
// table switch and closing.

#include "windows/table/menu2.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <vector>

#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/formato_numeri.h"
#include "dictionary/lettura.h"
#include "runtime/errore.h"
#include "runtime/intero16.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"
#include "windows/table/definizione.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;
using runtime::LEFT;
using runtime::MID;
using runtime::RIGHT;
using runtime::SPACE;
using runtime::VAL;
namespace def = definizione;

namespace {

constexpr int ALTEZZA_RIGA = 20;  // pixels; the per-row buttons line up with the grid rows
constexpr int GRIGLIA_X = 8;
constexpr int GRIGLIA_Y = 64;

// The hourglass for the length of a scope, also when an error leaves it.
struct Clessidra {
    Clessidra() { platform::servizi().clessidra(true); }
    ~Clessidra() { platform::servizi().clessidra(false); }
    Clessidra(const Clessidra&) = delete;
    Clessidra& operator=(const Clessidra&) = delete;
};

// Company code and name fields that label the rows of special kinds 9 to 14.
struct CampiDitta {
    const char* codice;
    const char* nome;
};
constexpr std::array<CampiDitta, 6> ETICHETTE_DITTA = {{
    {dictionary::T038, dictionary::TA47},
    {dictionary::T039, dictionary::TA48},
    {dictionary::T040, dictionary::TA49},
    {dictionary::T041, dictionary::TA50},
    {dictionary::T042, dictionary::TA51},
    {dictionary::T043, dictionary::TA52},
}};

// Zero-padded on the left to `n` characters (longer texts are kept whole).
std::string zeri(const std::string& s, long n) {
    return static_cast<long>(s.size()) >= n
               ? s
               : runtime::STRING(n - static_cast<long>(s.size()), '0') + s;
}

}  // namespace

MENU2::MENU2(QWidget* genitore) : Finestra(genitore) {
    resize(daTwip(11400), daTwip(8200));

    TABBED1 = new QTabBar(this);
    TABBED1->setGeometry(GRIGLIA_X, 4, daTwip(10800), 24);
    TABBED1->hide();

    Combo1 = new QComboBox(this);
    Combo1->setGeometry(GRIGLIA_X, 34, daTwip(6000), 24);
    Combo1->setFont(carattereFisso());

    GR1 = new QTableWidget(1, 3, this);
    GR1->horizontalHeader()->hide();
    GR1->verticalHeader()->hide();
    GR1->verticalHeader()->setDefaultSectionSize(ALTEZZA_RIGA);
    GR1->verticalHeader()->setMinimumSectionSize(ALTEZZA_RIGA);
    GR1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GR1->setSelectionMode(QAbstractItemView::NoSelection);
    GR1->setFocusPolicy(Qt::NoFocus);  // keys always reach the editor
    GR1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    GR1->setColumnWidth(0, daTwip(900));
    GR1->setColumnWidth(1, daTwip(2760));
    GR1->setColumnWidth(2, daTwip(4200));
    const int larghezzaGriglia = daTwip(900 + 2760 + 4200) + 4;
    GR1->setGeometry(GRIGLIA_X, GRIGLIA_Y, larghezzaGriglia, ALTEZZA_RIGA * (MAX_RIGHE + 1) + 4);
    const char* intestazioni[] = {"CAMPO", "DESCRIZIONE", "VALORE"};
    for (int c = 0; c < 3; ++c) {
        auto* voce = new QTableWidgetItem(aQString(intestazioni[c]));
        voce->setFlags(Qt::ItemIsEnabled);
        QFont grassetto = voce->font();
        grassetto.setBold(true);
        voce->setFont(grassetto);
        GR1->setItem(0, c, voce);
    }

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setGeometry(GRIGLIA_X + larghezzaGriglia + 2, GRIGLIA_Y, 18, GR1->height());
    VScroll1->setRange(1, 1);

    const int xPulsanti = VScroll1->x() + VScroll1->width() + 4;
    // A description is up to 36 characters, amounts aligned by blanks: a fixed-pitch font,
    // and a button wide enough for the longest in the widest letters.
    const QFont fisso = carattereFisso();
    int larghezzaDescrizione = daTwip(3000);
    for (int i = 0; i < RIGHE_CON_PULSANTI; ++i) {
        const int y = GRIGLIA_Y + 2 + ALTEZZA_RIGA * (i + 1);
        SS[i] = new QPushButton(aQString("?"), this);
        SS[i]->setGeometry(xPulsanti, y, 22, ALTEZZA_RIGA);
        SSCommand2[i] = new QPushButton(aQString("..."), this);
        SSCommand2[i]->setGeometry(xPulsanti + 24, y, 26, ALTEZZA_RIGA);
        H6[i] = new QPushButton(this);
        H6[i]->setFont(fisso);
        H6[i]->setStyleSheet(QStringLiteral("text-align: left"));
        if (i == 0) {
            H6[i]->setText(QString(36, QLatin1Char('W')));
            larghezzaDescrizione = std::max(larghezzaDescrizione, H6[i]->sizeHint().width());
            H6[i]->setText(QString());
        }
        H6[i]->setGeometry(xPulsanti + 52, y, larghezzaDescrizione, ALTEZZA_RIGA);
        for (QPushButton* p : {SS[i], SSCommand2[i], H6[i]}) {
            p->setFocusPolicy(Qt::NoFocus);
            p->hide();
        }
        connect(SS[i], &QPushButton::clicked, this, [this, i] { SS_Click(i); });
        connect(SSCommand2[i], &QPushButton::clicked, this, [this, i] { SSCommand2_Click(i); });
        connect(H6[i], &QPushButton::clicked, this, [this, i] { H6_Click(i); });
    }

    // The window grows to hold the description buttons.
    resize(std::max(width(), xPulsanti + 52 + larghezzaDescrizione + GRIGLIA_X), height());

    cx = new QLineEdit(this);
    cx->setFrame(false);
    cx->setFont(carattereFisso());
    cx->setContextMenuPolicy(Qt::NoContextMenu);

    Command1 = new QPushButton(aQString("OK"), this);
    Command1->setDefault(true);
    Command1->setAutoDefault(false);

    const int yPulsanti = GRIGLIA_Y + GR1->height() + 10;
    Tasto_calcolo = new QPushButton(aQString("&Calcolo formula"), this);
    Tasto_qualifica = new QPushButton(aQString("&Qualifica"), this);
    Tasto_settore = new QPushButton(aQString("&Settore"), this);
    Tasto_ditta = new QPushButton(aQString("&Ditta"), this);
    Tasto_Uscita = new QPushButton(aQString("&Uscita"), this);
    int x = GRIGLIA_X;
    for (QPushButton* p :
         {Command1, Tasto_calcolo, Tasto_qualifica, Tasto_settore, Tasto_ditta, Tasto_Uscita}) {
        p->setGeometry(x, yPulsanti, 110, 28);
        x += 116;
    }
    for (QPushButton* p : {Tasto_calcolo, Tasto_qualifica, Tasto_settore, Tasto_ditta})
        p->hide();

    cx->installEventFilter(this);
    connect(cx, &QLineEdit::textChanged, this, [this] { cx_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(GR1, &QTableWidget::cellClicked, this, [this] { GR1_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(TABBED1, &QTabBar::tabBarClicked, this, [this](int t) {
        if (t >= 0) TABBED1_Click(t);
    });
    connect(Tasto_calcolo, &QPushButton::clicked, this, [this] { Tasto_calcolo_Click(); });
    connect(Tasto_qualifica, &QPushButton::clicked, this, [this] { Tasto_qualifica_Click(); });
    connect(Tasto_settore, &QPushButton::clicked, this, [this] { Tasto_settore_Click(); });
    connect(Tasto_ditta, &QPushButton::clicked, this, [this] { Tasto_ditta_Click(); });
    connect(Tasto_Uscita, &QPushButton::clicked, this, [this] { Tasto_Uscita_Click(); });
}

// ---- Opening and closing ----------------------------------------------------------------

void MENU2::Form_Load() {
    eventoProtetto([&] {
        TRACCIA("FORM_LOAD");
        TABBED1->setAutoFillBackground(true);
        TABBED1->setBackgroundRole(backgroundRole());
        archive::FAIOPEN(216);
        archive::FAIOPEN(217);
        for (int i = 1; i <= 50; ++i) {
            scambio[i] = SCAMBIO_I[i];
            inizioPagina[i] = SCAMBIO_D[i];
        }
        for (int i = 1; i <= 25; ++i)
            esito[i] = ESITO_I[i];
        scambio[RIGHE] = -1;
        setWindowTitle(aQString(SCAMBIO_S[7] + "/" + SCAMBIO_S[2]));
        Clessidra clessidra;
        scambio[RIGA] = 0;
        scambio[TASTO_GESTITO] = 0;
        scambio[MODIFICATO] = 0;
        scambio[AGGIORNANDO] = 1;
        CAPVID();
        long tabelle = 0;
        if (!SCAMBIO_S[40].empty()) {
            tabelle = static_cast<long>(SCAMBIO_S[40].size()) / 31;
            runtime::a16(tabelle);
            while (TABBED1->count() > 0)
                TABBED1->removeTab(0);
            for (long t = 0; t < tabelle; ++t)
                TABBED1->addTab(QString());
            TABBED1->setVisible(tabelle > 0);
        }
        scambio[AGGIORNANDO] = 0;
        for (long t = 0; t < tabelle; ++t)
            TABBED1->setTabText(static_cast<int>(t),
                                aQString(runtime::TRIM(MID(SCAMBIO_S[40], 31 * t + 1, 25)) + ","));
        scambio[PAGINA] = 1;
        CARICA(1);
        mostraPulsanti();
    });
}

void MENU2::mostraPulsanti() {
    // Buttons are only ever made visible here, never hidden.
    switch (scambio[MODO_PULSANTI]) {
        case 3:
            Tasto_settore->show();
            break;
        case 4:
        case 5:
            Tasto_ditta->show();
            Tasto_settore->show();
            Tasto_qualifica->show();
            break;
        case 7:
            Tasto_calcolo->show();
            break;
        default:
            break;
    }
}

void MENU2::Form_Activate() {
    eventoProtetto([&] {
        TRACCIA("FORM_ACTIVATE");
        fuocoEditor();
    });
}

void MENU2::Form_Unload() {
    eventoProtetto([&] {
        TRACCIA("FORM_UNLOAD");
        for (int i = 1; i <= 50; ++i) {
            SCAMBIO_I[i] = scambio[i];
            SCAMBIO_D[i] = inizioPagina[i];
        }
        for (int i = 1; i <= 25; ++i)
            ESITO_I[i] = runtime::CINT(esito[i]);
        if (TABBED1->count() > 0 && TABBED1->currentIndex() > 0) {
            // Leave the first table open again for whoever comes next.
            SCAMBIO_S[27] = MID(SCAMBIO_S[40], 1, 31);
            scambio[MODIFICATO] = 0;
            CAMBIA();
        }
        SCRITTURA();
        ESITO_I[25] = 1;
        SCAMBIO_I[20] = 0;
        SCAMBIO_I[29] = runtime::differenza16(SCAMBIO_I[29], 1);
        archive::CHIUDIFILE(216);
        archive::CHIUDIFILE(217);
        archive::TERMINA();
    });
}

// ---- Page list ----------------------------------------------------------------------------

void MENU2::CAPVID() {
    TRACCIA("CAPVID");
    {
        const QSignalBlocker blocco(Combo1);
        Combo1->clear();
    }
    scambio[BATTITURA] = 1;
    if (archive::CANALE[FILE_DEFINIZIONI] == 0) {
        // No definitions: no pages, so that no page is loaded from a stale start table.
        scambio[PAGINE] = 0;
        return;
    }
    int16_t pagine = 0;
    std::vector<std::string> voci;
    for (double r = 1; r <= 1000; ++r) {
        if (archive::LEGGIREC(FILE_DEFINIZIONI, r) == 1) break;
        const std::string& record = archive::AREAREC[FILE_DEFINIZIONI];
        if (!def::testata(record)) continue;
        pagine = runtime::somma16(pagine, 1);
        if (pagine > MAX_PAGINE) throw runtime::ErroreRuntime{runtime::ERR_INDICE};
        inizioPagina[pagine] = r;
        voci.push_back(runtime::RTRIM(RIGHT(SPACE(2) + runtime::testoNumero(pagine), 2) + "- " +
                                      def::descrizione(record)));
    }
    {
        const QSignalBlocker blocco(Combo1);
        for (const auto& v : voci)
            Combo1->addItem(aQString(v));
        if (!voci.empty()) Combo1->setCurrentIndex(0);
    }
    scambio[PAGINE] = pagine;
    scambio[PAGINA] = 1;
    scambio[BATTITURA] = 0;
    const QSignalBlocker blocco(VScroll1);
    VScroll1->setRange(1, pagine > 1 ? pagine : 1);
    VScroll1->setValue(1);
}

// ---- Loading a page -----------------------------------------------------------------------

void MENU2::CARICA(double pagina) {
    TRACCIA("CARICA");
    scambio[AGGIORNANDO] = 1;
    scambio[BATTITURA] = 1;
    const bool esiste = pagina >= 1 && pagina <= scambio[PAGINE] && pagina == std::floor(pagina) &&
                        archive::CANALE[FILE_DEFINIZIONI] != 0;
    const int p = esiste ? static_cast<int>(pagina) : 0;
    if (p >= 1 && p <= Combo1->count()) {
        const QSignalBlocker blocco(Combo1);
        Combo1->setCurrentIndex(p - 1);
    }
    for (int i = 0; i < RIGHE_CON_PULSANTI; ++i) {
        SS[i]->hide();
        SSCommand2[i]->hide();
        H6[i]->hide();
    }
    for (auto& d : DESCR)
        d.clear();
    GR1->setUpdatesEnabled(false);
    GR1->setRowCount(1);
    GR1->setColumnWidth(1, daTwip(2760));
    GR1->setColumnWidth(2, daTwip(4200));

    int16_t i = 0;
    if (esiste) {
        const double testata = inizioPagina[p];
        archive::LEGGIREC(FILE_DEFINIZIONI, testata);  // the page title is the list's business
        for (double r = testata + 1; r <= 1000; ++r) {
            if (archive::LEGGIREC(FILE_DEFINIZIONI, r) == 1) break;
            const std::string record = archive::AREAREC[FILE_DEFINIZIONI];
            if (def::esclusa(record)) continue;
            if (def::testata(record)) break;
            if (def::regola(record) == "1") continue;  // hidden field
            if (i >= MAX_RIGHE) throw runtime::ErroreRuntime{runtime::ERR_INDICE};
            ++i;
            RIGADEF[i] = record;
            const double speciale = def::tipoSpeciale(record);
            if (speciale >= 8 && speciale <= 14) {
                // Company-dependent type and label.
                if (dictionary::RepoRN(dictionary::P050) == 0 && RIGADEF[i].size() >= 32)
                    runtime::MIDASSIGN(RIGADEF[i], 32, 1, "2");
                if (speciale >= 9) {
                    const double ditta = VAL(dictionary::RepoR(dictionary::P175));
                    // Code 0 (no company) has no record: the description stays as it is.
                    if (ditta >= 1) {
                        const bool aperto = archive::CANALE[1] != 0;
                        if (!aperto) archive::FAIOPEN(1);
                        const double fine = archive::LEGGIREC(1, ditta);
                        if (fine == 0) dictionary::DITX_S = archive::AREAREC[1];
                        if (!aperto) archive::CHIUDIFILE(1);
                        if (fine == 0 && speciale == std::floor(speciale)) {
                            const auto& campi = ETICHETTE_DITTA[static_cast<size_t>(speciale - 9)];
                            const std::string etichetta = ":" + dictionary::RepoR(campi.codice) +
                                                          dictionary::RepoR(campi.nome);
                            runtime::MIDASSIGN(RIGADEF[i], 9, 14, LEFT(etichetta + SPACE(14), 14));
                        }
                    }
                }
            }
            VALORE[i] = PRENDI_S(RIGADEF[i]);
            if (speciale == 15) {
                // A code of file 8: a sector (T067) or a formula.
                DESCR[i].clear();
                const double codice = VAL(VALORE[i]);
                if (codice != 0) {
                    if (archive::CANALE[8] == 0) archive::FAIOPEN(8);
                    const bool trovato = codice >= 1 && codice == std::floor(codice) &&
                                         archive::LEGGIREC(8, codice) == 0;
                    if (trovato) dictionary::SETX_S = archive::AREAREC[8];
                    const bool settore = def::nomeBreve(RIGADEF[i]) == "T067";
                    if (!trovato) {
                        // Shown as a code that does not exist; no stale name from another code.
                        VALORE[i] = settore ? "00000" : "000";
                        scambio[CODICE_MANCANTE] = 1;
                    } else if (settore) {
                        DESCR[i] = "   " + dictionary::RepoR(dictionary::S002);
                    } else {
                        const std::string formula = dictionary::RepoR(dictionary::S004) +
                                                    dictionary::RepoR(dictionary::S005) +
                                                    dictionary::RepoR(dictionary::S006) +
                                                    dictionary::RepoR(dictionary::S007);
                        DESCR[i] = "   " + MID(formula, 2, 18);
                    }
                }
            }
            const double aiuto = def::aiuto(RIGADEF[i]);
            if (aiuto != 0) {
                HP6(i, aiuto);
                if (i <= RIGHE_CON_PULSANTI) SS[i - 1]->show();
            }
            if (!DESCR[i].empty()) CARICA6(i);
            GR1->setRowCount(i + 1);
            scriviCella(i, 0, def::nomeBreve(RIGADEF[i]));
            scriviCella(i, 1, " " + def::descrizione(RIGADEF[i]));
            scriviCella(i, 2, VALORE[i]);
            if (def::archivio(RIGADEF[i]) != 0 && i <= RIGHE_CON_PULSANTI)
                SSCommand2[i - 1]->show();
        }
    }
    scambio[RIGHE] = i;
    scambio[BATTITURA] = 0;
    scambio[AGGIORNANDO] = 0;
    if (GR1->rowCount() > 1) GR1->setCurrentCell(1, 2);
    GR1->setUpdatesEnabled(true);
    RIGAPREC = 1;
    coloraCella(1, true);
    posizionaEditor();
}

// ---- Formatting a value ---------------------------------------------------------------------

std::string MENU2::PRENDI_S(const std::string& definizione) {
    TRACCIA("PRENDI$");
    const double p = def::posizione(definizione);
    const double l = def::lunghezza(definizione);
    const std::string t = def::tipo(definizione);
    const long lunghezza = static_cast<long>(l);
    // Five characters hold at most 99999; one written with an exponent ("9E+42") reads as a
    // position no record reaches, and nothing is read, as beyond the end of a record.
    std::string v =
        p >= 1 && p <= 99999 ? MID(SCAMBIO_S[1], static_cast<long>(p), lunghezza) : std::string();
    long vista = lunghezza;
    if (t == "A") {
        // as stored
    } else if (t == "D") {
        vista = lunghezza + 2;
        const std::string gg = zeri(dictionary::INTERO_S(VAL(MID(v, 1, 2))), 2);
        const std::string mm = zeri(dictionary::INTERO_S(VAL(MID(v, 3, 2))), 2);
        if (lunghezza <= 4) {
            v = gg + "/" + mm;
            vista = lunghezza + 1;
        } else {
            const std::string aa =
                zeri(dictionary::INTERO_S(VAL(MID(v, 5, lunghezza - 4))), lunghezza - 4);
            v = gg + "/" + mm + "/" + aa;
        }
    } else {
        const long decimali = static_cast<long>(VAL(t));
        const double numero = VAL(v);
        // The sign stays in front of the padding and the point.
        std::string cifre = runtime::testoNumero(std::fabs(numero));
        if (decimali >= static_cast<long>(cifre.size())) cifre = zeri(cifre, decimali + 1);
        if (decimali > 0) {
            cifre = LEFT(cifre, static_cast<long>(cifre.size()) - decimali) + "." +
                    RIGHT(cifre, decimali);
            vista = lunghezza + 1;
        }
        v = (numero < 0 ? "-" : "") + cifre;
    }
    scambio[LUNGHEZZA_VISTA] = runtime::a16(vista);
    return LEFT(v + SPACE(vista), vista);
}

// ---- Page choice --------------------------------------------------------------------------

void MENU2::ALLINEAPAG(double pagina) {
    TRACCIA("ALLINEAPAG");
    scambio[AGGIORNANDO] = 1;
    {
        const QSignalBlocker blocco(VScroll1);
        VScroll1->setValue(static_cast<int>(pagina));
    }
    scambio[RIGA] = 1;
    scambio[AGGIORNANDO] = 0;
}

namespace {

void scegliPagina(MENU2& f, double pagina) {
    if (pagina > f.scambio[MENU2::PAGINE] || pagina < 1) pagina = 1;
    f.scambio[MENU2::PAGINA] = runtime::a16(static_cast<long long>(pagina));
    f.ALLINEAPAG(pagina);
    f.CARICA(pagina);
    if (f.esito[25] != 1) f.REVERSE();
}

}  // namespace

void MENU2::Combo1_Click() {
    eventoProtetto([&] {
        TRACCIA("COMBO1_CLICK");
        if (scambio[AGGIORNANDO] == 1) return;
        scegliPagina(*this, std::floor(VAL(LEFT(daQString(Combo1->currentText()), 2))));
    });
}

void MENU2::VScroll1_Change() {
    eventoProtetto([&] {
        TRACCIA("VSCROLL1_CHANGE");
        if (scambio[AGGIORNANDO] == 1) return;
        scegliPagina(*this, VScroll1->value());
    });
}

// ---- Table switch -------------------------------------------------------------------------

void MENU2::TABBED1_Click(int scheda) {
    eventoProtetto([&] {
        TRACCIA("TABBED1_CLICK");
        SCAMBIO_S[27] = MID(SCAMBIO_S[40], 31L * scheda + 1, 31);
        scambio[MODIFICATO] = 0;
        CAMBIA();
    });
}

void MENU2::CAMBIA() {
    TRACCIA("CAMBIA");
    SCRITTURA();
    ARCAPRI(VAL(MID(SCAMBIO_S[27], 26, 3)), VAL(MID(SCAMBIO_S[27], 29, 3)));
    // Re-read the worker, when the caller gave its record number.
    if (scambio[RECORD_DIPENDENTE] >= 1 && archive::LEGGIREC(2, scambio[RECORD_DIPENDENTE]) == 0)
        dictionary::DIPX_S = archive::AREAREC[2];
    CAPVID();
    CARICA(1);
    scambio[RIGA] = 0;
}

void MENU2::ARCAPRI(double archivio, double definizioni) {
    TRACCIA("ARCAPRI");
    archive::FAIOPEN(definizioni);
    archive::FAIOPEN(archivio);
    SCAMBIO_I[5] = archive::CANALE[106];
    archive::FAIOPEN(106);
}

// ---- Grid helpers -------------------------------------------------------------------------

int MENU2::rigaGriglia() const {
    return GR1->currentRow() < 0 ? 0 : GR1->currentRow();
}

void MENU2::vaiARiga(int riga) {
    if (riga >= 0 && riga < GR1->rowCount()) GR1->setCurrentCell(riga, 2);
}

std::string MENU2::cella(int riga, int colonna) const {
    const QTableWidgetItem* voce = GR1->item(riga, colonna);
    return voce ? daQString(voce->text()) : std::string();
}

void MENU2::scriviCella(int riga, int colonna, const std::string& testo) {
    if (riga < 0 || riga >= GR1->rowCount()) return;
    QTableWidgetItem* voce = GR1->item(riga, colonna);
    if (!voce) {
        voce = new QTableWidgetItem();
        voce->setFlags(Qt::ItemIsEnabled);
        voce->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        if (colonna == 2) voce->setFont(carattereFisso());
        GR1->setItem(riga, colonna, voce);
    }
    voce->setText(aQString(testo));
}

void MENU2::coloraCella(int riga, bool selezionata) {
    if (riga < 1 || riga >= GR1->rowCount()) return;
    scriviCella(riga, 2, cella(riga, 2));  // makes sure the item exists
    QTableWidgetItem* voce = GR1->item(riga, 2);
    const QPalette& tavolozza = GR1->palette();
    voce->setBackground(selezionata ? tavolozza.highlight() : tavolozza.base());
    voce->setForeground(selezionata ? tavolozza.highlightedText() : tavolozza.text());
}

void MENU2::posizionaEditor() {
    const int r = rigaGriglia();
    if (r < 1 || r >= GR1->rowCount()) {
        cx->setGeometry(GR1->x() + GR1->columnViewportPosition(2) + 2, GR1->y() + 2 + ALTEZZA_RIGA,
                        GR1->columnWidth(2), ALTEZZA_RIGA);
        return;
    }
    QRect rettangolo = GR1->visualItemRect(GR1->item(r, 2));
    rettangolo.translate(GR1->viewport()->mapTo(this, QPoint(0, 0)));
    cx->setGeometry(rettangolo);
    cx->raise();
}

void MENU2::keyPressEvent(QKeyEvent* e) {
    // Esc has no cancel button to press here; leaving is "&Uscita" or the title bar.
    if (e->key() == Qt::Key_Escape) return;
    Finestra::keyPressEvent(e);
}

}  // namespace windows
