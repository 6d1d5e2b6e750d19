// Whole games without a window: rounds, the round clock, the tally at a round's end and the
// bonus round.
#include "games/trips/TripsGame.h"
#include "TestSupport.h"
#include "games/trips/TripsSettings.h"
#include "tests/games/trips/TripsTestSupport.h"

#include <gtest/gtest.h>

using namespace tripstest;

namespace {

class TripsGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTripsLoadDefaults();
        game.setDeckSource([this] {
            Shared().Deck = DeckPlaying(nextDeck);
            return true;
        });
    }
    void playUpTo(int column) {
        game.clickUpCard(2);
        game.clickField(column);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            game.tick();
    }
    testsupport::ProgramSandbox sandbox;
    TripsGame game;
    QStringList nextDeck;
};

TEST_F(TripsGameTest, PlayStartsRoundOneWithAFreshBoard) {
    Shared().Score = 777;
    Shared().ElapsedSeconds = 50;
    nextDeck = {"7S", "7H", "7D"};
    ASSERT_TRUE(game.play());
    EXPECT_EQ(game.state(), TripsState::Running);
    EXPECT_TRUE(game.gameRunning());
    EXPECT_EQ(game.round(), 1);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    EXPECT_EQ(game.board().cardsRemaining(), 52);
    EXPECT_EQ(game.board().upCard(2), " 7S");
}

TEST_F(TripsGameTest, AFailedDealIsReportedAndLeavesTheGameIdle) {
    game.setDeckSource([] { return false; });
    EXPECT_FALSE(game.play());
    EXPECT_EQ(game.error(), "Unable to deal the cards.");
    EXPECT_EQ(game.state(), TripsState::Idle);
    EXPECT_FALSE(game.gameRunning());
    EXPECT_FALSE(game.tick().ticked);
    EXPECT_TRUE(game.clickUpCard(2).sounds.isEmpty());
}

TEST_F(TripsGameTest, ClicksOutsideARunningRoundDoNothing) {
    ASSERT_TRUE(game.play());
    ASSERT_TRUE(game.pause());
    EXPECT_TRUE(game.clickUpCard(2).sounds.isEmpty());
    EXPECT_TRUE(game.clickField(0).sounds.isEmpty());
    EXPECT_TRUE(game.clickStorage(0).sounds.isEmpty());
    EXPECT_TRUE(game.clickStock().sounds.isEmpty());
    EXPECT_FALSE(game.tick().ticked);
    EXPECT_FALSE(game.endRound().has_value());
    ASSERT_TRUE(game.resume());
    EXPECT_EQ(game.clickStock().sounds, QStringList{"Chord.wav"});
    ASSERT_TRUE(game.endRound().has_value());
    EXPECT_TRUE(game.clickUpCard(2).sounds.isEmpty());
    // A second Take Score does nothing.
    EXPECT_FALSE(game.endRound().has_value());
}

TEST_F(TripsGameTest, TheClockWarnsAndEndsAtTheLimit) {
    Shared().TimeLimit = 90;
    ASSERT_TRUE(game.play());
    ticks(44);
    TripsTick t = game.tick(); // 45 left
    EXPECT_EQ(t.secondsLeft, 45);
    EXPECT_EQ(t.status, "Times running out!");
    ticks(22);
    t = game.tick(); // 22 left: the quarter is 22
    EXPECT_EQ(t.secondsLeft, 22);
    EXPECT_EQ(t.status, "Times running out!");
    t = game.tick();
    EXPECT_EQ(t.secondsLeft, 21);
    EXPECT_EQ(t.status, "Better Hurry!");
    EXPECT_FALSE(t.timeUp);
    ticks(20);
    t = game.tick();
    EXPECT_EQ(t.secondsLeft, 0);
    EXPECT_EQ(t.angle, 360);
    EXPECT_TRUE(t.timeUp);
    EXPECT_EQ(Shared().GaugeElapsed, 90);
    EXPECT_FALSE(game.tick().ticked);
}

TEST_F(TripsGameTest, AClockPastALoweredLimitStillEnds) {
    ASSERT_TRUE(game.play());
    ticks(70);
    Shared().TimeLimit = 60;
    EXPECT_FALSE(game.tick().ticked);
    Shared().TimeLimit = 71;
    EXPECT_TRUE(game.tick().timeUp);
}

TEST_F(TripsGameTest, TakeScoreWithCardsInTheDeckPaysOnlyTheTimeLeft) {
    ASSERT_TRUE(game.play());
    playUpTo(0);
    playUpTo(1);
    ticks(75);
    const auto tally = game.endRound();
    ASSERT_TRUE(tally.has_value());
    EXPECT_FALSE(tally->deckCompleted);
    EXPECT_TRUE(tally->leftOver.empty());
    EXPECT_EQ(tally->secondsLeft, 45);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(game.state(), TripsState::RoundEnd);
    EXPECT_EQ(game.outcome(), TripsOutcome::NextRound);
}

TEST_F(TripsGameTest, AUsedUpDeckPaysTheBonusAndCostsEachCardLeft) {
    // 52 cards: 13 trips and four diamond flush runs onto column 0 leave 13D; then a
    // different board: see below.
    QStringList order;
    for (int rank = 1; rank <= 13; ++rank)
        for (const char* suit : {"S", "H", "C"})
            order << QString::number(rank) + suit;
    for (int rank = 1; rank <= 13; ++rank)
        order << QString::number(rank) + "D";
    nextDeck = order;
    ASSERT_TRUE(game.play());
    // The first trip goes to column 1 in two cards only, the third ace into storage.
    playUpTo(1);
    playUpTo(1);
    game.clickUpCard(2);
    game.clickStorage(2);
    for (int n = 3; n < 52; ++n)
        playUpTo(0);
    ASSERT_TRUE(game.board().deckUsedUp());
    const int32_t before = Shared().Score;
    // Left: column 1 holds two aces, column 0 the king of diamonds, storage place 2 an ace.
    ASSERT_EQ(game.board().leftOverField(), (std::vector<int>{5, 1, 0}));
    ticks(90);
    const auto tally = game.endRound();
    ASSERT_TRUE(tally.has_value());
    EXPECT_TRUE(tally->deckCompleted);
    EXPECT_EQ(tally->deckBonus, 15000);
    EXPECT_EQ(tally->scoreAfterDeckBonus, before + 15000);
    EXPECT_EQ(tally->penalty, 250);
    ASSERT_EQ(tally->leftOver.size(), 4u);
    EXPECT_FALSE(tally->leftOver[0].storage);
    EXPECT_EQ(tally->leftOver[0].place, 5);
    EXPECT_EQ(tally->leftOver[0].scoreAfter, before + 15000 - 250);
    EXPECT_EQ(tally->leftOver[2].place, 0);
    EXPECT_TRUE(tally->leftOver[3].storage);
    EXPECT_EQ(tally->leftOver[3].place, 2);
    EXPECT_EQ(tally->leftOver[3].scoreAfter, before + 15000 - 1000);
    EXPECT_EQ(tally->secondsLeft, 30);
    EXPECT_EQ(Shared().Score, before + 14000);
    EXPECT_TRUE(game.board().leftOverField().empty());
    EXPECT_TRUE(game.board().leftOverStorage().empty());
}

TEST_F(TripsGameTest, RoundTwoOpensTheBonusRoundOnlyAtTheTarget) {
    ASSERT_TRUE(game.play());
    ASSERT_TRUE(game.endRound());
    Shared().ElapsedSeconds = 33;
    ASSERT_TRUE(game.startNextRound());
    EXPECT_EQ(game.round(), 2);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    EXPECT_EQ(game.board().cardsRemaining(), 52);
    EXPECT_EQ(game.board().tripsCount(), 0);

    ASSERT_TRUE(game.endRound());
    Shared().Score = 99999;
    EXPECT_EQ(game.outcome(), TripsOutcome::GameOver);
    EXPECT_FALSE(game.startNextRound());
    Shared().Score = 100000;
    EXPECT_EQ(game.outcome(), TripsOutcome::BonusRound);
    ASSERT_TRUE(game.startNextRound());
    EXPECT_EQ(game.round(), 3);
    EXPECT_EQ(Shared().Score, 100000); // carried over

    ASSERT_TRUE(game.endRound());
    Shared().Score = 900000;
    EXPECT_EQ(game.outcome(), TripsOutcome::GameOver);
    game.finishGame();
    EXPECT_EQ(game.state(), TripsState::GameOver);
    EXPECT_FALSE(game.gameRunning());
    EXPECT_TRUE(game.play());
    EXPECT_EQ(game.round(), 1);
}

TEST_F(TripsGameTest, AbandonLeavesNoGame) {
    ASSERT_TRUE(game.play());
    playUpTo(0);
    game.abandon();
    EXPECT_EQ(game.state(), TripsState::Idle);
    EXPECT_EQ(game.board().columnHeight(0), 0);
    EXPECT_FALSE(game.endRound().has_value());
}

} // namespace
