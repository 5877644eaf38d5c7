#include "windows/pages/fines.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/formato_numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;

Fines::Fines(QWidget* genitore) : Finestra(genitore) {
    setWindowTitle(aQString("ELENCO PAGINE"));

    Et0 = new QLabel(this);
    COMBINATA1 = new QListWidget(this);
    COMBINATA1->setSelectionMode(QAbstractItemView::SingleSelection);
    COMBINATA1->setFont(carattereFisso());
    // Room for "01) " and a 23-character title.
    COMBINATA1->setMinimumWidth(
        QFontMetrics(COMBINATA1->font()).horizontalAdvance(QString(30, 'M')));
    Comando1 = new QPushButton(aQString("ESC=Uscita"), this);

    auto* disposizione = new QVBoxLayout(this);
    disposizione->addWidget(Et0);
    disposizione->addWidget(COMBINATA1, 1);
    disposizione->addWidget(Comando1);
    resize(sizeHint().width(), daTwip(5400));

    COMBINATA1->installEventFilter(this);
    // A double-click anywhere in the list picks, also on an empty list or below the last
    // line: the item signal would miss those.
    COMBINATA1->viewport()->installEventFilter(this);
    connect(Comando1, &QPushButton::clicked, this, [this] { Comando1_Click(); });
}

void Fines::Form_Load() {
    eventoProtetto([&] {
        CAPIV();
        Et0->setText(aQString(SCAMBIO_S[2] + " PAGINE"));
    });
}

void Fines::Form_Unload() {
    eventoProtetto([&] { COMBINATA1->clear(); });
}

void Fines::CAPIV() {
    TRACCIA("CAPIV");
    while (COMBINATA1->count() > 0)
        delete COMBINATA1->takeItem(0);
    SCAMBIO_I[13] = 1;
    int k = 0;
    for (int n = 1; n <= 1000; ++n) {
        if (archive::LEGGIREC(FILE_PAGINE, n) == 1) break;
        const std::string& area = archive::AREAREC[static_cast<int>(FILE_PAGINE)];
        if (runtime::MID(area, 67, 1) != "1") continue;
        // The exchange array holds 50 record numbers: further marked pages are not listed.
        if (k == MAX_PAGINE) break;
        ++k;
        SCAMBIO_D[k] = n;
        const std::string riga =
            runtime::RIGHT("00" + dictionary::INTERO_S(k), 2) + ") " + runtime::MID(area, 4, 23);
        auto* voce = new QListWidgetItem(aQString(riga));
        voce->setData(Qt::UserRole, QByteArray(riga.data(), static_cast<qsizetype>(riga.size())));
        COMBINATA1->addItem(voce);
    }
    if (COMBINATA1->count() > 0) COMBINATA1->setCurrentRow(0);
    SCAMBIO_I[13] = 0;
}

void Fines::COMBINATA1_GotFocus() {
    eventoProtetto([&] {
        if (SCAMBIO_I[13] == 1) return;
        if (COMBINATA1->count() > 0 && rigaSelezionata() < 0) COMBINATA1->setCurrentRow(0);
    });
}

void Fines::COMBINATA1_KeyPress(int KeyAscii) {
    eventoProtetto([&] {
        if (KeyAscii == 27) {
            ESITO_I[25] = 1;
            scarica();
        } else if (KeyAscii == 13) {
            SCAMBIO_I[13] = 0;
            SCAMBIO_I[16] = 1;
            nascondi();
        }
    });
}

void Fines::COMBINATA1_DblClick() {
    eventoProtetto([&] {
        SCAMBIO_I[13] = 0;
        SCAMBIO_I[16] = 0;
        nascondi();
    });
}

void Fines::Comando1_Click() {
    eventoProtetto([&] {
        ESITO_I[25] = 1;
        scarica();
    });
}

std::string Fines::rigaPagina(int riga) const {
    const QListWidgetItem* voce = COMBINATA1->item(riga);
    if (!voce) return {};
    const QByteArray b = voce->data(Qt::UserRole).toByteArray();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

int Fines::rigaSelezionata() const {
    const auto scelte = COMBINATA1->selectedItems();
    return scelte.isEmpty() ? -1 : COMBINATA1->row(scelte.first());
}

bool Fines::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == COMBINATA1->viewport() && evento->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        COMBINATA1_DblClick();
        return true;
    }
    if (oggetto == COMBINATA1) {
        if (evento->type() == QEvent::FocusIn) {
            COMBINATA1_GotFocus();
        } else if (evento->type() == QEvent::KeyPress) {
            const int carattere = codiceCarattere(static_cast<QKeyEvent*>(evento)->text());
            if (carattere == 13 || carattere == 27) {
                COMBINATA1_KeyPress(carattere);
                return true;
            }
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}

}  // namespace windows
