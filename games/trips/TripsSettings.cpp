#include "games/trips/TripsSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

TripsSettings& TripsOptions() {
    static TripsSettings settings;
    return settings;
}

void ResetTripsLoadDefaults() {
    SharedState& s = Shared();
    s.TimeLimit = TripsDefaults::TimeLimit;
    s.SoundsOn = true;
    s.MusicOn = false;
    s.DeckDesign = TripsDefaults::DeckDesign;
    s.CountDownScore = true;
    s.TimeBonus = TripsDefaults::TimeBonus;
    s.BonusRoundScore = TripsDefaults::BonusRoundScore;
    s.CustomScoring = false;
    TripsOptions() = TripsSettings{};
}

bool TripsScoringIsCustom() {
    const SharedState& s = Shared();
    const TripsSettings& o = TripsOptions();
    return o.RunScore != TripsDefaults::RunScore || o.FlushScore != TripsDefaults::FlushScore ||
           s.BonusRoundScore != TripsDefaults::BonusRoundScore ||
           o.TripleScore != TripsDefaults::TripleScore || s.TimeBonus != TripsDefaults::TimeBonus ||
           o.DeckCompletionBonus != TripsDefaults::DeckCompletionBonus ||
           o.LeftOverPenalty != TripsDefaults::LeftOverPenalty;
}

QString TripsBonusRoundStatus() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for Bonus Round!   ");
}

QString TripsBonusTargetStatus() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}
