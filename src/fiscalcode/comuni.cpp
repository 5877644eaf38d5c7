#include "fiscalcode/comuni.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "archive/catalogo.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "fiscalcode/codice_fiscale.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace fiscalcode {

namespace {

constexpr long LUNGHEZZA_MINIMA = 29;  // the province ends at position 29

bool lettera(char c) {
    return c >= 'A' && c <= 'Z';
}
bool cifra(char c) {
    return c >= '0' && c <= '9';
}

// Why a municipality cannot be written ("" when it can).
std::string difetto(const Comune& c) {
    const std::string& k = c.codice;
    if (k.size() != 4 || !lettera(k.front()) || !std::all_of(k.begin() + 1, k.end(), cifra))
        return "codice catastale non valido \"" + k + "\" (una lettera maiuscola e tre cifre)";
    // Plain upper-case ASCII only: the records are single-byte text, and a stray UTF-8
    // sequence would show as garbage in every program of the family.
    const bool nomeValido =
        !c.nome.empty() && c.nome.size() <= 20 &&
        std::all_of(c.nome.begin(), c.nome.end(), [](char ch) {
            return lettera(ch) || cifra(ch) || ch == ' ' || ch == '\'' || ch == '.' || ch == '-';
        });
    if (!nomeValido)
        return "nome non valido \"" + c.nome +
               "\" (da 1 a 20 caratteri: lettere maiuscole, cifre, spazio, apostrofo, punto, "
               "trattino)";
    const std::string& p = c.provincia;
    if (p.size() != 2 || !lettera(p.front()) || !lettera(p.back()))
        return "sigla di provincia non valida \"" + p + "\" (due lettere maiuscole)";
    return {};
}

std::vector<std::string> campi(const std::string& riga) {
    std::vector<std::string> risultato;
    long inizio = 1;
    for (;;) {
        const long tab = runtime::INSTR(inizio, riga, "\t");
        if (tab == 0) {
            risultato.push_back(runtime::TRIM(runtime::MID(riga, inizio)));
            return risultato;
        }
        risultato.push_back(runtime::TRIM(runtime::MID(riga, inizio, tab - inizio)));
        inizio = tab + 1;
    }
}

void ordina(std::vector<Comune>& comuni) {
    std::stable_sort(comuni.begin(), comuni.end(),
                     [](const Comune& a, const Comune& b) { return a.codice < b.codice; });
}

std::string messaggioLunghezza(double lunghezza) {
    return "il catalogo assegna al file 4 record di " + runtime::testoNumero(lunghezza) +
           " caratteri: ne servono almeno 29";
}

}  // namespace

std::vector<Comune> leggiElencoComuni(std::istream& testo, const std::string& fonte) {
    std::vector<Comune> comuni;
    std::map<std::string, long> righe;  // code -> line it was first seen on
    std::string riga;
    long numero = 0;
    while (std::getline(testo, riga)) {
        ++numero;
        if (runtime::RIGHT(riga, 1) == "\r")
            riga = runtime::LEFT(riga, static_cast<long>(riga.size()) - 1);
        if (runtime::TRIM(riga).empty() || runtime::LEFT(riga, 1) == "#") continue;
        const std::string dove = fonte + ", riga " + std::to_string(numero) + ": ";
        const std::vector<std::string> parti = campi(riga);
        if (parti.size() != 3)
            throw ErroreElencoComuni(
                dove + "servono tre campi separati da tabulazione (codice, nome, provincia)");
        Comune comune{parti[0], parti[1], parti[2]};
        if (const std::string perche = difetto(comune); !perche.empty())
            throw ErroreElencoComuni(dove + perche);
        if (const auto [it, nuovo] = righe.emplace(comune.codice, numero); !nuovo)
            throw ErroreElencoComuni(dove + "codice catastale " + comune.codice +
                                     " ripetuto (anche alla riga " + std::to_string(it->second) +
                                     ")");
        comuni.push_back(std::move(comune));
    }
    if (testo.bad()) throw ErroreElencoComuni(fonte + ": lettura interrotta");
    if (comuni.empty()) throw ErroreElencoComuni(fonte + ": nessun comune nell'elenco");
    ordina(comuni);
    return comuni;
}

std::vector<Comune> leggiElencoComuni(const std::string& percorso) {
    std::ifstream file(percorso, std::ios::binary);
    if (!file)
        throw ErroreElencoComuni(percorso + ": impossibile aprire l'elenco dei comuni (" +
                                 std::strerror(errno) + ")");
    return leggiElencoComuni(file, percorso);
}

std::string recordComune(const Comune& comune, long lunghezza) {
    if (lunghezza < LUNGHEZZA_MINIMA)
        throw ErroreElencoComuni(messaggioLunghezza(static_cast<double>(lunghezza)));
    std::string record = runtime::SPACE(lunghezza);
    runtime::MIDASSIGN(record, 2, 4, comune.codice);
    runtime::MIDASSIGN(record, 7, 20, runtime::LEFT(comune.nome + runtime::SPACE(20), 20));
    runtime::MIDASSIGN(record, 28, 2, comune.provincia);
    return record;
}

long scriviFileComuni(std::vector<Comune> comuni) {
    if (comuni.empty()) throw ErroreElencoComuni("nessun comune da scrivere nel file 4");
    for (const Comune& c : comuni)
        if (const std::string perche = difetto(c); !perche.empty())
            throw ErroreElencoComuni("file 4: " + perche);
    ordina(comuni);
    for (size_t i = 1; i < comuni.size(); ++i)
        if (comuni[i].codice == comuni[i - 1].codice)
            throw ErroreElencoComuni("file 4: codice catastale " + comuni[i].codice + " ripetuto");

    // The record length, before anything is deleted: a catalogue that gives file 4 records
    // too short for the layout leaves the existing file as it is.
    const archive::ValoriOpen valori = archive::salvaValoriOpen();
    int16_t prefisso = -1;
    archive::DAMMIFILE_S(FILE_COMUNI, prefisso);
    archive::ripristinaValoriOpen(valori);
    const double lunghezza = archive::LUNRECBASE;
    if (lunghezza < LUNGHEZZA_MINIMA) throw ErroreElencoComuni(messaggioLunghezza(lunghezza));

    archive::RICREAFILE(FILE_COMUNI);
    try {
        double numero = 0;
        for (const Comune& c : comuni)
            archive::SCRIVIREC(FILE_COMUNI, ++numero,
                               recordComune(c, static_cast<long>(lunghezza)));
        archive::CHIUDIFILE(FILE_COMUNI);
    } catch (...) {
        // No half-written list: a decoder searching it would miss every code past the gap.
        try {
            archive::ELIMINA(FILE_COMUNI);
        } catch (...) {
        }
        throw;
    }
    return static_cast<long>(comuni.size());
}

long scriviComuniDemo() {
    std::istringstream testo{std::string(elencoComuniDemo())};
    return scriviFileComuni(leggiElencoComuni(testo, "comuni.txt"));
}

}  // namespace fiscalcode
