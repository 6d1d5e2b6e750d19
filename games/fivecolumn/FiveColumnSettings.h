#pragma once
// The five-column game's settings: "Quintel.Ini" described once by its table (the reader,
// the writer, the defaults, the custom mark, the dialog's values and the rules text all
// come from it), and the time bonus they make. The time limit, the bonus-round score, the
// count-down switch, the current time bonus and the custom mark live in Shared(), where the
// frame, the rules text and the high-score tables read them.

#include "frame/SettingsTable.h"

#include <cstdint>

struct FiveColumnSettings {
    int32_t TimeBonusMax = 0; // points per Card Total point at 0 s
    int32_t TimeBonusMin = 0; // ... at the time limit
    int32_t WaitPeriod = 0;   // pause after round messages, ms
    int32_t CardsToPass = 0;  // passes allowed per round
};
FiveColumnSettings& FiveColumnOptions();

// The file's keys, as the dialog and the window name them.
inline const QString kQuintelTime = QStringLiteral("[Time]");
inline const QString kQuintelDeck = QStringLiteral("[Deck]");
inline const QString kQuintelMax = QStringLiteral("[TimeBonusMax]");
inline const QString kQuintelMin = QStringLiteral("[TimeBonusMin]");
inline const QString kQuintelBonus = QStringLiteral("[BonusScore]");
inline const QString kQuintelWait = QStringLiteral("[WaitPeriod]");
inline const QString kQuintelCountDown = QStringLiteral("[CountDownScore]");
inline const QString kQuintelPasses = QStringLiteral("[Cards To Pass]");

// "Quintel.Ini": the game's blocks in their fixed order, the window's, one more empty line.
// A value the game cannot take (a time limit the menu does not offer, a design outside 1 to
// 4, a time bonus outside 1 to 10000, a wait beyond 60000 ms, more than 10 passes) gives its
// default. The time bonus, the bonus score and the passes count toward the custom mark.
const SettingsTable& FiveColumnSettingsTable();

// Every setting at its default: the load's starting point before the file is read, so that
// nothing another game left in the shared values survives a missing key.
void ResetFiveColumnDefaults();
// After reading: a time bonus whose maximum is not above its minimum would not fall, so both
// take their defaults.
void CheckTimeBonusEnds();

// The time bonus lost per second: the difference of the two ends over the time limit, in
// single precision (0 for a limit of 0 or less).
float TimeBonusStep(int timeBonusMax, int timeBonusMin, int timeLimit);
// The time bonus after `elapsed` seconds: max - elapsed x step, rounded half to even.
int32_t TimeBonusAt(int timeBonusMax, float step, int elapsed);
// The same from the settings in force.
float CurrentTimeBonusStep();
int32_t CurrentTimeBonus(int elapsed);
