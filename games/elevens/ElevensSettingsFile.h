#pragma once
// "Sumbry.Ini": the elevens game's settings file. Stored values are checked and applied as
// they are read; the time limit, selection colour and card-back design go through the
// window's menu handlers, so check marks, captions and the high-score label follow.

#include "frame/WindowSettings.h"
#include "services/SettingsFile.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kElevensSettingsFile = "Sumbry.Ini";
// ProgramFolder + "Sumbry.Ini"
QString ElevensSettingsPath();

// Everything the writer stores, in its own order.
struct ElevensSettingsValues {
    int colour = 1;
    bool playMusic = false;
    int timeLimit = 90;
    bool drawTimer = true;
    bool playSounds = true;
    int cardGoal = 11;
    int32_t bonusRoundScore = 80000;
    int32_t completionBonus = 10000;
    int32_t elevensBonus = 1500;
    int32_t elevensBonusES = 1000;
    int32_t timeBonus = 100;
    int windowState = WindowNormal; // a minimised window is stored as normal
    bool enhancedScoring = true;
    int width = 9540; // twips
    int height = 7200;
    int deckDesign = 1;
};

// The window's state and outer size in twips.
using ElevensWindowGeometry = WindowGeometry;

// The values written on a first run (defaults, the window as it is, card-back design 1).
ElevensSettingsValues DefaultElevensSettings(const ElevensWindowGeometry& window);
// The values of the running program, written at the confirmed quit.
ElevensSettingsValues CurrentElevensSettings(const ElevensWindowGeometry& window);
SettingsFile ElevensSettingsBlocks(const ElevensSettingsValues& values);
// Written whole through the program's file writer (a failure is reported).
bool WriteElevensSettings(const ElevensSettingsValues& values);

// The window's side of reading: each handler is the window's own menu handler or setter.
// A missing handler is skipped; the program-wide values are set by the reader itself.
struct ElevensSettingsHandlers {
    std::function<void(int index)> selectionColour; // mnuYellow..mnuBlack (0..5)
    std::function<void(int seconds)> timeLimit;     // mnu30..mnu180
    std::function<void(int design)> deckDesign;     // mnuPalm..mnuHot (1..4)
    std::function<void(bool on)> music;             // mnuMusic check mark
    std::function<void(bool on)> sounds;            // mnuSounds check mark
    std::function<void(bool on)> drawTimer;         // mnuDrawTimer check mark
    std::function<void(int goal)> cardGoal;         // goal check marks and lblElevens
    std::function<void(int state)> windowState;     // normal or maximised
    std::function<int()> currentWindowState;        // for skipping sizes when maximised
    std::function<void(int twips)> width;
    std::function<void(int twips)> height;
};

// Applies settings text; also the fuzzing entry.
void ApplyElevensSettingsText(const QByteArray& text, const ElevensSettingsHandlers& handlers);
// Reads and applies a settings file; false when it cannot be read.
bool ReadElevensSettings(const QString& path, const ElevensSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it.
bool LoadElevensSettings(const ElevensWindowGeometry& window,
                         const ElevensSettingsHandlers& handlers);
