#pragma once
// Record read and write by file number and record number.

#include <string>

namespace archive {

// 0: the whole record was read into AREAREC(numero); 1: end of file.
double LEGGIREC(double numero, double record);
// Writes `testo` (when not empty, after copying it into the record area) or the record area.
void SCRIVIREC(double numero, double record, const std::string& testo = {});

}  // namespace archive
