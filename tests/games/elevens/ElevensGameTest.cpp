#include "games/elevens/ElevensGame.h"
#include "ElevensTestSupport.h"
#include "platform/MessageBox.h"
#include "services/Deck.h"
#include "services/Random.h"

#include <set>

using S = ElevensSound;

class ElevensPlay : public ElevensTest {};

TEST_F(ElevensPlay, DealUsesEveryCardOnceAndCountsThePile) {
    const std::map<int, int> piles = {{10, 29}, {11, 29}, {12, 33}, {13, 37}, {14, 41}, {15, 41}};
    for (const auto& [goal, pile] : piles) {
        SeedRandom(7);
        Shared().CardGoal = goal;
        ElevensGame g;
        ASSERT_TRUE(g.play());
        EXPECT_EQ(g.state(), ElevensState::Running);
        EXPECT_EQ(g.pileCount(), pile) << goal;
        EXPECT_EQ(PilePictureKey(g.pileCount()), "FULL");
        EXPECT_EQ(g.upStackSize(), 1);
        const QStringList& deck = Shared().Deck;
        EXPECT_EQ(LastElevensGame().Round1Deck, deck);
        EXPECT_EQ(g.upCard(), deck[23]);
        for (int i = 0; i < kFieldPlaces; ++i)
            EXPECT_EQ(g.field().card(i), deck[i + 1]);

        // Draw the whole pile: from the last deck card down to position 24, never 23 again.
        std::vector<QString> drawn;
        while (g.pileCount() > 0) {
            g.clickPile();
            drawn.push_back(g.upCard());
        }
        ASSERT_EQ(int(drawn.size()), pile);
        EXPECT_EQ(PilePictureKey(g.pileCount()), "EMPTY");
        EXPECT_EQ(drawn.front(), deck.back());
        EXPECT_EQ(drawn.back(), deck[24]);
        EXPECT_EQ(g.clickPile().sounds, std::vector<S>{S::Refuse});
        // With no empty field place every card stays on the stack, above the 31 old slots.
        EXPECT_EQ(g.upStackSize(), pile + 1);
    }
}

TEST_F(ElevensPlay, NewGameResetsScoreAndKeepsTheLastOne) {
    Shared().Score = 4321;
    ElevensGame g;
    ASSERT_TRUE(g.play());
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(LastElevensGame().LastGameScore, 4321);
    EXPECT_EQ(g.round(), 1);
    EXPECT_TRUE(g.clockRunning()); // classic scoring: from the deal
}

TEST_F(ElevensPlay, CombinationAtEveryGoal) {
    for (int goal = 10; goal <= 15; ++goal) {
        Shared().CardGoal = goal;
        Shared().Score = 0;
        // Place 20 and 21 (positions 21, 22) hold goal-8 and 8; the up card is a 9.
        const int first = goal - 8;
        dealNext(layDeck(ElevensDeckSize(goal),
                         {{21, " " + QString::number(first) + "S"}, {22, " 8H"}, {23, " 9C"}}));
        ElevensGame g;
        ASSERT_TRUE(g.play());
        EXPECT_EQ(g.clickField(20).sounds, std::vector<S>{S::Select});
        EXPECT_EQ(g.runningTotal(), first);
        // The 9 would pass the goal.
        EXPECT_EQ(g.clickUpCard().sounds, std::vector<S>{S::Refuse});
        const ElevensClick done = g.clickField(21);
        EXPECT_EQ(done.sounds, (std::vector<S>{S::Select, S::Combination})) << goal;
        EXPECT_TRUE(done.combination);
        EXPECT_FALSE(g.field().present(20));
        EXPECT_FALSE(g.field().present(21));
        EXPECT_EQ(g.runningTotal(), 0);
        EXPECT_EQ(g.combinationCount(), 1);
        EXPECT_EQ(Shared().Score, 400);
        // Places 16 to 19 are now open.
        EXPECT_TRUE(g.field().exposed(16));
        EXPECT_TRUE(g.field().exposed(19));
    }
}

TEST_F(ElevensPlay, OvershootRefusedDeselectAndCovered) {
    // Goal 11: place 20 is a 10, place 21 a 2, place 7 an ace.
    dealNext(layDeck(52, {{21, " 10S"}, {22, " 2S"}, {8, "1S"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    EXPECT_EQ(g.clickField(0).sounds, std::vector<S>{S::Refuse}); // covered
    g.clickField(20);
    EXPECT_EQ(g.clickField(21).sounds, std::vector<S>{S::Refuse});
    EXPECT_FALSE(g.field().selected(21));
    EXPECT_EQ(g.clickField(20).sounds, std::vector<S>{S::Deselect});
    EXPECT_EQ(g.runningTotal(), 0);
    g.clickField(20);
    EXPECT_TRUE(g.clickField(7).combination);
    EXPECT_EQ(Shared().Score, 200 + 500);
    EXPECT_EQ(g.clickField(20).sounds, std::vector<S>{}); // nothing there any more
}

TEST_F(ElevensPlay, UpCardValuedBeforeTheCombinationRemovesCards) {
    Shared().EnhancedScoring = true;
    dealNext(layDeck(52, {{21, " 5S"}, {23, " 6H"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(g.clockRunning()); // enhanced: waits for the first combination
    EXPECT_EQ(g.upCardPoints(), 0); // no empty place yet
    g.clickField(20);
    const ElevensClick r = g.clickUpCard();
    EXPECT_TRUE(r.combination);
    EXPECT_EQ(Shared().Score, 100); // the field card; the up card counted 0
    EXPECT_TRUE(g.clockRunning());
    // The last up card was used: the next comes up from the pile by itself, silently.
    EXPECT_TRUE(r.drew);
    EXPECT_EQ(r.sounds, (std::vector<S>{S::Select, S::Combination}));
    EXPECT_EQ(g.upStackSize(), 1);
    EXPECT_EQ(g.pileCount(), 28);
    EXPECT_EQ(g.upCardPoints(), 100); // place 20 is the first empty one (tier 6)
}

TEST_F(ElevensPlay, DrawingMovesTheUpCardIntoTheFirstEmptyPlace) {
    for (bool enhanced : {false, true}) {
        Shared().EnhancedScoring = enhanced;
        Shared().Score = 0;
        // Place 7 (tier 3) is a jack: a combination on its own at goal 11.
        dealNext(layDeck(52, {{8, "11S"}, {23, " 4D"}, {52, " 3C"}}));
        ElevensGame g;
        ASSERT_TRUE(g.play());
        g.clickField(7);
        const int afterCombination = Shared().Score;
        EXPECT_EQ(afterCombination, enhanced ? 400 : 500);
        const ElevensClick r = g.clickPile();
        EXPECT_EQ(r.movedToPlace, 7);
        EXPECT_EQ(r.sounds, std::vector<S>{S::Select});
        EXPECT_EQ(g.field().card(7), " 4D");
        EXPECT_EQ(g.upCard(), " 3C");
        EXPECT_EQ(Shared().Score, afterCombination - (enhanced ? 400 : 100));
    }
}

TEST_F(ElevensPlay, OldUpCardComesBackWhenTheNewOneIsUsed) {
    dealNext(layDeck(52, {{21, " 4S"}, {23, " 2H"}, {52, " 7C"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    g.clickField(20); // a selection is dropped by the draw
    const ElevensClick r = g.clickPile();
    EXPECT_EQ(r.movedToPlace, -1); // no empty place: the old card stays under the new one
    EXPECT_EQ(g.runningTotal(), 0);
    EXPECT_FALSE(g.field().selected(20));
    EXPECT_EQ(g.upStackSize(), 2);
    g.clickField(20);
    EXPECT_TRUE(g.clickUpCard().combination);
    EXPECT_EQ(g.upCard(), " 2H");
    EXPECT_EQ(g.pileCount(), 28); // no automatic draw while an up card is left
}

TEST_F(ElevensPlay, UpCardAloneMakesACombination) {
    Shared().CardGoal = 12;
    // The queen up card makes 12 by itself; every other card is a king.
    dealNext(layDeck(56, {{23, "12H"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    const ElevensClick r = g.clickUpCard();
    EXPECT_TRUE(r.combination);
    EXPECT_EQ(Shared().Score, 100);
    EXPECT_TRUE(r.drew); // the automatic draw
    EXPECT_EQ(g.upCard(), "13S");
    EXPECT_EQ(g.pileCount(), 32);
}

TEST_F(ElevensPlay, ClearingTheFieldAsksForTheRoundEnd) {
    // Every field card is an 11 at goal 11: take them tier by tier from the bottom.
    dealNext(layDeck(52, [] {
        std::map<int, QString> m;
        for (int p = 1; p <= 22; ++p)
            m[p] = "11S";
        return m;
    }()));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    const int order[] = {20, 21, 16, 17, 18, 19, 10, 11, 12, 13, 14, 15, 5, 6, 7, 8, 9, 1, 2, 3, 4};
    for (int place : order) {
        const ElevensClick r = g.clickField(place);
        ASSERT_TRUE(r.combination) << place;
        EXPECT_FALSE(r.fieldCleared);
    }
    const ElevensClick last = g.clickField(0);
    EXPECT_TRUE(last.fieldCleared);
    EXPECT_FALSE(last.drew);
    EXPECT_EQ(g.combinationCount(), 22);
    EXPECT_EQ(Shared().Score, 700 + 4 * 600 + 5 * 500 + 6 * 400 + 4 * 300 + 2 * 200);
}

TEST_F(ElevensPlay, PauseRefusesEveryClickAndDropsTheSelection) {
    dealNext(layDeck(52, {{21, " 4S"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    g.clickField(20);
    ASSERT_TRUE(g.pause());
    EXPECT_FALSE(g.clockRunning());
    EXPECT_EQ(g.runningTotal(), 0);
    EXPECT_FALSE(g.field().selected(20));
    EXPECT_EQ(g.clickField(20).sounds, std::vector<S>{S::Refuse});
    EXPECT_EQ(g.clickUpCard().sounds, std::vector<S>{S::Refuse});
    EXPECT_EQ(g.clickPile().sounds, std::vector<S>{S::Refuse});
    EXPECT_EQ(g.pileCount(), 29);
    EXPECT_FALSE(g.tick().ticked);
    ASSERT_TRUE(g.resume());
    EXPECT_TRUE(g.clockRunning());
    EXPECT_EQ(g.clickField(20).sounds, std::vector<S>{S::Select});
}

TEST_F(ElevensPlay, ClockBandsAndTimeUp) {
    Shared().TimeLimit = 90;
    ElevensGame g;
    ASSERT_TRUE(g.play());
    std::map<int, QString> statusAt;
    ElevensTick t;
    do {
        t = g.tick();
        statusAt[t.secondsLeft] = t.status;
    } while (!t.timeUp);
    EXPECT_EQ(t.elapsed, 90);
    EXPECT_EQ(t.angle, 360);
    EXPECT_EQ(statusAt[46], "");
    EXPECT_EQ(statusAt[45], "Times running out!");
    EXPECT_EQ(statusAt[22], "Times running out!");
    EXPECT_EQ(statusAt[21], "Better Hurry!");
    EXPECT_EQ(statusAt[0], "Time has expired!");
    EXPECT_FALSE(g.clockRunning());
    EXPECT_FALSE(g.tick().ticked);
    EXPECT_EQ(Shared().GaugeElapsed, 90);
}

TEST_F(ElevensPlay, AbandonKeepsTheScoreForSavingAndStopsReplay) {
    dealNext(layDeck(52, {{21, " 4S"}, {22, " 7S"}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    g.clickField(20);
    g.clickField(21);
    g.abandon();
    EXPECT_EQ(g.state(), ElevensState::Idle);
    EXPECT_FALSE(g.gameRunning());
    EXPECT_EQ(LastElevensGame().LastGameScore, 400);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_FALSE(LastElevensGame().ReplayMode);
    EXPECT_TRUE(g.field().cleared());
    g.abandon(); // no game: the last score stays
    EXPECT_EQ(LastElevensGame().LastGameScore, 400);
}

TEST_F(ElevensPlay, ReplayOfAnUnusableDeckShufflesAFreshOne) {
    platform::MessageScript script;
    dealNext(layDeck(52, {{5, ""}}));
    ElevensGame g;
    ASSERT_TRUE(g.play());
    EXPECT_FALSE(LastElevensGame().ReplayMode);
    std::multiset<QString> cards(Shared().Deck.begin() + 1, Shared().Deck.end());
    EXPECT_EQ(cards.count("1S"), 4u);
    EXPECT_TRUE(script.asked().empty());
}

TEST(ElevensPile, PictureByCardsLeft) {
    EXPECT_EQ(PilePictureKey(21), "FULL");
    EXPECT_EQ(PilePictureKey(20), "HALF");
    EXPECT_EQ(PilePictureKey(11), "HALF");
    EXPECT_EQ(PilePictureKey(10), "BACK");
    EXPECT_EQ(PilePictureKey(1), "BACK");
    EXPECT_EQ(PilePictureKey(0), "EMPTY");
}
