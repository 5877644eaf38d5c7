#pragma once
// A fresh demo installation with the archive configured as vxarchivio finds it, for the tests
// of the re-hire journal; the environment and the fault injection are put back afterwards.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

#include "archive/configurazione.h"
#include "platform/guasti.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/comandi.h"
#include "tools/demo.h"

namespace prove {

class InstallazioneGiornale : public supporto::ProvaBase {
  protected:
    void SetUp() override {
        ProvaBase::SetUp();
        auto righe = tools::creaDemo(tmp.file("demo"));
        righe.push_back("XDG_RUNTIME_DIR=" + tmp.percorso());  // a private previous-instance lock
        for (const std::string& riga : righe) {
            const std::string nome = riga.substr(0, riga.find('='));
            const char* prima = std::getenv(nome.c_str());
            ambientePrima[nome] = prima ? std::optional<std::string>(prima) : std::nullopt;
            setenv(nome.c_str(), riga.substr(nome.size() + 1).c_str(), 1);
        }
        tools::impostaArchivio(std::nullopt);
        archive::NOMEPROGRAMMA = "VXMIRA";
        for (const auto& e : std::filesystem::recursive_directory_iterator(tmp.file("demo")))
            if (e.path().filename() == "DIPEND.DAT") fileDipendenti = e.path();
        cartellaArchivio = std::filesystem::path(fileDipendenti).parent_path();
    }
    void TearDown() override {
        platform::disarmaGuasti();
        ProvaBase::TearDown();
        for (const auto& [nome, valore] : ambientePrima)
            valore ? setenv(nome.c_str(), valore->c_str(), 1) : unsetenv(nome.c_str());
    }

    std::string dipendenti() const { return supporto::leggiFile(fileDipendenti); }
    std::string record(long n) const { return dipendenti().substr((n - 1) * 16128, 16128); }
    std::string giornale() const { return supporto::leggiFile(cartellaArchivio + "/VXMIRA.JNL"); }
    void scriviGiornale(const std::string& b) const {
        supporto::scriviFile(cartellaArchivio + "/VXMIRA.JNL", b);
    }

    supporto::CartellaTemporanea tmp;
    std::string fileDipendenti, cartellaArchivio;
    std::map<std::string, std::optional<std::string>> ambientePrima;
};

}  // namespace prove
