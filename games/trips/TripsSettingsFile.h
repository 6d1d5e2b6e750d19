#pragma once
// "Tressel.Ini": the trips-and-runs game's settings file. Each value is checked on its own as
// it is read: one that is no number or lies outside the range the custom-scoring dialog
// accepts keeps its default, and the rest still applies. The time limit, the card backs and
// the window go through the window's own handlers, so check marks and labels follow.

#include "services/SettingsFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kTripsSettingsFile = "Tressel.Ini";
// ProgramFolder + "Tressel.Ini"
QString TripsSettingsPath();

enum TripsWindowState { TripsNormal = 0, TripsMinimised = 1, TripsMaximised = 2 };
// The window's design size, which is also its smallest normal size (twips).
inline constexpr int kTripsDesignWidth = 9540;
inline constexpr int kTripsDesignHeight = 7305;

struct TripsWindowGeometry {
    int state = TripsNormal;
    int width = kTripsDesignWidth; // twips
    int height = kTripsDesignHeight;
};

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
    TripsWindowGeometry window;
};

// The values of the running program, written at the confirmed quit.
TripsSettingsValues CurrentTripsSettings(const TripsWindowGeometry& window);
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
    std::function<void(int state)> windowState; // normal or maximised
    std::function<int()> currentWindowState;    // sizes are skipped while maximised
    std::function<void(int twips)> width;
    std::function<void(int twips)> height;
};

// Applies settings text; also the fuzzing entry.
void ApplyTripsSettingsText(const QByteArray& text, const TripsSettingsHandlers& handlers);
// Window load: writes the defaults (with the window as it is) when the file is missing, then
// reads it. False when nothing could be read.
bool LoadTripsSettings(const TripsWindowGeometry& window, const TripsSettingsHandlers& handlers);
