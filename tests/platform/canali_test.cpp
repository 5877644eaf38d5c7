// The channel table: numbering, modes and text lines on real files.

#include "platform/canali.h"

#include "runtime/errore.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

namespace {

using namespace platform;
using supporto::erroreDi;

class Canali : public ::testing::Test {
  protected:
    supporto::CartellaTemporanea t;
    std::string p(const std::string& nome) { return t.file(nome); }
    void TearDown() override { chiudiTuttiICanali(); }
};

TEST_F(Canali, NumerazioneEModi) {
    EXPECT_EQ(canaleLibero(), 1);
    apriBinario(1, p("a.dat")), apriBinario(2, p("b.dat"));
    EXPECT_EQ(canaleLibero(), 3);
    chiudiCanale(1), chiudiCanale(1);  // closing a closed channel does nothing
    EXPECT_EQ(canaleLibero(), 1);
    EXPECT_EQ(erroreDi([&] { apriBinario(2, p("c.dat")); }), runtime::ERR_FILE_GIA_APERTO);
    EXPECT_EQ(erroreDi([&] { apriBinario(256, p("c.dat")); }), runtime::ERR_CANALE);
    EXPECT_EQ(erroreDi([&] { apriIngresso(3, p("manca.txt")); }), runtime::ERR_FILE_NON_TROVATO);
    EXPECT_EQ(erroreDi([&] { apriBinario(3, p("manca/x.dat")); }), runtime::ERR_PERCORSO);
    EXPECT_EQ(erroreDi([&] { apriIngresso(3, t.percorso()); }), runtime::ERR_ACCESSO_PERCORSO);
    EXPECT_FALSE(canaleAperto(3));
    // All 255 channels taken: "too many files".
    for (int c = PRIMO_CANALE; c <= ULTIMO_CANALE; ++c)
        if (!canaleAperto(c)) apriBinarioLettura(c, p("a.dat"));
    EXPECT_EQ(erroreDi([] { canaleLibero(); }), runtime::ERR_TROPPI_FILE);
    chiudiTuttiICanali();
    EXPECT_EQ(canaleLibero(), PRIMO_CANALE);
    EXPECT_FALSE(canaleAperto(ULTIMO_CANALE));
}

TEST_F(Canali, RigheDiTestoEAggiunte) {
    t.scrivi("righe.txt", std::string("uno\r\ndue\rtre\n\nultima senza fine"));
    apriIngresso(1, p("righe.txt"));
    std::string riga;
    std::vector<std::string> lette;
    while (!fineFile(1) && leggiRiga(1, riga)) lette.push_back(riga);
    EXPECT_EQ(lette, (std::vector<std::string>{"uno", "due", "tre", "", "ultima senza fine"}));
    EXPECT_FALSE(leggiRiga(1, riga));
    EXPECT_EQ(erroreDi([] { scriviRiga(1, "x"); }), runtime::ERR_MODO_FILE);
    // A CR LF split across two reads is still one line end.
    const std::string lunga(65535, 'x');
    t.scrivi("lunga.txt", lunga + "\r\nseconda\r\n");
    apriIngresso(2, p("lunga.txt"));
    EXPECT_TRUE(leggiRiga(2, riga) && riga == lunga);
    EXPECT_TRUE(leggiRiga(2, riga) && riga == "seconda" && fineFile(2));
    // Appends from many processes at once: the journal's many-process test.
}

}  // namespace
