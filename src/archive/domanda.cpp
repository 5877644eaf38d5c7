#include "archive/domanda.h"

#include <algorithm>

#include "platform/servizi_ui.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace archive {

std::string DOMANDA(std::string_view domanda, int16_t /*opzione*/) {
    std::string testo;
    int divisioni = 0;
    for (char c : domanda) {
        if (c == '*' && divisioni < 10) {
            testo += "\r\n";
            ++divisioni;
        } else {
            testo += c;
        }
    }
    const auto r =
        platform::MSGBOX(testo, platform::Pulsanti::SiNo, platform::Icona::Domanda, "Ponteval", 2);
    return r == platform::Risposta::Si ? "S" : "N";
}

namespace {

bool cifra(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double CONTROLLADATA(std::string& data) {
    // Only digits (and blanks, in an empty field) make a date: a sign, an exponent or a
    // letter would otherwise pass as "no date" or as a date with a negative day and be stored.
    const bool soloCifre = std::all_of(data.begin(), data.end(), cifra);
    const bool cifreESpazi =
        std::all_of(data.begin(), data.end(), [](char c) { return cifra(c) || c == ' '; });
    if (cifreESpazi && runtime::VAL(data) == 0) return 2;
    if (data.size() > 8) return 1;
    data = runtime::RIGHT("00000000" + data, 8);
    if (!soloCifre) return 1;

    const double giorno = runtime::VAL(runtime::MID(data, 1, 2));
    const double mese = runtime::VAL(runtime::MID(data, 3, 2));
    const auto anno = static_cast<int16_t>(runtime::VAL(runtime::MID(data, 5, 4)));

    if (mese > 12 || giorno > 31) return 1;
    if ((mese == 4 || mese == 6 || mese == 9 || mese == 11) && giorno > 30) return 1;
    if (mese == 2 && giorno > (BISESTILE(anno) ? 29 : 28)) return 1;
    if (giorno == 0 || mese == 0) return 1;
    return 0;
}

bool BISESTILE(int16_t anno) {
    if (anno % 4 != 0) return false;
    if (anno % 400 == 0) return true;
    return anno % 100 != 0;
}

}  // namespace archive
