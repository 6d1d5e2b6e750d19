// The poker grid game (Marvane!, window frmScramble) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/pokergrid/PokerGridRules.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "games/pokergrid/frmScramble.h"
#include "services/GameRegistry.h"

namespace {

const GameProfile kProfile{
    .quitButton = "cmdQuit",
    .quitTip = "Closes Marvane",
    .playIsDefault = true,
    .takeScoreButton = false,
    .takeScoreButtonShown = false,
    .takeScoreTip = "",
    .exitShortcut = "",
    .inputGates = GatePlayButton | GatePauseButton | GateQuitButton,
    .stateLabel = "ScoringLabel",
    .ownLabels = {"ScoringLabelInfo"},
    .hasScoringOutline = true,
    .amountPlace = AmountPlace::OutlineCentre,
    .timeBonusTimesRoundPoints = true,
    .soundsCheckedAtDesign = true,
    .timeItems = {{30, "&30 seconds"},
                  {45, "&45 seconds"},
                  {60, "&60 seconds  "},
                  {75, "&75 seconds (default)"},
                  {90, "&90 seconds"},
                  {105, "&105 seconds"},
                  {120, "&120 seconds"}},
    .stockControl = "CardStackPicture",
    .timer2OnAtDesign = true,
    .welcomeBlanks = "   ",
    .settings = PokerGridSettingsTable,
};

void rulesDefaults(RulesValues& v) {
    const SettingsTable& t = PokerGridSettingsTable();
    v.TimeLimit = t.defaultOf(kMarvaneTime);
    v.BonusRoundScore = t.defaultOf(kMarvaneBonusScore);
    v.OverWrites = t.defaultOf(kMarvaneOverWrites);
    v.PairScore = t.defaultOf(kMarvanePair);
    v.TwoPairScore = t.defaultOf(kMarvaneTwoPair);
    v.TripsScore = t.defaultOf(kMarvaneTrips);
    v.StraightScore = t.defaultOf(kMarvaneStraight);
    v.FlushScore = t.defaultOf(kMarvaneFlush);
    v.FullHouseScore = t.defaultOf(kMarvaneFullHouse);
    v.FourScore = t.defaultOf(kMarvaneFour);
    v.StraightFlushScore = t.defaultOf(kMarvaneStraightFlush);
    v.RoyalFlushScore = t.defaultOf(kMarvaneRoyalFlush);
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 5,
    .button = "cmdScramble",
    .caption = "&Marvane",
    .title = "Marvane!",
    .window = "frmScramble",
    .profile = &kProfile,
    .createWindow = [] { return new frmScramble; },
    .tableName = "Marvane Hi Score Table ",
    .defaultTop = "30000",
    .defaultTime = PokerGridSettingsTable().defaultOf(kMarvaneTime),
    .mailMinimum = 130000,
    .rulesHeadingBlanks = 31,
    .rulesParagraphs = PokerGridRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
