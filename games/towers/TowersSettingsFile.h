#pragma once
// "Crestal.Ini": the three-towers game's settings file and longest-run record. Each stored
// value is checked on its own as it is read: one that is no number or lies outside what the
// custom-scoring dialog accepts leaves that setting at its default and the reading goes on.
// The time limit and card-back design go through the window's menu handlers, so check
// marks and the high-score label follow.

#include "services/SettingsFile.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kTowersSettingsFile = "Crestal.Ini";
// ProgramFolder + "Crestal.Ini"
QString TowersSettingsPath();

// Window states as the file stores them.
enum TowersWindowState { TowersNormal = 0, TowersMinimised = 1, TowersMaximised = 2 };

// The window's state and outer size in twips.
struct TowersWindowGeometry {
    int state = TowersNormal;
    int width = 9570;
    int height = 7200;
};

// Everything the writer stores.
struct TowersSettingsValues {
    bool playMusic = false;
    int timeLimit = 45;
    bool playSounds = true;
    int highRun = 0;
    int32_t cardBonus = 100;
    int32_t bonusRoundScore = 40000;
    int32_t towerBonus = 5000;
    int32_t highRunBonus = 1000;
    bool countDownScore = true;
    int32_t timeBonus = 100;
    TowersWindowGeometry window;
    int deckDesign = 1;
};

// The values of a first run: the defaults with the window as it is.
TowersSettingsValues DefaultTowersSettings(const TowersWindowGeometry& window);
// The values of the running program, written at the confirmed quit.
TowersSettingsValues CurrentTowersSettings(const TowersWindowGeometry& window);
SettingsFile TowersSettingsBlocks(const TowersSettingsValues& values);
// Written whole through the program's file writer (a failure is reported, the old file kept).
bool WriteTowersSettings(const TowersSettingsValues& values);

// The window's side of reading. A missing handler is skipped; the program-wide values are set
// by the reader itself.
struct TowersSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // mnu30..mnu90, only for an offered limit
    std::function<void(int design)> deckDesign; // mnuPalm..mnuHot (1..4)
    std::function<void(bool on)> music;         // mnuMusic check mark
    std::function<void(bool on)> sounds;        // mnuSounds check mark
    std::function<void(int run)> highRun;       // lblHighRun
    std::function<void(int state)> windowState; // normal or maximised
    std::function<int()> currentWindowState;    // sizes are skipped while maximised
    std::function<void(int twips)> width;
    std::function<void(int twips)> height;
};

// Applies settings text; also the fuzzing entry.
void ApplyTowersSettingsText(const QByteArray& text, const TowersSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it. False
// when nothing could be read.
bool LoadTowersSettings(const TowersWindowGeometry& window, const TowersSettingsHandlers& handlers);
