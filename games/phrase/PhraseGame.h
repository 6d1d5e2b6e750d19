#pragma once
// One phrase game: two rounds of one phrase each and, when both were solved and the score
// has reached the bonus-round score, a bonus round whose letters are picked first. The round
// start takes a fitting phrase from the library; the round end works out the bonuses of a
// solved phrase, which the window pays step by step, and what follows.
//
// Program-wide values used: Shared().Round (1, 2, 3 = bonus round, 4 after it), Score,
// ElapsedSeconds, TimeLimit, TimeBonus, BonusRoundScore; PhraseOptions().

#include "games/phrase/PhraseLibrary.h"
#include "games/phrase/PhraseRound.h"

#include <QString>
#include <cstdint>
#include <vector>

struct RoundStart {
    bool started = false; // false: no phrase could be had; the game cannot go on
    int topic = 0;        // whose caption the board frame shows
    std::vector<PhraseNotice> notices;
};

// The bonuses of a solved phrase, in the order they are paid.
struct PhraseRoundEnd {
    bool lost = false;
    int facesPaid = 0;           // GuessBonus each, the faces from the highest index left
    int32_t guessBonus = 0;      // per face
    int32_t completionBonus = 0; // 0 when the phrase was not solved
    int secondsLeft = 0;         // TimeBonus each
};

enum class PhraseNext { RoundTwo, BonusRound, GameOver };

class PhraseGame {
  public:
    // A new game: round 1, score 0, nothing solved.
    void newGame();
    // Prepares the round in Shared().Round: the board, a phrase from the library, the first
    // letter value, the clock back to 0.
    RoundStart initRound(PhraseLibrary& library, bool bonusPicks);
    // Letter play; a solved phrase counts for the bonus round.
    LetterResult clickLetter(int index);
    BarResult barTick();
    void solve() { round_.solve(); }

    // The round end: the next round number, and what a solved phrase earns.
    PhraseRoundEnd endRound();
    // After the bonuses were paid: what comes next.
    PhraseNext next() const;

    const PhraseRound& round() const { return round_; }
    PhraseRound& round() { return round_; }
    int phrasesSolved() const { return phrasesSolved_; }

  private:
    PhraseRound round_;
    int phrasesSolved_ = 0;
};
