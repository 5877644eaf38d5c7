#pragma once
// A temporary installation: the drive root ($PONTEVAL_UNITA: C:\X is <tmp>/unita/C/X), C:\ARCHIVI
// with QZBASE.DAT, C:\PROGRAMMI, the registry file ($PONTEVAL_REGISTRO) and $XDG_RUNTIME_DIR for
// the instance lock, all put back when it goes. A fixture member is built before ProvaBase::SetUp
// resets the globals: call impostaGlobali() after it.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

namespace supporto {

// The 79-character catalogue record of a template and a record length.
std::string recordCatalogo(const std::string& modello, int lunghezza);

struct VoceCatalogo {
    int numero;  // 1..600
    std::string modello;  // path template, at most 29 characters
    int lunghezza;
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
    void catalogo(const VoceCatalogo& voce) { recordGrezzo(voce.numero, recordCatalogo(voce.modello, voce.lunghezza)); }
    // Puts an arbitrary 79-character record (or a shorter text, for damaged catalogues).
    void recordGrezzo(int numero, const std::string& record);

    // The local path of a program path (C:\... or, when relative, under the archive directory).
    std::string locale(const std::string& percorso) const;
    void cartella(const std::string& percorso) const { std::filesystem::create_directories(locale(percorso)); }
    void scrivi(const std::string& percorso, const std::string& contenuto) const { scriviFile(locale(percorso), contenuto); }
    std::string leggi(const std::string& percorso) const { return leggiFile(locale(percorso)); }  // "" when missing
    bool esiste(const std::string& percorso) const { return std::filesystem::exists(locale(percorso)); }
    // The task file of "VX" programs with its first line.
    void scriviTask(const std::string& primaRiga) const { scrivi("C:\\VXSTASK\\VXSTASK.INI", primaRiga + "\r\n"); }

    std::string fileRegistro() const { return tmp_.file("registro.reg"); }
    std::string temporaneo(const std::string& nome) const { return tmp_.file(nome); }
    // Sets an environment variable until the installation goes.
    void ambiente(const std::string& nome, const std::string& valore);

  private:
    CartellaTemporanea tmp_;
    std::vector<std::string> record_;  // index 0 = file number 1
    std::vector<std::pair<std::string, std::optional<std::string>>> ambientePrima_;
};

// The fixture of a suite on one installation: the base's clean state, then these globals.
class ProvaArchivio : public ProvaBase {
  protected:
    explicit ProvaArchivio(const std::vector<VoceCatalogo>& voci = {}) : a(voci) {}
    void SetUp() override {
        ProvaBase::SetUp();
        a.impostaGlobali();
    }
    ArchivioProva a;
};

}  // namespace supporto
