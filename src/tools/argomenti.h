#pragma once
// The command-line arguments every command checks the same way: numbers, numbered files of
// the catalogue, their record lengths.

#include <string>

namespace tools {

// A whole number written with digits only, within [minimo, massimo]; bad usage otherwise.
long intero(const std::string& testo, const std::string& cosa, long minimo, long massimo);

// The path of a numbered file, checked against the catalogue: the number must have a record
// there, with a record length.
std::string percorsoFile(double numero);

// Opens a file given by its number on the command line; it must exist (opening would
// otherwise create it, and a reading command writes nothing).
double apriFile(const std::string& argomento, const std::string& cosa = "numero di file");

long lunghezzaRecord(double numero);
long long lunghezzaFile(double numero);

}  // namespace tools
