#include "runtime/errore.h"

#include <cerrno>

namespace runtime {

namespace {

struct Voce {
    int numero;
    const char* descrizione;  // Windows-1252
};

// The run time's standard Italian descriptions of the errors this program can meet.
constexpr Voce DESCRIZIONI[] = {
    {5, "Chiamata di routine o argomento non validi"},
    {6, "Overflow"},
    {7, "Memoria esaurita"},
    {9, "Indice non incluso nell'intervallo"},
    {11, "Divisione per zero"},
    {13, "Tipo non corrispondente"},
    {52, "Nome o numero di file non valido"},
    {53, "Impossibile trovare il file"},
    {54, "Modalit\xE0 file non valida"},
    {55, "File gi\xE0 aperto"},
    {57, "Errore di I/O della periferica"},
    {58, "File gi\xE0 esistente"},
    {59, "Lunghezza del record non valida"},
    {61, "Disco pieno"},
    {62, "Input oltre la fine del file"},
    {63, "Numero di record non valido"},
    {67, "Troppi file"},
    {68, "Periferica non disponibile"},
    {70, "Autorizzazione negata"},
    {71, "Disco non pronto"},
    {75, "Errore di accesso al percorso/file"},
    {76, "Impossibile trovare il percorso"},
    {482, "Errore della stampante"},
};

struct Corrispondenza {
    int codiceErrno;
    int numero;
};

// Operating-system errors and the run-time error that stands for each; anything else is an
// I/O error of the device.
constexpr Corrispondenza DA_ERRNO[] = {
    {ENOENT, ERR_FILE_NON_TROVATO},
    {ENOTDIR, ERR_PERCORSO},
    {ENAMETOOLONG, ERR_ACCESSO_PERCORSO},
    {ELOOP, ERR_ACCESSO_PERCORSO},
    {EISDIR, ERR_ACCESSO_PERCORSO},
    {EACCES, ERR_ACCESSO_PERCORSO},
    {EROFS, ERR_ACCESSO_PERCORSO},
    {EPERM, ERR_PERMESSO},
    {EBUSY, ERR_PERMESSO},
    {EAGAIN, ERR_PERMESSO},
    {ETXTBSY, ERR_PERMESSO},
    {EEXIST, ERR_FILE_ESISTENTE},
    {ENOSPC, ERR_DISCO_PIENO},
#ifdef EDQUOT  // no disk quotas in the Windows C library
    {EDQUOT, ERR_DISCO_PIENO},
#endif
    {EFBIG, ERR_DISCO_PIENO},
    {EMFILE, ERR_TROPPI_FILE},
    {ENFILE, ERR_TROPPI_FILE},
    {EBADF, ERR_CANALE},
    {ENOMEM, ERR_MEMORIA},
    {ENXIO, 68},
    {ENODEV, 68},
    {EIO, ERR_IO},
};

}  // namespace

std::string descrizioneErrore(int numero) {
    for (const auto& v : DESCRIZIONI)
        if (v.numero == numero) return v.descrizione;
    return "Errore definito dall'applicazione o dall'oggetto";
}

int erroreDaErrno(int codiceErrno) {
    for (const auto& c : DA_ERRNO)
        if (c.codiceErrno == codiceErrno) return c.numero;
    return ERR_IO;
}

void erroreDaSistema(int codiceErrno) {
    throw ErroreRuntime{erroreDaErrno(codiceErrno)};
}

}  // namespace runtime
