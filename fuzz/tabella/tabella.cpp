// The data-entry table's value formatting and key filter over arbitrary definition records,
// stored values, typed values, cursor positions and keys. Runs without a display.

#include <QApplication>
#include <cstdlib>

#include "ambiente.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"
#include "windows/common/scambio.h"
#include "windows/table/menu2.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    static int argc = 1;
    static char nome[] = "fuzz_tabella";
    static char* argv[] = {nome, nullptr};
    // Kept for the whole run and destroyed at its end, the window before the application.
    static const bool schermo = setenv("QT_QPA_PLATFORM", "offscreen", 1) == 0;
    (void)schermo;
    static QApplication app(argc, argv);
    static windows::MENU2 finestra;
    windows::MENU2* tabella = &finestra;

    fuzz::azzera();
    fuzz::Lettore l(dati, n);
    const int riga = l.byte() % windows::MENU2::MAX_RIGHE + 1;
    const uint8_t tasti = l.byte() % 8;
    tabella->RIGADEF[riga] = l.pezzo(120);
    tabella->VALORE[riga] = l.pezzo(40);
    tabella->scambio[windows::MENU2::CURSORE] = l.intero16();
    windows::SCAMBIO_S[1] = std::string(l.resto());
    try {
        const std::string valore = tabella->PRENDI_S(tabella->RIGADEF[riga]);
        // The value is shown exactly as wide as the display length it reports.
        if (static_cast<long>(valore.size()) != tabella->scambio[windows::MENU2::LUNGHEZZA_VISTA])
            __builtin_trap();
        for (int k = 0; k < tasti; ++k) {
            const int tasto = l.byte();
            tabella->TASTO2(riga - 1, tasto, l.byte() % 2);
        }
    } catch (const runtime::ErroreRuntime&) {
    } catch (const platform::FineProgramma&) {
    }
    return 0;
}
