// frmQuintelCustomScoring: the five-column game's custom-scoring dialog as data for the
// frame's engine. Three scoring boxes in the frame, the wait and the passes below it; the
// boxes are checked passes, wait, bonus, maximum, minimum, and only a minimum that passes
// stores the count-down switch and rewrites the status bar.
#include "games/fivecolumn/frmQuintel.h"

#include "frame/CustomScoringDialog.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

namespace {
ScoringForm QuintelForm() {
    ScoringForm f;
    f.dialogName = "frmQuintelCustomScoring";
    f.settings = &FiveColumnSettingsTable();
    f.client = QSize(4890, 5010);
    f.note = QStringLiteral(
        "Note: Changing any of the Scoring Options or the number of cards a user may pass will "
        "cause your high scores to be marked with an * indicating custom scoring was in use.");
    f.notePlace = QRect(150, 90, 4560, 795);
    f.frameName = "frmCustomScoring";
    f.framePlace = QRect(120, 1035, 4650, 1815);
    f.boxes = {
        {"lblBonus", "Score required for Bonus:", "txtBonus", QRect(405, 360, 2200, 330),
         QRect(2670, 285, 1575, 330), 0, kQuintelBonus},
        {"lblMaxTimeBonus", "Maximum Time Bonus value:", "txtTimeBonusMax",
         QRect(405, 855, 2200, 330), QRect(2670, 780, 1575, 330), 1, kQuintelMax},
        {"lblMinTimeBonus", "Minimum Time Bonus value:", "txtTimeBonusMin",
         QRect(405, 1350, 2200, 330), QRect(2670, 1275, 1575, 330), 2, kQuintelMin},
        {"lblWaitPeriod", "Seconds to wait between rounds (0 - 30):", "txtWaitPeriod",
         QRect(210, 3060, 3000, 330), QRect(3270, 2970, 630, 330), 3, kQuintelWait, 2, false, 1000},
        {"lblNumberOfCardsToPass",
         "Number of cards user may pass (0 - 10):", "txtNumberOfCardsToPass",
         QRect(210, 3510, 3000, 330), QRect(3270, 3442, 630, 330), 4, kQuintelPasses, 2, false},
    };
    f.switches = {{"chkCountScore", "Count down &when taking score", QRect(210, 3960, 2550, 225), 5,
                   kQuintelCountDown}};
    f.ok = {QRect(285, 4530, 1275, 345), 6};
    f.byDefault = {QRect(1830, 4530, 1275, 345), 7};
    f.cancel = {QRect(3375, 4530, 1275, 345), 8};
    f.checks = {
        PassesCheck("txtNumberOfCardsToPass"),
        WaitCheck("txtWaitPeriod", 30),
        {.box = "txtBonus",
         .low = 0,
         .high = 2147483647.0,
         .lowMessage = "Sorry, a minimum of 0 is required for the bonus round score.",
         .highMessage = "Sorry, the maximum value for achieving a bonus round is 2147483647."},
        {.box = "txtTimeBonusMax",
         .low = 0,
         .high = 10000,
         .lowMessage = "Sorry, the maximum time bonus value must be greater than 0.",
         .highMessage = "Sorry, the maximum time bonus value must not exceed 10000.",
         .lowExclusive = true,
         .storeBound = false,
         .above = "txtTimeBonusMin",
         .orderMessage = "Sorry, the maximum time bonus value must be greater than the minimum "
                         "time bonus value."},
        {.box = "txtTimeBonusMin",
         .low = 0,
         .high = 10000,
         .lowMessage = "Sorry, the minimum time bonus value must be greater than 0.",
         .highMessage = "Sorry, the minimum time bonus value must not exceed 10000.",
         .lowExclusive = true,
         .storeBound = false,
         .below = "txtTimeBonusMax",
         .orderMessage = "Sorry, the minimum time bonus value must be less than the maximum "
                         "time bonus value.",
         .thenSwitches = true,
         .thenFollowUp = true},
    };
    // A minimum stored against a maximum this click did not store would make the bonus rise
    // during a round.
    f.orderedPairs = {{kQuintelMax, kQuintelMin}};
    return f;
}
} // namespace

void frmQuintel::ShowCustomScoring() {
    ScoringForm f = QuintelForm();
    f.followUp = [this] {
        setStatusText(1, "Make " + FormatScore(Shared().BonusScore) + " for bonus round.  ");
    };
    ShowScoringForm(std::move(f));
}
