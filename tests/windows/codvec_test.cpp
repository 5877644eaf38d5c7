// The selection window on archives in a temporary folder: list formats and letter tabs, the key
// check's refusals, a held worker, the chosen list and file 109, the operator's keys and mouse.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "finestre_prova.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"
#include "windows/common/scambio.h"
#include "windows/selection/codvec.h"

namespace {

using namespace prova_finestre;
using platform::Risposta;
using namespace windows;

class ProvaCodvec : public supporto::ProvaBase {
  protected:
    // Companies 1 to 4 (2 marked 99), workers as key, surname, name triples.
    void archivio(const V& d = {"0010000003", "VERDI", "GIUSEPPE", "0010000001", "ROSSI", "MARIO",
                                "0010010002", "BIANCHI", "ANNA", "0030000001", "NERI", "LUCA"},
                  const std::vector<tools::VoceCatalogo>& voci = tools::catalogoDemo()) {
        archive::CODICETASK = "07";
        tools::preparaArchivio(cartella.percorso(), voci);
        tools::inizializzaIndice(7);
        const char* nomi[] = {"ZETA SPETTACOLI", "AAA CANCELLATA", "BETA TEATRO", "ALFA CINEMA"};
        for (int c = 1; c <= 4; ++c)
            tools::scriviDitta({c, nomi[c - 1], c == 2 ? 99 : 0, {}});
        for (size_t i = 0; i + 2 < d.size(); i += 3)
            tools::scriviDipendente({d[i], d[i + 1], d[i + 2], 0, 0, {}});
        archive::CHIUDIFILE(0);
        for (double f : {1.0, 2.0, 7.0})
            archive::FAIOPEN(f);
    }
    // Picks line `riga` of the code-ordered list (0: company 1, 2: company 4).
    static void scegliDitta(CODVEC& f, int riga) {
        f.LISTADITTE[1]->impostaListIndex(riga);
        f.LISTADITTE_DblClick(1);
    }
    // Takes worker line `indice` of worker list `lista` with a double-click.
    static void prendi(CODVEC& f, int indice, int lista = 0) {
        f.LISTDIP[lista]->impostaListIndex(indice);
        f.LISTDIP_DblClick(lista);
    }
    supporto::CartellaTemporanea cartella;
    windows::Modulo<CODVEC> modulo;
};

TEST_F(ProvaCodvec, CompaniesInTwoOrdersWorkersInLinesAndLetterTabs) {
    const std::string lungo = "DELLAVALLEDELLAMONTAGNADELLACO";  // the whole 30-character field
    V d = {"0010000009", "  ROSSI ",   " mario", "0010000002", lungo,
           "PIERO",      "0030000001", "N",      "L"};
    int k = 10;
    for (const char* c : {"WAGNER", "YATES", "JONES", "KLEIN", "XENA", "'ANGELO", "ZANI", "ABATE"})
        d.insert(d.end(), {"00100000" + std::to_string(k++), c, "B"});
    archivio(d);
    CODVEC& f = modulo.carica();
    EXPECT_EQ(SCAMBIO_S[50], "0000000000");
    EXPECT_EQ(righe(f.LISTADITTE[0]),
              (V{n("ALFA CINEMA", 30) + " 004", n("BETA TEATRO", 30) + " 003",
                 n("ZETA SPETTACOLI", 30) + " 001"}));
    scegliDitta(f, 2);
    EXPECT_EQ(ui().messaggi.at(0).testo, "DIPENDENTI NON TROVATI");
    f.LISTADITTE[0]->impostaListIndex(2);
    f.LISTADITTE_KeyPress(0, 13);  // Enter on the name-ordered list: code at 32..34
    EXPECT_EQ(SCAMBIO_S[50].substr(0, 3), "001");
    // A company between others sees only its own workers.
    const V codice = righe(f.LISTDIP[0]);
    EXPECT_EQ(std::to_string(codice.size()) + codice.at(0) + "|" + codice.at(1),
              "100010000002 " + lungo + " P.   |0010000009 " + n("ROSSI m."));
    EXPECT_EQ(righe(f.LISTDIP[6]), (V{n("ROSSI m.") + "0010000009"}));
    EXPECT_EQ(righe(f.LISTDIP[1]), (V{n("ABATE B.") + "0010000017"}));
    // W, Y, J, K, X and a non-letter initial all go to the last tab, ordered by name.
    EXPECT_EQ(righe(f.LISTDIP[8]), (V{n("'ANGELO B.") + "0010000015", n("JONES B.") + "0010000012",
                                      n("KLEIN B.") + "0010000013", n("WAGNER B.") + "0010000010",
                                      n("XENA B.") + "0010000014", n("YATES B.") + "0010000011"}));
    // Empty letter tab: back to the code tab. A tab shows its own list only.
    f.TABBED2->setCurrentIndex(4);
    EXPECT_EQ(f.TABBED2->currentIndex(), 0);
    f.TABBED2->setCurrentIndex(8);
    EXPECT_TRUE(!f.LISTDIP[8]->isHidden() && f.LISTDIP[0]->isHidden());
}

TEST_F(ProvaCodvec, TheKeyCheckRefusesWithTheExactMessage) {
    archivio();
    tools::inserisciChiave(7, "0010000500", 500);  // an index entry past the end of file 2
    CODVEC& f = modulo.carica();
    // Company 2 is marked 99, company 12 beyond the file; 500 is indexed but not stored.
    for (const auto& [chiave, testo] : std::vector<std::pair<std::string, std::string>>{
             {"0000000001", "IL CODICE DITTA  0 NON ESISTE"},
             {"0020000001", "IL CODICE DITTA  2 NON ESISTE"},
             {"0120000001", "IL CODICE DITTA  12 NON ESISTE"},
             {"0010000077", "IL CODICE DIPENDENTE 0010000077 NON ESISTE"},
             {"0010000500",
              "IL CODICE DIPENDENTE 0010000500 NON ESITE !!\r\nPROBLEMA ISAM : "
              "LANCIARE IL RIPRISTINO ISAM Q.Z."}}) {
        ui().messaggi.clear();
        SCAMBIO_S[50] = chiave;
        f.VERIF();
        EXPECT_EQ(ui().messaggi.at(0).testo, testo);
        EXPECT_EQ(f.List1->ListCount() + archive::CANALE[archive::FILE_SEMAFORO], 0) << chiave;
        EXPECT_EQ(SCAMBIO_S[50] == "0000000000", chiave[2] != '1') << chiave;
    }
    // A free worker is taken and its record number left in SCAMBIO$(49).
    scegliDitta(f, 0);
    prendi(f, 1);
    EXPECT_EQ(SCAMBIO_S[49], " 1");
    EXPECT_EQ(righe(f.List1), (V{"0010000003 " + n("VERDI G.")}));
}

TEST_F(ProvaCodvec, AWorkerHeldByATaskAsksAbortRetryIgnore) {
    archivio();
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
    EXPECT_EQ(f.List1->ListCount() + archive::CANALE[archive::FILE_SEMAFORO], 0);
    // Ignore takes the worker although the task holds it; once the task lets go, at once.
    ui().rispondi({Risposta::Ignora});
    f.LISTDIP_KeyPress(7, 13);
    EXPECT_EQ(righe(f.List1), (V{"0010000003 " + n("VERDI G.", 35)}));
    cartella.scrivi("SWBI04.DAT", "");
    f.SPOSTA_Click(1);
    EXPECT_EQ(ui().messaggi.size() * 10 + f.List1->ListCount(), 42u);
}

// Esc leaves neither window, Enter (either key) presses a focused button, a click on a company
// clears the worker lists, a double-click below its lines loads the selected one.
TEST_F(ProvaCodvec, KeysClicksAndDoubleClicksAsTheOperatorUsesThem) {
    archivio();
    CODVEC& f = modulo.carica();
    windows::RICERCA_ARC& r = f.ricercaArc.carica();
    f.iniziaMostra();
    r.iniziaMostra();
    premi(f.LISTADITTE[0], Qt::Key_Escape);
    premi(r.NOME, Qt::Key_Escape);
    EXPECT_FALSE(f.daScaricare() || r.daScaricare());
    f.ricercaArc.scarica();
    f.SSTab1->setCurrentIndex(1);  // the code-ordered list
    f.show();
    QApplication::processEvents();
    windows::ListaTesti* ditte = f.LISTADITTE[1];
    QWidget* area = ditte->viewport();
    const QPoint riga = ditte->visualRect(ditte->model()->index(0, 0)).center();
    ditte->impostaListIndex(0);  // company 1, ZETA SPETTACOLI
    mouse(area, QEvent::MouseButtonDblClick, QPoint(riga.x(), area->height() - 4));
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 3);
    f.LISTDIP[0]->impostaListIndex(0);
    premi(f.LISTDIP[0], Qt::Key_Return, "\r");
    ASSERT_EQ(f.List1->ListCount(), 1);
    premi(f.CANCSCELTI, Qt::Key_Enter, "\r");
    EXPECT_EQ(f.List1->ListCount(), 0);
    mouse(area, QEvent::MouseButtonPress, riga);
    mouse(area, QEvent::MouseButtonRelease, riga);
    EXPECT_EQ(f.LISTDIP[0]->ListCount(), 0);
    premi(f.USCITA, Qt::Key_Return, "\r");
    EXPECT_TRUE(f.daScaricare());
}

TEST_F(ProvaCodvec, TaskBitmapsRecordsEightAndNine) {
    auto voci = tools::catalogoDemo();
    for (auto& v : voci)
        if (v.numero == 312) v.lunghezza = 2;  // 16 workers per bitmap
    V d;
    for (int k = 101; k <= 117; ++k)
        d.insert(d.end(), {"0010000" + std::to_string(k), "COGNOME", "N"});
    archivio(d, voci);
    cartella.scrivi("SWBI01.DAT", "");  // empty: skipped
    tools::scriviBitmap(3, {8});
    tools::scriviBitmap(5, {9});
    cartella.scrivi("SWBI06.DAT", "\x7F");  // shorter than a record: skipped
    CODVEC& f = modulo.carica();
    double risultato = -1;
    for (double r : {8.0, 9.0, 7.0, 10.0, 17.0}) {
        f.BINARIO(r, risultato);
        EXPECT_EQ(risultato, r == 8 ? 3 : r == 9 ? 5 : 0) << "record " << r;
    }
    EXPECT_EQ(archive::CANALE[312], 0);
    // Record 8: only the lowest bit of the first character; record 9: the highest of the second.
    tools::scriviBitmap(3, {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16});
    for (double r : {8.0, 9.0}) {
        f.BINARIO(r, risultato);
        EXPECT_EQ(risultato, r == 9 ? 5 : 0);
    }
}

TEST_F(ProvaCodvec, ConfirmWritesFile109LeavingKeepsIt) {
    archivio();
    cartella.scrivi("SCELTE07.TXT", "VECCHIA LISTA\r\n");
    CODVEC& f = modulo.carica();
    // An empty chosen list: nothing written, nothing returned, the window stays.
    f.CONFERMA_Click();
    EXPECT_TRUE(SCAMBIO_S[50].empty() && !f.daScaricare());
    EXPECT_EQ(cartella.leggi("SCELTE07.TXT"), "");
    scegliDitta(f, 0);  // still works, the key was emptied
    for (int indice : {0, 0, 2})
        prendi(f, indice);
    f.List1->impostaListIndex(0);
    f.CANCELLA_Click();
    const V scelte = righe(f.List1);
    f.CONFERMA_Click();
    const std::string scritto = scelte.at(0) + "\r\n" + scelte.at(1) + "\r\n";
    EXPECT_EQ(cartella.leggi("SCELTE07.TXT"), scritto);
    EXPECT_EQ(SCAMBIO_S[50].substr(0, 10) + std::to_string(ESITO_I[25]), "00100100020");
    // Closing from the title bar during a showing leaves, returns nothing, keeps file 109.
    modulo.scarica();
    ui().registraFinestra("CODVEC", [&] {
        scegliDitta(*modulo, 0);
        prendi(*modulo, 0);
        modulo->CANCSCELTI_Click();
        modulo->close();
    });
    modulo.mostra();
    EXPECT_TRUE(!modulo.caricato() && SCAMBIO_S[50].empty() && ESITO_I[25] == 1);
    EXPECT_EQ(cartella.leggi("SCELTE07.TXT"), scritto);
}

// The search adds the confirmed line; the other ways out add nothing and stay in the window.
TEST_F(ProvaCodvec, TheSearchAddsTheConfirmedLine) {
    archivio();
    CODVEC& f = modulo.carica();
    for (int modo : {1, 0, 2}) {  // found and confirmed, "Selezioni Precedenti", title bar
        ui().registraFinestra("RICERCA_ARC", [&] {
            windows::RICERCA_ARC& r = *f.ricercaArc;
            if (modo == 0) return r.USCITA_Click();
            r.SSOption1[modo]->setChecked(true);
            r.NOME->setText("10010002");
            r.RICERCA_Click(0);
            modo == 1 ? r.CONFERMA_Click() : void(r.close());
        });
        f.RICERCA_Click();
        EXPECT_EQ(f.List1->ListCount() == 1 ? f.List1->List(0).substr(0, 11) : "", "0010010002 ");
    }
    EXPECT_EQ(ESITO_I[25], 0);
}

}  // namespace
