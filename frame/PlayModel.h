#pragma once
// The state of play of one game and the moves between its states that every game makes the
// same way: a round dealt, paused and resumed, scored, the game over or given up. A game's
// rules derive from it and add their own part through the hooks; the window reports this
// state and its commands act on it, so a window keeps one state. A window whose game has no
// rules class keeps one in the frame, which moves it as its commands run.

#include "frame/PlayState.h"

class GameWindow;

class PlayModel {
  public:
    PlayModel() = default;
    virtual ~PlayModel() = default;

    PlayState state() const { return state_; }
    // From the deal of the first round to the game over or the abandon.
    bool gameRunning() const { return GameUnderWay(state_); }

    // Running -> Paused, then afterPause(). False, and nothing changes, unless a round runs
    // that the game lets be paused now.
    bool pause();
    // Paused -> Running, then afterResume(). False, and nothing changes, unless paused.
    bool resume();

  protected:
    // A round whose end is already decided but not yet scored may refuse the pause.
    virtual bool canPause() const { return true; }
    // What the game drops or stops while its board is hidden, and starts again.
    virtual void afterPause() {}
    virtual void afterResume() {}

    // A round has been dealt: it runs.
    void roundDealt() { state_ = PlayState::Running; }
    // The running round stops to be scored. False, and nothing changes, unless a round runs,
    // so a second end of the same round does nothing.
    bool startRoundEnd();
    // The last round has been scored: the game shows its result. False, and nothing
    // changes, unless a round is being scored.
    bool gameOver();
    // The game was given up or could not be dealt.
    void toIdle() { state_ = PlayState::Idle; }

  private:
    friend class GameWindow;
    // The window's commands went back to idle or to a game's result: a game still under way
    // ends there too, one that its rules already ended keeps the end they gave it.
    void settle(PlayState to);

    PlayState state_ = PlayState::Idle;
};
