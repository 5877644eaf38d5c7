// The demo installation's content and the builder blocks, in-process.

#include "archive/catalogo.h"
#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "fiscalcode/codice_fiscale.h"
#include "runtime/testo.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"
#include "tools/demo.h"

namespace {

using namespace dictionary;

class Demo : public supporto::ProvaBase {};

// Every worker as the README describes him, fiscal code valid, birthplace known; task 3's one.
TEST_F(Demo, OgniDipendenteMostraQuelloCheIlReadmeDice) {
    supporto::CartellaTemporanea cartella;
    tools::creaArchivioDemo(cartella.file("archivi"));
    archive::ANNOOPEN = "03", archive::FAIOPEN(312), archive::FAIOPEN(2);
    ASSERT_EQ(archive::LEGGIREC(312, 1), 0);
    const std::string bitmap = archive::AREAREC[312];
    int task3 = 0;
    for (const auto& d : tools::dipendentiDemo()) {
        ASSERT_EQ(archive::LEGGIREC(2, d.numeroRecord), 0);
        const std::string r = archive::AREAREC[2], cf = runtime::MID(r, 9575, 16);
        EXPECT_EQ(RepoR(P001, 0, r) + runtime::RTRIM(RepoR(P002, 0, r)), d.chiave + d.cognome);
        // In force: P054 clear; rehirable: P054 set and P168 at least 2.
        const bool riassumibile = d.esito.starts_with("riassumibile"), cessata = d.esito.find("ditta 4") != std::string::npos;
        if (!cessata) { EXPECT_EQ(RepoRN(P054, 0, r) != 0, d.esito.find("in forza") == std::string::npos || riassumibile) << d.cognome; }
        if (riassumibile) { EXPECT_GE(RepoRN(P168, 0, r), 2) << d.cognome; }
        EXPECT_EQ(fiscalcode::CONTROLLACF(cf), 0) << cf;
        EXPECT_NE(runtime::TRIM(runtime::MID(fiscalcode::DECODIFICACF_S(cf), 7, 20)), runtime::MID(cf, 12, 4)) << cf;
        const long n = static_cast<long>(d.numeroRecord) - 1;
        const bool bit = (static_cast<unsigned char>(bitmap[n / 8]) >> (7 - n % 8)) & 1;
        EXPECT_EQ(bit, d.esito.find("task 3") != std::string::npos) << d.cognome;
        task3 += bit;
    }
    EXPECT_EQ(task3, 1);
}

TEST(Costruttore, RecordDiCatalogoEDiDefinizioneECodiceFiscale) {
    tools::RigaDefinizione riga;
    riga.descrizione = "POSIZIONE ENPALS", riga.lunghezza = 1, riga.tipo = 'N', riga.posizione = 2401;
    riga.aiuto = 10, riga.archivio = 998, riga.setCaratteri = 12;
    const std::string r = tools::recordDefinizione(riga);
    EXPECT_EQ(runtime::MID(r, 4, 36) + runtime::MID(r, 43, 12), "POSIZIONE ENPALS          01N    012998 00102401");
    // Four consonants in the name: first, third and fourth; women add 40 to the day.
    EXPECT_EQ(tools::codiceFiscale("ROSSI", "FRANCESCA", "05071982", 'F', "H501").substr(0, 15), "RSSFNC82L45H501");
    EXPECT_EQ(tools::codiceFiscale("FO", "LI", "01011990", 'M', "F205").substr(0, 6), "FOXLIX");
    riga.aiuto = 15;  // would need character 50 to be "5" while the position needs "0"
    const std::function<void()> rifiutati[] = {[] { tools::recordCatalogo({7, std::string(30, 'X'), 10}); },
        [] { tools::recordCatalogo({601, "X", 10}); }, [&] { tools::recordDefinizione(riga); }, [] { tools::scriviBitmap(17, {}); },
        [] { tools::codiceFiscale("ROSSI", "MARIO", "31131990", 'M', "H501"); }};
    for (const auto& f : rifiutati) EXPECT_THROW(f(), tools::ErroreCostruzione);
}

}  // namespace
