#include "games/combinations/CombinationsSettings.h"

#include "services/SharedState.h"

CombinationsSettings& CombinationsOptions() {
    static CombinationsSettings settings;
    return settings;
}

void ResetCombinationsDefaults() {
    SharedState& s = Shared();
    CombinationsOptions() = CombinationsSettings{};
    s.TimeLimit = CombinationsDefaults::TimeLimit;
    s.BonusRoundScore = CombinationsDefaults::BonusRoundScore;
    s.CountDownScore = CombinationsDefaults::CountDownScore;
    s.MusicOn = false;
    s.CustomScoring = false;
}

bool CombinationsScoringIsCustom() {
    namespace d = CombinationsDefaults;
    const CombinationsSettings& o = CombinationsOptions();
    return o.CardsToPass != d::CardsToPass || o.CardsUsedBonusValue != d::CardsUsedBonusValue ||
           Shared().BonusRoundScore != d::BonusRoundScore ||
           o.DeckCompletionBonus != d::DeckCompletionBonus ||
           o.FiveCardsBonusValue != d::FiveCardsBonusValue || o.TimerSpeed != d::TimerSpeed;
}
