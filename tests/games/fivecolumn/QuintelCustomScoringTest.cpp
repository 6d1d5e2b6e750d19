// The five-column game's custom-scoring dialog, driven from the window's menu item.
#include "../ScoringDialogTestSupport.h"
#include "QuintelWindowTestSupport.h"

using namespace scoringtest;

namespace {
class QuintelCustomScoringTest : public QuintelWindowTest {
  protected:
    void SetUp() override { w = open(); }
    void defaults() {
        FiveColumnOptions() = kDefaults;
        Shared().BonusScore = 200000;
        Shared().CountDownScore = true;
    }
    std::unique_ptr<frmQuintel> w;
};

const char* const kMore = "Sorry, you cannot pass more than 10 cards.";
const char* const kFewer = "Sorry, you cannot pass fewer than 0 cards.";
const char* const kWaitMost =
    "Sorry, a maximum of 30 seconds is allowed for the waiting period between rounds.";
const char* const kWaitLeast =
    "Sorry, a minimum of 0 seconds is required for the waiting period between rounds.";
const char* const kBonusLeast = "Sorry, a minimum of 0 is required for the bonus round score.";
const char* const kBonusMost =
    "Sorry, the maximum value for achieving a bonus round is 2147483647.";
const char* const kMaxOrder =
    "Sorry, the maximum time bonus value must be greater than the minimum time bonus value.";
const char* const kMaxMost = "Sorry, the maximum time bonus value must not exceed 10000.";
const char* const kMinOrder =
    "Sorry, the minimum time bonus value must be less than the maximum time bonus value.";
const char* const kMinLeast = "Sorry, the minimum time bonus value must be greater than 0.";
} // namespace

TEST_F(QuintelCustomScoringTest, TabRunsInTheDesignOrderFromTheBonusBox) {
    EXPECT_EQ(TabOrderOf(*w), (QStringList{"txtBonus", "txtTimeBonusMax", "txtTimeBonusMin",
                                           "txtWaitPeriod", "txtNumberOfCardsToPass",
                                           "chkCountScore", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(QuintelCustomScoringTest, EachBoxReadsItsLeadingNumber) {
    const std::vector<BoxCase> cases = {
        // Passes: a refused count keeps the setting.
        {"txtNumberOfCardsToPass", "12abc", 1, kMore},
        {"txtNumberOfCardsToPass", "3abc", 3, nullptr},
        {"txtNumberOfCardsToPass", "abc", 0, nullptr},
        {"txtNumberOfCardsToPass", "", 0, nullptr},
        {"txtNumberOfCardsToPass", " 7000", 1, kMore},
        {"txtNumberOfCardsToPass", "80,000", 1, kMore},
        {"txtNumberOfCardsToPass", "-1", 1, kFewer},
        {"txtNumberOfCardsToPass", "11", 1, kMore},
        // The wait, in seconds, kept in milliseconds; a value out of range stores the bound.
        {"txtWaitPeriod", "12abc", 12000, nullptr},
        {"txtWaitPeriod", "abc", 0, nullptr},
        {"txtWaitPeriod", "", 0, nullptr},
        {"txtWaitPeriod", " 7000", 30000, kWaitMost},
        {"txtWaitPeriod", "80,000", 30000, kWaitMost},
        {"txtWaitPeriod", "-1", 0, kWaitLeast},
        {"txtWaitPeriod", "31", 30000, kWaitMost},
        {"txtWaitPeriod", "2.5", 2500, nullptr},
        {"txtBonus", "12abc", 12, nullptr},
        {"txtBonus", "abc", 0, nullptr},
        {"txtBonus", "", 0, nullptr},
        {"txtBonus", " 7000", 7000, nullptr},
        {"txtBonus", "80,000", 80000, nullptr},
        {"txtBonus", "-1", 0, kBonusLeast},
        {"txtBonus", "2147483648", 2147483647, kBonusMost},
        {"txtBonus", "99999999999999999999", 2147483647, kBonusMost},
        // The maximum against the minimum box's 100: no failure stores anything.
        {"txtTimeBonusMax", "12abc", 300, kMaxOrder},
        {"txtTimeBonusMax", "abc", 300, kMaxOrder},
        {"txtTimeBonusMax", "", 300, kMaxOrder},
        {"txtTimeBonusMax", " 7000", 7000, nullptr},
        {"txtTimeBonusMax", "80,000", 300, kMaxMost},
        {"txtTimeBonusMax", "100", 300, kMaxOrder},
        {"txtTimeBonusMax", "10001", 300, kMaxMost},
        // The minimum: the maximum's check runs first against it and puts the maximum's box
        // above it, so the minimum passes against that box; the maximum in force stays 300,
        // and a minimum not below it is not kept.
        {"txtTimeBonusMin", "12abc", 12, nullptr},
        {"txtTimeBonusMin", "abc", 100, kMinLeast},
        {"txtTimeBonusMin", "", 100, kMinLeast},
        {"txtTimeBonusMin", " 7000", 100, kMaxOrder},
        {"txtTimeBonusMin", "80,000", 100, kMaxOrder,
         "Sorry, the minimum time bonus value must not exceed 10000."},
        {"txtTimeBonusMin", "0", 100, kMinLeast},
        {"txtTimeBonusMin", "300", 100, kMaxOrder},
        // Below the maximum as read, equal to it once rounded: not kept, and said so.
        {"txtTimeBonusMin", "299.5", 100, kMinOrder},
    };
    RunBoxCases(
        *w, cases, [this] { defaults(); },
        [](const char* box) -> int32_t {
            const QString b = QLatin1String(box);
            const FiveColumnSettings& o = FiveColumnOptions();
            if (b == "txtNumberOfCardsToPass") return o.CardsToPass;
            if (b == "txtWaitPeriod") return o.WaitPeriod;
            if (b == "txtBonus") return Shared().BonusScore;
            return b == "txtTimeBonusMax" ? o.TimeBonusMax : o.TimeBonusMin;
        });
}

TEST_F(QuintelCustomScoringTest, FailedBoxesGetTheirTextAndTheLaterChecksStillRun) {
    // Max 100 and min 100: one message, the maximum becomes 101 and the minimum passes.
    defaults();
    OkOutcome out = PressOk(
        *w,
        [](CustomScoringDialog& d) {
            d.box("txtTimeBonusMax")->setText("100");
            d.box("txtTimeBonusMin")->setText("100");
        },
        "txtTimeBonusMax");
    EXPECT_EQ(out.messages, std::vector<QString>{kMaxOrder});
    EXPECT_EQ(out.boxText, "101");
    EXPECT_FALSE(out.closed);
    EXPECT_EQ(FiveColumnOptions().TimeBonusMax, 300);
    EXPECT_EQ(FiveColumnOptions().TimeBonusMin, 100);

    // Cards to pass 12 and wait 45 in one click.
    defaults();
    QString passes, wait;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtNumberOfCardsToPass")->setText("12");
        d.box("txtWaitPeriod")->setText("45");
        d.cmdOK()->click();
        passes = d.box("txtNumberOfCardsToPass")->text();
        wait = d.box("txtWaitPeriod")->text();
        EXPECT_EQ(d.focusWidget(), d.box("txtWaitPeriod"));
        // Only the focused box looks selected.
        EXPECT_EQ(d.box("txtWaitPeriod")->selectedText(), "30");
        EXPECT_FALSE(d.box("txtNumberOfCardsToPass")->hasSelectedText());
        EXPECT_NE(d.result(), QDialog::Accepted);
    });
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), (std::vector<QString>{kMore, kWaitMost}));
    EXPECT_EQ(passes, "10");
    EXPECT_EQ(wait, "30");
    EXPECT_EQ(FiveColumnOptions().WaitPeriod, 30000);
    EXPECT_EQ(FiveColumnOptions().CardsToPass, 1);
}

TEST_F(QuintelCustomScoringTest, AMinimumIsNeverStoredAgainstALowerMaximum) {
    // The maximum's box is reset above the minimum, but the maximum in force stays 300.
    defaults();
    PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtTimeBonusMax")->setText("5000");
        d.box("txtTimeBonusMin")->setText("10000");
    });
    EXPECT_EQ(FiveColumnOptions().TimeBonusMax, 300);
    EXPECT_EQ(FiveColumnOptions().TimeBonusMin, 100);
    // A maximum stored below the minimum in force while the minimum itself fails.
    defaults();
    PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtTimeBonusMax")->setText("50");
        d.box("txtTimeBonusMin")->setText("0");
    });
    EXPECT_EQ(FiveColumnOptions().TimeBonusMax, 300);
    EXPECT_EQ(FiveColumnOptions().TimeBonusMin, 100);
    EXPECT_GT(CurrentTimeBonusStep(), 0.0f);
}

TEST_F(QuintelCustomScoringTest, ACleanOkStoresTheSwitchMarksCustomAndRewritesTheStatusBar) {
    defaults();
    FiveColumnOptions().WaitPeriod = 2500;
    QString shown;
    const OkOutcome out = PressOk(*w, [&shown](CustomScoringDialog& d) {
        shown = d.box("txtWaitPeriod")->text();
        d.box("txtBonus")->setText("150,000");
        d.switchBox("chkCountScore")->setChecked(false);
    });
    EXPECT_EQ(shown, "2.5");
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(FiveColumnOptions().WaitPeriod, 2500);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 150,000 for bonus round.  ");

    // Only the wait and the count-down changed: not custom.
    defaults();
    PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtWaitPeriod")->setText("5");
        d.switchBox("chkCountScore")->setChecked(false);
    });
    EXPECT_FALSE(Shared().CustomScoring);

    // A failed OK then Cancel: the stored bound is marked.
    defaults();
    PressOk(*w, [](CustomScoringDialog& d) { d.box("txtBonus")->setText("-3"); });
    EXPECT_EQ(Shared().BonusScore, 0);
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(QuintelCustomScoringTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    Shared().BonusScore = 5;
    FiveColumnOptions().CardsToPass = 4;
    Shared().CustomScoring = true;
    const QString status = w->statusText(1);
    QStringList texts;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b : {"txtBonus", "txtTimeBonusMax", "txtTimeBonusMin", "txtWaitPeriod",
                              "txtNumberOfCardsToPass"})
            texts << d.box(b)->text();
        EXPECT_TRUE(d.switchBox("chkCountScore")->isChecked());
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"200000", "300", "100", "2", "1"}));
    EXPECT_TRUE(script.texts().empty());
    EXPECT_EQ(Shared().BonusScore, 5);
    EXPECT_EQ(FiveColumnOptions().CardsToPass, 4);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), status);
}

TEST_F(QuintelCustomScoringTest, CaptionsAreWholeAndTheShortBoxesTakeTwoCharacters) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        ExpectCaptionsFit(d);
        // Three scoring rows in the frame, the wait and the passes below it.
        EXPECT_EQ(d.box("txtBonus")->parentWidget(), static_cast<QWidget*>(d.frame()));
        EXPECT_EQ(d.box("txtWaitPeriod")->parentWidget(), &d);
        QLineEdit* passes = d.box("txtNumberOfCardsToPass");
        passes->setFocus();
        passes->selectAll();
        for (const char c : {'1', '2', '3'}) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + (c - '0'), Qt::NoModifier,
                          QString(QLatin1Char(c)));
            QCoreApplication::sendEvent(passes, &key);
        }
        EXPECT_EQ(passes->text(), "12");
    });
    w->mnuCustom_Click();
}
