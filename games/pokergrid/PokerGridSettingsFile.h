#pragma once
// "Marvane.Ini": the poker grid game's settings file. Every stored value is checked on its
// own as it is read: a value that is no number or lies outside what the custom-scoring
// dialog accepts keeps its default, and the rest still applies. The time limit and the
// card-back design go through the window's menu handlers, so check marks and the high-score
// label follow.

#include "services/SettingsFile.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kPokerGridSettingsFile = "Marvane.Ini";
// ProgramFolder + "Marvane.Ini"
QString PokerGridSettingsPath();

// Window states as the file stores them.
enum PokerGridWindowState {
    GridWindowNormal = 0,
    GridWindowMinimised = 1,
    GridWindowMaximised = 2
};

// The window's state and outer size in twips.
struct PokerGridWindowGeometry {
    int state = GridWindowNormal;
    int width = 9540;
    int height = 7305;
};

// The file's text for the values in force (Shared() and PokerGridOptions()). A maximised
// window records the size it comes back to; a minimised one is stored as normal.
SettingsFile PokerGridSettingsBlocks(const PokerGridWindowGeometry& window);
// The first-run text: every default, the window as designed.
SettingsFile DefaultPokerGridSettingsBlocks();
// Written whole through the program's file writer (a failure is reported, the old file
// stays whole).
bool WritePokerGridSettings(const PokerGridWindowGeometry& window);

// The window's side of reading. A missing handler is skipped; the program-wide values are
// set by the reader itself.
struct PokerGridSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // the time items; 0 when no "[Time]" was read
    std::function<void(int design)> deckDesign; // the card-back items; 0 when unreadable
    std::function<void(bool on)> music;         // mnuMusic check mark
    std::function<void(bool on)> sounds;        // mnuSounds check mark
    std::function<void(int state)> windowState; // normal or maximised
    std::function<int()> currentWindowState;    // for skipping sizes when maximised
    std::function<void(int twips)> width;
    std::function<void(int twips)> height;
};

// Applies settings text; also the fuzzing entry. The time handler is always called once at
// the end, with 0 when the text held no readable "[Time]", so the default item is checked.
void ApplyPokerGridSettingsText(const QByteArray& text, const PokerGridSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it. False
// when it could not be read (the defaults stay, the time handler still runs).
bool LoadPokerGridSettings(const PokerGridSettingsHandlers& handlers);
