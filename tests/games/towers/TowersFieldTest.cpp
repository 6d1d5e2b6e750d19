#include "games/towers/TowersField.h"
#include "TowersTestSupport.h"

#include <QSet>
#include <set>

using namespace towerstest;

namespace {
// Taken card -> (its neighbour over the same card, the card that turns up when both are gone).
const std::multimap<int, std::pair<int, int>> kTurnUps = {
    {3, {4, 0}},   {4, {3, 0}},   {5, {6, 1}},   {6, {5, 1}},   {7, {8, 2}},
    {8, {7, 2}},   {9, {10, 3}},  {10, {9, 3}},  {10, {11, 4}}, {11, {10, 4}},
    {12, {13, 5}}, {13, {12, 5}}, {13, {14, 6}}, {14, {13, 6}}, {15, {16, 7}},
    {16, {15, 7}}, {16, {17, 8}}, {17, {16, 8}}, {18, {19, 9}}, {27, {26, 17}},
};

std::multimap<int, std::pair<int, int>> allTurnUps() {
    auto pairs = kTurnUps;
    for (int k = 19; k <= 26; ++k) {
        pairs.insert({k, {k - 1, k - 10}});
        pairs.insert({k, {k + 1, k - 9}});
    }
    return pairs;
}

std::vector<QString> codes() {
    std::vector<QString> c;
    for (int i = 0; i < kTowersFieldCards; ++i)
        c.push_back(QString::number(i % 13 + 1) + "H");
    return c;
}

// Takes the field in `order` (only face-up cards can go) and checks every turn-up.
void sweep(const std::vector<int>& order) {
    const auto pairs = allTurnUps();
    TowersField f;
    f.deal(codes());
    for (int card : order) {
        ASSERT_TRUE(f.faceUp(card)) << card;
        std::vector<int> expected;
        auto [lo, hi] = pairs.equal_range(card);
        for (auto it = lo; it != hi; ++it)
            if (f.taken(it->second.first)) expected.push_back(it->second.second);
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(f.take(card), expected) << "taking " << card;
        EXPECT_TRUE(f.taken(card));
    }
    EXPECT_EQ(f.cardsLeft(), 0);
}
} // namespace

TEST(TowersFieldTest, DealShowsOnlyTheBaseRow) {
    TowersField f;
    f.deal(codes());
    for (int i = 0; i < 18; ++i)
        EXPECT_TRUE(f.faceDown(i)) << i;
    for (int i = 18; i < 28; ++i)
        EXPECT_TRUE(f.faceUp(i)) << i;
    EXPECT_EQ(f.cardsLeft(), 28);
    // A face-down card cannot be taken and turns nothing.
    EXPECT_TRUE(f.take(9).empty());
    EXPECT_TRUE(f.faceDown(9));
}

TEST(TowersFieldTest, EveryTurnUpPairInBothOrders) {
    sweep(ClearingOrder());
    // Right to left within each row turns each card up through its other covering card.
    std::vector<int> reverse;
    for (int i = 27; i >= 18; --i)
        reverse.push_back(i);
    for (int i = 17; i >= 9; --i)
        reverse.push_back(i);
    for (int i = 8; i >= 3; --i)
        reverse.push_back(i);
    for (int i = 2; i >= 0; --i)
        reverse.push_back(i);
    sweep(reverse);
}

TEST(TowersFieldTest, TowersStayApartInTheUpperRows) {
    // Cards 4 and 5 lie on nothing in common; from row 3 on the towers share cards.
    const std::vector<int> cards4 = CoveredCards(4);
    const std::set<int> under4(cards4.begin(), cards4.end());
    for (int c : CoveredCards(5))
        EXPECT_EQ(under4.count(c), 0u);
    EXPECT_EQ(CoveredCards(13), (std::vector<int>{5, 6}));
    EXPECT_EQ(CoveringCards(9), (std::vector<int>{18, 19}));
    EXPECT_EQ(CoveringCards(17), (std::vector<int>{26, 27}));
    EXPECT_TRUE(CoveringCards(18).empty());
    // Taking card 19 turns up card 9 only after 18, and card 10 only after 20.
    TowersField f;
    f.deal(codes());
    EXPECT_TRUE(f.take(19).empty());
    EXPECT_EQ(f.take(18), std::vector<int>{9});
    EXPECT_EQ(f.take(20), std::vector<int>{10});
}
