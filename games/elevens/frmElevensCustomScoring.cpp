#include "games/elevens/frmElevensCustomScoring.h"

#include "dialogs/HighScoreEntry.h"
#include "games/elevens/ElevensSettings.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

namespace {

QString goalLabel(int goal) {
    static const char* const words[] = {"ten",      "eleven",   "twelve",
                                        "thirteen", "fourteen", "fifteen"};
    return QStringLiteral("Score awarded for ") + QLatin1String(words[goal - 10]) +
           QStringLiteral(" combination:");
}

void setCardBonusEnabled(TableScoringDialog& d, bool on) {
    d.rowLabel("lblCardBonus")->setEnabled(on);
    d.box("txtCardBonus")->setEnabled(on);
}

ScoringRow row(const char* label, const char* caption, const char* box, const char* message,
               std::function<int32_t()> value, std::function<void(int32_t)> store,
               int32_t defaultValue) {
    ScoringRow r{label,
                 QString::fromLatin1(caption),
                 box,
                 ElevensDefaults::MinScoringValue,
                 ElevensDefaults::MaxScoringValue,
                 QString::fromLatin1(message),
                 QString(),
                 QString(),
                 std::move(value),
                 std::move(store),
                 defaultValue};
    return r;
}

ScoringTable elevensTable(QWidget* gameWindow, std::function<void()> onApplied) {
    ElevensSettings& o = ElevensOptions();
    SharedState& s = Shared();
    ScoringTable t;
    t.dialogName = "frmElevensCustomScoring";
    t.noteName = "lblCustom";
    t.note = QStringLiteral(
        "Note: Any high score attained using customized scoring will be denoted by an asterisk "
        "in the High Score table. When reporting high scores for the website, be sure to "
        "indicate if V 7.0 Enahanced Scoring was used.");
    t.order = CheckOrder::AllBeforeStoring;
    t.messageIcon = platform::Icon::Exclamation;
    t.rows = {
        row(
            "lblBouns", "Score required for Bonus Round:", "txtBonus",
            "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000.",
            [&o] { return o.BonusRoundScore; }, [&o](int32_t v) { o.BonusRoundScore = v; },
            ElevensDefaults::BonusRoundScore),
        row(
            "lblCompletion", "Score awarded for upper completion:", "txtCompletion",
            "Sorry, the score awarded for completing the upper playing area must fall between 1 "
            "and 5,000,000.",
            [&o] { return o.CompletionBonus; }, [&o](int32_t v) { o.CompletionBonus = v; },
            ElevensDefaults::CompletionBonus),
        // The mode chosen in the dialog decides which of the two values the box holds.
        row(
            "lblElevenBonus", "Score awarded for each eleven combination:", "txtElevensBonus",
            "Sorry, the score awarded for each eleven combination must fall between 1 and "
            "5,000,000.",
            [&o, &s] { return s.EnhancedScoring ? o.BonusES : o.Bonus; },
            [&o, &s](int32_t v) { (s.EnhancedScoring ? o.BonusES : o.Bonus) = v; },
            ElevensDefaults::BonusES),
        row(
            "lblTimeBonus", "Score awarded for Time Bonus (per second):", "txtTimeBonus",
            "Sorry, the score awarded for each second remaining in the game after selecting "
            "'Take Score' must fall between 1 and 5,000,000.",
            [&s] { return s.TimeBonus; }, [&s](int32_t v) { s.TimeBonus = v; },
            ElevensDefaults::TimeBonus),
        row(
            "lblCardBonus",
            "Score for each remaining deck card upon upper completion:", "txtCardBonus",
            "Sorry, the score awarded for each remaining card in the deck after completing the "
            "upper playing area must fall between 1 and 5,000,000.",
            [&o] { return o.CardBonus; }, [&o](int32_t v) { o.CardBonus = v; },
            ElevensDefaults::CardBonus),
    };
    t.switches = {{"chkScoring",
                   QStringLiteral("Enable V 7.0 enhanced scoring. For more information about this "
                                  "feature select the Rules command from under the Help menu."),
                   [&s] { return s.EnhancedScoring; }, [&s](bool on) { s.EnhancedScoring = on; },
                   true}};
    t.loaded = [&s](TableScoringDialog& d) {
        setCardBonusEnabled(d, s.EnhancedScoring);
        if (s.CardGoal >= 10 && s.CardGoal <= 15)
            d.rowLabel("lblElevenBonus")->setText(goalLabel(s.CardGoal));
    };
    // Switching the mode offers that mode's per-combination default.
    t.switchClicked = [](TableScoringDialog& d, const QString&, bool on) {
        setCardBonusEnabled(d, on);
        d.box("txtElevensBonus")
            ->setText(QString::number(on ? ElevensDefaults::BonusES : ElevensDefaults::Bonus));
    };
    t.recompute = [&s] { s.CustomScoring = ElevensScoringIsCustom(); };
    t.accepted = [gameWindow, onApplied = std::move(onApplied)] {
        if (gameWindow) gameWindow->setWindowTitle(ElevensWindowCaption());
        if (onApplied) onApplied();
        const QString table = ElevensTableName();
        const QString topScore = QStringLiteral("50000");
        if (!QFileInfo::exists(HighScoreFilePath(table)))
            CreateHighScoreFile(table, gameWindow, topScore);
        ShowHighScore(table, gameWindow, topScore);
    };
    return t;
}

} // namespace

frmElevensCustomScoring::frmElevensCustomScoring(QWidget* gameWindow,
                                                 std::function<void()> onApplied)
    : TableScoringDialog(elevensTable(gameWindow, std::move(onApplied)), gameWindow) {
    lblCustom = findChild<QLabel*>("lblCustom");
    lblBouns = rowLabel("lblBouns");
    lblCompletion = rowLabel("lblCompletion");
    lblElevenBonus = rowLabel("lblElevenBonus");
    lblTimeBonus = rowLabel("lblTimeBonus");
    lblCardBonus = rowLabel("lblCardBonus");
    txtBonus = box("txtBonus");
    txtCompletion = box("txtCompletion");
    txtElevensBonus = box("txtElevensBonus");
    txtTimeBonus = box("txtTimeBonus");
    txtCardBonus = box("txtCardBonus");
    chkScoring = switchBox("chkScoring");
    cmdOK = TableScoringDialog::cmdOK();
    cmdDefault = TableScoringDialog::cmdDefault();
    cmdCancel = TableScoringDialog::cmdCancel();
}
