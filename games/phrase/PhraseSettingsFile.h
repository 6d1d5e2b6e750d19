#pragma once
// "Glyphon.Ini": the phrase game's settings file. Every key is read on its own: a value that
// reads well and lies in the range the game offers applies, anything else leaves that
// setting at its default. The time limit and the topic go through the window's menu items,
// so their check marks and the high-score label always show.

#include "frame/WindowSettings.h"
#include "services/SettingsFile.h"

#include <QString>
#include <cstdint>
#include <functional>

inline constexpr const char* kPhraseSettingsFile = "Glyphon.Ini";
// ProgramFolder + "Glyphon.Ini"
QString PhraseSettingsPath();

inline constexpr int kPhraseDesignWidth = 9570; // twips
inline constexpr int kPhraseDesignHeight = 7200;
inline constexpr QSize kPhraseDesignSize{kPhraseDesignWidth, kPhraseDesignHeight};

// Everything the writer stores, in its order.
struct PhraseSettingsValues {
    bool playMusic = false;
    int timeLimit = 45;
    bool playSounds = true;
    bool countDownScore = true;
    int topic = 0;
    int32_t timeBonus = 100;
    int32_t bonusRoundScore = 250000;
    int32_t completionBonus = 10000;
    int32_t guessBonus = 3000;
    int guessCount = 8;
    int showPhraseTime = 5000;
    WindowGeometry window{WindowNormal, kPhraseDesignWidth, kPhraseDesignHeight};
};

// The defaults with the given window and topic (a first run).
PhraseSettingsValues DefaultPhraseSettings(const WindowGeometry& window, int topic);
// The running program's values (the confirmed quit).
PhraseSettingsValues CurrentPhraseSettings(const WindowGeometry& window);
SettingsFile PhraseSettingsBlocks(const PhraseSettingsValues& values);
// Written whole through the program's file writer (a failure is reported).
bool WritePhraseSettings(const PhraseSettingsValues& values);

// The window's side of reading. A missing handler is skipped.
struct PhraseSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // mnu30 .. mnu120
    std::function<void(int topic)> topic;       // the topic items, by topic value 0 to 7
    std::function<void(bool on)> music;         // mnuMusic check mark
    std::function<void(bool on)> sounds;        // mnuSounds check mark
    QWidget* window = nullptr;                  // takes "[State]", "[Width]" and "[Height]"
};

// Applies settings text (also the fuzzing entry). A time limit or topic that is missing or
// not offered selects the default time item and the item of the topic in force.
void ApplyPhraseSettingsText(const QByteArray& text, const PhraseSettingsHandlers& handlers);
// Window load: writes the defaults when the file is missing (quietly), then reads it.
bool LoadPhraseSettings(const WindowGeometry& window, const PhraseSettingsHandlers& handlers);
