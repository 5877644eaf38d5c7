#pragma once
// The one place where the program's Windows-1252 texts meet Qt's Unicode strings.

#include <QString>
#include <string>
#include <string_view>

namespace windows {

// Windows-1252 -> Unicode. The five bytes the code page leaves undefined map to their C1
// code points, so that every byte survives a round trip.
QString aQString(std::string_view testo);

// Unicode -> Windows-1252. A character the code page cannot hold becomes "?".
std::string daQString(const QString& testo);

}  // namespace windows
