#include "games/pokergrid/PokerGridGame.h"
#include "PokerGridTestSupport.h"
#include "games/pokergrid/PokerGridLayout.h"
#include "services/Random.h"

class PokerGridGameTest : public PokerGridTest {
  protected:
    void SetUp() override {
        PokerGridTest::SetUp();
        SeedRandom(5);
    }
    void TearDown() override {
        PokerGridGame::SetShuffleForTests({});
        PokerGridTest::TearDown();
    }
    // Fills the grid cell by cell.
    static void fillGrid(PokerGridGame& g) {
        for (int c = 0; c < kGridCells; ++c)
            g.click(c);
    }
};

TEST_F(PokerGridGameTest, PlayStartsRoundOneFromNothing) {
    Shared().Score = 777;
    Shared().GameAbandoned = true;
    Shared().InputBlocked = true;
    Shared().ElapsedSeconds = 30;
    PokerGridGame g;
    ASSERT_TRUE(g.play());
    EXPECT_EQ(g.state(), PokerGridState::Running);
    EXPECT_TRUE(g.gameRunning());
    EXPECT_EQ(Shared().Round, 1);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_FALSE(Shared().GameAbandoned);
    EXPECT_FALSE(Shared().InputBlocked);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    EXPECT_EQ(g.cards().holeCard(), Shared().Deck[1]);
    EXPECT_EQ(g.cards().cardsRemaining(), 51);
    EXPECT_EQ(g.overWritesLeft(), 3);
}

TEST_F(PokerGridGameTest, AStartThatCannotDealStaysIdle) {
    PokerGridGame::SetShuffleForTests([](QStringList& deck) { deck.removeLast(); });
    PokerGridGame g;
    EXPECT_FALSE(g.play());
    EXPECT_EQ(g.state(), PokerGridState::Idle);
    EXPECT_FALSE(g.error().isEmpty());
    EXPECT_EQ(g.cards().holeCard(), "");
    EXPECT_FALSE(g.tick().ticked); // no clock on an empty grid
}

TEST_F(PokerGridGameTest, ClicksCountOnlyWhileARoundRunsAndInputIsFree) {
    PokerGridGame g;
    EXPECT_FALSE(g.click(0).accepted); // idle
    ASSERT_TRUE(g.play());
    Shared().InputBlocked = true;
    const Placement blocked = g.click(0);
    EXPECT_FALSE(blocked.accepted);
    EXPECT_TRUE(blocked.sounds.isEmpty()); // not even the refusal sound
    Shared().InputBlocked = false;
    ASSERT_TRUE(g.pause());
    EXPECT_FALSE(g.click(0).accepted);
    EXPECT_FALSE(g.tick().ticked); // the clock stands still
    ASSERT_TRUE(g.resume());
    EXPECT_TRUE(g.click(0).accepted);
}

TEST_F(PokerGridGameTest, ClockTicksToTheLimit) {
    Shared().TimeLimit = 30;
    PokerGridGame g;
    ASSERT_TRUE(g.play());
    PokerGridTick t = g.tick();
    EXPECT_TRUE(t.ticked);
    EXPECT_EQ(t.angle, 0); // drawn for the second before
    EXPECT_EQ(t.secondsLeft, 29);
    t = g.tick();
    EXPECT_EQ(t.angle, 12);
    for (int i = 3; i < 30; ++i)
        EXPECT_FALSE(g.tick().timeUp);
    t = g.tick();
    EXPECT_TRUE(t.timeUp);
    EXPECT_EQ(t.secondsLeft, 0);
    EXPECT_EQ(Shared().GaugeElapsed, 30);
}

TEST_F(PokerGridGameTest, AFilledGridEndsTheRoundWithItsPointsAndSecondsLeft) {
    // Row 1 a royal flush (500), row 2 a straight flush (400), row 3 an ace-low straight
    // (90), row 4 a pair (50), column 5 a full house (200): 1240 points.
    const QStringList grid = QString("1H 13H 12H 11H 10H 9S 8S 7S 6S 5S 3C 2H 1C 4S 5C "
                                     "11D 5D 2D 7C 5H 6H 12C 9H 13C 10C")
                                 .split(' ');
    PokerGridGame::SetShuffleForTests([grid](QStringList& deck) { deck = deckStartingWith(grid); });
    PokerGridGame g;
    ASSERT_TRUE(g.play());
    fillGrid(g);
    ASSERT_TRUE(g.cards().grid().full());
    EXPECT_EQ(g.roundPoints(), 1240);
    Shared().ElapsedSeconds = 45; // 30 of 75 seconds left
    Shared().TimeBonus = 2;
    const auto end = g.endRound(false);
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->timeUp);
    EXPECT_EQ(end->secondsLeft, 30);
    EXPECT_EQ(end->pointsText, "1240 X 30 =");
    EXPECT_TRUE(Shared().InputBlocked);
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_EQ(g.state(), PokerGridState::RoundEnd);
    EXPECT_FALSE(g.endRound(false)); // a round ends once
    EXPECT_EQ(Shared().Round, 2);
}

TEST_F(PokerGridGameTest, ARoundWhoseClockRunsOutPaysNothing) {
    PokerGridGame g;
    ASSERT_TRUE(g.play());
    for (int c = 0; c < 20; ++c)
        g.click(c);
    const auto end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_TRUE(end->timeUp);
    EXPECT_EQ(end->secondsLeft, 0);
}

TEST_F(PokerGridGameTest, ThreeRoundsAndTheBonusRoundAtExactlyTheThreshold) {
    for (const int32_t score : {99999, 100000}) {
        PokerGridGame g;
        ASSERT_TRUE(g.play());
        for (int round = 1; round <= 2; ++round) {
            ASSERT_TRUE(g.endRound(true));
            EXPECT_EQ(g.outcome(), PokerRoundOutcome::NextRound);
            ASSERT_TRUE(g.startNextRound());
            EXPECT_EQ(Shared().Round, round + 1);
            // The next grid is empty and waits for the launcher's tick.
            EXPECT_EQ(g.cards().grid().filled(), 0);
            EXPECT_EQ(g.cards().cardsRemaining(), 51);
            EXPECT_TRUE(Shared().InputBlocked);
            EXPECT_EQ(Shared().ElapsedSeconds, 0);
            Shared().InputBlocked = false;
        }
        Shared().Score = score;
        ASSERT_TRUE(g.endRound(true));
        if (score < 100000) {
            EXPECT_EQ(g.outcome(), PokerRoundOutcome::GameOver);
            EXPECT_FALSE(g.startNextRound());
            g.finishGame();
            EXPECT_EQ(g.state(), PokerGridState::GameOver);
            EXPECT_FALSE(g.gameRunning());
            continue;
        }
        EXPECT_EQ(g.outcome(), PokerRoundOutcome::BonusRound);
        ASSERT_TRUE(g.startNextRound());
        EXPECT_EQ(Shared().Round, 4);
        // After the bonus round the game ends, whatever the score.
        Shared().Score = 5000000;
        ASSERT_TRUE(g.endRound(true));
        EXPECT_EQ(g.outcome(), PokerRoundOutcome::GameOver);
    }
}

TEST_F(PokerGridGameTest, OverwritesAreCountedPerRound) {
    PokerGridOptions().OverWrites = 1;
    PokerGridGame g;
    ASSERT_TRUE(g.play());
    g.click(0);
    EXPECT_TRUE(g.click(0).overwrite);
    EXPECT_EQ(g.overWritesLeft(), 0);
    EXPECT_FALSE(g.click(0).accepted);
    ASSERT_TRUE(g.endRound(true));
    ASSERT_TRUE(g.startNextRound());
    Shared().InputBlocked = false;
    EXPECT_EQ(g.overWritesLeft(), 1);
}

TEST_F(PokerGridGameTest, GivingUpSkipsTheHighScore) {
    PokerGridGame g;
    g.abandon(); // nothing to give up
    EXPECT_FALSE(Shared().GameAbandoned);
    ASSERT_TRUE(g.play());
    g.click(3);
    g.abandon();
    EXPECT_EQ(g.state(), PokerGridState::Idle);
    EXPECT_TRUE(Shared().GameAbandoned);
    EXPECT_EQ(g.cards().grid().filled(), 0);
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(Shared().GameAbandoned);
}

TEST(PokerGridCaptions, RoundTexts) {
    EXPECT_EQ(PokerRoundCaption(2), "Round: 2");
    EXPECT_EQ(PokerRoundCaption(4), "Bonus Round");
    EXPECT_EQ(PokerRoundAnnouncement(2), "Prepare for round  2!");
    EXPECT_EQ(PokerRoundAnnouncement(3), "Prepare for round  3!");
    EXPECT_EQ(PokerRoundAnnouncement(4), "Bonus round!");
    EXPECT_EQ(OverWritesCaption(0), "Over Writes Remaining: 0");
    EXPECT_EQ(PointsEarnedCaption(1900), "Points Earned: 1900");
    EXPECT_EQ(CardsRemainingCaption(51), "Cards remaining: 51");
}

TEST(PokerGridLayoutTest, GridDeckAndHoleCardFollowTheSize) {
    const PokerGridLayout l = LayOutPokerGrid(9540, 7305);
    const std::array<double, 5> columns{300, 1500, 2700, 3900, 5100};
    EXPECT_EQ(l.columnLeft, columns);
    EXPECT_NEAR(l.deckLeft, 7110, 1e-6);
    EXPECT_NEAR(l.holeLeft, 8310, 1e-6);
    EXPECT_DOUBLE_EQ(l.rowTop[0], 204);
    EXPECT_NEAR(l.rowTop[1], 1241.85, 1e-6);
    EXPECT_NEAR(l.rowTop[2] - l.rowTop[1], 1037.85, 1e-6);
    EXPECT_LT(l.rowTop[2] - l.rowTop[1], 1455); // the rows overlap
    EXPECT_DOUBLE_EQ(l.cardsTop, l.rowTop[4]);

    const PokerGridLayout tall = LayOutPokerGrid(12000, 10000);
    EXPECT_NEAR(tall.rowTop[1], 1700, 1e-6);
    EXPECT_NEAR(tall.rowTop[2] - tall.rowTop[1], 1496, 1e-6); // no longer overlapping
    EXPECT_NEAR(tall.columnLeft[1] - tall.columnLeft[0], 1200, 1e-9);
    EXPECT_NEAR(tall.columnLeft[2], 12000 / 2 - 2 * 1035, 1e-9);
}
