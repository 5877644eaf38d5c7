// The bytes the engine writes, compared with blocks built by hand from the format rules,
// and the block search on blocks of every awkward size.

#include "indice_prova.h"
#include "isam/blocco.h"

using isam::ISAM;
using prova::blocco;
using prova::IDX3;
using prova::voce;

namespace {

class Formato : public prova::ProvaIsam {};

// i in `n` digits with leading zeros.
std::string cifre(int i, size_t n) {
    const std::string k = std::to_string(i);
    return std::string(n - k.size(), '0') + k;
}

TEST_F(Formato, PrimaInserzioneEDivisioneDellaFogliaScrivonoIByteDelFormato) {
    nuovoIndice(IDX3);
    ASSERT_EQ(ISAM(IDX3, "500", isam::ISAM_INSERISCI, 7), 0);
    EXPECT_EQ(byte(IDX3), blocco(3, '1', {"5001000002"}) + blocco(3, '2', {"5002000003"}) +
                              blocco(3, '3', {"5003000007"}));

    // 127 keys in the leaf, then a key below all: separators follow it up to the root.
    nuovoIndice(IDX3);
    for (int i = 1; i <= 127; ++i)
        ASSERT_EQ(ISAM(IDX3, cifre(2 * i, 3), 1, 1000 + i), 0);
    std::vector<std::string> foglia;
    for (int i = 1; i <= 127; ++i)
        foglia.push_back(voce(cifre(2 * i, 3), '3', 1000 + i));
    EXPECT_EQ(byte(IDX3), blocco(3, '1', {voce("002", '1', 2)}) +
                              blocco(3, '2', {voce("002", '2', 3)}) + blocco(3, '3', foglia));

    // The 128th key splits the leaf: 64 entries stay, 64 go to block 4, whose first key
    // becomes the second separator.
    ASSERT_EQ(ISAM(IDX3, "000", isam::ISAM_INSERISCI, 999999), 0);
    foglia.insert(foglia.begin(), voce("000", '3', 999999));
    const std::vector<std::string> bassa(foglia.begin(), foglia.begin() + 64);
    const std::vector<std::string> alta(foglia.begin() + 64, foglia.end());
    const std::string atteso = blocco(3, '1', {voce("000", '1', 2)}) +
                               blocco(3, '2', {voce("000", '2', 3), voce(cifre(128, 3), '2', 4)}) +
                               blocco(3, '3', bassa) + blocco(3, '3', alta);
    EXPECT_EQ(byte(IDX3), atteso);
    EXPECT_EQ(ISAM(IDX3, cifre(128, 3), isam::ISAM_TROVA, 0), 1064);
    // Sound, but 999999 is also the end of a walk by next: the check names it.
    EXPECT_EQ(guasti(IDX3), "BLOCCO 3 VOCE 1: NUMERO DI RECORD 999999, CHE SEGNA LA FINE\n");

    // Deleting the first key of the first leaf moves the separators back up.
    EXPECT_EQ(ISAM(IDX3, "000", isam::ISAM_CANCELLA, 0), 999999);
    const std::vector<std::string> bassa2(foglia.begin() + 1, foglia.begin() + 64);
    EXPECT_EQ(byte(IDX3), blocco(3, '1', {voce("002", '1', 2)}) +
                              blocco(3, '2', {voce("002", '2', 3), voce(cifre(128, 3), '2', 4)}) +
                              blocco(3, '3', bassa2) + blocco(3, '3', alta));

    // Emptied, the index keeps its abandoned blocks and starts over from records 1 to 3.
    const auto n = byte(IDX3).size();
    for (int i = 1; i <= 127; ++i)
        ASSERT_EQ(ISAM(IDX3, cifre(2 * i, 3), isam::ISAM_CANCELLA, 0), 1000 + i);
    EXPECT_EQ(byte(IDX3).substr(0, 1280), blocco(3, '1', {}));
    EXPECT_EQ(ISAM(IDX3, "ZZZ", isam::ISAM_INSERISCI, 5), 0);
    const std::string dopo = byte(IDX3);
    EXPECT_EQ(dopo.size(), n);
    EXPECT_EQ(dopo.substr(0, 3 * 1280), blocco(3, '1', {"ZZZ1000002"}) +
                                            blocco(3, '2', {"ZZZ2000003"}) +
                                            blocco(3, '3', {"ZZZ3000005"}));
}

TEST(RicercaNelBlocco, TrovaOgniChiaveEIlVicinoGiustoConUnoDueTreE127Voci) {
    const isam::Formato f{4};
    for (const int n : {0, 1, 2, 3, 4, 127, 128}) {
        SCOPED_TRACE(n);
        std::vector<std::string> voci;
        for (int i = 1; i <= n; ++i)
            voci.push_back(voce(cifre(10 * i, 4), '3', i));
        const std::string b = blocco(4, '3', voci);
        ASSERT_EQ(isam::vociUsate(b, f), n);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(isam::cercaNelBlocco(b, f, cifre(10 * i, 4), n), i);
            // Absent keys land on the last entry below them.
            EXPECT_EQ(isam::cercaNelBlocco(b, f, cifre(10 * i + 5, 4), n), i);
        }
        EXPECT_EQ(isam::cercaNelBlocco(b, f, "0000", n), 1);
        EXPECT_EQ(isam::cercaNelBlocco(b, f, "\xFC\xFC\xFC\xFC", n), n == 0 ? 1 : n);
    }
}

}  // namespace
