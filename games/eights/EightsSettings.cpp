#include "games/eights/EightsSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

EightsSettings& EightsOptions() {
    static EightsSettings settings;
    return settings;
}

const SettingsTable& EightsSettingsTable() {
    SharedState& s = Shared();
    static const SettingsTable table(
        {
            SettingFlag(kEightsSounds, s.SoundsOn, true),
            SettingFlag(kEightsMusic, s.MusicOn, false),
            SettingChoice(kEightsDeck, s.DeckDesign, 1, {1, 2, 3, 4}), // Palm Tree
            SettingNumber(kEightsBonusScore, s.BonusScore, 5000000, 0, 100000000).counts(),
            SettingNumber(kEightsCompleteBonus, EightsOptions().EightsCompleteBonus, 50000, 0,
                          2000000)
                .counts(),
            SettingNumber(kEightsTimeBonus, s.TimeBonus, 100, 1, 10000).counts(),
            SettingFlag(kEightsCountDown, s.CountDownScore, true).orOnBadValue(1),
            SettingChoice(kEightsTime, s.TimeLimit, 90, {60, 75, 90, 105, 120}),
            WindowBlock(kWidthKey),
            WindowBlock(kHeightKey),
        },
        QSize(9540, 7305), QStringLiteral("Eights.Ini"));
    return table;
}

void ResetEightsLoadDefaults() {
    Shared().GameInProgress = false;
    EightsSettingsTable().resetDefaults();
}

QString EightsBonusGoalText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusScore) +
           QStringLiteral(" for bonus round.  ");
}
