#pragma once
// One twenty-one combinations game: three rounds against the clock and a bonus round, the
// board and its '21 Counter', the bust penalty and the gimme and deck-completion bonuses
// paid at once, the round-end tally and the choice of what follows. The window shows what
// this class holds and keeps no game state of its own.
//
// Program-wide values used: Shared().Deck (made through CreateDeck and ShuffleDeck), Score,
// TimeLimit, ElapsedSeconds, GaugeElapsed, BonusRoundScore; CombinationsOptions().

#include "frame/PlayModel.h"
#include "games/combinations/CombinationsBoard.h"
#include "games/combinations/CombinationsTally.h"
#include "games/combinations/TwentyOneCounter.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// The window reports this state as its own: one state for the window and its game.
using CombinationsState = PlayState;

struct CombinationsTick {
    bool ticked = false;
    int elapsed = 0;
    int secondsLeft = 0;
    int angle = 0;
    QString status;      // "Times running out!", "Better Hurry!" or empty: panel 2 untouched
    bool timeUp = false; // the clocks have stopped: "Times Up!", then the tally
};

enum class CombinationsNext { Round, BonusRound, GameOver };

struct CombinationsRoundEnd {
    CombinationsTally tally;
    int nextRound = 0; // Round after the tally: 2, 3, 4 or 5
    CombinationsNext next = CombinationsNext::Round;
};

class CombinationsGame : public PlayModel {
  public:
    // 1 to 3, 4 the bonus round; raised by the tally.
    int round() const { return round_; }
    const CombinationsBoard& board() const { return board_; }
    const TwentyOneCounter& counter() const { return counter_; }

    // A new game: score 0, round 1, a new shuffled deck. False when the deck could not be
    // made; the game then stays idle.
    bool play();
    // "&End game" confirmed: back to idle with no high-score check.
    void abandon();

    // Places the current card; a bust takes 100 points, a gimme and the deck's completion
    // pay their bonuses at once, a 21 restarts the counter.
    CombinationsHit hit(int column);
    bool pass();
    // The one-second round clock.
    CombinationsTick tick();
    // One step of the '21 Counter' (Timer3); a run-out sets the bonus back to one step.
    CounterTick counterTick();
    // The clock reached the limit or the deck was completed: only the tally may follow.
    bool roundOver() const { return roundOver_; }

    // The tally (Take Score, time up, deck completion): pays the round, raises the round
    // and decides what follows. The clocks and the counter stop first. Nothing unless a
    // round is in play.
    std::optional<CombinationsRoundEnd> takeScore(bool countUp);
    // After Round or BonusRound: the deck shuffled again and dealt. False when it fails.
    bool startNextRound();
    // After GameOver and the high-score check: the board empties; the score stays shown.
    void finishGame();

    // Makes Shared().Deck: a new shuffled deck for a new game, the same deck shuffled again
    // for a later round (a test deals its own).
    std::function<bool(bool newGame)> makeDeck = DefaultDeckMaker;
    static bool DefaultDeckMaker(bool newGame);

  protected:
    // A round whose clock reached the limit or whose deck was completed waits for its tally.
    bool canPause() const override { return !roundOver_; }
    // The '21 Counter' stands still while paused and runs on only if it was running.
    void afterPause() override;
    void afterResume() override;

  private:
    bool deal(bool newGame);

    CombinationsBoard board_;
    TwentyOneCounter counter_;
    bool counterWasRunning_ = false;
    int round_ = 0;
    bool roundOver_ = false;
    CombinationsNext pending_ = CombinationsNext::Round;
};
