// Help lines: the archive values embedded in them, and amounts in the user's locale.

#include "windows/table/riferimenti.h"

#include <QLocale>
#include <cmath>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/formato_numeri.h"
#include "dictionary/lettura.h"
#include "runtime/numeri.h"
#include "runtime/testo.h"
#include "windows/common/testo_qt.h"

namespace windows {

using runtime::INSTR;
using runtime::LEFT;
using runtime::MID;
using runtime::SPACE;
using runtime::VAL;

namespace {

constexpr long LARGHEZZA = 11;  // "#" and the 10 characters that follow it

// One character of the locale for the code page; `riserva` when the code page has none.
std::string separatore(const QString& qt, const char* riserva) {
    const std::string b = daQString(qt);
    if (b.size() != 1 || (b == "?" && qt != QStringLiteral("?"))) return riserva;
    return b;
}

// Blank-padded on the left to the width; a longer text is kept whole, never cut, so that
// an amount never loses digits.
std::string aDestra(const std::string& s) {
    const long n = static_cast<long>(s.size());
    return n >= LARGHEZZA ? s : SPACE(LARGHEZZA - n) + s;
}

bool intero(double x) {
    return std::isfinite(x) && x == std::floor(x);
}

// The 11 characters that stand for a value of the given type and length, or "" when that
// type and length have no form.
std::string formaDelValore(const std::string& v, const std::string& tipo, long lunghezza) {
    if (tipo == "A")
        return v.size() >= LARGHEZZA ? v : v + SPACE(LARGHEZZA - static_cast<long>(v.size()));
    if (tipo == "D") {
        switch (lunghezza) {
            case 4:
                return MID(v, 1, 2) + "/" + MID(v, 3, 2) + SPACE(6);
            case 6:
                return MID(v, 1, 2) + "/" + MID(v, 3, 4) + SPACE(4);
            case 8:
                return MID(v, 1, 2) + "/" + MID(v, 3, 2) + "/" + MID(v, 5, 4) + " ";
            default:
                return {};
        }
    }
    // Type "2" stores its two decimals as digits: 00003300 is 33.00, not 3,300.00.
    if (tipo == "2") return aDestra(formatoMigliaia(VAL(v) / 100));
    if (tipo == "N") return aDestra(formatoMigliaia(VAL(v)));
    return {};
}

}  // namespace

FilePerConsulta::FilePerConsulta(double numero) : numero_(numero) {
    if (archive::CANALE[archive::indiceSlot(numero)] != 0) return;
    archive::FAIOPEN(numero);
    aperto_ = true;
}

void FilePerConsulta::chiudi() {
    if (!aperto_) return;
    aperto_ = false;
    archive::CHIUDIFILE(numero_);
}

FilePerConsulta::~FilePerConsulta() {
    if (!aperto_) return;
    try {
        archive::CHIUDIFILE(numero_);
    } catch (...) {
        // Only reached while an error is already on its way to the report; the slot is
        // freed before the close, so nothing stale remains.
    }
}

std::string formatoMigliaia(double x) {
    const QLocale locale;
    const std::string migliaia = separatore(locale.groupSeparator(), " ");
    const std::string virgola = separatore(locale.decimalPoint(), ".");

    std::string s = dictionary::ARROTONDA_S(x, 2);  // "1234.50", "-.50"
    const bool negativo = LEFT(s, 1) == "-";
    if (negativo) s = MID(s, 2);
    const long punto = INSTR(s, ".");
    std::string intera = punto > 0 ? LEFT(s, punto - 1) : s;
    const std::string decimali = punto > 0 ? MID(s, punto + 1) : std::string("00");
    if (intera.empty()) intera = "0";

    std::string gruppi;
    const long n = static_cast<long>(intera.size());
    for (long i = 1; i <= n; ++i) {
        gruppi += MID(intera, i, 1);
        if (i < n && (n - i) % 3 == 0) gruppi += migliaia;
    }
    // A value that rounds to zero shows no sign.
    const bool zero = intera.find_first_not_of('0') == std::string::npos &&
                      decimali.find_first_not_of('0') == std::string::npos;
    return (negativo && !zero ? "-" : "") + gruppi + virgola + decimali;
}

std::string ST_AIUTO3_S(const std::string& ST_AK) {
    archive::TRACCIA("ST_AIUTO3$");
    const long cancelletto = INSTR(ST_AK, "#");
    if (cancelletto == 0) return ST_AK;
    const std::string riferimento = MID(ST_AK, cancelletto + 1, 10);
    const double archivio = VAL(MID(riferimento, 1, 2));
    const double posizione = VAL(MID(riferimento, 4, 4));
    const std::string tipo = MID(riferimento, 8, 1);
    const double lunghezza = VAL(MID(riferimento, 9, 2));

    const double ditta = dictionary::RepoRN(dictionary::P175);
    if (ditta == 0) return ST_AK;
    // A reference that names no archive, no field or no known form cannot be filled in.
    if (archivio != 19 && archivio != 8) return ST_AK;
    if (!intero(posizione) || posizione < 1 || !intero(lunghezza) || lunghezza < 1) return ST_AK;
    if (formaDelValore(SPACE(static_cast<long>(lunghezza)), tipo, static_cast<long>(lunghezza))
            .empty())
        return ST_AK;

    double record = 1;
    if (archivio == 8) {
        // The company's own sector.
        if (!intero(ditta) || ditta < 1) return ST_AK;
        FilePerConsulta ditte(1);
        if (archive::LEGGIREC(1, ditta) == 1) return ST_AK;
        dictionary::DITX_S = archive::AREAREC[1];
        record = dictionary::RepoRN(dictionary::T067);
        ditte.chiudi();
        if (!intero(record) || record < 1) return ST_AK;
    }

    const int numeroFile = archivio == 19 ? 19 : 8;
    std::string valore;
    {
        FilePerConsulta file(numeroFile);
        if (archive::LEGGIREC(numeroFile, record) == 1) return ST_AK;
        (numeroFile == 19 ? dictionary::FISX_S : dictionary::SETX_S) = archive::AREAREC[numeroFile];
        valore = MID(archive::AREAREC[numeroFile], static_cast<long>(posizione),
                     static_cast<long>(lunghezza));
        file.chiudi();
    }
    // A field that runs past the end of the record is not in it.
    if (static_cast<double>(valore.size()) < lunghezza) return ST_AK;

    return LEFT(ST_AK, cancelletto - 1) +
           formaDelValore(valore, tipo, static_cast<long>(lunghezza)) +
           MID(ST_AK, cancelletto + LARGHEZZA);
}

}  // namespace windows
