#include "ElevensTestSupport.h"
#include "games/elevens/ElevensField.h"
#include "services/Deck.h"

#include <QHash>

TEST(ElevensDeck, CompositionByCardGoal) {
    const std::map<int, int> sizes = {{10, 52}, {11, 52}, {12, 56}, {13, 60}, {14, 64}, {15, 64}};
    for (const auto& [goal, size] : sizes) {
        const QStringList deck = BuildElevensDeck(goal);
        ASSERT_EQ(deck.size(), size + 1) << goal;
        EXPECT_TRUE(deck[0].isEmpty());
        QHash<int, int> perRank;
        for (int i = 1; i <= size; ++i)
            ++perRank[CardValue(deck[i])];
        EXPECT_EQ(perRank[1], 16) << goal;
        for (int rank = 2; rank <= 10; ++rank)
            EXPECT_EQ(perRank[rank], 4) << goal << rank;
        EXPECT_EQ(perRank[11], goal >= 12 ? 4 : 0) << goal;
        EXPECT_EQ(perRank[12], goal >= 13 ? 4 : 0) << goal;
        EXPECT_EQ(perRank[13], goal >= 14 ? 4 : 0) << goal;
    }
}

TEST(ElevensDeck, FixedOrderAndBlanks) {
    const QStringList deck = BuildElevensDeck(14);
    EXPECT_EQ(deck[1], "1S");
    EXPECT_EQ(deck[5], "1H");
    EXPECT_EQ(deck[16], "1D");
    EXPECT_EQ(deck[17], " 2S");
    EXPECT_EQ(deck[25], " 10S");
    EXPECT_EQ(deck[26], " 2H");
    EXPECT_EQ(deck[52], " 10D");
    EXPECT_EQ(deck[53], "11S");
    EXPECT_EQ(deck[56], "11D");
    EXPECT_EQ(deck[57], "12S");
    EXPECT_EQ(deck[64], "13D");
    // A blank-led code names the same picture and value as the bare one.
    EXPECT_EQ(CardKey(deck[17]), "2S");
    EXPECT_EQ(CardValue(deck[25]), 10);
}

TEST(ElevensField, TierPoints) {
    const int classic[] = {700, 600, 600, 600, 600, 500, 500, 500, 500, 500, 400,
                           400, 400, 400, 400, 400, 300, 300, 300, 300, 200, 200};
    for (int i = 0; i < kFieldPlaces; ++i) {
        EXPECT_EQ(PlacePoints(i, false), classic[i]) << i;
        EXPECT_EQ(PlacePoints(i, true), classic[i] - 100) << i;
    }
    EXPECT_EQ(PointsTip(600), "600 points");
}

TEST(ElevensField, CoveringDecidesExposure) {
    ElevensField f;
    f.deal(std::vector<QString>(kFieldPlaces, " 5S"));
    std::vector<int> open;
    for (int i = 0; i < kFieldPlaces; ++i)
        if (f.exposed(i)) open.push_back(i);
    EXPECT_EQ(open, (std::vector<int>{7, 20, 21}));

    // Place 0 needs both 3 and 4 gone; 3 needs 7 and 12.
    f.remove(3);
    EXPECT_FALSE(f.exposed(0));
    f.remove(4);
    EXPECT_TRUE(f.exposed(0));
    f.remove(20);
    EXPECT_TRUE(f.exposed(16));
    EXPECT_TRUE(f.exposed(17));
    EXPECT_FALSE(f.exposed(11)); // 16 and 17 still there
    EXPECT_FALSE(f.exposed(20)); // an empty place is not playable

    // Every place's covering cards lie in lower tiers, and it overlaps only higher ones.
    for (int i = 0; i < kFieldPlaces; ++i) {
        for (int c : CoveredBy(i))
            EXPECT_GT(FieldTier(c), FieldTier(i)) << i;
        for (int o : Overlaps(i))
            EXPECT_LT(FieldTier(o), FieldTier(i)) << i;
    }
    EXPECT_EQ(f.firstEmpty(), 3);
}

TEST(ElevensField, SelectionOnlyOnPresentCards) {
    ElevensField f;
    f.deal(std::vector<QString>(kFieldPlaces, " 5S"));
    f.setSelected(20, true);
    f.setSelected(21, true);
    EXPECT_EQ(f.selectedPlaces(), (std::vector<int>{20, 21}));
    f.remove(21);
    f.setSelected(21, true);
    EXPECT_EQ(f.selectedPlaces(), (std::vector<int>{20}));
    f.put(21, "1S");
    EXPECT_FALSE(f.selected(21));
    EXPECT_EQ(f.card(21), "1S");
}
