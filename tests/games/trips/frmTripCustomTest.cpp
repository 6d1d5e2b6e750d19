// The trips-and-runs game's user-options dialog, driven from the window's menu item: the tab
// order, what each box stores for a range of texts and which message it shows, the penalty
// typed as a negative number, the time bonus that gates the switch and the status bar,
// Default and Cancel.
#include "../ScoringDialogTestSupport.h"
#include "GameWindowTestSupport.h"
#include "games/trips/TripsSettings.h"
#include "games/trips/frmTrip.h"

#include <deque>

using namespace scoringtest;

namespace {
class TripCustomTest : public testsupport::GameWindowTest {
  protected:
    TripCustomTest() : GameWindowTest("frmTrip") { ResetTripsLoadDefaults(); }
    ~TripCustomTest() override { ResetTripsLoadDefaults(); }
    void SetUp() override {
        GameWindowTest::SetUp();
        w = open<frmTrip>();
        w->show();
    }
    static void defaults() { ResetTripsLoadDefaults(); }
    static int32_t stored(const char* box) {
        const QString b = QLatin1String(box);
        const TripsSettings& o = TripsOptions();
        if (b == "txtTripValue") return o.TripleScore;
        if (b == "txtRunValue") return o.RunScore;
        if (b == "txtDeckValue") return o.DeckCompletionBonus;
        if (b == "txtFlushValue") return o.FlushScore;
        if (b == "txtTimeBonus") return Shared().TimeBonus;
        if (b == "txtBonusRound") return Shared().BonusRoundScore;
        return o.LeftOverPenalty;
    }
    std::unique_ptr<frmTrip> w;
};

const char* const kTripMost = "Sorry, the maximum value for a Triple is 20000";
const char* const kPenaltyMost = "Sorry, the maximum penalty for left over cards is 0.";
const char* const kPenaltyLeast = "Sorry, the minimum penalty for left over cards is -20000";
const char* const kTimeMost =
    "Sorry, you cannot set the Time Bonus value to greater than 5000 points";

// The seven texts for a box accepting 0 to `most`, which stores the bound it passed.
std::vector<BoxCase> casesFor(const char* box, int32_t most, const char* least, const char* above) {
    static std::deque<std::string> keep; // the texts outlive the cases
    keep.push_back(std::to_string(most + 1));
    const auto read = [most](int32_t v) { return std::min(v, most); };
    const auto says = [most, above](int32_t v) { return v > most ? above : nullptr; };
    return {
        {box, "12abc", 12, nullptr},
        {box, "abc", 0, nullptr},
        {box, "", 0, nullptr},
        {box, " 7000", read(7000), says(7000)},
        {box, "80,000", read(80000), says(80000)},
        {box, "-1", 0, least},
        {box, keep.back().c_str(), most, above},
    };
}
} // namespace

TEST_F(TripCustomTest, TabRunsThroughTheBoxesInRowOrder) {
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtTripValue", "txtRunValue", "txtDeckValue", "txtFlushValue",
                           "txtTimeBonus", "txtBonusRound", "txtPenaltyValue", "chkCountDown",
                           "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(TripCustomTest, OpensWithThePenaltyNegativeInRedAndEveryCaptionWhole) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        EXPECT_EQ(d.objectName(), "frmTripCustom");
        EXPECT_EQ(d.windowTitle(), "Tressel! User Options");
        EXPECT_EQ(d.frame()->title(), "Tressel! Scoring Options");
        EXPECT_EQ(d.box("txtPenaltyValue")->text(), "-250");
        EXPECT_EQ(d.box("txtPenaltyValue")->palette().color(QPalette::Text), QColor(Qt::red));
        EXPECT_EQ(d.box("txtTripValue")->text(), "6000");
        EXPECT_TRUE(d.switchBox("chkCountDown")->isChecked());
        EXPECT_LT(d.box("txtFlushValue")->y(), d.box("txtTimeBonus")->y());
        EXPECT_LT(d.box("txtTimeBonus")->y(), d.box("txtBonusRound")->y());
        EXPECT_LT(d.box("txtBonusRound")->y(), d.box("txtPenaltyValue")->y());
        ExpectCaptionsFit(d);
    });
    w->mnuCustom_Click();
    EXPECT_EQ(driver.shown(), 1);
}

TEST_F(TripCustomTest, EachBoxReadsItsLeadingNumberAndAnEntryOutOfRangeStoresTheBound) {
    std::vector<BoxCase> cases;
    for (const auto& part : {
             casesFor("txtTripValue", 20000, "Sorry, the minimum value for a Triple is 0.",
                      kTripMost),
             casesFor("txtRunValue", 20000, "Sorry, the minimum value for a Run is 0.",
                      "Sorry, the maximum value for a Run is 20000"),
             casesFor("txtDeckValue", 100000,
                      "Sorry, the minimum value for for completing the Deck is 0.",
                      "Sorry, the maximum value for completing the Deck is 100000"),
             casesFor("txtFlushValue", 20000, "Sorry, the minimum value for the Flush Bonus is 0.",
                      "Sorry, the maximum value for the Flush Bonus is 20000"),
             casesFor("txtTimeBonus", 5000,
                      "Sorry, you cannot set the Time Bonus value to less than 0 points.",
                      kTimeMost),
             casesFor("txtBonusRound", 1000000,
                      "Sorry, the minimum value for obtaining the Bonus Round is 0.",
                      "Sorry, the maximum value for obtaining the Bonus Round is 1000000"),
         })
        cases.insert(cases.end(), part.begin(), part.end());
    // The penalty takes -20000 to 0 and keeps its size.
    const std::vector<BoxCase> penalty = {
        {"txtPenaltyValue", "-12abc", 12, nullptr},
        {"txtPenaltyValue", "12abc", 0, kPenaltyMost},
        {"txtPenaltyValue", "abc", 0, nullptr},
        {"txtPenaltyValue", "", 0, nullptr},
        {"txtPenaltyValue", " -7000", 7000, nullptr},
        {"txtPenaltyValue", "-80,000", 20000, kPenaltyLeast},
        {"txtPenaltyValue", "-20001", 20000, kPenaltyLeast},
        {"txtPenaltyValue", "-20000", 20000, nullptr},
        {"txtPenaltyValue", "1", 0, kPenaltyMost},
        {"txtPenaltyValue", "-300", 300, nullptr},
        {"txtPenaltyValue", "-300.5", 300, nullptr}, // halves go to the even number
        {"txtPenaltyValue", "-301.5", 302, nullptr},
    };
    cases.insert(cases.end(), penalty.begin(), penalty.end());
    RunBoxCases(*w, cases, defaults, stored);
}

TEST_F(TripCustomTest, TwoFailuresInCheckingOrderAndTheTimeBonusGatesTheFollowUps) {
    defaults();
    const QString status = w->statusText(1);
    QString focused, penaltyText, tripText;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtTimeBonus")->setText("6000");
        d.box("txtPenaltyValue")->setText("-25000");
        d.box("txtTripValue")->setText("25000");
        d.switchBox("chkCountDown")->setChecked(false);
        d.cmdOK()->click();
        focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        penaltyText = d.box("txtPenaltyValue")->text();
        tripText = d.box("txtTripValue")->text();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), (std::vector<QString>{kTripMost, kPenaltyLeast, kTimeMost}));
    EXPECT_EQ(focused, "txtTimeBonus");
    EXPECT_EQ(penaltyText, "-20000");
    EXPECT_EQ(tripText, "20000");
    // Cancel keeps what the failed OK stored, and the mark follows it.
    EXPECT_EQ(TripsOptions().LeftOverPenalty, 20000);
    EXPECT_EQ(TripsOptions().TripleScore, 20000);
    EXPECT_EQ(Shared().TimeBonus, 5000);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(TripCustomTest, DefaultThenOkRestoresEveryValueAndClearsTheMark) {
    defaults();
    TripsOptions().FlushScore = 1;
    TripsOptions().LeftOverPenalty = 0;
    Shared().CountDownScore = false;
    Shared().BonusRoundScore = 80000;
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) { d.cmdDefault()->click(); });
    EXPECT_TRUE(out.closed);
    EXPECT_EQ(TripsOptions().FlushScore, 5000);
    EXPECT_EQ(TripsOptions().LeftOverPenalty, 250);
    EXPECT_EQ(Shared().BonusRoundScore, 100000);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 100,000 for bonus round.  ");
}

TEST_F(TripCustomTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    TripsOptions().RunScore = 7;
    Shared().CountDownScore = false;
    const QString status = w->statusText(1);
    QStringList texts;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b : {"txtTripValue", "txtRunValue", "txtDeckValue", "txtFlushValue",
                              "txtTimeBonus", "txtBonusRound", "txtPenaltyValue"})
            texts << d.box(b)->text();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"6000", "300", "15000", "5000", "200", "100000", "-250"}));
    EXPECT_EQ(TripsOptions().RunScore, 7);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(w->statusText(1), status);
}
