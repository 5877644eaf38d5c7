#include "startup/riassunzione.h"

#include <string>

#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "dictionary/scrittura.h"
#include "journal/giornale.h"
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

    // Left-justified to the record area's fixed length.
    const auto lunghezza = static_cast<long>(archive::AREAREC[FILE_DIPENDENTI].size());
    const std::string nuovo = runtime::LEFT(dip + runtime::SPACE(lunghezza), lunghezza);

    // The journal entry reaches the disk before the record is written; if it cannot be
    // written the worker file is not touched and the error goes to the report.
    archive::conSemaforo([&] { journal::scriviConGiornale(numeroRecord, nuovo); });
}

}  // namespace startup
