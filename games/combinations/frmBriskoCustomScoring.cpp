// The twenty-one combinations game's custom-scoring dialog, on the frame's engine: each box
// tested and stored on its own, a value outside its range storing the limit it passed, and
// the '21 Counter' speed chosen with three option buttons.
#include "games/combinations/frmBrisko.h"

#include "frame/TableScoringDialog.h"
#include "games/combinations/CombinationsSettings.h"
#include "platform/GameTimer.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace {
namespace d = CombinationsDefaults;

struct SpeedOption {
    const char* name;
    const char* caption;
    int speed;
};
constexpr SpeedOption kSpeeds[] = {
    {"optDefault", "&Normal", 90},
    {"optSlow", "&Slow", 180},
    {"optSlowest", "&Any slower and it would be going backwards", 360}};

QString lowMessage(const char* what) {
    return QStringLiteral("Sorry, a minimum of 0 is required for the %1.").arg(what);
}
} // namespace

void frmBrisko::ShowCustomScoring() {
    CombinationsSettings& o = CombinationsOptions();
    SharedState& s = Shared();
    // The wait is shown in seconds and may hold a fraction ("2.5"), which the box keeps.
    auto dialogBox = std::make_shared<TableScoringDialog*>(nullptr);
    auto exact = [dialogBox](const char* name, int32_t rounded, int32_t low, int32_t high) {
        if (!*dialogBox) return double(rounded);
        const auto v = ScoringBoxNumber((*dialogBox)->box(name)->text());
        return v && *v >= low && *v <= high ? *v : double(rounded);
    };

    ScoringTable t;
    t.dialogName = "frmBriskoCustomScoring";
    t.note = "Note: Changing any of the Scoring Options will cause your high scores to be marked "
             "with an * indicating custom scoring was in use.";
    t.rows = {
        {"lblNumberOfCardsToPass",
         "Number of cards user may pass (0 - 10):", "txtNumberOfCardsToPass", 0, d::MaxCardsToPass,
         "Sorry, you cannot pass fewer than 0 cards.", "Sorry, you cannot pass fewer than 0 cards.",
         "Sorry, you cannot pass more than 10 cards.", [&o] { return o.CardsToPass; },
         [&o, exact](int32_t v) {
             // A rejected count is not the round's setting: only an accepted one is kept.
             if (exact("txtNumberOfCardsToPass", -1, 0, d::MaxCardsToPass) >= 0) o.CardsToPass = v;
         },
         d::CardsToPass},
        {"lblWaitPeriod", "Seconds to wait between rounds (0 - 60):", "txtWaitPeriod", 0, 60,
         "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.",
         "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.",
         "Sorry, a maximum of 60 seconds is allowed for the waiting period between rounds.",
         [&o] { return o.WaitPeriod / 1000; },
         [&o, exact](int32_t v) {
             o.WaitPeriod = int32_t(std::llround(exact("txtWaitPeriod", v, 0, 60) * 1000));
         },
         d::WaitPeriod / 1000},
        {"lblCardBonusValue", "Cards Used Bonus Value:", "txtCardsUsedBonus", 0,
         d::MaxCardsUsedBonus, lowMessage("Cards Used bonus score"),
         lowMessage("Cards Used bonus score"),
         "Sorry, the maximum value for the Cards Used bonus score is 5000.",
         [&o] { return o.CardsUsedBonusValue; }, [&o](int32_t v) { o.CardsUsedBonusValue = v; },
         d::CardsUsedBonusValue},
        {"lbl21BonusValue", "Twenty One Bonus Value:", "txt21BonusValue", 0, d::MaxTwentyOneBonus,
         lowMessage("Twenty One bonus score"), lowMessage("Twenty One bonus score"),
         "Sorry, the maximum value for the Twenty One bonus score is 5000.",
         [&o] { return o.TwentyOneBonusValue; }, [&o](int32_t v) { o.TwentyOneBonusValue = v; },
         d::TwentyOneBonusValue},
        {"lblDeckCompletion", "Deck Completion Bonus:", "txtDeckCompletionBonus", 0,
         d::MaxDeckCompletionBonus, lowMessage("Deck Completion Bonus"),
         lowMessage("Deck Completion Bonus"),
         "Sorry, the maximum value for the Deck Completion Bonus is 1000000.",
         [&o] { return o.DeckCompletionBonus; }, [&o](int32_t v) { o.DeckCompletionBonus = v; },
         d::DeckCompletionBonus},
        {"lblGimme", "Five Card Gimme Bonus:", "txtFiveCardGimmeBonus", 0, d::MaxFiveCardsBonus,
         lowMessage("Five Cards Gimme Bonus"), lowMessage("Five Cards Gimme Bonus"),
         "Sorry, the maximum value for the Five Cards Gimme Bonus is 50000.",
         [&o] { return o.FiveCardsBonusValue; }, [&o](int32_t v) { o.FiveCardsBonusValue = v; },
         d::FiveCardsBonusValue},
        {"lblBonus", "Score required for Bonus:", "txtBonus", 0, INT32_MAX,
         lowMessage("bonus round score"), lowMessage("bonus round score"),
         "Sorry, the maximum value for achieving a bonus round is 2147483647.",
         [&s] { return s.BonusRoundScore; }, [&s](int32_t v) { s.BonusRoundScore = v; },
         d::BonusRoundScore},
    };
    t.switches = {{"chkCountScore", "Count down &when taking score",
                   [&s] { return s.CountDownScore; }, [&s](bool on) { s.CountDownScore = on; },
                   d::CountDownScore}};
    t.loaded = [this, dialogBox, &o](TableScoringDialog& dlg) {
        *dialogBox = &dlg;
        dlg.box("txtWaitPeriod")->setText(QString::number(o.WaitPeriod / 1000.0));
        auto* title = new QLabel("21 Counter Speed:", dlg.frmScoringOptions());
        title->setObjectName("lbl21Timer");
        int top = dlg.frmScoringOptions()->height() - Tw(1000);
        title->move(Tw(300), top - Tw(300));
        for (const SpeedOption& option : kSpeeds) {
            auto* b = new QRadioButton(option.caption, dlg.frmScoringOptions());
            b->setObjectName(option.name);
            b->setChecked(timer3_->interval() == option.speed);
            b->move(Tw(300), top);
            b->adjustSize();
            top += Tw(300);
        }
        // The speed is taken first at every OK, whatever the boxes then give.
        connect(dlg.cmdOK(), &QPushButton::pressed, &dlg, [this, &dlg, &o] {
            for (const SpeedOption& option : kSpeeds)
                if (dlg.findChild<QRadioButton*>(option.name)->isChecked()) {
                    o.TimerSpeed = option.speed;
                    timer3_->setInterval(option.speed);
                }
        });
        connect(dlg.cmdDefault(), &QPushButton::clicked, &dlg, [&dlg] {
            dlg.findChild<QRadioButton*>("optDefault")->setChecked(true);
            dlg.box("txtWaitPeriod")->setText("2");
        });
    };
    t.recompute = [this, &s] {
        CheckForCustom();
        setStatusText(1, "Make " + FormatScore(s.BonusRoundScore) + " for bonus round.  ");
    };
    TableScoringDialog dialog(std::move(t), this);
    dialog.setWindowTitle(s.GameTitle + " User Options");
    dialog.frmScoringOptions()->setTitle(s.GameTitle + " Scoring Options");
    platform::ShowModal(dialog);
}
