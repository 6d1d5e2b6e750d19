#include "games/towers/TowersSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

TowersSettings& TowersOptions() {
    static TowersSettings settings;
    return settings;
}

const SettingsTable& TowersSettingsTable() {
    SharedState& s = Shared();
    TowersSettings& o = TowersOptions();
    static const SettingsTable table(
        {
            SettingFlag(kCrestalMusic, s.MusicOn, false),
            SettingChoice(kCrestalTime, s.TimeLimit, 45, {30, 45, 60, 90}),
            SettingFlag(kCrestalSounds, s.SoundsOn, true),
            SettingNumber(kCrestalHiRun, o.HighRun, 0, 0, kMaxHighRun),
            SettingNumber(kCrestalCardBonus, o.CardBonus, 100, 0, 1000).counts(),
            SettingNumber(kCrestalBonusScore, s.BonusRoundScore, 40000, 0, 900000).counts(),
            SettingNumber(kCrestalTowerBonus, o.TowerBonus, 5000, 0, 32767).counts(),
            SettingNumber(kCrestalHighRunBonus, o.HighRunBonus, 1000, 0, 32767).counts(),
            SettingFlag(kCrestalCountDown, s.CountDownScore, true),
            SettingNumber(kCrestalTimeBonus, s.TimeBonus, 100, 0, 32767).counts(), WindowBlocks(),
            SettingChoice(kCrestalDeck, s.DeckDesign, 1, {1, 2, 3, 4}), // Palm Tree
        },
        QSize(9570, 7200), QStringLiteral("Crestal.Ini"));
    return table;
}

void ResetTowersLoadDefaults() {
    SharedState& s = Shared();
    TowersSettingsTable().resetDefaults();
    s.GameAbandoned = false;
    s.CustomScoring = false;
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
