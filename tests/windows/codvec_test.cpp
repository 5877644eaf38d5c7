// The selection window on archives built in a temporary folder: list formats and order, the
// letter tabs, every refusal of the key check, the task bitmaps, the chosen list and file 109.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "platform/servizi_ui.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/common/testo_qt.h"
#include "windows/selection/codvec.h"

namespace {

using platform::Pulsanti;
using platform::Risposta;
using windows::CODVEC;
using windows::ESITO_I;
using windows::SCAMBIO_S;

void ditta(int codice, const std::string& nome, int stato = 0) {
    tools::Ditta d;
    d.codice = codice, d.nome = nome, d.stato = stato;
    tools::scriviDitta(d);
}

double dipendente(const std::string& chiave, const std::string& cognome, const std::string& nome) {
    tools::Dipendente d;
    d.chiave = chiave, d.cognome = cognome, d.nome = nome;
    return tools::scriviDipendente(d);
}

class ProvaCodvec : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        archive::CODICETASK = "07";
    }

    // The archive with the catalogue given (the demo one by default), files 1, 2 and 7 open.
    void archivio(std::vector<tools::VoceCatalogo> voci = tools::catalogoDemo()) {
        tools::preparaArchivio(cartella.percorso(), voci);
        tools::inizializzaIndice(7);
    }
    void apri() {
        archive::CHIUDIFILE(0);
        for (double n : {1.0, 2.0, 7.0})
            archive::FAIOPEN(n);
    }
    // The standard archive: three companies (2 marked 99) and workers of company 1.
    void archivioStandard() {
        archivio();
        ditta(1, "ZETA SPETTACOLI");
        ditta(2, "AAA CANCELLATA", 99);
        ditta(3, "BETA TEATRO");
        ditta(4, "ALFA CINEMA");
        dipendente("0010000003", "VERDI", "GIUSEPPE");
        dipendente("0010000001", "ROSSI", "MARIO");
        dipendente("0010010002", "BIANCHI", "ANNA");
        dipendente("0030000001", "NERI", "LUCA");
        apri();
    }
    CODVEC& carica() { return modulo.carica(); }
    // Picks company `codice` through the code-ordered list.
    void scegliDitta(CODVEC& f, const std::string& codice) {
        for (int i = 0; i < f.LISTADITTE[1]->ListCount(); ++i)
            if (f.LISTADITTE[1]->List(i).substr(0, 3) == codice)
                f.LISTADITTE[1]->impostaListIndex(i);
        f.LISTADITTE_DblClick(1);
    }
    // Takes worker line `indice` of worker list `lista` with a double-click.
    static void prendi(CODVEC& f, int indice, int lista = 0) {
        f.LISTDIP[lista]->impostaListIndex(indice);
        f.LISTDIP_DblClick(lista);
    }
    static std::vector<std::string> righe(const windows::ListaTesti* l) {
        std::vector<std::string> r;
        for (int i = 0; i < l->ListCount(); ++i)
            r.push_back(l->List(i));
        return r;
    }
    std::string nome36(const std::string& s) { return (s + std::string(36, ' ')).substr(0, 36); }

    supporto::CartellaTemporanea cartella;
    windows::Modulo<CODVEC> modulo;
};

TEST_F(ProvaCodvec, AperturaCaricaLeDitteNeiDueOrdini) {
    archivioStandard();
    CODVEC& f = carica();
    EXPECT_EQ(SCAMBIO_S[50], "0000000000");
    const std::string n30 = std::string(30, ' ');
    auto nome = [&](const std::string& s) { return (s + n30).substr(0, 30); };
    EXPECT_EQ(righe(f.LISTADITTE[0]),
              (std::vector<std::string>{nome("ALFA CINEMA") + " 004", nome("BETA TEATRO") + " 003",
                                        nome("ZETA SPETTACOLI") + " 001"}));
    EXPECT_EQ(righe(f.LISTADITTE[1]), (std::vector<std::string>{"001 " + nome("ZETA SPETTACOLI"),
                                                                "003 " + nome("BETA TEATRO"),
                                                                "004 " + nome("ALFA CINEMA")}));
    // Company 0 (as after opening) loads no workers and says nothing.
    int16_t tab = 0;
    f.CARDIP(tab);
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 0);
    EXPECT_TRUE(ui().messaggi.empty());
    // The lists load once per window.
    f.CARDIT();
    EXPECT_EQ(f.LISTADITTE[0]->ListCount(), 3);

    scegliDitta(f, "004");
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].testo, "DIPENDENTI NON TROVATI");
    // A company between others sees only its own workers.
    scegliDitta(f, "001");
    EXPECT_EQ(righe(f.LISTDIP[0]).size(), 3u);
    EXPECT_EQ(f.LISTDIP[0]->List(2).substr(0, 10), "0010010002");
}

TEST_F(ProvaCodvec, RigheDipendentiESchedeDelleIniziali) {
    archivio();
    ditta(1, "DITTA");
    const std::string lungo = "DELLAVALLEDELLAMONTAGNADELLACO";  // the whole 30-character field
    dipendente("0010000009", "  ROSSI ", " mario");
    dipendente("0010000002", lungo, "PIERO");
    int n = 10;
    for (const char* c : {"WAGNER", "YATES", "JONES", "KLEIN", "XENA", "'ANGELO", "ZANI", "ABATE"})
        dipendente("00100000" + std::to_string(n++), c, "B");
    apri();
    CODVEC& f = carica();
    f.LISTADITTE[0]->impostaListIndex(0);
    f.LISTADITTE_KeyPress(0, 13);  // Enter on the name-ordered list: code at 32..34
    EXPECT_EQ(SCAMBIO_S[50].substr(0, 3), "001");

    const std::string rossi = nome36("ROSSI m.");
    const std::vector<std::string> codice = righe(f.LISTDIP[0]);
    ASSERT_EQ(codice.size(), 10u);
    EXPECT_EQ(codice[0], "0010000002 " + lungo + " P.   ");
    EXPECT_EQ(codice[1], "0010000009 " + rossi);
    EXPECT_EQ(righe(f.LISTDIP[6]), (std::vector<std::string>{rossi + "0010000009"}));
    EXPECT_EQ(righe(f.LISTDIP[2]), (std::vector<std::string>{lungo + " P.   0010000002"}));
    EXPECT_EQ(righe(f.LISTDIP[7]), (std::vector<std::string>{nome36("ZANI B.") + "0010000016"}));
    EXPECT_EQ(righe(f.LISTDIP[1]), (std::vector<std::string>{nome36("ABATE B.") + "0010000017"}));
    // W, Y, J, K, X and a non-letter initial all go to the last tab, ordered by name.
    EXPECT_EQ(righe(f.LISTDIP[8]),
              (std::vector<std::string>{
                  nome36("'ANGELO B.") + "0010000015", nome36("JONES B.") + "0010000012",
                  nome36("KLEIN B.") + "0010000013", nome36("WAGNER B.") + "0010000010",
                  nome36("XENA B.") + "0010000014", nome36("YATES B.") + "0010000011"}));
    EXPECT_TRUE(ui().messaggi.empty());

    // Empty letter tab: back to the code tab. The code tab shows its list.
    f.TABBED2->setCurrentIndex(4);
    EXPECT_EQ(f.TABBED2->currentIndex(), 0);
    EXPECT_FALSE(f.LISTDIP[0]->isHidden());
    f.TABBED2->setCurrentIndex(8);
    EXPECT_FALSE(f.LISTDIP[8]->isHidden());
    EXPECT_TRUE(f.LISTDIP[0]->isHidden());

    // A click on a company list empties the worker lists.
    f.LISTADITTE_Click(0);
    for (auto* l : f.LISTDIP)
        EXPECT_EQ(l->ListCount(), 0);
    // The code tab with an empty list stays selected.
    f.TABBED2_Click();
    EXPECT_EQ(f.TABBED2->currentIndex(), 0);

    // The alphabetical company tab shows list 0 only.
    f.SSTab1->setCurrentIndex(1);
    EXPECT_TRUE(f.LISTADITTE[0]->isHidden());
    EXPECT_FALSE(f.LISTADITTE[1]->isHidden());
}

TEST_F(ProvaCodvec, VerificaRifiutaConIlMessaggioEsatto) {
    archivioStandard();
    tools::inserisciChiave(7, "0010000500", 500);  // an index entry past the end of file 2
    apri();
    CODVEC& f = carica();
    auto verifica = [&](const std::string& chiave) {
        ui().messaggi.clear();
        SCAMBIO_S[50] = chiave;
        f.VERIF();
        EXPECT_EQ(f.List1->ListCount(), 0) << chiave;
        EXPECT_EQ(archive::CANALE[archive::FILE_SEMAFORO], 0) << "semaphore left held";
        return ui().messaggi.size() == 1 ? ui().messaggi[0] : platform::Messaggio{};
    };
    // Company 2 is marked 99, company 12 beyond the file; 500 is indexed but not stored.
    const std::vector<std::pair<std::string, std::string>> rifiuti = {
        {"0000000001", "IL CODICE DITTA  0 NON ESISTE"},
        {"0020000001", "IL CODICE DITTA  2 NON ESISTE"},
        {"0120000001", "IL CODICE DITTA  12 NON ESISTE"},
        {"0010000077", "IL CODICE DIPENDENTE 0010000077 NON ESISTE"},
        {"0010000500", "IL CODICE DIPENDENTE 0010000500 NON ESITE !!\r\nPROBLEMA ISAM : "
                       "LANCIARE IL RIPRISTINO ISAM Q.Z."}};
    for (const auto& [chiave, testo] : rifiuti) {
        EXPECT_EQ(verifica(chiave).testo, testo);
        if (chiave[2] != '1') {
            EXPECT_EQ(SCAMBIO_S[50], "0000000000") << chiave;
        }
    }
    // A free worker is taken and its record number left in SCAMBIO$(49).
    scegliDitta(f, "001");
    prendi(f, 1);
    EXPECT_EQ(SCAMBIO_S[49], " 1");
    ASSERT_EQ(f.List1->ListCount(), 1);
    EXPECT_EQ(f.List1->List(0), "0010000003 " + nome36("VERDI G."));
}

TEST_F(ProvaCodvec, BitmapDeiTaskRecordOttoENove) {
    auto voci = tools::catalogoDemo();
    for (auto& v : voci)
        if (v.numero == 312) v.lunghezza = 2;  // 16 workers per bitmap
    archivio(voci);
    ditta(1, "DITTA");
    for (int n = 1; n <= 17; ++n) {
        const std::string c = std::to_string(100 + n).substr(1);
        dipendente("00100000" + c, "COGNOME" + c, "N");
    }
    cartella.scrivi("SWBI01.DAT", "");  // empty: skipped
    tools::scriviBitmap(3, {8});
    tools::scriviBitmap(5, {9});
    cartella.scrivi("SWBI06.DAT", "\x7F");  // shorter than a record: skipped
    apri();
    CODVEC& f = carica();
    double risultato = -1;
    for (double r : {8.0, 9.0, 7.0, 10.0, 17.0}) {
        f.BINARIO(r, risultato);
        const double atteso = r == 8 ? 3 : r == 9 ? 5 : 0;
        EXPECT_EQ(risultato, atteso) << "record " << r;
    }
    EXPECT_EQ(archive::CANALE[312], 0);
    // Record 8: only the lowest bit of the first character; record 9: the highest of the second.
    tools::scriviBitmap(3, {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16});
    for (double r : {8.0, 9.0}) {
        f.BINARIO(r, risultato);
        EXPECT_EQ(risultato, r == 9 ? 5 : 0);
    }
}

TEST_F(ProvaCodvec, CondivisioneRiprovaInterrompiIgnora) {
    archivioStandard();
    tools::scriviBitmap(4, {1});  // VERDI, record 1, held by task 4
    apri();
    CODVEC& f = carica();
    scegliDitta(f, "001");
    f.TABBED2->setCurrentIndex(8);  // "&WYJKX" is empty: back to the code tab
    f.TABBED2->setCurrentIndex(7);  // "&UVZ" holds VERDI
    ASSERT_EQ(f.LISTDIP[7]->ListCount(), 1);
    ui().messaggi.clear();

    ui().rispondi({Risposta::Riprova, Risposta::Riprova, Risposta::Interrompi});
    f.SPOSTA_Click(1);
    ASSERT_EQ(ui().messaggi.size(), 3u);
    const platform::Messaggio& m = ui().messaggi[0];
    EXPECT_EQ(m.testo,
              "IL CODICE 0010000003\r\nRISULTA IN ESTRAZIONE IN TASK N. 4\r\nSCEGLIERE IL PULSANTE "
              "IGNORA PER CONTINUARE ");
    EXPECT_EQ(m.pulsanti, Pulsanti::InterrompiRiprovaIgnora);
    EXPECT_EQ(f.List1->ListCount(), 0);
    EXPECT_EQ(archive::CANALE[archive::FILE_SEMAFORO], 0);

    // Retry asks again; Ignore takes the worker although the task holds it.
    ui().messaggi.clear();
    ui().rispondi({Risposta::Riprova, Risposta::Ignora});
    f.LISTDIP_KeyPress(7, 13);
    EXPECT_EQ(ui().messaggi.size(), 2u);
    ASSERT_EQ(f.List1->ListCount(), 1);
    EXPECT_EQ(f.List1->List(0), "0010000003 " + nome36("VERDI G.").substr(0, 35));

    // Once the task lets go (its bitmap emptied) the worker is taken at once, again.
    ui().messaggi.clear();
    cartella.scrivi("SWBI04.DAT", "");
    f.SPOSTA_Click(1);
    EXPECT_TRUE(ui().messaggi.empty());
    EXPECT_EQ(f.List1->ListCount(), 2);
}

TEST_F(ProvaCodvec, ConfermaEUscitaScrivonoIlFile109) {
    archivioStandard();
    cartella.scrivi("SCELTE07.TXT", "VECCHIA LISTA\r\n");
    CODVEC& f = carica();
    // An empty chosen list: nothing written, nothing returned, the window stays.
    f.CONFERMA_Click();
    EXPECT_EQ(SCAMBIO_S[50], "");
    EXPECT_FALSE(f.daScaricare());
    EXPECT_TRUE(ui().messaggi.empty());
    EXPECT_EQ(cartella.leggi("SCELTE07.TXT"), "");

    // Picking a company after that still works (the key was emptied).
    scegliDitta(f, "001");
    for (int indice : {0, 0, 2})
        prendi(f, indice);
    f.List1->impostaListIndex(0);
    f.CANCELLA_Click();
    const std::vector<std::string> scelte = righe(f.List1);
    ASSERT_EQ(scelte.size(), 2u);
    f.CONFERMA_Click();
    EXPECT_EQ(cartella.leggi("SCELTE07.TXT"), scelte[0] + "\r\n" + scelte[1] + "\r\n");
    EXPECT_EQ(SCAMBIO_S[50], scelte[1]);
    EXPECT_EQ(SCAMBIO_S[50].substr(0, 10), "0010010002");
    EXPECT_TRUE(f.daScaricare());
    EXPECT_EQ(ESITO_I[25], 0);

    // Leaving returns the empty text and leaves file 109 as it is.
    const std::string scritto = cartella.leggi("SCELTE07.TXT");
    modulo.scarica();
    CODVEC& g = carica();
    scegliDitta(g, "001");
    prendi(g, 0);
    g.CANCSCELTI_Click();
    EXPECT_EQ(g.List1->ListCount(), 0);
    g.USCITA_Click();
    EXPECT_EQ(SCAMBIO_S[50], "");
    EXPECT_EQ(ESITO_I[25], 1);
    EXPECT_EQ(cartella.leggi("SCELTE07.TXT"), scritto);

    // Closing from the title bar during a showing leaves the same way.
    windows::Modulo<CODVEC> altro;
    ui().registraFinestra("CODVEC", [&] {
        SCAMBIO_S[50] = "0010000001";
        ESITO_I[25] = 0;
        altro->close();
    });
    altro.mostra();
    EXPECT_FALSE(altro.caricato());
    EXPECT_EQ(SCAMBIO_S[50], "");
    EXPECT_EQ(ESITO_I[25], 1);
}

// An operator who starts with the keyboard: the company list has the focus when the window
// appears, and Enter on a focused button presses it as Space does.
TEST_F(ProvaCodvec, TastieraFuocoInizialeEInvioSuiPulsanti) {
    archivioStandard();
    CODVEC& f = carica();
    f.show();
    f.activateWindow();
    QApplication::processEvents();
    ASSERT_TRUE(f.isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), f.LISTADITTE[0]);
    f.hide();

    auto invio = [](QWidget* w, int tasto) {
        QKeyEvent premuto(QEvent::KeyPress, tasto, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(w, &premuto);
    };
    scegliDitta(f, "001");
    f.LISTDIP[0]->impostaListIndex(0);
    invio(f.LISTDIP[0], Qt::Key_Return);  // Enter in the list takes the worker
    ASSERT_EQ(f.List1->ListCount(), 1);
    invio(f.CANCSCELTI, Qt::Key_Enter);  // the keypad Enter too
    EXPECT_EQ(f.List1->ListCount(), 0);
    invio(f.USCITA, Qt::Key_Return);
    EXPECT_TRUE(f.daScaricare());
}

TEST_F(ProvaCodvec, RicercaAggiungeLaRigaConfermata) {
    archivioStandard();
    // The search reads the worker file through its own layout: code 3..12, name 13..47.
    CODVEC& f = carica();
    ui().registraFinestra("RICERCA_ARC", [&] {
        windows::RICERCA_ARC* r = f.ricercaArc.finestra();
        ASSERT_NE(r, nullptr);
        r->SSOption1[1]->setChecked(true);
        r->NOME->setText("10010002");
        r->RICERCA_Click(0);
        ASSERT_EQ(r->List1->ListCount(), 1);
        r->CONFERMA_Click();
    });
    f.RICERCA_Click();
    ASSERT_EQ(f.List1->ListCount(), 1);
    EXPECT_EQ(f.List1->List(0).substr(0, 11), "0010010002 ");

    // "Selezioni Precedenti" adds nothing and is not a leave of the selection window.
    ui().registraFinestra("RICERCA_ARC", [&] { f.ricercaArc->USCITA_Click(); });
    f.RICERCA_Click();
    EXPECT_EQ(ESITO_I[25], 0);
    EXPECT_EQ(f.List1->ListCount(), 1);
    // Closed from the title bar: nothing chosen, nothing added.
    ui().registraFinestra("RICERCA_ARC", [&] {
        f.ricercaArc->SSOption1[2]->setChecked(true);
        f.ricercaArc->RICERCA_Click(0);
        f.ricercaArc->close();
    });
    f.RICERCA_Click();
    EXPECT_EQ(f.List1->ListCount(), 1);
}

}  // namespace
