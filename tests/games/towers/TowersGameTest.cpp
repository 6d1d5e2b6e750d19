#include "TowersTestSupport.h"
#include "games/towers/TowersSettings.h"

#include <QSet>

using namespace towerstest;

namespace {
class TowersGameTest : public TowersTest {
  protected:
    // Takes the first `n` cards of ClearingOrder() on a ClearingDeck() deal.
    void takeRun(TowersGame& g, int n) {
        const auto order = ClearingOrder();
        for (int k = 0; k < n; ++k)
            ASSERT_TRUE(g.clickField(order[size_t(k)]).took) << k;
    }
};

std::vector<TowersSound> sounds(std::initializer_list<TowersSound> s) {
    return s;
}
} // namespace

TEST_F(TowersGameTest, DealUsesEveryCardOnce) {
    SeedRandom(11);
    TowersGame g;
    ASSERT_TRUE(g.play());
    EXPECT_EQ(g.state(), TowersState::Running);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(g.round(), 1);
    QSet<QString> seen;
    for (int i = 0; i < 52; ++i)
        seen.insert(g.dealtCard(i));
    EXPECT_EQ(seen.size(), 52);
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(g.field().card(i), g.dealtCard(i));
    EXPECT_EQ(g.upCard(), g.dealtCard(51));
    EXPECT_EQ(g.upRank(), CardValue(g.dealtCard(51)));
    EXPECT_EQ(g.stockLeft(), 23);
    EXPECT_EQ(g.stockPicture(), "FULL");
    EXPECT_EQ(g.nextCardWorth(), 100);
    EXPECT_TRUE(g.clockRunning());
}

TEST_F(TowersGameTest, ADeckThatCannotBeMadeIsNeverDealt) {
    const auto previous = TowersGame::SetDeckMakerForTests([] { return false; });
    TowersGame g;
    EXPECT_FALSE(g.play());
    EXPECT_EQ(g.state(), TowersState::Idle);
    EXPECT_FALSE(g.clockRunning());
    EXPECT_TRUE(g.clickField(20).sounds.empty());
    TowersGame::SetDeckMakerForTests(previous);
}

TEST_F(TowersGameTest, LegalityIsRankNextToTheUpCard) {
    // King up: base cards ace, queen, king, two; a face-down queen above them.
    FixedDeck deck(DeckWith({{51, "13S"},
                             {18, "1H"},
                             {19, "12H"},
                             {20, "13H"},
                             {21, "2H"},
                             {0, "12C"},
                             {22, "1C"},
                             {23, "13C"}}));
    TowersGame g;
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(g.canTake(0)); // face down, though a queen
    EXPECT_EQ(g.clickField(0).sounds, sounds({TowersSound::Refuse}));
    EXPECT_EQ(g.clickField(20).sounds, sounds({TowersSound::Refuse})); // king on king
    EXPECT_EQ(g.clickField(21).sounds, sounds({TowersSound::Refuse})); // two on king
    EXPECT_EQ(g.currentRun(), 0);
    EXPECT_TRUE(g.canTake(18));
    EXPECT_TRUE(g.canTake(19));
    // Ace on king, then king on ace and ace on king again; the suits do not matter.
    EXPECT_EQ(g.clickField(18).sounds, sounds({TowersSound::Take}));
    EXPECT_EQ(g.upRank(), 1);
    EXPECT_EQ(g.upCard(), "1H");
    EXPECT_TRUE(g.canTake(21)); // two on ace
    EXPECT_TRUE(g.clickField(20).took);
    EXPECT_TRUE(g.clickField(22).took);
    EXPECT_TRUE(g.clickField(23).took);
    EXPECT_EQ(g.currentRun(), 4);
    // A taken card is gone: clicking its place does nothing at all.
    EXPECT_TRUE(g.clickField(18).sounds.empty());
    EXPECT_EQ(g.clickUpCard().sounds, sounds({TowersSound::Refuse}));
}

TEST_F(TowersGameTest, CardValuesGrowAlongARunAndADrawStartsAgain) {
    FixedDeck deck(ClearingDeck());
    TowersGame g;
    ASSERT_TRUE(g.play());
    takeRun(g, 5);
    EXPECT_EQ(Shared().Score, 100 + 200 + 300 + 400 + 500);
    EXPECT_EQ(g.cardValue(), 500);
    EXPECT_EQ(NextCardCaption(g.nextCardWorth()), "Next card worth: 600 points");
    EXPECT_EQ(CurrentRunCaption(g.currentRun()), "Current Run: 5");
    const TowersClick draw = g.clickStock();
    EXPECT_TRUE(draw.drew);
    EXPECT_EQ(draw.sounds, sounds({TowersSound::Draw}));
    EXPECT_EQ(g.currentRun(), 0);
    EXPECT_EQ(g.cardValue(), 0);
    EXPECT_EQ(NextCardCaption(g.nextCardWorth()), "Next card worth: 100 points");
    EXPECT_EQ(g.upCard(), g.dealtCard(28));
}

TEST_F(TowersGameTest, HighRunNeedsAStrictlyLongerRun) {
    FixedDeck deck(ClearingDeck());
    TowersOptions().HighRun = 3;
    TowersGame g;
    ASSERT_TRUE(g.play());
    takeRun(g, 3);
    EXPECT_FALSE(g.newHighRun());
    EXPECT_EQ(TowersOptions().HighRun, 3);
    ASSERT_TRUE(g.clickField(ClearingOrder()[3]).took);
    EXPECT_TRUE(g.newHighRun());
    EXPECT_EQ(TowersOptions().HighRun, 4);
    EXPECT_EQ(HighRunCaption(TowersOptions().HighRun), "Highest Run: 4");
}

TEST_F(TowersGameTest, TheStockGivesItsTwentyThreeCardsOnce) {
    SeedRandom(5);
    TowersGame g;
    ASSERT_TRUE(g.play());
    const QString firstUp = g.upCard();
    for (int draw = 1; draw <= 23; ++draw) {
        ASSERT_TRUE(g.clickStock().drew) << draw;
        EXPECT_EQ(g.upCard(), g.dealtCard(27 + draw));
        EXPECT_EQ(g.stockLeft(), 23 - draw);
        const char* expected = draw <= 6    ? "FULL"
                               : draw <= 13 ? "HALF"
                               : draw <= 22 ? "BACK"
                                            : "EMPTY";
        EXPECT_EQ(g.stockPicture(), expected) << draw;
    }
    const QString last = g.upCard();
    EXPECT_NE(last, firstUp);
    // An empty stock answers, resets the run and leaves the up card.
    for (int extra = 0; extra < 2; ++extra) {
        const TowersClick c = g.clickStock();
        EXPECT_FALSE(c.drew);
        EXPECT_EQ(c.sounds, sounds({TowersSound::Draw, TowersSound::Refuse}));
        EXPECT_EQ(g.upCard(), last);
        EXPECT_EQ(g.stockLeft(), 0);
        EXPECT_EQ(g.stockPicture(), "EMPTY");
    }
}

TEST_F(TowersGameTest, TowersCompleteAndTheThirdEndsTheRound) {
    FixedDeck deck(ClearingDeck());
    TowersGame g;
    ASSERT_TRUE(g.play());
    takeRun(g, 25);
    TowersClick c = g.clickField(0);
    EXPECT_EQ(c.towerCompleted, 1);
    EXPECT_EQ(c.sounds, sounds({TowersSound::Take, TowersSound::Tower}));
    EXPECT_FALSE(c.allTowers);
    c = g.clickField(1);
    EXPECT_EQ(c.towerCompleted, 2);
    EXPECT_TRUE(g.towerDone(2));
    EXPECT_FALSE(g.towerDone(3));
    c = g.clickField(2);
    EXPECT_TRUE(c.allTowers);
    EXPECT_EQ(g.towersCompleted(), 3);
    EXPECT_EQ(g.field().cardsLeft(), 0);
}

TEST_F(TowersGameTest, WorkedRoundEnds) {
    // One tower by 25 s of 45, with a new high run of 7 (then a draw and three more cards).
    {
        FixedDeck deck(RunDeck(TowerOneOrder(), {{28, "8C"}}));
        TowersGame g;
        ASSERT_TRUE(g.play());
        const auto order = TowerOneOrder();
        for (int k = 0; k < 7; ++k)
            ASSERT_TRUE(g.clickField(order[size_t(k)]).took) << k;
        ASSERT_TRUE(g.clickStock().drew);
        for (int k = 7; k < 10; ++k)
            ASSERT_TRUE(g.clickField(order[size_t(k)]).took) << k;
        EXPECT_TRUE(g.towerDone(1));
        Shared().ElapsedSeconds = 25;
        const auto end = g.takeScore();
        ASSERT_TRUE(end);
        EXPECT_TRUE(end->speedBonus);
        EXPECT_FALSE(end->sorry);
        EXPECT_EQ(end->secondsLeft, 20);
        EXPECT_EQ(end->towers, 1);
        EXPECT_TRUE(end->highRunBonus);
        EXPECT_EQ(end->highRun, 7);
        EXPECT_FALSE(g.takeScore()); // once per round
        EXPECT_TRUE(g.clickStock().sounds.empty());
    }
    // The third tower with 33 s left, no new record.
    {
        FixedDeck deck(ClearingDeck());
        TowersOptions().HighRun = 28;
        TowersGame g;
        ASSERT_TRUE(g.play());
        takeRun(g, 28);
        Shared().ElapsedSeconds = 12;
        const auto end = g.takeScore();
        ASSERT_TRUE(end);
        EXPECT_TRUE(end->speedBonus);
        EXPECT_EQ(end->secondsLeft, 33);
        EXPECT_EQ(end->towers, 3);
        EXPECT_FALSE(end->highRunBonus);
        EXPECT_EQ(g.towersCompleted(), 0);
        // The next round's first card earns the card bonus again.
        EXPECT_EQ(g.nextStep(), TowersNext::NextRound);
        ASSERT_TRUE(g.startNextRound());
        EXPECT_EQ(g.round(), 2);
        EXPECT_EQ(Shared().ElapsedSeconds, 0);
        EXPECT_EQ(g.nextCardWorth(), 100);
    }
    // No tower with 20 s left: no speed bonus, the two-line "Sorry".
    {
        FixedDeck deck(ClearingDeck());
        TowersOptions().HighRun = 28;
        TowersGame g;
        ASSERT_TRUE(g.play());
        takeRun(g, 3);
        Shared().ElapsedSeconds = 25;
        const auto end = g.takeScore();
        ASSERT_TRUE(end);
        EXPECT_TRUE(end->sorry);
        EXPECT_FALSE(end->speedBonus);
        EXPECT_EQ(end->towers, 0);
        EXPECT_FALSE(end->highRunBonus);
        EXPECT_EQ(TowersSorryText(),
                  "Sorry, you must complete at least\r\none tower to receive the time bonus!");
    }
}

TEST_F(TowersGameTest, BonusRoundNeedsTheThresholdExactly) {
    FixedDeck deck(ClearingDeck());
    for (const int32_t score : {40000, 39999}) {
        TowersGame g;
        ASSERT_TRUE(g.play());
        ASSERT_TRUE(g.takeScore());
        ASSERT_TRUE(g.startNextRound());
        ASSERT_TRUE(g.takeScore());
        Shared().Score = score;
        if (score == 40000) {
            EXPECT_EQ(g.nextStep(), TowersNext::BonusRound);
            ASSERT_TRUE(g.startNextRound());
            EXPECT_EQ(g.round(), 3);
            EXPECT_EQ(Shared().Round, 3);
            ASSERT_TRUE(g.takeScore());
            EXPECT_EQ(g.nextStep(), TowersNext::GameOver); // after the bonus round always
        } else {
            EXPECT_EQ(g.nextStep(), TowersNext::GameOver);
            EXPECT_FALSE(g.startNextRound());
        }
        g.finishGame();
        EXPECT_EQ(g.state(), TowersState::GameOver);
        EXPECT_FALSE(g.gameRunning());
        // Play again starts at 0 and keeps the high run.
        TowersOptions().HighRun = 9;
        ASSERT_TRUE(g.play());
        EXPECT_EQ(Shared().Score, 0);
        EXPECT_EQ(g.round(), 1);
        EXPECT_EQ(TowersOptions().HighRun, 9);
        g.abandon();
    }
}

TEST_F(TowersGameTest, PauseAbandonAndClearHighRun) {
    FixedDeck deck(ClearingDeck());
    TowersOptions().HighRun = 12;
    TowersGame g;
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(g.clearHighRun());
    ASSERT_TRUE(g.pause());
    EXPECT_FALSE(g.clockRunning());
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_TRUE(g.clickField(18).sounds.empty());
    EXPECT_TRUE(g.clickStock().sounds.empty());
    EXPECT_FALSE(g.takeScore());
    ASSERT_TRUE(g.resume());
    EXPECT_TRUE(g.clockRunning());
    g.setClockRunning(false); // minimised
    EXPECT_FALSE(g.tick().ticked);
    g.setClockRunning(true);
    g.abandon();
    EXPECT_EQ(g.state(), TowersState::Idle);
    EXPECT_TRUE(g.clearHighRun());
    EXPECT_EQ(TowersOptions().HighRun, 0);
}

TEST_F(TowersGameTest, ClockWarningsAt45Seconds) {
    Shared().TimeLimit = 45;
    TowersGame g;
    SeedRandom(2);
    ASSERT_TRUE(g.play());
    std::map<int, QString> status;
    TowersTick t;
    do {
        t = g.tick();
        ASSERT_TRUE(t.ticked);
        status[t.secondsLeft] = t.status;
    } while (!t.timeUp);
    EXPECT_EQ(t.elapsed, 45);
    EXPECT_EQ(t.angle, 360);
    EXPECT_EQ(status[23], "");
    EXPECT_EQ(status[22], "Times running out!");
    EXPECT_EQ(status[11], "Times running out!");
    EXPECT_EQ(status[10], "Better Hurry!");
    EXPECT_EQ(status[1], "Better Hurry!");
    EXPECT_EQ(status[0], "Time has expired!");
    EXPECT_FALSE(g.clockRunning());
    const auto end = g.takeScore();
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->sorry); // no second left: no message either
    EXPECT_FALSE(end->speedBonus);
}
