// The selection window on an archive built in a temporary folder: the key check's refusals,
// a worker held by a task, the operator's keys and mouse.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/selection/codvec.h"

namespace {

using platform::Risposta;
using windows::CODVEC;
using windows::ESITO_I;
using windows::SCAMBIO_S;
using V = std::vector<std::string>;

void invia(QWidget* w, QEvent&& e) {
    QApplication::sendEvent(w, &e);
}
QKeyEvent tasto(int codice, const QString& testo = {}) {
    return QKeyEvent(QEvent::KeyPress, codice, Qt::NoModifier, testo);
}

class ProvaCodvec : public supporto::ProvaBase {
  protected:
    // Companies 1 to 4 (2 marked 99); three workers of company 1, one of company 3.
    void SetUp() override {
        ProvaBase::SetUp();
        archive::CODICETASK = "07";
        tools::preparaArchivio(cartella.percorso());
        tools::inizializzaIndice(7);
        const char* nomi[] = {"ZETA SPETTACOLI", "AAA CANCELLATA", "BETA TEATRO", "ALFA CINEMA"};
        for (int c = 1; c <= 4; ++c)
            tools::scriviDitta({c, nomi[c - 1], c == 2 ? 99 : 0, {}});
        for (const char* d :
             {"0010000003VERDI", "0010000001ROSSI", "0010010002BIANCHI", "0030000001NERI"})
            tools::scriviDipendente({std::string(d, 10), d + 10, "GIUSEPPE", 0, 0, {}});
        archive::CHIUDIFILE(0);
        for (double n : {1.0, 2.0, 7.0})
            archive::FAIOPEN(n);
    }
    // Picks company line `indice` of the code-ordered list with a double-click.
    static void scegliDitta(CODVEC& f, int indice) {
        f.LISTADITTE[1]->impostaListIndex(indice);
        f.LISTADITTE_DblClick(1);
    }
    static V righe(const windows::ListaTesti* l) {
        V r;
        for (int i = 0; i < l->ListCount(); ++i)
            r.push_back(l->List(i));
        return r;
    }
    static std::string n(const std::string& s, size_t l = 36) {
        return (s + std::string(l, ' ')).substr(0, l);
    }

    supporto::CartellaTemporanea cartella;
    windows::Modulo<CODVEC> modulo;
};

TEST_F(ProvaCodvec, TheKeyCheckRefusesWithTheExactMessage) {
    tools::inserisciChiave(7, "0010000500", 500);  // an index entry past the end of file 2
    CODVEC& f = modulo.carica();
    // Company 2 is marked 99, company 12 beyond the file; 500 is indexed but not stored.
    const std::vector<std::pair<std::string, std::string>> rifiuti = {
        {"0000000001", "IL CODICE DITTA  0 NON ESISTE"},
        {"0020000001", "IL CODICE DITTA  2 NON ESISTE"},
        {"0120000001", "IL CODICE DITTA  12 NON ESISTE"},
        {"0010000077", "IL CODICE DIPENDENTE 0010000077 NON ESISTE"},
        {"0010000500",
         "IL CODICE DIPENDENTE 0010000500 NON ESITE !!\r\nPROBLEMA ISAM : "
         "LANCIARE IL RIPRISTINO ISAM Q.Z."}};
    for (const auto& [chiave, testo] : rifiuti) {
        ui().messaggi.clear();
        SCAMBIO_S[50] = chiave;
        f.VERIF();
        EXPECT_EQ(ui().messaggi.at(0).testo, testo);
        EXPECT_EQ(f.List1->ListCount(), 0) << chiave;
        EXPECT_EQ(archive::CANALE[archive::FILE_SEMAFORO], 0) << "semaphore left held";
        EXPECT_EQ(SCAMBIO_S[50] == "0000000000", chiave[2] != '1') << chiave;
    }
    // A free worker is taken and its record number left in SCAMBIO$(49).
    scegliDitta(f, 0);
    f.LISTDIP[0]->impostaListIndex(1);
    f.LISTDIP_DblClick(0);
    EXPECT_EQ(SCAMBIO_S[49], " 1");
    EXPECT_EQ(righe(f.List1), (V{"0010000003 " + n("VERDI G.")}));
}

TEST_F(ProvaCodvec, AWorkerHeldByATaskAsksAbortRetryIgnore) {
    tools::scriviBitmap(4, {1});  // VERDI, record 1, held by task 4
    CODVEC& f = modulo.carica();
    scegliDitta(f, 0);
    f.TABBED2->setCurrentIndex(7);  // "&UVZ" holds VERDI
    ui().messaggi.clear();
    ui().rispondi({Risposta::Riprova, Risposta::Riprova, Risposta::Interrompi});
    f.SPOSTA_Click(1);
    ASSERT_EQ(ui().messaggi.size(), 3u);
    EXPECT_EQ(ui().messaggi[0].testo,
              "IL CODICE 0010000003\r\nRISULTA IN ESTRAZIONE IN TASK N. 4\r\n"
              "SCEGLIERE IL PULSANTE IGNORA PER CONTINUARE ");
    EXPECT_EQ(f.List1->ListCount(), 0);
    EXPECT_EQ(archive::CANALE[archive::FILE_SEMAFORO], 0);
    // Ignore takes the worker although the task holds it; once the task lets go, at once.
    ui().rispondi({Risposta::Ignora});
    f.LISTDIP_KeyPress(7, 13);
    EXPECT_EQ(righe(f.List1), (V{"0010000003 " + n("VERDI G.", 35)}));
    cartella.scrivi("SWBI04.DAT", "");
    f.SPOSTA_Click(1);
    EXPECT_EQ(ui().messaggi.size(), 4u);
    EXPECT_EQ(f.List1->ListCount(), 2);
}

// Esc leaves neither the window nor the search, a click on the selected company clears the
// worker lists and a double-click below the company lines loads the selected company. (The
// keyboard focus at opening and Enter on a button are driven by the end-to-end test.)
TEST_F(ProvaCodvec, EscClicksAndDoubleClicksAsTheOperatorUsesThem) {
    CODVEC& f = modulo.carica();
    windows::RICERCA_ARC& r = f.ricercaArc.carica();
    f.iniziaMostra();
    r.iniziaMostra();
    invia(f.LISTADITTE[0], tasto(Qt::Key_Escape));
    invia(r.NOME, tasto(Qt::Key_Escape));
    EXPECT_FALSE(f.daScaricare() || r.daScaricare());
    f.ricercaArc.scarica();
    f.SSTab1->setCurrentIndex(1);  // the code-ordered list
    f.show();
    QApplication::processEvents();
    windows::ListaTesti* ditte = f.LISTADITTE[1];
    QWidget* area = ditte->viewport();
    const QPoint riga = ditte->visualRect(ditte->model()->index(0, 0)).center();
    auto mouse = [&](QEvent::Type tipo, QPoint dove) {
        invia(area, QMouseEvent(tipo, dove, area->mapToGlobal(dove), Qt::LeftButton, Qt::LeftButton,
                                Qt::NoModifier));
    };
    f.LISTADITTE[1]->impostaListIndex(0);  // company 1, ZETA SPETTACOLI
    mouse(QEvent::MouseButtonDblClick, QPoint(riga.x(), area->height() - 4));
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 3);
    mouse(QEvent::MouseButtonPress, riga);
    mouse(QEvent::MouseButtonRelease, riga);
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 0);
}

}  // namespace
