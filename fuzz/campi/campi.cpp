// The field codec over arbitrary descriptor texts, occurrences, values and record texts:
// reads, writes and the displacement of repeated groups. A write never changes the length of
// the text it writes into.

#include "ambiente.h"
#include "dictionary/buffers.h"
#include "dictionary/lettura.h"
#include "dictionary/scrittura.h"
#include "dictionary/spostamento.h"
#include "platform/fine_programma.h"
#include "runtime/errore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n) {
    fuzz::prepara();
    fuzz::azzera();
    dictionary::azzeraBuffer();
    fuzz::Lettore l(dati, n);
    const uint8_t operazione = l.byte();
    const int16_t occorrenza = l.intero16();
    const std::string descrittore = l.pezzo(40);
    std::string valore = l.pezzo(64);
    std::string record(l.resto());
    // Without a record text of its own the field is in the buffer the descriptor names.
    const bool nelBuffer = operazione & 0x80;
    std::string* buffer = dictionary::bufferPerNome(descrittore.substr(0, 5));
    if (nelBuffer && buffer != nullptr) *buffer = record;
    const std::string_view daLeggere = nelBuffer ? std::string_view{} : std::string_view(record);
    try {
        switch (operazione % 5) {
            case 0:
                dictionary::RepoR(descrittore, occorrenza, daLeggere);
                break;
            case 1:
                dictionary::RepoRN(descrittore, occorrenza, daLeggere);
                break;
            case 2:
                dictionary::RepoRT(descrittore, occorrenza, daLeggere);
                break;
            case 3: {
                const size_t prima = record.size();
                if (nelBuffer) {
                    dictionary::RepoW(descrittore, valore, occorrenza);
                    if (buffer != nullptr && buffer->size() != prima) __builtin_trap();
                } else if (!record.empty()) {
                    dictionary::RepoW(descrittore, valore, occorrenza, record);
                    if (record.size() != prima) __builtin_trap();
                }
                break;
            }
            case 4:
                dictionary::SPOSTAMENTO(descrittore, occorrenza);
                break;
        }
    } catch (const runtime::ErroreRuntime&) {
    } catch (const platform::FineProgramma&) {
    }
    return 0;
}
