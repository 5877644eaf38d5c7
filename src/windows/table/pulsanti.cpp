// MENU2: the command buttons and leaving the window.

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "windows/common/scambio.h"
#include "windows/table/menu2.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;

void MENU2::Tasto_Uscita_Click() {
    eventoProtetto([&] {
        TRACCIA("TASTO_USCITA_CLICK");
        scarica();  // its unload ends the run
    });
}

void MENU2::Tasto_qualifica_Click() {
    eventoProtetto([&] {
        TRACCIA("TASTO_QUALIFICA_CLICK");
        SCAMBIO_I[47] = scambio[RECORD_DIPENDENTE];
        ESITO_I[25] = 0;
        CARICA(Combo1->currentIndex() + 1);
        fuocoEditor();
    });
}

void MENU2::Tasto_ditta_Click() {
    eventoProtetto([&] {
        TRACCIA("TASTO_DITTA_CLICK");
        const int modo = scambio[MODO_PULSANTI];
        if ((modo == 4 || modo == 5) && dictionary::RepoRN(dictionary::P175) != 0) ELENCA(13, 1);
    });
}

void MENU2::Tasto_settore_Click() {
    eventoProtetto([&] {
        TRACCIA("TASTO_SETTORE_CLICK");
        const int modo = scambio[MODO_PULSANTI];
        double settore = 0;
        if (modo == 4 || modo == 5) {
            const double ditta = dictionary::RepoRN(dictionary::P175);
            // Company 0 has no record to read.
            if (ditta >= 1) {
                archive::FAIOPEN(1);
                if (archive::LEGGIREC(1, ditta) == 0) {
                    dictionary::DITX_S = archive::AREAREC[1];
                    settore = dictionary::RepoRN(dictionary::T067);
                }
                archive::CHIUDIFILE(1);
            }
        } else if (modo == 3) {
            settore = dictionary::RepoRN(dictionary::P175);
        }
        if (settore != 0) ELENCA(10, 8);
    });
}

void MENU2::Tasto_calcolo_Click() {
    eventoProtetto([&] { TRACCIA("TASTO_CALCOLO_CLICK"); });
}

void MENU2::ELENCA(double /*nRec*/, double /*NARC*/, double /*NTAB*/) {
    TRACCIA("ELENCA");
}

void MENU2::RIPF() {}

void MENU2::SCRITTURA() {}

}  // namespace windows
