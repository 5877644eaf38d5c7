#pragma once
// Scripted UI services: boxes recorded and answered from a queue, modal windows scripted.

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "platform/servizi_ui.h"

namespace supporto {

class ServiziScriptati final : public platform::ServiziUI {
  public:
    // Every box shown, in order (title as shown: an empty one is already the default title).
    std::vector<platform::Messaggio> messaggi;
    // Answers for the next boxes; with the queue empty a box takes its default button.
    std::deque<platform::Risposta> risposte;
    int beep_contati = 0;
    bool clessidra_attiva = false;
    // Names of the windows shown modally, in order.
    std::vector<std::string> modali;

    void rispondi(std::initializer_list<platform::Risposta> r) { risposte.insert(risposte.end(), r.begin(), r.end()); }
    // What runs in place of the window `nome` when it is shown modally.
    void registraFinestra(const std::string& nome, std::function<void()> azione) { finestre_[nome] = std::move(azione); }

    // The text of the latest and of the first box ("" when none was shown).
    std::string ultimoTesto() const { return messaggi.empty() ? "" : messaggi.back().testo; }
    std::string primoTesto() const { return messaggi.empty() ? "" : messaggi.front().testo; }

    platform::Risposta messaggio(const platform::Messaggio& m) override;
    void mostraModale(const std::string& nome, const std::function<void()>& mostra) override;
    void beep() override { ++beep_contati; }
    void clessidra(bool attiva) override { clessidra_attiva = attiva; }

  private:
    std::map<std::string, std::function<void()>> finestre_;
};

// Installs a fresh scripted implementation and returns it (owned by the platform layer
// until the next installation).
ServiziScriptati& installaServiziScriptati();

}  // namespace supporto
