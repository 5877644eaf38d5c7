#pragma once
// The user-interface services every window and routine goes through: message boxes, modal
// showing, beep, hourglass pointer. The program installs the Qt implementation
// (windows/common); tests install a scripted one that records and answers from a queue.

#include <functional>
#include <memory>
#include <string>

namespace platform {

enum class Pulsanti { OK, SiNo, InterrompiRiprovaIgnora };
enum class Icona { Nessuna, Critica, Domanda, Esclamazione, Informazione };
enum class Risposta { OK, Si, No, Interrompi, Riprova, Ignora };

// The program's default title, used when a message box is given none.
inline constexpr const char* TITOLO_PREDEFINITO = "VXMIRA";

struct Messaggio {
    std::string testo;  // Windows-1252, lines separated by CR LF
    Pulsanti pulsanti = Pulsanti::OK;
    Icona icona = Icona::Nessuna;
    int predefinito = 1;  // 1-based index of the default button
    std::string titolo;   // empty: TITOLO_PREDEFINITO
};

class ServiziUI {
  public:
    virtual ~ServiziUI() = default;
    virtual Risposta messaggio(const Messaggio& m) = 0;
    // Shows a window modally: `mostra` runs the window's own modal loop; `nome` is the
    // window's name, so that a scripted implementation can act in its place.
    virtual void mostraModale(const std::string& nome, const std::function<void()>& mostra) = 0;
    virtual void beep() = 0;
    virtual void clessidra(bool attiva) = 0;
};

// The installed services; with none installed, a message box answers its default button.
ServiziUI& servizi();
void installaServizi(std::unique_ptr<ServiziUI> s);

// The answer a box gives when its default button is taken (index out of range: the first).
Risposta rispostaPredefinita(const Messaggio& m);

// MsgBox as the program calls it. An empty title becomes TITOLO_PREDEFINITO.
Risposta MSGBOX(const std::string& testo, Pulsanti pulsanti = Pulsanti::OK,
                Icona icona = Icona::Nessuna, const std::string& titolo = {}, int predefinito = 1);

}  // namespace platform
