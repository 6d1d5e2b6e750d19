// The phrase game (Glyphon!, window frmPhrase) as the collection knows it: its launcher entry,
// window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/phrase/PhraseRules.h"
#include "services/GameRegistry.h"

namespace {

constexpr int kTimeLimit = 45; // seconds per round in a fresh settings file

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
};

void rulesDefaults(RulesValues& v) {
    v.TimeLimit = kTimeLimit;
    v.BonusRoundScore = 250000;
    v.GuessCount = 8;
    v.GuessBonus = 3000;
    v.CompletionBonus = 10000;
    v.TimeBonus = 100;
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 8,
    .button = "cmdPhrase",
    .caption = "Gl&yphon",
    .title = "Glyphon!",
    .window = "frmPhrase",
    .profile = &kProfile,
    .createWindow = {}, // not built yet: the launcher button stays disabled
    .tableName = "Glyphon Hi Score Table ",
    .defaultTop = "30000",
    .defaultTime = kTimeLimit,
    .mailMinimum = 430000,
    .rulesHeadingBlanks = 31,
    .rulesRequirementGap = " ",
    .rulesParagraphs = PhraseRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
