// The fiscal code checks and the birth data decoder over arbitrary codes, municipalities
// files and record lengths of that file.

#include "ambiente.h"
#include "fiscalcode/codice_fiscale.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::azzera();
    fuzz::Lettore l(dati, n);
    const uint8_t scelta = l.byte();
    const int lunghezze[] = {32, 29, 40, 7};
    const std::string codice = l.pezzo(24);
    std::string catalogo;
    for (int i = 1; i <= 3; ++i)
        catalogo += std::string(79, ' ');
    catalogo += fuzz::recordCatalogo("COMUNI.DAT", lunghezze[scelta % 4]);
    fuzz::scriviArchivio("QZBASE.DAT", catalogo);
    fuzz::scriviArchivio("COMUNI.DAT", l.resto());

    const int16_t cf = fiscalcode::CONTROLLACF(codice);
    const int16_t pi = fiscalcode::CONTROLLAPI(codice);
    if ((cf != 0 && cf != 1) || (pi != 0 && pi != 1)) __builtin_trap();
    try {
        const std::string nascita = fiscalcode::DECODIFICACF_S(codice);
        if (nascita.size() != 29 && !(codice.empty() && nascita.empty())) __builtin_trap();
    } catch (const runtime::ErroreRuntime&) {
    } catch (const platform::FineProgramma&) {
    }
    return 0;
}
