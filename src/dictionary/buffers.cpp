#include "dictionary/buffers.h"

#include <array>

#include "archive/slot_file.h"
#include "dictionary/parti_descrittore.h"
#include "platform/fine_programma.h"
#include "platform/servizi_ui.h"
#include "runtime/errore.h"

namespace dictionary {

namespace {

struct VoceBuffer {
    std::string_view nome;
    std::string* testo;
};

// In the family's fixed order of record kinds.
const std::array<VoceBuffer, NUMERO_BUFFER> BUFFER = {{
    {"DITX$", &DITX_S}, {"DIPX$", &DIPX_S}, {"FISX$", &FISX_S}, {"SETX$", &SETX_S},
    {"FOTX$", &FOTX_S}, {"DICX$", &DICX_S}, {"DI2X$", &DI2X_S}, {"CONX$", &CONX_S},
    {"CUDX$", &CUDX_S}, {"PROX$", &PROX_S}, {"STUX$", &STUX_S}, {"ARTX$", &ARTX_S},
    {"FOPX$", &FOPX_S}, {"F24X$", &F24X_S}, {"PARX$", &PARX_S}, {"PERX$", &PERX_S},
    {"COCX$", &COCX_S}, {"STOX$", &STOX_S}, {"SCRX$", &SCRX_S}, {"SCRY$", &SCRY_S},
    {"GLAX$", &GLAX_S}, {"GLCX$", &GLCX_S}, {"M77X$", &M77X_S}, {"SCRU$", &SCRU_S},
}};

}  // namespace

std::string* bufferPerNome(std::string_view nome) {
    for (const VoceBuffer& voce : BUFFER)
        if (voce.nome == nome) return voce.testo;
    return nullptr;
}

std::string& bufferDelDescrittore(std::string_view descrittore) {
    if (std::string* b = bufferPerNome(parti::nomeBuffer(descrittore))) return *b;
    platform::MSGBOX("ERRORE REPOSITORY - STRCOSTANTE");
    try {
        archive::CHIUDIFILE(0);
    } catch (const runtime::ErroreRuntime&) {
        // Ending regardless: the message above is the report, and the process end
        // releases whatever could not be closed cleanly.
    }
    platform::terminaProgramma(platform::USCITA_MESSAGGIO);
}

std::string_view nomeBuffer(int indice) {
    if (indice < 0 || indice >= NUMERO_BUFFER) return {};
    return BUFFER[static_cast<size_t>(indice)].nome;
}

void azzeraBuffer() {
    for (const VoceBuffer& voce : BUFFER) {
        voce.testo->clear();
        voce.testo->shrink_to_fit();
    }
}

}  // namespace dictionary
