#include "games/pairs/PairsSettings.h"

#include "games/pairs/PairsLayout.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

PairsSettings& PairsOptions() {
    static PairsSettings settings;
    return settings;
}

const SettingsTable& PairsSettingsTable() {
    SharedState& s = Shared();
    PairsSettings& o = PairsOptions();
    static const SettingsTable table(
        {
            SettingFlag(kTwindleMusic, s.MusicOn, false),
            SettingChoice(kTwindleTime, s.TimeLimit, 45, {30, 45, 60, 75, 90, 105, 120}),
            SettingFlag(kTwindleSounds, s.SoundsOn, true),
            SettingFlag(kTwindleMusic, s.MusicOn, false),
            SettingFlag(kTwindleCountDown, s.CountDownScore, true),
            SettingNumber(kTwindlePairs, o.PairsBonus, 3000, 0, 32767).counts(),
            SettingNumber(kTwindleRuns, o.RunsBonus, 500, 0, 32767).counts(),
            SettingNumber(kTwindleTimeBonus, s.TimeBonus, 100, 0, 32767).counts(),
            SettingNumber(kTwindleBonusScore, s.BonusRoundScore, 80000, 0, 200000).counts(),
            SettingNumber(kTwindleCompletion, o.CompletionBonus, 10000, 0, 32767).counts(),
            WindowBlocks(), SettingChoice(kTwindleDeck, s.DeckDesign, 1, {1, 2, 3, 4}), // Palm Tree
        },
        QSize(PairsDesign::MinWidth, PairsDesign::MinHeight), QStringLiteral("Twindle.Ini"));
    return table;
}

void ResetPairsLoadDefaults() {
    PairsSettingsTable().resetDefaults();
}

QString PairsHeading() {
    return QStringLiteral("Pairs x ") + QString::number(PairsOptions().PairsBonus);
}

QString RunsHeading() {
    return QStringLiteral("Runs x ") + QString::number(PairsOptions().RunsBonus);
}

QString PairsDealStatusText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for Bonus Round!   ");
}

QString PairsCustomStatusText() {
    return QStringLiteral("Make ") + FormatScore(Shared().BonusRoundScore) +
           QStringLiteral(" for bonus round.  ");
}
