#include "dictionary/scrittura.h"

#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/formato_numeri.h"
#include "dictionary/parti_descrittore.h"
#include "dictionary/spostamento.h"
#include "runtime/errore.h"
#include "runtime/intero16.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace dictionary {

using runtime::INSTR;
using runtime::LEFT;
using runtime::MID;
using runtime::RIGHT;
using runtime::STRING;

namespace {

// The numeric stored form of v in n characters with k decimals.
std::string formaNumerica(std::string v, long n, int16_t k) {
    const bool negativo = LEFT(v, 1) == "-";
    if (negativo) v.erase(0, 1);
    if (k != 0) v = ARROTONDA_S(runtime::VAL(v), k);
    ESPANDINUM(v);
    if (k != 0) {
        long s = INSTR(v, ",");
        if (s == 0) s = INSTR(v, ".");
        if (s != 0) {
            v = LEFT(v, s - 1) + LEFT(MID(v, s + 1) + STRING(k, '0'), k);
        } else {
            v += STRING(k, '0');
        }
    }
    // Digits that do not fit are lost from the high end, as every program of the family does.
    v = RIGHT(STRING(n, '0') + v, n);
    if (negativo && n > 0) runtime::MIDASSIGN(v, 1, 1, "-");
    return v;
}

}  // namespace

void RepoW(std::string_view descrittore, std::string& valore, int16_t occorrenza,
           std::string& record) {
    try {
        const std::string_view tipo = parti::codiceTipo(descrittore);
        // Only numbers take a comma as decimal separator: a comma in a surname or an address
        // is part of the text and must survive every rewrite of the record.
        if (tipo != "A") {
            if (const long virgola = INSTR(valore, ","); virgola != 0)
                runtime::MIDASSIGN(valore, virgola, 1, ".");
        }
        const int16_t d = SPOSTAMENTO(descrittore, occorrenza);
        const int16_t p = parti::posizione(descrittore);
        const int16_t n = parti::lunghezza(descrittore);
        const int16_t k = parti::decimali(descrittore);

        const std::string v =
            tipo == "A" ? LEFT(valore + runtime::SPACE(n), n) : formaNumerica(valore, n, k);

        // Buffers without repeated groups always have d = 0, so p + d is their start too.
        const int16_t inizio = runtime::somma16(p, d);
        std::string& bersaglio = record.empty() ? bufferDelDescrittore(descrittore) : record;
        runtime::MIDASSIGN(bersaglio, inizio, n, v);
    } catch (const runtime::ErroreRuntime&) {
        archive::TRACCIA("RepoW");
        throw;
    }
}

void RepoW(std::string_view descrittore, std::string_view valore, int16_t occorrenza,
           std::string& record) {
    std::string copia(valore);
    RepoW(descrittore, copia, occorrenza, record);
}

void RepoW(std::string_view descrittore, std::string& valore, int16_t occorrenza) {
    std::string nessunRecord;
    RepoW(descrittore, valore, occorrenza, nessunRecord);
}

void RepoW(std::string_view descrittore, std::string_view valore, int16_t occorrenza) {
    std::string copia(valore);
    std::string nessunRecord;
    RepoW(descrittore, copia, occorrenza, nessunRecord);
}

}  // namespace dictionary
