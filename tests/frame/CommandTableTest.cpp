// What each command does in each state of play, without a window.
#include "frame/CommandTable.h"

#include <gtest/gtest.h>

namespace {
using E = CommandEffect;
using S = PlayState;

struct Row {
    S state;
    E play, pause, takeScore, exit;
};

// Idle and after a game: Play starts, Take Score is the game's own (the elevens replay), Pause
// is off. During a round: Play asks before it gives the game up, Pause pauses, Take Score
// scores. Paused: Pause resumes, nothing is scored. While a round is scored every command
// waits, and a close is asked once the round end is over.
const Row kRows[] = {
    {S::Idle, E::StartGame, E::None, E::TakeScoreIdle, E::AskToQuit},
    {S::Running, E::AskToEndGame, E::PauseRound, E::ScoreRound, E::AskToQuit},
    {S::Paused, E::AskToEndGame, E::ResumeRound, E::None, E::AskToQuit},
    {S::RoundEnd, E::None, E::None, E::None, E::QuitAfterRoundEnd},
    {S::GameOver, E::StartGame, E::None, E::TakeScoreIdle, E::AskToQuit},
};
} // namespace

TEST(CommandTableTest, EveryCommandInEveryState) {
    for (const Row& r : kRows) {
        SCOPED_TRACE(int(r.state));
        EXPECT_EQ(EffectOf(Command::Play, r.state), r.play);
        EXPECT_EQ(EffectOf(Command::Pause, r.state), r.pause);
        EXPECT_EQ(EffectOf(Command::TakeScore, r.state), r.takeScore);
        EXPECT_EQ(EffectOf(Command::Exit, r.state), r.exit);
    }
}

TEST(CommandTableTest, AGameIsUnderWayFromTheDealToItsLastRoundEnd) {
    EXPECT_FALSE(GameUnderWay(S::Idle));
    EXPECT_TRUE(GameUnderWay(S::Running));
    EXPECT_TRUE(GameUnderWay(S::Paused));
    EXPECT_TRUE(GameUnderWay(S::RoundEnd));
    EXPECT_FALSE(GameUnderWay(S::GameOver));
}
