#include "games/eights/EightsSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

EightsSettings& EightsOptions() {
    static EightsSettings settings;
    return settings;
}

void ResetEightsLoadDefaults() {
    SharedState& s = Shared();
    s.GameInProgress = false;
    s.MusicOn = EightsDefaults::MusicOn;
    s.SoundsOn = EightsDefaults::SoundsOn;
    s.DeckDesign = EightsDefaults::DeckDesign;
    s.TimeLimit = EightsDefaults::TimeLimit;
    s.BonusScore = EightsDefaults::BonusScore;
    s.TimeBonus = EightsDefaults::TimeBonus;
    s.CountDownScore = EightsDefaults::CountDownScore;
    EightsOptions().EightsCompleteBonus = EightsDefaults::EightsCompleteBonus;
}

bool EightsScoringIsCustom() {
    const SharedState& s = Shared();
    return s.TimeBonus != EightsDefaults::TimeBonus ||
           EightsOptions().EightsCompleteBonus != EightsDefaults::EightsCompleteBonus ||
           s.BonusScore != EightsDefaults::BonusScore;
}

QString EightsBonusGoalText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusScore) +
           QStringLiteral(" for bonus round.  ");
}
