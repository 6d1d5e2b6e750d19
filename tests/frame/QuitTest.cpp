#include "FrameTestSupport.h"

#include "app/frmSelect.h"
#include "platform/MessageBox.h"

using State = GameWindow::State;
using platform::Answer;

namespace {
const QString kRunning = "You have a game in progress. Are you sure you want to quit now?";
const QString kSoon = "Giving up so soon?";
const QString kLater = "Are you sure you want to quit now? Were just getting started!";
} // namespace

TEST_F(FrameTest, QuitQuestionDependsOnTheGameAndTheMinutesSinceLoad) {
    platform::MessageScript script;
    auto w = window("frmCrestal");             // loaded at 9:04:30
    platform::ProgramTime::advance(29 * 1000); // 9:04:59, no minute boundary yet past four
    EXPECT_FALSE(w->requestQuit());
    platform::ProgramTime::advance(4 * 60 * 1000); // 9:08:59: four boundaries
    EXPECT_FALSE(w->requestQuit());
    platform::ProgramTime::advance(1000); // 9:09:00: five
    EXPECT_FALSE(w->requestQuit());
    w->cmdPlay_Click();
    EXPECT_FALSE(w->requestQuit());
    EXPECT_EQ(script.texts(), (std::vector<QString>{kSoon, kSoon, kLater, kRunning}));
    for (const auto& box : script.asked()) {
        EXPECT_EQ(box.buttons, platform::Buttons::YesNo);
        EXPECT_EQ(box.icon, platform::Icon::Question);
        EXPECT_EQ(box.title, "Crestal!");
    }
    EXPECT_EQ(w->count("WriteSettingsINI"), 0);
}

TEST_F(FrameTest, PausingWindowsStopTheClockDuringTheQuestion) {
    platform::MessageScript script;
    for (const char* name : {"frmQuintel", "frmTwindle"}) {
        auto w = window(name);
        w->cmdPlay_Click();
        EXPECT_FALSE(w->requestQuit());
        EXPECT_EQ(w->calls, (std::vector<QString>{"Play", "Pause", "Resume"})) << name;
        EXPECT_EQ(w->state(), State::Running);
        EXPECT_TRUE(w->Timer1()->isEnabled());
    }
}

TEST_F(FrameTest, PlainWindowsAskWithTheClockRunning) {
    platform::MessageScript script;
    auto w = window("frmScramble");
    w->cmdPlay_Click();
    EXPECT_FALSE(w->requestQuit());
    EXPECT_EQ(w->calls, std::vector<QString>{"Play"});
    EXPECT_EQ(w->state(), State::Running);
}

TEST_F(FrameTest, AGamePausedByThePlayerStaysPausedAfterNoInEveryWindow) {
    platform::MessageScript script;
    for (const GameDescriptor* g : AllGames()) {
        TestGameWindow w(*g);
        w.cmdPlay_Click();
        w.cmdPause_Click();
        EXPECT_FALSE(w.requestQuit()) << g->window;
        EXPECT_EQ(w.state(), State::Paused) << g->window;
        EXPECT_FALSE(w.Timer1()->isEnabled()) << g->window;
    }
}

TEST_F(FrameTest, YesSavesTheSettingsStopsTheMusicAndShowsTheLauncher) {
    platform::MessageScript script;
    script.then(Answer::Yes).then(Answer::Yes);
    frmSelect launcher(dir.path());
    launcher.hide();
    Shared().GameTitle = "Tressel!";
    {
        auto w = window("frmTrip");
        Shared().MusicOn = true;
        w->cmdPlay_Click();
        EXPECT_TRUE(w->requestQuit());
        EXPECT_EQ(w->count("WriteSettingsINI"), 1);
        EXPECT_FALSE(Shared().GameInProgress);
        EXPECT_FALSE(w->Timer1()->isEnabled());
        EXPECT_FALSE(audio->playing);
        EXPECT_TRUE(launcher.isVisible());
    }
    launcher.hide();
    {
        auto w = window("frmEights");
        Shared().MusicOn = false;
        const int stops = audio->stops;
        EXPECT_TRUE(w->requestQuit());
        EXPECT_EQ(w->count("WriteSettingsINI"), 1); // also with nothing changed
        EXPECT_EQ(audio->stops, stops);
        EXPECT_TRUE(launcher.isVisible());
    }
}

TEST_F(FrameTest, ACloseDuringARoundEndWaitsForTheRoundEnd) {
    platform::MessageScript script;
    auto w = window("frmElevens");
    w->cmdPlay_Click();
    w->onTakeScore = [&] {
        EXPECT_FALSE(w->requestQuit());
        EXPECT_TRUE(script.asked().empty());
    };
    w->cmdTakeScore_Click();
    EXPECT_EQ(script.texts(), std::vector<QString>{kRunning});
    EXPECT_EQ(w->state(), State::Running); // answered No
}
