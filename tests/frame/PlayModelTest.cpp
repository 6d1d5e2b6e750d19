// The state every game keeps, without a window: the moves it allows from each state, and the
// game's own part of a pause and a resume run once, after the state has moved.
#include "frame/PlayModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const char* name(PlayState s) {
    switch (s) {
    case PlayState::Idle:
        return "Idle";
    case PlayState::Running:
        return "Running";
    case PlayState::Paused:
        return "Paused";
    case PlayState::RoundEnd:
        return "RoundEnd";
    case PlayState::GameOver:
        return "GameOver";
    }
    return "?";
}

class Rules : public PlayModel {
  public:
    bool pausable = true;
    std::vector<std::string> hooks; // each hook with the state it saw

    void deal() { roundDealt(); }
    bool score() { return startRoundEnd(); }
    bool finish() { return gameOver(); }
    void giveUp() { toIdle(); }

  protected:
    bool canPause() const override { return pausable; }
    void afterPause() override { hooks.push_back(std::string("paused in ") + name(state())); }
    void afterResume() override { hooks.push_back(std::string("resumed in ") + name(state())); }
};
} // namespace

TEST(PlayModelTest, PauseAndResumeMoveOnlyFromTheirOwnStateAndRunTheirHookOnce) {
    Rules r;
    EXPECT_FALSE(r.pause()); // nothing dealt
    EXPECT_FALSE(r.resume());
    r.deal();
    EXPECT_FALSE(r.resume()); // running, not paused
    EXPECT_TRUE(r.pause());
    EXPECT_FALSE(r.pause()); // a second pause is no pause
    EXPECT_EQ(r.state(), PlayState::Paused);
    EXPECT_TRUE(r.gameRunning());
    EXPECT_TRUE(r.resume());
    EXPECT_FALSE(r.resume());
    EXPECT_EQ(r.state(), PlayState::Running);
    EXPECT_EQ(r.hooks, (std::vector<std::string>{"paused in Paused", "resumed in Running"}));

    // Neither a round being scored nor a finished game can be paused.
    ASSERT_TRUE(r.score());
    EXPECT_FALSE(r.pause());
    ASSERT_TRUE(r.finish());
    EXPECT_FALSE(r.pause());
    EXPECT_FALSE(r.resume());
    EXPECT_EQ(r.hooks.size(), 2u);
}

TEST(PlayModelTest, ARefusedPauseLeavesTheRoundRunningUntouched) {
    Rules r;
    r.deal();
    r.pausable = false;
    EXPECT_FALSE(r.pause());
    EXPECT_EQ(r.state(), PlayState::Running);
    EXPECT_TRUE(r.hooks.empty());
    r.pausable = true;
    EXPECT_TRUE(r.pause());
    EXPECT_EQ(r.hooks, std::vector<std::string>{"paused in Paused"});
}

TEST(PlayModelTest, OnlyARunningRoundIsScoredAndOnlyAScoredOneEndsTheGame) {
    Rules r;
    EXPECT_FALSE(r.score());
    EXPECT_FALSE(r.finish());
    EXPECT_FALSE(r.gameRunning());

    r.deal();
    EXPECT_FALSE(r.finish()); // a running round has not been scored
    ASSERT_TRUE(r.pause());
    EXPECT_FALSE(r.score()); // a paused round waits for its resume
    EXPECT_EQ(r.state(), PlayState::Paused);
    ASSERT_TRUE(r.resume());

    EXPECT_TRUE(r.score());
    EXPECT_FALSE(r.score()); // the same round ends once
    EXPECT_EQ(r.state(), PlayState::RoundEnd);
    EXPECT_TRUE(r.gameRunning());

    r.deal(); // the next round
    EXPECT_EQ(r.state(), PlayState::Running);
    ASSERT_TRUE(r.score());
    EXPECT_TRUE(r.finish());
    EXPECT_EQ(r.state(), PlayState::GameOver);
    EXPECT_FALSE(r.gameRunning());
    EXPECT_FALSE(r.finish());

    r.giveUp();
    EXPECT_EQ(r.state(), PlayState::Idle);
}
