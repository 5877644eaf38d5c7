// The demo installation: a drive root with the path files, the task file and the registry
// file, and an archive directory holding every file the program opens, built through the
// blocks of costruttore.cpp. The same bytes on every run: no clock, no randomness.

#include <filesystem>
#include <sstream>
#include <system_error>

#include "archive/catalogo.h"
#include "archive/configurazione.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "fiscalcode/comuni.h"
#include "platform/percorsi.h"
#include "runtime/testo.h"
#include "tools/demo.h"

namespace tools {

namespace {

namespace fs = std::filesystem;
using namespace dictionary;

// Worker-record fields that only the demo's ENPALS pages address (free positions after the
// names, beyond every field the program itself names).
constexpr const char CF[] = "DIPX$,09575,16,A,0,PX01";       // fiscal code
constexpr const char NASCITA[] = "DIPX$,09591,06,D,0,PX02";  // ddmmyy
constexpr const char LUOGO[] = "DIPX$,09597,20,A,0,PX03";
constexpr const char PROVINCIA[] = "DIPX$,09617,02,A,0,PX04";
constexpr const char SESSO[] = "DIPX$,09619,01,A,0,PX05";
constexpr const char STAGIONE[] = "DIPX$,09620,04,D,0,PX07";  // ddmm
constexpr const char QUALIFICA[] = "DIPX$,09624,03,N,0,PX08";
constexpr const char SETTORE[] = "DIPX$,09627,04,N,0,PX22";
constexpr const char FORMULA[] = "DIPX$,09631,03,N,0,PX09";
constexpr const char PROFESSIONE[] = "DIPX$,09634,03,N,0,PX23";
constexpr const char ATTIVITA[] = "DIPX$,09640,05,N,0,PX14";
constexpr const char MANSIONE[] = "DIPX$,09670,06,N,0,PX16";
constexpr const char CONTRATTO[] = "DIPX$,09708,05,N,0,PX19";
constexpr const char RAPPORTO[] = "DIPX$,09739,01,A,0,PX10";
constexpr const char GIORNATE[] = "DIPX$,09740,03,N,0,PX11";

// What a demo worker shows: 1/2 re-hire allowed (left this month / earlier), A in service,
// N and Z left but not fixed-term ENPALS (position 1 and 0), T allowed but held by task 3.
struct Riga {
    const char* cognome;
    const char* nome;
    char sesso;
    const char* nascita;  // GGMMAAAA
    const char* comune;
    int ditta, sottoditta, numero;
    char stato;
};

// clang-format off
constexpr Riga DIPENDENTI[] = {
    {"ABBATE", "GIUSEPPE", 'M', "12031975", "A089", 1, 0, 1, '1'},
    {"BIANCHI", "LAURA", 'F', "05071982", "A944", 1, 0, 2, '2'},
    {"CARUSO", "ANTONIO", 'M', "23111968", "F839", 1, 0, 3, 'A'},
    {"DE SANTIS", "CHIARA", 'F', "17021990", "H501", 1, 0, 4, 'N'},
    {"ESPOSITO", "SALVATORE", 'M', "30091979", "F839", 1, 0, 5, '1'},
    {"FERRARI", "GIULIA", 'F', "08121985", "F205", 1, 0, 6, 'Z'},
    {"GALLO", "FRANCESCO", 'M', "14061972", "L219", 1, 0, 7, 'T'},
    {"HOFER", "MARTINA", 'F', "02041988", "A952", 1, 0, 8, '2'},
    {"IANNONE", "PASQUALE", 'M', "21011965", "A662", 1, 0, 9, 'A'},
    {"LOMBARDI", "ELENA", 'F', "11111993", "B157", 1, 0, 10, '1'},
    {"MARINO", "ROBERTO", 'M', "27081970", "G273", 1, 1, 1, '2'},
    {"NERI", "SILVIA", 'F', "03031984", "D612", 1, 1, 2, 'N'},
    {"ORLANDO", "DAVIDE", 'M', "19051991", "C351", 1, 1, 3, '1'},
    {"PELLEGRINI", "ANNA", 'F', "25101977", "E506", 1, 1, 4, 'A'},
    {"QUARTA", "MICHELE", 'M', "09021986", "E506", 1, 1, 5, '2'},
    {"RICCI", "FEDERICA", 'F', "16071980", "D969", 1, 1, 6, '1'},
    {"SANTORO", "LUCA", 'M', "04121974", "A271", 2, 0, 1, '2'},
    {"TESTA", "VALENTINA", 'F', "28021989", "E625", 2, 0, 2, 'Z'},
    {"UGOLINI", "MARCO", 'M', "13091969", "A944", 2, 0, 3, '1'},
    {"VITALE", "SARA", 'F', "07061992", "F158", 2, 0, 4, 'A'},
    {"ZANETTI", "PAOLO", 'M', "22031976", "L736", 2, 0, 5, '2'},
    {"WEISS", "ANDREAS", 'M', "18101983", "A952", 2, 0, 6, '1'},
    {"YOUSSEF", "AMIRA", 'F', "01011995", "Z404", 2, 0, 7, 'N'},
    {"JANNUZZI", "ENZO", 'M', "10041971", "D086", 2, 0, 8, '2'},
    {"KOFLER", "ANNA", 'F', "26121987", "A952", 2, 0, 9, 'A'},
    {"XERRI", "SALVATORE", 'M', "15081966", "G273", 2, 0, 10, '1'},
    {"'T HART", "JOHANNES", 'M', "29051980", "Z112", 2, 0, 11, '2'},
    {"AMATO", "ROSARIA", 'F', "06091978", "C351", 2, 0, 12, 'T'},
    {"BARBIERI", "STEFANO", 'M', "20021984", "B157", 2, 0, 13, 'Z'},
    {"COSTA", "ILARIA", 'F', "11071990", "D969", 3, 0, 1, '1'},
    {"DONATI", "GIORGIO", 'M', "03051967", "D612", 3, 0, 2, '2'},
    {"FONTANA", "ELISA", 'F', "24111985", "F205", 3, 0, 3, 'A'},
    {"GRECO", "VINCENZO", 'M', "12121973", "C352", 3, 0, 4, 'N'},
    {"LEONE", "MARIA", 'F', "31011981", "G273", 3, 0, 5, '1'},
    {"MANCINI", "ALESSANDRO", 'M', "17091975", "H501", 3, 0, 6, '2'},
    {"MORETTI", "CRISTINA", 'F', "05051993", "A390", 3, 0, 7, 'A'},
    {"PALUMBO", "GENNARO", 'M', "08081964", "F839", 3, 0, 8, '1'},
    {"RIZZO", "TERESA", 'F', "22021979", "E506", 3, 0, 9, '2'},
    {"SERRA", "GAVINO", 'M', "14041970", "B354", 3, 0, 10, 'Z'},
    {"TOSI", "BEATRICE", 'F', "19121988", "A944", 3, 0, 11, '1'},
    {"VILLA", "EMANUELE", 'M', "01071982", "F205", 3, 0, 12, '2'},
    {"ZAMPIERI", "NICOLETTA", 'F', "27031976", "L736", 3, 0, 13, 'N'},
    {"OLIVIERI", "FABIO", 'M', "10101974", "L424", 3, 1, 1, '1'},
    {"PAGANO", "DANIELA", 'F', "15061986", "A509", 3, 1, 2, 'A'},
    {"RINALDI", "CARLO", 'M', "09031969", "A271", 3, 1, 3, '2'},
    {"BASILE", "ORNELLA", 'F', "21081980", "B180", 4, 0, 1, '1'},
    {"CATTANEO", "GIANNI", 'M', "04021972", "A794", 4, 0, 2, '2'},
    {"D'AMICO", "LUCIA", 'F', "13111983", "C632", 4, 0, 3, 'A'},
    {"FARINA", "RICCARDO", 'M', "06061977", "D548", 5, 0, 1, '1'},
    {"GUERRA", "MONICA", 'F', "18041989", "E472", 5, 0, 2, '2'},
    {"INGRASSIA", "CALOGERO", 'M', "25121966", "A089", 5, 0, 3, 'N'},
    {"LONGO", "PATRIZIA", 'F', "02091984", "E463", 5, 0, 4, '1'},
    {"MARTINI", "SIMONE", 'M', "11021991", "G702", 5, 0, 5, 'A'},
    {"NEGRI", "ROBERTA", 'F', "29061975", "B157", 5, 0, 6, '2'},
    {"PARISI", "DOMENICO", 'M', "07011970", "C352", 5, 0, 7, 'Z'},
    {"SALA", "GLORIA", 'F', "16101987", "E507", 5, 0, 8, '1'},
    {"TRAVERSO", "ALBERTO", 'M', "03121968", "D969", 5, 0, 9, '2'},
    {"VALENTINI", "IRENE", 'F', "22051992", "A462", 5, 0, 10, 'A'},
    {"ZOPPI", "MATTEO", 'M', "12081981", "D150", 5, 0, 11, '1'},
    {"WALDNER", "KATHARINA", 'F', "09091979", "A952", 5, 0, 12, '2'},
    {"KESSLER", "THOMAS", 'M', "30041973", "L424", 5, 0, 13, 'Z'},
    {"CIRILLO", "ASSUNTA", 'F', "14021967", "B963", 5, 0, 14, '1'},
    {"EMILIANI", "TOMMASO", 'M', "05111990", "D704", 5, 0, 15, 'A'},
    {"UGHETTI", "CAMILLA", 'F', "23071986", "D205", 5, 0, 16, '2'},
};
// clang-format on

constexpr int TASK_DEMO = 3;  // the other task that holds the workers marked 'T'

std::string chiaveDi(const Riga& r) {
    char testo[11];
    std::snprintf(testo, sizeof testo, "%03d%03d%04d", r.ditta, r.sottoditta, r.numero);
    return testo;
}

std::string esitoDi(const Riga& r) {
    if (r.ditta == 4)
        return "rifiutato: ditta 4 cessata (T261 = 99), \"IL CODICE DITTA  4 NON ESISTE\"";
    switch (r.stato) {
        case '1':
            return "riassumibile (P054 1, P168 2)";
        case '2':
            return "riassumibile (P054 2, P168 3)";
        case 'A':
            return "rifiutato: in forza (P054 0), \"IL DIPENDENTE NON RISULTA ESSERE UN CESSATO\"";
        case 'N':
            return "rifiutato: P168 1, \"IL DIPENDENTE NON E' ENPALS DETERMINATO\"";
        case 'Z':
            return "rifiutato: P168 0, \"IL DIPENDENTE NON E' ENPALS DETERMINATO\"";
        default:
            return "riassumibile (P054 1, P168 4) ma in estrazione nel task 3";
    }
}

// Amounts as number texts with two decimals ("65.00") for RepoW.
std::string importo(long centesimi) {
    std::string t = std::to_string(centesimi);
    if (t.size() < 3) t = std::string(3 - t.size(), '0') + t;
    return t.substr(0, t.size() - 2) + "." + t.substr(t.size() - 2);
}

Dipendente dipendenteDi(const Riga& r, int i) {
    Dipendente d;
    d.chiave = chiaveDi(r);
    d.cognome = r.cognome;
    d.nome = r.nome;
    const bool cessato = r.stato != 'A';
    d.cessato = !cessato ? 0 : (r.stato == '2' ? 2 : 1);
    d.enpals = r.stato == 'N'   ? 1
               : r.stato == 'Z' ? 0
               : r.stato == '2' ? 3
               : r.stato == 'T' ? 4
                                : 2;
    const std::string codice = codiceFiscale(r.cognome, r.nome, r.nascita, r.sesso, r.comune);
    const std::string mese = std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1);
    d.altri = {
        {P013, "01" + mese + (i % 2 ? "2019" : "2022")},
        {P017, !cessato         ? "0"
               : r.stato == '2' ? "31122024"
                                : "15052025"},
        {P050, i % 10 == 9 ? "0" : "1"},
        {P169, std::to_string(1 + i % 3)},
        {P170, "0"},
        {P171, "1"},
        {P192, std::to_string(i % 2)},
        {P269, importo(6500 + 250L * i)},
        {P270, importo(120000 + 1500L * i)},
        {P058, importo(1250 + 17L * i)},
        {CF, codice},
        {NASCITA, std::string(r.nascita).substr(0, 4) + std::string(r.nascita).substr(6, 2)},
        {SESSO, std::string(1, r.sesso)},
        {STAGIONE, "0109"},
        {QUALIFICA, i % 3 == 0   ? "11"
                    : i % 3 == 1 ? "12"
                                 : "13"},
        {SETTORE, std::to_string(1 + i % 2)},
        {FORMULA, "4"},
        {PROFESSIONE, i % 2 ? "101" : "102"},
        {ATTIVITA, std::to_string(101 + i % 3)},
        {MANSIONE, std::to_string(11 + i % 2)},
        {CONTRATTO, std::to_string(201 + i % 2)},
        {RAPPORTO, "D"},
        {GIORNATE, std::to_string(20 + i % 200)},
    };
    return d;
}

std::vector<RigaDefinizione> definizioniDemo() {
    using R = RigaDefinizione;
    auto campo = [](std::string descr, int lun, char tipo, long pos, std::string nome) {
        R r;
        r.descrizione = std::move(descr);
        r.lunghezza = lun;
        r.tipo = tipo;
        r.posizione = pos;
        r.nomeBreve = std::move(nome);
        return r;
    };
    auto testata = [](std::string titolo) {
        R r;
        r.descrizione = std::move(titolo);
        r.testata = true;
        return r;
    };
    auto con = [](R r, auto modifica) {
        modifica(r);
        return r;
    };
    return {
        testata("DATI ANAGRAFICI ENPALS"),
        con(campo("CODICE FISCALE", 16, 'A', 9575, "PX01"), [](R& r) { r.speciale = '7'; }),
        con(campo("DATA DI NASCITA", 6, 'D', 9591, "PX02"), [](R& r) { r.speciale = '2'; }),
        con(campo("COMUNE DI NASCITA", 20, 'A', 9597, "PX03"), [](R& r) { r.speciale = '3'; }),
        con(campo("PROVINCIA DI NASCITA", 2, 'A', 9617, "PX04"), [](R& r) { r.speciale = '4'; }),
        con(campo("SESSO", 1, 'A', 9619, "PX05"), [](R& r) { r.speciale = '5'; }),
        campo("COGNOME", 30, 'A', 9515, "P002"),
        campo("NOME", 30, 'A', 9545, "P003"),
        con(campo("NOTE INTERNE", 10, 'A', 9756, "PX06"), [](R& r) { r.speciale = '1'; }),

        testata("POSIZIONE ENPALS"),
        con(campo("POSIZIONE ENPALS", 1, 'N', 2401, "P168"),
            [](R& r) {
                r.aiuto = 10;
                r.archivio = 5;
            }),
        con(campo("CATEGORIA ENPALS", 1, 'N', 2402, "P169"), [](R& r) { r.aiuto = 20; }),
        con(campo("CAMPO DI ALTRA PROC.", 8, 'A', 9766, "PX24"), [](R& r) { r.esclusa = true; }),
        campo("DATA ASSUNZIONE", 8, 'D', 4209, "P013"),
        campo("DATA CESSAZIONE", 8, 'D', 4225, "P017"),
        con(campo("INIZIO STAGIONE", 4, 'D', 9620, "PX07"), [](R& r) { r.archivio = 6; }),
        campo("RETRIBUZ. GIORNALIERA", 8, '2', 2765, "P269"),
        campo("RETRIBUZ. MENSILE", 8, '2', 2773, "P270"),
        campo("COMPENSO ORARIO", 13, '5', 3563, "P058"),
        con(campo("AGEVOLAZIONE", 1, 'N', 2413, "P192"), [](R& r) { r.aiuto = 30; }),

        testata("QUALIFICA E SETTORE"),
        con(campo("QUALIFICA ENPALS", 3, 'N', 9624, "PX08"), [](R& r) { r.archivio = 998; }),
        con(campo("SETTORE", 4, 'N', 9627, "T067"),
            [](R& r) {
                r.archivio = 999;
                r.tipoSpeciale = 15;
            }),
        con(campo("FORMULA", 3, 'N', 9631, "PX09"), [](R& r) { r.tipoSpeciale = 15; }),
        con(campo("PROFESSIONE", 3, 'N', 9634, "P138"), [](R& r) { r.archivio = 999; }),
        con(campo("TIPO RAPPORTO (D/I)", 1, 'A', 9739, "PX10"), [](R& r) { r.setCaratteri = 1; }),
        con(campo("GIORNATE LAVORATE", 3, 'N', 9740, "PX11"), [](R& r) { r.setCaratteri = 2; }),
        con(campo("ESENTE (0/1)", 1, 'N', 9743, "PX12"), [](R& r) { r.setCaratteri = 3; }),
        con(campo("ALIQUOTA DITTA", 4, 'N', 9744, "PX13"), [](R& r) { r.tipoSpeciale = 9; }),
        con(campo("IMPORTO FISSO", 8, 'N', 9748, "PX25"), [](R& r) { r.tipoSpeciale = 8; }),

        testata("CODIFICHE ENPALS"),
        con(campo("CODICE ATTIVITA'", 5, 'N', 9640, "PX14"), [](R& r) { r.speciale = 'A'; }),
        con(campo("DESCR. ATTIVITA'", 25, 'A', 9645, "PX15"), [](R& r) { r.speciale = 'B'; }),
        con(campo("CODICE MANSIONE", 6, 'N', 9670, "PX16"), [](R& r) { r.speciale = 'C'; }),
        con(campo("DESCR. MANSIONE", 30, 'A', 9676, "PX17"), [](R& r) { r.speciale = 'D'; }),
        con(campo("CODICE CONTRIBUTO", 2, 'A', 9706, "PX18"), [](R& r) { r.speciale = 'E'; }),
        con(campo("CODICE CONTRATTO", 5, 'N', 9708, "PX19"), [](R& r) { r.speciale = 'F'; }),
        con(campo("DESCR. CONTRATTO", 18, 'A', 9713, "PX20"), [](R& r) { r.speciale = 'G'; }),
        con(campo("MINIMO CONTRATTUALE", 8, 'N', 9731, "PX21"), [](R& r) { r.speciale = 'H'; }),
    };
}

// A text laid out at 1-based positions in a record of the given length.
struct Disposizione {
    std::string testo;
    explicit Disposizione(long lunghezza) : testo(runtime::SPACE(lunghezza)) {}
    Disposizione& a(long posizione, std::string_view valore) {
        runtime::MIDASSIGN(testo, posizione, static_cast<long>(valore.size()), valore);
        return *this;
    }
};

void scriviTabelleAiuto() {
    // Help tables: table number at 2-4 on the first line, code at 8, description at 11-46.
    // "#" references are filled from file 19 record 1 or from the company's sector in file 8.
    struct Linea {
        int tabella;
        char codice;
        const char* descrizione;
    };
    const Linea linee[] = {
        {10, '0', "NON ISCRITTO ENPALS"},
        {0, '1', "ENPALS TEMPO INDETERMINATO"},
        {0, '2', "ENPALS TEMPO DETERMINATO"},
        {0, '3', "DETERMINATO ALIQUOTA #19 0011208"},
        {0, '4', "DETERMINATO OCCASIONALE"},
        {20, '1', "ARTISTA"},
        {0, '2', "TECNICO"},
        {0, '3', "AMMINISTRATIVO DEL #08 0385A16"},
        {30, '0', "NESSUNA AGEVOLAZIONE"},
        {0, '1', "AGEVOLATO DAL #19 0019D08"},
        {0, '2', "AGEVOLATO AL #19 0027D04"},
    };
    archive::RICREAFILE(216);
    inizializzaIndice(217);
    double numero = 0;
    for (const auto& l : linee) {
        Disposizione d(50);
        d.a(2, l.tabella ? "0" + std::to_string(l.tabella) : std::string("000"));
        d.a(8, std::string(1, l.codice)).a(11, l.descrizione);
        numero = aggiungiRecord(216, d.testo);
        if (l.tabella) inserisciChiave(217, "0" + std::to_string(l.tabella), numero);
    }

    // Help texts: a header with the text number (2-4) and the record where the next text
    // starts (5-8); lines at 9-48.
    struct Testo {
        int numero;
        std::vector<const char*> righe;
    };
    const Testo testi[] = {
        {5,
         {"POSIZIONE ENPALS DEL LAVORATORE:", "2 E OLTRE = TEMPO DETERMINATO,",
          "SOLO QUESTI POSSONO ESSERE RIASSUNTI."}},
        {6, {"GIORNO E MESE DI INIZIO STAGIONE:", "L'ANNO E' QUELLO DEL FILE 6."}},
    };
    archive::RICREAFILE(41);
    long record = 1;
    for (const auto& t : testi) {
        const long prossimo = record + static_cast<long>(t.righe.size());
        for (size_t i = 0; i < t.righe.size(); ++i) {
            Disposizione d(50);
            if (i == 0) {
                char testata[8];
                std::snprintf(testata, sizeof testata, "%03d%04ld", t.numero, prossimo);
                d.a(2, testata);
            }
            d.a(9, t.righe[i]);
            scriviRecord(41, static_cast<double>(record + static_cast<long>(i)), d.testo);
        }
        record = prossimo;
    }
}

void scriviArchiviMinori() {
    // File 6 record 1: the current year at 5-8.
    scriviRecord(6, 1, Disposizione(100).a(1, "0001").a(5, "2025").testo);

    // Character sets (file 106): an own set, a maximum-value check, the binary set.
    archive::RICREAFILE(106);
    scriviRecord(106, 1, "DI");
    scriviRecord(106, 2, "*000000366");
    scriviRecord(106, 3, "#");

    // Sectors and formulas (file 8): S204 at 1-2, formula at 6-25, code at 381-384, name.
    struct Settore {
        const char* stato;
        const char* formula;
        const char* codice;
        const char* nome;
    };
    const Settore settori[] = {
        {"01", "01000020000300004000", "0001", "SPETTACOLO"},
        {"01", "01500025000350004500", "0002", "MUSICA"},
        {"99", "00000000000000000000", "0003", "ANNULLATO"},
        {"01", "03300009200000000000", "0004", "PROSA E LIRICA"},
    };
    archive::RICREAFILE(8);
    for (const auto& s : settori)
        aggiungiRecord(
            8,
            Disposizione(1400).a(1, s.stato).a(6, s.formula).a(381, s.codice).a(385, s.nome).testo);

    // Fiscal parameters (file 19) record 1: a rate at 11-18, dates at 19-26 and 27-30.
    archive::RICREAFILE(19);
    scriviRecord(
        19, 1,
        Disposizione(3100).a(1, "01").a(11, "00003300").a(19, "01012025").a(27, "3112").testo);

    // Professions (file 48): code at 3-5, description at 6-30.
    archive::RICREAFILE(48);
    for (const char* p :
         {"  101ATTORE DI PROSA", "  102CANTANTE LIRICO", "99103SOPPRESSA", "  104BALLERINO"})
        aggiungiRecord(48, p);

    // ENPALS qualifications (file 401): code at 4-6, description at 7-24.
    archive::RICREAFILE(401);
    for (const char* q : {"   011ATTORE", "   012CANTANTE", "   013ORCHESTRALE", "99 014SOPPRESSA",
                          "   021TECNICO DI SCENA"})
        aggiungiRecord(401, q);

    // Coded tables with their indexes: activities (212/213, key of 6 digits), duties
    // (214/215, key "0" + activity of 5 + duty of 6), contracts (223/224, key of 5 digits).
    archive::RICREAFILE(212);
    inizializzaIndice(213);
    for (const auto& [codice, descrizione] :
         std::vector<std::pair<std::string, std::string>>{{"000101", "ATTIVITA' TEATRALE"},
                                                          {"000102", "ATTIVITA' CONCERTISTICA"},
                                                          {"000103", "ATTIVITA' CIRCENSE"}})
        inserisciChiave(213, codice,
                        aggiungiRecord(212, Disposizione(40).a(1, codice).a(7, descrizione).testo));
    archive::RICREAFILE(214);
    inizializzaIndice(215);
    struct Mansione {
        const char* chiave;
        const char* descrizione;
        const char* codice;
    };
    for (const auto& m : {Mansione{"000101000011", "PRIMO ATTORE", "A1"},
                          Mansione{"000101000012", "ATTORE GENERICO", "A2"},
                          Mansione{"000102000011", "PRIMO VIOLINO", "M1"},
                          Mansione{"000102000012", "PROFESSORE D'ORCHESTRA", "M2"},
                          Mansione{"000103000011", "ACROBATA", "C1"}})
        inserisciChiave(
            215, m.chiave,
            aggiungiRecord(
                214, Disposizione(60).a(1, m.chiave).a(13, m.descrizione).a(53, m.codice).testo));
    archive::RICREAFILE(223);
    inizializzaIndice(224);
    for (const auto& [codice, primo, secondo] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"00201", "CCNL TEATRI", "00185000"}, {"00202", "CCNL ORCHESTRE", "00192050"}})
        inserisciChiave(
            224, codice,
            aggiungiRecord(223, Disposizione(40).a(1, codice).a(6, primo).a(24, secondo).testo));

    // Files the program only opens and closes: created empty.
    for (double n : {11.0, 33.0, 115.0})
        archive::RICREAFILE(n);
}

void scriviDitte() {
    struct D {
        int codice;
        const char* nome;
        int stato;
        const char* settore;
    };
    const D ditte[] = {
        {1, "TEATRO LIRICO DEL SUD SRL", 0, "0001"},
        {2, "COMPAGNIA DELLA COMMEDIA", 0, "0004"},
        {3, "ORCHESTRA SINFONICA ADRIATICA", 0, "0002"},
        {4, "CIRCO SPETTACOLI RIUNITI", 99, "0001"},
        {5, "FESTIVAL JAZZ DELLA LAGUNA", 0, "0002"},
    };
    archive::RICREAFILE(1);
    for (const auto& d : ditte)
        scriviDitta({d.codice,
                     d.nome,
                     d.stato,
                     {{T067, d.settore},
                      {T038, "ENPALS"},
                      {TA47, "ALIQ.33%"},
                      {T039, "INAIL"},
                      {TA48, "TARIFFA 0511"},
                      {T040, "FONDO"},
                      {TA49, "CCNL SPETT."}}});
}

void scriviDipendenti() {
    archive::RICREAFILE(2);
    inizializzaIndice(7);
    std::vector<long> tenuti;
    int i = 0;
    for (const auto& r : DIPENDENTI) {
        const double numero = scriviDipendente(dipendenteDi(r, i++));
        if (r.stato == 'T') tenuti.push_back(static_cast<long>(numero));
    }
    scriviBitmap(TASK_DEMO, {tenuti.front()});  // one held worker; the other 'T' is free
}

void scriviFile(const fs::path& percorso, const std::string& contenuto) {
    fs::create_directories(percorso.parent_path());
    platform::sostituisciFile(percorso.string(), contenuto);
}

}  // namespace

std::vector<VoceCatalogo> catalogoDemo() {
    return {
        {1, "DITTE.DAT", 6500},
        {2, "DIPEND.DAT", 16128},
        {4, "COMUNI.DAT", 32},
        {6, "QZANNO.DAT", 100},
        {7, "DIPEND.IDX", lunghezzaIndice(10)},
        {8, "SETTORI.DAT", 1400},
        {11, "DIPSTO.DAT", 16128},
        {19, "FISCALI.DAT", 3100},
        {33, "DIPPRO.DAT", 16128},
        {41, "HELPTXT.DAT", 50},
        {48, "PROFESS.DAT", 256},
        {106, "CARSET.DAT", 20},
        {109, "SCELTE$$.TXT", 100},
        {115, "VXAPPO.DAT", 100},
        {160, "ENPALS.TAB", 80},
        {212, "ATTIVITA.DAT", 40},
        {213, "ATTIVITA.IDX", lunghezzaIndice(6)},
        {214, "MANSIONI.DAT", 60},
        {215, "MANSIONI.IDX", lunghezzaIndice(12)},
        {216, "AIUTI.DAT", 50},
        {217, "AIUTI.IDX", lunghezzaIndice(3)},
        {223, "CONTRATT.DAT", 40},
        {224, "CONTRATT.IDX", lunghezzaIndice(5)},
        {253, "ENPALS.TAB", 80},
        {312, "SWBI**.DAT", 1000},
        {401, "QUALIF.DAT", 1500},
    };
}

void creaArchivioDemo(const std::string& cartellaArchivi) {
    preparaArchivio(cartellaArchivi, catalogoDemo());
    try {
        scriviDitte();
        scriviDipendenti();
        scriviDefinizioni(160, definizioniDemo());
        std::istringstream comuni{std::string(fiscalcode::elencoComuniDemo())};
        fiscalcode::scriviFileComuni(fiscalcode::leggiElencoComuni(comuni, "elenco dei comuni"));
        scriviTabelleAiuto();
        scriviArchiviMinori();
    } catch (...) {
        archive::CHIUDIFILE(0);
        throw;
    }
    archive::CHIUDIFILE(0);
}

std::vector<DipendenteDemo> dipendentiDemo() {
    std::vector<DipendenteDemo> elenco;
    double numero = 0;
    bool primoTask = true;
    for (const auto& r : DIPENDENTI) {
        std::string esito = esitoDi(r);
        if (r.stato == 'T' && !primoTask) esito = "riassumibile (P054 1, P168 4)";
        if (r.stato == 'T') primoTask = false;
        elenco.push_back({chiaveDi(r), r.cognome, r.nome, ++numero, esito});
    }
    return elenco;
}

std::vector<std::string> creaDemo(const std::string& cartella) {
    const fs::path destinazione = fs::absolute(fs::path(cartella)).lexically_normal();
    std::error_code ec;
    if (fs::exists(destinazione, ec) &&
        (!fs::is_directory(destinazione, ec) || !fs::is_empty(destinazione, ec)))
        throw ErroreCostruzione("la cartella " + destinazione.string() + " esiste e non e' vuota");
    // Built beside the destination and renamed into place at the end: an interrupted build
    // never leaves a half-made installation where the program would look for one.
    fs::create_directories(destinazione.parent_path());
    const fs::path lavoro = destinazione.string() + ".in-costruzione";
    fs::remove_all(lavoro);
    try {
        scriviFile(lavoro / "C/PTORVALE/QZPERARK.QZP", "C:\\PONTEVAL\\ARCHIVI\r\n");
        scriviFile(lavoro / "C/PTORVALE/QZPERPRO.QZP", "C:\\PONTEVAL\\PROGRAMMI\r\n");
        scriviFile(lavoro / "C/VXSTASK/VXSTASK.INI", "01" + runtime::SPACE(98) + "\r\n");
        scriviFile(lavoro / "registro.reg",
                   "Windows Registry Editor Version 5.00\r\n\r\n"
                   "[HKEY_CURRENT_USER\\SOFTWARE\\ZELCORIN\\PONTEVAL]\r\n"
                   "\"PERCORSOARCHIVI\"=\"C:\\\\PONTEVAL\\\\ARCHIVI\"\r\n"
                   "\"PERCORSOPROGRAMMI\"=\"C:\\\\PONTEVAL\\\\PROGRAMMI\"\r\n");
        fs::create_directories(lavoro / "C/PONTEVAL/PROGRAMMI");
        creaArchivioDemo((lavoro / "C/PONTEVAL/ARCHIVI").string());
        if (fs::exists(destinazione)) fs::remove(destinazione);  // empty, checked above
        fs::rename(lavoro, destinazione);
    } catch (...) {
        archive::CHIUDIFILE(0);
        fs::remove_all(lavoro, ec);
        throw;
    }
    return {"PONTEVAL_UNITA=" + destinazione.string(),
            "PONTEVAL_REGISTRO=" + (destinazione / "registro.reg").string()};
}

}  // namespace tools
