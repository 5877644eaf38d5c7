#pragma once
// The exchange arrays: the only channel between the windows and their callers.

#include <array>
#include <cstdint>
#include <string>

namespace windows {

inline std::array<std::string, 51> SCAMBIO_S;  // texts; (50) the worker key, (49) a choice
inline std::array<int16_t, 51> SCAMBIO_I{};    // 16-bit flags and values
inline std::array<double, 51> SCAMBIO_D{};     // record numbers of the listed pages
inline std::array<int16_t, 26> ESITO_I{};      // (25) the exit code a window leaves

// The choice list's input and result.
inline std::string ELENCOSCELTA_S;
inline double SCELTA_D = 0;

inline void azzeraScambio() {
    SCAMBIO_S.fill({});
    SCAMBIO_I.fill(0);
    SCAMBIO_D.fill(0);
    ESITO_I.fill(0);
    ELENCOSCELTA_S.clear();
    SCELTA_D = 0;
}

}  // namespace windows
