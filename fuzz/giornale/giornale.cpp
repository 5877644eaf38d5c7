// The journal reader over arbitrary bytes: the lines do not depend on how the bytes arrive,
// and every entry read back, written again and read once more is the same entry.

#include "ambiente.h"
#include "journal/voce.h"

namespace {

bool uguali(const journal::Voce& a, const journal::Voce& b) {
    return a.tipo == b.tipo && a.annulla == b.annulla && a.ora == b.ora && a.utente == b.utente &&
           a.host == b.host && a.task == b.task && a.programma == b.programma && a.file == b.file &&
           a.record == b.record && a.chiave == b.chiave && a.prima == b.prima && a.dopo == b.dopo;
}

struct Letta {
    long numero;
    bool lunga;
    std::string riga;
    bool operator==(const Letta&) const = default;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::Lettore l(dati, n);
    const size_t pezzo = 1 + l.byte() % 64;
    const size_t massimo = 64 + l.byte() * 64;
    const std::string_view flusso = l.resto();

    std::vector<Letta> intere, aPezzi;
    journal::Righe a(
        [&](long num, std::string_view r, bool lunga) {
            intere.push_back({num, lunga, std::string(r)});
        },
        massimo);
    a.aggiungi(flusso);
    a.fine();
    journal::Righe b(
        [&](long num, std::string_view r, bool lunga) {
            aPezzi.push_back({num, lunga, std::string(r)});
        },
        massimo);
    for (size_t i = 0; i < flusso.size(); i += pezzo)
        b.aggiungi(flusso.substr(i, pezzo));
    b.fine();
    if (intere != aPezzi) __builtin_trap();

    for (const auto& r : intere) {
        const auto letta = journal::leggiRiga(r.riga, r.numero);
        if (letta.voce.has_value() != letta.guasto.empty()) __builtin_trap();
        if (!letta.voce) continue;
        const auto ancora = journal::leggiRiga(journal::rigaJson(*letta.voce), r.numero);
        if (!ancora.voce || !uguali(*letta.voce, *ancora.voce)) __builtin_trap();
    }
    return 0;
}
