#pragma once
// "Quintel.Ini": the five-column game's settings file. Every value read is checked against
// what the game can take, and one that cannot be taken gives its default; the rest of the
// file is read on. The window applies the time limit, the card backs and its own state and
// size through its menu items and geometry.

#include "services/SettingsValues.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

inline constexpr const char* kFiveColumnSettingsFile = "Quintel.Ini";
// ProgramFolder + "Quintel.Ini"
QString FiveColumnSettingsPath();

// The window's design size in twips, written in place of the size of a maximised window.
constexpr int kFiveColumnWidth = 9540;
constexpr int kFiveColumnHeight = 7305;

struct FiveColumnSettingsValues {
    int timeLimit = 60;
    bool playSounds = true;
    bool playMusic = false;
    int deckDesign = 4;
    int timeBonusMax = 300;
    int timeBonusMin = 100;
    int32_t bonusScore = 200000;
    int32_t waitPeriod = 2000;
    bool countDownScore = true;
    int cardsToPass = 1;
    StoredWindow window;
};

// The values in force: Shared() and FiveColumnOptions(), with the window given.
FiveColumnSettingsValues CurrentFiveColumnSettings(int windowState, int width, int height);
// The file's text: the blocks in their fixed order, then one more empty line.
QByteArray FiveColumnSettingsText(const FiveColumnSettingsValues& values);

// Reads settings text over the defaults; also the fuzzing entry. Every returned value is one
// the game can take: a time limit the menu offers, a design 1 to 4, a time bonus from 1 to
// 10000 whose maximum is above its minimum, a wait of 0 to 60000 ms, 0 to 10 passes.
FiveColumnSettingsValues ReadFiveColumnSettingsText(const QByteArray& text);
// Puts the scoring values and switches into Shared() and FiveColumnOptions() (the time limit
// and the card backs go through the window's items).
void ApplyFiveColumnSettings(const FiveColumnSettingsValues& values);

// Window load: a missing file is first written with the defaults and this window's size
// (quietly); then it is read. Nothing when it cannot be read.
std::optional<FiveColumnSettingsValues> LoadFiveColumnSettings();
// The confirmed quit: the file written whole (a failure is reported, the old file kept).
bool WriteFiveColumnSettings(const FiveColumnSettingsValues& values);
