// The catalogue lookup over arbitrary catalogue bytes, file numbers and one-shot path values.

#include "archive/catalogo.h"
#include "ambiente.h"
#include "archive/configurazione.h"
#include "archive/semaforo.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"
#include "runtime/testo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::azzera();
    fuzz::Lettore l(dati, n);
    const uint8_t scelta = l.byte();
    const double numero = scelta < 224 ? scelta % 12 : l.reale();
    int16_t prefisso = l.intero16();
    archive::DITTAOPEN = l.pezzo(8);
    archive::ANNOOPEN = l.pezzo(8);
    archive::REGIONEOPEN = l.pezzo(8);
    archive::PROVINCIAOPEN = l.pezzo(8);
    archive::DISCOOPEN = l.pezzo(8);
    archive::CODICETASK = l.pezzo(4);
    fuzz::scriviArchivio("QZBASE.DAT", l.resto());
    const bool conPrefisso = prefisso != 0;
    try {
        const std::string percorso = archive::DAMMIFILE_S(numero, prefisso);
        // A path kept under the archive directory must start with it.
        if (prefisso != 0 && numero > 0 &&
            runtime::LEFT(percorso, 11) != archive::PERCORSOARCHIVI + "\\")
            __builtin_trap();
        if (!conPrefisso && prefisso != 0) __builtin_trap();
    } catch (const runtime::ErroreRuntime&) {
    } catch (const platform::FineProgramma&) {
    }
    return 0;
}
