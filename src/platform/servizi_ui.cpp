#include "platform/servizi_ui.h"

#include <utility>

namespace platform {

namespace {

// Before the program installs its services (and in tools without a display) every box
// simply takes its default button; nothing is shown.
class ServiziPredefiniti final : public ServiziUI {
  public:
    Risposta messaggio(const Messaggio& m) override { return rispostaPredefinita(m); }
    void mostraModale(const std::string&, const std::function<void()>&) override {}
    void beep() override {}
    void clessidra(bool) override {}
};

std::unique_ptr<ServiziUI>& installati() {
    static std::unique_ptr<ServiziUI> s = std::make_unique<ServiziPredefiniti>();
    return s;
}

}  // namespace

Risposta rispostaPredefinita(const Messaggio& m) {
    switch (m.pulsanti) {
        case Pulsanti::SiNo:
            return m.predefinito == 2 ? Risposta::No : Risposta::Si;
        case Pulsanti::InterrompiRiprovaIgnora:
            if (m.predefinito == 2) return Risposta::Riprova;
            if (m.predefinito == 3) return Risposta::Ignora;
            return Risposta::Interrompi;
        case Pulsanti::OK:
            break;
    }
    return Risposta::OK;
}

ServiziUI& servizi() {
    return *installati();
}

void installaServizi(std::unique_ptr<ServiziUI> s) {
    installati() = s ? std::move(s) : std::make_unique<ServiziPredefiniti>();
}

Risposta MSGBOX(const std::string& testo, Pulsanti pulsanti, Icona icona, const std::string& titolo,
                int predefinito) {
    Messaggio m;
    m.testo = testo;
    m.pulsanti = pulsanti;
    m.icona = icona;
    m.predefinito = predefinito;
    // Record the title actually shown, so the box and any script agree on it.
    m.titolo = titolo.empty() ? std::string(TITOLO_PREDEFINITO) : titolo;
    return servizi().messaggio(m);
}

}  // namespace platform
