#pragma once
// The 24 record buffers: each holds the current record of its kind in its stored layout.
// They are filled by copying a file's record area after a read and start empty.

#include <string>
#include <string_view>

namespace dictionary {

inline std::string DITX_S;  // company
inline std::string DIPX_S;  // worker
inline std::string FISX_S;
inline std::string SETX_S;
inline std::string FOTX_S;
inline std::string DICX_S;
inline std::string DI2X_S;
inline std::string CONX_S;
inline std::string CUDX_S;
inline std::string PROX_S;
inline std::string STUX_S;
inline std::string ARTX_S;
inline std::string FOPX_S;
inline std::string F24X_S;
inline std::string PARX_S;
inline std::string PERX_S;
inline std::string COCX_S;
inline std::string STOX_S;
inline std::string SCRX_S;
inline std::string SCRY_S;
inline std::string GLAX_S;
inline std::string GLCX_S;
inline std::string M77X_S;
inline std::string SCRU_S;

inline constexpr int NUMERO_BUFFER = 24;

// The buffer a descriptor names by its first five characters ("DIPX$"); nullptr when the
// name is none of the 24. The match is exact, case included.
std::string* bufferPerNome(std::string_view nome);

// The buffer a descriptor names (characters 1-5). When it is none of the 24 the dictionary
// and its caller disagree: the message "ERRORE REPOSITORY - STRCOSTANTE" is shown, every
// file is closed and the program ends at once, without the end-of-run routine.
std::string& bufferDelDescrittore(std::string_view descrittore);

// The buffer names in their fixed order ("DITX$", "DIPX$", ...), index 0 to 23.
std::string_view nomeBuffer(int indice);

// Empties every buffer, as at program start.
void azzeraBuffer();

}  // namespace dictionary
