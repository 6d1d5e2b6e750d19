// frmBriskoCustomScoring: the twenty-one combinations game's custom-scoring dialog as data for
// the frame's engine. Six scoring boxes, the "21 Counter Speed:" heading and its three speeds
// in the frame; the wait and the count-down switch below it. The speed is taken first at
// every OK; each box is then tested and stored on its own, a value outside its range as the
// bound it passed (a refused number of passes is not kept); only an accepted bonus-round score
// stores the count-down switch and rewrites the status bar.
#include "games/combinations/frmBrisko.h"

#include "frame/CustomScoringDialog.h"
#include "games/combinations/CombinationsSettings.h"
#include "platform/GameTimer.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

namespace {
ScoringCheck fromZero(const char* box, double high, const char* what, const char* highMessage) {
    return CheckFromZero(box, high,
                         QStringLiteral("Sorry, a minimum of 0 is required for the %1.").arg(what),
                         QString::fromLatin1(highMessage));
}

// A scoring row in the frame: the label left, the box right, 450 twips apart.
ScoringBox frameRow(const char* label, const char* caption, const char* box, int row,
                    const QString& key, int maxLength = 0) {
    const int top = 330 + 450 * row;
    return {label,
            QString::fromLatin1(caption),
            box,
            QRect(240, top + 45, 3840, 240),
            QRect(4200, top, 1290, 315), // wide enough for the ten digits the bonus takes
            row,
            key,
            maxLength};
}

ScoringForm BriskoForm() {
    ScoringForm f;
    f.dialogName = "frmBriskoCustomScoring";
    f.settings = &CombinationsSettingsTable();
    f.client = QSize(5850, 6690);
    f.note = kScoringNote;
    f.notePlace = QRect(150, 90, 5550, 660);
    f.frameName = "frmCustomScoring";
    f.framePlace = QRect(120, 810, 5610, 4380);
    f.boxes = {
        frameRow("lblBonus", "Score required for Bonus:", "txtBonus", 0, kBriskoBonusRound),
        frameRow("lbl21BonusValue", "Twenty One Bonus Value:", "txt21BonusValue", 1,
                 kBriskoTwentyOne),
        frameRow("lblCardBonusValue", "Cards Used Bonus Value:", "txtCardsUsedBonus", 2,
                 kBriskoCardsUsed),
        frameRow("lblDeckCompletion", "Deck Completion Bonus:", "txtDeckCompletionBonus", 3,
                 kBriskoCompletion),
        frameRow("lblGimme", "Five Card Gimme Bonus:", "txtFiveCardGimmeBonus", 4,
                 kBriskoFiveCards),
        frameRow("lblNumberOfCardsToPass", "Number of cards user may pass (0 - 10):",
                 "txtNumberOfCardsToPass", 5, kBriskoPasses, 2),
        {"lblWaitPeriod", "Seconds to wait between rounds (0 - 60):", "txtWaitPeriod",
         QRect(360, 5385, 3840, 240), QRect(4320, 5340, 600, 315), 9, kBriskoWait, 2, false, 1000},
    };
    // Below the scoring rows, inside the frame, clear of its title.
    f.captions = {{"lbl21Timer", "21 Counter Speed:", QRect(240, 3060, 3000, 240), true}};
    f.options = {
        {"optDefault", "&Normal", QRect(480, 3330, 1500, 300), 6, kBriskoSpeed, 90, true},
        {"optSlow", "&Slow", QRect(480, 3645, 1500, 300), 7, kBriskoSpeed, 180, true},
        {"optSlowest", "&Any slower and it would be going backwards", QRect(480, 3960, 4800, 300),
         8, kBriskoSpeed, 360, true},
    };
    f.optionsFirst = true;
    f.switches = {{"chkCountScore", "Count down &when taking score", QRect(360, 5790, 3600, 300),
                   10, kBriskoCountDown}};
    f.ok = {QRect(506, 6210, 1275, 345), 11};
    f.byDefault = {QRect(2287, 6210, 1275, 345), 12};
    f.cancel = {QRect(4069, 6210, 1275, 345), 13};
    f.checks = {
        PassesCheck("txtNumberOfCardsToPass"),
        WaitCheck("txtWaitPeriod", 60),
        fromZero("txtCardsUsedBonus", 5000, "Cards Used bonus score",
                 "Sorry, the maximum value for the Cards Used bonus score is 5000."),
        fromZero("txt21BonusValue", 5000, "Twenty One bonus score",
                 "Sorry, the maximum value for the Twenty One bonus score is 5000."),
        fromZero("txtDeckCompletionBonus", 1000000, "Deck Completion Bonus",
                 "Sorry, the maximum value for the Deck Completion Bonus is 1000000."),
        fromZero("txtFiveCardGimmeBonus", 50000, "Five Cards Gimme Bonus",
                 "Sorry, the maximum value for the Five Cards Gimme Bonus is 50000."),
        fromZero("txtBonus", 2147483647.0, "bonus round score",
                 "Sorry, the maximum value for achieving a bonus round is 2147483647."),
    };
    f.checks.back().thenSwitches = true;
    f.checks.back().thenFollowUp = true;
    return f;
}
} // namespace

void frmBrisko::ShowCustomScoring() {
    ScoringForm f = BriskoForm();
    f.customMark = [this] {
        // The counter steps at the speed the OK stored, at once.
        timer3_->setInterval(CombinationsOptions().TimerSpeed);
        CheckForCustom();
    };
    f.followUp = [this] {
        setStatusText(1, "Make " + FormatScore(Shared().BonusRoundScore) + " for bonus round.  ");
    };
    ShowScoringForm(std::move(f));
}
