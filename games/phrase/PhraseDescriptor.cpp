// The phrase game (Glyphon!, window frmPhrase) as the collection knows it: its launcher entry,
// window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/phrase/PhraseRules.h"
#include "games/phrase/PhraseSettings.h"
#include "games/phrase/frmPhrase.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .takeScoreButton = false,
    .takeScoreButtonShown = false,
    .takeScoreTip = "",
    .amountPlace = AmountPlace::Kept,
    .gameMenuLayout = {"play", "pause", "solve", "|", "exit"},
    .optionsLayout = {"view", "clear", "|", "music", "sounds", "|", "custom", "time", "topic"},
    .timeItems = {{30, "&30 seconds"},
                  {45, "&45 seconds (default)"},
                  {60, "&60 seconds"},
                  {75, "&75 seconds"},
                  {90, "&90 seconds"},
                  {105, "&105 seconds"},
                  {120, "1&20 seconds"}},
    .hasCardBacks = false,
    .deckMenuCaption = nullptr,
    .settings = PhraseSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = PhraseSettingsTable();
    v.TimeLimit = t.defaultOf(kPhraseTime);
    v.BonusRoundScore = t.defaultOf(kPhraseBonusScore);
    v.GuessCount = t.defaultOf(kPhraseGuessCount);
    v.GuessBonus = t.defaultOf(kPhraseGuessBonus);
    v.CompletionBonus = t.defaultOf(kPhraseCompletion);
    v.TimeBonus = t.defaultOf(kPhraseTimeBonus);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 8,
    .button = "cmdPhrase",
    .caption = "Gl&yphon",
    .title = "Glyphon!",
    .window = "frmPhrase",
    .profile = &kProfile,
    .createWindow = [] { return new frmPhrase; },
    .tableName = "Glyphon Hi Score Table ",
    .defaultTop = "30000",
    .defaultTime = PhraseSettingsTable().defaultOf(kPhraseTime),
    .mailMinimum = 430000,
    .rulesHeadingBlanks = 31,
    .rulesRequirementGap = " ",
    .rulesParagraphs = PhraseRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
