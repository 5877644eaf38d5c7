#pragma once
// Record read and write by file number and record number.

#include <string>
#include <string_view>

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
    LetturaInBlocco(const LetturaInBlocco&) = delete;
    LetturaInBlocco& operator=(const LetturaInBlocco&) = delete;
    ~LetturaInBlocco() { fine(); }
    // LEGGIREC(numero, record); `ultimo` is the last record of the run, from `record` on, that
    // the caller will read next, one after the other (`record` itself when none follows).
    double leggi(double record, double ultimo);
    // As leggi, but the record is handed out in `testo`, a view into the run valid until the
    // next call, and the record area gets only the last record read, when the reading ends:
    // at the end of the file, at an error, at fine() or when this object goes. A list of
    // large records is then copied once per run instead of once per record. Until then the
    // caller leaves the record area alone.
    double vedi(double record, double ultimo, std::string_view& testo);
    // The record area as after the last leggi or vedi.
    void fine() noexcept;

  private:
    const char* prendi(double record, double ultimo);

    double numero;
    std::string blocco;             // the run fetched last
    long long primo = 0;            // record number of its first record
    long long interi = 0;           // whole records it holds
    const char* sospeso = nullptr;  // the record vedi handed out last, not yet in the area
    long long lunghezza = 0;        // its length
    std::string traccia;            // "LEGGIREC (numero-" of every trace entry
};

// Writes `testo` (when not empty, after copying it into the record area) or the record area.
void SCRIVIREC(double numero, double record, const std::string& testo = {});

}  // namespace archive
