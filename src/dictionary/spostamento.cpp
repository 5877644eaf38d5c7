#include "dictionary/spostamento.h"

#include "dictionary/parti_descrittore.h"
#include "platform/servizi_ui.h"
#include "runtime/intero16.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace dictionary {

namespace {

bool tra(double p, double da, double a) {
    return p >= da && p <= a;
}

// Stride of the F24X$ groups; the rows are tried in order and the first match wins.
int16_t passoF24(double p) {
    if (tra(p, 42, 66)) return 36;
    if (tra(p, 762, 813)) return 63;
    for (int j = 0; j <= 20; ++j)
        if (tra(p, 1077 + 152 * j, 1100 + 152 * j)) return 35;
    if (tra(p, 4359, 4398)) return 51;
    if (tra(p, 4824, 4867)) return 55;
    if (p == 5000) return 4;
    for (int j = 0; j <= 20; ++j)
        if (p == 5094 + 16 * j) return 4;
    if (p == 5483) return 2;
    return 0;
}

// DI2X$ groups are told by the short name: numbers from 100 up repeat. The letter is
// searched from character 4 so that the "I" of the buffer name is skipped.
int16_t passoDI2(std::string_view d) {
    const long lettera = runtime::INSTR(4, d, "I");
    if (lettera == 0) {
        platform::MSGBOX("ERRORE REPOSITORY - LETTERA SCONOSCIUTA");
        return 0;
    }
    return runtime::VAL(parti::parte(d, static_cast<size_t>(lettera) + 1, 3)) >= 100 ? 714 : 0;
}

}  // namespace

int16_t SPOSTAMENTO(std::string_view descrittore, int16_t occorrenza) {
    if (occorrenza == 0) return 0;
    const double p = runtime::VAL(parti::parte(descrittore, 7, 5));
    const std::string_view buffer = parti::nomeBuffer(descrittore);

    int16_t passo = 0;
    if (buffer == "DICX$") {
        passo = p > 100 ? 10 : 0;
    } else if (buffer == "DI2X$") {
        passo = passoDI2(descrittore);
    } else if (buffer == "CONX$") {
        passo = tra(p, 101, 390) ? 290 : 0;
    } else if (buffer == "M77X$") {
        passo = (tra(p, 256, 510) || tra(p, 3316, 3570)) ? 255 : 0;
    } else if (buffer == "F24X$") {
        passo = passoF24(p);
    }
    if (passo == 0) return 0;
    return runtime::prodotto16(runtime::differenza16(occorrenza, 1), passo);
}

}  // namespace dictionary
