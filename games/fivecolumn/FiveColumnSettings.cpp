#include "games/fivecolumn/FiveColumnSettings.h"

#include "services/SharedState.h"

#include <cmath>

FiveColumnSettings& FiveColumnOptions() {
    static FiveColumnSettings settings;
    return settings;
}

void ResetFiveColumnDefaults() {
    SharedState& s = Shared();
    FiveColumnOptions() = FiveColumnSettings{};
    s.TimeLimit = FiveColumnDefaults::TimeLimit;
    s.BonusScore = FiveColumnDefaults::BonusScore;
    s.CountDownScore = FiveColumnDefaults::CountDownScore;
    s.TimeBonus = FiveColumnDefaults::TimeBonusMax;
    s.MusicOn = false;
    s.CustomScoring = false;
}

float TimeBonusStep(int timeBonusMax, int timeBonusMin, int timeLimit) {
    if (timeLimit <= 0) return 0.0f;
    return float(int16_t(timeBonusMax - timeBonusMin)) / float(timeLimit);
}

int32_t TimeBonusAt(int timeBonusMax, float step, int elapsed) {
    // The default rounding mode sends halves to the even neighbour.
    return int32_t(std::nearbyint(double(timeBonusMax) - double(elapsed) * double(step)));
}

float CurrentTimeBonusStep() {
    const FiveColumnSettings& o = FiveColumnOptions();
    return TimeBonusStep(o.TimeBonusMax, o.TimeBonusMin, Shared().TimeLimit);
}

int32_t CurrentTimeBonus(int elapsed) {
    return TimeBonusAt(FiveColumnOptions().TimeBonusMax, CurrentTimeBonusStep(), elapsed);
}

bool FiveColumnScoringIsCustom() {
    const FiveColumnSettings& o = FiveColumnOptions();
    return o.TimeBonusMin != FiveColumnDefaults::TimeBonusMin ||
           o.TimeBonusMax != FiveColumnDefaults::TimeBonusMax ||
           Shared().BonusScore != FiveColumnDefaults::BonusScore ||
           o.CardsToPass != FiveColumnDefaults::CardsToPass;
}
