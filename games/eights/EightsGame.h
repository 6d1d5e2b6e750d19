#pragma once
// One wild-eights game: rounds 1 and 2 and the bonus round, the selection of a lower card,
// moves onto the upper spots scored by spot value times the move timer, the round clock, and
// the round end with its bonuses. The window shows what this class holds and plays the sounds
// it names; it keeps no game state of its own.
//
// Program-wide values used: Shared().Deck (made and shuffled through the deck service),
// Score, TimeLimit, ElapsedSeconds, GaugeElapsed, TimeBonus, BonusScore, GameInProgress;
// EightsOptions().EightsCompleteBonus.

#include "frame/PlayModel.h"
#include "games/eights/EightsBoard.h"
#include "games/eights/EightsMoveTimer.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The window reports this state as its own: one state for the window and its game.
using EightsState = PlayState;

enum class EightsSound { Select, Deselect, Refuse, Move, Applause, Slide };
// "Markq.wav", "Chord.wav", "Chord.wav", "Click.wav", "Applause.wav", "Slide.wav"
QString EightsSoundFile(EightsSound sound);

// A click on a lower spot.
struct EightsSelect {
    bool handled = false;  // false outside a running round
    bool selected = false; // the spot is marked now (else the mark went)
    EightsSound sound = EightsSound::Select;
};

// A click on an upper spot.
struct EightsMove {
    bool handled = false; // false outside a running round
    int lower = 0;        // the selected lower spot, 0 when none was selected
    int upper = 0;
    MoveCheck check = MoveCheck::Illegal; // Illegal also when nothing was selected
    int32_t points = 0;
    EightsMoveResult made;
    // After a legal move: what is left. None and BoardCleared end the round.
    LegalMoves left = LegalMoves::Some;
    // In order; a round ended by no legal move plays its last sound after the message.
    std::vector<EightsSound> sounds;
    bool roundOver() const { return left != LegalMoves::Some; }
    bool noLegalMoves() const { return left == LegalMoves::None; }
};

struct EightsTick {
    bool ticked = false;
    int degrees = 0;     // the clock pie
    int secondsLeft = 0; // "Time: " & secondsLeft
    QString status;      // panel 2; empty: left as it is
    bool timeUp = false; // the clock stopped at the limit
};

// What follows a round's end.
enum class EightsNext { RoundTwo, BonusRound, GameOver };

struct EightsRoundEnd {
    int round = 1; // the round that ended
    // Paid in this order by the window's count-ups; nothing is paid for none.
    int secondsLeft = 0; // the time bonus, TimeBonus each
    bool deckCompleted = false;
    int32_t deckBonus = 0;
    EightsNext next = EightsNext::RoundTwo;
};

class EightsGame : public PlayModel {
  public:
    EightsGame();

    int round() const { return round_; } // 1, 2, or 3 = bonus round
    // "1", "2" or "Bonus"
    QString roundCaption() const;

    // Play: round 1 with a score of 0. False when the deck could not be made and dealt.
    bool newGame();
    // Deals the current round. False when the deck could not be made or dealt; the board
    // is then empty and the caller ends the game.
    bool startRound();
    // Gives the game up: no bonus, no high score; the move timer's bar back to its minimum.
    void abandon();

    EightsSelect clickLower(int spot);
    EightsMove clickUpper(int spot);
    // One second of the round clock.
    EightsTick tick();
    // One step of the move timer; false when it stops.
    bool moveTimerTick() { return moveTimer_.tick(); }

    // Ends the running round (the clock, no legal move or the deck completed): which bonuses
    // are paid and what follows. Nothing unless a round is running.
    std::optional<EightsRoundEnd> endRound(bool deckCompleted);
    // After a game-over outcome, once the high score is checked.
    void finishGame();

    const EightsBoard& board() const { return board_; }
    const EightsMoveTimer& moveTimer() const { return moveTimer_; }
    int selected() const { return selected_; } // 0 when none

    // Where a round's deck comes from: the made and shuffled deck by default. Tests lay
    // their own decks.
    using DeckSource = std::function<bool(QStringList& deck)>;
    static DeckSource SetDeckSourceForTests(DeckSource source);

  protected:
    // The selection goes with the board it was made on.
    void afterPause() override { selected_ = 0; }

  private:
    int round_ = 1;
    int selected_ = 0;
    EightsBoard board_;
    EightsMoveTimer moveTimer_;
};
