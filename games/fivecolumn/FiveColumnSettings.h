#pragma once
// The five-column game's own settings and the time bonus they make. The time limit, the
// bonus-round score, the count-down switch, the current time bonus and the custom mark live
// in Shared(), where the frame, the rules text and the high-score tables read them.

#include <cstdint>

namespace FiveColumnDefaults {
constexpr int TimeLimit = 60;
constexpr int TimeBonusMax = 300;
constexpr int TimeBonusMin = 100;
constexpr int32_t BonusScore = 200000;
constexpr int32_t WaitPeriod = 2000; // ms
constexpr bool CountDownScore = true;
constexpr int CardsToPass = 1;
constexpr int DeckDesign = 4; // Palm Tree in this game's numbering

// What the custom-scoring dialog accepts, and so what the settings file may set.
constexpr int MaxCardsToPass = 10;
constexpr int32_t MaxWaitPeriod = 60000; // ms
constexpr int TimeBonusLimit = 10000;    // both ends of the time bonus, 1 and up
} // namespace FiveColumnDefaults

struct FiveColumnSettings {
    int TimeBonusMax = FiveColumnDefaults::TimeBonusMax; // points per Card Total point at 0 s
    int TimeBonusMin = FiveColumnDefaults::TimeBonusMin; // ... at the time limit
    int32_t WaitPeriod = FiveColumnDefaults::WaitPeriod; // pause after round messages, ms
    int CardsToPass = FiveColumnDefaults::CardsToPass;   // passes allowed per round
};
FiveColumnSettings& FiveColumnOptions();

// Every setting at its default: the load's starting point before the file is read, so that
// nothing another game left in the shared values survives a missing key.
void ResetFiveColumnDefaults();

// The time bonus lost per second: the difference of the two ends over the time limit, in
// single precision (0 for a limit of 0 or less).
float TimeBonusStep(int timeBonusMax, int timeBonusMin, int timeLimit);
// The time bonus after `elapsed` seconds: max - elapsed x step, rounded half to even.
int32_t TimeBonusAt(int timeBonusMax, float step, int elapsed);
// The same from the settings in force.
float CurrentTimeBonusStep();
int32_t CurrentTimeBonus(int elapsed);

// True when a scoring value differs from its default (the wait and the count-down do not
// count).
bool FiveColumnScoringIsCustom();
