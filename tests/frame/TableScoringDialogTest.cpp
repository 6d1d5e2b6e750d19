// The custom-scoring dialog engine on a table of the three-towers kind: each box tested and
// stored on its own, limits stored for values outside the range, the custom mark after every
// OK and Default, the box reading.
#include "frame/TableScoringDialog.h"
#include "GameWindowTestSupport.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

struct Values {
    int32_t step = 100, bonus = 40000;
    bool countDown = false;
    int recomputed = 0;
    int accepted = 0;
};

ScoringTable towersLike(Values& v) {
    ScoringTable t;
    t.dialogName = "frmTestCustom";
    t.note = "Note";
    t.rows = {
        {"lblCardIncrement", "Step:", "txtCardValue", 0, 1000, "Not a number: step",
         "Sorry, you cannot increment the card value by less than 0 points.",
         "Sorry, you cannot increment the card value by greater than 1000 points",
         [&v] { return v.step; }, [&v](int32_t x) { v.step = x; }, 100},
        {"lblBonusScore", "Bonus:", "txtBonusScore", 0, 900000, "Not a number: bonus",
         "Sorry, a minimum of 0 points is required to make the bonus round.",
         "Sorry, a maximum of 900000 points is required to make the bonus round.",
         [&v] { return v.bonus; }, [&v](int32_t x) { v.bonus = x; }, 40000},
    };
    t.switches = {{"chkCountDown", "&Count Down when taking score", [&v] { return v.countDown; },
                   [&v](bool on) { v.countDown = on; }, true}};
    t.recompute = [&v] { ++v.recomputed; };
    t.accepted = [&v] { ++v.accepted; };
    return t;
}

class TableScoringEngine : public testsupport::GameWindowTest {
  protected:
    TableScoringEngine() : GameWindowTest("frmCrestal") {}
};

} // namespace

TEST(ScoringBox, ReadsGroupedDigitsAndRefusesOtherText) {
    EXPECT_EQ(ScoringBoxNumber(" 80,000 "), 80000.0);
    EXPECT_EQ(ScoringBoxNumber("1,234,567.5"), 1234567.5);
    EXPECT_EQ(ScoringBoxNumber(""), 0.0);
    EXPECT_EQ(ScoringBoxNumber("-12"), -12.0);
    EXPECT_EQ(ScoringBoxNumber(".5"), 0.5);
    for (const char* refused : {"12abc", "80,00", "1,2345", ",100", "1e3", "abc", "--1", "."})
        EXPECT_FALSE(ScoringBoxNumber(refused)) << refused;
    EXPECT_EQ(ScoringWhole(2.5), 2);
    EXPECT_EQ(ScoringWhole(3.5), 4);
    EXPECT_EQ(ScoringWhole(1e12), std::numeric_limits<int32_t>::max());
}

TEST_F(TableScoringEngine, LoadsTheValuesAndTheSwitchWithoutClickingIt) {
    Values v;
    v.countDown = true;
    bool clicked = false;
    ScoringTable t = towersLike(v);
    t.switchClicked = [&clicked](TableScoringDialog&, const QString&, bool) { clicked = true; };
    TableScoringDialog d(t);
    EXPECT_EQ(d.objectName(), "frmTestCustom");
    EXPECT_EQ(d.windowTitle(), "Crestal! User Options");
    EXPECT_EQ(d.box("txtBonusScore")->text(), "40000");
    EXPECT_TRUE(d.switchBox("chkCountDown")->isChecked());
    EXPECT_FALSE(clicked);
}

TEST_F(TableScoringEngine, EachBoxIsStoredOnItsOwnAndTheLimitsTakeOutOfRangeValues) {
    Values v;
    platform::MessageScript script;
    TableScoringDialog d(towersLike(v));
    d.box("txtCardValue")->setText("-3");
    d.box("txtBonusScore")->setText("950,000");
    d.switchBox("chkCountDown")->setChecked(true);
    d.cmdOK_Click();
    EXPECT_EQ(script.texts(),
              (std::vector<QString>{
                  "Sorry, you cannot increment the card value by less than 0 points.",
                  "Sorry, a maximum of 900000 points is required to make the bonus round."}));
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Information);
    EXPECT_EQ(v.step, 0);
    EXPECT_EQ(v.bonus, 900000);
    EXPECT_EQ(d.box("txtCardValue")->text(), "0");
    EXPECT_EQ(d.box("txtBonusScore")->text(), "900000");
    EXPECT_FALSE(v.countDown);  // stored only once the last box passes
    EXPECT_EQ(v.recomputed, 1); // the stored limits are marked although OK failed
    EXPECT_EQ(v.accepted, 0);
    EXPECT_EQ(d.focusWidget(), d.box("txtBonusScore")); // the last failed box

    d.cmdOK_Click(); // the limits now in the boxes pass
    EXPECT_EQ(v.accepted, 1);
    EXPECT_TRUE(v.countDown);
    EXPECT_EQ(v.recomputed, 2);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(TableScoringEngine, RefusedTextStoresNothingAndDefaultStoresNothingEither) {
    Values v;
    platform::MessageScript script;
    TableScoringDialog d(towersLike(v));
    d.box("txtCardValue")->setText("12 points");
    d.cmdOK_Click();
    EXPECT_EQ(script.texts(), std::vector<QString>{"Not a number: step"});
    EXPECT_EQ(v.step, 100);
    EXPECT_EQ(d.box("txtCardValue")->text(), "12 points");

    d.box("txtBonusScore")->setText("7");
    d.switchBox("chkCountDown")->setChecked(false);
    d.cmdDefault_Click();
    EXPECT_EQ(d.box("txtCardValue")->text(), "100");
    EXPECT_EQ(d.box("txtBonusScore")->text(), "40000");
    EXPECT_TRUE(d.switchBox("chkCountDown")->isChecked());
    EXPECT_EQ(v.bonus, 40000);
    EXPECT_EQ(v.recomputed, 2); // after the failed OK and after Default
    d.cmdCancel_Click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(v.countDown);
}
