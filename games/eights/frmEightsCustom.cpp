// frmEightsCustom: the wild-eights game's custom-scoring dialog as data for the frame's
// engine, its note and frame caption bold. Each box is checked on its own: a bonus-round
// score out of range stores the limit it passed, the other two store nothing; a deck bonus
// in range, checked last, stores the count-down switch and rewrites the status bar.
#include "games/eights/frmEights.h"

#include "frame/ScoringFormParts.h"
#include "games/eights/EightsSettings.h"

namespace {
ScoringForm EightsForm() {
    ScoringForm f;
    f.dialogName = "frmEightsCustom";
    f.settings = &EightsSettingsTable();
    f.client = QSize(4785, 4065);
    f.note = kScoringNote;
    f.notePlace = QRect(75, 90, 4635, 690);
    f.noteBlue = true;
    f.noteStyle = QStringLiteral("font-weight: bold;");
    f.frameName = "frmCustomScoring";
    f.framePlace = QRect(120, 900, 4545, 1740);
    f.frameBold = true;
    f.boxes = EvenRows(
        {
            {"lblBonus", "Score required for Bonus Round:", "txtBonus", kEightsBonusScore},
            {"lblTimeBonus", "Time Bonus (points per second):", "txtTimeBonus", kEightsTimeBonus},
            {"lblEightsCompleteBonus", "Deck completion Bonus:", "txtEightsCompleteBonus",
             kEightsCompleteBonus},
        },
        // The boxes are wide enough for the nine digits of the largest bonus-round score.
        QRect(240, 405, 2985, 240), QRect(3270, 360, 1215, 285), 450);
    f.switches = {{"chkCountScore", "Count down &when taking score", QRect(360, 2850, 3120, 255), 3,
                   kEightsCountDown}};
    f.ok = {QRect(240, 3450, 1275, 345), 4};
    f.byDefault = {QRect(1755, 3450, 1275, 345), 5};
    f.cancel = {QRect(3270, 3450, 1275, 345), 6};
    f.checks = {
        RangeCheck("txtBonus", 0, 100000000,
                   "Sorry, a minimum score of 0 is required for the bonus round score.",
                   "Sorry, the maximum value for achieving a bonus round is 100,000,000."),
        RangeCheck("txtTimeBonus", 1, 10000,
                   "Sorry, the maximum time bonus value must be greater than 0.",
                   "Sorry, the maximum time bonus value must not exceed 10,000."),
        RangeCheck("txtEightsCompleteBonus", 0, 2000000,
                   "Sorry, the minimum bonus for completing the deck must be 0 or greater.",
                   "Sorry, the maximum time bonus for completing the deck must not exceed "
                   "2,000,000."),
    };
    f.checks[1].storeBound = false;
    f.checks[2].storeBound = false;
    f.checks[2].thenSwitches = true;
    f.checks[2].thenFollowUp = true;
    return f;
}
} // namespace

void frmEights::ShowCustomScoring() {
    ScoringForm f = EightsForm();
    f.followUp = [this] { setStatusText(1, EightsBonusGoalText()); };
    ShowScoringForm(std::move(f));
}
