#include "windows/selection/codvec.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <functional>
#include <utility>

#include "archive/catalogo.h"
#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/campo_letto.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "isam/isam.h"
#include "platform/percorsi.h"
#include "platform/servizi_ui.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"

namespace windows {

namespace {

using runtime::LEFT;
using runtime::MID;
using runtime::TRIM;
using runtime::VAL;

constexpr double FILE_DITTE = 1, FILE_DIPENDENTI = 2, INDICE_DIPENDENTI = 7;
constexpr double FILE_SCELTI = 109, FILE_BITMAP = 312;
constexpr int16_t MAX_DITTE = 998, MAX_TASK = 16;
const char* const GRUPPI_LETTERE = "ABCDEFGHILMNOPQRSTUVZ";
const char* const CHIAVE_VUOTA = "0000000000";

int px(int twips) {
    return daTwip(twips);
}

// A number as the program prints it into a message: a leading blank for the sign.
std::string conSegno(double x) {
    return (x >= 0 ? " " : "") + runtime::testoNumero(x);
}

// Enter on a focused button presses it, as Space does. The buttons are not auto-default:
// a dialog's default button would take the Enter meant for the lists and the tab strips.
class InvioPremePulsante : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent*>(evento)->key();
            auto* b = qobject_cast<QPushButton*>(oggetto);
            if (b && (tasto == Qt::Key_Return || tasto == Qt::Key_Enter)) {
                b->click();
                return true;
            }
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

// The mouse on a company list, as a list box reports it: a click on a line is a Click also when
// that line is already selected (the view reports only a change of line), and a double-click
// anywhere, below the last line too, is a DblClick (the view reports only those on a line).
class MouseDitte : public QObject {
  public:
    MouseDitte(ListaTesti* lista, std::function<void()> click, std::function<void()> doppio)
        : QObject(lista), lista_(lista), click_(std::move(click)), doppio_(std::move(doppio)) {
        lista->viewport()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() != QEvent::MouseButtonPress &&
            evento->type() != QEvent::MouseButtonDblClick)
            return QObject::eventFilter(oggetto, evento);
        const auto* m = static_cast<QMouseEvent*>(evento);
        if (m->button() != Qt::LeftButton) return QObject::eventFilter(oggetto, evento);
        const QModelIndex sotto = lista_->indexAt(m->position().toPoint());
        if (evento->type() == QEvent::MouseButtonDblClick) {
            if (!sotto.isValid()) {
                doppio_();
                return true;
            }
        } else if (sotto.isValid() && sotto.row() == lista_->ListIndex()) {
            click_();  // the line stays selected: the view raises nothing
        }
        return QObject::eventFilter(oggetto, evento);
    }

  private:
    ListaTesti* lista_;
    std::function<void()> click_, doppio_;
};

QPushButton* pulsante(QWidget* genitore, const char* testo, int x, int y, int l = 1500,
                      int a = 420) {
    auto* b = new QPushButton(aQString(testo), genitore);
    b->setGeometry(px(x), px(y), px(l), px(a));
    b->setAutoDefault(false);
    b->installEventFilter(new InvioPremePulsante(b));
    return b;
}

// The fields the lists show, each descriptor taken apart once.
const dictionary::CampoLetto& campo(int quale) {
    static const dictionary::CampoLetto campi[] = {
        dictionary::CampoLetto(dictionary::P001), dictionary::CampoLetto(dictionary::P002),
        dictionary::CampoLetto(dictionary::P003), dictionary::CampoLetto(dictionary::T001),
        dictionary::CampoLetto(dictionary::T002), dictionary::CampoLetto(dictionary::T261)};
    return campi[quale];
}
enum { C_P001, C_P002, C_P003, C_T001, C_T002, C_T261 };

// The worker name of a list line: surname, blank, initial, full stop; exactly 36 characters.
std::string nomeDipendente(std::string_view record) {
    std::string nome = TRIM(campo(C_P002).RepoR(record)) + ' ' +
                       LEFT(TRIM(campo(C_P003).RepoR(record)), 1) + '.' + runtime::SPACE(36);
    return LEFT(nome, 36);
}

// The letter tab (1..8) of a name-first line.
size_t tabLettera(const std::string& riga) {
    const long posizione = riga.empty() ? 0 : runtime::INSTR(GRUPPI_LETTERE, LEFT(riga, 1));
    return posizione == 0 ? 8 : static_cast<size_t>((posizione - 1) / 3 + 1);
}

}  // namespace

CODVEC::CODVEC(QWidget* genitore) : Finestra(genitore) {
    setWindowTitle(QStringLiteral("Chiave dipendente - codice ditta sottoditta dipendente"));
    setModal(true);
    setFixedSize(px(12000), px(7800));

    etichette[0] = new QLabel(QStringLiteral("Lista ditte"), this);
    etichette[0]->setGeometry(px(120), px(60), px(4500), px(300));
    SSTab1 = new QTabBar(this);
    SSTab1->addTab(QStringLiteral("Ordine &alfabetico"));
    SSTab1->addTab(QStringLiteral("Ordine di &codice"));
    SSTab1->setGeometry(px(120), px(360), px(5400), px(360));
    connect(SSTab1, &QTabBar::currentChanged, this, [this](int) { SSTab1_Click(); });
    for (int i = 0; i < 2; ++i) {
        LISTADITTE[i] = new ListaTesti(true, this);
        LISTADITTE[i]->setGeometry(px(120), px(720), px(5400), px(2700));
        LISTADITTE[i]->suClick = [this, i] { LISTADITTE_Click(i); };
        LISTADITTE[i]->suFuoco = [this, i] { LISTADITTE_GotFocus(i); };
        LISTADITTE[i]->suDoppioClick = [this, i] { LISTADITTE_DblClick(i); };
        LISTADITTE[i]->suTasto = [this, i](int tasto) { LISTADITTE_KeyPress(i, tasto); };
        new MouseDitte(
            LISTADITTE[i], [this, i] { LISTADITTE_Click(i); },
            [this, i] { LISTADITTE_DblClick(i); });
    }
    LISTADITTE[1]->hide();

    etichette[1] = new QLabel(QStringLiteral("Lista dipedenti"), this);
    etichette[1]->setGeometry(px(120), px(3540), px(4500), px(300));
    TABBED2 = new QTabBar(this);
    for (int k = 0; k < 9; ++k)
        TABBED2->addTab(QString());
    TABBED2->setGeometry(px(120), px(3840), px(7200), px(360));
    connect(TABBED2, &QTabBar::currentChanged, this, [this](int) { TABBED2_Click(); });
    for (int i = 0; i < 9; ++i) {
        LISTDIP[i] = new ListaTesti(true, this);
        LISTDIP[i]->setGeometry(px(120), px(4200), px(7200), px(2700));
        LISTDIP[i]->suFuoco = [this, i] { LISTDIP_GotFocus(i); };
        LISTDIP[i]->suDoppioClick = [this, i] { LISTDIP_DblClick(i); };
        LISTDIP[i]->suTasto = [this, i](int tasto) { LISTDIP_KeyPress(i, tasto); };
        if (i > 0) LISTDIP[i]->hide();
    }

    etichette[2] = new QLabel(QStringLiteral("Lista ditte/sottoditte/dipendenti scelti"), this);
    etichette[2]->setGeometry(px(7500), px(60), px(4400), px(300));
    List1 = new ListaTesti(false, this);
    List1->setGeometry(px(7500), px(360), px(4380), px(3060));

    SPOSTA[0] = pulsante(this, "&Sposta->", 5640, 1200);
    SPOSTA[0]->hide();
    SPOSTA[1] = pulsante(this, "&Sposta->", 7440, 4200, 1500);
    etichette[3] = new QLabel(QStringLiteral("Cancella lista scelti"), this);
    etichette[3]->setGeometry(px(7500), px(3480), px(2400), px(300));
    CANCELLA = pulsante(this, "Cancella", 7500, 3780, 2000);
    CANCSCELTI = pulsante(this, "Tutti", 9600, 3780, 1500);
    RICERCA = pulsante(this, "&Ricerca", 7440, 4800);
    CONFERMA = pulsante(this, "&Conferma", 7440, 6840);
    CONFERMA2 = pulsante(this, "&Conferma", 9060, 6840);
    CONFERMA2->hide();
    USCITA = pulsante(this, "&Uscita", 10380, 6840);

    connect(SPOSTA[0], &QPushButton::clicked, this, [this] { SPOSTA_Click(0); });
    connect(SPOSTA[1], &QPushButton::clicked, this, [this] { SPOSTA_Click(1); });
    connect(CANCELLA, &QPushButton::clicked, this, [this] { CANCELLA_Click(); });
    connect(CANCSCELTI, &QPushButton::clicked, this, [this] { CANCSCELTI_Click(); });
    connect(RICERCA, &QPushButton::clicked, this, [this] { RICERCA_Click(); });
    connect(CONFERMA, &QPushButton::clicked, this, [this] { CONFERMA_Click(); });
    connect(USCITA, &QPushButton::clicked, this, [this] { USCITA_Click(); });
}

CODVEC::~CODVEC() = default;

void CODVEC::keyPressEvent(QKeyEvent* e) {
    // Esc has no way out to take here: leaving is "&Uscita" or the title bar.
    if (e->key() == Qt::Key_Escape) return;
    Finestra::keyPressEvent(e);
}

void CODVEC::Form_Load() {
    archive::eventoProtetto([&] {
        archive::TRACCIA("FORM_LOAD");
        ESITO_I[25] = 0;
        move(0, 0);
        {
            const QSignalBlocker blocco(TABBED2);
            TABBED2->setTabText(0, QStringLiteral("&CODICE"));
            const std::string lettere = "&ABC&DEF&GHI&LMN&OPQ&RST&UVZ";
            for (int k = 2; k <= 8; ++k)
                TABBED2->setTabText(k - 1, aQString(MID(lettere, 1 + 4 * (k - 2), 4)));
            TABBED2->setTabText(8, QStringLiteral("&WYJKX"));
        }
        SCAMBIO_S[50] = CHIAVE_VUOTA;
        CARDIT();
        // The operator starts from the company list, keyboard included; otherwise the tab
        // strip above it, first in the focus chain, would take the keys.
        LISTADITTE[0]->setFocus(Qt::OtherFocusReason);
    });
}

void CODVEC::CARDIT() {
    archive::TRACCIA("CARDIT");
    ESITO_I[25] = 0;
    if (LISTADITTE[0]->ListCount() > 0) return;
    for (ListaTesti* l : LISTADITTE)
        l->iniziaCarico();
    try {
        // The fields are read from the run itself; the record area and the company buffer get
        // the last record read, as if each had been copied into them in turn.
        archive::LetturaInBlocco lettura(FILE_DITTE);
        std::string_view ditta;
        bool letto = false;
        for (int16_t r = 1; r <= MAX_DITTE; ++r) {
            if (lettura.vedi(r, MAX_DITTE, ditta) == 1) break;
            letto = true;
            if (campo(C_T261).RepoRN(ditta) == 99) continue;  // deleted
            std::string nome = campo(C_T002).RepoR(ditta);
            const std::string codice = campo(C_T001).RepoR(ditta);
            std::string perCodice;
            perCodice.reserve(codice.size() + 1 + nome.size());
            perCodice.append(codice).append(1, ' ').append(nome);
            LISTADITTE[1]->AddItem(std::move(perCodice));
            LISTADITTE[0]->AddItem(std::move(nome.append(1, ' ').append(codice)));
        }
        lettura.fine();
        if (letto) dictionary::DITX_S = archive::AREAREC[FILE_DITTE];
    } catch (...) {
        for (ListaTesti* l : LISTADITTE)
            l->fineCarico();
        throw;
    }
    for (ListaTesti* l : LISTADITTE)
        l->fineCarico();
    if (LISTADITTE[0]->ListCount() > 0) LISTADITTE[0]->impostaListIndex(0);
}

void CODVEC::CARDIP(int16_t& tab) {
    archive::TRACCIA("CARDIP");
    SCAMBIO_I[13] = 0;
    const double ditta = VAL(LEFT(SCAMBIO_S[50], 3));
    if (ditta == 0) return;
    for (ListaTesti* l : LISTDIP) {
        l->Clear();
        l->iniziaCarico();
    }
    try {
        const std::string chiave =
            runtime::RIGHT("000" + runtime::testoNumero(ditta), 3) + "0000000";
        // The fields are read from the run itself; the record area and the worker buffer get
        // the last record read, as if each had been copied into them in turn.
        archive::LetturaInBlocco lettura(FILE_DIPENDENTI);
        std::string_view dipendente;
        bool letto = false;
        const double esito = isam::scorriIntervallo(
            INDICE_DIPENDENTI, chiave, LEFT(chiave, 3),
            [&](const std::vector<isam::VoceIndice>& foglio) {
                size_t fine = 0;  // the run of consecutive records under way ends before it
                for (size_t k = 0; k < foglio.size(); ++k) {
                    if (k >= fine)
                        for (fine = k + 1; fine < foglio.size() &&
                                           foglio[fine].record == foglio[fine - 1].record + 1;)
                            ++fine;
                    const double ultimo = foglio[fine - 1].record;
                    if (lettura.vedi(foglio[k].record, ultimo, dipendente) == 1) {
                        isam::CHIAVEISAM_S = foglio[k].chiave;  // where next would have stopped
                        return false;
                    }
                    letto = true;
                    const std::string nome = nomeDipendente(dipendente);
                    const std::string codice = campo(C_P001).RepoR(dipendente);
                    LISTDIP[0]->AddItem(codice + ' ' + nome);
                    std::string rigaNome = nome + codice;
                    const size_t t = tabLettera(rigaNome);
                    LISTDIP[t]->AddItem(std::move(rigaNome));
                }
                return true;
            });
        lettura.fine();
        if (letto) dictionary::DIPX_S = archive::AREAREC[FILE_DIPENDENTI];
        // A refused call hands back -1, which the stored record number then is.
        if (esito == -1 && LEFT(isam::CHIAVEISAM_S, 3) == LEFT(chiave, 3))
            archive::LEGGIREC(FILE_DIPENDENTI, -1);
    } catch (...) {
        for (ListaTesti* l : LISTDIP)
            l->fineCarico();
        throw;
    }
    for (ListaTesti* l : LISTDIP)
        l->fineCarico();
    const size_t t = tab >= 0 && tab <= 8 ? static_cast<size_t>(tab) : 0;
    mostraListaDip(static_cast<int>(t));
    if (LISTDIP[t]->ListCount() == 0) {
        platform::MSGBOX("DIPENDENTI NON TROVATI", platform::Pulsanti::OK,
                         platform::Icona::Critica);
    } else {
        LISTDIP[t]->impostaListIndex(0);
    }
}

void CODVEC::mostraListaDip(int indice) {
    indiceDip = static_cast<int16_t>(indice);
    {
        const QSignalBlocker blocco(TABBED2);
        TABBED2->setCurrentIndex(indice);
    }
    for (int i = 0; i < 9; ++i)
        LISTDIP[i]->setVisible(i == indice);
}

void CODVEC::SSTab1_Click() {
    archive::eventoProtetto([&] {
        const int i = SSTab1->currentIndex();
        if (i < 0 || i > 1) return;
        if (LISTADITTE[i]->ListCount() > 0) LISTADITTE[i]->impostaListIndex(0);
        LISTADITTE[0]->hide();
        LISTADITTE[1]->hide();
        LISTADITTE[i]->show();
    });
}

void CODVEC::TABBED2_Click() {
    archive::eventoProtetto([&] {
        const int i = TABBED2->currentIndex();
        if (i < 0 || i > 8) return;
        indiceDip = static_cast<int16_t>(i);
        if (LISTDIP[i]->ListCount() == 0) {
            // An empty letter tab sends the operator back to the code tab (whose click shows it).
            if (i >= 1) TABBED2->setCurrentIndex(0);
            return;
        }
        LISTDIP[i]->impostaListIndex(0);
        for (int k = 0; k < 9; ++k)
            LISTDIP[k]->setVisible(k == i);
    });
}

void CODVEC::LISTADITTE_Click(int /*Index*/) {
    archive::eventoProtetto([&] {
        for (ListaTesti* l : LISTDIP)
            l->Clear();
    });
}

void CODVEC::LISTADITTE_GotFocus(int Index) {
    archive::eventoProtetto([&] { indiceDitte = static_cast<int16_t>(Index); });
}

void CODVEC::LISTDIP_GotFocus(int Index) {
    archive::eventoProtetto([&] { indiceDip = static_cast<int16_t>(Index); });
}

void CODVEC::LISTADITTE_DblClick(int Index) {
    archive::eventoProtetto([&] {
        archive::TRACCIA("LISTADITTE_DBLCLICK");
        prendiDitta(Index);
    });
}

void CODVEC::prendiDitta(int Index) {
    const ListaTesti* lista = LISTADITTE[Index == 1 ? 1 : 0];
    if (lista->ListIndex() < 0) return;  // nothing picked
    const std::string riga = lista->List(lista->ListIndex());
    // The key may have been emptied by a confirmation that found nothing to confirm.
    if (SCAMBIO_S[50].size() < 10) SCAMBIO_S[50] = LEFT(SCAMBIO_S[50] + CHIAVE_VUOTA, 10);
    runtime::MIDASSIGN(SCAMBIO_S[50], 1, 3, Index == 1 ? MID(riga, 1, 3) : MID(riga, 32, 3));
    int16_t tab = 0;
    CARDIP(tab);
}

void CODVEC::LISTADITTE_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != 13) return;
    archive::eventoProtetto([&] {
        archive::TRACCIA("LISTADITTE_KEYPRESS");
        prendiDitta(Index);
    });
}

void CODVEC::LISTDIP_DblClick(int Index) {
    archive::eventoProtetto([&] {
        archive::TRACCIA("LISTDIP_DBLCLICK");
        prendiDipendente(Index);
    });
}

void CODVEC::LISTDIP_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != 13) return;
    archive::eventoProtetto([&] {
        archive::TRACCIA("LISTDIP_KEYPRESS");
        prendiDipendente(Index);
    });
}

void CODVEC::SPOSTA_Click(int Index) {
    archive::eventoProtetto([&] {
        archive::TRACCIA("SPOSTA_CLICK");
        if (Index == 1) prendiDipendente(indiceDip);
    });
}

void CODVEC::prendiDipendente(int indice) {
    if (indice < 0 || indice > 8) return;
    // The list the worker is taken from is the one SPOSTADIP copies from.
    indiceDip = static_cast<int16_t>(indice);
    const ListaTesti* lista = LISTDIP[static_cast<size_t>(indice)];
    if (lista->ListIndex() < 0) {
        platform::servizi().beep();  // no worker picked
        return;
    }
    const std::string riga = lista->List(lista->ListIndex());
    SCAMBIO_S[50] = indice == 0 ? MID(riga, 1, 10) : MID(riga, 37, 10);
    VERIF();
}

void CODVEC::VERIF() {
    archive::TRACCIA("VERIF");
    ESITO_I[25] = 0;
    const std::string chiave = SCAMBIO_S[50];
    const double ditta = VAL(LEFT(chiave, 3));
    bool manca = true;
    if (ditta >= 1 && ditta == runtime::INT(ditta)) {
        const archive::SemaforoTenuto semaforo;
        manca = archive::LEGGIREC(FILE_DITTE, ditta) == 1;
        if (!manca) dictionary::DITX_S = archive::AREAREC[1];
    }
    if (manca || dictionary::RepoRN(dictionary::T261) == 99) {
        platform::MSGBOX("IL CODICE DITTA " + conSegno(ditta) + " NON ESISTE",
                         platform::Pulsanti::OK, platform::Icona::Critica);
        SCAMBIO_S[50] = CHIAVE_VUOTA;
        return;
    }

    double record = 0;
    {
        const archive::SemaforoTenuto semaforo;
        record = isam::ISAM(INDICE_DIPENDENTI, chiave, isam::ISAM_TROVA, 0);
    }
    if (record == -1) {
        platform::MSGBOX("IL CODICE DIPENDENTE " + chiave + " NON ESISTE", platform::Pulsanti::OK,
                         platform::Icona::Critica);
        return;
    }

    bool oltreFine = false;
    {
        const archive::SemaforoTenuto semaforo;
        oltreFine = archive::LEGGIREC(FILE_DIPENDENTI, record) == 1;
        if (!oltreFine) dictionary::DIPX_S = archive::AREAREC[2];
    }
    if (oltreFine) {
        platform::MSGBOX("IL CODICE DIPENDENTE " + chiave + " NON ESITE !!\r\n" +
                             "PROBLEMA ISAM : LANCIARE IL RIPRISTINO ISAM Q.Z.",
                         platform::Pulsanti::OK, platform::Icona::Critica);
        return;
    }
    SCAMBIO_S[49] = conSegno(record);

    for (;;) {
        double task = 0;
        {
            const archive::SemaforoTenuto semaforo;
            BINARIO(record, task);
        }
        if (task == 0) break;
        const platform::Risposta risposta = platform::MSGBOX(
            "IL CODICE " + chiave + "\r\nRISULTA IN ESTRAZIONE IN TASK N." + conSegno(task) +
                "\r\nSCEGLIERE IL PULSANTE IGNORA PER CONTINUARE ",
            platform::Pulsanti::InterrompiRiprovaIgnora, platform::Icona::Domanda,
            "ERRORE DI CONDIVISIONE DIPENDENTI");
        if (risposta == platform::Risposta::Riprova) continue;
        if (risposta == platform::Risposta::Ignora) break;
        return;  // Abort: the worker is not taken
    }
    SPOSTADIP();
}

void CODVEC::BINARIO(double& record, double& risultato) {
    archive::TRACCIA("BINARIO");
    risultato = 0;
    for (int16_t n = 1; n <= MAX_TASK; ++n) {
        const std::string cifre = runtime::RIGHT("0" + runtime::testoNumero(n), 2);
        if (archive::VERIFICA("SWBI" + cifre + ".DAT", 0) == 0) continue;
        archive::ANNOOPEN = cifre;
        archive::FAIOPEN(FILE_BITMAP);
        const bool vuoto = archive::LEGGIREC(FILE_BITMAP, 1) == 1;
        const std::string bitmap = vuoto ? std::string() : archive::AREAREC[FILE_BITMAP];
        archive::CHIUDIFILE(FILE_BITMAP);
        if (vuoto) continue;

        const long long r = static_cast<long long>(runtime::INT(record));
        if (r < 1) continue;
        const long long posizione = (r - 1) / 8 + 1;
        const int bit = 1 << (7 - static_cast<int>((r - 1) % 8));
        // A worker beyond the end of the task's bitmap is not held by that task.
        if (posizione > static_cast<long long>(bitmap.size())) continue;
        const int carattere =
            static_cast<unsigned char>(MID(bitmap, static_cast<long>(posizione), 1)[0]);
        if (carattere == 0) continue;
        if ((carattere / bit) % 2 == 1) {
            risultato = n;
            return;
        }
    }
}

void CODVEC::SPOSTADIP() {
    archive::TRACCIA("SPOSTADIP");
    const int i = indiceDip >= 0 && indiceDip <= 8 ? indiceDip : 0;
    const ListaTesti* lista = LISTDIP[static_cast<size_t>(i)];
    if (lista->ListIndex() < 0) return;
    const std::string riga = lista->List(lista->ListIndex());
    List1->AddItem(i == 0 ? riga : MID(riga, 37, 10) + ' ' + LEFT(riga, 35));
}

void CODVEC::CANCELLA_Click() {
    archive::eventoProtetto([&] {
        if (List1->ListIndex() >= 0) List1->RemoveItem(List1->ListIndex());
        List1->update();
    });
}

void CODVEC::CANCSCELTI_Click() {
    archive::eventoProtetto([&] {
        List1->Clear();
        List1->update();
    });
}

void CODVEC::RICERCA_Click() {
    archive::eventoProtetto([&] {
        archive::TRACCIA("RICERCA_CLICK");
        // Code 10 characters from 3, name 35 from 13, over the worker file (2).
        const std::string specifica = std::string("010") + "003" + "035" + "013" + "002" + "0";
        ricercaArc.carica().impostaParametri(specifica);
        ricercaArc.mostra();
        // Only a confirmed line is taken: a dialog left or closed any other way chose nothing.
        std::string riga;
        if (ricercaArc.caricato() && ricercaArc->confermata()) riga = ricercaArc->rigaScelta();
        ricercaArc.scarica();
        if (ESITO_I[25] == 1) {
            ESITO_I[25] = 0;
            return;
        }
        if (riga.empty()) return;
        const long lunghezza = static_cast<long>(VAL(LEFT(specifica, 3)));
        SCAMBIO_S[50] = LEFT(LEFT(riga, lunghezza) + CHIAVE_VUOTA, 10);
        List1->AddItem(MID(riga, 1, 10) + ' ' + TRIM(MID(riga, 12, 20)) + ' ' + MID(riga, 32, 15));
    });
}

void CODVEC::CONFERMA_Click() {
    archive::eventoProtetto([&] {
        archive::TRACCIA("CONFERMA_CLICK");
        SCAMBIO_S[50].clear();
        archive::ELIMINA(FILE_SCELTI);
        if (List1->ListCount() == 0) return;  // nothing chosen: the window stays open
        std::string contenuto;
        for (int i = 0; i < List1->ListCount(); ++i)
            contenuto += List1->List(i) + "\r\n";
        // Written whole or not at all: the family's programs read this list.
        int16_t prefisso = -1;
        const std::string percorso = archive::DAMMIFILE_S(FILE_SCELTI, prefisso);
        platform::sostituisciFile(percorso, contenuto);
        SCAMBIO_S[50] = List1->List(List1->ListCount() - 1);
        scarica();
    });
}

void CODVEC::USCITA_Click() {
    archive::eventoProtetto([&] {
        archive::TRACCIA("USCITA_CLICK");
        SCAMBIO_S[50].clear();
        ESITO_I[25] = 1;
        scarica();
    });
}

}  // namespace windows
