// The poker grid game's user-options dialog: the order of checks, the values an entry out of
// range stores, the reading of the boxes, Default and Cancel, and the custom mark.
#include "PokerGridWindowTestSupport.h"

#include "games/pokergrid/frmScrambleCustom.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>

namespace {
const QString kPairMessage = "Sorry, the Pair Score Value: must be between 0 and 50,000 points.";
const QString kTimeBonusMessage = "Sorry, the Time Bonus value must be between 0 and 10 points.";
} // namespace

class ScrambleCustomTest : public PokerGridWindowTest {
  protected:
    void SetUp() override {
        PokerGridWindowTest::SetUp();
        ResetPokerGridDefaults();
        Shared().CustomScoring = false;
    }
    std::unique_ptr<frmScrambleCustom> dialog() {
        return std::make_unique<frmScrambleCustom>(
            nullptr, [] { Shared().CustomScoring = PokerGridScoringIsCustom(); },
            [this] { ++bonusAnnounced; });
    }
    static void type(frmScrambleCustom& d, const char* box, const QString& text) {
        d.box(box)->setText(text);
    }
    int bonusAnnounced = 0;
    platform::MessageScript script;
};

TEST_F(ScrambleCustomTest, LoadsTheValuesInForce) {
    PokerGridOptions().hands.FourScore = 333;
    Shared().CountDownScore = false;
    auto d = dialog();
    EXPECT_EQ(d->objectName(), "frmScrambleCustom");
    EXPECT_EQ(d->windowTitle(), "Marvane! User Options");
    EXPECT_EQ(d->frmScoringOptions()->title(), "Marvane! Scoring Options");
    EXPECT_EQ(d->box("txtPairScore")->text(), "50");
    EXPECT_EQ(d->box("txt4ofakindScore")->text(), "333");
    EXPECT_EQ(d->box("txtBonusScore")->text(), "100000");
    EXPECT_EQ(d->box("txtTimeBonus")->text(), "1");
    EXPECT_EQ(d->box("txtOverWrites")->text(), "3");
    EXPECT_FALSE(d->switchBox("chkCountDown")->isChecked());
    EXPECT_EQ(d->rowLabel("lblTimeBonus")->text(), "Time Bonus (per second multipler)");
    // On screen the time bonus stands above the overwrites.
    EXPECT_LT(d->box("txtTimeBonus")->y(), d->box("txtOverWrites")->y());
    EXPECT_LT(d->box("txtBonusScore")->y(), d->box("txtTimeBonus")->y());
}

TEST_F(ScrambleCustomTest, AnEntryOutOfRangeStoresTheBoxsOwnValue) {
    auto d = dialog();
    type(*d, "txtPairScore", "50001");
    type(*d, "txtOverWrites", "-1");
    d->cmdOK()->click();
    EXPECT_EQ(script.texts(),
              (std::vector<QString>{kPairMessage, "Sorry, the Number of overwrites allowed must "
                                                  "be between 0 and 26 points."}));
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Information);
    EXPECT_EQ(script.asked()[0].title, "Marvane!");
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 6000);
    EXPECT_EQ(PokerGridOptions().OverWrites, 1);
    EXPECT_EQ(d->box("txtPairScore")->text(), "6000");
    EXPECT_EQ(d->box("txtOverWrites")->text(), "1");
    EXPECT_EQ(d->result(), 0); // still open
    // The stored values are marked at once, whatever follows.
    EXPECT_TRUE(Shared().CustomScoring);
    script.clearAsked();
    d->cmdOK()->click();
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST_F(ScrambleCustomTest, BoxesReadTheNumberTheyStartWith) {
    auto d = dialog();
    type(*d, "txtPairScore", "12.5");
    type(*d, "txt2PairScore", "13.5");
    type(*d, "txt3ofakindScore", "seven");
    type(*d, "txtStraightScore", " 42 points");
    type(*d, "txtOverWrites", "26");
    type(*d, "txtRoyalFlushScore", "100000");
    type(*d, "txtBonusScore", QString(400, '9')); // too large to hold: out of range
    d->cmdOK()->click();
    const HandValues& h = PokerGridOptions().hands;
    EXPECT_EQ(h.PairScore, 12);
    EXPECT_EQ(h.TwoPairScore, 14);
    EXPECT_EQ(h.TripsScore, 0);
    EXPECT_EQ(h.StraightScore, 42);
    EXPECT_EQ(h.RoyalFlushScore, 100000);
    EXPECT_EQ(PokerGridOptions().OverWrites, 26);
    EXPECT_EQ(Shared().BonusRoundScore, 100000);
    EXPECT_EQ(d->box("txtBonusScore")->text(), "100000");
    EXPECT_EQ(bonusAnnounced, 0); // a replaced threshold leaves the status bar
    EXPECT_EQ(script.texts(),
              std::vector<QString>{"Sorry, the Score required for bonus round: must be between 0 "
                                   "and 1,000,000 points."});
}

TEST_F(ScrambleCustomTest, ChecksRunInTheirOrderAndTheTimeBonusComesLast) {
    Shared().CountDownScore = true;
    auto d = dialog();
    for (const char* box :
         {"txtPairScore", "txt2PairScore", "txt3ofakindScore", "txtStraightScore", "txtFlushScore",
          "txtFullHouseScore", "txt4ofakindScore", "txtStFlushScore"})
        type(*d, box, "50001");
    type(*d, "txtRoyalFlushScore", "100001");
    type(*d, "txtBonusScore", "1000001");
    type(*d, "txtOverWrites", "27");
    type(*d, "txtTimeBonus", "11");
    d->switchBox("chkCountDown")->setChecked(false);
    d->show();
    d->cmdOK()->click();
    const std::vector<QString> messages = script.texts();
    ASSERT_EQ(messages.size(), 12u);
    EXPECT_EQ(messages[0], kPairMessage);
    EXPECT_EQ(messages[7],
              "Sorry, the Straight Flush Score Value: must be between 0 and 50,000 points.");
    EXPECT_EQ(messages[8],
              "Sorry, the Royal Flush Score Value: must be between 0 and 100,000 points.");
    EXPECT_EQ(messages[10],
              "Sorry, the Number of overwrites allowed must be between 0 and 26 points.");
    EXPECT_EQ(messages[11], kTimeBonusMessage);
    const HandValues& h = PokerGridOptions().hands;
    EXPECT_EQ(h.TwoPairScore, 7000);
    EXPECT_EQ(h.StraightFlushScore, 40000);
    EXPECT_EQ(h.RoyalFlushScore, 50000);
    EXPECT_EQ(Shared().TimeBonus, 1);
    EXPECT_EQ(PokerGridOptions().OverWrites, 1);
    // The time bonus failed: the check box is not taken in this click.
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(d->focusWidget(), d->box("txtTimeBonus"));
}

TEST_F(ScrambleCustomTest, TheCheckBoxAloneIsNoCustomScoring) {
    auto d = dialog();
    d->switchBox("chkCountDown")->setChecked(false);
    type(*d, "txtBonusScore", "50000");
    d->cmdOK()->click();
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(bonusAnnounced, 1);
    EXPECT_TRUE(Shared().CustomScoring);

    auto back = dialog();
    type(*back, "txtBonusScore", "100000");
    back->cmdOK()->click();
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(back->result(), QDialog::Accepted);
}

TEST_F(ScrambleCustomTest, DefaultThenCancelChangesNothing) {
    PokerGridOptions().hands.PairScore = 77;
    Shared().CountDownScore = false;
    auto d = dialog();
    d->cmdDefault()->click();
    EXPECT_EQ(d->box("txtPairScore")->text(), "50");
    EXPECT_EQ(d->box("txtRoyalFlushScore")->text(), "500");
    EXPECT_EQ(d->box("txtBonusScore")->text(), "100000");
    EXPECT_EQ(d->box("txtTimeBonus")->text(), "1");
    EXPECT_EQ(d->box("txtOverWrites")->text(), "3");
    EXPECT_TRUE(d->switchBox("chkCountDown")->isChecked());
    d->cmdCancel()->click();
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 77);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(d->result(), QDialog::Rejected);
}

TEST_F(PokerGridWindowTest, UserOptionsFromTheMenuAnnounceTheNewThreshold) {
    platform::MessageScript script;
    auto w = openWindow();
    platform::ModalDriver driver([](QDialog& d) {
        ASSERT_EQ(d.objectName(), "frmScrambleCustom");
        d.findChild<QLineEdit*>("txtBonusScore")->setText("50000");
        d.findChild<QLineEdit*>("txtPairScore")->setText("60");
        // A box that gets the focus has its whole text selected.
        QLineEdit* pair = d.findChild<QLineEdit*>("txtPairScore");
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(pair, &in);
        EXPECT_EQ(pair->selectedText(), "60");
        d.findChild<QPushButton*>("cmdOK")->click();
    });
    w->mnuCustom_Click();
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(w->statusText(1), "Make 50,000 for bonus round.  ");
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 60);
    EXPECT_TRUE(Shared().CustomScoring);
}
