#pragma once
// "Crestal.Ini": the three-towers game's settings file and longest-run record. Each stored
// value is checked on its own as it is read: one that is no number or lies outside what the
// custom-scoring dialog accepts leaves that setting at its default and the reading goes on.
// The time limit and card-back design go through the window's menu handlers, so check
// marks and the high-score label follow.

#include "frame/WindowSettings.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kTowersSettingsFile = "Crestal.Ini";
// The window's design outer size in twips, stored for a maximised window.
inline constexpr QSize kTowersDesignSize(9570, 7200);
// ProgramFolder + "Crestal.Ini"
QString TowersSettingsPath();

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
    WindowGeometry window{WindowNormal, kTowersDesignSize.width(), kTowersDesignSize.height()};
    int deckDesign = 1;
};

// The values of a first run: the defaults with the window as it is.
TowersSettingsValues DefaultTowersSettings(const WindowGeometry& window);
// The values of the running program, written at the confirmed quit.
TowersSettingsValues CurrentTowersSettings(const WindowGeometry& window);
SettingsFile TowersSettingsBlocks(const TowersSettingsValues& values);

// The window's side of reading; the program-wide values are set by the reader itself.
struct TowersSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // mnu30..mnu90 (45 for a limit not offered)
    std::function<void(int design)> deckDesign; // mnuPalm..mnuHot (1..4)
    std::function<void(bool on)> music;         // flag and mnuMusic check mark
    std::function<void(bool on)> sounds;        // flag and mnuSounds check mark
    std::function<void(int run)> highRun;       // lblHighRun
};

// The game's keys (all but the window's three) on a reader.
SettingsReader& AddTowersKeys(SettingsReader& reader, const TowersSettingsHandlers& handlers);
