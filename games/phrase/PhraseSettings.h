#pragma once
// The phrase game's settings: the scoring values, the faces per round, how long a lost
// phrase stays on view, and the topic. The time limit, time bonus, bonus-round score,
// switches and the custom-scoring mark live in Shared(), where the frame and the high-score
// and rules code read them.

#include <cstdint>

namespace PhraseDefaults {
constexpr int TimeLimit = 45;
constexpr int32_t GuessBonus = 3000;
constexpr int32_t CompletionBonus = 10000;
constexpr int32_t TimeBonus = 100;
constexpr int GuessCount = 8;
constexpr int32_t BonusRoundScore = 250000;
constexpr int ShowPhraseTime = 5000; // ms

// What the custom-scoring dialog accepts; the settings reader keeps to the same ranges.
constexpr int32_t MaxGuessBonus = 50000;
constexpr int32_t MaxCompletionBonus = 100000;
constexpr int32_t MaxTimeBonus = 5000;
constexpr int MaxGuessCount = 8;
constexpr int32_t MaxBonusRoundScore = 1000000;
constexpr int MinShowPhraseTime = 1000;
constexpr int MaxShowPhraseTime = 30000;
} // namespace PhraseDefaults

struct PhraseSettings {
    int32_t GuessBonus = PhraseDefaults::GuessBonus;
    int32_t CompletionBonus = PhraseDefaults::CompletionBonus;
    int GuessCount = PhraseDefaults::GuessCount;
    int ShowPhraseTime = PhraseDefaults::ShowPhraseTime;
    // 0 = a topic drawn for every phrase, 1 to 7 a topic. Kept for the whole program run:
    // the window's load does not reset it.
    int Topic = 0;
};
PhraseSettings& PhraseOptions();

// The window's load defaults, before the settings file is read (the topic is kept).
void ResetPhraseLoadDefaults();
// The scoring defaults the dialog's Default button restores.
void RestorePhraseScoringDefaults();
// True when a scoring value differs from its default (the show time and the count-down
// switch do not count).
bool IsCustomScoring();
