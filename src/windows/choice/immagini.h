#pragma once
// The pictures of the choice list: one small icon per keyword, drawn in code.

#include <QIcon>
#include <map>
#include <string>

namespace windows {

// Icons keyed by "GENERICO", "STAMPA", "MEMORIZZA", "AGGIORNA", "FOGLI", "MAGNETICO", "HELP".
// Needs a QGuiApplication.
std::map<std::string, QIcon> immaginiScelta();

}  // namespace windows
