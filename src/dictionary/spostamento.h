#pragma once

#include <cstdint>
#include <string_view>

namespace dictionary {

// Displacement in characters of occurrence `occorrenza` of a field of a repeated group:
// (occorrenza - 1) x the group's stride, 0 for occurrence 0 and for fields outside every
// group. Computed in 16-bit arithmetic: an overflow is run-time error 6.
// A DI2X$ descriptor without its short-name letter shows "ERRORE REPOSITORY - LETTERA
// SCONOSCIUTA" and gives 0.
int16_t SPOSTAMENTO(std::string_view descrittore, int16_t occorrenza);

}  // namespace dictionary
