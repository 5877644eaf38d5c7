// The registry export reader over arbitrary file bytes, keys and value names.

#include <cstdlib>
#include <fstream>

#include "ambiente.h"
#include "platform/registro.h"
#include "runtime/errore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::Lettore l(dati, n);
    const uint8_t scelta = l.byte();
    std::string chiave = "HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL";
    std::string nome = scelta & 1 ? "PERCORSOARCHIVI" : "PERCORSOPROGRAMMI";
    if (scelta & 2) chiave = l.pezzo(64);
    if (scelta & 4) nome = l.pezzo(32);
    {
        std::ofstream file(std::getenv("PONTEVAL_REGISTRO"), std::ios::binary | std::ios::trunc);
        file.write(l.resto().data(), static_cast<std::streamsize>(l.resto().size()));
    }
    try {
        const auto valore = platform::leggiValoreRegistro(chiave, nome);
        // A value read twice from the same file is the same value.
        const auto ancora = platform::leggiValoreRegistro(chiave, nome);
        if (valore.has_value() != ancora.has_value() ||
            (valore && (valore->tipo != ancora->tipo || valore->testo != ancora->testo ||
                        valore->numero != ancora->numero)))
            __builtin_trap();
    } catch (const runtime::ErroreRuntime&) {
    }
    return 0;
}
