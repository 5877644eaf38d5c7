#include "installazione_giornale.h"

#include <cstdlib>
#include <filesystem>

#include "archive/configurazione.h"
#include "support/azzera.h"
#include "tools/comandi.h"
#include "tools/demo.h"

namespace prove {

void InstallazioneGiornale::SetUp() {
    ProvaBase::SetUp();
    for (const std::string& riga : tools::creaDemo(tmp.file("demo"))) {
        const auto uguale = riga.find('=');
        const std::string nome = riga.substr(0, uguale);
        const char* prima = std::getenv(nome.c_str());
        ambientePrima[nome] = prima ? std::optional<std::string>(prima) : std::nullopt;
        setenv(nome.c_str(), riga.substr(uguale + 1).c_str(), 1);
    }
    tools::impostaArchivio(std::nullopt);
    archive::NOMEPROGRAMMA = "VXMIRA";
    for (const auto& e : std::filesystem::recursive_directory_iterator(tmp.file("demo")))
        if (e.path().filename() == "QZBASE.DAT") cartellaArchivio = e.path().parent_path();
}

void InstallazioneGiornale::TearDown() {
    ProvaBase::TearDown();
    for (const auto& [nome, valore] : ambientePrima) {
        if (valore)
            setenv(nome.c_str(), valore->c_str(), 1);
        else
            unsetenv(nome.c_str());
    }
}

std::string InstallazioneGiornale::dipendenti() const {
    for (const auto& e : std::filesystem::recursive_directory_iterator(cartellaArchivio))
        if (e.path().filename() == "DIPEND.DAT") return supporto::leggiFile(e.path());
    return {};
}

std::string InstallazioneGiornale::record(long n) const {
    return dipendenti().substr(static_cast<size_t>(n - 1) * 16128, 16128);
}

std::string InstallazioneGiornale::giornale() const {
    return supporto::leggiFile(cartellaArchivio + "/VXMIRA.JNL");
}

void InstallazioneGiornale::scriviGiornale(const std::string& byte) const {
    supporto::scriviFile(cartellaArchivio + "/VXMIRA.JNL", byte);
}

}  // namespace prove
