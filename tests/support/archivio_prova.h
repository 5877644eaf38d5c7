#pragma once
// A temporary installation for tests that use the archive: the drive root ($PONTEVAL_UNITA,
// so C:\X is <tmp>/unita/C/X), C:\ARCHIVI with QZBASE.DAT, C:\PROGRAMMI, the registry file
// ($PONTEVAL_REGISTRO, absent until written) and $XDG_RUNTIME_DIR for the previous-instance
// lock. Everything is put back (environment, open files, globals) when the object goes.
// A fixture member is built before ProvaBase::SetUp resets the globals: call impostaGlobali()
// after the base SetUp (or build the installation inside the test).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/cartella_temporanea.h"

namespace supporto {

struct VoceCatalogo {
    int numero;           // file number, 1..600
    std::string modello;  // path template, at most 29 characters
    int lunghezza;        // record length
};

class ArchivioProva {
  public:
    static constexpr const char* ARCHIVI = "C:\\ARCHIVI";
    static constexpr const char* PROGRAMMI = "C:\\PROGRAMMI";

    explicit ArchivioProva(const std::vector<VoceCatalogo>& voci = {});
    ~ArchivioProva();
    ArchivioProva(const ArchivioProva&) = delete;
    ArchivioProva& operator=(const ArchivioProva&) = delete;

    // PERCORSOARCHIVI, PERCORSOPROGRAMMI, NOMEPROGRAMMA, NOMEPROGETTO ("VXMIRA") set to this.
    void impostaGlobali() const;

    // Adds or replaces a catalogue entry; numbers in between get blank records.
    void catalogo(const VoceCatalogo& voce);
    // Puts an arbitrary 79-character record (or a shorter text, for damaged catalogues).
    void recordGrezzo(int numero, const std::string& record);

    // The local path of a program path (C:\... or, when relative, under the archive directory).
    std::string locale(const std::string& percorso) const;
    void cartella(const std::string& percorso) const;  // creates a folder and its parents
    void scrivi(const std::string& percorso, const std::string& contenuto) const;
    std::string leggi(const std::string& percorso) const;  // "" when missing
    bool esiste(const std::string& percorso) const;
    // The task file of "VX" programs with its first line.
    void scriviTask(const std::string& primaRiga) const;

    std::string fileRegistro() const { return tmp_.file("registro.reg"); }

  private:
    CartellaTemporanea tmp_;
    std::vector<std::string> record_;  // index 0 = file number 1
    std::vector<std::pair<std::string, std::optional<std::string>>> ambientePrima_;
};

}  // namespace supporto
