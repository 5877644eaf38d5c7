#pragma once
// The selection window: companies, the workers of the picked company spread over tabs by the
// initial of the surname, and the list of chosen entries handed back on confirmation.

#include <array>
#include <cstdint>
#include <string>

#include "windows/common/finestra.h"
#include "windows/search/ricerca_arc.h"
#include "windows/selection/lista_testi.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QTabBar;

namespace windows {

class CODVEC : public Finestra {
    Q_OBJECT

  public:
    static constexpr const char* NOME = "CODVEC";

    explicit CODVEC(QWidget* genitore = nullptr);
    ~CODVEC() override;

    // Controls, named as the window's.
    std::array<ListaTesti*, 2> LISTADITTE{};
    QTabBar* SSTab1 = nullptr;
    std::array<ListaTesti*, 9> LISTDIP{};
    QTabBar* TABBED2 = nullptr;
    ListaTesti* List1 = nullptr;
    std::array<QPushButton*, 2> SPOSTA{};
    QPushButton* CANCELLA = nullptr;
    QPushButton* CANCSCELTI = nullptr;
    QPushButton* RICERCA = nullptr;
    QPushButton* CONFERMA = nullptr;
    QPushButton* CONFERMA2 = nullptr;
    QPushButton* USCITA = nullptr;
    std::array<QLabel*, 4> etichette{};

    // The search dialog of RICERCA, loaded while the search lasts.
    Modulo<RICERCA_ARC> ricercaArc{RICERCA_ARC::NOME_FINESTRA};

    // Events.
    void Form_Load() override;
    void SSTab1_Click();
    void TABBED2_Click();
    void LISTADITTE_Click(int Index);
    void LISTADITTE_GotFocus(int Index);
    void LISTADITTE_DblClick(int Index);
    void LISTADITTE_KeyPress(int Index, int KeyAscii);
    void LISTDIP_GotFocus(int Index);
    void LISTDIP_DblClick(int Index);
    void LISTDIP_KeyPress(int Index, int KeyAscii);
    void SPOSTA_Click(int Index);
    void CANCELLA_Click();
    void CANCSCELTI_Click();
    void RICERCA_Click();
    void CONFERMA_Click();
    void USCITA_Click();

    // Routines of the window; errors travel to the event that runs them.
    void CARDIT();
    void CARDIP(int16_t& tab);
    void VERIF();
    void BINARIO(double& record, double& risultato);
    void SPOSTADIP();

    // Window state kept between events.
    int16_t indiceDitte = 0;  // the company list that last had the focus
    int16_t indiceDip = 0;    // the worker list that last had the focus or whose tab was chosen

  protected:
    // The title-bar close leaves the window as USCITA does; Esc does nothing.
    void chiusuraDallUtente() override { USCITA_Click(); }
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void prendiDitta(int Index);
    void prendiDipendente(int indice);
    void mostraListaDip(int indice);
};

}  // namespace windows
