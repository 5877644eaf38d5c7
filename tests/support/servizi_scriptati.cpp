#include "support/servizi_scriptati.h"

#include <gtest/gtest.h>

#include <memory>

namespace supporto {

using platform::Risposta;

void ServiziScriptati::rispondi(std::initializer_list<Risposta> r) {
    risposte.insert(risposte.end(), r.begin(), r.end());
}

void ServiziScriptati::registraFinestra(const std::string& nome, std::function<void()> azione) {
    finestre_[nome] = std::move(azione);
}

Risposta ServiziScriptati::messaggio(const platform::Messaggio& m) {
    messaggi.push_back(m);
    if (risposte.empty()) return platform::rispostaPredefinita(m);
    const Risposta r = risposte.front();
    risposte.pop_front();
    return r;
}

void ServiziScriptati::mostraModale(const std::string& nome, const std::function<void()>&) {
    modali.push_back(nome);
    auto it = finestre_.find(nome);
    if (it == finestre_.end()) {
        ADD_FAILURE() << "window \"" << nome
                      << "\" shown modally, but no test action is registered";
        return;
    }
    it->second();
}

ServiziScriptati& installaServiziScriptati() {
    auto s = std::make_unique<ServiziScriptati>();
    ServiziScriptati& rif = *s;
    platform::installaServizi(std::move(s));
    return rif;
}

}  // namespace supporto
