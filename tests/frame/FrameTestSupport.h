#pragma once
// A small game on the frame, played in virtual time, and the fixture the frame tests share.

#include "GameWindowTestSupport.h"
#include "platform/GameTimer.h"

#include <QAction>
#include <QMenu>
#include <functional>

class TestGameWindow : public GameWindow {
  public:
    explicit TestGameWindow(const GameDescriptor& game) : GameWindow(game) {
        setProperty("captionFitName", "TestGameWindow"); // not the game it borrows
        Surface()->resize(150, 100);                     // 2250 x 1500 twips
        // The larger clock would lie under the score: the score moves right of it.
        if (QWidget* score = findChild<QWidget*>(profile().scoreLabel))
            score->move(Surface()->geometry().right() + 10, score->y());
        BuildMenus();
        LoadFrameDefaults();
    }

    std::vector<QString> calls;
    std::function<void()> onTakeScore;
    std::function<void()> onPlay; // runs inside Play, after the deal
    std::vector<bool> holds;      // HoldGameTimers calls
    bool abandonThroughEndGame = false;
    int32_t roundPoints = 0;

    int count(const QString& call) const {
        return int(std::count(calls.begin(), calls.end(), call));
    }

  protected:
    void Play() override {
        calls.push_back("Play");
        SharedState& s = Shared();
        s.Round = 1;
        s.Score = 0;
        s.ElapsedSeconds = 0;
        s.GaugeElapsed = 0;
        InitClock();
        Timer1()->setEnabled(true);
        if (onPlay) onPlay();
    }
    void HoldGameTimers(bool hold) override { holds.push_back(hold); }
    void AbandonGame() override {
        calls.push_back("AbandonGame");
        if (abandonThroughEndGame) {
            Shared().GameAbandoned = true;
            EndGame();
        }
    }
    void PauseGame(bool pause) override { calls.push_back(pause ? "Pause" : "Resume"); }
    void TakeScore() override {
        calls.push_back("TakeScore");
        if (onTakeScore) onTakeScore();
        Shared().InputBlocked = false;
    }
    void TakeScoreWhileIdle() override { calls.push_back("TakeScoreWhileIdle"); }
    void Timer1_Timer() override {
        SharedState& s = Shared();
        ++s.ElapsedSeconds;
        DrawClock(ClockDegreesFor(s.ElapsedSeconds));
        s.GaugeElapsed = s.ElapsedSeconds;
        if (s.ElapsedSeconds >= s.TimeLimit) TimeUp({});
    }
    void WriteSettingsINI() override { calls.push_back("WriteSettingsINI"); }
    void ShowCustomScoring() override { calls.push_back("ShowCustomScoring"); }
    void ShowCards(bool visible) override {
        calls.push_back(QString("ShowCards(%1)").arg(visible));
    }
    void ShowControls(bool visible, bool scores) override {
        calls.push_back(QString("ShowControls(%1,%2)").arg(visible).arg(scores));
    }
    void RefreshPlayCard() override { calls.push_back("RefreshPlayCard"); }
    void RefreshFieldCards() override { calls.push_back("RefreshFieldCards"); }
    int32_t RoundPoints() const override { return roundPoints; }
    void AddOwnMenuEntry(const QString& token, QMenu* menu) override {
        QAction* a = menu->addAction(token);
        a->setObjectName(token == "clearhighrun" ? QString("mnuClearHighRun") : "own_" + token);
        if (token == "clearhighrun") a->setEnabled(false);
    }
};

// The frame's tests run the test window under each game's descriptor; by default that of
// the three-towers game.
class FrameTest : public testsupport::GameWindowTest {
  protected:
    FrameTest() : GameWindowTest("frmCrestal") {}

    static const GameDescriptor& game(const char* window) { return *FindGameByWindow(window); }
    std::unique_ptr<TestGameWindow> window(const char* name) {
        return open<TestGameWindow>(game(name));
    }
};
