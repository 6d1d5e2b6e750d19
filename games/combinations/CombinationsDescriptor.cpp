// The twenty-one combinations game (Brisko!, window frmBrisko) as the collection knows it: its
// launcher entry, window profile, high-score table, settings defaults, e-mail minimum and rules
// text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/combinations/CombinationsRules.h"
#include "services/GameRegistry.h"

namespace {

constexpr int kTimeLimit = 90; // seconds per round in a fresh settings file

const GameProfile kProfile{
    .quitTip = "Closes Brisko ",
    .pauseCaption = "P&ause",
    .pauseTip = "Pauses the game in progress",
    .takeScoreButtonShown = false,
    .takeScoreTip = "Totals score for current round",
    .playQuestion = "You have a game in progress. Are you sure you want to quit?",
    .playMenuQuestion = "You have a game in progress. Are you sure you want to quit?",
    .stateLabel = "ScoringLabelInfo",
    .messageLabel = "ScoringLabelInfo",
    .scoreLabel = "lblTotalScore",
    .hasScoringLabel = false,
    .hasScoringOutline = true,
    .optionsLayout = {"view", "clear", "|", "music", "sounds", "|", "custom", "deck", "time"},
    .view = {"mnuViewHighScores", "&View High Scores...", "Ctrl+V"},
    .custom = {"mnuUserOptions", "&User Options...", "Ctrl+U"},
    .rules = {"mnuRules", "&Rules...", "Ctrl+R"},
    .timeMenu = "mnuTimeLimit",
    .timeMenuCaption = "&Time limit",
    .timeItems = {{15, "&15 Seconds (for the daring)"},
                  {30, "&30 Seconds"},
                  {60, "&60 Seconds"},
                  {90, "&90 Seconds (default)"},
                  {120, "&120 Seconds"}},
    .deckMenuCaption = "&Deck",
    .designNumbers = {4, 2, 3, 1},
    .loadDeckDesign = 0,
    .refreshPlayCard = true,
    .clearPause = PauseAround::None,
    .rulesPause = PauseAround::None,
    .aboutPause = PauseAround::Flag,
    .quit = QuitStyle::Pausing,
    .statusClockTimer = "Timer6",
    .welcomeBlanks = "!      ",
    .datePanel = true,
};

void rulesDefaults(RulesValues& v) {
    v.TimeLimit = kTimeLimit;
    v.BonusRoundScore = 250000;
    v.TwentyOneBonusValue = 1000;
    v.FiveCardsBonusValue = 750;
    v.DeckCompletionBonus = 100000;
    v.CardsUsedBonusValue = 100;
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 6,
    .button = "cmdBrisko",
    .caption = "&Brisko",
    .title = "Brisko!",
    .window = "frmBrisko",
    .profile = &kProfile,
    .createWindow = {}, // not built yet: the launcher button stays disabled
    .tableName = "Brisko Hi Score Table ",
    .defaultTime = kTimeLimit,
    .mailMinimum = 700000,
    .rulesParagraphs = CombinationsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
