// MENU2: help tables and archive lists.

#include "archive/traccia.h"
#include "windows/table/menu2.h"

namespace windows {

using archive::eventoProtetto;
using archive::TRACCIA;

void MENU2::HP6(double riga, double /*aiuto*/) {
    TRACCIA("HP6");
    // Decodes nothing yet; the help tables come with their own change.
    const int r = static_cast<int>(riga);
    if (r >= 1 && r <= MAX_RIGHE) DESCR[r].clear();
}

void MENU2::AIUTO(double /*archivio*/) {
    TRACCIA("AIUTO");
    // No help texts yet; they come with the help tables.
}

void MENU2::SS_Click(int Index) {
    eventoProtetto([&] {
        TRACCIA("SS_CLICK");
        // Makes the row current; its choice list comes with the help tables.
        vaiARiga(Index + 1);
        REVERSE();
    });
}

void MENU2::SSCommand2_Click(int /*Index*/) {
    eventoProtetto([&] {
        TRACCIA("SSCOMMAND2_CLICK");
        // Archive lists and help texts come with the help tables.
    });
}

}  // namespace windows
