#pragma once
// A temporary installation for tests that use the archive:
//   <tmp>/unita            the drive root ($PONTEVAL_UNITA), so C:\X is <tmp>/unita/C/X
//   C:\ARCHIVI             the archive directory (PERCORSOARCHIVI), with QZBASE.DAT
//   C:\PROGRAMMI           the programs directory (PERCORSOPROGRAMMI)
//   <tmp>/registro.reg     the registry export file ($PONTEVAL_REGISTRO), absent until written
//   <tmp>/run              $XDG_RUNTIME_DIR, where the previous-instance lock goes
// NOMEPROGRAMMA and NOMEPROGETTO are "VXMIRA". Everything is put back (environment, open
// files, the globals above) when the object goes.
// A fixture member is built before ProvaBase::SetUp resets the globals: call impostaGlobali()
// after the base SetUp (or build the installation inside the test).
//
//   supporto::ArchivioProva a({{2, "DITTA###\\DIP.DAT", 600}, {7, "DITTA###\\DIP.IDX", 2000}});
//   a.cartella("C:\\ARCHIVI\\DITTA001");
//   archive::DITTAOPEN = "1";
//   archive::FAIOPEN(2);

#include <string>
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

    // Points PERCORSOARCHIVI, PERCORSOPROGRAMMI, NOMEPROGRAMMA, NOMEPROGETTO at this installation.
    void impostaGlobali() const;

    // Adds or replaces a catalogue entry; numbers in between get blank records.
    void catalogo(const VoceCatalogo& voce);
    // Puts an arbitrary 79-character record (or a shorter text, for damaged catalogues).
    void recordGrezzo(int numero, const std::string& record);

    // The Linux path of a program path (C:\... or a path under the archive directory when
    // relative: "DITTA001\DIP.DAT").
    std::string locale(const std::string& percorso) const;
    void cartella(const std::string& percorso) const;  // creates a folder and its parents
    void scrivi(const std::string& percorso, const std::string& contenuto) const;
    std::string leggi(const std::string& percorso) const;  // "" when missing
    bool esiste(const std::string& percorso) const;
    // The task file of "VX" programs with its first line.
    void scriviTask(const std::string& primaRiga) const;

    std::string fileRegistro() const { return tmp_.file("registro.reg"); }

  private:
    std::string completo(const std::string& percorso) const;
    void riscriviCatalogo() const;

    CartellaTemporanea tmp_;
    std::vector<std::string> record_;  // index 0 = file number 1
    std::string unitaPrima_, registroPrima_, runtimePrima_;
    bool unitaC_ = false, registroC_ = false, runtimeC_ = false;
};

}  // namespace supporto
