// MENU2: storing a confirmed value, the window's error box and the maximum-value check.

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/scrittura.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/scambio.h"
#include "windows/table/definizione.h"
#include "windows/table/menu2.h"

namespace windows {

using archive::TRACCIA;
using runtime::MID;
using runtime::VAL;
namespace def = definizione;

double MENU2::MUOVI2(double riga) {
    TRACCIA("MUOVI2");
    // Stores as typed, without checks; the full rules come with value checking.
    const int r = static_cast<int>(riga);
    if (r < 1 || r > MAX_RIGHE) return 1;
    scambio[CODICE_MANCANTE] = 1;
    const std::string& d = RIGADEF[r];
    const long p = static_cast<long>(def::posizione(d));
    const long l = static_cast<long>(def::lunghezza(d));
    std::string tipo = def::tipo(d);
    std::string valore = VALORE[r];
    if (tipo == "D") {
        std::string cifre;
        for (char c : valore)
            if (c != '/') cifre += c;
        valore = cifre;
        tipo = "A";
    }
    if (p < 1 || p + l - 1 > static_cast<long>(SCAMBIO_S[1].size()))
        throw runtime::ErroreRuntime{runtime::ERR_CHIAMATA_NON_VALIDA};
    const std::string descrittore = "DIPX$," + runtime::RIGHT("00000" + std::to_string(p), 5) +
                                    "," + runtime::RIGHT("00" + std::to_string(l), 2) + "," + tipo +
                                    ",0," + def::nomeBreve(d);
    dictionary::RepoW(descrittore, std::string_view(valore), 0, SCAMBIO_S[1]);
    return 0;
}

void MENU2::MESCAM(const std::string& AWWWT) {
    TRACCIA("MESCAM");
    platform::MSGBOX(AWWWT, platform::Pulsanti::OK, platform::Icona::Nessuna,
                     "MESSAGGIO DI ERRORE");
    scambio[ERRORE_VISTO] = 1;
}

double MENU2::LUNGHE(double A) {
    TRACCIA("LUNGHE");
    const int r = static_cast<int>(A);
    if (r < 1 || r > MAX_RIGHE) return 0;
    const double h = def::setCaratteri(RIGADEF[r]);
    if (h < 1) return 0;
    if (archive::CANALE[106] == 0) archive::FAIOPEN(106);
    if (archive::LEGGIREC(106, h) == 1) return 0;
    const std::string& record = archive::AREAREC[106];
    if (runtime::LEFT(record, 1) != "*") return 0;
    if (VAL(VALORE[r]) > VAL(MID(record, 2, 9))) {
        platform::servizi().beep();
        return 1;
    }
    return 0;
}

void MENU2::SPECIAL(double /*riga*/) {
    TRACCIA("SPECIAL");
    // No derived values yet; the special field rules come with value checking.
}

}  // namespace windows
