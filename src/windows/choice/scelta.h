#pragma once
// Scelta: the generic modal pick list. The caller puts the items, separated by "*", into
// ELENCOSCELTA_S, shows the window, and reads back SCELTA_D (1-based position, 0 = nothing
// chosen) and SCAMBIO_S(49) (the chosen text).

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>
#include <map>
#include <string>

#include "windows/common/finestra.h"

namespace windows {

class Scelta : public Finestra {
  public:
    static constexpr const char* NOME = "Scelta";
    // Item data: the picture key of the line, and its text as given (Windows-1252 bytes).
    static constexpr int RUOLO_IMMAGINE = Qt::UserRole;
    static constexpr int RUOLO_TESTO = Qt::UserRole + 1;

    explicit Scelta(QWidget* genitore = nullptr);

    QListWidget* lstElenco;
    QPushButton* cmdUscita;
    QLabel* ETIC;
    QGroupBox* FrameRipresa;
    QLabel* LabelTitolo;
    std::map<std::string, QIcon> ImageList1;

    // The keywords that pick a line's picture, elements 1..7; filled at activation.
    std::array<std::string, 8> chiavi;

    void AddString(const std::string& strTesto);

    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(int KeyCode, int Shift);
    void lstElenco_DblClick();
    void lstElenco_KeyPress(int KeyAscii);
    void cmdUscita_Click();

    // The 0-based row of the selected line, -1 when none is selected.
    int rigaSelezionata() const;
    // The text and picture key of a row, as stored.
    std::string testoRiga(int riga) const;
    std::string immagineRiga(int riga) const;

  protected:
    void chiusuraDallUtente() override { cmdUscita_Click(); }
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void annulla();
};

}  // namespace windows
