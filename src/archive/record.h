#pragma once
// Record read and write by file number and record number.

#include <string>

namespace archive {

// 0: the whole record was read into AREAREC(numero); 1: end of file.
double LEGGIREC(double numero, double record);
// Reads the records of one file as LEGGIREC does, one positioned read fetching a whole run of
// consecutive records (up to about 1 MB) that the caller is about to read in order: on a
// network share each read is a round trip. Every record is then handed over exactly as
// LEGGIREC leaves it: its trace entry, the record area, the result, the run-time errors.
class LetturaInBlocco {
  public:
    explicit LetturaInBlocco(double numero) : numero(numero) {}
    // LEGGIREC(numero, record); `ultimo` is the last record of the run, from `record` on, that
    // the caller will read next, one after the other (`record` itself when none follows).
    double leggi(double record, double ultimo);

  private:
    double numero;
    std::string blocco;    // the run fetched last
    long long primo = 0;   // record number of its first record
    long long interi = 0;  // whole records it holds
};

// Writes `testo` (when not empty, after copying it into the record area) or the record area.
void SCRIVIREC(double numero, double record, const std::string& testo = {});

}  // namespace archive
