#include "games/combinations/CombinationsSettings.h"

#include "services/SharedState.h"

CombinationsSettings& CombinationsOptions() {
    static CombinationsSettings settings;
    return settings;
}

const SettingsTable& CombinationsSettingsTable() {
    SharedState& s = Shared();
    CombinationsSettings& o = CombinationsOptions();
    static const SettingsTable table(
        {
            SettingFlag(kBriskoSounds, s.SoundsOn, true),
            SettingChoice(kBriskoSpeed, o.TimerSpeed, 90, {90, 180, 360})
                .writtenWithBlank()
                .counts(),
            SettingFlag(kBriskoMusic, s.MusicOn, false),
            SettingNumber(kBriskoDeck, s.DeckDesign, 3, 1, 4).orOnBadValue(4), // Night Castle
            SettingNumber(kBriskoPasses, o.CardsToPass, 3, 0, 10).counts(),
            SettingNumber(kBriskoTwentyOne, o.TwentyOneBonusValue, 1000, 0, 5000),
            SettingNumber(kBriskoCardsUsed, o.CardsUsedBonusValue, 100, 0, 5000).counts(),
            SettingNumber(kBriskoFiveCards, o.FiveCardsBonusValue, 750, 0, 50000).counts(),
            SettingNumber(kBriskoCompletion, o.DeckCompletionBonus, 100000, 0, 1000000).counts(),
            SettingNumber(kBriskoWait, o.WaitPeriod, 2000, 0, 60000),
            SettingChoice(kBriskoTime, s.TimeLimit, 90, {15, 30, 60, 90, 120}),
            SettingNumber(kBriskoBonusRound, s.BonusRoundScore, 250000, 0, INT32_MAX).counts(),
            SettingFlag(kBriskoCountDown, s.CountDownScore, true),
            WindowBlocks(),
        },
        QSize(9060, 7155), QStringLiteral("Brisko.Ini"), true);
    return table;
}

void ResetCombinationsDefaults() {
    SharedState& s = Shared();
    CombinationsSettingsTable().resetDefaults();
    s.CustomScoring = false;
}
