#include "games/fivecolumn/FiveColumnBoard.h"
#include "FiveColumnTestSupport.h"
#include "games/fivecolumn/FiveColumnScoreTable.h"

class FiveColumnBoardTest : public FiveColumnTest {};

TEST_F(FiveColumnBoardTest, ScoreTableRowsAndValues) {
    // Below 97 nothing; 97 to 102 from 50 in steps of 50; then 400, 500 and 1000.
    EXPECT_EQ(CardTotalValueOf(0), 0);
    EXPECT_EQ(CardTotalValueOf(96), 0);
    const std::map<int, int> points = {{97, 50},   {98, 100},  {99, 150},  {100, 200}, {101, 250},
                                       {102, 300}, {103, 400}, {104, 500}, {105, 1000}};
    for (const auto& [total, value] : points)
        EXPECT_EQ(CardTotalValueOf(total), value) << total;
    // The window's rows, top to bottom: 105 first, "< 97" with "0" last.
    const auto& rows = FiveColumnScoreRows();
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(ScoreRowCaption(rows.front()), "105");
    EXPECT_EQ(ScoreRowCaption(rows[8]), "97");
    EXPECT_EQ(ScoreRowCaption(rows.back()), "< 97");
    EXPECT_EQ(rows.back().points, 0);
    EXPECT_EQ(ScoreRowIndex(105), 0);
    EXPECT_EQ(ScoreRowIndex(40), 9);
}

TEST_F(FiveColumnBoardTest, HitsDealInOrderAndTheFifthCardClosesTheColumn) {
    FiveColumnBoard b;
    b.start(layDeck({{1, " 13S"}, {2, " 1S"}, {3, " 9H"}, {4, " 5C"}, {5, " 10D"}}), 1);
    EXPECT_EQ(b.nextCard(), " 1S"); // deck position 1 is never dealt
    EXPECT_EQ(b.caption(), GiveUpCaption::GiveUp);
    EXPECT_EQ(GiveUpCaptionText(b.caption()), "&Give Up");

    // Ace, 9, 5: 11 "Soft", 20, then 15 and the card after the 5 is shown.
    FiveColumnHit h = b.hit(0);
    EXPECT_TRUE(h.hit.softAce);
    EXPECT_EQ(b.column(0).total(), 11);
    b.hit(0);
    EXPECT_EQ(b.column(0).total(), 20);
    h = b.hit(0);
    EXPECT_TRUE(h.hit.gaveBack);
    EXPECT_FALSE(h.busted);
    EXPECT_EQ(b.column(0).total(), 15);
    EXPECT_FALSE(b.column(0).soft());
    EXPECT_EQ(b.nextCard(), " 10D");
    // The sum stayed below 97, so the soft ace's give-back turns the caption to "&Give up".
    EXPECT_EQ(GiveUpCaptionText(b.caption()), "&Give up");

    // A column that reaches 21 with fewer than five cards stays open.
    FiveColumnBoard open;
    open.start(layDeck({{2, " 10S"}, {3, " 5H"}, {4, " 4C"}, {5, " 2D"}}), 0);
    for (int i = 0; i < 4; ++i)
        open.hit(1);
    EXPECT_EQ(open.column(1).total(), 21);
    EXPECT_TRUE(open.canHit(1));

    // Five twos: the fifth closes it at 10, and a closed column refuses the next Hit.
    FiveColumnBoard full;
    full.start(layDeck({}), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(full.hit(2).closed);
    EXPECT_TRUE(full.hit(2).closed);
    EXPECT_TRUE(full.closed(2));
    EXPECT_FALSE(full.canHit(2));
    EXPECT_FALSE(full.hit(2).dealt);
    EXPECT_EQ(full.deckPosition(), 7);
}

TEST_F(FiveColumnBoardTest, ARealBustBlocksEveryColumn) {
    // Ten, ten and an ace counted 1 make a hard 21; a king then busts the round.
    FiveColumnBoard b;
    b.start(layDeck({{2, " 10S"}, {3, " 10H"}, {4, " 1C"}, {5, " 13D"}}), 1);
    b.hit(0);
    b.hit(0);
    EXPECT_EQ(b.hit(0).hit.value, 1);
    EXPECT_EQ(b.column(0).total(), 21);
    const FiveColumnHit bust = b.hit(0);
    EXPECT_TRUE(bust.busted);
    EXPECT_EQ(b.column(0).total(), 31); // the busting card stays
    EXPECT_EQ(b.column(0).count(), 4);
    EXPECT_EQ(b.currentTotal(), kBustedTotal);
    EXPECT_EQ(GiveUpCaptionText(b.caption()), "&Give up");
    EXPECT_FALSE(b.takesScore());
    for (int c = 0; c < kFiveColumns; ++c)
        EXPECT_FALSE(b.canHit(c)) << c;
    EXPECT_FALSE(b.canPass());
}

TEST_F(FiveColumnBoardTest, SumMarksTheTableAndTheCaption) {
    // Columns 0-3 at 20 make 80; column 4: 10, 6 gives 96, then an ace counted 1 gives 97.
    FiveColumnBoard b;
    b.start(fourTwentiesThen({" 10H", " 6H", " 1C"}), 1);
    hitEach(b, kFourTwenties);
    hitEach(b, {4, 4});
    EXPECT_EQ(b.currentTotal(), 96);
    EXPECT_EQ(b.caption(), GiveUpCaption::GiveUp);
    EXPECT_FALSE(b.totalGreen());
    b.hit(4);
    EXPECT_EQ(b.currentTotal(), 97);
    EXPECT_EQ(b.cardTotalValue(), 50);
    EXPECT_TRUE(b.totalGreen());
    EXPECT_EQ(GiveUpCaptionText(b.caption()), "&Take score");
}

TEST_F(FiveColumnBoardTest, ASoftAceGiveBackCanDropTheSumBelowTheTable) {
    // Columns 0-3 make 80; column 4: ace (11 soft), 8, 2 = 21 (sum 101), then a 2 goes over
    // and the ace gives back: 13, sum 93.
    FiveColumnBoard b;
    b.start(fourTwentiesThen({" 1D", " 8D", " 2C", " 2H"}), 1);
    hitEach(b, kFourTwenties);
    hitEach(b, {4, 4});
    EXPECT_EQ(b.currentTotal(), 99);
    EXPECT_EQ(b.cardTotalValue(), 150);
    b.hit(4);
    EXPECT_EQ(b.currentTotal(), 101);
    const FiveColumnHit back = b.hit(4);
    EXPECT_TRUE(back.hit.gaveBack);
    EXPECT_EQ(b.column(4).total(), 13);
    EXPECT_EQ(b.currentTotal(), 93);
    EXPECT_FALSE(b.totalGreen());
    EXPECT_EQ(GiveUpCaptionText(b.caption()), "&Give up");
    EXPECT_FALSE(b.takesScore());
}

TEST_F(FiveColumnBoardTest, PassesAreCountedAndNeverRunPastTheDeck) {
    FiveColumnBoard none;
    none.start(layDeck({}), 0);
    EXPECT_FALSE(none.canPass());
    EXPECT_FALSE(none.pass());

    FiveColumnBoard one;
    one.start(layDeck({{3, " 7H"}}), 1);
    EXPECT_TRUE(one.pass());
    EXPECT_EQ(one.nextCard(), " 7H");
    EXPECT_EQ(one.passesLeft(), 0);
    EXPECT_FALSE(one.pass());

    // However many passes are allowed, the deck's last card is never passed.
    FiveColumnBoard many;
    many.start(layDeck({}), 60);
    int passed = 0;
    while (many.pass())
        ++passed;
    EXPECT_EQ(passed, 50);
    EXPECT_EQ(many.deckPosition(), 52);
    EXPECT_FALSE(many.nextCard().isEmpty());
}
