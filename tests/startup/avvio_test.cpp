// The whole run in-process on a fresh demo installation, the windows scripted.

#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/lettura.h"
#include "journal/installazione_giornale.h"
#include "platform/fine_programma.h"
#include "startup/avvio.h"
#include "startup/riassunzione.h"
#include "windows/common/scambio.h"

namespace fs = std::filesystem;
using platform::Icona, platform::Risposta, windows::ESITO_I, windows::SCAMBIO_S;

namespace {

constexpr const char* IDONEO = "0010000001";       // left, fixed-term ENPALS
constexpr const char* IN_SERVIZIO = "0010000003";  // has not left
constexpr const char* NON_ENPALS = "0010000004";   // P168 = 1

class Avvio : public prove::InstallazioneGiornale {
  protected:
    void SetUp() override {
        InstallazioneGiornale::SetUp();
        supporto::azzeraTutto();  // the program starts from nothing
        ui().registraFinestra("CODVEC", [this] {
            SCAMBIO_S[50] = chiavi.empty() ? "" : chiavi.front();
            if (!chiavi.empty()) chiavi.pop_front();
        });
        ui().registraFinestra("Fines", [this] { ESITO_I[25] = pagineLasciate ? 1 : ESITO_I[25]; });
        ui().registraFinestra("MENU2", [this] {
            recordDiLavoro = SCAMBIO_S[1];
            startup::finestre().menu2->Tasto_Uscita_Click();
        });
        prima = istantanea();
    }
    void TearDown() override { startup::azzeraAvvio(), InstallazioneGiornale::TearDown(); }

    // Every file of the installation but the task file, which every run writes back.
    std::map<std::string, std::string> istantanea() const {
        std::map<std::string, std::string> file;
        for (const auto& e : fs::recursive_directory_iterator(a.temporaneo("demo")))
            if (e.is_regular_file() && e.path().filename() != "VXSTASK.INI" && e.path().filename() != "QZSEMA.DAT")
                file[e.path().string()] = supporto::leggiFile(e.path());
        return file;
    }

    int esegui() { return supporto::codiceFine([] { startup::MAIN(); }); }
    long contaModali(const std::string& nome) { return std::count(ui().modali.begin(), ui().modali.end(), nome); }

    std::map<std::string, std::string> prima;
    std::deque<std::string> chiavi;
    bool pagineLasciate = true;
    std::string recordDiLavoro;
};

TEST_F(Avvio, LasciareSubitoFinisceSenzaLeggereDipendenti) {
    for (const char* chiave : {"", "          "}) {
        chiavi = {chiave};
        EXPECT_EQ(esegui(), platform::USCITA_NORMALE);
        for (const auto& voce : archive::TRACCIA_ELENCO) EXPECT_NE(voce.rfind("LEGGIREC (2-", 0), 0u) << voce;
        EXPECT_TRUE(ui().messaggi.empty() && istantanea() == prima);
        startup::azzeraAvvio(), supporto::azzeraTutto();
    }
}

TEST_F(Avvio, DipendentiRifiutatiRiportanoAllaSelezione) {
    chiavi = {IN_SERVIZIO, NON_ENPALS, "9999999999"};
    EXPECT_EQ(esegui(), platform::USCITA_NORMALE);
    EXPECT_TRUE(contaModali("CODVEC") == 4 && contaModali("Fines") == 0);
    ASSERT_EQ(ui().messaggi.size(), 3u);
    EXPECT_EQ(ui().messaggi[0].testo, startup::MSG_NON_CESSATO);
    EXPECT_EQ(ui().messaggi[1].testo, startup::MSG_NON_ENPALS);
    // A key the index does not hold is refused, not read as record -1.
    EXPECT_EQ(ui().messaggi[2].testo, "IL CODICE DIPENDENTE 9999999999 NON ESISTE");
    EXPECT_EQ(istantanea(), prima);
}

TEST_F(Avvio, RispostaSiScriveIlNuovoAssunto) {
    chiavi = {IN_SERVIZIO, IDONEO};
    const std::string vecchio = record(1);
    ui().rispondi({Risposta::OK, Risposta::Si});  // the refusal, then the question
    EXPECT_EQ(esegui(), platform::USCITA_NORMALE);

    const std::string nuovo = record(1);
    ASSERT_EQ(nuovo.size(), vecchio.size());
    EXPECT_EQ(dictionary::RepoR(dictionary::P054, 0, nuovo) + dictionary::RepoR(dictionary::P017, 0, nuovo) +
              dictionary::RepoR(dictionary::P001, 0, nuovo), std::string("000000000") + IDONEO);

    // Every kept field as it was (the two cleared ones aside), every other position blank.
    std::string atteso(vecchio.size(), ' ');
    for (std::string_view campo : dictionary::CAMPI_CONSERVATI) {
        const size_t da = std::stoul(std::string(campo.substr(6, 5))) - 1, n = std::stoul(std::string(campo.substr(12, 2)));
        atteso.replace(da, n, nuovo.substr(da, n));
        // Blank amounts come back as zeros: the field writer stores numbers.
        const bool importoVuoto = (campo[15] == '2' || campo[15] == '5') && vecchio.substr(da, n).find_first_not_of(' ') == std::string::npos;
        if (campo != dictionary::P054 && campo != dictionary::P017 && !importoVuoto) { EXPECT_EQ(nuovo.substr(da, n), vecchio.substr(da, n)) << campo; }
    }
    EXPECT_EQ(nuovo, atteso);

    // No other file changed (the other workers are checked by the end-to-end run).
    auto dopo = istantanea();
    prima.erase(fileDipendenti), dopo.erase(fileDipendenti);
    // The re-hire journal is the one new file (its entry is checked by the journal's tests).
    EXPECT_EQ(std::erase_if(dopo, [](const auto& f) { return fs::path(f.first).filename() == "VXMIRA.JNL"; }), 1u);
    EXPECT_EQ(dopo, prima);
}

TEST_F(Avvio, UnaPaginaScelta_LaTabellaLavoraSulDipendenteEChiudendolaFinisce) {
    chiavi = {IDONEO};
    pagineLasciate = false;
    EXPECT_EQ(esegui(), platform::USCITA_NORMALE);
    EXPECT_EQ(contaModali("MENU2"), 1);
    // The worker record with its termination data already cleared.
    EXPECT_EQ(dictionary::RepoR(dictionary::P001, 0, recordDiLavoro) + dictionary::RepoR(dictionary::P054, 0, recordDiLavoro), std::string(IDONEO) + "0");
    // Closing the table ends the run: no question, nothing written.
    EXPECT_TRUE(ui().messaggi.empty() && istantanea() == prima);
}

// An index rebuild killed after its marker is finished first; then "No" writes nothing.
TEST_F(Avvio, UnaRiscritturaInterrottaDellIndiceSiCompletaAllAvvioERispostaNo) {
    const std::string indice = cartellaArchivio + "/DIPEND.IDX", buono = supporto::leggiFile(indice);
    supporto::scriviFile(indice + ".NUOVO", buono);
    supporto::scriviFile(indice + ".SCRITTURA", "DIPEND.IDX.NUOVO\t" + std::to_string(buono.size()) + "\r\n");
    supporto::scriviFile(indice, buono.substr(0, 3000) + std::string(5000, '#'));
    chiavi = {IDONEO};
    ui().rispondi({Risposta::No});
    EXPECT_EQ(esegui(), platform::USCITA_NORMALE);
    ASSERT_EQ(ui().messaggi.size(), 1u);
    EXPECT_EQ(ui().messaggi[0].icona, Icona::Domanda);
    EXPECT_EQ(istantanea(), prima);
}

}  // namespace
