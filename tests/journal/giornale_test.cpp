// The re-hire journal on a demo installation; base64 against known vectors (and fuzzed).

#include "archive/record.h"
#include "archive/semaforo.h"
#include "archive/slot_file.h"
#include "dictionary/descrittori.h"
#include "dictionary/scrittura.h"
#include "installazione_giornale.h"
#include "journal/base64.h"
#include "journal/giornale.h"

namespace {

namespace fs = std::filesystem;

TEST(Base64, VettoriNotiETestiNonValidi) {
    // The vectors of RFC 4648: the prefixes of "foobar".
    const char* noti[] = {"", "Zg==", "Zm8=", "Zm9v", "Zm9vYg==", "Zm9vYmE=", "Zm9vYmFy"};
    for (size_t i = 0; i < std::size(noti); ++i) {
        EXPECT_EQ(journal::codificaBase64(std::string("foobar", i)), noti[i]);
        EXPECT_EQ(journal::decodificaBase64(noti[i]), std::string("foobar", i));
    }
    for (const char* cattivo : {"Zg=", "Zg=a", "Z===", "Zh==", "Zm9=", "Zm9v!A==", "=Zm9", "Zm=v", "Zm9vYg==Zm9v", "Zm9v\n"})
        EXPECT_FALSE(journal::decodificaBase64(cattivo)) << cattivo;
}

class Giornale : public prove::InstallazioneGiornale {
  protected:
    // A change to record 1: termination cleared, a stretch of unnamed positions overwritten.
    std::string cambiamento() {
        std::string r = record(1);
        dictionary::RepoW(dictionary::P054, std::string_view{}, 0, r);
        r.replace(5000, 20, std::string(20, 'X'));
        return r;
    }

    void scrivi(const std::string& dopo) {
        archive::FAIOPEN(2), archive::APRISEMA();
        journal::scriviConGiornale(1, dopo);
        archive::CHIUDISEMA();
    }

    // Every line of the journal read back: "number state, ", or "number: why, " when damaged.
    std::string stati() {
        std::string s;
        for (const auto& r : journal::leggiGiornale().righe)
            s += std::to_string(r.numero) + (r.voce ? " " + std::string(journal::nomeStato(r.stato)) : ": " + r.guasto) + ", ";
        return s;
    }

    // Runs a vxarchivio command; its exit code, and what it wrote to `out` (both streams).
    int comando(const std::function<int(tools::Flussi&)>& c, std::string& out) {
        std::istringstream in;
        std::ostringstream o;
        tools::Flussi f{in, o, o};
        const int esito = tools::eseguiComando(f, [&] { return c(f); });
        out = o.str();
        return esito;
    }
};

// The entry itself is checked by the re-hire's tests, the first undo by the end-to-end run.
TEST_F(Giornale, AnnullaSoloSeNessunoHaCambiatoIlRecordRigheDanneggiateSaltate) {
    const std::string vecchio = record(1), nuovo = cambiamento();
    fs::permissions(cartellaArchivio, fs::perms(0750));
    scrivi(nuovo);
    // A new journal is as open as the archive directory, whatever the umask.
    EXPECT_EQ(fs::status(cartellaArchivio + "/VXMIRA.JNL").permissions(), fs::perms(0640));
    ASSERT_TRUE(journal::annulla(1).fatto);
    EXPECT_EQ(record(1), vecchio);
    // The undo is an entry like any other: undoing it brings the change back.
    ASSERT_TRUE(journal::annulla(2).fatto);
    EXPECT_EQ(record(1), nuovo);
    std::string out;
    EXPECT_EQ(comando([](tools::Flussi& f) { return tools::comandoGiornale(f, "1", {}); }, out), 0);
    EXPECT_NE(out.find("\nchiave\t0010000001\nstato\tapplicata\ncampo\tP054\t1\t0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nposizioni\t5001-5020\t"), std::string::npos) << out;

    // Another program renames the worker afterwards: the undo is refused, nothing is written.
    std::string r = record(1);
    dictionary::RepoW(dictionary::P002, std::string_view("ROSSI"), 0, r);
    archive::FAIOPEN(2), archive::SCRIVIREC(2, 1, r), archive::CHIUDIFILE(0);
    const std::string dati = dipendenti(), righe = giornale();
    EXPECT_EQ(comando([](tools::Flussi& f) { return tools::comandoAnnulla(f, "3"); }, out), 1);
    EXPECT_NE(out.find("cambiati: P002"), std::string::npos) << out;
    EXPECT_EQ(dipendenti(), dati);
    EXPECT_EQ(giornale(), righe);

    // Damaged lines are skipped and reported, also one cut by a crash before the next entry.
    scriviGiornale(giornale() + "non json\n{\"tipo\":\"boh\"}\n\n{\"tipo\":\"riassunzione\",\"o");
    dictionary::RepoW(dictionary::P002, std::string_view("BIANCHI"), 0, r);
    scrivi(r);
    EXPECT_EQ(stati(), "1 modificata dopo, 2 annullata, 3 modificata dopo, 4: non e' JSON, "
              "5: tipo sconosciuto \"boh\", 7: non e' JSON, 8 applicata, ");
}

// A failed append leaves the record as it was; a failed record write after it is "not applied".
TEST_F(Giornale, GuastiDelDisco) {
    const struct { platform::Chiamata chiamata; int ennesima; std::string stati; } casi[] = {  // stati: the entry, if written
        {platform::Chiamata::Scrittura, 1, ""}, {platform::Chiamata::Sincronia, 1, "1 non applicata, "},
        {platform::Chiamata::Scrittura, 2, "1 non applicata, "}};
    for (const auto& c : casi) {
        scriviGiornale("");
        const std::string dati = dipendenti();
        platform::armaGuasto(c.chiamata, c.ennesima, EIO);
        EXPECT_NE(supporto::erroreDi([&] { scrivi(cambiamento()); }), 0);
        platform::disarmaGuasti(), archive::CHIUDIFILE(0);
        EXPECT_EQ(dipendenti(), dati);
        EXPECT_EQ(stati(), c.stati);
    }
}

}  // namespace
