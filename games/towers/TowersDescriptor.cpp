// The three-towers game (Crestal!, window frmCrestal) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/towers/TowersRules.h"
#include "games/towers/TowersSettings.h"
#include "games/towers/frmCrestal.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .playItemShowsEndGame = false,
    // Play and Exit stay off through the "Game Over" wait of a game that ended by itself.
    .playBack = PlayBack::AfterGameOver,
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
    // The quit question holds the game like every other question.
    .quit = QuitStyle::Pausing,
    .datePanel = true,
    .settings = TowersSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = TowersSettingsTable();
    v.TimeLimit = t.defaultOf(kCrestalTime);
    v.BonusRoundScore = t.defaultOf(kCrestalBonusScore);
    v.CardBonus = t.defaultOf(kCrestalCardBonus);
    v.HighRunBonus = t.defaultOf(kCrestalHighRunBonus);
    v.TowerBonus = t.defaultOf(kCrestalTowerBonus);
    v.TimeBonus = t.defaultOf(kCrestalTimeBonus);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 7,
    .button = "cmdCrestal",
    .caption = "&Crestal",
    .title = "Crestal!",
    .window = "frmCrestal",
    .profile = &kProfile,
    .createWindow = [] { return new frmCrestal; },
    .tableName = "Crestal Hi Score Table ",
    .defaultTop = "30000",
    .highScoreCaption = "Current High Score: ",
    .defaultTime = TowersSettingsTable().defaultOf(kCrestalTime),
    .mailMinimum = 90000,
    .rulesParagraphs = TowersRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
