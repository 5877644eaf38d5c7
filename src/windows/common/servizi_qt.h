#pragma once
// The user-interface services on Qt: message boxes, modal showing, beep, hourglass.

#include "platform/servizi_ui.h"

namespace windows {

class ServiziQt final : public platform::ServiziUI {
  public:
    ~ServiziQt() override;
    platform::Risposta messaggio(const platform::Messaggio& m) override;
    void mostraModale(const std::string& nome, const std::function<void()>& mostra) override;
    void beep() override;
    void clessidra(bool attiva) override;

  private:
    bool clessidraAttiva_ = false;
};

// Installs ServiziQt; needs a QApplication.
void installaServiziQt();

}  // namespace windows
