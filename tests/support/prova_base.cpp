#include "support/prova_base.h"

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "isam/isam.h"
#include "platform/fine_programma.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "windows/common/scambio.h"

namespace supporto {

void azzeraTutto() {
    archive::azzeraTraccia();
    archive::azzeraSlot();  // also closes every channel a test left open
    archive::azzeraCatalogo();
    archive::azzeraConfigurazione();
    archive::azzeraSemaforo();
    dictionary::azzeraBuffer();
    isam::azzeraIsam();
    windows::azzeraScambio();
}

int codiceFine(const std::function<void()>& azione) {
    try { azione(); } catch (const platform::FineProgramma& f) { return f.codice; }
    return -1;
}

int codiceEvento(const std::function<void()>& azione) { return codiceFine([&] { archive::eventoProtetto(azione); }); }

int erroreDi(const std::function<void()>& azione) {
    try { azione(); } catch (const runtime::ErroreRuntime& e) { return e.numero(); }
    return 0;
}

void ProvaBase::SetUp() {
    azzeraTutto();
    // The end of the program is a FineProgramma exception.
    platform::impostaFineProgramma([](int c) { throw platform::FineProgramma{c}; });
    ui_ = &installaServiziScriptati();
}

void ProvaBase::TearDown() {
    azzeraTutto();
    platform::installaServizi(nullptr);
    ui_ = nullptr;
    // It stays one: a stray end must never exit the test run.
    platform::impostaFineProgramma([](int c) { throw platform::FineProgramma{c}; });
}

}  // namespace supporto
