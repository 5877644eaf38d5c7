#pragma once
// File slots by file number (0..600): channel, record area, record length.

#include <array>
#include <cstdint>
#include <string>

namespace archive {

inline constexpr int MAX_FILE = 600;

inline std::array<int16_t, MAX_FILE + 1> CANALE{};
inline std::array<std::string, MAX_FILE + 1> AREAREC;
inline std::array<double, MAX_FILE + 1> LUNREC{};

void ASSEGNACANALE(double numero);
void CHIUDIFILE(double numero);  // 0 closes every file
double FAIOPEN(double numero);
void FAIOPENIO(double numero, int16_t modo);  // 0 read text lines, 1 write text lines
double VERBASE(double numero);
void ELIMINA(double numero);
void RICREAFILE(double numero);
int16_t ESISTEFILE(const std::string& percorso);
double VERIFICA(const std::string& nome, int16_t luogo);

// The slot of a file number (rounded as an array subscript); error 9 outside 0..600.
int indiceSlot(double numero);

void azzeraSlot();

}  // namespace archive
