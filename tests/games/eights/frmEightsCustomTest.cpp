// The wild-eights game's user-options dialog, driven from the window's menu item: the tab
// order, what each box stores for a range of texts and which message it shows, the deck
// bonus that gates the switch and the status bar, the bold note and caption, Default and
// Cancel.
#include "../ScoringDialogTestSupport.h"
#include "EightsWindowTestSupport.h"

#include <deque>

using namespace scoringtest;

namespace {
class EightsCustomTest : public EightsWindowTest {
  protected:
    void SetUp() override {
        EightsWindowTest::SetUp();
        w = open<frmEights>();
        w->show();
    }
    static void defaults() {
        ResetEightsLoadDefaults();
        Shared().CustomScoring = false;
    }
    static int32_t stored(const char* box) {
        const QString b = QLatin1String(box);
        if (b == "txtBonus") return Shared().BonusScore;
        if (b == "txtTimeBonus") return Shared().TimeBonus;
        return EightsOptions().EightsCompleteBonus;
    }
    std::unique_ptr<frmEights> w;
};

const char* const kBonusLeast =
    "Sorry, a minimum score of 0 is required for the bonus round score.";
const char* const kBonusMost =
    "Sorry, the maximum value for achieving a bonus round is 100,000,000.";
const char* const kTimeLeast = "Sorry, the maximum time bonus value must be greater than 0.";
const char* const kTimeMost = "Sorry, the maximum time bonus value must not exceed 10,000.";
const char* const kDeckLeast =
    "Sorry, the minimum bonus for completing the deck must be 0 or greater.";
const char* const kDeckMost =
    "Sorry, the maximum time bonus for completing the deck must not exceed 2,000,000.";
} // namespace

TEST_F(EightsCustomTest, TabRunsThroughTheBoxesTheSwitchAndTheButtons) {
    EXPECT_EQ(TabOrderOf(*w), (QStringList{"txtBonus", "txtTimeBonus", "txtEightsCompleteBonus",
                                           "chkCountScore", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(EightsCustomTest, OpensWithTheValuesInForceTheNoteAndCaptionBold) {
    Shared().BonusScore = 1234;
    Shared().CountDownScore = false;
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        EXPECT_EQ(d.objectName(), "frmEightsCustom");
        EXPECT_EQ(d.windowTitle(), "Wildrow! User Options");
        EXPECT_EQ(d.frame()->objectName(), "frmCustomScoring");
        EXPECT_EQ(d.frame()->title(), "Wildrow! Scoring Options");
        EXPECT_EQ(d.box("txtBonus")->text(), "1234");
        EXPECT_EQ(d.box("txtTimeBonus")->text(), "100");
        EXPECT_EQ(d.box("txtEightsCompleteBonus")->text(), "50000");
        EXPECT_FALSE(d.switchBox("chkCountScore")->isChecked());
        QLabel* note = d.rowLabel("lblInfo");
        ASSERT_NE(note, nullptr);
        note->ensurePolished();
        d.frame()->ensurePolished();
        EXPECT_TRUE(note->font().bold());
        EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(Qt::blue));
        EXPECT_TRUE(d.frame()->font().bold());
        ExpectCaptionsFit(d);
    });
    w->mnuCustom_Click();
    EXPECT_EQ(driver.shown(), 1);
}

TEST_F(EightsCustomTest, EachBoxReadsItsLeadingNumberAndOnlyTheBonusRoundStoresItsLimit) {
    const std::vector<BoxCase> cases = {
        {"txtBonus", "12abc", 12, nullptr},
        {"txtBonus", "abc", 0, nullptr},
        {"txtBonus", "", 0, nullptr},
        {"txtBonus", " 7000", 7000, nullptr},
        {"txtBonus", "80,000", 80000, nullptr},
        {"txtBonus", "-1", 0, kBonusLeast},
        {"txtBonus", "100000001", 100000000, kBonusMost},
        {"txtBonus", "100000000", 100000000, nullptr},
        {"txtTimeBonus", "12abc", 12, nullptr},
        {"txtTimeBonus", "abc", 100, kTimeLeast},
        {"txtTimeBonus", "", 100, kTimeLeast},
        {"txtTimeBonus", " 7000", 7000, nullptr},
        {"txtTimeBonus", "80,000", 100, kTimeMost},
        {"txtTimeBonus", "0", 100, kTimeLeast},
        {"txtTimeBonus", "10001", 100, kTimeMost},
        {"txtTimeBonus", "1", 1, nullptr},
        {"txtTimeBonus", "10000", 10000, nullptr},
        {"txtTimeBonus", "1.5", 2, nullptr}, // halves go to the even number
        {"txtTimeBonus", "2.5", 2, nullptr},
        {"txtEightsCompleteBonus", "12abc", 12, nullptr},
        {"txtEightsCompleteBonus", "abc", 0, nullptr},
        {"txtEightsCompleteBonus", "", 0, nullptr},
        {"txtEightsCompleteBonus", " 7000", 7000, nullptr},
        {"txtEightsCompleteBonus", "80,000", 80000, nullptr},
        {"txtEightsCompleteBonus", "-1", 50000, kDeckLeast},
        {"txtEightsCompleteBonus", "2000001", 50000, kDeckMost},
        {"txtEightsCompleteBonus", "2000000", 2000000, nullptr},
    };
    RunBoxCases(*w, cases, defaults, stored);
}

TEST_F(EightsCustomTest, ARefusedTimeBonusStillLetsTheDeckBonusStoreAndFollowUp) {
    defaults();
    QString focused, timeText;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtTimeBonus")->setText("10001");
        d.box("txtEightsCompleteBonus")->setText("60000");
        d.switchBox("chkCountScore")->setChecked(false);
        d.cmdOK()->click();
        focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        timeText = d.box("txtTimeBonus")->text();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), std::vector<QString>{kTimeMost});
    EXPECT_EQ(focused, "txtTimeBonus");
    EXPECT_EQ(timeText, "10000");
    EXPECT_EQ(Shared().TimeBonus, 100);
    EXPECT_EQ(EightsOptions().EightsCompleteBonus, 60000);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 5,000,000 for bonus round.  ");
}

TEST_F(EightsCustomTest, ARefusedBonusRoundScoreStoresItsLimitAndCancelKeepsIt) {
    defaults();
    QString bonusText;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtBonus")->setText("-5");
        d.box("txtEightsCompleteBonus")->setText("-1");
        d.cmdOK()->click();
        bonusText = d.box("txtBonus")->text();
        d.cmdCancel()->click();
    });
    const QString status = w->statusText(1);
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), (std::vector<QString>{kBonusLeast, kDeckLeast}));
    EXPECT_EQ(bonusText, "0");
    EXPECT_EQ(Shared().BonusScore, 0);
    // The deck bonus was refused: no switch, no status text, yet the mark follows the store.
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(EightsCustomTest, TheSwitchAloneLeavesTheMarkAsItWas) {
    defaults();
    const OkOutcome out = PressOk(
        *w, [](CustomScoringDialog& d) { d.switchBox("chkCountScore")->setChecked(false); });
    EXPECT_TRUE(out.closed);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(EightsCustomTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    Shared().TimeBonus = 7;
    Shared().CountDownScore = false;
    const QString status = w->statusText(1);
    QStringList texts;
    bool checked = false;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b : {"txtBonus", "txtTimeBonus", "txtEightsCompleteBonus"})
            texts << d.box(b)->text();
        checked = d.switchBox("chkCountScore")->isChecked();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"5000000", "100", "50000"}));
    EXPECT_TRUE(checked);
    EXPECT_EQ(Shared().TimeBonus, 7);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(w->statusText(1), status);
}
