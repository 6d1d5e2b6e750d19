// The trips-and-runs game (Tressel!, window frmTrip) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/trips/TripsRules.h"
#include "games/trips/TripsSettings.h"
#include "games/trips/frmTrip.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .quitButton = "cmdQuit",
    .quitTip = "Closes Tressel",
    .playIsDefault = true,
    .takeScoreTip = "Ends the round and awards points",
    .exitShortcut = "",
    .inputGates = GatePlayButton | GatePlayMenu | GatePauseButton | GatePauseMenu | GateQuitButton |
                  GateQuitMenu,
    .stateLabel = "lblScoring",
    .hasScoringOutline = true,
    .messagePlace = MessagePlace::LeftOfAmount,
    .custom = {"mnuCustom", "&User Options...", ""},
    .about = {"mnuAbout", "&About...", ""},
    .soundsCheckedAtDesign = true,
    .timeItems = {{60, "&60 seconds"},
                  {75, "&75 seconds"},
                  {90, "&90 seconds"},
                  {105, "&105 seconds"},
                  {120, "1&20 seconds (default)"},
                  {135, "1&35 seconds"},
                  {150, "1&50 seconds"},
                  {180, "1&80 seconds"}},
    .timeCheckedAtDesign = 120,
    .stockControl = "CardStackPicture",
    .timer2OnAtDesign = true,
    .welcomeBlanks = "   ",
    .settings = TripsSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = TripsSettingsTable();
    v.TimeLimit = t.defaultOf(kTresselTime);
    v.BonusRoundScore = t.defaultOf(kTresselBonusScore);
    v.TripleScore = t.defaultOf(kTresselTrips);
    v.RunScore = t.defaultOf(kTresselRuns);
    v.FlushScore = t.defaultOf(kTresselFlush);
    v.DeckCompletionBonus = t.defaultOf(kTresselDeckCompletion);
    v.LeftOverPenalty = t.defaultOf(kTresselLeftOver);
    v.TimeBonus = t.defaultOf(kTresselTimeBonus);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 2,
    .button = "cmdTressel",
    .caption = "&Tressel",
    .title = "Tressel!",
    .window = "frmTrip",
    .profile = &kProfile,
    .createWindow = [] { return new frmTrip; },
    .tableName = "Tressel Hi Score Table ",
    .endGameTop = "30000",
    .defaultTime = TripsSettingsTable().defaultOf(kTresselTime),
    .mailMinimum = 225000,
    .rulesHeadingBlanks = 31,
    .rulesRequirementGap = " ",
    .rulesParagraphs = TripsRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
