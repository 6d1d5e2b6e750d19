#pragma once
// One elevens game: the deal of each round, selecting field cards and the up card into
// combinations that total the card goal, drawing from the pile, the round clock, the round
// end with its bonuses, the bonus round and the end of the game. The window shows what this
// class holds and plays the sounds it names; it keeps no game state of its own.
//
// Program-wide values used: Shared().Deck (the deck being dealt; shuffled only through
// ShuffleDeck), Score, CardGoal, EnhancedScoring, TimeLimit, ElapsedSeconds, GaugeElapsed,
// TimeBonus; ElevensOptions() and LastElevensGame() (round decks, replay flag).

#include "frame/PlayModel.h"
#include "games/elevens/ElevensField.h"
#include "games/elevens/ElevensScoring.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The window reports this state as its own: one state for the window and its game.
using ElevensState = PlayState;

enum class ElevensSound { None, Select, Deselect, Refuse, Combination };
// The wave file of a sound ("Markq.wav", "Tick.wav", "Chord.wav", "TwentyOne.wav").
QString ElevensSoundFile(ElevensSound sound);

// The pile picture for the cards left: "EMPTY", "BACK" (1-10), "HALF" (11-20) or "FULL".
QString PilePictureKey(int cardsLeft);

// What a click did, for the window to show and play.
struct ElevensClick {
    std::vector<ElevensSound> sounds; // in order (a completing click: Select, then Combination)
    bool combination = false;         // a combination was completed and scored
    bool fieldCleared = false;        // the last field card went: run the Take Score command now
    bool drew = false;     // a card came up from the pile (also the silent automatic draw)
    int movedToPlace = -1; // the old up card went into this field place
};

struct ElevensTick {
    bool ticked = false; // false when no round clock is running
    int elapsed = 0;     // seconds used
    int secondsLeft = 0; // for "Time: " & secondsLeft
    int angle = 0;       // clock pie
    QString status;      // "Times running out!", "Better Hurry!", "Time has expired!" or empty
    bool timeUp = false; // the clock has stopped: run the Take Score command after "Times Up!"
};

enum class RoundOutcome {
    NextRound,           // "Prepare for Round Two!", then startNextRound()
    BonusRound,          // "Bonus Round!", then startNextRound()
    GameOverAfterRound2, // below the bonus-round score: finishGame(), gauges hidden
    GameOverAfterBonus,  // after the bonus round: finishGame(), gauges stay
};

struct ElevensRoundEnd {
    bool cleared = false;
    int combinations = 0;
    std::vector<RoundBonus> bonuses; // in display order; the score already includes them
    RoundOutcome outcome = RoundOutcome::NextRound;
    int32_t score = 0;
};

class ElevensGame : public PlayModel {
  public:
    int round() const { return round_; } // 1, 2, or 3 = bonus round
    bool clockRunning() const { return clockRunning_; }
    // The window's minimise and restore stop and restart the clock of a running game.
    void setClockRunning(bool on);

    // Starts a game: a new shuffled deck, or the last game's decks when LastElevensGame()
    // .ReplayMode is set. False when the deck could not be made or dealt.
    bool play();
    // Ends a game without a high-score check (the Play command's confirmed quit).
    void abandon();

    ElevensClick clickField(int place);
    ElevensClick clickUpCard();
    ElevensClick clickPile();
    // One second of the round clock.
    ElevensTick tick();

    // Ends the round (Take Score, time up or a cleared field): pays the bonuses and decides
    // what follows. Nothing unless a round is running.
    std::optional<ElevensRoundEnd> takeScore(bool countUp);
    // After NextRound or BonusRound: the next round's deck (stored deck in a replay, else the
    // deck shuffled again) is dealt. False when it could not be dealt.
    bool startNextRound();
    // Why the last play() or startNextRound() failed, for the window to show; empty when
    // the deck could not be made (its maker has reported that).
    const QString& error() const { return error_; }
    // After a game-over outcome: records the final score; state GameOver.
    void finishGame();

    // The board.
    const ElevensField& field() const { return field_; }
    // The up card on top of the stack; empty when there is none ("EMPTY" shows).
    QString upCard() const;
    bool upCardSelected() const { return upSelected_; }
    int upStackSize() const { return int(upStack_.size()); }
    int pileCount() const { return int(pile_.size()); } // "Cards: " & pileCount()
    int runningTotal() const { return runningTotal_; }
    int combinationCount() const { return combinations_; }
    // What the up card would score in a combination now (its tool tip).
    int upCardPoints() const;
    // Whether a field card can be clicked into play (the pointer over it).
    bool canSelect(int place) const;

  protected:
    // The clock stops and the selection goes; the resume runs the clock again, also one that
    // enhanced scoring had not started yet.
    void afterPause() override;
    void afterResume() override { clockRunning_ = true; }

  private:
    bool deal(bool newGame);
    bool clickAllowed() const { return state() == ElevensState::Running; }
    ElevensClick checkTotal(ElevensClick result);
    ElevensClick drawFromPile(bool silent);
    void startClock();

    int round_ = 1;
    bool clockRunning_ = false;
    QString error_;
    ElevensField field_;
    std::vector<QString> pile_;    // drawn from the back
    std::vector<QString> upStack_; // the up card is the back
    bool upSelected_ = false;
    int runningTotal_ = 0;
    int combinations_ = 0;
    RoundOutcome pending_ = RoundOutcome::NextRound;
};
