// The building blocks of archives: catalogue, records, companies, workers, indexes, page
// definitions, task bitmaps.

#include <algorithm>
#include <filesystem>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "dictionary/scrittura.h"
#include "fiscalcode/codice_fiscale.h"
#include "isam/isam.h"
#include "platform/canali.h"
#include "platform/percorsi.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "tools/demo.h"

namespace tools {

namespace {

// Digits of a whole number, zero-padded on the left to `larghezza` (refused when longer).
std::string cifre(long valore, int larghezza, const char* cosa) {
    std::string testo = std::to_string(valore);
    if (valore < 0 || static_cast<int>(testo.size()) > larghezza)
        throw ErroreCostruzione(std::string(cosa) + " fuori misura: " + testo);
    return std::string(static_cast<size_t>(larghezza) - testo.size(), '0') + testo;
}

void scriviCampo(std::string& record, long inizio, long lunghezza, std::string_view valore) {
    runtime::MIDASSIGN(record, inizio, lunghezza,
                       runtime::LEFT(std::string(valore) + runtime::SPACE(lunghezza), lunghezza));
}

}  // namespace

long lunghezzaIndice(long lunghezzaChiave) {
    return (lunghezzaChiave + 7) * 128;
}

std::string recordCatalogo(const VoceCatalogo& voce) {
    if (voce.numero < 1 || voce.numero > archive::MAX_FILE)
        throw ErroreCostruzione("numero di file fuori dai limiti: " + std::to_string(voce.numero));
    if (voce.modello.size() > 29)
        throw ErroreCostruzione("percorso del file " + std::to_string(voce.numero) +
                                " piu' lungo di 29 caratteri");
    if (voce.lunghezza < 1)
        throw ErroreCostruzione("lunghezza record del file " + std::to_string(voce.numero) +
                                " non valida");
    std::string record = runtime::SPACE(79);
    scriviCampo(record, 1, 3, cifre(voce.numero, 3, "numero di file"));
    scriviCampo(record, 4, 29, voce.modello);
    scriviCampo(record, 33, 5, cifre(voce.lunghezza, 5, "lunghezza record"));
    return record;
}

void scriviCatalogo(const std::string& cartellaArchivi, const std::vector<VoceCatalogo>& voci) {
    int massimo = 0;
    for (const auto& v : voci)
        massimo = std::max(massimo, v.numero);
    std::string contenuto;
    for (int n = 1; n <= massimo; ++n) {
        auto voce = std::find_if(voci.begin(), voci.end(),
                                 [n](const VoceCatalogo& v) { return v.numero == n; });
        if (voce == voci.end()) {
            contenuto += cifre(n, 3, "numero di file") + runtime::SPACE(76);
        } else {
            contenuto += recordCatalogo(*voce);
        }
    }
    // Written whole or not at all: other programs may be reading the catalogue.
    platform::sostituisciFile(platform::percorsoLocale(cartellaArchivi) + "/QZBASE.DAT", contenuto);
}

void preparaArchivio(const std::string& cartellaArchivi, const std::vector<VoceCatalogo>& voci) {
    std::filesystem::create_directories(platform::percorsoLocale(cartellaArchivi));
    archive::PERCORSOARCHIVI = cartellaArchivi;
    scriviCatalogo(cartellaArchivi, voci);
}

long apriSeChiuso(double numeroFile) {
    const int n = static_cast<int>(numeroFile);
    if (archive::CANALE[n] == 0) archive::FAIOPEN(numeroFile);
    return static_cast<long>(archive::LUNREC[n]);
}

std::string recordConCampi(double numeroFile, const Campi& campi) {
    std::string record = runtime::SPACE(apriSeChiuso(numeroFile));
    for (const auto& [descrittore, valore] : campi)
        dictionary::RepoW(descrittore, std::string_view(valore), 0, record);
    return record;
}

void scriviRecord(double numeroFile, double numeroRecord, const std::string& testo) {
    const long lunghezza = apriSeChiuso(numeroFile);
    if (static_cast<long>(testo.size()) > lunghezza)
        throw ErroreCostruzione("record piu' lungo del file " + runtime::testoNumero(numeroFile));
    archive::SCRIVIREC(numeroFile, numeroRecord,
                       testo + runtime::SPACE(lunghezza - static_cast<long>(testo.size())));
}

double aggiungiRecord(double numeroFile, const std::string& testo) {
    const long lunghezza = apriSeChiuso(numeroFile);
    const long long byte = platform::lunghezzaCanale(archive::CANALE[static_cast<int>(numeroFile)]);
    const double numero = static_cast<double>(byte / lunghezza + 1);
    scriviRecord(numeroFile, numero, testo);
    return numero;
}

void scriviDitta(const Ditta& ditta) {
    if (ditta.codice < 1 || ditta.codice > 998)
        throw ErroreCostruzione("codice ditta fuori dai limiti: " + std::to_string(ditta.codice));
    Campi campi = {{dictionary::T261, std::to_string(ditta.stato)},
                   {dictionary::T001, std::to_string(ditta.codice)},
                   {dictionary::T002, ditta.nome}};
    campi.insert(campi.end(), ditta.altri.begin(), ditta.altri.end());
    scriviRecord(1, ditta.codice, recordConCampi(1, campi));
}

double scriviDipendente(const Dipendente& dipendente) {
    if (dipendente.chiave.size() != 10 ||
        !std::all_of(dipendente.chiave.begin(), dipendente.chiave.end(),
                     [](char c) { return c >= '0' && c <= '9'; }))
        throw ErroreCostruzione("chiave dipendente non di 10 cifre: " + dipendente.chiave);
    Campi campi = {{dictionary::P001, dipendente.chiave},
                   {dictionary::P002, dipendente.cognome},
                   {dictionary::P003, dipendente.nome},
                   {dictionary::P054, std::to_string(dipendente.cessato)},
                   {dictionary::P168, std::to_string(dipendente.enpals)}};
    campi.insert(campi.end(), dipendente.altri.begin(), dipendente.altri.end());
    const std::string record = recordConCampi(2, campi);
    const double numero = aggiungiRecord(2, record);
    apriSeChiuso(7);
    inserisciChiave(7, dipendente.chiave, numero);
    return numero;
}

void inizializzaIndice(double indice) {
    isam::ISAM(indice, "", isam::ISAM_INIZIALIZZA, 0);
}

void inserisciChiave(double indice, const std::string& chiave, double numeroRecord) {
    const long lunghezza = apriSeChiuso(indice);
    if (lunghezzaIndice(static_cast<long>(chiave.size())) != lunghezza)
        throw ErroreCostruzione("chiave '" + chiave + "' di lunghezza errata per l'indice " +
                                runtime::testoNumero(indice));
    if (isam::ISAM(indice, chiave, isam::ISAM_INSERISCI, numeroRecord) != 0)
        throw ErroreCostruzione("chiave '" + chiave + "' rifiutata dall'indice " +
                                runtime::testoNumero(indice) + " (doppia?)");
}

std::string recordDefinizione(const RigaDefinizione& riga) {
    if (riga.descrizione.size() > 23)
        throw ErroreCostruzione("descrizione piu' lunga di 23 caratteri: " + riga.descrizione);
    if (riga.nomeBreve.size() > 4)
        throw ErroreCostruzione("nome breve piu' lungo di 4 caratteri: " + riga.nomeBreve);
    std::string record = runtime::SPACE(80);
    scriviCampo(record, 4, 23, riga.descrizione);
    scriviCampo(record, 30, 2, cifre(riga.lunghezza, 2, "lunghezza del campo"));
    scriviCampo(record, 32, 1, std::string(1, riga.tipo));
    scriviCampo(record, 37, 1, riga.esclusa ? "1" : "0");
    scriviCampo(record, 38, 2, cifre(riga.setCaratteri, 2, "set di caratteri"));
    scriviCampo(record, 40, 1, std::string(1, riga.speciale));
    scriviCampo(record, 43, 3, cifre(riga.archivio, 3, "numero di archivio"));
    const std::string aiuto = cifre(riga.aiuto, 4, "numero di aiuto");
    const std::string posizione = cifre(riga.posizione, 5, "posizione");
    if (aiuto[3] != posizione[0])
        throw ErroreCostruzione("l'aiuto " + aiuto + " e la posizione " + posizione +
                                " non possono condividere il carattere 50");
    scriviCampo(record, 47, 4, aiuto);
    scriviCampo(record, 50, 5, posizione);
    scriviCampo(record, 65, 2, cifre(riga.tipoSpeciale, 2, "tipo speciale"));
    scriviCampo(record, 67, 1, riga.testata ? "1" : "0");
    scriviCampo(record, 69, 4, riga.nomeBreve);
    return record;
}

void scriviDefinizioni(double numeroFile, const std::vector<RigaDefinizione>& righe) {
    std::vector<std::string> record;
    for (const auto& riga : righe)
        record.push_back(recordDefinizione(riga));  // all checked first
    archive::RICREAFILE(numeroFile);
    for (size_t i = 0; i < record.size(); ++i)
        scriviRecord(numeroFile, static_cast<double>(i + 1), record[i]);
}

void scriviBitmap(int task, const std::vector<long>& recordTenuti) {
    if (task < 1 || task > 16)
        throw ErroreCostruzione("numero di task fuori dai limiti: " + std::to_string(task));
    archive::CHIUDIFILE(312);
    archive::ANNOOPEN = cifre(task, 2, "task");
    const long lunghezza = static_cast<long>(archive::FAIOPEN(312));
    std::string bitmap(static_cast<size_t>(lunghezza), '\0');
    for (long r : recordTenuti) {
        if (r < 1 || (r - 1) / 8 >= lunghezza)
            throw ErroreCostruzione("record " + std::to_string(r) + " fuori dalla bitmap");
        auto& c = bitmap[static_cast<size_t>((r - 1) / 8)];
        c = static_cast<char>(static_cast<unsigned char>(c) | (0x80u >> ((r - 1) % 8)));
    }
    archive::SCRIVIREC(312, 1, bitmap);
    archive::CHIUDIFILE(312);
}

namespace {

bool vocale(char c) {
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

// Consonants and vowels of a name, letters only, in order.
std::pair<std::string, std::string> lettere(const std::string& testo) {
    std::string consonanti, vocali;
    for (char c : runtime::UCASE(testo)) {
        if (c < 'A' || c > 'Z') continue;
        (vocale(c) ? vocali : consonanti) += c;
    }
    return {consonanti, vocali};
}

std::string treLettere(const std::string& consonanti, const std::string& vocali) {
    return (consonanti + vocali + "XXX").substr(0, 3);
}

}  // namespace

std::string codiceFiscale(const std::string& cognome, const std::string& nome,
                          const std::string& dataNascita, char sesso, const std::string& comune) {
    if (dataNascita.size() != 8 || comune.size() != 4 || (sesso != 'M' && sesso != 'F'))
        throw ErroreCostruzione("dati anagrafici non validi per il codice fiscale di " + cognome);
    auto [cc, vc] = lettere(cognome);
    auto [cn, vn] = lettere(nome);
    std::string codice = treLettere(cc, vc);
    codice += cn.size() >= 4 ? std::string{cn[0], cn[2], cn[3]} : treLettere(cn, vn);
    codice += dataNascita.substr(6, 2);
    const int mese = static_cast<int>(runtime::VAL(dataNascita.substr(2, 2)));
    const int giorno = static_cast<int>(runtime::VAL(dataNascita.substr(0, 2)));
    if (mese < 1 || mese > 12 || giorno < 1 || giorno > 31)
        throw ErroreCostruzione("data di nascita non valida: " + dataNascita);
    codice += "ABCDEHLMPRST"[mese - 1];
    codice += cifre(giorno + (sesso == 'F' ? 40 : 0), 2, "giorno");
    codice += comune;
    for (char c = 'A'; c <= 'Z'; ++c)
        if (fiscalcode::CONTROLLACF(codice + c) == 0) return codice + c;
    throw ErroreCostruzione("nessun carattere di controllo valido per " + codice);
}

}  // namespace tools
