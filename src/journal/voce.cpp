#include "journal/voce.h"

#include <nlohmann/json.hpp>

#include "journal/base64.h"
#include "journal/differenze.h"
#include "runtime/codice_pagina.h"

namespace journal {

namespace {

using Json = nlohmann::ordered_json;
using runtime::testo1252DaUtf8;
using runtime::utf8Da1252;

constexpr long MAX_RECORD = 999999999;

}  // namespace

std::string rigaJson(const Voce& v) {
    Json j;
    j["tipo"] = v.tipo;
    if (v.tipo == TIPO_ANNULLAMENTO) j["annulla"] = v.annulla;
    j["ora"] = v.ora;
    j["utente"] = v.utente;
    j["host"] = v.host;
    j["task"] = utf8Da1252(v.task);
    j["programma"] = utf8Da1252(v.programma);
    j["file"] = v.file;
    j["record"] = v.record;
    j["chiave"] = utf8Da1252(v.chiave);
    j["prima"] = codificaBase64(v.prima);
    j["dopo"] = codificaBase64(v.dopo);
    const Differenze d = confronta(v.prima, v.dopo);
    Json campi = Json::array();
    for (const auto& c : d.campi)
        campi.push_back(
            {{"campo", c.nome}, {"prima", utf8Da1252(c.prima)}, {"dopo", utf8Da1252(c.dopo)}});
    j["campi"] = std::move(campi);
    Json altre = Json::array();
    for (const auto& p : d.altre)
        altre.push_back({p.da, p.a});
    j["altre_posizioni"] = std::move(altre);
    // User and host names come from the system and may not be UTF-8: never refuse a line
    // for them.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Lettura leggiRiga(std::string_view riga, long numero) {
    const Json j = Json::parse(riga, nullptr, false);
    if (j.is_discarded()) return {std::nullopt, "non e' JSON"};
    if (!j.is_object()) return {std::nullopt, "non e' un oggetto JSON"};
    Voce v;
    std::string guasto;
    auto testo = [&](const char* nome, std::string& dove) {
        const auto it = j.find(nome);
        if (it == j.end() || !it->is_string()) {
            if (guasto.empty()) guasto = std::string("manca il testo \"") + nome + "\"";
            return;
        }
        dove = it->get<std::string>();
    };
    auto intero = [&](const char* nome, long massimo, long& dove) {
        const auto it = j.find(nome);
        if (it == j.end() || !it->is_number_integer() || it->get<long long>() < 1 ||
            it->get<long long>() > massimo) {
            if (guasto.empty()) guasto = std::string("manca il numero \"") + nome + "\"";
            return;
        }
        dove = static_cast<long>(it->get<long long>());
    };
    testo("tipo", v.tipo);
    if (!guasto.empty()) return {std::nullopt, guasto};
    if (v.tipo != TIPO_RIASSUNZIONE && v.tipo != TIPO_ANNULLAMENTO)
        return {std::nullopt, "tipo sconosciuto \"" + testo1252DaUtf8(v.tipo) + "\""};
    if (v.tipo == TIPO_ANNULLAMENTO) {
        intero("annulla", MAX_RECORD, v.annulla);
        if (guasto.empty() && v.annulla >= numero) guasto = "annulla una voce che la segue";
    }
    testo("ora", v.ora);
    testo("utente", v.utente);
    testo("host", v.host);
    testo("task", v.task);
    testo("programma", v.programma);
    intero("file", FILE_DIPENDENTI, v.file);
    if (guasto.empty() && v.file != FILE_DIPENDENTI) guasto = "non e' il file dei dipendenti";
    intero("record", MAX_RECORD, v.record);
    testo("chiave", v.chiave);
    std::string prima, dopo;
    testo("prima", prima);
    testo("dopo", dopo);
    if (!guasto.empty()) return {std::nullopt, guasto};
    v.task = testo1252DaUtf8(v.task);
    v.programma = testo1252DaUtf8(v.programma);
    v.chiave = testo1252DaUtf8(v.chiave);
    auto immagine = [&](const std::string& b64, std::string& dove, const char* nome) {
        auto byte = decodificaBase64(b64);
        if (!byte || byte->empty()) {
            if (guasto.empty()) guasto = std::string("immagine \"") + nome + "\" non valida";
            return;
        }
        dove = std::move(*byte);
    };
    immagine(prima, v.prima, "prima");
    immagine(dopo, v.dopo, "dopo");
    if (guasto.empty() && v.prima.size() != v.dopo.size())
        guasto = "le immagini prima e dopo hanno lunghezze diverse";
    if (!guasto.empty()) return {std::nullopt, guasto};
    return {std::move(v), {}};
}

void Righe::aggiungi(std::string_view pezzo) {
    while (!pezzo.empty()) {
        aperta_ = true;
        const size_t fine = pezzo.find('\n');
        const std::string_view parte = pezzo.substr(0, fine);
        if (!lunga_) {
            if (riga_.size() + parte.size() > massimo_) {
                lunga_ = true;
                riga_.clear();
                riga_.shrink_to_fit();
            } else {
                riga_.append(parte);
            }
        }
        if (fine == std::string_view::npos) return;
        consegna();
        pezzo.remove_prefix(fine + 1);
    }
}

void Righe::fine() {
    if (aperta_) consegna();
}

void Righe::consegna() {
    ++numero_;
    std::string_view riga = riga_;
    if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
    destinatario_(numero_, lunga_ ? std::string_view{} : riga, lunga_);
    riga_.clear();
    lunga_ = false;
    aperta_ = false;
}

}  // namespace journal
