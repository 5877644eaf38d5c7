#include "support/servizi_scriptati.h"

#include <gtest/gtest.h>

#include <memory>

namespace supporto {

using platform::Risposta;

Risposta ServiziScriptati::messaggio(const platform::Messaggio& m) {
    messaggi.push_back(m);
    if (risposte.empty()) return platform::rispostaPredefinita(m);
    const Risposta r = risposte.front();
    risposte.pop_front();
    return r;
}

void ServiziScriptati::mostraModale(const std::string& nome, const std::function<void()>&) {
    modali.push_back(nome);
    if (auto it = finestre_.find(nome); it != finestre_.end()) return it->second();
    ADD_FAILURE() << "window \"" << nome << "\" shown modally, but no test action is registered";
}

ServiziScriptati& installaServiziScriptati() {
    auto s = std::make_unique<ServiziScriptati>();
    ServiziScriptati& rif = *s;
    platform::installaServizi(std::move(s));
    return rif;
}

}  // namespace supporto
