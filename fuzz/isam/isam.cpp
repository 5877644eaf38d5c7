// The ISAM engine over arbitrary index bytes, keys, operations and record numbers. An index
// that passes the structure check must still pass it after a run of operations that all
// succeeded.

#include <cmath>

#include "ambiente.h"
#include "archive/slot_file.h"
#include "isam/isam.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"

namespace {

struct Indice {
    double numero;
    long lunghezzaChiave;
};
constexpr Indice INDICI[] = {{7, 10}, {8, 3}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::azzera();
    static const bool catalogo = [] {
        std::string c;
        for (int i = 1; i <= 6; ++i)
            c += std::string(79, ' ');
        c += fuzz::recordCatalogo("INDICE7.IDX", 128 * (10 + 7));
        c += fuzz::recordCatalogo("INDICE8.IDX", 128 * (3 + 7));
        fuzz::scriviArchivio("QZBASE.DAT", c);
        return true;
    }();
    (void)catalogo;

    fuzz::Lettore l(dati, n);
    const uint8_t scelta = l.byte();
    const Indice indice = INDICI[scelta % 2];
    // The structure check costs more than the operations: half of the inputs skip it.
    const bool conVerifica = scelta & 0x80;
    struct Passo {
        int16_t codice;
        std::string chiave;
        double record;
    };
    std::vector<Passo> passi(l.byte() % 8);
    for (auto& p : passi) {
        const uint8_t c = l.byte();
        p.codice =
            c < 250 ? static_cast<int16_t>(c % 4 + 1) : static_cast<int16_t>(c == 250 ? 9 : c);
        const uint8_t lunghezza = l.byte();
        // Mostly keys of the right length, sometimes any length.
        if (lunghezza < 240) {
            for (long k = 0; k < indice.lunghezzaChiave; ++k)
                p.chiave += static_cast<char>(l.byte());
        } else {
            p.chiave = l.pezzo(32);
        }
        const uint8_t r = l.byte();
        p.record = r < 240 ? static_cast<double>(r * 997 % 1000000) : l.reale();
    }
    const std::string nome = indice.numero == 7 ? "INDICE7.IDX" : "INDICE8.IDX";
    fuzz::scriviArchivio(nome, l.resto());

    try {
        archive::FAIOPEN(indice.numero);
        const bool sano = conVerifica && isam::indiceSano(indice.numero);
        for (const auto& p : passi) {
            const double esito = isam::ISAM(indice.numero, p.chiave, p.codice, p.record);
            if (!(esito == -1 || esito == isam::ISAM_FINE || esito == 0 ||
                  (esito >= 1 && esito <= 999999 && esito == std::floor(esito))))
                __builtin_trap();
        }
        if (sano && !isam::indiceSano(indice.numero)) __builtin_trap();
    } catch (const runtime::ErroreRuntime&) {
    } catch (const platform::FineProgramma&) {
    }
    return 0;
}
