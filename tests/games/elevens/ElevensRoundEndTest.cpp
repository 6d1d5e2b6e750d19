#include "ElevensTestSupport.h"
#include "frame/RoundClock.h"
#include "games/elevens/ElevensGame.h"
#include "services/HighScores.h"
#include "services/Random.h"

#include <limits>

namespace {
RoundEndInput baseInput() {
    RoundEndInput in;
    in.score = 1000;
    in.enhanced = false;
    in.timeLimit = 90;
    in.elapsed = 90;
    in.goalName = "Elevens";
    in.completionBonus = 10000;
    in.comboBonus = 1500;
    in.cardBonus = 1000;
    in.timeBonus = 100;
    return in;
}
} // namespace

TEST(ElevensRoundBonuses, TimeUpPaysOnlyTheCombinations) {
    RoundEndInput in = baseInput();
    in.combinations = 3;
    for (bool countUp : {true, false}) {
        in.countUp = countUp;
        const auto b = ComputeRoundBonuses(in);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(b[0].kind, BonusKind::Combinations);
        EXPECT_EQ(b[0].message, "3 Elevens! Bonus = " + FormatScore(4500));
        EXPECT_EQ(b[0].scoreAfter, 5500);
        EXPECT_EQ(b[0].steps.size(), countUp ? 3u : 0u);
    }
    in.countUp = true;
    const auto b = ComputeRoundBonuses(in);
    // Each step keeps the round's count and shows what is left.
    EXPECT_EQ(b[0].steps[0].message, "3 Elevens! Bonus = " + FormatScore(3000));
    EXPECT_EQ(b[0].steps[0].counter, 2);
    EXPECT_EQ(b[0].steps[2].message, "3 Elevens! Bonus = 0");
}

TEST(ElevensRoundBonuses, CompletionCountUpPaysTheWholeBonus) {
    RoundEndInput in = baseInput();
    in.cleared = true;
    in.completionBonus = 10005;
    in.countUp = true;
    auto b = ComputeRoundBonuses(in);
    ASSERT_EQ(b[0].kind, BonusKind::Completion);
    ASSERT_EQ(b[0].steps.size(), 10u);
    EXPECT_EQ(b[0].steps[0].score, 2000);
    EXPECT_EQ(b[0].steps[8].score, 10000);
    EXPECT_EQ(b[0].steps[9].score, 11005);
    EXPECT_EQ(b[0].steps[9].message, "Completion Bonus! 0");
    in.countUp = false;
    b = ComputeRoundBonuses(in);
    EXPECT_EQ(b[0].scoreAfter, 11005);
    EXPECT_TRUE(b[0].steps.empty());
}

TEST(ElevensRoundBonuses, CardBonusOnlyForAnEnhancedCompletion) {
    RoundEndInput in = baseInput();
    in.cleared = true;
    in.pileCards = 41;
    in.countUp = false;
    auto b = ComputeRoundBonuses(in);
    ASSERT_EQ(b.size(), 1u); // classic: completion only
    in.enhanced = true;
    b = ComputeRoundBonuses(in);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].kind, BonusKind::Cards);
    EXPECT_EQ(b[1].message, "Card Bonus! " + FormatScore(41000));
    EXPECT_EQ(b[1].scoreAfter, 1000 + 10000 + 41000);
    in.pileCards = 0;
    EXPECT_EQ(ComputeRoundBonuses(in).size(), 1u);
    in.cleared = false;
    in.pileCards = 41;
    EXPECT_TRUE(ComputeRoundBonuses(in).empty());
}

TEST(ElevensRoundBonuses, SpeedBonusRunsTheClockOn) {
    RoundEndInput in = baseInput();
    in.elapsed = 85;
    in.countUp = true;
    const auto b = ComputeRoundBonuses(in);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].message, "Speed Bonus! 500");
    ASSERT_EQ(b[0].steps.size(), 5u);
    EXPECT_EQ(b[0].steps[0].counter, 86);
    EXPECT_EQ(b[0].steps[0].message, "Speed Bonus! 400");
    EXPECT_EQ(b[0].steps[4].counter, 90);
    EXPECT_EQ(b[0].scoreAfter, 1500);
    EXPECT_EQ(ClockDegrees(90, 86), 344);
}

TEST(ElevensRoundBonuses, LargeValuesStayWithinTheScoreRange) {
    RoundEndInput in = baseInput();
    in.combinations = 20;
    in.comboBonus = 5000000; // well past 16 bits, and the product past 32
    in.countUp = false;
    auto b = ComputeRoundBonuses(in);
    EXPECT_EQ(b[0].amount, 100000000);
    EXPECT_EQ(b[0].scoreAfter, 100001000);
    in.score = std::numeric_limits<int32_t>::max() - 10;
    in.countUp = true;
    b = ComputeRoundBonuses(in);
    EXPECT_EQ(b[0].scoreAfter, std::numeric_limits<int32_t>::max());
}

class ElevensRounds : public ElevensTest {
  protected:
    // Ends the current round with the time used up, so no speed bonus is paid.
    static ElevensRoundEnd endAtTimeUp(ElevensGame& g) {
        Shared().ElapsedSeconds = Shared().TimeLimit;
        auto end = g.takeScore(false);
        EXPECT_TRUE(end.has_value());
        return end.value_or(ElevensRoundEnd{});
    }
};

TEST_F(ElevensRounds, TakeScoreAfterCombinations) {
    dealNext(layDeck(52, {{21, " 4S"}, {22, " 7S"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    g.clickField(20);
    g.clickField(21);
    Shared().ElapsedSeconds = 30;
    const auto end = g.takeScore(false);
    ASSERT_TRUE(end);
    EXPECT_FALSE(end->cleared);
    EXPECT_EQ(end->combinations, 1);
    EXPECT_EQ(end->outcome, RoundOutcome::NextRound);
    EXPECT_EQ(end->score, 400 + 1500 + 60 * 100);
    EXPECT_EQ(Shared().Score, end->score);
    EXPECT_EQ(g.combinationCount(), 0);
    EXPECT_EQ(g.state(), ElevensState::RoundEnd);
    EXPECT_EQ(g.clickField(16).sounds, std::vector<ElevensSound>{ElevensSound::Refuse});
    EXPECT_FALSE(g.takeScore(false)); // the round end is already under way
    ASSERT_TRUE(g.startNextRound());
    EXPECT_EQ(g.round(), 2);
    EXPECT_EQ(g.state(), ElevensState::Running);
    EXPECT_EQ(Shared().Score, end->score); // kept into round two
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
}

TEST_F(ElevensRounds, EnhancedClearedFieldPaysCardBonusFromTheDialogValue) {
    Shared().EnhancedScoring = true;
    ElevensOptions().CardBonus = 2500;
    dealNext(layDeck(52, [] {
        std::map<int, QString> m;
        for (int p = 1; p <= 22; ++p)
            m[p] = "11S";
        return m;
    }()));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    for (int place : {20, 21, 16, 17, 18, 19, 10, 11, 12, 13, 14, 15, 5, 6, 7, 8, 9, 1, 2, 3, 4})
        g.clickField(place);
    ASSERT_TRUE(g.clickField(0).fieldCleared);
    const int32_t played = Shared().Score;
    Shared().ElapsedSeconds = Shared().TimeLimit;
    const auto end = g.takeScore(true);
    ASSERT_TRUE(end);
    ASSERT_EQ(end->bonuses.size(), 3u);
    EXPECT_EQ(end->bonuses[2].kind, BonusKind::Cards);
    EXPECT_EQ(end->score, played + 10000 + 22 * 1000 + 29 * 2500);
}

TEST_F(ElevensRounds, BonusRoundThresholdIsInclusive) {
    for (int32_t offset : {0, -1}) {
        ElevensOptions().BonusRoundScore = 80000;
        ElevensGame g;
        ASSERT_TRUE(g.play());
        endAtTimeUp(g);
        ASSERT_TRUE(g.startNextRound());
        Shared().Score = 80000 + offset;
        const ElevensRoundEnd end = endAtTimeUp(g);
        if (offset == 0) {
            EXPECT_EQ(end.outcome, RoundOutcome::BonusRound);
            ASSERT_TRUE(g.startNextRound());
            EXPECT_EQ(g.round(), 3);
            EXPECT_EQ(endAtTimeUp(g).outcome, RoundOutcome::GameOverAfterBonus);
        } else {
            EXPECT_EQ(end.outcome, RoundOutcome::GameOverAfterRound2);
            EXPECT_FALSE(g.startNextRound());
        }
        g.finishGame();
        EXPECT_EQ(g.state(), ElevensState::GameOver);
        EXPECT_EQ(g.round(), 1);
        EXPECT_EQ(LastElevensGame().LastGameScore, 80000 + offset);
        EXPECT_EQ(g.clickPile().sounds, std::vector<ElevensSound>{ElevensSound::Refuse});
        EXPECT_FALSE(g.canSelect(20));
        // A game ended in round two leaves no bonus-round deck.
        EXPECT_EQ(LastElevensGame().Round3Deck.value(1).isEmpty(), offset != 0);
    }
}

TEST_F(ElevensRounds, ReplayDealsTheSameDecks) {
    SeedRandom(99);
    ElevensOptions().BonusRoundScore = 1;
    Shared().Score = 0;
    ElevensGame g;
    ASSERT_TRUE(g.play());
    Shared().Score = 5; // reach the bonus round
    endAtTimeUp(g);
    ASSERT_TRUE(g.startNextRound());
    endAtTimeUp(g);
    ASSERT_TRUE(g.startNextRound());
    endAtTimeUp(g);
    g.finishGame();
    const ElevensLastGame first = LastElevensGame();
    EXPECT_NE(first.Round1Deck, first.Round2Deck);
    EXPECT_NE(first.Round2Deck, first.Round3Deck);

    // Replay under another goal: the stored 52-card decks come back in every round.
    Shared().CardGoal = 14;
    LastElevensGame().ReplayMode = true;
    ASSERT_TRUE(g.play());
    EXPECT_EQ(Shared().Deck, first.Round1Deck);
    EXPECT_EQ(g.pileCount(), 29);
    Shared().Score = 5;
    endAtTimeUp(g);
    ASSERT_TRUE(g.startNextRound());
    EXPECT_EQ(Shared().Deck, first.Round2Deck);
    EXPECT_TRUE(LastElevensGame().ReplayMode);
    endAtTimeUp(g);
    ASSERT_TRUE(g.startNextRound());
    EXPECT_EQ(Shared().Deck, first.Round3Deck);
    EXPECT_FALSE(LastElevensGame().ReplayMode); // ends after the bonus-round deal
    endAtTimeUp(g);
    g.finishGame();
    EXPECT_EQ(LastElevensGame().Round1Deck, first.Round1Deck);
    EXPECT_EQ(LastElevensGame().Round3Deck, first.Round3Deck);

    // A fresh game under goal 14 empties the stored decks to its own size.
    ASSERT_TRUE(g.play());
    EXPECT_EQ(LastElevensGame().Round1Deck.size(), 65);
    EXPECT_EQ(LastElevensGame().Round2Deck, QStringList(65, QString()));
}
