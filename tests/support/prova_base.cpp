#include "support/prova_base.h"

#include "platform/fine_programma.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "support/azzera.h"

namespace supporto {

namespace {

// Makes terminaProgramma throw platform::FineProgramma{codice}.
void fineComeEccezione() {
    platform::impostaFineProgramma([](int codice) { throw platform::FineProgramma{codice}; });
}

}  // namespace

int codiceFine(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const platform::FineProgramma& f) {
        return f.codice;
    }
    return -1;
}

int erroreDi(const std::function<void()>& azione) {
    try {
        azione();
    } catch (const runtime::ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}

void ProvaBase::SetUp() {
    azzeraTutto();
    fineComeEccezione();
    ui_ = &installaServiziScriptati();
}

void ProvaBase::TearDown() {
    azzeraTutto();
    platform::installaServizi(nullptr);
    ui_ = nullptr;
    // The end of the program stays an exception: a stray end must never exit the test run.
    fineComeEccezione();
}

}  // namespace supporto
