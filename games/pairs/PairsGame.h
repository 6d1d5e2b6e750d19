#pragma once
// One Twindle game: two timed rounds and, when the score after round two reaches the
// bonus-round score, a bonus round. The round end names the bonuses it pays in the order
// they are counted (the window counts them onto Score through the frame), then decides
// what follows from the score they left.
//
// Program-wide values used: Shared().Deck (made and shuffled through CreateDeck and
// ShuffleDeck), Round, Score, TimeLimit, ElapsedSeconds, GaugeElapsed, TimeBonus,
// BonusRoundScore; PairsOptions() for the pairs, runs and completion bonuses.

#include "frame/PlayModel.h"
#include "games/pairs/PairsBoard.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The window reports this state as its own: one state for the window and its game.
using PairsState = PlayState;

struct PairsTick {
    bool ticked = false;
    int elapsed = 0;
    int secondsLeft = 0;
    QString status;      // "Times running out!", "Better Hurry!", "Time has expired!" or empty
    bool timeUp = false; // the clock stopped at the limit: "Times Up!", then the round end
};

enum class PairsBonusKind { Completion, Speed, Pairs, Runs };
struct PairsBonus {
    PairsBonusKind kind = PairsBonusKind::Completion;
    int32_t count = 0; // seconds left for the speed bonus
    int32_t pointsEach = 0;
    QString name; // "Completion Bonus", "Pairs Bonus", "Runs Bonus"; empty for speed
};

// The bonuses of a round end in the order they are counted: the completion bonus when the
// top row was cleared, the speed bonus when seconds are left, then pairs and runs (also at
// a count of 0, whose labels still flash).
std::vector<PairsBonus> PairsRoundBonuses(bool completed, int secondsLeft, int pairs, int runs);

enum class PairsOutcome { RoundTwo, BonusRound, GameOver };

class PairsGame : public PlayModel {
  public:
    const PairsBoard& board() const { return board_; }
    int round() const;
    bool completionPending() const { return completion_; }

    // A new game: round 1, score 0, a new shuffled deck dealt. False (state Idle, nothing
    // dealt) when the deck could not be made.
    bool play();
    // The player ended the game: no score kept, board cleared.
    void abandon();

    PairsClick click(int place);
    PairsDraw clickStack();
    PairsTick tick();

    // The round end: the bonuses to count, in order. Nothing unless a round runs. The
    // completion bonus is paid when the top row was cleared.
    std::optional<std::vector<PairsBonus>> takeScore();
    // After the bonuses were counted onto Score.
    PairsOutcome decide();
    // After RoundTwo or BonusRound: the next deal. False when the deck could not be made.
    bool startNextRound();
    void finishGame();

  protected:
    // The selection goes with the hidden board.
    void afterPause() override { board_.clearSelection(); }

  private:
    bool deal();

    PairsBoard board_;
    bool completion_ = false;
};
