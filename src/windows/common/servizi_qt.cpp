#include "windows/common/servizi_qt.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>
#include <memory>
#include <utility>
#include <vector>

#include "windows/common/testo_qt.h"

namespace windows {

using platform::Icona;
using platform::Pulsanti;
using platform::Risposta;

namespace {

struct Pulsante {
    QMessageBox::StandardButton qt;
    Risposta risposta;
    const char16_t* etichetta;
};

std::vector<Pulsante> pulsantiDi(Pulsanti p) {
    switch (p) {
        case Pulsanti::SiNo:
            return {{QMessageBox::Yes, Risposta::Si, u"S\u00EC"},
                    {QMessageBox::No, Risposta::No, u"No"}};
        case Pulsanti::InterrompiRiprovaIgnora:
            return {{QMessageBox::Abort, Risposta::Interrompi, u"Interrompi"},
                    {QMessageBox::Retry, Risposta::Riprova, u"Riprova"},
                    {QMessageBox::Ignore, Risposta::Ignora, u"Ignora"}};
        case Pulsanti::OK:
            break;
    }
    return {{QMessageBox::Ok, Risposta::OK, u"OK"}};
}

QMessageBox::Icon iconaQt(Icona i) {
    switch (i) {
        case Icona::Critica:
            return QMessageBox::Critical;
        case Icona::Domanda:
            return QMessageBox::Question;
        case Icona::Esclamazione:
            return QMessageBox::Warning;
        case Icona::Informazione:
            return QMessageBox::Information;
        case Icona::Nessuna:
            break;
    }
    return QMessageBox::NoIcon;
}

// The program separates lines with CR LF; Qt wants LF alone.
QString righeQt(const std::string& testo) {
    QString t = aQString(testo);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

}  // namespace

ServiziQt::~ServiziQt() {
    if (clessidraAttiva_ && QApplication::instance()) QApplication::restoreOverrideCursor();
}

Risposta ServiziQt::messaggio(const platform::Messaggio& m) {
    QMessageBox box;
    box.setWindowTitle(aQString(m.titolo.empty() ? platform::TITOLO_PREDEFINITO : m.titolo));
    box.setTextFormat(Qt::PlainText);  // archive texts may hold "<" and "&"
    box.setText(righeQt(m.testo));
    box.setIcon(iconaQt(m.icona));

    const auto elenco = pulsantiDi(m.pulsanti);
    // Abort, Retry, Ignore stand in this order, left to right, whatever order the desktop
    // gives their usual roles; in one role that no desktop reverses they keep the order of
    // adding. Without a reject role the box has no Esc and no title-bar close: one of the
    // three must be chosen.
    const bool inOrdine = m.pulsanti == Pulsanti::InterrompiRiprovaIgnora;
    std::vector<QPushButton*> bottoni;
    for (const auto& p : elenco) {
        QPushButton* b =
            inOrdine ? box.addButton(QString::fromUtf16(p.etichetta), QMessageBox::ActionRole)
                     : box.addButton(p.qt);
        b->setText(QString::fromUtf16(p.etichetta));
        bottoni.push_back(b);
    }
    const std::size_t predefinito =
        (m.predefinito >= 1 && static_cast<std::size_t>(m.predefinito) <= bottoni.size())
            ? static_cast<std::size_t>(m.predefinito - 1)
            : 0;
    box.setDefaultButton(bottoni[predefinito]);
    // The hourglass must not hang over a question.
    const bool conClessidra = clessidraAttiva_;
    if (conClessidra) QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (conClessidra) QApplication::restoreOverrideCursor();

    for (std::size_t i = 0; i < bottoni.size(); ++i)
        if (box.clickedButton() == bottoni[i]) return elenco[i].risposta;
    // Closed without a button (Escape on a box Qt let close): the safe answer is the last
    // button, which is "No" or the only "OK".
    return elenco.back().risposta;
}

void ServiziQt::mostraModale(const std::string&, const std::function<void()>& mostra) {
    mostra();
}

void ServiziQt::beep() {
    QApplication::beep();
}

void ServiziQt::clessidra(bool attiva) {
    // Like the original mouse pointer: a state, not a stack.
    if (attiva == clessidraAttiva_) return;
    if (attiva)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    clessidraAttiva_ = attiva;
}

void installaServiziQt() {
    platform::installaServizi(std::make_unique<ServiziQt>());
}

}  // namespace windows
