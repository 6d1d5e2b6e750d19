// frmTripCustom: the trips-and-runs game's custom-scoring dialog as data for the frame's
// engine. The boxes stand and take the focus in row order but are checked in another; each
// is checked and stored on its own, an entry out of range as the bound it passed. The
// penalty is shown and typed as a negative number and kept positive. A time bonus in range,
// checked last, stores the count-down switch and rewrites the status bar.
#include "games/trips/frmTrip.h"

#include "frame/ScoringFormParts.h"
#include "games/trips/TripsSettings.h"

namespace {
ScoringForm TripForm() {
    ScoringForm f;
    f.dialogName = "frmTripCustom";
    f.settings = &TripsSettingsTable();
    f.client = QSize(4710, 4920);
    f.note = kScoringNote;
    f.notePlace = QRect(75, 90, 4560, 690);
    f.noteBlue = true;
    f.framePlace = QRect(120, 795, 4470, 3090);
    f.boxes = EvenRows(
        {
            {"lblTripValue", "Three of a kind bonus:", "txtTripValue", kTresselTrips},
            {"lblRunValue", "Run Bonus:", "txtRunValue", kTresselRuns},
            {"lblDeckValue", "Deck Completion Bonus:", "txtDeckValue", kTresselDeckCompletion},
            {"lblFlushValue", "Flush Bonus:", "txtFlushValue", kTresselFlush},
            {"lblTimeBonus", "Time Bonus (points per second)", "txtTimeBonus", kTresselTimeBonus},
            {"lblBonusRound", "Score Required for Bonus Round:", "txtBonusRound",
             kTresselBonusScore},
            {"lblPenaltyValue", "Penalty for left-over cards:", "txtPenaltyValue",
             kTresselLeftOver},
        },
        QRect(120, 345, 3150, 240), QRect(3360, 300, 960, 285), 390);
    ScoringBox& penalty = f.boxes.back();
    penalty.scale = -1;
    penalty.style = QStringLiteral("color: #ff0000;");
    f.switches = {{"chkCountDown", "&Count Down when taking score", QRect(360, 4020, 3120, 255), 7,
                   kTresselCountDown}};
    f.ok = {QRect(217, 4425, 1275, 345), 8};
    f.byDefault = {QRect(1717, 4425, 1275, 345), 9};
    f.cancel = {QRect(3217, 4425, 1275, 345), 10};
    f.checks = {
        RangeCheck("txtTripValue", 0, 20000, "Sorry, the minimum value for a Triple is 0.",
                   "Sorry, the maximum value for a Triple is 20000"),
        RangeCheck("txtRunValue", 0, 20000, "Sorry, the minimum value for a Run is 0.",
                   "Sorry, the maximum value for a Run is 20000"),
        RangeCheck("txtDeckValue", 0, 100000,
                   "Sorry, the minimum value for for completing the Deck is 0.",
                   "Sorry, the maximum value for completing the Deck is 100000"),
        RangeCheck("txtFlushValue", 0, 20000, "Sorry, the minimum value for the Flush Bonus is 0.",
                   "Sorry, the maximum value for the Flush Bonus is 20000"),
        RangeCheck("txtBonusRound", 0, 1000000,
                   "Sorry, the minimum value for obtaining the Bonus Round is 0.",
                   "Sorry, the maximum value for obtaining the Bonus Round is 1000000"),
        RangeCheck("txtPenaltyValue", -20000, 0,
                   "Sorry, the minimum penalty for left over cards is -20000",
                   "Sorry, the maximum penalty for left over cards is 0."),
        RangeCheck("txtTimeBonus", 0, 5000,
                   "Sorry, you cannot set the Time Bonus value to less than 0 points.",
                   "Sorry, you cannot set the Time Bonus value to greater than 5000 points"),
    };
    f.checks.back().thenSwitches = true;
    f.checks.back().thenFollowUp = true;
    return f;
}
} // namespace

void frmTrip::ShowCustomScoring() {
    ScoringForm f = TripForm();
    f.followUp = [this] { setStatusText(1, TripsBonusTargetStatus()); };
    ShowScoringForm(std::move(f));
}
