#include "CombinationsTestSupport.h"
#include "games/combinations/TwentyOneCounter.h"

class CombinationsBoardTest : public CombinationsTest {};

TEST_F(CombinationsBoardTest, TwentyOnesClearTheColumnAndGrowTheBonus) {
    // An ace on a column of 10 counts 11, shows "Soft" and makes 21 at once.
    CombinationsBoard b;
    b.startRound(layDeck({{1, " 13S"}, {2, " 1H"}, {3, " 10C"}, {4, " 11D"}, {5, " 1S"}}), 3);
    EXPECT_EQ(b.currentCard(), " 13S");
    EXPECT_EQ(b.hit(0, 1000).move, CombinationsMove::Placed);
    const CombinationsHit ace = b.hit(0, 1000);
    EXPECT_EQ(ace.move, CombinationsMove::TwentyOne);
    EXPECT_TRUE(ace.hit.softAce);
    EXPECT_EQ(ace.cardIndex, 1);
    EXPECT_EQ(b.column(0).count(), 0);
    EXPECT_EQ(b.column(0).total(), 0);
    EXPECT_EQ(b.twentyOnes(), 1);
    EXPECT_EQ(b.bonus(), 1000);
    hitEach(b, {1, 1});
    EXPECT_EQ(b.hit(1, 1000).move, CombinationsMove::TwentyOne); // 10 + 10 + ace counted 1
    EXPECT_EQ(b.bonus(), 2000);
    EXPECT_EQ(b.cardsUsed(), 5);
}

TEST_F(CombinationsBoardTest, ABustMovesNothingAndTheSameCardCanGoElsewhere) {
    // A hard 15 plus a king.
    CombinationsBoard b;
    b.startRound(layDeck({{1, " 10S"}, {2, " 5H"}, {3, " 13C"}, {4, " 9D"}}), 3);
    hitEach(b, {0, 0});
    const CombinationsHit bust = b.hit(0, 1000);
    EXPECT_EQ(bust.move, CombinationsMove::Bust);
    EXPECT_EQ(b.column(0).total(), 15);
    EXPECT_EQ(b.column(0).count(), 2);
    EXPECT_EQ(b.currentCard(), " 13C");
    EXPECT_EQ(b.cardsUsed(), 2);
    EXPECT_EQ(b.hit(1, 1000).move, CombinationsMove::Placed);
    EXPECT_EQ(b.currentCard(), " 9D");

    // Ace and six: soft 17; a nine gives back (16) and is no bust.
    CombinationsBoard soft;
    soft.startRound(layDeck({{1, " 1S"}, {2, " 6H"}, {3, " 9C"}, {4, " 13D"}}), 3);
    hitEach(soft, {2, 2});
    EXPECT_TRUE(soft.column(2).soft());
    const CombinationsHit back = soft.hit(2, 1000);
    EXPECT_EQ(back.move, CombinationsMove::Placed);
    EXPECT_TRUE(back.hit.gaveBack);
    EXPECT_EQ(soft.column(2).total(), 16);
    EXPECT_FALSE(soft.column(2).soft());
    EXPECT_EQ(soft.hit(2, 1000).move, CombinationsMove::Bust);
}

TEST_F(CombinationsBoardTest, AFifthCardIsAGimmeUnlessItMakesTwentyOne) {
    CombinationsBoard b;
    // Column 0: five twos (10): a gimme. Column 1: 2, 2, 3, 4 then a 10 makes 21: a 21.
    b.startRound(layDeck({{6, " 2H"}, {7, " 2C"}, {8, " 3D"}, {9, " 4S"}, {10, " 10H"}}), 3);
    hitEach(b, {0, 0, 0, 0});
    const CombinationsHit gimme = b.hit(0, 1000);
    EXPECT_EQ(gimme.move, CombinationsMove::Gimme);
    EXPECT_EQ(gimme.cardIndex, 4);
    EXPECT_EQ(b.column(0).count(), 0);
    EXPECT_EQ(b.twentyOnes(), 0);
    hitEach(b, {1, 1, 1, 1});
    EXPECT_EQ(b.hit(1, 1000).move, CombinationsMove::TwentyOne);
    EXPECT_EQ(b.twentyOnes(), 1);
}

TEST_F(CombinationsBoardTest, DeckStepsPilePicturesAndTheLastCard) {
    CombinationsBoard b;
    b.startRound(layDeck({}), 3);
    EXPECT_EQ(b.pileKey(), "FULL");
    // Twos into the columns in turn: a column of five twos is a gimme, so the columns never fill.
    std::map<int, QString> piles;
    CombinationsHit last;
    for (int card = 1; card <= 52; ++card) {
        if (card == 16 || card == 17 || card == 34 || card == 35) piles[card] = b.pileKey();
        last = b.hit(card % 4, 1000);
        ASSERT_NE(last.move, CombinationsMove::Refused) << card;
        if (card == 51) {
            EXPECT_TRUE(last.lastCard);
            EXPECT_EQ(b.pileKey(), "EMPTY");
            EXPECT_FALSE(b.canPass()); // the last card can only be placed
            EXPECT_FALSE(b.pass());
        }
    }
    EXPECT_EQ(piles[16], "FULL");
    EXPECT_EQ(piles[17], "HALF");
    EXPECT_EQ(piles[34], "HALF");
    EXPECT_EQ(piles[35], "BACK");
    EXPECT_TRUE(last.deckComplete);
    EXPECT_EQ(b.deckPosition(), 53);
    EXPECT_EQ(b.cardsUsed(), 52);
    EXPECT_TRUE(b.currentCard().isEmpty());
    EXPECT_EQ(b.hit(0, 1000).move, CombinationsMove::Refused);
}

TEST_F(CombinationsBoardTest, PassesCountAsUsedCards) {
    CombinationsBoard none;
    none.startRound(layDeck({}), 0);
    EXPECT_FALSE(none.canPass());

    CombinationsBoard b;
    b.startRound(layDeck({{2, " 7H"}}), 1);
    ASSERT_TRUE(b.pass());
    EXPECT_EQ(b.currentCard(), " 7H");
    EXPECT_EQ(b.cardsUsed(), 1);
    EXPECT_EQ(b.passesLeft(), 0);
    EXPECT_FALSE(b.pass());
}

TEST(TwentyOneCounterTest, CyclesOf101TicksBlinkingFromFifty) {
    TwentyOneCounter c;
    EXPECT_FALSE(c.tick().ticked); // off until the round's first 21
    c.restart();
    int blinkAt = 0, ranOutAt = 0;
    for (int i = 1; i <= 202 && ranOutAt == 0; ++i) {
        const CounterTick t = c.tick();
        if (t.blinkStarted) blinkAt = i;
        if (t.ranOut) ranOutAt = i;
    }
    EXPECT_EQ(blinkAt, 50);
    EXPECT_EQ(ranOutAt, 101);
    EXPECT_EQ(c.value(), 0);
    EXPECT_FALSE(c.blinking());
    EXPECT_TRUE(c.running()); // and starts over

    // A gimme rewinds without starting a stopped counter; a 21 restarts it.
    for (int i = 0; i < 60; ++i)
        c.tick();
    EXPECT_TRUE(c.blinking());
    c.rewind();
    EXPECT_EQ(c.value(), 0);
    EXPECT_FALSE(c.blinking());
    c.reset();
    c.rewind();
    EXPECT_FALSE(c.running());
}
