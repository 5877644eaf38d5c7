#pragma once
// A fresh demo installation with the archive configured as vxarchivio finds it, for the tests
// of the re-hire journal; the environment is put back afterwards.

#include <map>
#include <optional>
#include <string>

#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

namespace prove {

class InstallazioneGiornale : public supporto::ProvaBase {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::string dipendenti() const;  // the worker file's bytes
    std::string record(long n) const;
    std::string giornale() const;  // the journal's bytes
    void scriviGiornale(const std::string& byte) const;

    supporto::CartellaTemporanea tmp;
    std::string cartellaArchivio;
    std::map<std::string, std::optional<std::string>> ambientePrima;
};

}  // namespace prove
