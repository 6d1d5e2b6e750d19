#pragma once
// "Eights.Ini": the wild-eights game's settings file. What reads well is applied as it is
// read; a value that does not is passed over and its default stays. The time limit and the
// card-back design go through the window's menu handlers, so check marks and pictures follow.

#include "services/SettingsFile.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kEightsSettingsFile = "Eights.Ini";
// ProgramFolder + "Eights.Ini"
QString EightsSettingsPath();

// Window states as the file stores them.
enum EightsWindowState { EightsNormal = 0, EightsMinimised = 1, EightsMaximised = 2 };

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
    bool maximised = false;
    int width = 9540;
    int height = 7305;
};

// The values of the running program, with the window's state and outer size.
EightsSettingsValues CurrentEightsSettings(bool maximised, int width, int height);
SettingsFile EightsSettingsBlocks(const EightsSettingsValues& values);
// Written whole through the program's file writer (a failure is reported).
bool WriteEightsSettings(const EightsSettingsValues& values);

// The window's side of reading. A missing handler is skipped; the program-wide values are set
// by the reader itself.
struct EightsSettingsHandlers {
    // The time-limit item for these seconds, or the default item when none offers them; also
    // called with the default when the file names no time.
    std::function<void(int seconds)> timeLimit;
    // The card-back item for the stored number (1 Palm Tree, 2 Night Castle, 3 Magic Hands,
    // 4 Hot Cards), or the default; also called when the file names no design.
    std::function<void(int design)> deckDesign;
    std::function<void(bool on)> music;  // check mark only; the music is not started
    std::function<void(bool on)> sounds; // check mark
    std::function<void()> maximise;      // "[State]" 2; a minimised state opens normal
    std::function<bool()> isMaximised;   // sizes are not applied to a maximised window
    std::function<void(int twips)> width;
    std::function<void(int twips)> height;
};

// Applies settings text; also the fuzzing entry.
void ApplyEightsSettingsText(const QByteArray& text, const EightsSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it. False
// when nothing could be read (the defaults stay, the items are set to them).
bool LoadEightsSettings(const EightsSettingsHandlers& handlers);
