#pragma once
// The wild-eights game's scoring values and options. The bonus-round score, the time bonus,
// the count-down switch and the custom-scoring mark live in Shared(), where the frame, the
// high-score table and the rules text read them; the deck-completion bonus is this game's own.

#include <QString>
#include <cstdint>

namespace EightsDefaults {
constexpr int32_t BonusScore = 5000000;
constexpr int32_t EightsCompleteBonus = 50000;
constexpr int32_t TimeBonus = 100;
constexpr bool CountDownScore = true;
constexpr int TimeLimit = 90;
constexpr int DeckDesign = 1;
constexpr bool SoundsOn = true;
constexpr bool MusicOn = false;
// The window's design size, outer, in twips.
constexpr int Width = 9540;
constexpr int Height = 7305;

// What the custom-scoring dialog accepts; the settings reader holds to the same ranges.
constexpr int32_t MinBonusScore = 0;
constexpr int32_t MaxBonusScore = 100000000;
constexpr int32_t MinTimeBonus = 1;
constexpr int32_t MaxTimeBonus = 10000;
constexpr int32_t MinCompleteBonus = 0;
constexpr int32_t MaxCompleteBonus = 2000000;
} // namespace EightsDefaults

struct EightsSettings {
    int32_t EightsCompleteBonus = EightsDefaults::EightsCompleteBonus;
};
EightsSettings& EightsOptions();

// The window's load defaults before the settings file is read: no game, music off, sounds
// on, design 1, 90 seconds and the default scoring values.
void ResetEightsLoadDefaults();

// True when a scoring value differs from its default (the count-down switch takes no part).
bool EightsScoringIsCustom();

// "Make 5,000,000 for bonus round.  "
QString EightsBonusGoalText();
