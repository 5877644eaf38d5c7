#include "windows/choice/scelta.h"

#include <QByteArray>
#include <QEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "archive/configurazione.h"
#include "archive/traccia.h"
#include "runtime/testo.h"
#include "windows/choice/immagini.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;

Scelta::Scelta(QWidget* genitore) : Finestra(genitore) {
    resize(daTwip(10800), daTwip(8500));

    ETIC = new QLabel(aQString("ELENCO DIPENDENTI"), this);
    FrameRipresa = new QGroupBox(this);
    LabelTitolo = new QLabel(aQString("RIPRESA CARICAMENTO INTERROTTO"), FrameRipresa);
    auto* riquadro = new QVBoxLayout(FrameRipresa);
    riquadro->addWidget(LabelTitolo);

    ImageList1 = immaginiScelta();
    lstElenco = new QListWidget(this);
    lstElenco->setViewMode(QListView::ListMode);
    lstElenco->setIconSize(QSize(16, 16));
    lstElenco->setSelectionMode(QAbstractItemView::SingleSelection);
    lstElenco->setFont(carattereFisso());

    cmdUscita = new QPushButton(aQString("Uscita"), this);

    auto* disposizione = new QVBoxLayout(this);
    disposizione->addWidget(ETIC);
    disposizione->addWidget(FrameRipresa);
    disposizione->addWidget(lstElenco, 1);
    disposizione->addWidget(cmdUscita, 0, Qt::AlignRight);

    lstElenco->installEventFilter(this);
    cmdUscita->installEventFilter(this);
    connect(lstElenco, &QListWidget::itemDoubleClicked, this, [this] { lstElenco_DblClick(); });
    connect(cmdUscita, &QPushButton::clicked, this, [this] { cmdUscita_Click(); });
}

void Scelta::AddString(const std::string& strTesto) {
    eventoProtetto([&] {
        TRACCIA("ADDSTRING");
        const std::string maiuscolo = runtime::UCASE(strTesto);
        std::string chiave = "GENERICO";
        for (std::size_t i = 1; i < chiavi.size(); ++i) {
            if (chiavi[i].empty()) break;
            if (runtime::INSTR(maiuscolo, chiavi[i]) > 0) {
                chiave = chiavi[i];
                break;
            }
        }
        auto* riga = new QListWidgetItem(ImageList1[chiave], aQString(strTesto));
        riga->setData(RUOLO_IMMAGINE, aQString(chiave));
        riga->setData(RUOLO_TESTO,
                      QByteArray(strTesto.data(), static_cast<qsizetype>(strTesto.size())));
        lstElenco->addItem(riga);
    });
}

void Scelta::Form_Activate() {
    eventoProtetto([&] {
        TRACCIA("FORM_ACTIVATE");
        SCELTA_D = 0;
        if (ELENCOSCELTA_S.empty()) {
            scarica();
            return;
        }
        resize(daTwip(10800), daTwip(8500));
        centra();
        chiavi = {"", "GENERICO", "STAMPA", "MEMORIZZA", "AGGIORNA", "FOGLI", "MAGNETICO", "HELP"};

        // Items are trimmed; the rest after the last "*" is added as it is, even empty.
        const std::string elenco = ELENCOSCELTA_S;
        long p = 1;
        for (;;) {
            const long q = runtime::INSTR(p, elenco, "*");
            if (q == 0) break;
            AddString(runtime::TRIM(runtime::MID(elenco, p, q - p)));
            p = q + 1;
        }
        AddString(runtime::MID(elenco, p));

        // The list starts on its first line, so that Enter at once chooses it.
        if (lstElenco->count() > 0) lstElenco->setCurrentRow(0);
        lstElenco->setFocus();
    });
}

void Scelta::Form_Unload() {
    eventoProtetto([&] {
        TRACCIA("FORM_UNLOAD");
        const int riga = rigaSelezionata();
        SCAMBIO_S[49] = riga >= 0 ? testoRiga(riga) : std::string();
        ELENCOSCELTA_S.clear();
    });
}

void Scelta::Form_KeyDown(int KeyCode, int Shift) {
    eventoProtetto([&] {
        if (KeyCode == 80 && Shift == 3) archive::INFOPROGETTO();
    });
}

void Scelta::lstElenco_DblClick() {
    eventoProtetto([&] {
        TRACCIA("LSTELENCO_DBLCLICK");
        const int riga = rigaSelezionata();
        // With no line selected there is nothing to choose: the list stays open.
        if (riga < 0) return;
        SCELTA_D = riga + 1;
        scarica();
    });
}

void Scelta::lstElenco_KeyPress(int KeyAscii) {
    eventoProtetto([&] {
        TRACCIA("LSTELENCO_KEYPRESS");
        if (KeyAscii == 13)
            lstElenco_DblClick();
        else if (KeyAscii == 27)
            annulla();
    });
}

void Scelta::cmdUscita_Click() {
    eventoProtetto([&] { annulla(); });
}

void Scelta::annulla() {
    SCELTA_D = 0;
    lstElenco->clearSelection();
    lstElenco->setCurrentItem(nullptr);
    scarica();
}

int Scelta::rigaSelezionata() const {
    const auto scelte = lstElenco->selectedItems();
    return scelte.isEmpty() ? -1 : lstElenco->row(scelte.first());
}

std::string Scelta::testoRiga(int riga) const {
    const QListWidgetItem* r = lstElenco->item(riga);
    if (!r) return {};
    const QByteArray b = r->data(RUOLO_TESTO).toByteArray();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

std::string Scelta::immagineRiga(int riga) const {
    const QListWidgetItem* r = lstElenco->item(riga);
    return r ? daQString(r->data(RUOLO_IMMAGINE).toString()) : std::string();
}

bool Scelta::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        // The window sees every key first, as its key-down handler expects.
        const int codice = codiceTasto(tasto->key());
        const int spostamento = maschera(tasto->modifiers());
        Form_KeyDown(codice, spostamento);
        if (codice == 80 && spostamento == 3) return true;
        if (oggetto == lstElenco) {
            const int carattere = codiceCarattere(tasto->text());
            if (carattere >= 0) lstElenco_KeyPress(carattere);
            if (carattere == 13 || carattere == 27) return true;
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}

void Scelta::keyPressEvent(QKeyEvent* e) {
    // Keys that reach the window itself; those that came up from a control already went
    // through the key-down handler, whose only action is consumed there.
    const int codice = codiceTasto(e->key());
    const int spostamento = maschera(e->modifiers());
    if (codice == 80 && spostamento == 3) {
        Form_KeyDown(codice, spostamento);
        return;
    }
    Finestra::keyPressEvent(e);
}

}  // namespace windows
