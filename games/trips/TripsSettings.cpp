#include "games/trips/TripsSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

TripsSettings& TripsOptions() {
    static TripsSettings settings;
    return settings;
}

const SettingsTable& TripsSettingsTable() {
    SharedState& s = Shared();
    TripsSettings& o = TripsOptions();
    static const SettingsTable table(
        {
            SettingChoice(kTresselTime, s.TimeLimit, 120, {60, 75, 90, 105, 120, 135, 150, 180}),
            SettingFlag(kTresselSounds, s.SoundsOn, true),
            SettingFlag(kTresselMusic, s.MusicOn, false),
            SettingFlag(kTresselCountDown, s.CountDownScore, true),
            SettingChoice(kTresselDeck, s.DeckDesign, 1, {1, 2, 3, 4}), // Palm Tree
            SettingNumber(kTresselTimeBonus, s.TimeBonus, 200, 0, 5000).counts(),
            SettingNumber(kTresselBonusScore, s.BonusRoundScore, 100000, 0, 1000000).counts(),
            SettingNumber(kTresselTrips, o.TripleScore, 6000, 0, 20000).counts(),
            SettingNumber(kTresselRuns, o.RunScore, 300, 0, 20000).counts(),
            SettingNumber(kTresselFlush, o.FlushScore, 5000, 0, 20000).counts(),
            SettingNumber(kTresselDeckCompletion, o.DeckCompletionBonus, 15000, 0, 100000).counts(),
            SettingNumber(kTresselLeftOver, o.LeftOverPenalty, 250, 0, 20000).counts(),
            WindowBlocks(),
        },
        QSize(kTripsDesignWidth, kTripsDesignHeight), QStringLiteral("Tressel.Ini"));
    return table;
}

void ResetTripsLoadDefaults() {
    TripsSettingsTable().resetDefaults();
    Shared().CustomScoring = false;
}

QString TripsBonusRoundStatus() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for Bonus Round!   ");
}

QString TripsBonusTargetStatus() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}
