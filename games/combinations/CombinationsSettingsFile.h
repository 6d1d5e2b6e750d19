#pragma once
// "Brisko.Ini": the twenty-one combinations game's settings file. Every value read is
// checked against what the game can take; one that cannot be taken gives its default and
// the rest of the file is read on. A counter speed the game does not offer is the one value
// the player is told about.

#include "services/SettingsValues.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

inline constexpr const char* kCombinationsSettingsFile = "Brisko.Ini";
// ProgramFolder + "Brisko.Ini"
QString CombinationsSettingsPath();

// Shown (no icon, the program's own title) for each counter speed that was reset.
inline const QString kTimerSpeedMessage =
    QStringLiteral("Someone has been monkeying around with the INI file...tsk tsk! Timer speed "
                   "is set to default!");

// The window's design size in twips, written in place of the size of a maximised window.
constexpr int kCombinationsWidth = 9060;
constexpr int kCombinationsHeight = 7155;

struct CombinationsSettingsValues {
    int timerSpeed = 90;
    bool playSounds = true;
    bool playMusic = false;
    int deckDesign = 3;
    int cardsToPass = 3;
    int32_t twentyOneBonusValue = 1000;
    int32_t cardsUsedBonusValue = 100;
    int32_t fiveCardsBonusValue = 750;
    int32_t deckCompletionBonus = 100000;
    int32_t waitPeriod = 2000;
    int timeLimit = 90;
    int32_t bonusRoundScore = 250000;
    bool countDownScore = true;
    StoredWindow window;
    // Counter speeds read that the game does not offer (each reset to 90).
    int timerSpeedResets = 0;
};

// The values in force, with the window given.
CombinationsSettingsValues CurrentCombinationsSettings(int windowState, int width, int height);
// The file's text: the blocks in their fixed order, then one more empty line.
QByteArray CombinationsSettingsText(const CombinationsSettingsValues& values);

// Reads settings text over the defaults; also the fuzzing entry. Every returned value is one
// the game can take: a speed of 90, 180 or 360, a time limit the menu offers, a design 1 to
// 4, and each scoring value within the custom-scoring dialog's range.
CombinationsSettingsValues ReadCombinationsSettingsText(const QByteArray& text);
// Puts the values into Shared() and CombinationsOptions() (the time limit and the card backs
// go through the window's items).
void ApplyCombinationsSettings(const CombinationsSettingsValues& values);

// Window load: a missing file is first written with the defaults (quietly), then read.
std::optional<CombinationsSettingsValues> LoadCombinationsSettings();
// The confirmed quit: written whole (a failure is reported, the old file kept).
bool WriteCombinationsSettings(const CombinationsSettingsValues& values);
