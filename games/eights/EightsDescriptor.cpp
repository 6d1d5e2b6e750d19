// The wild-eights game (Wildrow!, window frmEights) as the collection knows it: its launcher entry,
// window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/eights/EightsRules.h"
#include "games/eights/EightsSettings.h"
#include "games/eights/frmEights.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .quitTip = "Closes Wildrow",
    .takeScoreButton = false,
    .takeScoreButtonShown = false,
    .takeScoreTip = "",
    .exitShortcut = "",
    .playQuestion = "You have a game in progress, are you sure you want to quit now?",
    .playMenuQuestion = "You have a game in progress, are you sure you want to quit now?",
    .scoreLabel = "lblTotalScore",
    .messagePlace = MessagePlace::Raised,
    .view = {"mnuViewHighScores", "&View High Scores...", "Ctrl+V"},
    .clear = {"mnuClearHighScores", "&Clear High Scores", "Ctrl+C"},
    .musicCaption = "Play &Music  (plays during game)",
    .soundsCheckedAtDesign = true,
    .timeMenuCaption = "Time Limit",
    .timeItems = {{60, "&60 Seconds"},
                  {75, "&75 Seconds"},
                  {90, "&90 Seconds  (default)"},
                  {105, "&105 Seconds"},
                  {120, "1&20 Seconds"}},
    .timeItemSetsTimeLabel = true,
    .deckMenuCaption = "Deck",
    .designNumbers = {1, 3, 2, 4},
    .deckItemOrder = {PalmTree, NightCastle, MagicHands, HotCards},
    .stockControl = "DeckCards",
    .viewPause = PauseAround::Button,
    .clearPause = PauseAround::Button,
    .viewCreatesTable = true,
    .quit = QuitStyle::Pausing,
    .welcomeBlanks = "   ",
    .settings = EightsSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = EightsSettingsTable();
    v.TimeLimit = t.defaultOf(kEightsTime);
    v.BonusScore = t.defaultOf(kEightsBonusScore);
    v.EightsCompleteBonus = t.defaultOf(kEightsCompleteBonus);
    v.TimeBonus = t.defaultOf(kEightsTimeBonus);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 1,
    .button = "cmdEights",
    .caption = "&Wildrow",
    .title = "Wildrow!",
    .window = "frmEights",
    .profile = &kProfile,
    .createWindow = [] { return new frmEights; },
    .tableName = "Eights Hi Score Table ",
    .defaultTime = EightsSettingsTable().defaultOf(kEightsTime),
    .mailMinimum = 13000000,
    .rulesParagraphs = EightsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
