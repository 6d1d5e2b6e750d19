#include "games/eights/EightsBoard.h"
#include "EightsTestSupport.h"
#include "services/Deck.h"
#include "services/Random.h"

#include <set>

class EightsBoardTest : public EightsTest {
  protected:
    // Lays the board by moving cards onto the empty upper spots: `uppers` go up first (one
    // to each spot, from lower spot 1), then the lower spots hold `lowers`.
    static EightsBoard board(const std::vector<QString>& uppers,
                             const std::vector<QString>& lowers) {
        // Lower spot 1 deals the upper cards one by one and is then refilled with its own
        // card; spots 2 to 5 never move.
        std::vector<QString> cards{uppers.empty() ? lowers[0] : uppers[0]};
        cards.insert(cards.end(), lowers.begin() + 1, lowers.end());
        if (!uppers.empty()) {
            cards.insert(cards.end(), uppers.begin() + 1, uppers.end());
            cards.push_back(lowers[0]);
        }
        EightsBoard b;
        b.deal(dealOrder(cards));
        for (std::size_t i = 0; i < uppers.size(); ++i)
            EXPECT_NE(b.move(1, int(i) + 1).check, MoveCheck::Illegal);
        b.resetSpotValues();
        return b;
    }
};

TEST_F(EightsBoardTest, CheckMoveTakesTheFirstRuleThatHolds) {
    // Upper spots: 8D, 9S, empty. Lower: 8C, 9H, 5S, 7C, 4D.
    EightsBoard b = board({"8D", "9S"}, {"8C", "9H", "5S", "7C", "4D"});
    ASSERT_EQ(b.upper(1).trimmed(), "8D");
    ASSERT_EQ(b.lower(1).trimmed(), "8C");
    // A moved eight is wild everywhere, even onto an eight.
    EXPECT_EQ(b.checkMove(1, 1), MoveCheck::WildEight);
    EXPECT_EQ(b.checkMove(1, 2), MoveCheck::WildEight);
    EXPECT_EQ(b.checkMove(1, 3), MoveCheck::WildEight);
    // Onto an eight, whatever the card.
    EXPECT_EQ(b.checkMove(2, 1), MoveCheck::EightOrSuit);
    EXPECT_EQ(b.checkMove(5, 1), MoveCheck::EightOrSuit);
    // Onto the empty spot.
    EXPECT_EQ(b.checkMove(4, 3), MoveCheck::EmptySpot);
    // Same value (9H onto 9S), same suit (5S onto 9S), neither (7C, 4D onto 9S).
    EXPECT_EQ(b.checkMove(2, 2), MoveCheck::SameValue);
    EXPECT_EQ(b.checkMove(3, 2), MoveCheck::EightOrSuit);
    EXPECT_EQ(b.checkMove(4, 2), MoveCheck::Illegal);
    EXPECT_EQ(b.checkMove(5, 2), MoveCheck::Illegal);
    EXPECT_EQ(b.checkForLegalMove(), LegalMoves::Some);
}

TEST_F(EightsBoardTest, AnEmptyLowerSpotMovesNowhere) {
    // A five-card deck: the first move leaves lower spot 1 empty for good.
    EightsBoard b;
    ASSERT_TRUE(b.deal(dealOrder({"2H", "3H", "4H", "5H", "6H"})));
    EXPECT_EQ(b.move(1, 3).check, MoveCheck::EmptySpot);
    EXPECT_TRUE(b.lower(1).isEmpty());
    for (int u = 1; u <= kUpperSpots; ++u)
        EXPECT_EQ(b.checkMove(1, u), MoveCheck::Illegal) << u;
    EXPECT_EQ(b.move(1, 1).check, MoveCheck::Illegal);
    EXPECT_TRUE(b.upper(1).isEmpty());
}

TEST_F(EightsBoardTest, LegalMovesNoneSomeAndCleared) {
    // Uppers 2S, 3H, 4C; the lower diamonds match no suit, no value and hold no eight.
    EightsBoard stuck = board({"2S", "3H", "4C"}, {"6D", "7D", "9D", "5D", "10D"});
    EXPECT_EQ(stuck.checkForLegalMove(), LegalMoves::None);
    // One eight anywhere below frees the board.
    EightsBoard wild = board({"2S", "3H", "4C"}, {"6D", "7D", "8D", "5D", "10D"});
    EXPECT_EQ(wild.checkForLegalMove(), LegalMoves::Some);
    // A diamond above frees it too.
    EightsBoard suit = board({"2S", "3H", "4D"}, {"6D", "7D", "9D", "5D", "10D"});
    EXPECT_EQ(suit.checkForLegalMove(), LegalMoves::Some);

    EightsBoard cleared;
    cleared.deal(dealOrder({"2H", "3H", "4H", "5H", "6H"}));
    for (int l = 1; l <= 4; ++l) {
        cleared.move(l, 1);
        EXPECT_EQ(cleared.checkForLegalMove(), LegalMoves::Some);
    }
    cleared.move(5, 1);
    EXPECT_EQ(cleared.checkForLegalMove(), LegalMoves::BoardCleared);
}

TEST_F(EightsBoardTest, DealTakesTheTopFiveCards) {
    SeedRandom(11);
    ASSERT_TRUE(CreateDeck());
    ASSERT_TRUE(ShuffleDeck());
    const QStringList deck = Shared().Deck;
    EightsBoard b;
    ASSERT_TRUE(b.deal(deck));
    EXPECT_EQ(b.pileRemaining(), 47);
    for (int l = 1; l <= kLowerSpots; ++l)
        EXPECT_EQ(b.lower(l), deck[53 - l]) << l; // Deck(52) on spot 1 .. Deck(48) on 5
    for (int u = 1; u <= kUpperSpots; ++u)
        EXPECT_TRUE(b.upper(u).isEmpty());
}

TEST_F(EightsBoardTest, RefillsGoDownTheDeckOnceThenSpotsStayEmpty) {
    // The deck in its made order: long runs of one suit keep a legal move at hand.
    ASSERT_TRUE(CreateDeck());
    const QStringList deck = Shared().Deck;
    EightsBoard b;
    ASSERT_TRUE(b.deal(deck));
    std::set<QString> seen;
    for (int l = 1; l <= kLowerSpots; ++l)
        seen.insert(b.lower(l));
    auto firstLegal = [&b](int& l, int& u) {
        for (l = 1; l <= kLowerSpots; ++l)
            for (u = 1; u <= kUpperSpots; ++u)
                if (b.checkMove(l, u) != MoveCheck::Illegal) return true;
        return false;
    };
    int l = 0, u = 0, refills = 0;
    while (b.pileRemaining() > 0 && firstLegal(l, u)) {
        const int next = b.pileRemaining();
        ASSERT_TRUE(b.move(l, u).refilled);
        EXPECT_EQ(b.lower(l), deck[next]);
        EXPECT_TRUE(seen.insert(b.lower(l)).second) << "dealt twice: " << next;
        ++refills;
    }
    ASSERT_EQ(refills, 47);
    EXPECT_EQ(seen.size(), 52u);
    ASSERT_TRUE(firstLegal(l, u));
    const EightsMoveResult last = b.move(l, u);
    EXPECT_FALSE(last.refilled);
    EXPECT_TRUE(b.lower(l).isEmpty());
}

TEST_F(EightsBoardTest, ASmallDeckIsNotDealt) {
    EightsBoard b;
    EXPECT_FALSE(b.deal(dealOrder({"2H", "3H", "4H", "5H"})));
    EXPECT_EQ(b.checkForLegalMove(), LegalMoves::BoardCleared);
    EXPECT_FALSE(b.deal({}));
}

TEST_F(EightsBoardTest, DeckPictureByCardsLeft) {
    EXPECT_EQ(StockPictureKey(47, 11, 25), "FULL");
    EXPECT_EQ(StockPictureKey(26, 11, 25), "FULL");
    EXPECT_EQ(StockPictureKey(25, 11, 25), "HALF");
    EXPECT_EQ(StockPictureKey(11, 11, 25), "HALF");
    EXPECT_EQ(StockPictureKey(10, 11, 25), "BACK");
    EXPECT_EQ(StockPictureKey(1, 11, 25), "BACK");
    EXPECT_EQ(StockPictureKey(0, 11, 25), "EMPTY");
}
