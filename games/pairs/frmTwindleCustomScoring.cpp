// frmTwindleCustomScoring: the pairs-and-runs game's custom-scoring dialog as data for the
// frame's engine, in its design's client size and places. Each box is tested and stored on
// its own, a value outside its range as the bound it passed, and the headings follow what was
// stored; a time bonus in range stores the count-down switch and brings the status bar up to
// date.
#include "games/pairs/frmTwindle.h"

#include "frame/CustomScoringDialog.h"
#include "games/pairs/PairsSettings.h"

namespace {
// A row of the frame: the label at `labelLeft`, every box at 3000, both 405 twips apart.
ScoringBox frameRow(const char* label, const char* caption, int labelWidth, const char* box,
                    int row, const QString& key, int labelLeft = 345) {
    const int top = 360 + 405 * row;
    return {label,
            QString::fromLatin1(caption),
            box,
            QRect(labelLeft, top + 45, labelWidth, 195),
            QRect(3000, top, 960, 285),
            row,
            key};
}

ScoringForm TwindleForm() {
    ScoringForm f;
    f.dialogName = "frmTwindleCustomScoring";
    f.settings = &PairsSettingsTable();
    f.client = QSize(4680, 4140);
    f.note = kScoringNote;
    f.notePlace = QRect(60, 0, 4560, 690);
    f.noteBlue = true;
    f.framePlace = QRect(90, 705, 4455, 2415);
    f.boxes = {
        frameRow("lblPairsBonus", "Pairs Bonus Value:", 2640, "txtPairsBonus", 0, kTwindlePairs),
        frameRow("lblRunsBonus", "Runs Bonus Value", 1320, "txtRunsBonus", 1, kTwindleRuns),
        frameRow("lblBonusRound", "Score required for Bonus Round:", 2325, "txtBonusRound", 2,
                 kTwindleBonusScore),
        frameRow("lblCompletionBonus", "Bonus for completing upper cards: ", 2460,
                 "txtCompletionBonus", 3, kTwindleCompletion),
        frameRow("lblTimeBonus", "Time Bonus (points per second)", 2235, "txtTimeBonus", 4,
                 kTwindleTimeBonus, 360),
    };
    f.switches = {{"chkCountDown", "&Count Down when taking score", QRect(495, 3285, 3120, 225), 5,
                   kTwindleCountDown}};
    f.ok = {QRect(202, 3705, 1275, 345), 6};
    f.byDefault = {QRect(1672, 3705, 1275, 345), 7};
    f.cancel = {QRect(3217, 3705, 1275, 345), 8};
    f.checks = {
        CheckFromZero("txtPairsBonus", 32767,
                      "Sorry, you cannot set the pairs bonus value to less than 0 points.",
                      "Sorry, you cannot set the pairs bonus value to more than 32767 points"),
        CheckFromZero("txtRunsBonus", 32767,
                      "Sorry, you cannot set the runs bonus value to less than 0 points.",
                      "Sorry, you cannot set the runs bonus value to more than 32767 points"),
        CheckFromZero("txtBonusRound", 200000,
                      "Sorry, you cannot set the value required for a bonus round to less than 0 "
                      "points.",
                      "Sorry, you cannot set the value required for a bonus round to more than "
                      "200000 points."),
        CheckFromZero("txtCompletionBonus", 32767,
                      "Sorry, you cannot set the value of the completion bonus to less than 0 "
                      "points.",
                      "Sorry, you cannot set the value of the completion bonus to more than 32767 "
                      "points."),
        TimeBonusCheck("txtTimeBonus"),
    };
    f.checks.back().thenSwitches = true;
    f.checks.back().thenFollowUp = true;
    return f;
}
} // namespace

void frmTwindle::ShowCustomScoring() {
    ScoringForm f = TwindleForm();
    // The headings show what every OK stored, also one that refused the time bonus.
    f.customMark = [this] {
        CheckForCustom();
        updateHeadings();
    };
    f.followUp = [this] { setStatusText(1, PairsCustomStatusText()); };
    ShowScoringForm(std::move(f));
}
