#include "games/phrase/PhraseSettings.h"

#include "services/SharedState.h"

PhraseSettings& PhraseOptions() {
    static PhraseSettings settings;
    return settings;
}

const SettingsTable& PhraseSettingsTable() {
    static const SettingsTable table = [] {
        SharedState& s = Shared();
        PhraseSettings& o = PhraseOptions();
        const SettingRow topic =
            SettingChoice(kPhraseTopic, o.Topic, 0, {0, 1, 2, 3, 4, 5, 6, 7}).keepOnBadValue();
        return SettingsTable(
            {
                SettingFlag(kPhraseMusic, s.MusicOn, false),
                SettingChoice(kPhraseTime, s.TimeLimit, 45, {30, 45, 60, 75, 90, 105, 120})
                    .keepOnBadValue(),
                SettingFlag(kPhraseSounds, s.SoundsOn, true),
                SettingFlag(kPhraseCountDown, s.CountDownScore, true), topic,
                SettingNumber(kPhraseTimeBonus, s.TimeBonus, 100, 1, 5000).counts(),
                SettingNumber(kPhraseBonusScore, s.BonusRoundScore, 250000, 1, 1000000).counts(),
                SettingNumber(kPhraseCompletion, o.CompletionBonus, 10000, 1, 100000).counts(),
                SettingNumber(kPhraseGuessBonus, o.GuessBonus, 3000, 1, 50000).counts(),
                // More faces than the window has, or none, would leave no face to lose.
                SettingNumber(kPhraseGuessCount, o.GuessCount, 8, 1, 8).counts(),
                SettingNumber(kPhraseShowPhrase, o.ShowPhraseTime, 5000, 1000, 30000),
                WindowBlocks(),
                topic, // written again after the window blocks, read once
            },
            QSize(kPhraseDesignWidth, kPhraseDesignHeight), QStringLiteral("Glyphon.Ini"));
    }();
    return table;
}

void ResetPhraseLoadDefaults() {
    SharedState& s = Shared();
    PhraseSettings& o = PhraseOptions();
    const int topic = o.Topic;
    PhraseSettingsTable().resetDefaults();
    o.Topic = topic;
    s.DeckDesign = 1;
}
