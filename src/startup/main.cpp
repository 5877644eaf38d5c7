// vxmira: re-hires a worker who has left a company and is a fixed-term ENPALS worker.

#include <QApplication>
#include <QIcon>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "archive/traccia.h"
#include "platform/fine_programma.h"
#include "startup/avvio.h"
#include "windows/common/servizi_qt.h"

namespace {

constexpr const char* SENZA_SCHERMO =
    "vxmira: nessuno schermo disponibile (DISPLAY non impostato o non raggiungibile). Avviare "
    "il programma da una sessione grafica, tramite \"ssh -X\", oppure con \"xvfb-run\" per "
    "l'automazione.\n";

bool schermoDisponibile() {
    const char* piattaforma = std::getenv("QT_QPA_PLATFORM");
    if (piattaforma && *piattaforma) return true;
    const char* x = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

[[noreturn]] void senzaSchermo() {
    std::fputs(SENZA_SCHERMO, stderr);
    // Nothing is open yet, and Qt may be half-way through its start: end without unwinding.
    std::_Exit(platform::USCITA_NO_SCHERMO);
}

// While Qt connects to the display its messages are held back: a display that cannot be
// reached ends in a fatal message, which becomes the one line above and exit code 5 instead
// of an abort; when the connection succeeds the held messages are shown as they came.
struct Trattenuto {
    QtMsgType tipo;
    std::string categoria;
    QString testo;
};
std::vector<Trattenuto> trattenuti;

void durantePiattaforma(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
    if (tipo == QtFatalMsg) senzaSchermo();
    trattenuti.push_back({tipo, contesto.category ? contesto.category : "", testo});
}

}  // namespace

int main(int argc, char** argv) {
    if (!schermoDisponibile()) senzaSchermo();
    const QtMessageHandler precedente = qInstallMessageHandler(durantePiattaforma);
    QApplication app(argc, argv);
    qInstallMessageHandler(precedente);
    for (const Trattenuto& t : trattenuti)
        precedente(t.tipo, QMessageLogContext(nullptr, 0, nullptr, t.categoria.c_str()), t.testo);
    trattenuti.clear();

    // The installed menu entry and icon: desktops match the program's windows to them.
    QGuiApplication::setDesktopFileName(QStringLiteral("vxmira"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vxmira")));
    windows::installaServiziQt();
    archive::eventoProtetto([] { startup::MAIN(); });
    // Every way out of the start-up routine ends the program; this is not reached.
    platform::terminaProgramma(platform::USCITA_ERRORE);
}
