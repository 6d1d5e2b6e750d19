#pragma once
// What the Play, Pause, Take Score and Exit commands do in each state of play: the guards of
// the frame's handlers as one table, so no handler decides on a caption or a flag of its own.

#include "frame/PlayState.h"

enum class Command { Play, Pause, TakeScore, Exit };

enum class CommandEffect {
    None,             // the command does nothing
    StartGame,        // a new game is dealt
    AskToEndGame,     // "You have a game in progress ...": Yes gives the game up
    PauseRound,       // the round is paused, its board hidden
    ResumeRound,      // the paused round runs on
    ScoreRound,       // the round ends and is scored now
    TakeScoreIdle,    // what the game offers there between games (a replay)
    AskToQuit,        // the quit question; Yes closes the window
    QuitAfterRoundEnd // the close is asked again once the round has been scored
};

CommandEffect EffectOf(Command command, PlayState state);
