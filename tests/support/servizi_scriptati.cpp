#include "support/servizi_scriptati.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace supporto {

using platform::Pulsanti;
using platform::Risposta;

namespace {

bool eUnPulsante(Pulsanti p, Risposta r) {
    switch (p) {
        case Pulsanti::OK:
            return r == Risposta::OK;
        case Pulsanti::SiNo:
            return r == Risposta::Si || r == Risposta::No;
        case Pulsanti::InterrompiRiprovaIgnora:
            return r == Risposta::Interrompi || r == Risposta::Riprova || r == Risposta::Ignora;
    }
    return false;
}

}  // namespace

void ServiziScriptati::rispondi(std::initializer_list<Risposta> r) {
    risposte.insert(risposte.end(), r.begin(), r.end());
}

void ServiziScriptati::registraFinestra(const std::string& nome, std::function<void()> azione) {
    finestre_[nome] = std::move(azione);
}

std::string ServiziScriptati::ultimoTesto() const {
    return messaggi.empty() ? std::string() : messaggi.back().testo;
}

Risposta ServiziScriptati::messaggio(const platform::Messaggio& m) {
    messaggi.push_back(m);
    if (risposte.empty()) return platform::rispostaPredefinita(m);
    const Risposta r = risposte.front();
    risposte.pop_front();
    if (!eUnPulsante(m.pulsanti, r)) {
        ADD_FAILURE() << "scripted answer " << static_cast<int>(r)
                      << " is not a button of the box \"" << m.testo << "\"";
        return platform::rispostaPredefinita(m);
    }
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
