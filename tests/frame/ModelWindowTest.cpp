// A window whose game keeps its state in rules of its own: the frame pauses the rules before
// its own work, follows a refusal, and its resets and ends go to the one state the rules hold.
#include "FrameTestSupport.h"

#include "platform/MessageBox.h"

#include <QPushButton>

using State = GameWindow::State;
using platform::Answer;

namespace {
class RulesWindow : public TestGameWindow {
  public:
    explicit RulesWindow(const GameDescriptor& game) : TestGameWindow(game), rules(calls) {
        UsePlayModel(rules);
    }

    struct Rules : PlayModel {
        explicit Rules(std::vector<QString>& log) : log(log) {}
        std::vector<QString>& log;
        bool pausable = true;
        void deal() { roundDealt(); }
        void score() { startRoundEnd(); }
        void giveUp() { toIdle(); }
        bool canPause() const override { return pausable; }
        void afterPause() override { log.push_back("rules paused"); }
        void afterResume() override { log.push_back("rules resumed"); }
    } rules;

    std::function<void()> duringScore; // after the rules moved into their round end

  protected:
    void Play() override {
        TestGameWindow::Play();
        rules.deal();
    }
    void AbandonGame() override {
        rules.giveUp();
        TestGameWindow::AbandonGame();
    }
    void TakeScore() override {
        rules.score();
        if (duringScore) duringScore();
        TestGameWindow::TakeScore();
    }
};

class ModelWindowTest : public FrameTest {
  protected:
    std::unique_ptr<RulesWindow> open(const char* name = "frmCrestal") {
        return testsupport::GameWindowTest::open<RulesWindow>(game(name));
    }
};
} // namespace

TEST_F(ModelWindowTest, TheRulesStartTheGameAndArePausedBeforeTheWindowHidesTheBoard) {
    auto w = open();
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_EQ(w->rules.state(), State::Running);
    w->cmdPause_Click();
    EXPECT_EQ(w->rules.state(), State::Paused);
    w->cmdPause_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_EQ(w->calls,
              (std::vector<QString>{"Play", "rules paused", "Pause", "rules resumed", "Resume"}));
}

TEST_F(ModelWindowTest, APauseTheRulesRefuseLeavesTheWindowAsItWas) {
    auto w = open();
    Shared().MusicOn = true;
    w->cmdPlay_Click();
    w->rules.pausable = false;
    w->cmdPause_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_EQ(w->count("Pause"), 0);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->cmdPause()->text(), w->profile().pauseCaption);
    EXPECT_TRUE(w->cmdPlay()->isEnabled() && w->cmdTakeScore()->isEnabled());
    EXPECT_FALSE(w->label("lblMessage")->isVisibleTo(w.get()));
    EXPECT_TRUE(audio->playing);

    // A question over the round cannot pause it either: the round runs on under it.
    platform::MessageScript script;
    script.then(Answer::No);
    w->cmdPlay_Click();
    EXPECT_EQ(script.texts().size(), 1u);
    EXPECT_EQ(w->count("Pause") + w->count("Resume"), 0);
    EXPECT_TRUE(w->Timer1()->isEnabled());
}

TEST_F(ModelWindowTest, GivingUpAPausedGameResetsTheCommandsThoughTheRulesWentIdleThemselves) {
    platform::MessageScript script;
    script.then(Answer::Yes);
    auto w = open();
    w->cmdPlay_Click();
    w->cmdPause_Click();
    w->cmdPlay_Click(); // a direct call still asks
    EXPECT_EQ(w->state(), State::Idle);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_TRUE(w->cmdPlay()->isEnabled() && w->quitButton()->isEnabled());
    EXPECT_FALSE(w->cmdPause()->isEnabled() || w->cmdTakeScore()->isEnabled());
    QLabel* message = w->label("lblMessage");
    EXPECT_TRUE(message->text().isEmpty());
    EXPECT_FALSE(message->isVisibleTo(w.get()));
}

TEST_F(ModelWindowTest, AnEndTheWindowDeclaresReachesRulesStillScoringButNotOnesThatEnded) {
    auto w = open();
    w->duringScore = [&] { w->GameFinished(); };
    w->cmdPlay_Click();
    w->cmdTakeScore_Click();
    EXPECT_EQ(w->rules.state(), State::GameOver);

    // Rules that gave the game up keep their idle end.
    w->duringScore = [&] {
        w->rules.giveUp();
        w->GameFinished();
    };
    w->cmdPlay_Click();
    w->cmdTakeScore_Click();
    EXPECT_EQ(w->state(), State::Idle);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
}
