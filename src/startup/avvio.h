#pragma once
// The start-up flow: configuration, the choice of the worker, the pages, the final question
// and the new-hire record written back.

#include <cstdint>
#include <string>

#include "windows/common/finestra.h"
#include "windows/pages/fines.h"
#include "windows/selection/codvec.h"
#include "windows/table/menu2.h"

namespace startup {

inline constexpr const char* DOMANDA_FINALE =
    "SI DESIDERA MEMORIZZARE LE VARIAZIONI APPORTATE*ED ACCETTARE GLI AZZERAMENTI COME NUOVO "
    "ASSUNTO ?";

// The program's entry: never returns (every way out ends the program).
void MAIN();

// Shows the selection window and returns the chosen worker key, or the empty text.
std::string COD_DIP(int16_t& modo, double& numeroFile);

// The normal end of the run: every file closed, the task file written back.
[[noreturn]] void FINEPROG();

// The three windows of the run, loaded on first showing.
struct Finestre {
    windows::Modulo<windows::CODVEC> codvec;
    windows::Modulo<windows::Fines> fines;
    windows::Modulo<windows::MENU2> menu2;
};
Finestre& finestre();

// Unloads the windows (tests; they must go before the QApplication does).
void azzeraAvvio();

}  // namespace startup
