#pragma once
// One five-column game: three rounds against the clock and a bonus round, the falling time
// bonus, the round end (scored, busted or short of 97), the round score counted onto the
// total, and the game over. The window shows what this class holds and keeps no game state
// of its own.
//
// Program-wide values used: Shared().Deck (dealt through CreateDeck and ShuffleDeck), Score,
// TimeLimit, ElapsedSeconds, GaugeElapsed, TimeBonus, BonusScore; FiveColumnOptions().

#include "frame/PlayModel.h"
#include "games/fivecolumn/FiveColumnBoard.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The window reports this state as its own: one state for the window and its game.
using FiveColumnState = PlayState;

struct FiveColumnTick {
    bool ticked = false;
    int elapsed = 0;
    int angle = 0;         // clock pie
    int32_t timeBonus = 0; // lblTimeBonus
    bool timeUp = false;   // the clock has stopped: "Times Up!", then end the round
};

// One step of the round score's count-up.
struct CountStep {
    int32_t shown = 0; // the amount still to add, shown before the step
    int32_t score = 0; // the total after it
    bool tick = false; // "Tick.wav" on every third step
};

enum class FiveColumnNext { Round, BonusRound, GameOver };

struct FiveColumnRoundEnd {
    bool scored = false;
    QString failure;     // "Busted!" or "Sorry, 97 or more needed to win!" when not scored
    int roundPlayed = 0; // for "Round " & n & " Total: "
    int cardTotalValue = 0;
    int32_t timeBonus = 0;
    int32_t roundScore = 0;
    bool awesome = false;         // 1000 points: "Totally Awesome Score!"
    std::vector<CountStep> steps; // empty when added at once or not scored
    FiveColumnNext next = FiveColumnNext::Round;
    int nextRound = 0; // 2, 3 or 4 (the bonus round)
};

class FiveColumnGame : public PlayModel {
  public:
    // QuintelRound: 1 to 3, 4 the bonus round; advanced at the round end.
    int round() const { return round_; }
    const FiveColumnBoard& board() const { return board_; }

    // A new game: score 0, round 1, a fresh shuffled deck. False when the deck could not be
    // made (already reported by the deck); the game then stays idle.
    bool play();
    // "&End Game" confirmed: back to idle with no high-score check, score 0.
    void abandon();

    FiveColumnHit hit(int column);
    bool pass();
    FiveColumnTick tick();
    // "Times Up!" has been shown: the round may still end, and nothing else happens.
    bool timeIsUp() const { return timeUp_; }

    // The round-end button (also a bust, a sum of 105 and the clock): scores the round or
    // fails it and decides what follows. Nothing unless a round is in play.
    std::optional<FiveColumnRoundEnd> endRound(bool countUp);
    // After Round or BonusRound: a fresh deck is dealt. False when it could not be made.
    bool startNextRound();
    // After GameOver and the high-score check: the score goes back to 0.
    void finishGame();

    // Fills Shared().Deck for each round: a new shuffled deck unless a test deals its own.
    std::function<bool()> makeDeck = DefaultDeckMaker;
    static bool DefaultDeckMaker();

  protected:
    // Once "Times Up!" has been shown only the round end may follow.
    bool canPause() const override { return !timeUp_; }

  private:
    bool deal();

    FiveColumnBoard board_;
    int round_ = 0;
    bool timeUp_ = false;
    FiveColumnNext pending_ = FiveColumnNext::Round;
};

// The count-up of a round score: CardTotalValue / 2 steps of 2 x the time bonus, from
// `score` on, "Tick.wav" on steps 3, 6, 9 ...
std::vector<CountStep> RoundScoreSteps(int32_t score, int cardTotalValue, int32_t timeBonus);
