#include "EightsTestSupport.h"

using Snd = EightsSound;

namespace {
// Lower spots 8C 9S 11H 5D 7C; the refills follow in the order the moves below need them.
const std::vector<QString> kWorked = {"8C", "9S", "11H", "5D",  "7C", "9H",  "4H",
                                      "8D", "2S", "3C",  "10S", "6S", "12S", "13S"};
} // namespace

class EightsGameTest : public EightsTest {};

TEST_F(EightsGameTest, MovesScoreTheSpotValueTimesTheMoveTimer) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    tickMoveTimer(g, 1); // 39

    // An eight onto spot 1 at 500: raised to 1,000, times 39.
    EightsMove m = play(g, 1, 1);
    EXPECT_EQ(m.check, MoveCheck::WildEight);
    EXPECT_EQ(g.board().spotValue(1), 1000);
    EXPECT_EQ(m.points, 39000);
    EXPECT_EQ(m.sounds, std::vector<Snd>{Snd::Move});
    EXPECT_EQ(g.board().lower(1).trimmed(), "9H");

    // Within the same step the label still shows 39: 9S onto the empty spot 3 at 100.
    m = play(g, 2, 3);
    EXPECT_EQ(m.check, MoveCheck::EmptySpot);
    EXPECT_EQ(m.points, 3900);
    EXPECT_EQ(g.board().spotValue(3), 100);

    // 5D onto 9S is refused and changes nothing but the selection.
    const int32_t before = Shared().Score;
    m = play(g, 4, 3);
    EXPECT_EQ(m.check, MoveCheck::Illegal);
    EXPECT_EQ(m.sounds, std::vector<Snd>{Snd::Refuse});
    EXPECT_EQ(m.points, 0);
    EXPECT_EQ(Shared().Score, before);
    EXPECT_EQ(g.selected(), 0);
    EXPECT_EQ(g.board().upper(3).trimmed(), "9S");
    EXPECT_EQ(g.board().lower(4).trimmed(), "5D");

    // 20 steps after the reset: 9H onto 9S raises spot 3 to 200, times 20.
    tickMoveTimer(g, 20);
    EXPECT_EQ(g.moveTimer().label(), "20");
    m = play(g, 1, 3);
    EXPECT_EQ(m.check, MoveCheck::SameValue);
    EXPECT_EQ(g.board().spotValue(3), 200);
    EXPECT_EQ(m.points, 4000);

    // 11H onto the empty spot 2, then the timer runs out to 5: 4H onto 11H by suit.
    EXPECT_EQ(play(g, 3, 2).points, 200 * 20);
    tickMoveTimer(g, 40);
    EXPECT_EQ(g.moveTimer().label(), "5");
    m = play(g, 2, 2);
    EXPECT_EQ(m.check, MoveCheck::EightOrSuit);
    EXPECT_EQ(m.points, 1000);
    EXPECT_EQ(g.board().spotValue(2), 200);

    // 8D onto 4H is wild (spot 2 to 400); 7C onto that eight scores without a raise.
    EXPECT_EQ(play(g, 1, 2).points, 400 * 5);
    m = play(g, 5, 2);
    EXPECT_EQ(m.check, MoveCheck::EightOrSuit);
    EXPECT_FALSE(m.made.raised);
    EXPECT_EQ(g.board().spotValue(2), 400);
    EXPECT_EQ(m.points, 2000);

    EXPECT_EQ(Shared().Score, 39000 + 3900 + 4000 + 4000 + 1000 + 2000 + 2000);
}

TEST_F(EightsGameTest, AnyCardOntoEmptySpotOneAt39) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    tickMoveTimer(g, 1);
    const EightsMove m = play(g, 2, 1);
    EXPECT_EQ(m.check, MoveCheck::EmptySpot);
    EXPECT_EQ(m.points, 19500);
    EXPECT_EQ(g.board().spotValue(1), 500);
}

TEST_F(EightsGameTest, MoveTimerFallsFrom39To5AndHolds) {
    EightsGame g;
    EXPECT_EQ(g.moveTimer().label(), "");
    EXPECT_EQ(g.moveTimer().value(), 0);
    for (int shown = 39; shown >= 5; --shown) {
        ASSERT_TRUE(g.moveTimerTick());
        EXPECT_EQ(g.moveTimer().label(), QString::number(shown));
    }
    EXPECT_EQ(g.moveTimer().bar(), EightsMoveTimer::kMaximum);
    EXPECT_FALSE(g.moveTimerTick());
    EXPECT_EQ(g.moveTimer().label(), "5");
}

TEST_F(EightsGameTest, SelectingMarksOneSpotAtATime) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    EXPECT_FALSE(g.clickLower(1).handled); // no game yet
    ASSERT_TRUE(g.newGame());
    EightsSelect s = g.clickLower(2);
    EXPECT_TRUE(s.selected);
    EXPECT_EQ(s.sound, Snd::Select);
    s = g.clickLower(4);
    EXPECT_EQ(s.sound, Snd::Select);
    EXPECT_EQ(g.selected(), 4);
    s = g.clickLower(4);
    EXPECT_FALSE(s.selected);
    EXPECT_EQ(s.sound, Snd::Deselect);
    EXPECT_EQ(g.selected(), 0);

    // An upper click with nothing selected is refused.
    const EightsMove m = g.clickUpper(1);
    EXPECT_TRUE(m.handled);
    EXPECT_EQ(m.lower, 0);
    EXPECT_EQ(m.sounds, std::vector<Snd>{Snd::Refuse});
    EXPECT_TRUE(g.board().upper(1).isEmpty());

    g.clickLower(3);
    ASSERT_TRUE(g.pause());
    EXPECT_EQ(g.selected(), 0);
    EXPECT_FALSE(g.clickLower(3).handled);
    EXPECT_FALSE(g.clickUpper(1).handled);
    ASSERT_TRUE(g.resume());
    EXPECT_EQ(g.selected(), 0);
}

TEST_F(EightsGameTest, NoLegalMovesEndsWithApplauseOrSlide) {
    // Uppers 2S 3H 4C from lower spots 1 to 3; the rest are diamonds that fit nowhere.
    const std::vector<QString> stuck = {"2S", "3H", "4C", "5D", "10D", "6D", "7D", "9D"};
    for (int filler : {0, 22}) {
        std::vector<QString> cards = stuck;
        for (int i = 0; i < filler; ++i)
            cards.push_back("13D");
        dealEveryRound(dealOrder(cards));
        EightsGame g;
        ASSERT_TRUE(g.newGame());
        EXPECT_FALSE(play(g, 1, 1).roundOver());
        EXPECT_FALSE(play(g, 2, 2).roundOver());
        const EightsMove last = play(g, 3, 3);
        EXPECT_TRUE(last.noLegalMoves());
        EXPECT_EQ(g.board().pileRemaining(), filler);
        const Snd end = filler < 21 ? Snd::Applause : Snd::Slide;
        EXPECT_EQ(last.sounds, (std::vector<Snd>{Snd::Move, end})) << filler;
    }
}

TEST_F(EightsGameTest, EmptyingTheBoardCompletesTheDeck) {
    dealEveryRound(dealOrder({"2H", "3H", "4H", "5H", "6H", "7H"}));
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    for (int l = 1; l <= 5; ++l)
        EXPECT_FALSE(play(g, l, 1).roundOver()) << l;
    const EightsMove last = play(g, 1, 1); // the refill, the last card
    EXPECT_EQ(last.left, LegalMoves::BoardCleared);
    EXPECT_EQ(last.sounds, (std::vector<Snd>{Snd::Move, Snd::Applause}));
}

TEST_F(EightsGameTest, RoundClockWarnsAtHalfAndQuarter) {
    struct Case {
        int limit, lastQuiet, lastHurried; // seconds left
    };
    for (const Case c : {Case{90, 46, 21}, Case{75, 39, 18}, Case{105, 53, 25}}) {
        Shared().TimeLimit = c.limit;
        dealEveryRound(dealOrder(kWorked));
        EightsGame g;
        ASSERT_TRUE(g.newGame());
        for (int elapsed = 1; elapsed <= c.limit; ++elapsed) {
            const EightsTick t = g.tick();
            ASSERT_TRUE(t.ticked);
            const int left = c.limit - elapsed;
            EXPECT_EQ(t.secondsLeft, left);
            QString want;
            if (left == 0)
                want = "Time has expired!";
            else if (left <= c.lastHurried)
                want = "Better Hurry!";
            else if (left < c.lastQuiet)
                want = "Times running out!";
            EXPECT_EQ(t.status, want) << c.limit << " left " << left;
            EXPECT_EQ(t.timeUp, left == 0);
        }
        EXPECT_EQ(Shared().GaugeElapsed, c.limit);
        EXPECT_FALSE(g.tick().ticked);
    }
    Shared().TimeLimit = 90;
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    for (int i = 0; i < 45; ++i)
        g.tick();
    Shared().ElapsedSeconds = 44;
    EXPECT_EQ(g.tick().degrees, 180);
}

TEST_F(EightsGameTest, RoundEndsEarnTheirBonusesAndLeadOn) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    EXPECT_FALSE(g.endRound(false).has_value());
    ASSERT_TRUE(g.newGame());
    EXPECT_EQ(g.roundCaption(), "1");

    // Round 1 with the deck completed and 30 seconds left, at the defaults.
    Shared().ElapsedSeconds = 60;
    std::optional<EightsRoundEnd> end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->secondsLeft, 30);
    EXPECT_TRUE(end->deckCompleted);
    EXPECT_EQ(end->deckBonus, 50000);
    EXPECT_EQ(end->next, EightsNext::RoundTwo);
    EXPECT_EQ(g.round(), 2);
    EXPECT_FALSE(g.endRound(false).has_value()); // once only

    // Round 2 exactly at the bonus-round score opens the bonus round.
    ASSERT_TRUE(g.startRound());
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    EXPECT_EQ(g.roundCaption(), "2");
    Shared().Score = 5000000;
    Shared().ElapsedSeconds = 90; // the clock ran out
    end = g.endRound(false);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->next, EightsNext::BonusRound);
    EXPECT_EQ(end->secondsLeft, 0);
    EXPECT_FALSE(end->deckCompleted);
    ASSERT_TRUE(g.startRound());
    EXPECT_EQ(g.roundCaption(), "Bonus");

    end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->next, EightsNext::GameOver);
    EXPECT_EQ(end->deckBonus, 50000);
    g.finishGame();
    EXPECT_EQ(g.state(), EightsState::GameOver);
    EXPECT_FALSE(Shared().GameInProgress);
}

TEST_F(EightsGameTest, OnePointShortEndsTheGameButRoundTwoStillEarnsItsBonuses) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    g.endRound(false);
    ASSERT_TRUE(g.startRound());
    Shared().Score = 4999999;
    Shared().ElapsedSeconds = 80;
    const std::optional<EightsRoundEnd> end = g.endRound(true);
    ASSERT_TRUE(end);
    EXPECT_EQ(end->next, EightsNext::GameOver);
    EXPECT_EQ(end->secondsLeft, 10);
    EXPECT_EQ(end->deckBonus, 50000);
}

TEST_F(EightsGameTest, SpotValuesStartEachRoundAfresh) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    tickMoveTimer(g, 3);
    play(g, 1, 1); // the eight raises spot 1
    ASSERT_EQ(g.board().spotValue(1), 1000);
    g.endRound(false);
    EXPECT_EQ(g.board().spotValue(1), 500);
    // The move timer carries on into the next round; only a move resets it.
    const int bar = g.moveTimer().bar();
    ASSERT_TRUE(g.startRound());
    EXPECT_EQ(g.moveTimer().bar(), bar);
    EXPECT_EQ(g.board().spotValue(1), 500);
    EXPECT_EQ(g.board().spotValue(2), 200);
    EXPECT_EQ(g.board().spotValue(3), 100);
}

TEST_F(EightsGameTest, GivingUpAndAFailedDeal) {
    dealEveryRound(dealOrder(kWorked));
    EightsGame g;
    ASSERT_TRUE(g.newGame());
    tickMoveTimer(g, 10);
    play(g, 2, 1);
    const int32_t score = Shared().Score;
    tickMoveTimer(g, 4);
    g.abandon();
    EXPECT_EQ(g.state(), EightsState::Idle);
    EXPECT_FALSE(Shared().GameInProgress);
    EXPECT_EQ(g.moveTimer().bar(), EightsMoveTimer::kMinimum);
    EXPECT_EQ(Shared().Score, score);
    EXPECT_FALSE(g.endRound(false).has_value());

    EightsGame::SetDeckSourceForTests([](QStringList&) { return false; });
    EXPECT_FALSE(g.newGame());
    EXPECT_EQ(g.state(), EightsState::Idle);
    EXPECT_FALSE(Shared().GameInProgress);
    EXPECT_EQ(g.board().lower(1), QString());
}
