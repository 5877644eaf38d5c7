// Append channels, as the re-hire journal uses them: every write lands at the end of the file,
// also when another channel (another program) has appended meanwhile.

#include <gtest/gtest.h>

#include "platform/canali.h"
#include "runtime/errore.h"
#include "support/cartella_temporanea.h"
#include "support/prova_base.h"

TEST(Aggiunta, OgniScritturaInFondoAncheDopoUnAltroCanale) {
    using namespace platform;
    supporto::CartellaTemporanea t;
    const std::string f = t.file("G.JNL");
    t.scrivi("G.JNL", "a\n");
    apriAggiunta(1, f);
    apriAggiunta(2, f);
    scriviInFondo(1, "bb\n");
    scriviInFondo(2, "ccc\n");
    scriviInFondo(1, "d\n");
    std::string tutto(20, '.');
    EXPECT_EQ(leggiFinoA(1, 0, tutto), 11u);
    EXPECT_EQ(tutto.substr(0, 11), "a\nbb\nccc\nd\n");
    EXPECT_EQ(supporto::erroreDi([&] { scriviBlocco(2, 0, "x"); }), runtime::ERR_MODO_FILE);
    chiudiTuttiICanali();
    EXPECT_EQ(t.leggi("G.JNL"), "a\nbb\nccc\nd\n");
}
