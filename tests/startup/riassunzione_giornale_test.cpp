// The re-hire writes its journal entry ahead of the worker record, on a demo installation:
// the entry holds exactly the bytes before and after, and an append that fails leaves the
// worker file alone and ends in the error report.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <nlohmann/json.hpp>
#include <regex>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "archive/traccia.h"
#include "dictionary/buffers.h"
#include "journal/base64.h"
#include "journal/differenze.h"
#include "journal/installazione_giornale.h"
#include "platform/fine_programma.h"
#include "platform/guasti.h"
#include "startup/riassunzione.h"

namespace {

class RiassunzioneGiornale : public prove::InstallazioneGiornale {
  protected:
    void TearDown() override {
        platform::disarmaGuasti();
        InstallazioneGiornale::TearDown();
    }

    // Worker 1 accepted and its termination cleared; then the rebuild and write, behind the
    // program's event boundary.
    int riassumi() {
        archive::FAIOPEN(2);
        archive::LEGGIREC(2, 1);
        dictionary::DIPX_S = archive::AREAREC[2];
        startup::azzeraCessazione();
        return supporto::codiceFine(
            [] { archive::eventoProtetto([] { startup::scriviNuovoAssunto(1); }); });
    }
};

TEST_F(RiassunzioneGiornale, UnaRigaConLeImmaginiDelFileBytePerByte) {
    const std::string prima = record(1);
    EXPECT_EQ(riassumi(), -1);
    archive::CHIUDIFILE(0);
    const std::string dopo = record(1), righe = giornale();
    ASSERT_NE(dopo, prima);
    ASSERT_EQ(std::count(righe.begin(), righe.end(), '\n'), 1);
    const auto j = nlohmann::json::parse(righe);
    EXPECT_EQ(j["tipo"], "riassunzione");
    EXPECT_EQ(j["programma"], "VXMIRA");
    EXPECT_EQ(j["task"], "01");
    EXPECT_EQ(j["file"], 2);
    EXPECT_EQ(j["record"], 1);
    EXPECT_EQ(j["chiave"], "0010000001");
    EXPECT_TRUE(std::regex_match(j["ora"].get<std::string>(),
                                 std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")));
    EXPECT_FALSE(j["utente"].get<std::string>().empty());
    EXPECT_EQ(journal::decodificaBase64(j["prima"].get<std::string>()), prima);
    EXPECT_EQ(journal::decodificaBase64(j["dopo"].get<std::string>()), dopo);

    // The fields by short name as the field reader gives them; the two cleared ones among them.
    EXPECT_EQ(j["campi"].size(), journal::confronta(prima, dopo).campi.size());
    const nlohmann::json p054 = {{"campo", "P054"}, {"prima", "1"}, {"dopo", "0"}};
    EXPECT_NE(std::find(j["campi"].begin(), j["campi"].end(), p054), j["campi"].end());
    EXPECT_FALSE(j["altre_posizioni"].empty());  // the fiscal code and the rest, blanked
}

TEST_F(RiassunzioneGiornale, UnAppendFallitoLasciaIlFileEFinisceNelRapporto) {
    const std::string dati = dipendenti();
    platform::armaGuasto(platform::Chiamata::Scrittura, 1, ENOSPC);
    EXPECT_EQ(riassumi(), platform::USCITA_ERRORE);
    platform::disarmaGuasti();
    EXPECT_EQ(dipendenti(), dati);
    std::string rapporto;
    for (const auto& m : ui().messaggi)
        rapporto += m.testo + "\n";
    EXPECT_NE(rapporto.find("61"), std::string::npos) << rapporto;
    EXPECT_NE(rapporto.find("SCRIVIGIORNALE"), std::string::npos) << rapporto;
}

}  // namespace
