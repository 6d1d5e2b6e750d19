// The twenty-one combinations game's custom-scoring dialog, driven from the window's menu item.
#include "../../GameWindowTestSupport.h"
#include "../ScoringDialogTestSupport.h"
#include "games/combinations/CombinationsSettings.h"
#include "games/combinations/frmBrisko.h"
#include "platform/GameTimer.h"

#include <QRadioButton>

using namespace scoringtest;

namespace {
class BriskoCustomScoringTest : public testsupport::GameWindowTest {
  protected:
    BriskoCustomScoringTest() : GameWindowTest("frmBrisko") {}
    void SetUp() override {
        GameWindowTest::SetUp();
        w = open<frmBrisko>();
    }
    static void defaults() {
        ResetCombinationsDefaults();
        Shared().CustomScoring = false;
    }
    std::unique_ptr<frmBrisko> w;
};

const char* const kMore = "Sorry, you cannot pass more than 10 cards.";
const char* const kFewer = "Sorry, you cannot pass fewer than 0 cards.";
const char* const kWaitLeast =
    "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.";
const char* const kWaitMost =
    "Sorry, a maximum of 60 seconds is allowed for the waiting period between rounds.";
const char* const kUsedLeast = "Sorry, a minimum of 0 is required for the Cards Used bonus score.";
const char* const kUsedMost = "Sorry, the maximum value for the Cards Used bonus score is 5000.";
const char* const kTwentyOneLeast =
    "Sorry, a minimum of 0 is required for the Twenty One bonus score.";
const char* const kTwentyOneMost =
    "Sorry, the maximum value for the Twenty One bonus score is 5000.";
const char* const kDeckLeast = "Sorry, a minimum of 0 is required for the Deck Completion Bonus.";
const char* const kDeckMost = "Sorry, the maximum value for the Deck Completion Bonus is 1000000.";
const char* const kGimmeLeast = "Sorry, a minimum of 0 is required for the Five Cards Gimme Bonus.";
const char* const kGimmeMost = "Sorry, the maximum value for the Five Cards Gimme Bonus is 50000.";
const char* const kBonusLeast = "Sorry, a minimum of 0 is required for the bonus round score.";
const char* const kBonusMost =
    "Sorry, the maximum value for achieving a bonus round is 2147483647.";

const char* const kBoxes[] = {"txtBonus",
                              "txt21BonusValue",
                              "txtCardsUsedBonus",
                              "txtDeckCompletionBonus",
                              "txtFiveCardGimmeBonus",
                              "txtNumberOfCardsToPass",
                              "txtWaitPeriod"};
} // namespace

TEST_F(BriskoCustomScoringTest, TabRunsByTabIndexThroughTheSpeedsFromTheBonusBox) {
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtBonus", "txt21BonusValue", "txtCardsUsedBonus",
                           "txtDeckCompletionBonus", "txtFiveCardGimmeBonus",
                           "txtNumberOfCardsToPass", "optDefault", "optSlow", "optSlowest",
                           "txtWaitPeriod", "chkCountScore", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(BriskoCustomScoringTest, EachBoxReadsItsLeadingNumberAndAValueOutOfRangeStoresTheBound) {
    std::vector<BoxCase> cases = {
        // A refused count of passes is not kept.
        {"txtNumberOfCardsToPass", "12abc", 3, kMore},
        {"txtNumberOfCardsToPass", "abc", 0, nullptr},
        {"txtNumberOfCardsToPass", "", 0, nullptr},
        {"txtNumberOfCardsToPass", " 7000", 3, kMore},
        {"txtNumberOfCardsToPass", "80,000", 3, kMore},
        {"txtNumberOfCardsToPass", "-1", 3, kFewer},
        {"txtNumberOfCardsToPass", "11", 3, kMore},
        {"txtNumberOfCardsToPass", "10", 10, nullptr},
        // The wait in seconds, kept in milliseconds.
        {"txtWaitPeriod", "12abc", 12000, nullptr},
        {"txtWaitPeriod", "abc", 0, nullptr},
        {"txtWaitPeriod", "", 0, nullptr},
        {"txtWaitPeriod", " 7000", 60000, kWaitMost},
        {"txtWaitPeriod", "80,000", 60000, kWaitMost},
        {"txtWaitPeriod", "-1", 0, kWaitLeast},
        {"txtWaitPeriod", "61", 60000, kWaitMost},
        {"txtWaitPeriod", "45", 45000, nullptr},
        {"txtWaitPeriod", "2.5", 2500, nullptr},
    };
    for (const auto& part :
         {CasesFromZero("txtCardsUsedBonus", 5000, kUsedLeast, kUsedMost),
          CasesFromZero("txt21BonusValue", 5000, kTwentyOneLeast, kTwentyOneMost),
          CasesFromZero("txtDeckCompletionBonus", 1000000, kDeckLeast, kDeckMost),
          CasesFromZero("txtFiveCardGimmeBonus", 50000, kGimmeLeast, kGimmeMost),
          CasesFromZero("txtBonus", 2147483647, kBonusLeast, kBonusMost)})
        cases.insert(cases.end(), part.begin(), part.end());
    cases.push_back({"txtBonus", "99999999999999999999", 2147483647, kBonusMost});
    RunBoxCases(*w, cases, defaults, [](const char* box) -> int32_t {
        const QString b = QLatin1String(box);
        const CombinationsSettings& o = CombinationsOptions();
        if (b == "txtNumberOfCardsToPass") return o.CardsToPass;
        if (b == "txtWaitPeriod") return o.WaitPeriod;
        if (b == "txtCardsUsedBonus") return o.CardsUsedBonusValue;
        if (b == "txt21BonusValue") return o.TwentyOneBonusValue;
        if (b == "txtDeckCompletionBonus") return o.DeckCompletionBonus;
        if (b == "txtFiveCardGimmeBonus") return o.FiveCardsBonusValue;
        return Shared().BonusRoundScore;
    });
}

TEST_F(BriskoCustomScoringTest, RefusedPassesAndABonusOfNinetyNineInOneClick) {
    defaults();
    QString passes;
    bool focusOnPasses = false;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtNumberOfCardsToPass")->setText("11");
        d.box("txtBonus")->setText("99");
        d.cmdOK()->click();
        passes = d.box("txtNumberOfCardsToPass")->text();
        focusOnPasses = d.focusWidget() == d.box("txtNumberOfCardsToPass");
        EXPECT_NE(d.result(), QDialog::Accepted);
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), std::vector<QString>{kMore});
    EXPECT_EQ(passes, "10");
    EXPECT_TRUE(focusOnPasses);
    EXPECT_EQ(CombinationsOptions().CardsToPass, 3);
    EXPECT_EQ(Shared().BonusRoundScore, 99);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 99 for bonus round.  ");
}

TEST_F(BriskoCustomScoringTest, TheSpeedIsTakenFirstAndTheCounterStepsAtItAtOnce) {
    // Slow with a failing box: the speed is stored all the same.
    defaults();
    OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) {
        d.option("optSlow")->setChecked(true);
        d.box("txt21BonusValue")->setText("-5");
    });
    EXPECT_FALSE(out.closed);
    EXPECT_EQ(out.messages, std::vector<QString>{kTwentyOneLeast});
    EXPECT_EQ(CombinationsOptions().TimerSpeed, 180);
    EXPECT_EQ(w->Timer3()->interval(), 180);
    EXPECT_TRUE(Shared().CustomScoring);

    // Any slower: 360; the next opening shows it selected.
    defaults();
    out = PressOk(*w, [](CustomScoringDialog& d) { d.option("optSlowest")->setChecked(true); });
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(w->Timer3()->interval(), 360);
    bool slowest = false;
    {
        platform::ModalDriver driver([&slowest](QDialog& dialog) {
            auto& d = static_cast<CustomScoringDialog&>(dialog);
            slowest = d.option("optSlowest")->isChecked() && !d.option("optDefault")->isChecked();
        });
        w->mnuCustom_Click();
    }
    EXPECT_TRUE(slowest);

    // Only the Twenty One bonus, the wait and the count-down changed: not custom.
    defaults();
    out = PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txt21BonusValue")->setText("2000");
        d.box("txtWaitPeriod")->setText("5");
        d.switchBox("chkCountScore")->setChecked(false);
    });
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(CombinationsOptions().TwentyOneBonusValue, 2000);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(BriskoCustomScoringTest, ABonusRoundScoreRefusedKeepsTheCountDownAndTheStatusBar) {
    defaults();
    const QString status = w->statusText(1);
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtBonus")->setText("-7");
        d.switchBox("chkCountScore")->setChecked(false);
    });
    EXPECT_EQ(out.messages, std::vector<QString>{kBonusLeast});
    EXPECT_EQ(Shared().BonusRoundScore, 0);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_TRUE(Shared().CustomScoring); // the bound stored is marked, Cancel or not
}

TEST_F(BriskoCustomScoringTest, AFractionalWaitShowsAgainAndDefaultThenOkRestoresEverything) {
    defaults();
    CombinationsOptions().WaitPeriod = 2500;
    CombinationsOptions().CardsToPass = 7;
    CombinationsOptions().TimerSpeed = 360;
    Shared().CountDownScore = false;
    QString wait;
    const OkOutcome out = PressOk(*w, [&wait](CustomScoringDialog& d) {
        wait = d.box("txtWaitPeriod")->text();
        d.cmdDefault()->click();
    });
    EXPECT_EQ(wait, "2.5");
    EXPECT_TRUE(out.closed);
    const CombinationsSettings& o = CombinationsOptions();
    EXPECT_EQ(o.WaitPeriod, 2000);
    EXPECT_EQ(o.CardsToPass, 3);
    EXPECT_EQ(o.TimerSpeed, 90);
    EXPECT_EQ(o.TwentyOneBonusValue, 1000);
    EXPECT_EQ(o.CardsUsedBonusValue, 100);
    EXPECT_EQ(o.DeckCompletionBonus, 100000);
    EXPECT_EQ(o.FiveCardsBonusValue, 750);
    EXPECT_EQ(Shared().BonusRoundScore, 250000);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(w->Timer3()->interval(), 90);
}

TEST_F(BriskoCustomScoringTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    CombinationsOptions().DeckCompletionBonus = 5;
    CombinationsOptions().TimerSpeed = 180;
    Shared().BonusRoundScore = 123;
    Shared().CustomScoring = true;
    const QString status = w->statusText(1);
    QStringList texts;
    bool normal = false;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b : kBoxes)
            texts << d.box(b)->text();
        normal = d.option("optDefault")->isChecked() && d.switchBox("chkCountScore")->isChecked();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"250000", "1000", "100", "100000", "750", "3", "2"}));
    EXPECT_TRUE(normal);
    EXPECT_TRUE(script.texts().empty());
    EXPECT_EQ(CombinationsOptions().DeckCompletionBonus, 5);
    EXPECT_EQ(CombinationsOptions().TimerSpeed, 180);
    EXPECT_EQ(Shared().BonusRoundScore, 123);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), status);
}

TEST_F(BriskoCustomScoringTest, TheSpeedsLieInTheFrameUnderTheirHeadingAndTakeAClick) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.show();
        ExpectCaptionsFit(d);
        QWidget* frame = d.frame();
        auto* heading = d.findChild<QLabel*>("lbl21Timer");
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->parentWidget(), frame);
        EXPECT_EQ(heading->text(), "21 Counter Speed:");
        EXPECT_TRUE(heading->isVisible());
        // The frame's title takes the top of the frame: every control lies below it.
        const int titleBottom = frame->fontMetrics().height();
        for (QWidget* c : frame->findChildren<QWidget*>())
            EXPECT_GE(c->y(), titleBottom) << c->objectName().toStdString();
        int below = heading->geometry().bottom();
        for (const char* name : {"optDefault", "optSlow", "optSlowest"}) {
            QRadioButton* o = d.option(name);
            EXPECT_EQ(o->parentWidget(), frame) << name;
            EXPECT_TRUE(o->isVisible()) << name;
            EXPECT_GT(o->y(), below) << name; // each under the one before
            below = o->geometry().bottom();
            // Nothing covers it: a click at its middle reaches it and selects it.
            const QPoint middle = o->rect().center();
            EXPECT_EQ(d.childAt(o->mapTo(&d, middle)), o) << name;
            QMouseEvent down(QEvent::MouseButtonPress, middle, o->mapToGlobal(middle),
                             Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent up(QEvent::MouseButtonRelease, middle, o->mapToGlobal(middle),
                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(o, &down);
            QCoreApplication::sendEvent(o, &up);
            EXPECT_TRUE(o->isChecked()) << name;
        }
        // The wait and the count-down stand below the frame.
        EXPECT_EQ(d.box("txtWaitPeriod")->parentWidget(), &d);
        EXPECT_GT(d.box("txtWaitPeriod")->y(), frame->geometry().bottom());
        EXPECT_EQ(d.box("txtBonus")->parentWidget(), frame);
        d.hide();
    });
    w->mnuCustom_Click();
}

TEST_F(BriskoCustomScoringTest, ThePassesAndTheWaitTakeTwoCharacters) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        for (const char* name : {"txtNumberOfCardsToPass", "txtWaitPeriod"}) {
            QLineEdit* b = d.box(name);
            b->setFocus();
            b->selectAll();
            for (const char c : {'1', '2', '3'}) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier,
                              QString(QLatin1Char(c)));
                QCoreApplication::sendEvent(b, &key);
            }
            EXPECT_EQ(b->text(), "12") << name;
        }
    });
    w->mnuCustom_Click();
}
