#include "games/towers/TowersSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

TowersSettings& TowersOptions() {
    static TowersSettings settings;
    return settings;
}

void ResetTowersLoadDefaults() {
    SharedState& s = Shared();
    s.TimeLimit = TowersDefaults::TimeLimit;
    s.BonusRoundScore = TowersDefaults::BonusRoundScore;
    s.SoundsOn = true;
    s.MusicOn = false;
    s.DeckDesign = TowersDefaults::DeckDesign;
    s.TimeBonus = TowersDefaults::TimeBonus;
    s.CountDownScore = true;
    s.GameAbandoned = false;
    s.CustomScoring = false;
    TowersSettings& o = TowersOptions();
    o = TowersSettings{};
}

bool TowersScoringIsCustom() {
    const SharedState& s = Shared();
    const TowersSettings& o = TowersOptions();
    return o.CardBonus != TowersDefaults::CardBonus ||
           s.BonusRoundScore != TowersDefaults::BonusRoundScore ||
           o.HighRunBonus != TowersDefaults::HighRunBonus ||
           o.TowerBonus != TowersDefaults::TowerBonus || s.TimeBonus != TowersDefaults::TimeBonus;
}

QString TowersBonusRoundStatus() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for Bonus Round!   ");
}

QString TowersCustomBonusStatus() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}

QString HighRunCaption(int highRun) {
    return QStringLiteral("Highest Run: ") + QString::number(highRun);
}
