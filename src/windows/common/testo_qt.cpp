#include "windows/common/testo_qt.h"

#include <QList>

#include "runtime/codice_pagina.h"

namespace windows {

QString aQString(std::string_view testo) {
    QString r;
    r.reserve(static_cast<qsizetype>(testo.size()));
    for (char c : testo)
        r.append(QChar(static_cast<char16_t>(runtime::unicodeDi(static_cast<unsigned char>(c)))));
    return r;
}

std::string daQString(const QString& testo) {
    std::string r;
    r.reserve(static_cast<std::size_t>(testo.size()));
    // By code point, so a character outside the basic plane gives one "?", not two.
    for (char32_t u : testo.toUcs4())
        r += runtime::byteDi(u);
    return r;
}

}  // namespace windows
