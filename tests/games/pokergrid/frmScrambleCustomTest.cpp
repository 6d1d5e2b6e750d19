// The poker grid game's user-options dialog, driven from the window's menu item: the tab
// order, what each box stores for a range of texts and which message it shows, the values an
// entry out of range stores, the order of the checks, Default and Cancel.
#include "../ScoringDialogTestSupport.h"
#include "PokerGridWindowTestSupport.h"

#include <QFocusEvent>
#include <deque>

using namespace scoringtest;

namespace {
class ScrambleCustomTest : public PokerGridWindowTest {
  protected:
    void SetUp() override {
        PokerGridWindowTest::SetUp();
        w = openWindow();
        w->show();
    }
    static void defaults() {
        ResetPokerGridDefaults();
        Shared().CustomScoring = false;
    }
    static int32_t stored(const char* box) {
        const QString b = QLatin1String(box);
        const HandValues& h = PokerGridOptions().hands;
        if (b == "txtPairScore") return h.PairScore;
        if (b == "txt2PairScore") return h.TwoPairScore;
        if (b == "txt3ofakindScore") return h.TripsScore;
        if (b == "txtStraightScore") return h.StraightScore;
        if (b == "txtFlushScore") return h.FlushScore;
        if (b == "txtFullHouseScore") return h.FullHouseScore;
        if (b == "txt4ofakindScore") return h.FourScore;
        if (b == "txtStFlushScore") return h.StraightFlushScore;
        if (b == "txtRoyalFlushScore") return h.RoyalFlushScore;
        if (b == "txtBonusScore") return Shared().BonusRoundScore;
        if (b == "txtTimeBonus") return Shared().TimeBonus;
        return PokerGridOptions().OverWrites;
    }
    std::unique_ptr<frmScramble> w;
};

const char* const kPair = "Sorry, the Pair Score Value: must be between 0 and 50,000 points.";
const char* const kTimeBonus = "Sorry, the Time Bonus value must be between 0 and 10 points.";
const char* const kOverWrites =
    "Sorry, the Number of overwrites allowed must be between 0 and 26 points.";

// The seven texts for a box accepting 0 to `most`, storing `replacement` outside it.
std::vector<BoxCase> casesFor(const char* box, int32_t most, int32_t replacement,
                              const char* message) {
    static std::deque<std::string> keep; // the texts outlive the cases
    keep.push_back(std::to_string(most + 1));
    const auto read = [&](int32_t v) { return v > most ? replacement : v; };
    const auto says = [&](int32_t v) { return v > most ? message : nullptr; };
    return {
        {box, "12abc", read(12), says(12)},
        {box, "abc", 0, nullptr},
        {box, "", 0, nullptr},
        {box, " 7000", read(7000), says(7000)},
        {box, "80,000", read(80000), says(80000)},
        {box, "-1", replacement, message},
        {box, keep.back().c_str(), replacement, message},
    };
}
} // namespace

TEST_F(ScrambleCustomTest, TabRunsDownTheRowsThenTheSwitchAndTheButtons) {
    // The time bonus row stands above the overwrites row, although it is checked last.
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtPairScore", "txt2PairScore", "txt3ofakindScore", "txtStraightScore",
                           "txtFlushScore", "txtFullHouseScore", "txt4ofakindScore",
                           "txtStFlushScore", "txtRoyalFlushScore", "txtBonusScore", "txtTimeBonus",
                           "txtOverWrites", "chkCountDown", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(ScrambleCustomTest, OpensWithTheValuesInForceAsTrimmedText) {
    PokerGridOptions().hands.FourScore = 333;
    Shared().CountDownScore = false;
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        EXPECT_EQ(d.objectName(), "frmScrambleCustom");
        EXPECT_EQ(d.windowTitle(), "Marvane! User Options");
        EXPECT_EQ(d.frame()->title(), "Marvane! Scoring Options");
        EXPECT_EQ(d.box("txtPairScore")->text(), "50");
        EXPECT_EQ(d.box("txt4ofakindScore")->text(), "333");
        EXPECT_EQ(d.box("txtBonusScore")->text(), "100000");
        EXPECT_EQ(d.box("txtTimeBonus")->text(), "1");
        EXPECT_EQ(d.box("txtOverWrites")->text(), "3");
        EXPECT_FALSE(d.switchBox("chkCountDown")->isChecked());
        EXPECT_EQ(d.rowLabel("lblTimeBonus")->text(), "Time Bonus (per second multipler)");
        EXPECT_LT(d.box("txtTimeBonus")->y(), d.box("txtOverWrites")->y());
        ExpectCaptionsFit(d);
    });
    w->mnuCustom_Click();
    EXPECT_EQ(driver.shown(), 1);
}

TEST_F(ScrambleCustomTest, EachBoxReadsItsLeadingNumberAndAnEntryOutOfRangeStoresItsOwnValue) {
    const char* const hands = " must be between 0 and 50,000 points.";
    static std::deque<std::string> messages;
    auto hand = [&](const char* caption) {
        messages.push_back(std::string("Sorry, the ") + caption + hands);
        return messages.back().c_str();
    };
    std::vector<BoxCase> cases;
    for (const auto& part : {
             casesFor("txtPairScore", 50000, 6000, kPair),
             casesFor("txt2PairScore", 50000, 7000, hand("2 Pair Score Value:")),
             casesFor("txt3ofakindScore", 50000, 8000, hand("3 of a Kind Score Value:")),
             casesFor("txtStraightScore", 50000, 9000, hand("Straight Score Value:")),
             casesFor("txtFlushScore", 50000, 10000, hand("Flush Score Value:")),
             casesFor("txtFullHouseScore", 50000, 20000, hand("Full House Score Value:")),
             casesFor("txt4ofakindScore", 50000, 30000, hand("4 of a Kind Score Value:")),
             casesFor("txtStFlushScore", 50000, 40000, hand("Straight Flush Score Value:")),
             casesFor("txtRoyalFlushScore", 100000, 50000,
                      "Sorry, the Royal Flush Score Value: must be between 0 and 100,000 "
                      "points."),
             casesFor("txtBonusScore", 1000000, 100000,
                      "Sorry, the Score required for bonus round: must be between 0 and "
                      "1,000,000 points."),
             casesFor("txtTimeBonus", 10, 1, kTimeBonus),
             casesFor("txtOverWrites", 26, 1, kOverWrites),
         })
        cases.insert(cases.end(), part.begin(), part.end());
    cases.push_back({"txtPairScore", "12.5", 12, nullptr}); // halves go to the even number
    cases.push_back({"txtPairScore", "13.5", 14, nullptr});
    cases.push_back({"txtOverWrites", "26", 26, nullptr});
    cases.push_back({"txtPairScore", "1e3", 1000, nullptr}); // a power of ten is read
    cases.push_back({"txtPairScore", "6E4", 6000, kPair});
    static const std::string huge(400, '9'); // too large to hold: out of range
    cases.push_back({"txtBonusScore", huge.c_str(), 100000,
                     "Sorry, the Score required for bonus round: must be between 0 and "
                     "1,000,000 points."});
    RunBoxCases(*w, cases, defaults, stored);
}

TEST_F(ScrambleCustomTest, AFailedOkChangesOnlyTheFailingBoxAndASecondOkAcceptsIt) {
    defaults();
    QStringList texts;
    bool open = false, closed = false;
    QString focused;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtPairScore")->setText("50001");
        d.box("txt2PairScore")->setText(" 60");
        d.box("txtFlushScore")->setText("12abc");
        d.box("txtBonusScore")->setText("50000");
        d.cmdOK()->click();
        open = d.result() != QDialog::Accepted;
        focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        for (const char* b : {"txtPairScore", "txt2PairScore", "txt3ofakindScore", "txtFlushScore",
                              "txtBonusScore", "txtTimeBonus", "txtOverWrites"})
            texts << d.box(b)->text();
        d.cmdOK()->click();
        closed = d.result() == QDialog::Accepted;
    });
    w->mnuCustom_Click();
    EXPECT_TRUE(open);
    EXPECT_EQ(focused, "txtPairScore");
    EXPECT_EQ(texts, (QStringList{"6000", " 60", "80", "12abc", "50000", "1", "3"}));
    EXPECT_EQ(script.texts(), std::vector<QString>{kPair});
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Information);
    EXPECT_EQ(script.asked()[0].title, "Marvane!");
    EXPECT_TRUE(closed);
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 6000);
    EXPECT_EQ(PokerGridOptions().hands.TwoPairScore, 60);
    EXPECT_EQ(PokerGridOptions().hands.FlushScore, 12);
    EXPECT_EQ(w->statusText(1), "Make 50,000 for bonus round.  ");
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(ScrambleCustomTest, TheTimeBonusIsCheckedLastAndGatesTheCountDownSwitch) {
    defaults();
    QString focused;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtTimeBonus")->setText("11");
        d.box("txtPairScore")->setText("50001");
        d.box("txtOverWrites")->setText("27");
        d.switchBox("chkCountDown")->setChecked(false);
        d.cmdOK()->click();
        focused = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), (std::vector<QString>{kPair, kOverWrites, kTimeBonus}));
    EXPECT_EQ(focused, "txtTimeBonus");
    EXPECT_EQ(Shared().TimeBonus, 1);
    EXPECT_EQ(PokerGridOptions().OverWrites, 1);
    // Cancel does not take back what the failed OK stored, and the mark follows it.
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 6000);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(ScrambleCustomTest, TheSwitchAloneIsNoCustomScoring) {
    defaults();
    const OkOutcome out =
        PressOk(*w, [](CustomScoringDialog& d) { d.switchBox("chkCountDown")->setChecked(false); });
    EXPECT_TRUE(out.closed);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 100,000 for bonus round.  ");
}

TEST_F(ScrambleCustomTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    PokerGridOptions().hands.PairScore = 77;
    Shared().BonusRoundScore = 123;
    Shared().CountDownScore = false;
    const QString status = w->statusText(1);
    QStringList texts;
    bool checked = false;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b :
             {"txtPairScore", "txt2PairScore", "txt3ofakindScore", "txtStraightScore",
              "txtFlushScore", "txtFullHouseScore", "txt4ofakindScore", "txtStFlushScore",
              "txtRoyalFlushScore", "txtBonusScore", "txtTimeBonus", "txtOverWrites"})
            texts << d.box(b)->text();
        checked = d.switchBox("chkCountDown")->isChecked();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"50", "70", "80", "90", "100", "200", "300", "400", "500",
                                  "100000", "1", "3"}));
    EXPECT_TRUE(checked);
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 77);
    EXPECT_EQ(Shared().BonusRoundScore, 123);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(w->statusText(1), status);
}

TEST_F(ScrambleCustomTest, ABoxThatGetsTheFocusHasItsTextSelected) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        QLineEdit* pair = d.box("txtPairScore");
        pair->setText("60");
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(pair, &in);
        EXPECT_EQ(pair->selectedText(), "60");
    });
    w->mnuCustom_Click();
}
