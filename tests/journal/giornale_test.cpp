// The re-hire journal on a real demo installation: write-ahead, undo and its refusal, damaged
// lines, and the failures of the disk through the fault-injection switch; the codecs it
// relies on against known vectors (the fuzz target round-trips arbitrary bytes through
// base64 and the code page).

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sstream>

#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "dictionary/scrittura.h"
#include "installazione_giornale.h"
#include "journal/base64.h"
#include "journal/giornale.h"
#include "platform/guasti.h"
#include "tools/comandi.h"

namespace {

using journal::Stato;

TEST(Base64, VettoriNotiETestiNonValidi) {
    // The vectors of RFC 4648: the prefixes of "foobar".
    const char* noti[] = {"", "Zg==", "Zm8=", "Zm9v", "Zm9vYg==", "Zm9vYmE=", "Zm9vYmFy"};
    for (size_t i = 0; i < std::size(noti); ++i) {
        EXPECT_EQ(journal::codificaBase64(std::string("foobar", i)), noti[i]);
        EXPECT_EQ(journal::decodificaBase64(noti[i]), std::string("foobar", i));
    }
    for (const char* cattivo : {"Zg=", "Zg=a", "Z===", "Zh==", "Zm9=", "Zm9v!A==", "=Zm9", "Zm=v",
                                "Zm9vYg==Zm9v", "Zm9v\n"})
        EXPECT_FALSE(journal::decodificaBase64(cattivo)) << cattivo;
}

// A line too long to keep is passed on empty, marked; the next one is whole.
TEST(Righe, RigheTroppoLunghe) {
    std::vector<std::string> r;
    journal::Righe righe(
        [&](long, std::string_view t, bool lunga) { r.emplace_back(lunga ? "!" : t); }, 3);
    for (const char* pezzo : {"abcd\nab\r", "\nabc", "d"})
        righe.aggiungi(pezzo);
    righe.fine();
    EXPECT_EQ(r, (std::vector<std::string>{"!", "ab", "!"}));
}

class Giornale : public prove::InstallazioneGiornale {
  protected:
    void TearDown() override {
        platform::disarmaGuasti();
        InstallazioneGiornale::TearDown();
    }

    // A change to record 1: termination cleared, a stretch of unnamed positions overwritten.
    std::string cambiamento() {
        std::string r = record(1);
        dictionary::RepoW(dictionary::P054, std::string_view{}, 0, r);
        r.replace(5000, 20, std::string(20, 'X'));
        return r;
    }

    void scrivi(const std::string& dopo) {
        archive::FAIOPEN(2);
        archive::APRISEMA();
        journal::scriviConGiornale(1, dopo);
        archive::CHIUDISEMA();
    }

    std::vector<std::pair<long, Stato>> stati() {
        std::vector<std::pair<long, Stato>> s;
        for (const auto& r : journal::leggiGiornale().righe)
            if (r.voce) s.emplace_back(r.numero, r.stato);
        return s;
    }

    int comando(const std::function<int(tools::Flussi&)>& c, std::string& out, std::string& err) {
        std::istringstream in;
        std::ostringstream o, e;
        tools::Flussi f{in, o, e};
        const int esito = tools::eseguiComando(f, [&] { return c(f); });
        out = o.str();
        err = e.str();
        return esito;
    }
};

TEST_F(Giornale, AnnullaRimetteIlRecordEPuoEssereAnnullato) {
    const std::string vecchio = record(1), nuovo = cambiamento();
    namespace fs = std::filesystem;
    fs::permissions(cartellaArchivio, fs::perms(0750));
    scrivi(nuovo);
    ASSERT_EQ(record(1), nuovo);
    // A new journal is as open as the archive directory, whatever the umask.
    EXPECT_EQ(fs::status(cartellaArchivio + "/VXMIRA.JNL").permissions(), fs::perms(0640));
    const auto voce = journal::leggiRiga(giornale().substr(0, giornale().size() - 1), 1);
    ASSERT_TRUE(voce.voce) << voce.guasto;
    EXPECT_EQ(voce.voce->prima, vecchio);
    EXPECT_EQ(voce.voce->dopo, nuovo);
    EXPECT_EQ(voce.voce->chiave, "0010000001");

    const auto e = journal::annulla(1);
    ASSERT_TRUE(e.fatto) << e.motivo;
    EXPECT_EQ(e.nuova, 2);
    EXPECT_EQ(record(1), vecchio);
    EXPECT_EQ(stati(),
              (std::vector<std::pair<long, Stato>>{{1, Stato::Annullata}, {2, Stato::Applicata}}));
    // The undo is an entry like any other: undoing it brings the change back.
    ASSERT_TRUE(journal::annulla(2).fatto);
    EXPECT_EQ(record(1), nuovo);
    EXPECT_EQ(stati(), (std::vector<std::pair<long, Stato>>{
                           {1, Stato::Applicata}, {2, Stato::Annullata}, {3, Stato::Applicata}}));

    std::string out, err;
    EXPECT_EQ(
        comando([](tools::Flussi& f) { return tools::comandoGiornale(f, "1", {}); }, out, err), 0);
    EXPECT_NE(out.find("\nchiave\t0010000001\nstato\tapplicata\ncampo\tP054\t1\t0\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\nposizioni\t5001-5020\t"), std::string::npos) << out;
}

TEST_F(Giornale, AnnullaRifiutatoDopoUnAltroCambiamentoNonScriveNulla) {
    scrivi(cambiamento());
    // Another program renames the worker afterwards.
    std::string r = record(1);
    dictionary::RepoW(dictionary::P002, std::string_view("ROSSI"), 0, r);
    archive::SCRIVIREC(2, 1, r);
    archive::CHIUDIFILE(0);
    const std::string dati = dipendenti(), righe = giornale();

    std::string out, err;
    EXPECT_EQ(comando([](tools::Flussi& f) { return tools::comandoAnnulla(f, "1"); }, out, err), 1);
    EXPECT_NE(err.find("cambiati: P002"), std::string::npos) << err;
    EXPECT_EQ(out.rfind("campo\tP002\t", 0), 0u) << out;
    EXPECT_EQ(dipendenti(), dati);
    EXPECT_EQ(giornale(), righe);
    EXPECT_EQ(stati(), (std::vector<std::pair<long, Stato>>{{1, Stato::ModificataDopo}}));
}

TEST_F(Giornale, RigheDanneggiateSonoSaltateENonFermanoNulla) {
    std::string altro = record(1);
    dictionary::RepoW(dictionary::P002, std::string_view("ROSSI"), 0, altro);
    scrivi(cambiamento());
    scriviGiornale(giornale() + "non json\n{\"tipo\":\"boh\"}\n\n{\"tipo\":\"riassunzione\",\"o");
    scrivi(altro);  // after a crash that cut the last line
    const auto g = journal::leggiGiornale();
    std::vector<std::pair<long, std::string>> letti;
    for (const auto& r : g.righe)
        letti.emplace_back(r.numero, r.voce ? journal::nomeStato(r.stato) : "guasta: " + r.guasto);
    EXPECT_EQ(letti,
              (std::vector<std::pair<long, std::string>>{{1, "modificata dopo"},
                                                         {2, "guasta: non e' JSON"},
                                                         {3, "guasta: tipo sconosciuto \"boh\""},
                                                         {5, "guasta: non e' JSON"},
                                                         {6, "applicata"}}));
    std::string out, err;
    EXPECT_EQ(comando([](tools::Flussi& f) { return tools::comandoGiornale(f, {}, {}); }, out, err),
              0);
    EXPECT_NE(out.find("\n5\tdanneggiata\tnon e' JSON\n6\t"), std::string::npos) << out;
}

// The append fails (write or flush): the record stays as it was. The record write fails
// after the append: the entry reads "not applied".
TEST_F(Giornale, GuastiDelDisco) {
    const struct {
        platform::Chiamata chiamata;
        int ennesima;
        size_t righe;  // entries that reached the file
    } casi[] = {{platform::Chiamata::Scrittura, 1, 0},
                {platform::Chiamata::Sincronia, 1, 1},
                {platform::Chiamata::Scrittura, 2, 1}};
    for (const auto& c : casi) {
        scriviGiornale("");
        const std::string dati = dipendenti();
        platform::armaGuasto(c.chiamata, c.ennesima, EIO);
        EXPECT_NE(supporto::erroreDi([&] { scrivi(cambiamento()); }), 0);
        platform::disarmaGuasti();
        archive::CHIUDIFILE(0);
        EXPECT_EQ(dipendenti(), dati);
        const std::pair<long, Stato> nonApplicata{1, Stato::NonApplicata};
        EXPECT_EQ(stati(), (std::vector<std::pair<long, Stato>>(c.righe, nonApplicata)));
    }
}

}  // namespace
