#pragma once
// Shared by the window tests: real keys and mouse buttons, a list's lines, fixed-width fields.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "windows/selection/lista_testi.h"

namespace prova_finestre {

using V = std::vector<std::string>;

inline void premi(QWidget* w, int tasto, const QString& testo = {},
                  Qt::KeyboardModifiers modificatori = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, tasto, modificatori, testo);
    QApplication::sendEvent(w, &e);
}
// The left button at `dove` in `area`.
inline void mouse(QWidget* area, QEvent::Type tipo, QPoint dove) {
    QMouseEvent e(tipo, dove, area->mapToGlobal(dove), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(area, &e);
}
inline std::vector<std::string> righe(const windows::ListaTesti* l) {
    std::vector<std::string> r;
    for (int i = 0; i < l->ListCount(); ++i)
        r.push_back(l->List(i));
    return r;
}
// `s` padded or cut to `l` characters (36: a worker's name in the selection lists).
inline std::string n(const std::string& s, size_t l = 36, char riempi = ' ') {
    return (s + std::string(l, riempi)).substr(0, l);
}

}  // namespace prova_finestre
