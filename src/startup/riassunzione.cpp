#include "startup/riassunzione.h"

#include <string>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "dictionary/scrittura.h"
#include "platform/servizi_ui.h"
#include "runtime/testo.h"

namespace startup {

namespace {
constexpr int FILE_DIPENDENTI = 2;
}

bool dipendenteIdoneo() {
    using dictionary::RepoRN;
    if (RepoRN(dictionary::P054) == 0) {
        platform::MSGBOX(MSG_NON_CESSATO);
        return false;
    }
    if (RepoRN(dictionary::P168) < 2) {
        platform::MSGBOX(MSG_NON_ENPALS);
        return false;
    }
    return true;
}

void azzeraCessazione() {
    dictionary::RepoW(dictionary::P054, std::string_view{});
    dictionary::RepoW(dictionary::P017, std::string_view{});
}

void scriviNuovoAssunto(double numeroRecord) {
    std::string& dip = dictionary::DIPX_S;
    const std::string salvato = dip;
    dip = runtime::SPACE(static_cast<long>(salvato.size()));

    // The family's other programs open these two here; nothing is read from them.
    archive::FAIOPEN(11);
    archive::CHIUDIFILE(11);
    archive::FAIOPEN(33);
    archive::CHIUDIFILE(33);

    for (std::string_view campo : dictionary::CAMPI_CONSERVATI)
        dictionary::RepoW(campo, dictionary::RepoR(campo, 0, salvato));

    // Left-justified into the record area, which keeps its fixed length.
    std::string& area = archive::AREAREC[FILE_DIPENDENTI];
    const auto lunghezza = static_cast<long>(area.size());
    area = runtime::LEFT(dip + runtime::SPACE(lunghezza), lunghezza);
    archive::SCRIVIREC(FILE_DIPENDENTI, numeroRecord);
}

}  // namespace startup
