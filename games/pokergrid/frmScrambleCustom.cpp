#include "games/pokergrid/frmScrambleCustom.h"

#include "games/pokergrid/PokerGridCustomScoring.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "services/HighScoreMail.h"
#include "services/SharedState.h"

#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {
constexpr int kRowTop = 300;
constexpr int kRowStep = 390;

using Replacements = frmScrambleCustom::Replacements;

ScoringTable scrambleTable(const std::shared_ptr<Replacements>& replaced,
                           std::function<void()> applied, std::function<void()> bonusAccepted) {
    ScoringTable t;
    t.dialogName = "frmScrambleCustom";
    t.note = QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores "
                            "to be marked with an * indicating custom scoring was in use.");
    t.order = CheckOrder::StoreEach;
    t.frameWidth = 4470;
    const auto& rows = PokerGridScoringRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const PokerGridScoringRow& r = rows[i];
        const int top = kRowTop + kRowStep * r.screenRow;
        auto store = [&r, i, replaced, bonusAccepted](int32_t v) {
            const bool out = replaced->outOfRange[i];
            r.variable() = out ? r.outOfRange : v;
            // Only a threshold within range is announced in the status bar.
            if (!out && bonusAccepted && QLatin1String(r.box) == "txtBonusScore") bonusAccepted();
        };
        t.rows.push_back(ScoringRow{r.label, QString::fromLatin1(r.caption), r.box, 0, r.max,
                                    r.message, QString(), QString(), [&r] { return r.variable(); },
                                    std::move(store), r.defaultValue,
                                    QRect(120, top + 30, 3120, 285), QRect(3360, top, 960, 285)});
    }
    t.switches = {{"chkCountDown", QStringLiteral("&Count Down when taking score"),
                   [] { return Shared().CountDownScore; },
                   [](bool on) { Shared().CountDownScore = on; }, true}};
    t.recompute = [replaced, applied = std::move(applied)] {
        const auto& rows = PokerGridScoringRows();
        for (size_t i = 0; i < rows.size(); ++i) {
            if (!replaced->outOfRange[i] || !replaced->dialog) continue;
            replaced->dialog->box(rows[i].box)->setText(QString::number(rows[i].outOfRange));
        }
        replaced->outOfRange.assign(rows.size(), false);
        if (applied) applied();
    };
    return t;
}
} // namespace

frmScrambleCustom::frmScrambleCustom(QWidget* gameWindow, std::function<void()> applied,
                                     std::function<void()> bonusAccepted)
    : frmScrambleCustom(gameWindow, std::move(applied), std::move(bonusAccepted),
                        std::make_shared<Replacements>()) {}

frmScrambleCustom::frmScrambleCustom(QWidget* gameWindow, std::function<void()> applied,
                                     std::function<void()> bonusAccepted,
                                     std::shared_ptr<Replacements> replacements)
    : TableScoringDialog(scrambleTable(replacements, std::move(applied), std::move(bonusAccepted)),
                          gameWindow),
      replacements_(std::move(replacements)) {
    replacements_->outOfRange.assign(PokerGridScoringRows().size(), false);
    replacements_->dialog = this;
    // Pressing OK (by the mouse, the keyboard or the default button) comes before its check.
    connect(cmdOK(), &QPushButton::pressed, this, [this] { prepareBoxes(); });
}

void frmScrambleCustom::prepareBoxes() {
    const auto& rows = PokerGridScoringRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        QLineEdit* b = box(rows[i].box);
        // A number too large to hold counts as out of range.
        const double v = LeadingNumber(b->text());
        const bool out = !std::isfinite(v) || v < 0 || v > rows[i].max;
        replacements_->outOfRange[i] = out;
        // The engine then sees a plain number: below its range when this box is out of it.
        b->setText(out ? QStringLiteral("-1") : QString::number(v, 'f', 10));
    }
}
