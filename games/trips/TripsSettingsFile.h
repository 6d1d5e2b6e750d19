#pragma once
// "Tressel.Ini": the trips-and-runs game's settings file. Each value is checked on its own as
// it is read: one that is no number or lies outside the range the custom-scoring dialog
// accepts keeps its default, and the rest still applies. The time limit, the card backs and
// the switches go through the window's own handlers, so check marks and labels follow; the
// window adds its "[State]", "[Width]" and "[Height]" blocks.

#include "frame/WindowSettings.h"
#include "services/SettingsFile.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kTripsSettingsFile = "Tressel.Ini";
// ProgramFolder + "Tressel.Ini"
QString TripsSettingsPath();

// The window's design size, which is also its smallest normal size (twips).
inline constexpr int kTripsDesignWidth = 9540;
inline constexpr int kTripsDesignHeight = 7305;
inline constexpr QSize kTripsDesignSize{kTripsDesignWidth, kTripsDesignHeight};

// Everything the writer stores, in the file's order.
struct TripsSettingsValues {
    int timeLimit = 120;
    bool playSounds = true;
    bool playMusic = false;
    bool countDownScore = true;
    int deckDesign = 1;
    int32_t timeBonus = 200;
    int32_t bonusScore = 100000;
    int32_t tripsScore = 6000;
    int32_t runsScore = 300;
    int32_t flushScore = 5000;
    int32_t deckCompletion = 15000;
    int32_t leftOverCards = 250;
    WindowGeometry window{WindowNormal, kTripsDesignWidth, kTripsDesignHeight};
};

// The values of the running program, written at the confirmed quit.
TripsSettingsValues CurrentTripsSettings(const WindowGeometry& window);
SettingsFile TripsSettingsBlocks(const TripsSettingsValues& values);
// Written whole through the program's file writer (a failure is reported, the old file
// stays whole).
bool WriteTripsSettings(const TripsSettingsValues& values);

// The window's side of reading; a missing handler is skipped. The program-wide values and
// TripsOptions() are set by the reader itself.
struct TripsSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // mnu60..mnu180
    std::function<void(int design)> deckDesign; // mnuPalm..mnuHot (1..4)
    std::function<void(bool on)> music;         // mnuMusic check mark
    std::function<void(bool on)> sounds;        // mnuSounds check mark
};

// The reader of the game's own keys; the window adds its blocks (ReadWindowBlocks).
SettingsReader TripsSettingsReader(const TripsSettingsHandlers& handlers);
