#pragma once
// The archive search dialog: finds records of an archive file by the start of a name, by a
// numeric code, or lists them all. The caller puts the layout into lblCANALE's caption.

#include <array>
#include <cstdint>
#include <string>

#include "windows/common/finestra.h"
#include "windows/selection/lista_testi.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace windows {

class RICERCA_ARC : public Finestra {
    Q_OBJECT

  public:
    static constexpr const char* NOME_FINESTRA = "RICERCA_ARC";

    explicit RICERCA_ARC(QWidget* genitore = nullptr);

    // Controls, named as the window's.
    QLineEdit* NOME = nullptr;
    std::array<QRadioButton*, 3> SSOption1{};
    ListaTesti* List1 = nullptr;
    QProgressBar* prbProgresso = nullptr;
    std::array<QPushButton*, 2> RICERCA{};
    QPushButton* CONFERMA = nullptr;
    QPushButton* USCITA = nullptr;
    QLabel* lblCANALE = nullptr;

    // Events.
    void Form_Load() override;
    void Form_Activate() override;
    void RICERCA_Click(int Index);
    void CONFERMA_Click();
    void List1_DblClick();
    void USCITA_Click();
    void SSOption1_Click(int Index);
    void SSOption1_KeyPress(int Index, int KeyAscii);

    void FAIRICERCA();

    // The parameter text (Windows-1252) as the caller sets it.
    void impostaParametri(const std::string& testo);
    // The selected result line ("" when none).
    std::string rigaScelta() const;
    // True after a confirmation, false after leaving or unloading.
    bool confermata() const { return confermata_; }

    // The window state read from the parameter text at each search.
    int16_t lunghezzaCodice = 0, inizioCodice = 0, lunghezzaNome = 0, inizioNome = 0;
    int16_t numeroFile = 0;
    int16_t senzaTesto = 0;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void leggiParametri();
    void impostaOpzione(int indice, bool valore);

    bool confermata_ = false;
};

}  // namespace windows
