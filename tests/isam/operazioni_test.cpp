// Find, next and delete on indexes of a few blocks, built through the engine.

#include "indice_prova.h"

using isam::ISAM;
using prova::IDX3;

namespace {

class Operazioni : public prova::ProvaIsam {
  protected:
    // Keys "A00".."A99", "B00".. in steps of two, so that odd ones are absent.
    static std::string k(int i) {
        const std::string n = std::to_string(i % 100);
        return std::string(1, static_cast<char>('A' + i / 100)) + (n.size() < 2 ? "0" : "") + n;
    }
    void riempi(int quante) {
        nuovoIndice(IDX3);
        for (int i = 0; i < quante; ++i)
            ASSERT_EQ(ISAM(IDX3, k(2 * i), 1, 10 + i), 0);
    }
    double prossima(const std::string& chiave) { return ISAM(IDX3, chiave, 4, 0); }
};

TEST_F(Operazioni, TrovaESuccessivaAttraversanoLeFoglie) {
    riempi(300);  // five leaves under one level-2 block
    ASSERT_EQ(guasti(IDX3), "");
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(ISAM(IDX3, k(2 * i), 2, 0), 10 + i) << k(2 * i);
    EXPECT_EQ(ISAM(IDX3, k(3), 2, 0), -1);
    EXPECT_EQ(ISAM(IDX3, "\x01\x01\x01", 2, 0), -1);

    // Separators (the first key of each leaf) are found like any other key.
    EXPECT_EQ(ISAM(IDX3, k(128), 2, 0), 74);

    EXPECT_EQ(prossima("   "), 10);
    EXPECT_EQ(isam::CHIAVEISAM_S, k(0));
    EXPECT_EQ(prossima(k(3)), 12);  // absent: the next greater
    EXPECT_EQ(isam::CHIAVEISAM_S, k(4));
    EXPECT_EQ(prossima(k(126)), 74);  // across a leaf boundary
    EXPECT_EQ(isam::CHIAVEISAM_S, k(128));
    EXPECT_EQ(prossima(k(598)), isam::ISAM_FINE);
    EXPECT_EQ(isam::CHIAVEISAM_S, "\xFC\xFC\xFC");
    EXPECT_EQ(prossima("\xFC\xFC\xFC"), isam::ISAM_FINE);
}

TEST_F(Operazioni, CancellareSvuotaEScollegaIBlocchiFinoAllIndiceVuoto) {
    riempi(130);  // leaves of 64 and 66 keys
    const auto n = byte(IDX3).size();
    // Deleting every key of the second leaf unlinks it from its level-2 block.
    for (int i = 64; i < 130; ++i)
        ASSERT_EQ(ISAM(IDX3, k(2 * i), 3, 0), 10 + i);
    EXPECT_EQ(guasti(IDX3), "");
    EXPECT_EQ(prossima(k(126)), isam::ISAM_FINE);
    EXPECT_EQ(byte(IDX3).size(), n);  // blocks are abandoned, never freed

    // The first key of the only leaf: separators move up to the new first key.
    EXPECT_EQ(ISAM(IDX3, k(0), 3, 0), 10);
    EXPECT_EQ(byte(IDX3).substr(0, 3), k(2));
    EXPECT_EQ(guasti(IDX3), "");
    for (int i = 63; i >= 1; --i)
        ASSERT_EQ(ISAM(IDX3, k(2 * i), 3, 0), 10 + i);

    // Empty again: find and delete see an empty index, next its end.
    EXPECT_EQ(ISAM(IDX3, k(2), 2, 0), -1);
    EXPECT_EQ(ISAM(IDX3, k(2), 3, 0), -1);
    EXPECT_EQ(prossima("   "), isam::ISAM_FINE);
    EXPECT_EQ(byte(IDX3).substr(0, 1280), prova::blocco(3, '1', {}));
    EXPECT_EQ(guasti(IDX3), "");

    // The next insertion is a first insertion: records 1 to 3 again.
    ASSERT_EQ(ISAM(IDX3, "ZZZ", 1, 5), 0);
    const std::string dopo = byte(IDX3);
    EXPECT_EQ(dopo.size(), n);
    EXPECT_EQ(dopo.substr(0, 3 * 1280), prova::blocco(3, '1', {"ZZZ1000002"}) +
                                            prova::blocco(3, '2', {"ZZZ2000003"}) +
                                            prova::blocco(3, '3', {"ZZZ3000005"}));
    EXPECT_EQ(guasti(IDX3), "");
}

}  // namespace
