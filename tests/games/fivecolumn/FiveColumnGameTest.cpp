#include "FiveColumnTestSupport.h"

class FiveColumnGameTest : public FiveColumnTest {};

namespace {
std::vector<int32_t> bonuses(int max, int min, int limit, int seconds) {
    const float step = TimeBonusStep(max, min, limit);
    std::vector<int32_t> out;
    for (int s = 0; s <= seconds; ++s)
        out.push_back(TimeBonusAt(max, step, s));
    return out;
}
} // namespace

TEST_F(FiveColumnGameTest, TimeBonusFallsEverySecondRoundedHalfToEven) {
    EXPECT_EQ(bonuses(300, 100, 60, 3), (std::vector<int32_t>{300, 297, 293, 290}));
    const float step60 = TimeBonusStep(300, 100, 60);
    EXPECT_FLOAT_EQ(step60, 3.3333333f);
    EXPECT_EQ(TimeBonusAt(300, step60, 10), 267);
    EXPECT_EQ(TimeBonusAt(300, step60, 30), 200);
    EXPECT_EQ(TimeBonusAt(300, step60, 59), 103);
    EXPECT_EQ(TimeBonusAt(300, step60, 60), 100);
    EXPECT_EQ(bonuses(300, 100, 45, 3), (std::vector<int32_t>{300, 296, 291, 287}));
    EXPECT_EQ(TimeBonusAt(300, TimeBonusStep(300, 100, 45), 45), 100);
    // 115 to 100 in 30 s falls half a point a second: 114.5 and 113.5 both give 114.
    const std::vector<int32_t> half = bonuses(115, 100, 30, 5);
    EXPECT_EQ(half[1], 114);
    EXPECT_EQ(half[3], 114);
    EXPECT_EQ(half[5], 112);
    // 103 to 100 in 30 s: in single precision 15 s is exactly 101.5, so 102.
    EXPECT_EQ(bonuses(103, 100, 30, 15)[15], 102);
    EXPECT_EQ(TimeBonusStep(300, 100, 0), 0.0f);
}

TEST_F(FiveColumnGameTest, TheClockRunsTheBonusAndStopsAtTheLimit) {
    Shared().TimeLimit = 15;
    FiveColumnGame g;
    dealDecks(g, {layDeck({})});
    ASSERT_TRUE(g.play());
    EXPECT_EQ(Shared().TimeBonus, 300);
    FiveColumnTick t;
    for (int i = 0; i < 15; ++i)
        t = g.tick();
    EXPECT_TRUE(t.timeUp);
    EXPECT_EQ(t.angle, 360);
    EXPECT_EQ(t.timeBonus, 100);
    EXPECT_EQ(Shared().GaugeElapsed, 15);
    // From "Times Up!" on, nothing but the round end.
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_FALSE(g.hit(0).dealt);
    EXPECT_FALSE(g.pass());
    EXPECT_FALSE(g.pause());
    const auto end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->scored);
    EXPECT_EQ(end->failure, "Sorry, 97 or more needed to win!");
    EXPECT_EQ(Shared().Score, 0);
}

TEST_F(FiveColumnGameTest, FiveTwentyOnesAtTwentySecondsScore233000) {
    FiveColumnGame g;
    dealDecks(g, {fiveTwentyOnes()});
    ASSERT_TRUE(g.play());
    for (int i = 0; i < 20; ++i)
        g.tick();
    FiveColumnHit last;
    for (int c = 0; c < 5; ++c) {
        g.hit(c);
        last = g.hit(c);
    }
    EXPECT_TRUE(last.complete);
    EXPECT_EQ(g.board().currentTotal(), 105);
    const auto end = g.endRound(false);
    ASSERT_TRUE(end);
    EXPECT_TRUE(end->scored);
    EXPECT_EQ(end->cardTotalValue, 1000);
    EXPECT_EQ(end->timeBonus, 233);
    EXPECT_EQ(end->roundScore, 233000);
    EXPECT_TRUE(end->awesome);
    EXPECT_TRUE(end->steps.empty()); // counting off: added at once
    EXPECT_EQ(Shared().Score, 233000);
    EXPECT_EQ(end->roundPlayed, 1);
    EXPECT_EQ(end->next, FiveColumnNext::Round);
    EXPECT_EQ(end->nextRound, 2);
    // A second round end before the next deal does nothing.
    EXPECT_FALSE(g.endRound(false));
}

TEST_F(FiveColumnGameTest, NinetySevenBeforeTheFirstTickCountsUpInTwentyFiveSteps) {
    // Four columns of 20 and a column of 17 make 97: 50 points x 300 = 15,000.
    FiveColumnGame g;
    dealDecks(g, {fourTwentiesThen({" 10H", " 7H"})});
    ASSERT_TRUE(g.play());
    hitEach(g, kFourTwenties);
    hitEach(g, {4, 4});
    Shared().Score = 1000;
    const auto end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->roundScore, 15000);
    EXPECT_FALSE(end->awesome);
    ASSERT_EQ(end->steps.size(), 25u);
    EXPECT_EQ(end->steps.front().shown, 15000);
    EXPECT_EQ(end->steps.front().score, 1600);
    EXPECT_EQ(end->steps[1].shown, 14400);
    EXPECT_EQ(end->steps.back().shown, 600);
    EXPECT_EQ(end->steps.back().score, 16000);
    for (size_t i = 0; i < end->steps.size(); ++i)
        EXPECT_EQ(end->steps[i].tick, (i + 1) % 3 == 0) << i;
    EXPECT_EQ(Shared().Score, 16000);
    // 1000 points count in 500 steps.
    EXPECT_EQ(RoundScoreSteps(0, 1000, 233).size(), 500u);
}

TEST_F(FiveColumnGameTest, ABustFailsTheRoundWithBustedWhateverTheSum) {
    FiveColumnGame g;
    dealDecks(g, {layDeck({{2, " 10S"}, {3, " 10H"}, {4, " 5C"}})});
    ASSERT_TRUE(g.play());
    hitEach(g, {0, 0});
    EXPECT_TRUE(g.hit(0).busted);
    const auto end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->scored);
    EXPECT_EQ(end->failure, "Busted!");
}

TEST_F(FiveColumnGameTest, BonusRoundNeedsTheBonusScoreAfterRoundThree) {
    for (const int32_t before : {199999, 200000}) {
        FiveColumnGame g;
        dealDecks(g, {layDeck({})});
        ASSERT_TRUE(g.play());
        for (int round = 1; round <= 3; ++round) {
            if (round == 3) Shared().Score = before;
            const auto end = g.endRound(true);
            ASSERT_TRUE(end);
            EXPECT_EQ(end->roundPlayed, round);
            if (round < 3) {
                EXPECT_EQ(end->next, FiveColumnNext::Round);
                ASSERT_TRUE(g.startNextRound());
                EXPECT_EQ(g.round(), round + 1);
            } else if (before < 200000) {
                EXPECT_EQ(end->next, FiveColumnNext::GameOver);
                EXPECT_FALSE(g.startNextRound());
            } else {
                EXPECT_EQ(end->next, FiveColumnNext::BonusRound);
                EXPECT_EQ(end->nextRound, 4);
                ASSERT_TRUE(g.startNextRound());
                // After the bonus round the game is over whatever the score.
                const auto bonus = g.endRound(true);
                ASSERT_TRUE(bonus);
                EXPECT_EQ(bonus->roundPlayed, 4);
                EXPECT_EQ(bonus->next, FiveColumnNext::GameOver);
            }
        }
        EXPECT_EQ(Shared().Score, before);
        g.finishGame();
        EXPECT_EQ(g.state(), FiveColumnState::GameOver);
        EXPECT_EQ(Shared().Score, 0);
        EXPECT_EQ(g.round(), 0);
    }
}

TEST_F(FiveColumnGameTest, PauseAbandonAndAFailedDeal) {
    FiveColumnGame g;
    dealDecks(g, {layDeck({})});
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(g.play()); // a game is already running
    ASSERT_TRUE(g.pause());
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_FALSE(g.hit(0).dealt);
    EXPECT_FALSE(g.endRound(true));
    ASSERT_TRUE(g.resume());
    EXPECT_TRUE(g.hit(0).dealt);
    Shared().Score = 500;
    g.abandon();
    EXPECT_EQ(g.state(), FiveColumnState::Idle);
    EXPECT_EQ(Shared().Score, 0);

    g.makeDeck = [] { return false; };
    EXPECT_FALSE(g.play());
    EXPECT_EQ(g.state(), FiveColumnState::Idle);
    EXPECT_FALSE(g.gameRunning());
}

TEST_F(FiveColumnGameTest, CustomScoringIgnoresTheWaitAndTheCountDown) {
    EXPECT_FALSE(FiveColumnSettingsTable().isCustom());
    FiveColumnOptions().WaitPeriod = 5000;
    Shared().CountDownScore = false;
    EXPECT_FALSE(FiveColumnSettingsTable().isCustom());
    FiveColumnOptions().CardsToPass = 0;
    EXPECT_TRUE(FiveColumnSettingsTable().isCustom());
    FiveColumnOptions().CardsToPass = 1;
    Shared().BonusScore = 199999;
    EXPECT_TRUE(FiveColumnSettingsTable().isCustom());
    Shared().BonusScore = 200000;
    FiveColumnOptions().TimeBonusMin = 99;
    EXPECT_TRUE(FiveColumnSettingsTable().isCustom());
}
