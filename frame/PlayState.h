#pragma once
// The state of play of a game window: the one the frame's commands and guards read. A game
// whose rules are kept in a class of their own holds it there and the window reports it.

enum class PlayState {
    Idle,     // loaded, no game played yet (or the last one was ended by the player)
    Running,  // a round is being played
    Paused,   // the player (or a question) paused the round
    RoundEnd, // a round is being scored; input waits
    GameOver, // a game has ended; the window shows its result
};

// A game is under way: running, paused or being scored.
constexpr bool GameUnderWay(PlayState s) {
    return s == PlayState::Running || s == PlayState::Paused || s == PlayState::RoundEnd;
}
