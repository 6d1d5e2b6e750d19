// The elevens game (Sumbry!, window frmElevens) as the collection knows it: its launcher
// entry, window profile, high-score tables, settings defaults, e-mail minimum, rules text and
// window.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/elevens/ElevensRules.h"
#include "games/elevens/ElevensSettings.h"
#include "games/elevens/frmElevens.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .quitCaption = "&Exit",
    .quitTip = "Ends Sumbry!",
    .playIsDefault = true,
    .playBack = PlayBack::AfterGameOver,
    .takeScoreTip = "Ends current round and awards time bonus",
    .takeScoreItem = true,
    .playQuestion = "You have a game in progress, are you sure you want to quit now?",
    .playMenuQuestion = "You have a game in progress, are you sure you want to restart now?",
    .playMenuStartsMusic = false,
    .takeScoreButtonRestartsMusic = true,
    .hasScoringLabel = false,
    .gameMenuCaption = "&Game",
    .gameMenuLayout = {"play", "takescore", "pause", "|", "save", "open", "|", "exit"},
    .optionsLayout = {"view", "clear", "|", "time", "goal", "custom", "|", "music", "sounds", "|",
                      "drawtimer", "color", "deck"},
    .view = {"mnuViewHiScore", "&View High Scores...", "Ctrl+V"},
    .custom = {"mnuScoring", "C&ustomize Scoring...", "Ctrl+Z"},
    .rules = {"mnuRules", "&Rules...", "Ctrl+R"},
    .about = {"mnuAbout", "&About...", ""},
    .timeItems = {{30, " &30 Seconds"},
                  {60, " &60 Seconds"},
                  {90, " &90 Seconds (Default)"},
                  {120, "1&20 Seconds"},
                  {150, "1&50 Seconds"},
                  {180, "1&80 Seconds"}},
    .timeCheckedAtDesign = 90,
    .palmCheckedAtDesign = true,
    .refreshPlayCard = true,
    .refreshFieldCards = FieldRedraw::WhenPaused,
    .viewPause = PauseAround::Button,
    .clearPause = PauseAround::None,
    .viewCreatesTable = true,
    .quit = QuitStyle::Pausing,
    .splashInterval = 250,
    .splashOnAtDesign = true,
    .splashFaceKey = "SMBY",
    .settings = ElevensSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = ElevensSettingsTable();
    v.TimeLimit = t.defaultOf(kElevensTime);
    v.ElevensBonusRoundScore = t.defaultOf(kElevensBonusRound);
    v.ElevensCompletionBonus = t.defaultOf(kElevensCompletion);
    v.ElevensBonus = t.defaultOf(kElevensBonus);
    v.ElevensBonusES = t.defaultOf(kElevensBonusES);
    v.TimeBonus = t.defaultOf(kElevensTimeBonus);
    v.CardGoal = t.defaultOf(kElevensCardGoal);
    v.CardBonus = ElevensScoringTable().defaultOf(kElevensCardBonus);
    v.EnhancedScoring = t.defaultOf(kElevensScoreMode) != 0;
    v.TakeScoreCaption = "&Take Score";
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 3,
    .button = "cmdElevens",
    .caption = "&Sumbry",
    .title = "Sumbry!",
    .window = "frmElevens",
    .profile = &kProfile,
    .createWindow = [] { return new frmElevens; },
    // Goal and scoring mode are part of the table's name.
    .currentTableName = ElevensTableName,
    .hallOfFameInfo = ElevensHallOfFameInfo,
    .defaultTime = ElevensSettingsTable().defaultOf(kElevensTime),
    .mailMinimum = 175000,
    .rulesHeadingBlanks = 30,
    .rulesParagraphs = ElevensRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
