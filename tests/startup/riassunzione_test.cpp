// The re-hire rules on the worker buffer alone (the clearing: the whole-run tests); the journal
// entry written ahead of the worker record holds exactly the bytes before and after.

#include <algorithm>
#include <regex>

#include <nlohmann/json.hpp>

#include "archive/record.h"
#include "archive/slot_file.h"
#include "dictionary/buffers.h"
#include "dictionary/descrittori.h"
#include "dictionary/scrittura.h"
#include "journal/base64.h"
#include "journal/differenze.h"
#include "journal/installazione_giornale.h"
#include "startup/riassunzione.h"

namespace {

class Riassunzione : public supporto::ProvaBase {
  protected:
    bool provaIdoneo(const std::string& cessato, const std::string& enpals) {
        dictionary::DIPX_S = std::string(16128, ' ');
        dictionary::RepoW(dictionary::P054, cessato), dictionary::RepoW(dictionary::P168, enpals);
        const std::string prima = dictionary::DIPX_S;
        const bool esito = startup::dipendenteIdoneo();
        EXPECT_EQ(dictionary::DIPX_S, prima);  // the test reads only
        return esito;
    }
};

TEST_F(Riassunzione, IdoneitaEMessaggi) {
    EXPECT_FALSE(provaIdoneo("0", "5"));
    EXPECT_EQ(ui().ultimoTesto(), startup::MSG_NON_CESSATO);
    for (const char* enpals : {"0", "1"})
        for (const char* cessato : {"1", "2"}) {
            EXPECT_FALSE(provaIdoneo(cessato, enpals));
            EXPECT_EQ(ui().ultimoTesto(), startup::MSG_NON_ENPALS);
        }
    ui().messaggi.clear();
    for (const char* enpals : {"2", "3", "9"}) EXPECT_TRUE(provaIdoneo("1", enpals));
    EXPECT_TRUE(provaIdoneo("2", "2"));
    EXPECT_TRUE(ui().messaggi.empty());
}

using RiassunzioneGiornale = prove::InstallazioneGiornale;

TEST_F(RiassunzioneGiornale, UnaRigaConLeImmaginiDelFileBytePerByte) {
    // Worker 1 accepted and its termination cleared; then the rebuild and write.
    const std::string prima = record(1);
    archive::FAIOPEN(2), archive::LEGGIREC(2, 1);
    dictionary::DIPX_S = archive::AREAREC[2];
    startup::azzeraCessazione();
    EXPECT_EQ(supporto::codiceEvento([] { startup::scriviNuovoAssunto(1); }), -1);
    archive::CHIUDIFILE(0);
    const std::string dopo = record(1), righe = giornale();
    ASSERT_NE(dopo, prima);
    ASSERT_EQ(std::count(righe.begin(), righe.end(), '\n'), 1);
    const auto j = nlohmann::json::parse(righe);
    const nlohmann::json attesi = {{"tipo", "riassunzione"}, {"programma", "VXMIRA"}, {"task", "01"},
                                   {"file", 2}, {"record", 1}, {"chiave", "0010000001"}};
    for (const auto& [nome, valore] : attesi.items()) EXPECT_EQ(j[nome], valore) << nome;
    EXPECT_TRUE(std::regex_match(j["ora"].get<std::string>(), std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)")));
    EXPECT_FALSE(j["utente"].get<std::string>().empty());
    EXPECT_EQ(journal::decodificaBase64(j["prima"].get<std::string>()), prima);
    EXPECT_EQ(journal::decodificaBase64(j["dopo"].get<std::string>()), dopo);

    // The fields by short name as the field reader gives them; the two cleared ones among them.
    EXPECT_EQ(j["campi"].size(), journal::confronta(prima, dopo).campi.size());
    const nlohmann::json p054 = {{"campo", "P054"}, {"prima", "1"}, {"dopo", "0"}};
    EXPECT_NE(std::find(j["campi"].begin(), j["campi"].end(), p054), j["campi"].end());
    EXPECT_FALSE(j["altre_posizioni"].empty());  // the fiscal code and the rest, blanked
}

}  // namespace
