#include "CombinationsTestSupport.h"

class CombinationsGameTest : public CombinationsTest {
  protected:
    // Ace and king pairs from position 1: every two Hits on one column make a 21.
    static QStringList twentyOnePairs() {
        std::map<int, QString> at;
        for (int p = 1; p <= 52; p += 2) {
            at[p] = " 1H";
            at[p + 1] = " 13C";
        }
        return layDeck(at);
    }
    static void runOut(CombinationsGame& g) {
        for (int i = 0; i < 101; ++i)
            g.counterTick();
    }
};

TEST_F(CombinationsGameTest, BustsTakePointsBelowZeroAndGimmesPayAtOnce) {
    CombinationsGame g;
    dealDeck(g, layDeck({{1, " 10S"}, {2, " 5H"}, {3, " 13C"}}));
    ASSERT_TRUE(g.play());
    hitEach(g, {0, 0});
    EXPECT_EQ(g.hit(0).move, CombinationsMove::Bust);
    EXPECT_EQ(Shared().Score, -100);
    EXPECT_EQ(g.hit(0).move, CombinationsMove::Bust);
    EXPECT_EQ(Shared().Score, -200);
    // The king goes on column 1; then five twos on column 2 are a gimme worth 750.
    hitEach(g, {1, 2, 2, 2, 2});
    EXPECT_EQ(g.hit(2).move, CombinationsMove::Gimme);
    EXPECT_EQ(Shared().Score, 550);
    EXPECT_FALSE(g.counter().running()); // a gimme before any 21 starts nothing
}

TEST_F(CombinationsGameTest, TheCounterRunsFromTheFirstTwentyOneAndARunOutDropsTheBonus) {
    // 21, 21, a run-out, 21: the bonus reads 2,000 at the end and the line 3 X 2,000 = 6,000,
    // paid in six steps of 1000.
    CombinationsGame g;
    dealDeck(g, twentyOnePairs());
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(g.counterTick().ticked);
    hitEach(g, {0, 0});
    EXPECT_TRUE(g.counter().running());
    for (int i = 0; i < 30; ++i)
        g.counterTick();
    hitEach(g, {1, 1});
    EXPECT_EQ(g.counter().value(), 0); // restarted
    EXPECT_EQ(g.board().bonus(), 2000);
    runOut(g);
    EXPECT_EQ(g.board().bonus(), 1000);
    hitEach(g, {2, 2});
    EXPECT_EQ(g.board().bonus(), 2000);
    EXPECT_EQ(g.board().twentyOnes(), 3);

    const auto end = g.takeScore(true);
    ASSERT_TRUE(end);
    const CombinationsTally& t = end->tally;
    EXPECT_EQ(t.line, "3 X 2,000 = 6,000");
    EXPECT_EQ(t.twentyOnesAmount, 6000);
    ASSERT_EQ(t.twentyOneSteps.size(), 6u);
    EXPECT_EQ(t.twentyOneSteps.front().counter, 5000);
    EXPECT_EQ(t.twentyOneSteps.back().counter, 0);
    EXPECT_EQ(t.cardsUsed, 6);
    EXPECT_EQ(Shared().Score, 600 + 6000);
    EXPECT_EQ(t.twentyOneSteps.back().score, 6600);
    EXPECT_EQ(g.board().twentyOnes(), 0);
    EXPECT_EQ(g.board().bonus(), 0);
    EXPECT_FALSE(g.counter().running());
    EXPECT_FALSE(g.takeScore(true)); // a second tally does nothing
}

TEST_F(CombinationsGameTest, CardsUsedPayStepByStepOrAtOnce) {
    TallyInput in;
    in.score = 0;
    in.cardsUsed = 30;
    in.cardsUsedBonusValue = 100;
    in.twentyOneBonusValue = 1000;
    CombinationsTally t = ComputeTally(in);
    EXPECT_EQ(t.cardsAmount, 3000);
    ASSERT_EQ(t.cardSteps.size(), 30u);
    EXPECT_EQ(t.cardSteps.front().counter, 29);
    EXPECT_EQ(t.cardSteps.front().score, 100);
    EXPECT_EQ(t.cardSteps.back().counter, 0);
    EXPECT_EQ(t.score, 3000);
    EXPECT_FALSE(t.twentyOnesShown); // no 21s: no line, no pause

    in.countUp = false;
    in.twentyOnes = 2;
    in.bonus = 2000;
    t = ComputeTally(in);
    EXPECT_TRUE(t.cardSteps.empty());
    EXPECT_TRUE(t.twentyOneSteps.empty());
    EXPECT_EQ(t.scoreAfterCards, 3000);
    EXPECT_EQ(t.score, 7000);

    // A 21 bonus of 0: the line shows 0 and the count-up takes no step.
    in.countUp = true;
    in.bonus = 0;
    in.twentyOneBonusValue = 0;
    t = ComputeTally(in);
    EXPECT_TRUE(t.twentyOnesShown);
    EXPECT_EQ(t.line, "2 X 0 = 0");
    EXPECT_TRUE(t.twentyOneSteps.empty());
    EXPECT_EQ(t.score, 3000);
}

TEST_F(CombinationsGameTest, UsingTheWholeDeckPaysTheCompletionBonusAndEndsTheRound) {
    CombinationsGame g;
    dealDeck(g, layDeck({}));
    ASSERT_TRUE(g.play());
    CombinationsHit last;
    for (int card = 1; card <= 52; ++card)
        last = g.hit(card % 4);
    EXPECT_TRUE(last.deckComplete);
    // Each column takes 13 twos: two gimmes at 750, then the deck completion at once.
    EXPECT_EQ(Shared().Score, 8 * 750 + 100000);
    EXPECT_TRUE(g.roundOver());
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_FALSE(g.counterTick().ticked);
    EXPECT_FALSE(g.pass());
    EXPECT_FALSE(g.pause());
    const auto end = g.takeScore(false);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->tally.cardsAmount, 5200);
    EXPECT_EQ(Shared().Score, 106000 + 5200);
    EXPECT_EQ(end->next, CombinationsNext::Round);
    ASSERT_TRUE(g.startNextRound());
    EXPECT_EQ(g.round(), 2);
    EXPECT_EQ(g.board().deckPosition(), 1);
    EXPECT_EQ(g.board().pileKey(), "FULL");
    EXPECT_EQ(g.board().passesLeft(), 3);
}

TEST_F(CombinationsGameTest, TheBonusRoundNeedsMoreThanTheBonusRoundScore) {
    for (const int32_t before : {250000, 250001}) {
        CombinationsGame g;
        dealDeck(g, layDeck({}));
        ASSERT_TRUE(g.play());
        for (int round = 1; round <= 2; ++round) {
            ASSERT_TRUE(g.takeScore(true));
            ASSERT_TRUE(g.startNextRound());
        }
        Shared().Score = before;
        const auto end = g.takeScore(true);
        ASSERT_TRUE(end);
        EXPECT_EQ(end->nextRound, 4);
        if (before == 250000) {
            EXPECT_EQ(end->next, CombinationsNext::GameOver);
            EXPECT_FALSE(g.startNextRound());
        } else {
            EXPECT_EQ(end->next, CombinationsNext::BonusRound);
            ASSERT_TRUE(g.startNextRound());
            const auto bonus = g.takeScore(true);
            ASSERT_TRUE(bonus);
            EXPECT_EQ(bonus->next, CombinationsNext::GameOver);
        }
        g.finishGame();
        EXPECT_EQ(g.state(), CombinationsState::GameOver);
        EXPECT_EQ(g.board().deckPosition(), 0);
        EXPECT_EQ(Shared().Score, before); // shown until the next Play
        ASSERT_TRUE(g.play());
        EXPECT_EQ(Shared().Score, 0);
        EXPECT_EQ(g.round(), 1);
    }
}

TEST_F(CombinationsGameTest, TheClockWarnsAndStopsEverythingAtTheLimit) {
    Shared().TimeLimit = 15;
    CombinationsGame g;
    dealDeck(g, twentyOnePairs());
    ASSERT_TRUE(g.play());
    hitEach(g, {0, 0});
    CombinationsTick t;
    for (int i = 0; i < 15; ++i)
        t = g.tick();
    EXPECT_TRUE(t.timeUp);
    EXPECT_EQ(t.angle, 360);
    EXPECT_EQ(t.secondsLeft, 0);
    EXPECT_FALSE(g.counter().running());
    EXPECT_EQ(g.hit(1).move, CombinationsMove::Refused);
    EXPECT_TRUE(g.takeScore(true));
}

TEST_F(CombinationsGameTest, PauseKeepsTheCounterWhereItStood) {
    CombinationsGame g;
    dealDeck(g, twentyOnePairs());
    ASSERT_TRUE(g.play());
    // Before the first 21 a pause and resume leave the counter off.
    ASSERT_TRUE(g.pause());
    ASSERT_TRUE(g.resume());
    EXPECT_FALSE(g.counter().running());
    hitEach(g, {0, 0});
    for (int i = 0; i < 40; ++i)
        g.counterTick();
    ASSERT_TRUE(g.pause());
    EXPECT_FALSE(g.counterTick().ticked);
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_EQ(g.hit(1).move, CombinationsMove::Refused);
    ASSERT_TRUE(g.resume());
    EXPECT_TRUE(g.counter().running());
    EXPECT_EQ(g.counter().value(), 40);
    g.abandon();
    EXPECT_EQ(g.state(), CombinationsState::Idle);

    g.makeDeck = [](bool) { return false; };
    EXPECT_FALSE(g.play());
    EXPECT_FALSE(g.gameRunning());
}
