// The bytes the engine writes, compared with blocks built by hand from the format rules.

#include "indice_prova.h"

using isam::ISAM, prova::blocco, prova::IDX3, prova::voce;

namespace {

class Formato : public prova::ProvaIsam {};

std::string k3(int i) { return std::string(i < 10 ? 2 : i < 100 ? 1 : 0, '0') + std::to_string(i); }

TEST_F(Formato, PrimaInserzioneEDivisioneDellaFogliaScrivonoIByteDelFormato) {
    nuovoIndice(IDX3);
    ASSERT_EQ(ISAM(IDX3, "500", isam::ISAM_INSERISCI, 7), 0);
    EXPECT_EQ(byte(IDX3), blocco(3, '1', {"5001000002"}) + blocco(3, '2', {"5002000003"}) + blocco(3, '3', {"5003000007"}));

    // 127 keys in the leaf, then a key below all: separators follow it up to the root.
    nuovoIndice(IDX3);
    std::vector<std::string> foglia;
    for (int i = 1; i <= 127; ++i) {
        ASSERT_EQ(ISAM(IDX3, k3(2 * i), 1, 1000 + i), 0);
        foglia.push_back(voce(k3(2 * i), '3', 1000 + i));
    }
    EXPECT_EQ(byte(IDX3), blocco(3, '1', {voce("002", '1', 2)}) + blocco(3, '2', {voce("002", '2', 3)}) + blocco(3, '3', foglia));
    // The 128th key splits the leaf: 64 entries stay, 64 go to block 4, whose first key
    // becomes the second separator.
    ASSERT_EQ(ISAM(IDX3, "000", isam::ISAM_INSERISCI, 999999), 0);
    foglia.insert(foglia.begin(), voce("000", '3', 999999));
    const std::vector<std::string> alta(foglia.begin() + 64, foglia.end());
    auto atteso = [&](const char* prima, size_t da) {
        return blocco(3, '1', {voce(prima, '1', 2)}) + blocco(3, '2', {voce(prima, '2', 3), voce(k3(128), '2', 4)}) +
               blocco(3, '3', {foglia.begin() + da, foglia.begin() + 64}) + blocco(3, '3', alta);
    };
    EXPECT_EQ(byte(IDX3), atteso("000", 0));
    EXPECT_EQ(ISAM(IDX3, k3(128), isam::ISAM_TROVA, 0), 1064);
    // Sound, but 999999 is also the end of a walk by next: the check names it.
    EXPECT_EQ(guasti(IDX3), "BLOCCO 3 VOCE 1: NUMERO DI RECORD 999999, CHE SEGNA LA FINE\n");
    // Deleting the first key of the first leaf moves the separators back up.
    EXPECT_EQ(ISAM(IDX3, "000", isam::ISAM_CANCELLA, 0), 999999);
    EXPECT_EQ(byte(IDX3), atteso("002", 1));
}

}  // namespace
