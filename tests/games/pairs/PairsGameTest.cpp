// A Twindle game without a window: the deal from the shuffled deck, the clock, the round end's
// bonuses and what follows each round.

#include "games/pairs/PairsGame.h"
#include "PairsTestSupport.h"
#include "services/Random.h"

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

TEST_F(PairsGameTest, RoundEndsEarnTheirBonusesInTheOrderTheyAreCounted) {
    struct Earned {
        PairsBonusKind kind;
        int32_t count;
        int32_t pointsEach;
    };
    const auto expect = [](const std::vector<PairsBonus>& got, const std::vector<Earned>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < want.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(got[i].kind, want[i].kind);
            EXPECT_EQ(got[i].count, want[i].count);
            EXPECT_EQ(got[i].pointsEach, want[i].pointsEach);
        }
    };
    using K = PairsBonusKind;
    // 3 pairs, 5 runs, top row cleared with 20 s left.
    const auto cleared = PairsRoundBonuses(true, 20, 3, 5);
    expect(
        cleared,
        {{K::Completion, 1, 10000}, {K::Speed, 20, 100}, {K::Pairs, 3, 3000}, {K::Runs, 5, 500}});
    EXPECT_EQ(cleared[0].name, "Completion Bonus");
    EXPECT_EQ(cleared[2].name, "Pairs Bonus");
    EXPECT_EQ(cleared[3].name, "Runs Bonus");
    // A time-out after two pairs and no run: no completion, no speed bonus, the runs still named.
    expect(PairsRoundBonuses(false, 0, 2, 0), {{K::Pairs, 2, 3000}, {K::Runs, 0, 500}});
    // The values come from the settings.
    PairsOptions().PairsBonus = 5000;
    PairsOptions().CompletionBonus = 0;
    Shared().TimeBonus = 7;
    expect(PairsRoundBonuses(true, 10, 2, 1),
           {{K::Completion, 1, 0}, {K::Speed, 10, 7}, {K::Pairs, 2, 5000}, {K::Runs, 1, 500}});
}

TEST_F(PairsGameTest, TakeScoreAtOnceCountsTheWholeRoundAsSpeedBonus) {
    PairsGame g;
    ASSERT_TRUE(g.play());
    const auto bonuses = g.takeScore();
    ASSERT_TRUE(bonuses);
    ASSERT_EQ(bonuses->size(), 3u);
    EXPECT_EQ(bonuses->front().kind, PairsBonusKind::Speed);
    EXPECT_EQ(bonuses->front().count, 45);
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
