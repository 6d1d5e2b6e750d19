// The three-towers game (Crestal!, window frmCrestal) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/towers/TowersRules.h"
#include "services/GameRegistry.h"

namespace {

constexpr int kTimeLimit = 45; // seconds per round in a fresh settings file

const GameProfile kProfile{
    .takeScoreItem = true,
    .gameMenu = "mnuGame",
    .gameMenuCaption = "&Game",
    .gameMenuLayout = {"play", "pause", "takescore", "|", "exit"},
    .optionsLayout = {"view", "clear", "clearhighrun", "|", "music", "sounds", "|", "custom",
                      "time", "deck"},
    .view = {"mnuViewHiScore", "&View High Scores...", "Ctrl+V"},
    .clear = {"mnuClearHighScores", "&Clear High Scores...", "Ctrl+C"},
    .timeItems = {{30, "&30 seconds"},
                  {45, "&45 seconds (default)"},
                  {60, "&60 seconds"},
                  {90, "&90 seconds "}},
    .refreshPlayCard = true,
    .refreshFieldCards = FieldRedraw::Always,
    .datePanel = true,
};

void rulesDefaults(RulesValues& v) {
    v.TimeLimit = kTimeLimit;
    v.BonusRoundScore = 40000;
    v.CardBonus = 100;
    v.HighRunBonus = 1000;
    v.TowerBonus = 5000;
    v.TimeBonus = 100;
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 7,
    .button = "cmdCrestal",
    .caption = "&Crestal",
    .title = "Crestal!",
    .window = "frmCrestal",
    .profile = &kProfile,
    .createWindow = {}, // not built yet: the launcher button stays disabled
    .tableName = "Crestal Hi Score Table ",
    .defaultTop = "30000",
    .highScoreCaption = "Current High Score: ",
    .defaultTime = kTimeLimit,
    .mailMinimum = 90000,
    .rulesParagraphs = TowersRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
