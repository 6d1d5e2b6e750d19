#pragma once
// One poker grid game: three rounds against the clock and a bonus round when the score after
// round three reaches the bonus-round score. A round ends when its 25th cell is filled or its
// clock runs out; only a filled grid pays, and the window's time-bonus count-up pays it: its
// points times the seconds left times the time bonus. The window shows what this class holds
// and plays the sounds it names.
//
// Program-wide values used: Shared().Deck (shuffled through ShuffleDeck), Round, Score,
// TimeLimit, ElapsedSeconds, GaugeElapsed, TimeBonus, BonusRoundScore, InputBlocked,
// GameAbandoned; PokerGridOptions() (hand values, overwrites).

#include "frame/PlayModel.h"
#include "games/pokergrid/PokerGridRound.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The window reports this state as its own: one state for the window and its game.
using PokerGridState = PlayState;

struct PokerGridTick {
    bool ticked = false; // false when no round clock runs
    int angle = 0;       // the clock pie, drawn for the second before this tick
    int secondsLeft = 0;
    bool timeUp = false; // the clock reached the limit: the round ends with "Times Up!"
};

struct PokerRoundEnd {
    bool timeUp = false; // the clock ran out: the round pays nothing
    int secondsLeft = 0; // 0 when nothing is paid; the window's count-up pays the rest
    int32_t roundPoints = 0;
    QString pointsText; // "350 X 42 =", shown above the count-up
};

enum class PokerRoundOutcome { NextRound, BonusRound, GameOver };

class PokerGridGame : public PlayModel {
  public:
    // Starts a game on a new shuffled deck. False, back to idle, when it could not be dealt
    // (`error()` says why).
    bool play();
    const QString& error() const { return error_; }
    // The player ended the game in progress: no high score, back to idle.
    void abandon();

    // A click on a grid cell; nothing at all between rounds or while no round runs.
    Placement click(int cell);
    // One second of the round clock.
    PokerGridTick tick();

    // Ends the round: the grid filled, or the clock ran out. Input is blocked until the
    // launcher's tick releases it. Nothing unless a round is running.
    std::optional<PokerRoundEnd> endRound(bool timeUp);
    // After the time bonus was added to the score: what follows.
    PokerRoundOutcome outcome() const;
    // After NextRound or BonusRound: the deck shuffled again and dealt. False when it could
    // not be dealt.
    bool startNextRound();
    // After the GameOver outcome.
    void finishGame();

    const PokerGridRound& cards() const { return cards_; }
    // What the last deal played: the click of the round's first card.
    const QStringList& dealSounds() const { return dealSounds_; }
    int32_t roundPoints() const { return cards_.roundPoints(); }
    int overWritesLeft() const;

    // Test seam: replaces the shuffle of every deal (an empty function restores it).
    using Shuffle = std::function<void(QStringList& deck)>;
    static void SetShuffleForTests(Shuffle shuffle);

  private:
    bool deal();

    PokerGridRound cards_;
    QStringList dealSounds_;
    QString error_;
};

// "Round: 2", or "Bonus Round" for round 4.
QString PokerRoundCaption(int round);
// "Prepare for round  2!" (the number with a blank before it), or "Bonus round!".
QString PokerRoundAnnouncement(int round);
// "Over Writes Remaining: 3"
QString OverWritesCaption(int left);
// "Points Earned: 350"
QString PointsEarnedCaption(int32_t points);
// "Cards remaining: 51"
QString CardsRemainingCaption(int cards);
