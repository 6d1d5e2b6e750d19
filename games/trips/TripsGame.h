#pragma once
// One trips-and-runs game: two rounds and, with the bonus-round score reached after round 2,
// a bonus round 3. Each round deals a freshly shuffled deck into the up row; a round ends by
// the clock, by a blocked board or by Take Score, and its end pays the deck-completion bonus,
// takes the penalty for each card left over (both only when the whole deck was played) and
// leaves the time bonus to the frame's count-up. The window shows what this class holds and
// plays the sounds it names; failures come back to the caller as text.
//
// Program-wide values used: Shared().Deck, Score, TimeLimit, ElapsedSeconds, GaugeElapsed,
// BonusRoundScore; TripsOptions().

#include "frame/PlayModel.h"
#include "games/trips/TripsBoard.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The window reports this state as its own: one state for the window and its game.
using TripsState = PlayState;

struct TripsTick {
    bool ticked = false; // false when no round clock runs
    int elapsed = 0;
    int secondsLeft = 0; // "Time: " & secondsLeft
    int angle = 0;       // the clock pie
    QString status;      // "Times running out!", "Better Hurry!" or empty (no change)
    bool timeUp = false; // the limit is reached: "Times Up!", then the round end
};

// One card taken off at a round end, with the score after its penalty.
struct LeftOverCard {
    bool storage = false; // else the field
    int place = 0;
    int32_t scoreAfter = 0;
};

struct TripsTally {
    bool deckCompleted = false;
    int64_t deckBonus = 0;
    int32_t scoreAfterDeckBonus = 0;
    int32_t penalty = 0;                // per card left over
    std::vector<LeftOverCard> leftOver; // field 11 down to 0, then storage 2 down to 0
    int secondsLeft = 0;                // the time bonus is paid only when some are left
};

enum class TripsOutcome { NextRound, BonusRound, GameOver };

class TripsGame : public PlayModel {
  public:
    int round() const { return round_; } // 1, 2, or 3 = bonus round
    const TripsBoard& board() const { return board_; }

    // Starts a game: round 1, score 0, a shuffled deck dealt. On failure error() holds the
    // text to show and the game stays idle.
    bool play();
    // The player ended the game in progress: idle, no high-score check.
    void abandon();

    // Clicks do nothing (and play nothing) unless a round runs.
    TripsClick clickField(int place);
    TripsClick clickStorage(int place);
    TripsClick clickUpCard(int place);
    TripsClick clickStock();

    // One second of the round clock.
    TripsTick tick();

    // Ends the running round: the deck bonus and the left-over penalty are added to the score
    // at once and the board is cleared; the window then shows them step by step. Nothing
    // unless a round runs, so a second Take Score does nothing.
    std::optional<TripsTally> endRound();
    // After the time bonus: what follows the round.
    TripsOutcome outcome() const;
    // After NextRound or BonusRound: the next round dealt from a new shuffled deck. On failure
    // error() holds the text to show; the game then has to be finished.
    bool startNextRound();
    QString error() const { return error_; }
    // After the last round: state GameOver.
    void finishGame();

    // Fills Shared().Deck for each deal; CreateDeck then ShuffleDeck unless replaced (tests
    // deal known decks). False when no deck could be made.
    using DeckSource = std::function<bool()>;
    void setDeckSource(DeckSource source) { deckSource_ = std::move(source); }

  private:
    bool dealRound();

    int round_ = 1;
    TripsBoard board_;
    QString error_;
    DeckSource deckSource_;
};
