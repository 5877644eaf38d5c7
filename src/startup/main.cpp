// vxmira: re-hires a worker who has left a company and is a fixed-term ENPALS worker.

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "archive/traccia.h"
#include "platform/fine_programma.h"
#include "startup/avvio.h"
#include "windows/common/servizi_qt.h"

namespace {

bool schermoDisponibile() {
    const char* piattaforma = std::getenv("QT_QPA_PLATFORM");
    if (piattaforma && *piattaforma) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!schermoDisponibile()) {
        std::fputs(
            "vxmira: nessuno schermo disponibile (DISPLAY non impostato). Avviare il programma "
            "da una sessione grafica, tramite \"ssh -X\", oppure con \"xvfb-run\" per "
            "l'automazione.\n",
            stderr);
        return platform::USCITA_NO_SCHERMO;
    }
    QApplication app(argc, argv);
    // The installed menu entry and icon: desktops match the program's windows to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("vxmira"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vxmira")));
    windows::installaServiziQt();
    archive::eventoProtetto([] { startup::MAIN(); });
    // Every way out of the start-up routine ends the program; this is not reached.
    platform::terminaProgramma(platform::USCITA_ERRORE);
}
