// The three-towers game's custom-scoring dialog, driven from the window's menu item.
#include "../ScoringDialogTestSupport.h"
#include "CrestalWindowTestSupport.h"

#include <QAction>

using namespace scoringtest;

namespace {
class CrestalCustomTest : public CrestalWindowTest {
  protected:
    void SetUp() override { w = openShown(); }
    static void defaults() {
        ResetTowersLoadDefaults();
        Shared().CustomScoring = false;
    }
    std::unique_ptr<frmCrestal> w;
};

const char* const kCardLeast = "Sorry, you cannot increment the card value by less than 0 points.";
const char* const kCardMost =
    "Sorry, you cannot increment the card value by greater than 1000 points";
const char* const kBonusLeast = "Sorry, a minimum of 0 points is required to make the bonus round.";
const char* const kBonusMost =
    "Sorry, a maximum of 900000 points is required to make the bonus round.";
const char* const kRunLeast =
    "Sorry, a minimum of 0 points is required when achieving the high run bonus.";
const char* const kRunMost =
    "Sorry, a maximum of 32767 points is required when achieving the high run bonus.";
const char* const kTowerLeast =
    "Sorry, a minimum of 0 points is required when achieving when completing each tower.";
const char* const kTowerMost =
    "Sorry, a maximum of 32767 points is required when completing each tower.";
const char* const kTimeLeast = "Sorry, you cannot set the Time Bonus value to less than 0 points.";
const char* const kTimeMost =
    "Sorry, you cannot set the Time Bonus value to greater than 32767 points";

} // namespace

TEST_F(CrestalCustomTest, TabRunsThroughTheBoxesTheSwitchAndTheButtons) {
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtCardValue", "txtBonusScore", "txtRunBonus", "txtCompletedTower",
                           "txtTimeBonus", "chkCountDown", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(CrestalCustomTest, EachBoxReadsItsLeadingNumberAndAValueOutOfRangeStoresTheBound) {
    std::vector<BoxCase> cases;
    for (const auto& part : {CasesFromZero("txtCardValue", 1000, kCardLeast, kCardMost),
                             CasesFromZero("txtBonusScore", 900000, kBonusLeast, kBonusMost),
                             CasesFromZero("txtRunBonus", 32767, kRunLeast, kRunMost),
                             CasesFromZero("txtCompletedTower", 32767, kTowerLeast, kTowerMost),
                             CasesFromZero("txtTimeBonus", 32767, kTimeLeast, kTimeMost)})
        cases.insert(cases.end(), part.begin(), part.end());
    cases.push_back({"txtCardValue", "999.5", 1000, nullptr}); // halves go to the even number
    cases.push_back({"txtCardValue", "998.5", 998, nullptr});
    cases.push_back({"txtCardValue", "1000.4", 1000, kCardMost});
    RunBoxCases(*w, cases, defaults, [](const char* box) -> int32_t {
        const QString b = QLatin1String(box);
        const TowersSettings& o = TowersOptions();
        if (b == "txtCardValue") return o.CardBonus;
        if (b == "txtBonusScore") return Shared().BonusRoundScore;
        if (b == "txtRunBonus") return o.HighRunBonus;
        if (b == "txtCompletedTower") return o.TowerBonus;
        return Shared().TimeBonus;
    });
}

TEST_F(CrestalCustomTest, TwoFailuresTwoMessagesAndTheTimeBonusGatesTheFollowUps) {
    defaults();
    const QString status = w->statusText(1);
    QWidget* focused = nullptr;
    QString cardText;
    platform::MessageScript script;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.box("txtCardValue")->setText("-5");
        d.box("txtTimeBonus")->setText("40000");
        d.switchBox("chkCountDown")->setChecked(false);
        d.cmdOK()->click();
        focused = d.focusWidget() == d.box("txtTimeBonus") ? d.focusWidget() : nullptr;
        cardText = d.box("txtCardValue")->text();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(script.texts(), (std::vector<QString>{kCardLeast, kTimeMost}));
    EXPECT_NE(focused, nullptr); // the later failure keeps the focus
    EXPECT_EQ(cardText, "0");
    EXPECT_EQ(TowersOptions().CardBonus, 0);
    EXPECT_EQ(Shared().TimeBonus, 32767);
    // The time bonus failed: no count-down and no status text, but the stored values are
    // marked custom, Cancel or not.
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_TRUE(Shared().CustomScoring);
}

TEST_F(CrestalCustomTest, DefaultThenCancelStoresAndShowsNothingNew) {
    defaults();
    TowersOptions().TowerBonus = 7;
    Shared().BonusRoundScore = 123;
    const QString status = w->statusText(1);
    QStringList texts;
    platform::ModalDriver driver([&](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        d.cmdDefault()->click();
        for (const char* b :
             {"txtCardValue", "txtBonusScore", "txtRunBonus", "txtCompletedTower", "txtTimeBonus"})
            texts << d.box(b)->text();
        d.cmdCancel()->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(texts, (QStringList{"100", "40000", "1000", "5000", "100"}));
    EXPECT_EQ(TowersOptions().TowerBonus, 7);
    EXPECT_EQ(Shared().BonusRoundScore, 123);
    EXPECT_EQ(w->statusText(1), status);
}

TEST_F(CrestalCustomTest, DefaultsWithTheSwitchClearedAreNeverCustom) {
    defaults();
    TowersOptions().TowerBonus = 7;
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) {
        d.cmdDefault()->click();
        d.switchBox("chkCountDown")->setChecked(false);
    });
    EXPECT_TRUE(out.closed);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(TowersOptions().TowerBonus, 5000);
    EXPECT_EQ(w->statusText(1), "Make 40,000 for bonus round.  ");
}

TEST_F(CrestalCustomTest, TheLongCaptionWrapsWhole) {
    platform::ModalDriver driver([](QDialog& dialog) {
        auto& d = static_cast<CustomScoringDialog&>(dialog);
        ExpectCaptionsFit(d);
        QLabel* card = d.rowLabel("lblCardIncrement");
        EXPECT_GE(card->height(), 2 * card->fontMetrics().height());
    });
    w->mnuCustom_Click();
}
