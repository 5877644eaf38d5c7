#include "windows/search/ricerca_arc.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "platform/servizi_ui.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"

namespace windows {

namespace {

constexpr std::array<int16_t, 12> FILE_SCANSIONABILI{1,  2,  8,  24,  29,  48,
                                                     63, 65, 71, 256, 401, 403};
const char* const TITOLO = "Ponteval";

int px(int twips) {
    return daTwip(twips);
}

// The hourglass for the length of a scan, put back however the scan ends.
struct Clessidra {
    Clessidra() { platform::servizi().clessidra(true); }
    ~Clessidra() { platform::servizi().clessidra(false); }
    Clessidra(const Clessidra&) = delete;
    Clessidra& operator=(const Clessidra&) = delete;
};

// Filters Enter on the option buttons into the window's KeyPress.
class FiltroOpzioni : public QObject {
  public:
    FiltroOpzioni(RICERCA_ARC* finestra, int indice)
        : QObject(finestra), finestra_(finestra), indice_(indice) {}

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent*>(evento)->key();
            if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
                finestra_->SSOption1_KeyPress(indice_, 13);
                return true;
            }
        }
        return QObject::eventFilter(oggetto, evento);
    }

  private:
    RICERCA_ARC* finestra_;
    int indice_;
};

// The scan's progress bar shows no text; leaving text() empty spares the percentage
// formatting that every step would otherwise cost.
class BarraCiclica : public QProgressBar {
  public:
    using QProgressBar::QProgressBar;
    QString text() const override { return {}; }
};

}  // namespace

RICERCA_ARC::RICERCA_ARC(QWidget* genitore) : Finestra(genitore) {
    setWindowTitle(QStringLiteral("Ricerca"));
    setModal(true);
    setFixedSize(px(10000), px(6500));

    auto* etichettaTesto = new QLabel(QStringLiteral("TESTO DELLA RICERCA"), this);
    etichettaTesto->setGeometry(px(240), px(120), px(3000), px(300));
    NOME = new QLineEdit(this);  // first in the focus chain, before the options
    NOME->setObjectName(QStringLiteral("NOME"));

    const std::array<const char*, 3> opzioni{"Per Ragione Sociale / Descrizione / Cognome",
                                             "Per Codice", "Tutti"};
    int larghezzaOpzioni = px(3300);
    for (int i = 0; i < 3; ++i) {
        SSOption1[i] = new QRadioButton(aQString(opzioni[i]), this);
        larghezzaOpzioni = std::max(larghezzaOpzioni, SSOption1[i]->sizeHint().width());
    }
    // The options keep their column unless their captions need more room: then they move
    // left, and the search text gives up the width.
    const int xOpzioni = std::min(px(6600), width() - px(240) - larghezzaOpzioni);
    for (int i = 0; i < 3; ++i) {
        SSOption1[i]->setGeometry(xOpzioni, px(420 + 360 * i), larghezzaOpzioni, px(330));
        SSOption1[i]->installEventFilter(new FiltroOpzioni(this, i));
        connect(SSOption1[i], &QRadioButton::clicked, this, [this, i] { SSOption1_Click(i); });
    }
    SSOption1[0]->setChecked(true);
    auto* etichettaOpzioni = new QLabel(QStringLiteral("OPZIONI RICERCA"), this);
    etichettaOpzioni->setGeometry(xOpzioni, px(120), px(3000), px(300));
    NOME->setGeometry(px(240), px(420), std::min(px(6000), xOpzioni - px(480)), px(360));

    List1 = new ListaTesti(false, this);
    List1->setGeometry(px(240), px(1560), px(9500), px(3800));
    List1->suDoppioClick = [this] { List1_DblClick(); };

    prbProgresso = new BarraCiclica(this);
    prbProgresso->setGeometry(px(240), px(5400), px(9500), px(240));
    prbProgresso->setRange(0, 100);
    prbProgresso->setValue(0);
    prbProgresso->setTextVisible(false);

    RICERCA[0] = new QPushButton(QStringLiteral("Ricerca"), this);
    RICERCA[1] = new QPushButton(QStringLiteral("Nuova Ricerca"), this);
    CONFERMA = new QPushButton(QStringLiteral("Conferma"), this);
    USCITA = new QPushButton(QStringLiteral("Selezioni Precedenti"), this);
    RICERCA[0]->setGeometry(px(240), px(5760), px(2200), px(480));
    CONFERMA->setGeometry(px(240), px(5760), px(2200), px(480));
    RICERCA[1]->setGeometry(px(2640), px(5760), px(2200), px(480));
    USCITA->setGeometry(px(7540), px(5760), px(2200), px(480));
    for (QPushButton* b : {RICERCA[0], RICERCA[1], CONFERMA, USCITA})
        b->setAutoDefault(false);
    connect(RICERCA[0], &QPushButton::clicked, this, [this] { RICERCA_Click(0); });
    connect(RICERCA[1], &QPushButton::clicked, this, [this] { RICERCA_Click(1); });
    connect(CONFERMA, &QPushButton::clicked, this, [this] { CONFERMA_Click(); });
    connect(USCITA, &QPushButton::clicked, this, [this] { USCITA_Click(); });
    CONFERMA->hide();

    lblCANALE = new QLabel(QStringLiteral("CANALE"), this);
    lblCANALE->setGeometry(px(6600), px(1560 - 330), px(3000), px(300));
    lblCANALE->hide();
}

void RICERCA_ARC::keyPressEvent(QKeyEvent* e) {
    // Esc has no way out to take here: leaving is "Selezioni Precedenti" or the title bar.
    if (e->key() == Qt::Key_Escape) return;
    Finestra::keyPressEvent(e);
}

void RICERCA_ARC::Form_Load() {
    archive::eventoProtetto([&] {
        centra();
        NOME->clear();
    });
}

void RICERCA_ARC::Form_Activate() {
    archive::eventoProtetto([&] { NOME->setFocus(); });
}

void RICERCA_ARC::impostaParametri(const std::string& testo) {
    lblCANALE->setText(aQString(testo));
}

std::string RICERCA_ARC::rigaScelta() const {
    return List1->List(List1->ListIndex());
}

void RICERCA_ARC::leggiParametri() {
    using runtime::CINT;
    using runtime::MID;
    using runtime::VAL;
    const std::string p = daQString(lblCANALE->text());
    lunghezzaCodice = CINT(VAL(MID(p, 1, 3)));
    inizioCodice = CINT(VAL(MID(p, 4, 3)));
    lunghezzaNome = CINT(VAL(MID(p, 7, 3)));
    inizioNome = CINT(VAL(MID(p, 10, 3)));
    numeroFile = CINT(VAL(MID(p, 13, 3)));
    const double tipo = VAL(MID(p, 16, 2));
    if (tipo == 4 || tipo == 5) {
        lunghezzaCodice = 10, inizioCodice = 3, lunghezzaNome = 20, inizioNome = 13;
    } else if (tipo == 12) {
        lunghezzaCodice = 13, inizioCodice = 3, lunghezzaNome = 22, inizioNome = 17;
    }
}

void RICERCA_ARC::RICERCA_Click(int Index) {
    archive::eventoProtetto([&] {
        archive::TRACCIA("RICERCA_CLICK");
        leggiParametri();
        senzaTesto = 0;
        if (Index == 0) {
            FAIRICERCA();
            if (daScaricare()) return;
            if (List1->ListCount() >= 1) {
                RICERCA[0]->hide();
                CONFERMA->show();
                List1->impostaListIndex(0);
                List1->setFocus();
            } else if (senzaTesto == 0) {
                platform::MSGBOX("NESSUN RECORD TROVATO", platform::Pulsanti::OK,
                                 platform::Icona::Informazione, TITOLO);
            }
        } else if (Index == 1) {
            List1->Clear();
            RICERCA[0]->show();
            CONFERMA->hide();
            NOME->setFocus();
        }
    });
}

void RICERCA_ARC::FAIRICERCA() {
    using runtime::VAL;
    archive::TRACCIA("FAIRICERCA");
    const std::string testo = runtime::TRIM(runtime::UCASE(daQString(NOME->text())));
    const bool tutti = SSOption1[2]->isChecked();
    if (testo.empty() && !tutti) {
        platform::MSGBOX("MANCA IL TESTO DELLA RICERCA", platform::Pulsanti::OK,
                         platform::Icona::Informazione, TITOLO);
        senzaTesto = 1;
        NOME->setFocus();
        return;
    }
    if (std::find(FILE_SCANSIONABILI.begin(), FILE_SCANSIONABILI.end(), numeroFile) ==
        FILE_SCANSIONABILI.end()) {
        scarica();
        return;
    }
    const int opzione = SSOption1[0]->isChecked() ? 0 : SSOption1[1]->isChecked() ? 1 : 2;
    const double valoreTesto = opzione == 1 ? VAL(testo) : 0;
    const long lunghezzaTesto = static_cast<long>(testo.size());

    Clessidra clessidra;
    archive::FAIOPEN(numeroFile);
    List1->Clear();
    List1->iniziaCarico();
    try {
        const int massimo = std::max(1, prbProgresso->maximum());
        const std::string& area = archive::AREAREC[static_cast<size_t>(numeroFile)];
        // Field views with the rules of MID, without a copy per record.
        auto campo = [&area](long inizio, long lunghezza) {
            if (inizio < 1 || lunghezza < 0)
                throw runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA};
            const std::string_view r(area);
            return inizio > static_cast<long>(r.size())
                       ? std::string_view()
                       : r.substr(static_cast<size_t>(inizio - 1), static_cast<size_t>(lunghezza));
        };
        // The scan reads every record to the end of the file, one run at a time.
        archive::LetturaInBlocco lettura(numeroFile);
        constexpr double FINO_ALLA_FINE = 1e15;
        double n = 0;
        int p = 0;
        for (;;) {
            n += 1;
            // The bar cycles to show that the scan is alive; it does not measure the file.
            p = (p + 1) % massimo;
            prbProgresso->setValue(p);
            if (lettura.leggi(n, FINO_ALLA_FINE) == 1) break;
            bool preso = false;
            switch (opzione) {
                case 0:
                    preso = runtime::UCASE(campo(inizioNome, lunghezzaNome)
                                               .substr(0, static_cast<size_t>(lunghezzaTesto))) ==
                            testo;
                    break;
                case 1:
                    preso = VAL(campo(inizioCodice, lunghezzaCodice)) == valoreTesto;
                    break;
                default:
                    preso = VAL(campo(inizioCodice, lunghezzaCodice)) != 0;
                    break;
            }
            if (preso) {
                std::string riga(campo(inizioCodice, lunghezzaCodice));
                riga += ' ';
                riga += campo(inizioNome, lunghezzaNome);
                List1->AddItem(std::move(riga));
            }
        }
    } catch (...) {
        List1->fineCarico();
        throw;
    }
    List1->fineCarico();
}

void RICERCA_ARC::CONFERMA_Click() {
    archive::eventoProtetto([&] {
        SCAMBIO_I[31] = lunghezzaCodice;
        SCAMBIO_I[32] = inizioCodice;
        SCAMBIO_I[33] = lunghezzaNome;
        SCAMBIO_I[34] = inizioNome;
        confermata_ = true;
        nascondi();  // the caller reads the chosen line, then unloads
    });
}

void RICERCA_ARC::List1_DblClick() {
    CONFERMA_Click();
}

void RICERCA_ARC::USCITA_Click() {
    archive::eventoProtetto([&] {
        ESITO_I[25] = 1;
        scarica();
    });
}

void RICERCA_ARC::SSOption1_Click(int Index) {
    archive::eventoProtetto([&] {
        if (Index == 0) impostaOpzione(1, false);
        if (Index == 1) impostaOpzione(0, false);
    });
}

void RICERCA_ARC::SSOption1_KeyPress(int /*Index*/, int KeyAscii) {
    archive::eventoProtetto([&] {
        if (KeyAscii != 13) return;
        if (SSOption1[0]->isChecked()) {
            impostaOpzione(1, false);
        } else if (SSOption1[1]->isChecked()) {
            impostaOpzione(2, false);
        }
    });
}

void RICERCA_ARC::impostaOpzione(int indice, bool valore) {
    QRadioButton* b = SSOption1[static_cast<size_t>(indice)];
    b->setAutoExclusive(false);
    b->setChecked(valore);
    b->setAutoExclusive(true);
}

}  // namespace windows
