#pragma once
// Fines: the page list. Lists the pages that the page file (file 253) marks for listing and
// lets the operator pick one (the window hides itself and stays loaded) or leave it
// (ESITO_I(25) = 1 and the window is closed).

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "windows/common/finestra.h"

namespace windows {

class Fines : public Finestra {
  public:
    static constexpr const char* NOME = "Fines";
    static constexpr double FILE_PAGINE = 253;
    // SCAMBIO_D has room for the record numbers of this many pages.
    static constexpr int MAX_PAGINE = 50;

    explicit Fines(QWidget* genitore = nullptr);

    QListWidget* COMBINATA1;
    QPushButton* Comando1;
    QLabel* Et0;

    void Form_Load() override;
    void Form_Unload() override;
    void CAPIV();
    void COMBINATA1_GotFocus();
    void COMBINATA1_KeyPress(int KeyAscii);
    void COMBINATA1_DblClick();
    void Comando1_Click();

    // The page lines as shown (Windows-1252) and the 0-based selected row (-1: none).
    std::string rigaPagina(int riga) const;
    int rigaSelezionata() const;

  protected:
    void chiusuraDallUtente() override { Comando1_Click(); }
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
};

}  // namespace windows
