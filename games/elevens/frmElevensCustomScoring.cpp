// frmElevensCustomScoring: the elevens custom-scoring dialog as data for the frame's engine.
// Five boxes in the frame and the scoring-mode switch below it; OK reports only the first box
// out of range and stores nothing then; when all pass it stores the mode first, so that the
// points per combination go to the mode chosen, then brings the game window up to date.
#include "games/elevens/frmElevens.h"

#include "frame/CustomScoringDialog.h"
#include "games/elevens/ElevensSettings.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <memory>

namespace {
// Every box: the same range, its own message for both ends.
ScoringCheck oneToFiveMillion(const char* box, const char* message) {
    return RangeCheck(box, 1, 5000000, QString::fromLatin1(message));
}

QString comboCaption(int goal) {
    static const char* const words[] = {"ten",      "eleven",   "twelve",
                                        "thirteen", "fourteen", "fifteen"};
    if (goal < 10 || goal > 15) return QStringLiteral("Score awarded for each eleven combination:");
    return QStringLiteral("Score awarded for ") + QLatin1String(words[goal - 10]) +
           QStringLiteral(" combination:");
}

void enableCardBonus(CustomScoringDialog& d, bool on) {
    d.rowLabel("lblCardBonus")->setEnabled(on);
    d.box("txtCardBonus")->setEnabled(on);
}

ScoringForm ElevensForm() {
    ScoringForm f;
    f.dialogName = "frmElevensCustomScoring";
    f.settings = &ElevensScoringTable();
    f.client = QSize(7500, 4545);
    f.noteName = "lblCustom";
    f.note = QStringLiteral(
        "Note: Any high score attained using customized scoring will be denoted by an asterisk "
        "in the High Score table. When reporting high scores for the website, be sure to "
        "indicate if V 7.0 Enahanced Scoring was used.");
    f.notePlace = QRect(120, 120, 7260, 615);
    f.noteBlue = true;
    f.noteStyle = QStringLiteral("background-color: #c0c0c0;");
    f.framePlace = QRect(120, 840, 7260, 2355);
    const auto row = [](const char* label, QString caption, const char* box, int top, int tab,
                        const QString& key) {
        return ScoringBox{label,
                          std::move(caption),
                          box,
                          QRect(240, top + 45, 4995, 240),
                          QRect(5355, top, 1755, 285),
                          tab,
                          key};
    };
    f.boxes = {
        row("lblBouns", "Score required for Bonus Round:", "txtBonus", 300, 0, kElevensBonusRound),
        row("lblCompletion", "Score awarded for upper completion:", "txtCompletion", 705, 1,
            kElevensCompletion),
        row("lblElevenBonus", comboCaption(Shared().CardGoal), "txtElevensBonus", 1110, 2,
            kElevensComboBonus),
        row("lblTimeBonus", "Score awarded for Time Bonus (per second):", "txtTimeBonus", 1515, 3,
            kElevensTimeBonus),
        row("lblCardBonus", "Score for each remaining deck card upon upper completion:",
            "txtCardBonus", 1920, 4, kElevensCardBonus),
    };
    f.switches = {{"chkScoring",
                   "Enable V 7.0 enhanced scoring. For more information about this feature select "
                   "the Rules command from under the Help menu.",
                   QRect(240, 3315, 7020, 450), 5, kElevensScoreMode, false,
                   "color: #0000ff; font-weight: bold;", true}};
    f.ok = {QRect(1087, 3930, 1215, 375), 6};
    f.byDefault = {QRect(3142, 3930, 1215, 375), 7};
    f.cancel = {QRect(5197, 3930, 1215, 375), 8};
    f.checks = {
        oneToFiveMillion("txtBonus", "Sorry, the score required for a Bonus Round must fall "
                                     "between 1 and 5,000,000."),
        oneToFiveMillion("txtCompletion", "Sorry, the score awarded for completing the upper "
                                          "playing area must fall between 1 and 5,000,000."),
        oneToFiveMillion("txtElevensBonus", "Sorry, the score awarded for each eleven "
                                            "combination must fall between 1 and 5,000,000."),
        oneToFiveMillion("txtTimeBonus",
                         "Sorry, the score awarded for each second remaining in the game after "
                         "selecting 'Take Score' must fall between 1 and 5,000,000."),
        oneToFiveMillion("txtCardBonus",
                         "Sorry, the score awarded for each remaining card in the deck after "
                         "completing the upper playing area must fall between 1 and 5,000,000."),
    };
    // Classic scoring pays no card bonus: its box is off, and neither checked nor stored.
    f.checks.back().thenFollowUp = true;
    f.closing = ScoringClose::FirstFailure;
    f.icon = platform::Icon::Exclamation;
    // The dialog opens with the stored mode's own value; only a change of the switch (the
    // player's, or Default's) offers the new mode's default points per combination.
    auto shown = std::make_shared<bool>(Shared().EnhancedScoring);
    f.switched = [shown](CustomScoringDialog& d, const QString&, bool on) {
        enableCardBonus(d, on);
        if (on == *shown) return;
        *shown = on;
        const SettingsTable& t = ElevensSettingsTable();
        d.box("txtElevensBonus")
            ->setText(QString::number(t.defaultOf(on ? kElevensBonusES : kElevensBonus)));
    };
    return f;
}
} // namespace

void frmElevens::ShowCustomScoring() {
    ScoringForm f = ElevensForm();
    f.followUp = [this] {
        SetCardValues(Shared().EnhancedScoring);
        setWindowTitle(ElevensWindowCaption());
        setStatusText(1, BonusRoundStatusText());
        ShowTopScore();
    };
    ShowScoringForm(std::move(f));
}
