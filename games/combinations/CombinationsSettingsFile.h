#pragma once
// "Brisko.Ini": the twenty-one combinations game's settings file. Every value read is
// checked against what the game can take; one that cannot be taken gives its default and
// the rest of the file is read on. A counter speed the game does not offer is the one value
// the player is told about. The window adds its state and size and applies the time limit
// and the card backs through its menu items.

#include "frame/WindowSettings.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <cstdint>

inline constexpr const char* kCombinationsSettingsFile = "Brisko.Ini";
// ProgramFolder + "Brisko.Ini"
QString CombinationsSettingsPath();

// Shown (no icon, the program's own title) for each counter speed that was reset.
inline const QString kTimerSpeedMessage =
    QStringLiteral("Someone has been monkeying around with the INI file...tsk tsk! Timer speed "
                   "is set to default!");

// The window's design size in twips, stored in place of the size of a maximised window.
inline const QSize kCombinationsDesignSize(9060, 7155);

struct CombinationsSettingsValues {
    int32_t timerSpeed = 90;
    bool playSounds = true;
    bool playMusic = false;
    int32_t deckDesign = 3;
    int32_t cardsToPass = 3;
    int32_t twentyOneBonusValue = 1000;
    int32_t cardsUsedBonusValue = 100;
    int32_t fiveCardsBonusValue = 750;
    int32_t deckCompletionBonus = 100000;
    int32_t waitPeriod = 2000;
    int32_t timeLimit = 90;
    int32_t bonusRoundScore = 250000;
    bool countDownScore = true;
    // Counter speeds read that the game does not offer (each reset to 90).
    int timerSpeedResets = 0;
};

// The values in force.
CombinationsSettingsValues CurrentCombinationsSettings();
// The whole file: the game's blocks in their fixed order, the window's, one more empty line.
SettingsFile CombinationsSettingsBlocks(const CombinationsSettingsValues& values,
                                        const WindowGeometry& window);
// Registers the game's keys: each value read lands in `values` when the game can take it (a
// speed of 90, 180 or 360, a time limit the menu offers, a design 1 to 4, each scoring value
// within the custom-scoring dialog's range), else its default.
SettingsReader& AddCombinationsKeys(SettingsReader& reader, CombinationsSettingsValues& values);
// Reads settings text over the defaults; also the fuzzing entry.
CombinationsSettingsValues ReadCombinationsSettingsText(const QByteArray& text);
// Puts the values into Shared() and CombinationsOptions() (the time limit and the card backs
// go through the window's items).
void ApplyCombinationsSettings(const CombinationsSettingsValues& values);
