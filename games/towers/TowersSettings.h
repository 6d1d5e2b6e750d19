#pragma once
// The three-towers game's own program-wide values: its scoring settings and the longest run
// ever made. The time bonus, the bonus-round score, the count-down switch and the
// custom-scoring mark live in Shared(), where the frame, the high-score and rules code read
// them.

#include <QString>
#include <cstdint>

namespace TowersDefaults {
constexpr int TimeLimit = 45;
constexpr int32_t CardBonus = 100;
constexpr int32_t BonusRoundScore = 40000;
constexpr int32_t TowerBonus = 5000;
constexpr int32_t HighRunBonus = 1000;
constexpr int32_t TimeBonus = 100;
constexpr int DeckDesign = 1;
// The longest run the field allows: every card of it.
constexpr int MaxHighRun = 28;
// What the custom-scoring dialog accepts (each from 0).
constexpr int32_t MaxCardBonus = 1000;
constexpr int32_t MaxBonusRoundScore = 900000;
constexpr int32_t MaxHighRunBonus = 32767;
constexpr int32_t MaxTowerBonus = 32767;
constexpr int32_t MaxTimeBonus = 32767;
} // namespace TowersDefaults

struct TowersSettings {
    // What each further card of a run adds to the card value. Held in 32 bits: a 28-card run
    // multiplies it by 28.
    int32_t CardBonus = TowersDefaults::CardBonus;
    int32_t TowerBonus = TowersDefaults::TowerBonus;     // per tower completed in the round
    int32_t HighRunBonus = TowersDefaults::HighRunBonus; // per card of a new high run
    int HighRun = 0; // the longest run ever made, kept in the settings file
};
TowersSettings& TowersOptions();

// The window's load defaults before the settings file is read (scoring values, switches,
// time limit, high run 0).
void ResetTowersLoadDefaults();
// True when a scoring value differs from its default; the count-down switch never counts.
bool TowersScoringIsCustom();

// "Make 40,000 for Bonus Round!   " (the deal's status text)
QString TowersBonusRoundStatus();
// "Make 40,000 for bonus round.  " (after the custom-scoring dialog)
QString TowersCustomBonusStatus();
// "Highest Run: 7"
QString HighRunCaption(int highRun);
