// The five-column game (Quintel!, window frmQuintel) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/fivecolumn/FiveColumnRules.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "games/fivecolumn/frmQuintel.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .quitButton = "cmdQuit",
    .quitTip = "Closes Quintel",
    .takeScoreButton = false,
    .takeScoreButtonShown = false,
    .takeScoreTip = "",
    .stateLabel = "ScoringLabel",
    .messageLabel = "ScoringLabel",
    .scoreLabel = "lblTotalScore",
    .ownLabels = {"ScoringLabelInfo"},
    .hasScoringLabel = false,
    .hasScoringOutline = true,
    .view = {"mnuViewHighScores", "&View High Scores...", "Ctrl+V"},
    .clear = {"mnuClearHighScores", "&Clear High Scores", "Ctrl+C"},
    .musicCaption = "Play &Music  (plays during game)",
    .soundsCheckedAtDesign = true,
    .timeMenuCaption = "&Time limit",
    .timeItems = {{15, "&15 Seconds"},
                  {30, "&30 Seconds"},
                  {45, "&45 Seconds"},
                  {60, "&60 Seconds (default)"},
                  {75, "&75 Seconds"}},
    .deckMenuCaption = "&Deck",
    .designNumbers = {4, 2, 3, 1},
    .deckItemOrder = {PalmTree, NightCastle, MagicHands, HotCards},
    .loadDeckDesign = 4, // Palm Tree
    .stockControl = "PlayCardPicture",
    .viewPause = PauseAround::Button,
    .clearPause = PauseAround::Button,
    .viewCreatesTable = true,
    .quit = QuitStyle::Pausing,
    .welcomeBlanks = "   ",
    .datePanel = true,
    .settings = FiveColumnSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = FiveColumnSettingsTable();
    v.TimeLimit = t.defaultOf(kQuintelTime);
    v.BonusScore = t.defaultOf(kQuintelBonus);
    v.TimeBonusMax = t.defaultOf(kQuintelMax);
    v.TimeBonusMin = t.defaultOf(kQuintelMin);
    v.TimeBonusStep = TimeBonusStep(v.TimeBonusMax, v.TimeBonusMin, v.TimeLimit);
    v.CardsToPass = t.defaultOf(kQuintelPasses);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 0,
    .button = "cmdQuintel",
    .caption = "&Quintel",
    .title = "Quintel!",
    .window = "frmQuintel",
    .profile = &kProfile,
    .createWindow = [] { return new frmQuintel; },
    .tableName = "Quintel Hi Score Table ",
    .defaultTime = FiveColumnSettingsTable().defaultOf(kQuintelTime),
    .mailMinimum = 600000,
    .rulesParagraphs = FiveColumnRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
