#pragma once
// A fresh demo installation with the archive configured as vxarchivio finds it, for the tests
// of the re-hire journal: the demo's environment over the test installation's, both put back.

#include <filesystem>
#include <optional>

#include "archive/configurazione.h"
#include "platform/guasti.h"
#include "support/archivio_prova.h"
#include "tools/comandi.h"
#include "tools/demo.h"

namespace prove {

class InstallazioneGiornale : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        for (const std::string& riga : tools::creaDemo(a.temporaneo("demo")))
            a.ambiente(riga.substr(0, riga.find('=')), riga.substr(riga.find('=') + 1));
        tools::impostaArchivio(std::nullopt);
        archive::NOMEPROGRAMMA = "VXMIRA";
        for (const auto& e : std::filesystem::recursive_directory_iterator(a.temporaneo("demo")))
            if (e.path().filename() == "DIPEND.DAT") fileDipendenti = e.path();
        cartellaArchivio = std::filesystem::path(fileDipendenti).parent_path();
    }
    void TearDown() override { platform::disarmaGuasti(), ProvaBase::TearDown(); }

    std::string dipendenti() const { return supporto::leggiFile(fileDipendenti); }
    std::string record(long n) const { return dipendenti().substr((n - 1) * 16128, 16128); }
    std::string giornale() const { return supporto::leggiFile(cartellaArchivio + "/VXMIRA.JNL"); }
    void scriviGiornale(const std::string& b) const { supporto::scriviFile(cartellaArchivio + "/VXMIRA.JNL", b); }

    supporto::ArchivioProva a;  // its lock folder stays private under the demo's variables
    std::string fileDipendenti, cartellaArchivio;
};

}  // namespace prove
