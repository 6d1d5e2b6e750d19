// The poker grid game (Marvane!, window frmScramble) as the collection knows it: its launcher
// entry, window profile, high-score table, settings defaults, e-mail minimum and rules text.
#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "games/pokergrid/PokerGridRules.h"
#include "services/GameRegistry.h"

namespace {

constexpr int kTimeLimit = 75; // seconds per round in a fresh settings file

const GameProfile kProfile{
    .quitButton = "cmdQuit",
    .quitTip = "Closes Marvane",
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
};

void rulesDefaults(RulesValues& v) {
    v.TimeLimit = kTimeLimit;
    v.BonusRoundScore = 100000;
    v.OverWrites = 3;
    v.PairScore = 50;
    v.TwoPairScore = 70;
    v.TripsScore = 80;
    v.StraightScore = 90;
    v.FlushScore = 100;
    v.FullHouseScore = 200;
    v.FourScore = 300;
    v.StraightFlushScore = 400;
    v.RoyalFlushScore = 500;
}

[[maybe_unused]] const bool registered = RegisterGame({
    .launcherPlace = 5,
    .button = "cmdScramble",
    .caption = "&Marvane",
    .title = "Marvane!",
    .window = "frmScramble",
    .profile = &kProfile,
    .createWindow = {}, // not built yet: the launcher button stays disabled
    .tableName = "Marvane Hi Score Table ",
    .defaultTop = "30000",
    .defaultTime = kTimeLimit,
    .mailMinimum = 130000,
    .rulesHeadingBlanks = 31,
    .rulesParagraphs = PokerGridRulesParagraphs,
    .rulesDefaults = rulesDefaults,
});

} // namespace
