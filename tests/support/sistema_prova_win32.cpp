#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "support/sistema_prova.h"

namespace supporto {

void impostaVariabile(const char* nome, const char* valore) {
    _putenv_s(nome, valore ? valore : "");  // "" removes it
}

void preparaUnitaC() {
    const char* permesso = std::getenv("VXMIRA_UNITA_DI_PROVA");
    if (!permesso || !*permesso)
        throw std::runtime_error("VXMIRA_UNITA_DI_PROVA is not set: the tests would empty "
                                 "C:\\ARCHIVI, C:\\PROGRAMMI, C:\\PTORVALE and C:\\VXSTASK");
    for (const char* cartella : {"C:\\ARCHIVI", "C:\\PROGRAMMI", "C:\\PTORVALE", "C:\\VXSTASK"})
        std::filesystem::remove_all(cartella);
}

void liberaUnitaC() {
    std::error_code ec;
    for (const char* cartella : {"C:\\ARCHIVI", "C:\\PROGRAMMI", "C:\\PTORVALE", "C:\\VXSTASK"})
        std::filesystem::remove_all(cartella, ec);
}

}  // namespace supporto
