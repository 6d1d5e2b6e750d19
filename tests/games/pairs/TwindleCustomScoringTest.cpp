// The pairs-and-runs game's custom-scoring dialog, driven from the window's menu item.
#include "../ScoringDialogTestSupport.h"
#include "TwindleWindowTestSupport.h"
#include "platform/Twips.h"

using namespace scoringtest;

namespace {
class TwindleCustomScoringTest : public TwindleWindowTest {
  protected:
    void SetUp() override {
        TwindleWindowTest::SetUp();
        w = open<frmTwindle>();
    }
    static void defaults() {
        ResetPairsLoadDefaults();
        Shared().CustomScoring = false;
    }
    platform::MessageScript answers;
    std::unique_ptr<frmTwindle> w;
};

const char* const kPairsLeast =
    "Sorry, you cannot set the pairs bonus value to less than 0 points.";
const char* const kPairsMost =
    "Sorry, you cannot set the pairs bonus value to more than 32767 points";
const char* const kRunsLeast = "Sorry, you cannot set the runs bonus value to less than 0 points.";
const char* const kRunsMost =
    "Sorry, you cannot set the runs bonus value to more than 32767 points";
const char* const kRoundLeast =
    "Sorry, you cannot set the value required for a bonus round to less than 0 points.";
const char* const kRoundMost =
    "Sorry, you cannot set the value required for a bonus round to more than 200000 points.";
const char* const kCompletionLeast =
    "Sorry, you cannot set the value of the completion bonus to less than 0 points.";
const char* const kCompletionMost =
    "Sorry, you cannot set the value of the completion bonus to more than 32767 points.";
const char* const kTimeLeast = "Sorry, you cannot set the Time Bonus value to less than 0 points.";
const char* const kTimeMost =
    "Sorry, you cannot set the Time Bonus value to greater than 32767 points";

const char* const kBoxes[] = {"txtPairsBonus", "txtRunsBonus", "txtBonusRound",
                              "txtCompletionBonus", "txtTimeBonus"};
} // namespace

TEST_F(TwindleCustomScoringTest, TabRunsThroughTheBoxesTopToBottomTheSwitchAndTheButtons) {
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtPairsBonus", "txtRunsBonus", "txtBonusRound", "txtCompletionBonus",
                           "txtTimeBonus", "chkCountDown", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(TwindleCustomScoringTest, EachBoxReadsItsLeadingNumberAndAValueOutOfRangeStoresTheBound) {
    std::vector<BoxCase> cases;
    for (const auto& part :
         {CasesFromZero("txtPairsBonus", 32767, kPairsLeast, kPairsMost),
          CasesFromZero("txtRunsBonus", 32767, kRunsLeast, kRunsMost),
          CasesFromZero("txtBonusRound", 200000, kRoundLeast, kRoundMost),
          CasesFromZero("txtCompletionBonus", 32767, kCompletionLeast, kCompletionMost),
          CasesFromZero("txtTimeBonus", 32767, kTimeLeast, kTimeMost)})
        cases.insert(cases.end(), part.begin(), part.end());
    // Halves go to the even neighbour; the top of a range is accepted.
    cases.push_back({"txtPairsBonus", "2.5", 2, nullptr});
    cases.push_back({"txtPairsBonus", "3.5", 4, nullptr});
    cases.push_back({"txtBonusRound", "250000", 200000, kRoundMost});
    cases.push_back({"txtBonusRound", "200000", 200000, nullptr});
    RunBoxCases(*w, cases, defaults, [](const char* box) -> int32_t {
        const QString b = QLatin1String(box);
        const PairsSettings& o = PairsOptions();
        if (b == "txtPairsBonus") return o.PairsBonus;
        if (b == "txtRunsBonus") return o.RunsBonus;
        if (b == "txtBonusRound") return Shared().BonusRoundScore;
        if (b == "txtCompletionBonus") return o.CompletionBonus;
        return Shared().TimeBonus;
    });
}

TEST_F(TwindleCustomScoringTest, ClampedBoxesShowTheirBoundAndASecondOkRefreshesTheWindow) {
    defaults();
    int opened = 0;
    platform::ModalDriver driver([&opened](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        ++opened;
        EXPECT_EQ(d.objectName(), "frmTwindleCustomScoring");
        EXPECT_EQ(d.windowTitle(), "Twindle! User Options");
        EXPECT_EQ(d.frame()->title(), "Twindle! Scoring Options");
        EXPECT_EQ(d.box("txtPairsBonus")->text(), "3000");
        d.box("txtPairsBonus")->setText("-5");
        d.box("txtRunsBonus")->setText("2.5");
        d.box("txtBonusRound")->setText("250000");
        d.box("txtCompletionBonus")->setText("");
        d.box("txtTimeBonus")->setText("3.5");
        d.cmdOK()->click();
        EXPECT_NE(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.box("txtPairsBonus")->text(), "0");
        EXPECT_EQ(d.box("txtBonusRound")->text(), "200000");
        EXPECT_EQ(d.focusWidget(), d.box("txtBonusRound")); // the last one refused
        d.box("txtPairsBonus")->setText("5000");
        d.cmdOK()->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    w->mnuCustom_Click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(answers.texts(), (std::vector<QString>{kPairsLeast, kRoundMost}));
    EXPECT_EQ(PairsOptions().PairsBonus, 5000);
    EXPECT_EQ(PairsOptions().RunsBonus, 2);
    EXPECT_EQ(Shared().BonusRoundScore, 200000);
    EXPECT_EQ(PairsOptions().CompletionBonus, 0);
    EXPECT_EQ(Shared().TimeBonus, 4);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(text(*w, "lblPairs"), "Pairs x 5000");
    EXPECT_EQ(text(*w, "lblRuns"), "Runs x 2");
    EXPECT_EQ(w->statusText(1), "Make 200,000 for bonus round.  ");
    // The heading stands centred over its box.
    const QLabel* heading = w->findChild<QLabel*>("lblPairs");
    const QWidget* box = w->findChild<QWidget*>("PairRectangle");
    const int textWidth = heading->fontMetrics().horizontalAdvance(heading->text());
    const int textLeft = heading->x() + (heading->width() - textWidth) / 2;
    EXPECT_NEAR(textLeft + textWidth / 2.0, box->x() + box->width() / 2.0, 1.0);
}

TEST_F(TwindleCustomScoringTest, ARefusedTimeBonusHoldsBackTheSwitchAndTheStatusBarNotTheHeadings) {
    defaults();
    const QString status = w->statusText(1);
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtPairsBonus")->setText("4000");
        d.box("txtRunsBonus")->setText("600");
        d.box("txtBonusRound")->setText("90000");
        d.box("txtCompletionBonus")->setText("11000");
        d.box("txtTimeBonus")->setText("-1");
        d.switchBox("chkCountDown")->setChecked(false);
    });
    EXPECT_FALSE(out.closed);
    EXPECT_EQ(out.messages, std::vector<QString>{kTimeLeast});
    EXPECT_EQ(PairsOptions().PairsBonus, 4000);
    EXPECT_EQ(PairsOptions().RunsBonus, 600);
    EXPECT_EQ(Shared().BonusRoundScore, 90000);
    EXPECT_EQ(PairsOptions().CompletionBonus, 11000);
    EXPECT_EQ(Shared().TimeBonus, 0);
    EXPECT_TRUE(Shared().CountDownScore);
    // What is stored is what the headings show: a pair now pays 4000.
    EXPECT_EQ(text(*w, "lblPairs"), "Pairs x 4000");
    EXPECT_EQ(text(*w, "lblRuns"), "Runs x 600");
    EXPECT_EQ(w->statusText(1), status);
    // The stored values are marked, so that a Cancel now cannot leave them unmarked.
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(TwindleCustomScoringTest, UnchangedOrOnlyTheSwitchChangedIsNotCustom) {
    defaults();
    OkOutcome out = PressOk(*w, [](CustomScoringDialog&) {});
    EXPECT_TRUE(out.closed);
    EXPECT_FALSE(Shared().CustomScoring);
    out =
        PressOk(*w, [](CustomScoringDialog& d) { d.switchBox("chkCountDown")->setChecked(false); });
    EXPECT_TRUE(out.closed);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(TwindleCustomScoringTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    PairsOptions().RunsBonus = 7;
    Shared().BonusRoundScore = 123;
    Shared().CountDownScore = false;
    Shared().CustomScoring = true;
    const QString status = w->statusText(1);
    QStringList texts;
    bool countDown = false;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b : kBoxes)
            texts << d.box(b)->text();
        countDown = d.switchBox("chkCountDown")->isChecked();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"3000", "500", "80000", "10000", "100"}));
    EXPECT_TRUE(countDown);
    EXPECT_TRUE(answers.texts().empty());
    EXPECT_EQ(PairsOptions().RunsBonus, 7);
    EXPECT_EQ(Shared().BonusRoundScore, 123);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_EQ(w->statusText(1), "Welcome to Twindle!  ");
}

TEST_F(TwindleCustomScoringTest, TheDialogHasItsDesignSizeAndPlacesWithEveryCaptionWhole) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        ExpectCaptionsFit(d);
        EXPECT_EQ(d.size(), QSize(312, 276)); // 4680 x 4140 twips
        EXPECT_EQ(d.cmdOK()->geometry(), TwRect(202, 3705, 1275, 345));
        EXPECT_EQ(d.cmdDefault()->geometry(), TwRect(1672, 3705, 1275, 345));
        EXPECT_EQ(d.cmdCancel()->geometry(), TwRect(3217, 3705, 1275, 345));
        EXPECT_EQ(d.frame()->pos(), TwRect(90, 705, 0, 0).topLeft());
        EXPECT_EQ(d.box("txtPairsBonus")->geometry(), TwRect(3000, 360, 960, 285));
        EXPECT_EQ(d.box("txtPairsBonus")->parentWidget(), static_cast<QWidget*>(d.frame()));
        // The note is blue; the captions our font makes longer wrap rather than being cut.
        EXPECT_TRUE(d.rowLabel("lblInfo")->styleSheet().contains("#0000ff"));
        QLabel* completion = d.rowLabel("lblCompletionBonus");
        EXPECT_EQ(completion->text(), "Bonus for completing upper cards: ");
        EXPECT_LT(completion->x() + completion->width(), d.box("txtCompletionBonus")->x());
    });
    w->mnuCustom_Click();
}
