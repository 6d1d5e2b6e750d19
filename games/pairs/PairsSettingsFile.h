#pragma once
// "Twindle.Ini": Twindle's settings file. Each value is checked on its own as it is read:
// one that is not a number, or that the custom-scoring dialog would not accept, leaves that
// setting at its default and the reading goes on. The time limit and card-back design go
// through the window's menu items, so check marks, pictures and the high-score label follow.

#include "frame/WindowSettings.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kPairsSettingsFile = "Twindle.Ini";
// ProgramFolder + "Twindle.Ini"
QString PairsSettingsPath();
// The window's outer size in twips that a maximised window stores (its minimum).
QSize PairsDesignSize();

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
    WindowGeometry window;
};

// The values written on a first run: the defaults and the window as it is.
PairsSettingsValues DefaultPairsSettings(const WindowGeometry& window);
// The values in force, written at the confirmed quit.
PairsSettingsValues CurrentPairsSettings(const WindowGeometry& window);
// A minimised window is stored as a normal one; a maximised one with the minimum size.
SettingsFile PairsSettingsBlocks(const PairsSettingsValues& values);
// Written whole through the program's file writer (a failure is reported, the old file kept).
bool WritePairsSettings(const PairsSettingsValues& values);

// The window's side of reading. A missing handler is skipped; the program-wide values are
// set by the reader itself.
struct PairsSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // an offered limit, else 45
    std::function<void(int design)> deckDesign; // 1 to 4, else 1
    std::function<void(bool on)> music;
    std::function<void(bool on)> sounds;
    // Adds the keys the window reads itself ("[State]", "[Width]", "[Height]").
    std::function<void(SettingsReader&)> windowBlocks;
};

// Applies settings text; a file without "[Time]" applies 45 through its item as well. Also
// the fuzzing entry.
void ApplyPairsSettingsText(const QByteArray& text, const PairsSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it; an
// unreadable file reads as an empty one.
void LoadPairsSettings(const WindowGeometry& window, const PairsSettingsHandlers& handlers);
