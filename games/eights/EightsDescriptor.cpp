// The wild-eights game (Wildrow!, window frmEights) as the collection knows it: its launcher entry,
// window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/eights/EightsRules.h"
#include "services/GameRegistry.h"

namespace {

constexpr int kTimeLimit = 90; // seconds per round in a fresh settings file

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
};

void rulesDefaults(RulesValues& v) {
    v.TimeLimit = kTimeLimit;
    v.BonusScore = 5000000;
    v.EightsCompleteBonus = 50000;
    v.TimeBonus = 100;
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 1,
    .button = "cmdEights",
    .caption = "&Wildrow",
    .title = "Wildrow!",
    .window = "frmEights",
    .profile = &kProfile,
    .createWindow = {}, // not built yet: the launcher button stays disabled
    .tableName = "Eights Hi Score Table ",
    .defaultTime = kTimeLimit,
    .mailMinimum = 13000000,
    .rulesParagraphs = EightsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
