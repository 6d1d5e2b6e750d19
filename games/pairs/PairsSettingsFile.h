#pragma once
// "Twindle.Ini": Twindle's settings file. Each value is checked on its own as it is read:
// one that is not a number, or that the custom-scoring dialog would not accept, leaves that
// setting at its default and the reading goes on. The time limit and card-back design go
// through the window's menu items, so check marks, pictures and the high-score label follow.

#include "services/SettingsFile.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kPairsSettingsFile = "Twindle.Ini";
// ProgramFolder + "Twindle.Ini"
QString PairsSettingsPath();

enum PairsWindowState { PairsWindowNormal = 0, PairsWindowMinimised = 1, PairsWindowMaximised = 2 };

// The window's state and outer size in twips.
struct PairsWindowGeometry {
    int state = PairsWindowNormal;
    int width = 9570;
    int height = 7200;
};

struct PairsSettingsValues {
    int timeLimit = 45;
    bool playSounds = true;
    bool playMusic = false;
    int deckDesign = 1;
    int32_t pairsBonus = 3000;
    int32_t runsBonus = 500;
    int32_t timeBonus = 100;
    int32_t bonusRoundScore = 80000;
    int32_t completionBonus = 10000;
    bool countDown = true;
    PairsWindowGeometry window;
};

// The values written on a first run: the defaults and the window as it is.
PairsSettingsValues DefaultPairsSettings(const PairsWindowGeometry& window);
// The values in force, written at the confirmed quit.
PairsSettingsValues CurrentPairsSettings(const PairsWindowGeometry& window);
// A minimised window is stored as a normal one; a maximised one with the minimum size.
SettingsFile PairsSettingsBlocks(const PairsSettingsValues& values);
// Written whole through the program's file writer (a failure is reported, the old file kept).
bool WritePairsSettings(const PairsSettingsValues& values);

// The window's side of reading. A missing handler is skipped; the program-wide values are
// set by the reader itself.
struct PairsSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // the stored limit, 0 when not a number
    std::function<void(int design)> deckDesign; // the stored design, 0 when not a number
    std::function<void(bool on)> music;
    std::function<void(bool on)> sounds;
    std::function<void(int state)> windowState; // normal or maximised
    std::function<int()> currentWindowState;
    std::function<void(int twips)> width;
    std::function<void(int twips)> height;
};

// Applies settings text; a file without "[Time]" applies the default limit through its
// item. Also the fuzzing entry.
void ApplyPairsSettingsText(const QByteArray& text, const PairsSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it. An
// unreadable file applies the default limit as an empty one would.
void LoadPairsSettings(const PairsWindowGeometry& window, const PairsSettingsHandlers& handlers);
