// The number routines over arbitrary doubles, decimal counts and texts. The number text of a
// double reads back as a number with the same text, and its plain-digit form reads back as the
// same number.

#include <cmath>

#include "ambiente.h"
#include "dictionary/formato_numeri.h"
#include "runtime/errore.h"
#include "runtime/numeri.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::Lettore l(dati, n);
    const double x = l.reale();
    // Mostly the decimal counts a field can have; now and then any 16-bit value.
    const uint8_t scelta = l.byte();
    int16_t decimali = scelta < 240 ? static_cast<int16_t>(scelta % 24 - 2) : l.intero16();
    const std::string testo(l.resto());

    try {
        runtime::VAL(testo);
    } catch (const runtime::ErroreRuntime&) {
    }
    std::string libero = testo;
    dictionary::ESPANDINUM(libero);
    try {
        dictionary::ARROTONDA_S(x, decimali);
    } catch (const runtime::ErroreRuntime&) {
    }
    try {
        dictionary::INTERO_S(x);
    } catch (const runtime::ErroreRuntime&) {
    }
    if (!std::isfinite(x)) return 0;

    const std::string t = runtime::testoNumero(x);
    double v = 0;
    try {
        v = runtime::VAL(t);
    } catch (const runtime::ErroreRuntime&) {
        return 0;  // rounded to 15 digits, the largest doubles no longer fit
    }
    if (runtime::testoNumero(v) != t) __builtin_trap();
    std::string esteso = t;
    dictionary::ESPANDINUM(esteso);
    if (runtime::VAL(esteso) != v) __builtin_trap();
    return 0;
}
