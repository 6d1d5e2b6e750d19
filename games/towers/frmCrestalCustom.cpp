// frmCrestalCustom: the three-towers game's custom-scoring dialog as data for the frame's
// engine. Each box is tested and stored on its own, a value outside its range as the bound
// it passed; a time bonus in range stores the count-down switch and rewrites the status bar.
#include "games/towers/frmCrestal.h"

#include "frame/ScoringFormParts.h"
#include "games/towers/TowersSettings.h"

namespace {
ScoringForm CrestalForm() {
    ScoringForm f;
    f.dialogName = "frmCrestalCustom";
    f.settings = &TowersSettingsTable();
    f.client = QSize(4710, 4245);
    f.note = kScoringNote;
    f.notePlace = QRect(75, 90, 4560, 690);
    f.noteBlue = true;
    f.framePlace = QRect(105, 795, 4455, 2415);
    f.boxes = {
        {"lblCardIncrement",
         "When creating runs, each additional card increments card value by:", "txtCardValue",
         QRect(345, 285, 2640, 420), QRect(3000, 360, 960, 285), 0, kCrestalCardBonus},
        {"lblBonusScore", "Score required for bonus round:", "txtBonusScore",
         QRect(345, 810, 2235, 195), QRect(3000, 765, 960, 285), 1, kCrestalBonusScore},
        {"Label1", "High Run bonus (per card):", "txtRunBonus", QRect(345, 1215, 1920, 195),
         QRect(3000, 1170, 960, 285), 2, kCrestalHighRunBonus},
        {"Label2", "Bonus for completing each tower", "txtCompletedTower",
         QRect(345, 1620, 2325, 195), QRect(3000, 1575, 960, 285), 3, kCrestalTowerBonus},
        {"lblTimeBonus", "Time Bonus (points per second)", "txtTimeBonus",
         QRect(360, 2025, 2235, 195), QRect(3000, 1980, 960, 285), 4, kCrestalTimeBonus},
    };
    f.switches = {{"chkCountDown", "&Count Down when taking score", QRect(510, 3375, 3120, 225), 5,
                   kCrestalCountDown}};
    f.ok = {QRect(217, 3795, 1275, 345), 6};
    f.byDefault = {QRect(1687, 3795, 1275, 345), 7};
    f.cancel = {QRect(3232, 3795, 1275, 345), 8};
    f.checks = {
        CheckFromZero("txtCardValue", 1000,
                      "Sorry, you cannot increment the card value by less than 0 points.",
                      "Sorry, you cannot increment the card value by greater than 1000 points"),
        CheckFromZero("txtBonusScore", 900000,
                      "Sorry, a minimum of 0 points is required to make the bonus round.",
                      "Sorry, a maximum of 900000 points is required to make the bonus round."),
        CheckFromZero(
            "txtRunBonus", 32767,
            "Sorry, a minimum of 0 points is required when achieving the high run bonus.",
            "Sorry, a maximum of 32767 points is required when achieving the high run bonus."),
        CheckFromZero(
            "txtCompletedTower", 32767,
            "Sorry, a minimum of 0 points is required when achieving when completing each "
            "tower.",
            "Sorry, a maximum of 32767 points is required when completing each tower."),
        TimeBonusCheck("txtTimeBonus"),
    };
    f.checks.back().thenSwitches = true;
    f.checks.back().thenFollowUp = true;
    return f;
}
} // namespace

void frmCrestal::ShowCustomScoring() {
    ScoringForm f = CrestalForm();
    f.followUp = [this] { setStatusText(1, TowersCustomBonusStatus()); };
    ShowScoringForm(std::move(f));
}
