// The pairs-and-runs game (Twindle!, window frmTwindle) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/pairs/PairsRules.h"
#include "services/GameRegistry.h"

namespace {

constexpr int kTimeLimit = 45; // seconds per round in a fresh settings file

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
    .datePanel = true,
};

void rulesDefaults(RulesValues& v) {
    v.TimeLimit = kTimeLimit;
    v.BonusRoundScore = 80000;
    v.PairsBonus = 3000;
    v.RunsBonus = 500;
    v.CompletionBonus = 10000;
    v.TimeBonus = 100;
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 4,
    .button = "cmdTwindle",
    .caption = "Twi&ndle",
    .title = "Twindle!",
    .window = "frmTwindle",
    .profile = &kProfile,
    .createWindow = {}, // not built yet: the launcher button stays disabled
    .tableName = "Twindle Hi Score Table ",
    .defaultTop = "30000",
    .hallOfFameTop = "50000",
    .endGameTop = "50000",
    .defaultTime = kTimeLimit,
    .mailMinimum = 140000,
    .rulesParagraphs = PairsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
