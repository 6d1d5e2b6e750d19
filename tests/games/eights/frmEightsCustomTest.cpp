#include "games/eights/frmEightsCustom.h"
#include "EightsTestSupport.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {
struct Boxes {
    QString bonus, timeBonus, deck;
};

// Fills the boxes and presses OK; the messages shown, in order.
std::vector<QString> ok(frmEightsCustom& d, const Boxes& b) {
    platform::MessageScript answers;
    d.box("txtBonus")->setText(b.bonus);
    d.box("txtTimeBonus")->setText(b.timeBonus);
    d.box("txtEightsCompleteBonus")->setText(b.deck);
    d.cmdOK_Click();
    return answers.texts();
}
} // namespace

class EightsCustomTest : public EightsTest {};

TEST_F(EightsCustomTest, OpensWithTheValuesInForce) {
    Shared().BonusScore = 1234;
    Shared().CountDownScore = false;
    frmEightsCustom d;
    EXPECT_EQ(d.objectName(), "frmEightsCustom");
    EXPECT_EQ(d.windowTitle(), "Wildrow! User Options");
    EXPECT_EQ(d.frmScoringOptions()->title(), "Wildrow! Scoring Options");
    EXPECT_EQ(d.box("txtBonus")->text(), "1234");
    EXPECT_EQ(d.box("txtTimeBonus")->text(), "100");
    EXPECT_EQ(d.box("txtEightsCompleteBonus")->text(), "50000");
    EXPECT_FALSE(d.switchBox("chkCountScore")->isChecked());
    EXPECT_EQ(d.rowLabel("lblEightsCompleteBonus")->text(), "Deck completion Bonus:");
}

TEST_F(EightsCustomTest, TheBoundsAreAcceptedAndStored) {
    int applied = 0;
    frmEightsCustom d(nullptr, [&applied] { ++applied; });
    EXPECT_TRUE(ok(d, {"0", "1", "0"}).empty());
    EXPECT_EQ(Shared().BonusScore, 0);
    EXPECT_EQ(Shared().TimeBonus, 1);
    EXPECT_EQ(EightsOptions().EightsCompleteBonus, 0);
    EXPECT_TRUE(Shared().CustomScoring);
    frmEightsCustom again;
    EXPECT_TRUE(ok(again, {"100000000", "10000", "2000000"}).empty());
    EXPECT_EQ(Shared().BonusScore, 100000000);
    EXPECT_EQ(Shared().TimeBonus, 10000);
    EXPECT_EQ(EightsOptions().EightsCompleteBonus, 2000000);
    EXPECT_EQ(applied, 1);
    // Halves go to the even neighbour.
    frmEightsCustom halves;
    ok(halves, {"5000000", "1.5", "50000"});
    EXPECT_EQ(Shared().TimeBonus, 2);
    frmEightsCustom halves2;
    ok(halves2, {"5000000", "2.5", "50000"});
    EXPECT_EQ(Shared().TimeBonus, 2);
}

TEST_F(EightsCustomTest, EachBoxOutOfRangeIsRefusedAndNothingIsStored) {
    struct Case {
        Boxes boxes;
        const char* box;
        QString message, limit;
    };
    const Case cases[] = {
        {{"-5", "100", "50000"},
         "txtBonus",
         "Sorry, a minimum score of 0 is required for the bonus round score.",
         "0"},
        {{"100000001", "100", "50000"},
         "txtBonus",
         "Sorry, the maximum value for achieving a bonus round is 100,000,000.",
         "100000000"},
        {{"5000000", "0", "50000"},
         "txtTimeBonus",
         "Sorry, the maximum time bonus value must be greater than 0.",
         "1"},
        {{"5000000", "10001", "50000"},
         "txtTimeBonus",
         "Sorry, the maximum time bonus value must not exceed 10,000.",
         "10000"},
        {{"5000000", "100", "-1"},
         "txtEightsCompleteBonus",
         "Sorry, the minimum bonus for completing the deck must be 0 or greater.",
         "0"},
        {{"5000000", "100", "2000001"},
         "txtEightsCompleteBonus",
         "Sorry, the maximum time bonus for completing the deck must not exceed 2,000,000.",
         "2000000"},
    };
    for (const Case& c : cases) {
        frmEightsCustom d;
        d.show();
        d.switchBox("chkCountScore")->setChecked(false);
        EXPECT_EQ(ok(d, c.boxes), std::vector<QString>{c.message}) << c.box;
        EXPECT_EQ(d.box(c.box)->text(), c.limit);
        EXPECT_EQ(d.focusWidget(), d.box(c.box)) << c.box;
        // Nothing of this OK is in force, so a Cancel leaves no unmarked custom value.
        EXPECT_EQ(Shared().BonusScore, 5000000);
        EXPECT_EQ(Shared().TimeBonus, 100);
        EXPECT_EQ(EightsOptions().EightsCompleteBonus, 50000);
        EXPECT_TRUE(Shared().CountDownScore);
        EXPECT_FALSE(Shared().CustomScoring);
        d.cmdCancel_Click();
    }
}

TEST_F(EightsCustomTest, DefaultFillsTheBoxesOnly) {
    Shared().TimeBonus = 55;
    Shared().CountDownScore = false;
    Shared().CustomScoring = true;
    frmEightsCustom d;
    d.box("txtBonus")->setText("7");
    d.cmdDefault_Click();
    EXPECT_EQ(d.box("txtBonus")->text(), "5000000");
    EXPECT_EQ(d.box("txtTimeBonus")->text(), "100");
    EXPECT_EQ(d.box("txtEightsCompleteBonus")->text(), "50000");
    EXPECT_TRUE(d.switchBox("chkCountScore")->isChecked());
    EXPECT_EQ(Shared().TimeBonus, 55);
    EXPECT_FALSE(Shared().CountDownScore);
    d.cmdOK_Click();
    EXPECT_EQ(Shared().TimeBonus, 100);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
}
