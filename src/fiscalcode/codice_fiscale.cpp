#include "fiscalcode/codice_fiscale.h"

#include <array>
#include <string_view>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/formato_numeri.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"

namespace fiscalcode {

using runtime::INSTR;
using runtime::MID;
using runtime::VAL;

namespace {

// The published conversion values of the check character, by position in CARATTERI.
constexpr std::string_view CARATTERI = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::array<int, 36> VALORI_DISPARI = {1,  0,  5,  7,  9, 13, 15, 17, 19, 21,  // 0-9
                                                1,  0,  5,  7,  9, 13, 15, 17, 19, 21, 2,
                                                4,  18, 20, 11, 3, 6,  8,  12, 14, 16, 10,  // A-V
                                                22, 25, 24, 23};                            // W-Z
constexpr std::array<int, 36> VALORI_PARI = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  0,  1,
                                             2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                             14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

constexpr std::string_view MESI = "ABCDEHLMPRST";
constexpr std::string_view CIFRE = "0123456789";

bool cifra(const std::string& s, long posizione) {
    const std::string c = MID(s, posizione, 1);
    return c.size() == 1 && INSTR(CIFRE, c) > 0;
}

bool dueCifre(const std::string& s, long posizione) {
    return cifra(s, posizione) && cifra(s, posizione + 1);
}

// Value of the single character at `posizione`: a non-digit or a missing position is 0.
double valoreCarattere(const std::string& s, long posizione) {
    return VAL(MID(s, posizione, 1));
}

std::string dueCifreDi(double n) {
    return runtime::RIGHT("0" + dictionary::INTERO_S(n), 2);
}

int giorniDelMese(int mese, int anno) {
    constexpr std::array<int, 12> GIORNI = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Two-digit years: "00" is never decoded, so every year divisible by 4 is a leap year
    // in both centuries that a birth date can fall in.
    if (mese == 2 && anno % 4 == 0) return 29;
    return GIORNI.at(static_cast<size_t>(mese - 1));
}

struct DatiNascita {
    std::string data = "000000";
    std::string luogo = runtime::SPACE(20);
    std::string provincia = "  ";
    std::string sesso = " ";
};

// Stepped search over file 4, ascending by the code in positions 2-5. A probe below
// record 1 or past the end counts as a greater code.
bool cercaComune(const std::string& cercato, DatiNascita& dati) {
    constexpr std::array<double, 5> PASSI = {1000, 500, 100, 10, 1};
    double corrente = 1 - PASSI[0];
    for (const double passo : PASSI) {
        for (;;) {
            const double prova = corrente + passo;
            if (prova < 1) break;
            if (archive::LEGGIREC(FILE_COMUNI, prova) != 0) break;
            const std::string& area = archive::AREAREC.at(static_cast<size_t>(FILE_COMUNI));
            const std::string codice = MID(area, 2, 4);
            if (codice < cercato) {
                corrente = prova;
                continue;
            }
            if (codice == cercato) {
                dati.luogo = MID(area, 7, 20);
                dati.provincia = MID(area, 28, 2);
                return true;
            }
            break;
        }
    }
    return false;
}

void decodifica(const std::string& codice, DatiNascita& dati) {
    // Letters in the day (omocodic codes) or a day no birth date can have: the day is unreadable.
    if (!dueCifre(codice, 10)) return;
    const bool donna = VAL(MID(codice, 10, 2)) > 40;
    const double giorno = VAL(MID(codice, 10, 2)) - (donna ? 40 : 0);
    if (giorno < 1 || giorno > 31) return;
    dati.sesso = donna ? "F" : "M";

    const std::string letteraMese = MID(codice, 9, 1);
    const long mese = letteraMese.empty() ? 0 : INSTR(MESI, letteraMese);
    if (mese == 0) return;

    // A year "00" is not decoded; letters in the year (omocodic codes) are not either.
    if (!dueCifre(codice, 7) || VAL(MID(codice, 7, 2)) == 0) return;
    if (giorno > giorniDelMese(static_cast<int>(mese), static_cast<int>(VAL(MID(codice, 7, 2)))))
        return;

    dati.data = dueCifreDi(giorno) + dueCifreDi(static_cast<double>(mese)) + MID(codice, 7, 2);
    dati.luogo = MID(codice, 12, 4);
    cercaComune(dati.luogo, dati);
}

}  // namespace

int16_t CONTROLLACF(const std::string& codice) {
    if (codice.size() != 16) return 1;
    int somma = 0;
    for (long i = 1; i <= 15; ++i) {
        const long k = INSTR(CARATTERI, MID(codice, i, 1));
        if (k == 0) return 1;  // lower case and every other character included
        const auto indice = static_cast<size_t>(k - 1);
        somma += (i % 2 == 1) ? VALORI_DISPARI.at(indice) : VALORI_PARI.at(indice);
    }
    const std::string atteso(1, static_cast<char>('A' + somma % 26));
    return MID(codice, 16, 1) == atteso ? 0 : 1;
}

int16_t CONTROLLAPI(const std::string& codice) {
    // Only eleven digits make a code: without this, the empty text, "0" or "19" would pass
    // (missing digits count as 0). The field it comes from may be wider, hence trailing blanks.
    for (long i = 1; i <= 11; ++i)
        if (!cifra(codice, i)) return 1;
    if (!runtime::TRIM(MID(codice, 12)).empty()) return 1;

    double somma = 0;
    for (long k = 1; k <= 5; ++k) {
        const double a = valoreCarattere(codice, 2 * k - 1);
        double b = 2 * valoreCarattere(codice, 2 * k);
        const std::string testo = dictionary::INTERO_S(b);
        if (testo.size() == 2) b = VAL(MID(testo, 1, 1)) + VAL(MID(testo, 2, 1));
        somma += a + b;
    }
    double controllo = 10 - VAL(runtime::RIGHT(dictionary::INTERO_S(somma), 1));
    if (controllo == 10) controllo = 0;
    return valoreCarattere(codice, 11) == controllo ? 0 : 1;
}

std::string DECODIFICACF_S(const std::string& codice) {
    DatiNascita dati;
    if (!codice.empty()) {
        try {
            archive::ASSEGNACANALE(FILE_COMUNI);
            archive::FAIOPEN(FILE_COMUNI);
            decodifica(codice, dati);
        } catch (...) {
            // The error travels on to the caller's report; file 4 is not left open behind it.
            try {
                archive::CHIUDIFILE(FILE_COMUNI);
            } catch (...) {
            }
            throw;
        }
    }
    std::string risultato = dati.data + runtime::LEFT(dati.luogo + runtime::SPACE(20), 20) +
                            runtime::LEFT(dati.provincia + "  ", 2) + dati.sesso;
    archive::CHIUDIFILE(FILE_COMUNI);
    return risultato;
}

}  // namespace fiscalcode
