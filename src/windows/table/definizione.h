#pragma once
// The fields of a table definition record (file 160), by their 1-based positions. Numeric
// fields are read as the numeric value of their characters, so blanks and garbage count 0.

#include <string>

#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace windows::definizione {

inline std::string descrizione(const std::string& d) {
    return runtime::MID(d, 4, 23);
}
inline double lunghezza(const std::string& d) {
    return runtime::VAL(runtime::MID(d, 30, 2));
}
inline std::string tipo(const std::string& d) {
    return runtime::MID(d, 32, 1);
}
inline bool esclusa(const std::string& d) {
    return runtime::MID(d, 37, 1) == "1";
}
inline double setCaratteri(const std::string& d) {
    return runtime::VAL(runtime::MID(d, 38, 2));
}
inline std::string regola(const std::string& d) {
    return runtime::MID(d, 40, 1);
}
inline double archivio(const std::string& d) {
    return runtime::VAL(runtime::MID(d, 43, 3));
}
// Four characters: the last one is also the first of the position.
inline double aiuto(const std::string& d) {
    return runtime::VAL(runtime::MID(d, 47, 4));
}
inline double posizione(const std::string& d) {
    return runtime::VAL(runtime::MID(d, 50, 5));
}
inline double tipoSpeciale(const std::string& d) {
    return runtime::VAL(runtime::MID(d, 65, 2));
}
inline bool testata(const std::string& d) {
    return runtime::MID(d, 67, 1) == "1";
}
inline std::string nomeBreve(const std::string& d) {
    return runtime::MID(d, 69, 4);
}

}  // namespace windows::definizione
