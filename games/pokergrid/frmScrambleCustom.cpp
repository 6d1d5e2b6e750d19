// frmScrambleCustom: the poker grid game's custom-scoring dialog as data for the frame's
// engine. Each box is checked and stored on its own; an entry out of range stores a value of
// the box's own (6000 for a pair, one overwrite), not the bound it passed. The time bonus,
// checked last although it stands above the overwrites, stores the count-down switch; a
// bonus-round score in range rewrites the status bar.
#include "games/pokergrid/frmScramble.h"

#include "frame/ScoringFormParts.h"
#include "games/pokergrid/PokerGridSettings.h"

namespace {
// In screen and tab order.
const std::vector<ScoringRowText> kRows = {
    {"lblPairScore", "Pair Score Value:", "txtPairScore", kMarvanePair},
    {"lbl2PairScore", "2 Pair Score Value:", "txt2PairScore", kMarvaneTwoPair},
    {"lbl3ofakindScore", "3 of a Kind Score Value:", "txt3ofakindScore", kMarvaneTrips},
    {"lblStraightScore", "Straight Score Value:", "txtStraightScore", kMarvaneStraight},
    {"lblFlushScore", "Flush Score Value:", "txtFlushScore", kMarvaneFlush},
    {"lblFullHouseScore", "Full House Score Value:", "txtFullHouseScore", kMarvaneFullHouse},
    {"lbl4ofakindScore", "4 of a Kind Score Value:", "txt4ofakindScore", kMarvaneFour},
    {"lblStFlushScore", "Straight Flush Score Value:", "txtStFlushScore", kMarvaneStraightFlush},
    {"lblRoyalFlushScore", "Royal Flush Score Value:", "txtRoyalFlushScore", kMarvaneRoyalFlush},
    {"lblBonusScore", "Score required for bonus round:", "txtBonusScore", kMarvaneBonusScore},
    {"lblTimeBonus", "Time Bonus (per second multipler)", "txtTimeBonus", kMarvaneTimeBonus},
    {"lblOverWrites", "Number of overwrites allowed", "txtOverWrites", kMarvaneOverWrites},
};

// Accepted from 0 to `most`; outside it `replacement` is stored and shown.
ScoringCheck check(const char* box, double most, double replacement, const QString& message) {
    ScoringCheck c{.box = box, .low = 0, .high = most, .lowMessage = message};
    c.highMessage = message;
    c.outOfRange = replacement;
    return c;
}

// The message names the row by its label's caption.
ScoringCheck row(int screenRow, double most, double replacement, const char* ending) {
    const ScoringRowText& r = kRows[size_t(screenRow)];
    return check(r.box, most, replacement,
                 QStringLiteral("Sorry, the ") + QLatin1String(r.caption) + QLatin1String(ending));
}

ScoringForm ScrambleForm() {
    ScoringForm f;
    f.dialogName = "frmScrambleCustom";
    f.settings = &PokerGridSettingsTable();
    f.client = QSize(4710, 6870);
    f.note = kScoringNote;
    f.notePlace = QRect(75, 90, 4560, 690);
    f.noteBlue = true;
    f.framePlace = QRect(120, 795, 4470, 5040);
    f.boxes = EvenRows(kRows, QRect(120, 345, 3150, 240), QRect(3360, 300, 960, 285), 390);
    f.switches = {{"chkCountDown", "&Count Down when taking score", QRect(360, 5970, 3120, 255), 12,
                   kMarvaneCountDown}};
    f.ok = {QRect(217, 6375, 1275, 345), 13};
    f.byDefault = {QRect(1717, 6375, 1275, 345), 14};
    f.cancel = {QRect(3217, 6375, 1275, 345), 15};
    const char* const hands = " must be between 0 and 50,000 points.";
    f.checks = {
        row(0, 50000, 6000, hands),
        row(1, 50000, 7000, hands),
        row(2, 50000, 8000, hands),
        row(3, 50000, 9000, hands),
        row(4, 50000, 10000, hands),
        row(5, 50000, 20000, hands),
        row(6, 50000, 30000, hands),
        row(7, 50000, 40000, hands),
        row(8, 100000, 50000, " must be between 0 and 100,000 points."),
        row(9, 1000000, 100000, " must be between 0 and 1,000,000 points."),
        row(11, 26, 1, " must be between 0 and 26 points."),
        check("txtTimeBonus", 10, 1,
              QStringLiteral("Sorry, the Time Bonus value must be between 0 and 10 points.")),
    };
    f.readsExponent = true;
    f.checks[9].thenFollowUp = true;
    f.checks.back().thenSwitches = true;
    return f;
}
} // namespace

void frmScramble::ShowCustomScoring() {
    ScoringForm f = ScrambleForm();
    f.followUp = [this] { setStatusText(1, PokerGridBonusStatusText()); };
    ShowScoringForm(std::move(f));
}
