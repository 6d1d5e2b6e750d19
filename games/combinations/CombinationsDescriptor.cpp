// The twenty-one combinations game (Brisko!, window frmBrisko) as the collection knows it: its
// launcher entry, window profile, high-score table, settings defaults, e-mail minimum and rules
// text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/combinations/CombinationsRules.h"
#include "games/combinations/CombinationsSettings.h"
#include "games/combinations/frmBrisko.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .quitTip = "Closes Brisko ",
    .playBack = PlayBack::AfterGameOver,
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
    .loadDeckDesign = 3, // Night Castle
    .refreshPlayCard = true,
    .clearPause = PauseAround::None,
    .rulesPause = PauseAround::None,
    .aboutPause = PauseAround::Flag,
    .quit = QuitStyle::Pausing,
    .statusClockTimer = "Timer6",
    .welcomeBlanks = "!      ",
    .datePanel = true,
    .statusPanelTwips = {1440, 3500, 2310, 2310},
    .settings = CombinationsSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = CombinationsSettingsTable();
    v.TimeLimit = t.defaultOf(kBriskoTime);
    v.BonusRoundScore = t.defaultOf(kBriskoBonusRound);
    v.TwentyOneBonusValue = t.defaultOf(kBriskoTwentyOne);
    v.FiveCardsBonusValue = t.defaultOf(kBriskoFiveCards);
    v.DeckCompletionBonus = t.defaultOf(kBriskoCompletion);
    v.CardsUsedBonusValue = t.defaultOf(kBriskoCardsUsed);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 6,
    .button = "cmdBrisko",
    .caption = "&Brisko",
    .title = "Brisko!",
    .window = "frmBrisko",
    .profile = &kProfile,
    .createWindow = [] { return new frmBrisko; },
    .tableName = "Brisko Hi Score Table ",
    .defaultTime = CombinationsSettingsTable().defaultOf(kBriskoTime),
    .mailMinimum = 700000,
    .rulesParagraphs = CombinationsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
