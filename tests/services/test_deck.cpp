#include "../TestSupport.h"
#include "platform/MessageBox.h"
#include "services/Deck.h"
#include "services/Random.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(RandomTest, StaysInRangeAndReachesEveryValue) {
    SeedRandom(7);
    QSet<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int v = RandomInt(14, 65);
        ASSERT_GE(v, 14);
        ASSERT_LE(v, 65);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 52);
    EXPECT_EQ(RandomInt(1, 1), 1);
}

TEST(RandomTest, SameSeedSameDraws) {
    SeedRandom(42);
    std::vector<int> a, b;
    for (int i = 0; i < 20; ++i)
        a.push_back(RandomInt(1, 1000));
    SeedRandom(42);
    for (int i = 0; i < 20; ++i)
        b.push_back(RandomInt(1, 1000));
    EXPECT_EQ(a, b);
}

TEST(DeckTest, CreateDeckOrderAndCodes) {
    testsupport::ProgramSandbox box;
    ASSERT_TRUE(CreateDeck());
    const QStringList& d = Shared().Deck;
    ASSERT_EQ(d.size(), 53);
    EXPECT_TRUE(d[0].isEmpty());
    EXPECT_EQ(d[1], " 1S");
    EXPECT_EQ(d[13], " 13S");
    EXPECT_EQ(d[14], " 1H");
    EXPECT_EQ(d[27], " 1C");
    EXPECT_EQ(d[52], " 13D");
    EXPECT_EQ(CardValue(d[52]), 13);
    EXPECT_EQ(CardSuit(d[27]), 'C');
    EXPECT_EQ(CardKey(d[13]), "13S");
}

TEST(DeckTest, ShuffleKeepsTheCardsAndIndexZero) {
    testsupport::ProgramSandbox box;
    SeedRandom(3);
    CreateDeck();
    const QStringList before = Shared().Deck;
    ASSERT_TRUE(ShuffleDeck());
    QStringList after = Shared().Deck;
    EXPECT_TRUE(after[0].isEmpty());
    EXPECT_NE(after, before);
    after.sort();
    QStringList sorted = before;
    sorted.sort();
    EXPECT_EQ(after, sorted);

    // A larger deck is shuffled whole.
    Shared().Deck = QStringList{QString()};
    for (int i = 1; i <= 64; ++i)
        Shared().Deck << QString::number(i);
    ShuffleDeck();
    EXPECT_EQ(Shared().Deck.size(), 65);
    EXPECT_NE(Shared().Deck.mid(53), QStringList({"53", "54", "55", "56", "57", "58", "59", "60",
                                                  "61", "62", "63", "64"}));
}

TEST(DeckTest, ShufflingNoDeckReports) {
    testsupport::ProgramSandbox box;
    platform::MessageScript script;
    Shared().GameTitle = "Sumbry!";
    EXPECT_FALSE(ShuffleDeck());
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text, "Unable to shuffle the deck.");
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(script.asked()[0].title, "Sumbry!");
}

TEST(DeckTest, StockPicturesByCardsLeft) {
    // The elevens pile: one back for 1-10 cards, the half stock for 11-20, full above.
    const std::pair<int, const char*> pile[] = {{0, "EMPTY"}, {1, "BACK"},  {10, "BACK"},
                                                {11, "HALF"}, {20, "HALF"}, {21, "FULL"}};
    for (const auto& [left, key] : pile)
        EXPECT_EQ(StockPictureKey(left, 11, 20), key) << left;
    EXPECT_EQ(StockPictureKey(-3, 11, 20), "EMPTY");
}

TEST(DeckTest, RanksAdjacentWrapsKingAndAce) {
    EXPECT_TRUE(RanksAdjacent(13, 1));
    EXPECT_TRUE(RanksAdjacent(1, 13));
    EXPECT_TRUE(RanksAdjacent(1, 2));
    EXPECT_TRUE(RanksAdjacent(13, 12));
    EXPECT_TRUE(RanksAdjacent(7, 6));
    EXPECT_TRUE(RanksAdjacent(7, 8));
    EXPECT_FALSE(RanksAdjacent(13, 13));
    EXPECT_FALSE(RanksAdjacent(5, 5));
    EXPECT_FALSE(RanksAdjacent(1, 12));
    EXPECT_FALSE(RanksAdjacent(2, 13));
    EXPECT_FALSE(RanksAdjacent(4, 6));
    // No up card yet (99), no card (0) and the ranks past king have no neighbours.
    EXPECT_FALSE(RanksAdjacent(99, 13));
    EXPECT_FALSE(RanksAdjacent(0, 1));
    EXPECT_FALSE(RanksAdjacent(14, 13));
    EXPECT_FALSE(RanksAdjacent(12, 0));
}
