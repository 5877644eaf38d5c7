#include "windows/choice/immagini.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace windows {

namespace {

constexpr int LATO = 16;

QIcon disegna(const std::function<void(QPainter&)>& glifo) {
    QPixmap p(LATO, LATO);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing, false);
    glifo(g);
    g.end();
    return QIcon(p);
}

// A sheet of paper with a few text lines: the generic entry.
void generico(QPainter& g) {
    g.setPen(QColor(90, 90, 90));
    g.setBrush(Qt::white);
    g.drawRect(3, 1, 10, 13);
    for (int y = 4; y <= 11; y += 2)
        g.drawLine(5, y, 11, y);
}

// A printer: paper above a dark body.
void stampa(QPainter& g) {
    g.setPen(Qt::black);
    g.setBrush(Qt::white);
    g.drawRect(4, 1, 7, 5);
    g.setBrush(QColor(40, 60, 140));
    g.drawRect(1, 6, 13, 6);
    g.setBrush(Qt::white);
    g.drawRect(4, 10, 7, 4);
    g.fillRect(11, 8, 2, 1, QColor(80, 220, 80));
}

// A diskette: saving.
void memorizza(QPainter& g) {
    g.setPen(Qt::black);
    g.setBrush(QColor(30, 120, 50));
    g.drawRect(1, 1, 13, 13);
    g.setBrush(QColor(210, 210, 210));
    g.drawRect(4, 1, 7, 4);
    g.setBrush(Qt::white);
    g.drawRect(3, 8, 9, 6);
}

// A circular arrow: updating.
void aggiorna(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing, true);
    QPen penna(QColor(220, 120, 0), 2);
    g.setPen(penna);
    g.setBrush(Qt::NoBrush);
    g.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
    QPainterPath punta;
    punta.moveTo(9, 0);
    punta.lineTo(14, 4);
    punta.lineTo(8, 6);
    punta.closeSubpath();
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(220, 120, 0));
    g.drawPath(punta);
}

// Two stacked sheets: forms.
void fogli(QPainter& g) {
    g.setPen(QColor(120, 100, 0));
    g.setBrush(QColor(250, 230, 120));
    g.drawRect(5, 1, 9, 11);
    g.drawRect(1, 4, 9, 11);
    g.drawLine(3, 8, 8, 8);
    g.drawLine(3, 11, 8, 11);
}

// Two tape reels: magnetic media.
void magnetico(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setPen(QColor(90, 30, 120));
    g.setBrush(QColor(170, 110, 210));
    g.drawEllipse(QRectF(0.5, 3.5, 7, 7));
    g.drawEllipse(QRectF(8.5, 3.5, 7, 7));
    g.setBrush(Qt::white);
    g.drawEllipse(QRectF(3, 6, 2, 2));
    g.drawEllipse(QRectF(11, 6, 2, 2));
    g.drawLine(4, 11, 12, 11);
}

// A question mark in a round badge: help.
void help(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(200, 30, 30));
    g.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(12);
    g.setFont(f);
    g.drawText(QRect(0, 0, LATO, LATO), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

std::map<std::string, QIcon> immaginiScelta() {
    return {
        {"GENERICO", disegna(generico)},   {"STAMPA", disegna(stampa)},
        {"MEMORIZZA", disegna(memorizza)}, {"AGGIORNA", disegna(aggiorna)},
        {"FOGLI", disegna(fogli)},         {"MAGNETICO", disegna(magnetico)},
        {"HELP", disegna(help)},
    };
}

}  // namespace windows
