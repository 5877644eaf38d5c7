#pragma once
// MENU2: the table-driven data-entry window. Every row it shows is described by a
// definition record of file 160; rows are grouped into pages, one page is shown at a time
// in a three-column grid (short name, description, value), and one value at a time is
// typed in the editor `cx` laid over the value cell. Values are fields of the working
// record SCAMBIO_S(1), read and written by the position and length of their definition.
//
// While open the window works on its own copies of SCAMBIO_I (flags and counters),
// SCAMBIO_D (the page start table) and ESITO_I; closing copies them back and ends the run.
//
// Elements of the window's copy of SCAMBIO_I (see ELEMENTO_... below for their meaning).

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTableWidget>
#include <array>
#include <cstdint>
#include <string>

#include "windows/choice/scelta.h"
#include "windows/common/finestra.h"

namespace windows {

class MENU2 : public Finestra {
  public:
    static constexpr const char* NOME = "MENU2";

    // Elements of the window's copy of SCAMBIO_I.
    static constexpr int AGGIORNANDO = 10;      // 1 while the window itself changes controls
    static constexpr int CURSORE = 11;          // cursor inside the value being typed
    static constexpr int LUNGHEZZA_VISTA = 12;  // display length of the value formatted last
    static constexpr int BATTITURA = 13;        // typing started (a store may run)
    static constexpr int RIGHE = 14;            // rows on the current page
    static constexpr int ERRORE_VISTO = 16;     // an error box was shown: swallow the next key
    static constexpr int MODIFICATO = 18;       // the current value was changed
    static constexpr int CODICE_MANCANTE = 19;  // a code lookup failed, or a store began
    static constexpr int RIGA = 20;             // current grid row, 1-based
    static constexpr int TASTO_GESTITO = 21;    // key handled on key-down: ignore its key-press
    static constexpr int PAGINA = 32;           // current page, 1-based
    static constexpr int PAGINE = 33;           // number of pages
    static constexpr int MODO_PULSANTI = 38;    // which command buttons are shown
    static constexpr int RECORD_DIPENDENTE = 47;

    static constexpr int FILE_DEFINIZIONI = 160;
    static constexpr int MAX_RIGHE = 20;
    static constexpr int RIGHE_CON_PULSANTI = 16;
    static constexpr int MAX_PAGINE = 50;

    explicit MENU2(QWidget* genitore = nullptr);

    // ---- Controls ---------------------------------------------------------------------
    QTableWidget* GR1;
    QLineEdit* cx;
    QPushButton* Command1;
    QComboBox* Combo1;
    QScrollBar* VScroll1;
    QTabBar* TABBED1;
    std::array<QPushButton*, RIGHE_CON_PULSANTI> SS{};          // help
    std::array<QPushButton*, RIGHE_CON_PULSANTI> SSCommand2{};  // archive
    std::array<QPushButton*, RIGHE_CON_PULSANTI> H6{};          // description
    QPushButton* Tasto_calcolo;
    QPushButton* Tasto_qualifica;
    QPushButton* Tasto_settore;
    QPushButton* Tasto_ditta;
    QPushButton* Tasto_Uscita;

    // ---- Window state -----------------------------------------------------------------
    std::array<int16_t, 51> scambio{};      // the window's copy of SCAMBIO_I
    std::array<double, 51> inizioPagina{};  // record number of each page's header in file 160
    std::array<double, 26> esito{};         // the outcome copy of ESITO_I
    std::array<std::string, MAX_RIGHE + 1> RIGADEF;
    std::array<std::string, MAX_RIGHE + 1> VALORE;
    std::array<std::string, MAX_RIGHE + 1> DESCR;
    int16_t RIGAPREC = 0;
    Modulo<Scelta> scelta;  // the choice list of the help and archive buttons

    // ---- Table model and loading ------------------------------------------------------
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void CAPVID();
    void CARICA(double pagina);
    std::string PRENDI_S(const std::string& definizione);
    void ALLINEAPAG(double pagina);
    void Combo1_Click();
    void VScroll1_Change();
    void TABBED1_Click(int scheda);
    void CAMBIA();
    void ARCAPRI(double archivio, double definizioni);

    // ---- Navigation and keyboard ------------------------------------------------------
    void cx_GotFocus();
    void cx_Click();
    void cx_Change();
    void cx_KeyDown(int Index, int KeyCode, int Shift);
    void cx_KeyPress(int Index, int KeyAscii);
    double TASTO2(double riga0, int tasto, int modo);
    void Command1_Click();
    void REVERSE();
    void GR1_Click();
    void H6_Click(int Index);
    void CARICA6(int riga);  // shows the description button of a row with DESCR(riga)
    void TOGLI6(int riga);   // hides it

    // ---- Buttons and leaving ----------------------------------------------------------
    void Tasto_Uscita_Click();
    void Tasto_qualifica_Click();
    void Tasto_ditta_Click();
    void Tasto_settore_Click();
    void Tasto_calcolo_Click();
    void ELENCA(double nRec, double NARC, double NTAB = 0);
    void RIPF();
    void SCRITTURA();

    // ---- Value check and store, help tables (valori.cpp, aiuti.cpp) -------------------
    double MUOVI2(double riga);
    void MESCAM(const std::string& AWWWT);
    double LUNGHE(double A);
    void SPECIAL(double riga);
    void HP6(double riga, double aiuto);
    // Help text `archivio` of file 41, titled with the description of `riga` (0: the
    // current row).
    void AIUTO(double archivio, int riga = 0);
    void AIUTO2(double aiuto, double posizione);
    void ELENK(double numeroFile, double posCodice, double lunCodice, double posDescrizione,
               double lunDescrizione, double posCampo, double lunCampo);
    void SS_Click(int Index);
    void SSCommand2_Click(int Index);

    // ---- Helpers ----------------------------------------------------------------------
    // The 1-based grid row that is current (0 when none).
    int rigaGriglia() const;
    // Makes a grid row current, on the value column.
    void vaiARiga(int riga);
    // The text of a grid cell, as bytes.
    std::string cella(int riga, int colonna) const;
    // Gives the editor the focus, as the window's own focus changes do.
    void fuocoEditor();
    // Throws the typed text of the current row away (the common step of leaving a row).
    void lasciaRiga();
    // Goes to the previous (-1) or next (+1) page, wrapping after the last one.
    void cambiaPagina(int verso);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void scriviCella(int riga, int colonna, const std::string& testo);
    void coloraCella(int riga, bool selezionata);
    void posizionaEditor();
    void mostraPulsanti();
};

// The three default character sets of the key routine.
inline constexpr const char SET_TESTO[] =
    " QWERTYUIOPASDFGHJKLZXCVBNM.-><!\x9C$%&/()=?/*+1234567890";
inline constexpr const char SET_DECIMALI[] = "1234567890.";
inline constexpr const char SET_CIFRE[] = "1234567890";

}  // namespace windows
