// The pairs-and-runs game (Twindle!, window frmTwindle) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/pairs/PairsRules.h"
#include "games/pairs/PairsSettings.h"
#include "games/pairs/frmTwindle.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .takeScoreItem = true,
    .gameMenuLayout = {"play", "pause", "takescore", "|", "exit"},
    .timeItems = {{30, "&30 seconds"},
                  {45, "&45 seconds (default)"},
                  {60, "&60 seconds"},
                  {75, "&75 seconds"},
                  {90, "&90 seconds"},
                  {105, "&105 seconds"},
                  {120, "1&20 seconds"}},
    .stockControl = "CardStackPicture",
    .refreshPlayCard = true, // the stack keeps its height under a new card back
    .quit = QuitStyle::Pausing,
    .datePanel = true,
    .settings = PairsSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = PairsSettingsTable();
    v.TimeLimit = t.defaultOf(kTwindleTime);
    v.BonusRoundScore = t.defaultOf(kTwindleBonusScore);
    v.PairsBonus = t.defaultOf(kTwindlePairs);
    v.RunsBonus = t.defaultOf(kTwindleRuns);
    v.CompletionBonus = t.defaultOf(kTwindleCompletion);
    v.TimeBonus = t.defaultOf(kTwindleTimeBonus);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 4,
    .button = "cmdTwindle",
    .caption = "Twi&ndle",
    .title = "Twindle!",
    .window = "frmTwindle",
    .profile = &kProfile,
    .createWindow = [] { return new frmTwindle; },
    .tableName = "Twindle Hi Score Table ",
    .defaultTop = "30000",
    .hallOfFameTop = "50000",
    .endGameTop = "50000",
    .defaultTime = PairsSettingsTable().defaultOf(kTwindleTime),
    .mailMinimum = 140000,
    .rulesParagraphs = PairsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
