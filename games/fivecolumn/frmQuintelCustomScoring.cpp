// The five-column game's custom-scoring dialog, on the frame's engine: each box tested and
// stored on its own; the time bonus must fall, so its maximum is put above its minimum first.
#include "games/fivecolumn/frmQuintel.h"

#include "frame/CustomScoringDialog.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <memory>

namespace {
namespace d = FiveColumnDefaults;

// The number in a box when it lies within [low, high].
std::optional<double> inRange(CustomScoringDialog* dlg, const char* name, double low, double high) {
    if (!dlg) return std::nullopt;
    const auto v = ScoringBoxNumber(dlg->box(name)->text());
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

void checkTimeBonusEnds(CustomScoringDialog& dlg) {
    QLineEdit* max = dlg.box("txtTimeBonusMax");
    const auto m = ScoringBoxNumber(dlg.box("txtTimeBonusMin")->text());
    const auto M = ScoringBoxNumber(max->text());
    if (!m || !M || *M > *m) return;
    platform::MsgBox("Sorry, the maximum time bonus value must be greater than the minimum time "
                     "bonus value.",
                     platform::Buttons::OK, platform::Icon::Information, Shared().GameTitle, &dlg);
    max->setText(QString::number(ScoringWhole(*m) + 1));
}
} // namespace

void frmQuintel::ShowCustomScoring() {
    FiveColumnSettings& o = FiveColumnOptions();
    SharedState& s = Shared();
    auto dialog = std::make_shared<CustomScoringDialog*>(nullptr);
    ScoringTable t;
    t.dialogName = "frmQuintelCustomScoring";
    t.note = "Note: Changing any of the Scoring Options or the number of cards a user may pass "
             "will cause your high scores to be marked with an * indicating custom scoring was "
             "in use.";
    t.rows = {
        {"lblNumberOfCardsToPass",
         "Number of cards user may pass (0 - 10):", "txtNumberOfCardsToPass", 0, d::MaxCardsToPass,
         "Sorry, you cannot pass fewer than 0 cards.", "Sorry, you cannot pass fewer than 0 cards.",
         "Sorry, you cannot pass more than 10 cards.", [&o] { return o.CardsToPass; },
         [&o, dialog](int32_t v) {
             // A rejected count is not the round's setting: only an accepted one is kept.
             if (inRange(*dialog, "txtNumberOfCardsToPass", 0, d::MaxCardsToPass))
                 o.CardsToPass = v;
         },
         d::CardsToPass},
        {"lblWaitPeriod", "Seconds to wait between rounds (0 - 30):", "txtWaitPeriod", 0, 30,
         "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.",
         "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.",
         "Sorry, a maximum of 30 seconds is allowed for the waiting period between rounds.",
         [&o] { return o.WaitPeriod / 1000; },
         [&o, dialog](int32_t v) {
             // The box may hold a fraction of a second ("2.5"), which is kept.
             o.WaitPeriod =
                 int32_t(std::llround(inRange(*dialog, "txtWaitPeriod", 0, 30).value_or(v) * 1000));
         },
         d::WaitPeriod / 1000},
        {"lblBonus", "Score required for Bonus:", "txtBonus", 0, INT32_MAX,
         "Sorry, a minimum of 0 is required for the bonus round score.",
         "Sorry, a minimum of 0 is required for the bonus round score.",
         "Sorry, the maximum value for achieving a bonus round is 2147483647.",
         [&s] { return s.BonusScore; }, [&s](int32_t v) { s.BonusScore = v; }, d::BonusScore},
        {"lblMaxTimeBonus", "Maximum Time Bonus value:", "txtTimeBonusMax", 1, d::TimeBonusLimit,
         "Sorry, the maximum time bonus value must be greater than 0.",
         "Sorry, the maximum time bonus value must be greater than 0.",
         "Sorry, the maximum time bonus value must not exceed 10000.",
         [&o] { return o.TimeBonusMax; },
         [&o, dialog](int32_t v) {
             if (inRange(*dialog, "txtTimeBonusMax", 1, d::TimeBonusLimit)) o.TimeBonusMax = v;
         },
         d::TimeBonusMax},
        {"lblMinTimeBonus", "Minimum Time Bonus value:", "txtTimeBonusMin", 1, d::TimeBonusLimit,
         "Sorry, the minimum time bonus value must be greater than 0.",
         "Sorry, the minimum time bonus value must be greater than 0.",
         "Sorry, the minimum time bonus value must not exceed 10000.",
         [&o] { return o.TimeBonusMin; },
         [&o, dialog](int32_t v) {
             if (inRange(*dialog, "txtTimeBonusMin", 1, d::TimeBonusLimit)) o.TimeBonusMin = v;
         },
         d::TimeBonusMin},
    };
    t.switches = {{"chkCountScore", "Count down &when taking score",
                   [&s] { return s.CountDownScore; }, [&s](bool on) { s.CountDownScore = on; },
                   d::CountDownScore}};
    t.loaded = [dialog, &o](CustomScoringDialog& dlg) {
        *dialog = &dlg;
        dlg.box("txtWaitPeriod")->setText(QString::number(o.WaitPeriod / 1000.0));
        // The ends of the time bonus are put in order before the boxes are checked.
        QObject::connect(dlg.cmdOK(), &QPushButton::pressed, &dlg,
                         [&dlg] { checkTimeBonusEnds(dlg); });
    };
    t.recompute = [this, &s] {
        CheckForCustom();
        setStatusText(1, "Make " + FormatScore(s.BonusScore) + " for bonus round.  ");
    };
    CustomScoringDialog dlg(std::move(t), this);
    dlg.setWindowTitle(s.GameTitle + " User Options");
    dlg.frmScoringOptions()->setTitle(s.GameTitle + " Scoring Options");
    platform::ShowModal(dlg);
}
