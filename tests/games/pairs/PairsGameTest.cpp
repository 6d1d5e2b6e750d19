// A Twindle game without a window: the deal from the shuffled deck, the clock, the round end's
// bonuses and what follows each round.

#include "games/pairs/PairsGame.h"
#include "PairsTestSupport.h"
#include "services/Random.h"

namespace {
int32_t total(const std::vector<PairsBonus>& bonuses) {
    return AddPairsBonuses(0, bonuses);
}
} // namespace

class PairsGameTest : public PairsTest {};

TEST_F(PairsGameTest, PlayDealsTheShuffledDeckAndStartsRoundOne) {
    SeedRandom(7);
    PairsGame g;
    Shared().Score = 1234;
    ASSERT_TRUE(g.play());
    EXPECT_EQ(g.state(), PairsState::Running);
    EXPECT_EQ(Shared().Round, 1);
    EXPECT_EQ(Shared().Score, 0);
    const QStringList& deck = Shared().Deck;
    for (int p = 0; p < 23; ++p)
        EXPECT_EQ(g.board().card(p), deck[p + 1]);
    EXPECT_EQ(g.board().card(23), deck[24]);
    EXPECT_EQ(g.board().stackCount(), 28);
}

TEST_F(PairsGameTest, TheClockWarnsAndStopsAtTheLimit) {
    PairsGame g;
    ASSERT_TRUE(g.play());
    std::map<int, QString> hints;
    PairsTick t;
    for (int i = 0; i < 45; ++i) {
        t = g.tick();
        hints[t.secondsLeft] = t.status;
        EXPECT_EQ(t.timeUp, i == 44);
    }
    EXPECT_EQ(hints[23], "");
    EXPECT_EQ(hints[22], "Times running out!");
    EXPECT_EQ(hints[11], "Times running out!");
    EXPECT_EQ(hints[10], "Better Hurry!");
    EXPECT_EQ(hints[1], "Better Hurry!");
    EXPECT_EQ(hints[0], "Time has expired!");
    EXPECT_EQ(Shared().GaugeElapsed, 45);
}

TEST_F(PairsGameTest, ThePausedClockStandsAndClicksDoNothing) {
    PairsGame g;
    ASSERT_TRUE(g.play());
    g.click(18);
    ASSERT_TRUE(g.board().selectionActive());
    g.tick();
    ASSERT_TRUE(g.pause());
    EXPECT_FALSE(g.board().selectionActive());
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_TRUE(g.click(18).sounds.empty());
    EXPECT_TRUE(g.clickStack().sounds.empty());
    EXPECT_FALSE(g.takeScore());
    ASSERT_TRUE(g.resume());
    EXPECT_EQ(g.tick().elapsed, 2);
}

TEST_F(PairsGameTest, RoundBonusesOfTheWorkedExamples) {
    // 3 pairs, 5 runs, top row cleared with 20 s left.
    const auto cleared = PairsRoundBonuses(true, 20, 3, 5);
    ASSERT_EQ(cleared.size(), 4u);
    EXPECT_EQ(cleared[0].kind, PairsBonusKind::Completion);
    EXPECT_EQ(cleared[0].name, "Completion Bonus");
    EXPECT_EQ(cleared[1].kind, PairsBonusKind::Speed);
    EXPECT_EQ(cleared[1].count, 20);
    EXPECT_EQ(cleared[2].name, "Pairs Bonus");
    EXPECT_EQ(cleared[3].name, "Runs Bonus");
    EXPECT_EQ(total(cleared), 10000 + 2000 + 9000 + 2500);
    // A time-out after two pairs and no run: no completion, no speed bonus.
    const auto timedOut = PairsRoundBonuses(false, 0, 2, 0);
    ASSERT_EQ(timedOut.size(), 2u);
    EXPECT_EQ(timedOut[1].count, 0);
    EXPECT_EQ(total(timedOut), 6000);
    // Take Score straight after a 45-second deal.
    EXPECT_EQ(total(PairsRoundBonuses(false, 45, 0, 0)), 4500);
}

TEST_F(PairsGameTest, ScoringValuesComeFromTheSettings) {
    PairsOptions().PairsBonus = 5000;
    PairsOptions().CompletionBonus = 0;
    Shared().TimeBonus = 7;
    EXPECT_EQ(total(PairsRoundBonuses(true, 10, 2, 1)), 0 + 70 + 10000 + 500);
}

TEST_F(PairsGameTest, TakeScoreAtOnceCountsTheWholeRoundAsSpeedBonus) {
    PairsGame g;
    ASSERT_TRUE(g.play());
    const auto bonuses = g.takeScore();
    ASSERT_TRUE(bonuses);
    EXPECT_EQ(total(*bonuses), 4500);
    EXPECT_EQ(g.state(), PairsState::RoundEnd);
    EXPECT_FALSE(g.takeScore()); // a second request while one runs is ignored
    EXPECT_EQ(g.decide(), PairsOutcome::RoundTwo);
    ASSERT_TRUE(g.startNextRound());
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    EXPECT_EQ(g.board().pairsMade(), 0);
}

TEST_F(PairsGameTest, TheBonusRoundNeedsTheBonusRoundScoreAfterRoundTwo) {
    PairsGame g;
    ASSERT_TRUE(g.play());
    g.takeScore();
    ASSERT_TRUE(g.startNextRound());
    g.takeScore();
    Shared().Score = 80000;
    EXPECT_EQ(g.decide(), PairsOutcome::BonusRound);
    Shared().Score = 79999;
    EXPECT_EQ(g.decide(), PairsOutcome::GameOver);
    Shared().Score = 80000;
    ASSERT_TRUE(g.startNextRound());
    EXPECT_EQ(Shared().Round, 3);
    g.takeScore();
    Shared().Score = 900000;
    EXPECT_EQ(g.decide(), PairsOutcome::GameOver); // after the bonus round the game ends
    g.finishGame();
    EXPECT_EQ(g.state(), PairsState::GameOver);
    EXPECT_FALSE(g.gameRunning());
}

TEST_F(PairsGameTest, ClearingTheTopRowMarksTheCompletionForTheRoundEnd) {
    const uint32_t seed = ClearingSeed();
    ASSERT_NE(seed, 0u);
    SeedRandom(seed);
    PairsGame g;
    ASSERT_TRUE(g.play());
    ASSERT_TRUE(PlayOutRound(g));
    EXPECT_TRUE(g.completionPending());
    const auto bonuses = g.takeScore();
    ASSERT_TRUE(bonuses);
    EXPECT_EQ(bonuses->front().kind, PairsBonusKind::Completion);
    EXPECT_EQ(bonuses->front().pointsEach, 10000);
    EXPECT_EQ(bonuses->front().count, 1);
}

TEST_F(PairsGameTest, AnAbandonedGameLeavesNothingToClick) {
    PairsGame g;
    ASSERT_TRUE(g.play());
    g.abandon();
    EXPECT_EQ(g.state(), PairsState::Idle);
    EXPECT_FALSE(g.board().present(23));
    EXPECT_TRUE(g.click(18).sounds.empty());
}
