#pragma once
// Twindle's scoring values and their defaults and ranges. The pairs, runs and completion
// bonuses are the game's own; the time bonus, the bonus-round score and the count-down
// switch live in Shared(), where the frame's count-ups and the rules text read them.

#include <QString>
#include <cstdint>
#include <vector>

namespace PairsDefaults {
constexpr int TimeLimit = 45;
constexpr int DeckDesign = 1;
constexpr int32_t PairsBonus = 3000;
constexpr int32_t RunsBonus = 500;
constexpr int32_t TimeBonus = 100;
constexpr int32_t BonusRoundScore = 80000;
constexpr int32_t CompletionBonus = 10000;
constexpr int32_t MaxBonus = 32767; // pairs, runs, completion and time bonus
constexpr int32_t MaxBonusRoundScore = 200000;
} // namespace PairsDefaults

struct PairsSettings {
    int32_t PairsBonus = PairsDefaults::PairsBonus;
    int32_t RunsBonus = PairsDefaults::RunsBonus;
    int32_t CompletionBonus = PairsDefaults::CompletionBonus;
};
PairsSettings& PairsOptions();

// The window's load defaults before the settings file is read (the switches, time limit,
// card backs and every scoring value).
void ResetPairsLoadDefaults();
// True when a scoring value differs from its default; the count-down switch is not one.
bool PairsScoringIsCustom();

// One scoring value the custom-scoring dialog edits, in the dialog's order.
struct PairsScoringValue {
    const char* field; // "txtPairsBonus"
    int32_t* value;    // where it is stored
    int32_t defaultValue;
    int32_t maximum; // the range is 0 to this
    const char* belowMessage;
    const char* aboveMessage;
};
// Pairs, runs, bonus round, completion, time bonus.
std::vector<PairsScoringValue> PairsScoringValues();

// "Pairs x 3000", "Runs x 500"
QString PairsHeading();
QString RunsHeading();
// Status-bar panel 1 at a deal: "Make 80,000 for Bonus Round!   "
QString PairsDealStatusText();
// Status-bar panel 1 after the custom-scoring dialog: "Make 80,000 for bonus round.  "
QString PairsCustomStatusText();
