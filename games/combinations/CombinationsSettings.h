#pragma once
// The twenty-one combinations game's own settings. The time limit, the bonus-round score,
// the count-down switch and the custom mark live in Shared(), where the frame, the rules
// text and the high-score tables read them.

#include <cstdint>

namespace CombinationsDefaults {
constexpr int TimeLimit = 90;
constexpr int TimerSpeed = 90; // ms a step of the '21 Counter'
constexpr int CardsToPass = 3;
constexpr int32_t TwentyOneBonusValue = 1000;
constexpr int32_t CardsUsedBonusValue = 100;
constexpr int32_t FiveCardsBonusValue = 750;
constexpr int32_t DeckCompletionBonus = 100000;
constexpr int32_t WaitPeriod = 2000; // ms
constexpr int32_t BonusRoundScore = 250000;
constexpr bool CountDownScore = true;
constexpr int DeckDesign = 3; // Night Castle in this game's numbering
constexpr int32_t BustPenalty = 100;

// What the custom-scoring dialog accepts, and so what the settings file may set.
constexpr int MaxCardsToPass = 10;
constexpr int32_t MaxWaitPeriod = 60000; // ms
constexpr int32_t MaxCardsUsedBonus = 5000;
constexpr int32_t MaxTwentyOneBonus = 5000;
constexpr int32_t MaxDeckCompletionBonus = 1000000;
constexpr int32_t MaxFiveCardsBonus = 50000;
} // namespace CombinationsDefaults

// The '21 Counter' speeds the game offers, fastest first.
inline constexpr int kTimerSpeeds[] = {90, 180, 360};

struct CombinationsSettings {
    int TimerSpeed = CombinationsDefaults::TimerSpeed;
    int CardsToPass = CombinationsDefaults::CardsToPass;
    int32_t TwentyOneBonusValue = CombinationsDefaults::TwentyOneBonusValue; // a 21's step
    int32_t CardsUsedBonusValue = CombinationsDefaults::CardsUsedBonusValue; // per card used
    int32_t FiveCardsBonusValue = CombinationsDefaults::FiveCardsBonusValue; // per gimme
    int32_t DeckCompletionBonus = CombinationsDefaults::DeckCompletionBonus;
    int32_t WaitPeriod = CombinationsDefaults::WaitPeriod; // ms
};
CombinationsSettings& CombinationsOptions();

// Every setting at its default: the load's starting point before the file is read.
void ResetCombinationsDefaults();

// True when a scoring value differs from its default (the 21 bonus, the wait and the
// count-down do not count; the counter's speed does).
bool CombinationsScoringIsCustom();
