#pragma once
// The trips-and-runs game's scoring values and their defaults. The time limit, the time
// bonus, the bonus-round score and the switches live in Shared(), where the frame, the
// high-score and the rules code read them; the values only this game uses live here.

#include <QString>
#include <cstdint>

namespace TripsDefaults {
constexpr int TimeLimit = 120;
constexpr int DeckDesign = 1;
constexpr int32_t TimeBonus = 200;
constexpr int32_t BonusRoundScore = 100000;
constexpr int32_t TripleScore = 6000;
constexpr int32_t RunScore = 300;
constexpr int32_t FlushScore = 5000;
constexpr int32_t DeckCompletionBonus = 15000;
constexpr int32_t LeftOverPenalty = 250; // per card, kept positive
} // namespace TripsDefaults

// The range each scoring value may take, in the dialog and in the settings file.
namespace TripsRanges {
constexpr int32_t MaxTriple = 20000;
constexpr int32_t MaxRun = 20000;
constexpr int32_t MaxDeckCompletion = 100000;
constexpr int32_t MaxFlush = 20000;
constexpr int32_t MaxTimeBonus = 5000;
constexpr int32_t MaxBonusRound = 1000000;
constexpr int32_t MaxLeftOverPenalty = 20000;
} // namespace TripsRanges

struct TripsSettings {
    int32_t TripleScore = TripsDefaults::TripleScore;
    int32_t RunScore = TripsDefaults::RunScore;
    int32_t FlushScore = TripsDefaults::FlushScore;
    int32_t DeckCompletionBonus = TripsDefaults::DeckCompletionBonus;
    int32_t LeftOverPenalty = TripsDefaults::LeftOverPenalty;
};
TripsSettings& TripsOptions();

// The window's load defaults, before the settings file is read: values another game left in
// the shared places never leak into this one.
void ResetTripsLoadDefaults();

// True when one of the seven scoring values differs from its default (the count-down switch
// takes no part).
bool TripsScoringIsCustom();

// Status panel 1 while a round runs: "Make 100,000 for Bonus Round!   "
QString TripsBonusRoundStatus();
// Status panel 1 after the custom-scoring dialog's OK: "Make 100,000 for bonus round.  "
QString TripsBonusTargetStatus();
