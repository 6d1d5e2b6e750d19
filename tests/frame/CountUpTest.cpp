#include "FrameTestSupport.h"

#include "frame/VbColour.h"
#include "platform/Twips.h"
#include "services/HighScores.h"

#include <limits>

TEST_F(FrameTest, TimeBonusCountsTheSecondsLeftAndRunsThePieToFull) {
    auto w = window("frmCrestal");
    SharedState& s = Shared();
    s.TimeLimit = 45;
    s.ElapsedSeconds = 30;
    s.GaugeElapsed = 30;
    s.Score = 1000;
    s.CountDownScore = true;
    s.SoundsOn = true;
    w->InitClock();

    w->CountTimeBonus(100);

    EXPECT_EQ(pauses(), repeated({2000}, 75, 15));
    EXPECT_EQ(s.Score, 2500);
    EXPECT_EQ(s.ElapsedSeconds, 45);
    EXPECT_EQ(s.GaugeElapsed, 45);
    EXPECT_EQ(w->clock().fillColour(), kVbRed); // the last draw was the full circle
    EXPECT_FALSE(w->Timer2()->isEnabled());
    EXPECT_EQ(audio->waves.size(), 15u);
    EXPECT_EQ(w->label("lblMessage")->text(), "Speed Bonus!");
    EXPECT_EQ(w->label("lblCurrentScore")->text(), FormatScore(2500));
    EXPECT_EQ(w->label("lblScoring")->text(), "0");
    EXPECT_FALSE(w->label("lblScoring")->isVisibleTo(w.get()));
    EXPECT_EQ(ForeColour(w->label("lblCurrentScore")), VbColour(kVbBlue));
}

TEST_F(FrameTest, TimeBonusWithNoSecondsLeftShowsZeroAndAddsNothing) {
    auto w = window("frmTwindle");
    SharedState& s = Shared();
    s.TimeLimit = 45;
    s.ElapsedSeconds = 45;
    s.Score = 700;
    s.CountDownScore = true;
    w->CountTimeBonus(100);
    EXPECT_EQ(pauses(), std::vector<int>{2000});
    EXPECT_EQ(s.Score, 700);
    EXPECT_EQ(w->label("lblScoring")->text(), "0");
}

TEST_F(FrameTest, PokerGridTimeBonusIsMultipliedByTheRoundPointsWithoutAMessage) {
    auto w = window("frmScramble");
    SharedState& s = Shared();
    s.TimeLimit = 75;
    s.ElapsedSeconds = 65;
    s.CountDownScore = true;
    w->roundPoints = 250;
    w->label("lblMessage")->setText("Round Over");
    w->CountTimeBonus(1);
    EXPECT_EQ(pauses(), repeated({2000}, 75, 10));
    EXPECT_EQ(s.Score, 2500);
    EXPECT_EQ(w->label("lblMessage")->text(), "Round Over");
}

TEST_F(FrameTest, CountingOffAddsTheWholeBonusAfterTheFirstPause) {
    auto w = window("frmEights");
    SharedState& s = Shared();
    s.TimeLimit = 90;
    s.ElapsedSeconds = 80;
    s.CountDownScore = false;
    w->CountTimeBonus(100);
    EXPECT_EQ(pauses(), std::vector<int>{2000});
    EXPECT_EQ(s.Score, 1000);
    EXPECT_EQ(w->label("lblTotalScore")->text(), FormatScore(1000));
    w->CountBonus(2, 50000, "Deck Completion Bonus");
    EXPECT_EQ(pauses(), std::vector<int>{1000});
    EXPECT_EQ(s.Score, 101000);
}

TEST_F(FrameTest, NamedBonusCountsUpInTwentyStepsOfATwentieth) {
    auto w = window("frmTwindle");
    SharedState& s = Shared();
    s.CountDownScore = true;
    s.Score = 5;
    w->CountBonus(3, 5000, "Pairs Bonus");
    EXPECT_EQ(pauses(), repeated({1000}, 75, 20));
    EXPECT_EQ(s.Score, 15005);
    EXPECT_EQ(w->label("lblMessage")->text(), "Pairs Bonus!");
    EXPECT_EQ(w->label("lblScoring")->text(), "0");
}

TEST_F(FrameTest, NamedBonusAlwaysRisesByExactlyTheBonus) {
    auto w = window("frmTwindle");
    SharedState& s = Shared();
    s.CountDownScore = true;
    struct Case {
        int32_t bonus;
        int steps;
    };
    // 1010: steps of 50 and a last one of 10; 1 to 10: steps of 1 (a twentieth rounds to 0).
    for (Case c :
         {Case{1010, 21}, Case{10, 10}, Case{1, 1}, Case{7, 7}, Case{30, 15}, Case{0, 0}}) {
        s.Score = 0;
        w->CountBonus(1, c.bonus, "Runs Bonus");
        EXPECT_EQ(s.Score, c.bonus);
        EXPECT_EQ(pauses(), repeated({1000}, 75, c.steps)) << c.bonus;
        EXPECT_EQ(w->label("lblScoring")->text(), "0");
    }
}

TEST_F(FrameTest, BonusesAreHeldWithinTheScoreRange) {
    auto w = window("frmTwindle");
    SharedState& s = Shared();
    s.CountDownScore = false;
    s.Score = std::numeric_limits<int32_t>::max() - 10;
    w->CountBonus(100000, 100000, "Completion Bonus"); // 10^10 does not fit 32 bits
    EXPECT_EQ(s.Score, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(w->label("lblScoring")->text(), FormatScore(10000000000LL));
}

TEST_F(FrameTest, CountUpsPlaceTheirLabelsByWindow) {
    SharedState& s = Shared();
    s.TimeLimit = 60;
    s.ElapsedSeconds = 50;
    {
        auto w = window("frmTrip");
        QLabel* scoring = w->label("lblScoring");
        QLabel* message = w->label("lblMessage");
        message->setGeometry(TwRect(2400, 2445, 1000, 480)); // as narrow as the game makes it
        w->CountTimeBonus(1);
        EXPECT_EQ(scoring->x(), w->width() / 2 - scoring->width() / 2);
        EXPECT_EQ(message->x() + message->width() + 7, scoring->x()); // 100 twips to its left
    }
    {
        auto w = window("frmPhrase");
        QLabel* scoring = w->label("lblScoring");
        scoring->move(11, 200); // clear of the clock
        w->CountTimeBonus(1);
        w->CountBonus(1, 1, "Phrase Bonus");
        EXPECT_EQ(scoring->pos(), QPoint(11, 200));
    }
    {
        auto w = window("frmEights");
        QLabel* message = w->label("lblMessage");
        w->CountTimeBonus(1);
        EXPECT_EQ(message->y(), w->height() / 2 - 53);
        w->CountBonus(1, 1, "Bonus");
        EXPECT_EQ(message->y(), w->height() / 2 - 106);
    }
}
