#pragma once
// "Quintel.Ini": the five-column game's settings file. Every value read is checked against
// what the game can take, and one that cannot be taken gives its default; the rest of the
// file is read on. The window adds its state and size and applies the time limit and the
// card backs through its menu items.

#include "frame/WindowSettings.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <cstdint>

inline constexpr const char* kFiveColumnSettingsFile = "Quintel.Ini";
// ProgramFolder + "Quintel.Ini"
QString FiveColumnSettingsPath();

// The window's design size in twips, stored in place of the size of a maximised window.
inline const QSize kFiveColumnDesignSize(9540, 7305);

struct FiveColumnSettingsValues {
    int32_t timeLimit = 60;
    bool playSounds = true;
    bool playMusic = false;
    int32_t deckDesign = 4;
    int32_t timeBonusMax = 300;
    int32_t timeBonusMin = 100;
    int32_t bonusScore = 200000;
    int32_t waitPeriod = 2000;
    bool countDownScore = true;
    int32_t cardsToPass = 1;
};

// The values in force: Shared() and FiveColumnOptions().
FiveColumnSettingsValues CurrentFiveColumnSettings();
// The whole file: the game's blocks in their fixed order, the window's, one more empty line.
SettingsFile FiveColumnSettingsBlocks(const FiveColumnSettingsValues& values,
                                      const WindowGeometry& window);

// Registers the game's keys: each value read lands in `values` when the game can take it (a
// time limit the menu offers, a design 1 to 4, a time bonus from 1 to 10000, a wait of 0 to
// 60000 ms, 0 to 10 passes), else its default.
SettingsReader& AddFiveColumnKeys(SettingsReader& reader, FiveColumnSettingsValues& values);
// After reading: a time bonus whose maximum is not above its minimum would not fall, so both
// take their defaults.
void CheckTimeBonusEnds(FiveColumnSettingsValues& values);
// Reads settings text over the defaults; also the fuzzing entry.
FiveColumnSettingsValues ReadFiveColumnSettingsText(const QByteArray& text);
// Puts the scoring values and switches into Shared() and FiveColumnOptions() (the time limit
// and the card backs go through the window's items).
void ApplyFiveColumnSettings(const FiveColumnSettingsValues& values);
