#pragma once
// The poker grid game's scoring settings: the nine hand values and the overwrites per round
// are its own; the time limit, time bonus, bonus-round score, switches and card-back design
// live in Shared(), where the frame, the rules and the high-score code read them.

#include "games/pokergrid/PokerHands.h"

#include <QString>
#include <cstdint>

namespace PokerGridDefaults {
constexpr int TimeLimit = 75;
constexpr bool SoundsOn = true;
constexpr bool MusicOn = false;
constexpr bool CountDownScore = true;
constexpr int DeckDesign = 1;
constexpr int32_t TimeBonus = 1;
constexpr int32_t BonusRoundScore = 100000;
constexpr int OverWrites = 3;
inline const HandValues Hands{};
// The window's design size in twips, which is also its minimum.
constexpr int Width = 9540;
constexpr int Height = 7305;
} // namespace PokerGridDefaults

// What the custom-scoring dialog accepts, and so what a stored value may be.
namespace PokerGridLimits {
constexpr int32_t HandMax = 50000;
constexpr int32_t RoyalFlushMax = 100000;
constexpr int32_t BonusRoundMax = 1000000;
constexpr int32_t TimeBonusMax = 10;
constexpr int OverWritesMax = 26;
} // namespace PokerGridLimits

struct PokerGridSettings {
    HandValues hands;
    int OverWrites = PokerGridDefaults::OverWrites;
};
PokerGridSettings& PokerGridOptions();

// The window load's defaults before the settings file is read, shared values included.
void ResetPokerGridDefaults();
// CheckForCustom: a hand value, the time bonus, the bonus-round score or the overwrites
// differ from their defaults (counting up does not count).
bool PokerGridScoringIsCustom();

// "Make 100,000 for bonus round.  "
QString PokerGridBonusStatusText();
// "Click on cards to get the best Poker hand!   "
QString PokerGridPlayStatusText();
