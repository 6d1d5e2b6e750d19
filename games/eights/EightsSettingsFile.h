#pragma once
// "Eights.Ini": the wild-eights game's settings file. What reads well is applied as it is
// read; a value that does not leaves its default. The time limit and the card-back design go
// through the window's menu handlers, so check marks and pictures follow.

#include "frame/WindowSettings.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kEightsSettingsFile = "Eights.Ini";
// ProgramFolder + "Eights.Ini"
QString EightsSettingsPath();

// Everything the writer stores, in the file's order.
struct EightsSettingsValues {
    bool playSounds = true;
    bool playMusic = false;
    int deckDesign = 1;
    int32_t bonusScore = 5000000;
    int32_t completeBonus = 50000;
    int32_t timeBonus = 100;
    bool countDown = true;
    int timeLimit = 90;
    // The window's outer size in twips; a maximised window stores its design size.
    WindowGeometry window{WindowNormal, 9540, 7305};
};

// The values of the running program, with the window as it is.
EightsSettingsValues CurrentEightsSettings(const WindowGeometry& window);
SettingsFile EightsSettingsBlocks(const EightsSettingsValues& values);
// Written whole through the program's file writer (a failure is reported).
bool WriteEightsSettings(const EightsSettingsValues& values);

// The window's side of reading; the program-wide values are set by the reader itself.
struct EightsSettingsHandlers {
    // The time-limit item for the stored seconds (the default item when none offers them).
    std::function<void(int seconds)> timeLimit;
    // The card-back item for the stored number: 1 Palm Tree, 2 Night Castle, 3 Magic Hands,
    // 4 Hot Cards (the default when it is none of them).
    std::function<void(int design)> deckDesign;
    std::function<void(bool on)> music;  // check mark only; the music is not started
    std::function<void(bool on)> sounds; // check mark
};

// Every key of the file but the window's size, which the window adds (ReadWindowBlocks).
SettingsReader EightsSettingsReader(const EightsSettingsHandlers& handlers);
