#include "journal/differenze.h"

#include <algorithm>
#include <array>

#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "dictionary/parti_descrittore.h"
#include "runtime/numeri.h"

namespace journal {

namespace {

// The worker fields the program knows: those a re-hire keeps, and the one it is known to
// blank besides. The key's company and sub-company parts lie inside P001.
const std::vector<std::string_view>& campiNoti() {
    static const std::vector<std::string_view> campi = [] {
        std::vector<std::string_view> c(dictionary::CAMPI_CONSERVATI.begin(),
                                        dictionary::CAMPI_CONSERVATI.end());
        c.push_back(dictionary::P050);
        std::sort(c.begin(), c.end(), [](std::string_view a, std::string_view b) {
            return dictionary::parti::posizione(a) < dictionary::parti::posizione(b);
        });
        return c;
    }();
    return campi;
}

std::string valore(std::string_view campo, std::string_view record) {
    const char tipo = dictionary::parti::codiceTipo(campo).front();
    if (tipo == 'N' || (tipo >= '1' && tipo <= '9'))
        return runtime::testoNumero(dictionary::RepoRN(campo, 0, record));
    return dictionary::RepoR(campo, 0, record);
}

}  // namespace

Differenze confronta(std::string_view prima, std::string_view dopo) {
    Differenze d;
    const size_t comune = std::min(prima.size(), dopo.size());
    const size_t lunghezza = std::max(prima.size(), dopo.size());
    auto diverso = [&](size_t i) { return i >= comune || prima[i] != dopo[i]; };
    std::vector<bool> coperto(lunghezza, false);

    for (std::string_view campo : campiNoti()) {
        const auto da = static_cast<size_t>(dictionary::parti::posizione(campo) - 1);
        const auto n = static_cast<size_t>(dictionary::parti::lunghezza(campo));
        if (da + n > comune) continue;
        bool cambiato = false;
        for (size_t i = da; i < da + n; ++i) {
            cambiato = cambiato || diverso(i);
            coperto[i] = true;
        }
        if (cambiato)
            d.campi.push_back({std::string(dictionary::parti::parte(campo, 20, 4)),
                               valore(campo, prima), valore(campo, dopo)});
    }

    for (size_t i = 0; i < lunghezza;) {
        if (coperto[i]) {
            ++i;
            continue;
        }
        long primo = -1, ultimo = -1;
        for (; i < lunghezza && !coperto[i]; ++i)
            if (diverso(i)) {
                if (primo < 0) primo = static_cast<long>(i) + 1;
                ultimo = static_cast<long>(i) + 1;
            }
        if (primo > 0) d.altre.push_back({primo, ultimo});
    }
    return d;
}

}  // namespace journal
