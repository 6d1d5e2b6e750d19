#pragma once
// A small game on the frame, played in virtual time, and the fixture the frame tests share.

#include "app/SharedState.h"
#include "frame/GameWindow.h"
#include "platform/Audio.h"
#include "platform/GameTimer.h"
#include "platform/ProgramTime.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class TestGameWindow : public GameWindow {
  public:
    explicit TestGameWindow(const GameProfile& profile) : GameWindow(profile) {
        Surface()->resize(150, 100); // 2250 x 1500 twips
        BuildMenus();
        LoadFrameDefaults();
    }

    std::vector<QString> calls;
    std::function<void()> onTakeScore;
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
    }
    void AbandonGame() override {
        calls.push_back("AbandonGame");
        if (abandonThroughEndGame) {
            Shared().GameAbandoned = true;
            EndGame(profile().endGameTable, profile().endGameTop);
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
        if (s.ElapsedSeconds >= s.TimeLimit) cmdTakeScore_Click();
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

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        Shared() = SharedState{};
        Shared().ProgramFolder = dir.path() + "/";
        Shared().GameTitle = "Crestal!";
        platform::ProgramTime::useVirtual(QDateTime(QDate(2024, 3, 1), QTime(9, 4, 30)));
        previousAudio = platform::SetAudioBackend(std::make_unique<platform::RecordingAudio>());
        audio = static_cast<platform::RecordingAudio*>(&platform::Audio());
    }
    void TearDown() override {
        platform::SetAudioBackend(std::move(previousAudio));
        platform::ProgramTime::takePauseLog();
        platform::ProgramTime::useReal();
        Shared() = SharedState{};
    }
    static const GameProfile& profile(const char* window) { return *FindGameProfile(window); }
    std::unique_ptr<TestGameWindow> window(const char* name) {
        auto w = std::make_unique<TestGameWindow>(profile(name));
        platform::ProgramTime::takePauseLog();
        return w;
    }
    static std::vector<int> pauses() { return platform::ProgramTime::takePauseLog(); }
    static std::vector<int> repeated(std::vector<int> head, int value, int times) {
        head.insert(head.end(), size_t(times), value);
        return head;
    }

    QTemporaryDir dir;
    std::unique_ptr<platform::AudioBackend> previousAudio;
    platform::RecordingAudio* audio = nullptr;
};
