#include "frame/CommandTable.h"

#include <array>
#include <cstddef>

namespace {
using E = CommandEffect;
// Rows in PlayState order, columns in Command order.
constexpr std::array<std::array<E, 4>, 5> kEffects{{
    /* Idle     */ {E::StartGame, E::None, E::TakeScoreIdle, E::AskToQuit},
    /* Running  */ {E::AskToEndGame, E::PauseRound, E::ScoreRound, E::AskToQuit},
    // A direct call still asks; the paused window offers neither Play nor Take Score.
    /* Paused   */ {E::AskToEndGame, E::ResumeRound, E::None, E::AskToQuit},
    /* RoundEnd */ {E::None, E::None, E::None, E::QuitAfterRoundEnd},
    /* GameOver */ {E::StartGame, E::None, E::TakeScoreIdle, E::AskToQuit},
}};
} // namespace

CommandEffect EffectOf(Command command, PlayState state) {
    return kEffects[std::size_t(state)][std::size_t(command)];
}
