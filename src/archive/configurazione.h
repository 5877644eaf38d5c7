#pragma once
// Configuration: the archive and programs directories, the task code, the program identity.

#include <cstdint>
#include <string>

namespace archive {

inline std::string PERCORSOARCHIVI, PERCORSOPROGRAMMI, NOMEPROGRAMMA, NOMEPROGETTO;

inline constexpr uint32_t HKEY_CURRENT_USER = 0x80000001u;
inline constexpr const char* CHIAVE_PONTEVAL = "SOFTWARE\\ZELCORIN\\PONTEVAL";

std::string LEGGIREGISTRO(uint32_t radice, const std::string& chiave, const std::string& nome);
// The first line of a text file (a program path); an empty file has an empty first line.
std::string primaRigaFile(const std::string& percorso);
// CODICETASK from the first two characters of the task file's first line.
void leggiCodiceTask();

void CONFIGREGISTRO();
void CONFIGFILE();
void INFOPROGETTO();

void azzeraConfigurazione();

}  // namespace archive
