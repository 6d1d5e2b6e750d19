#include "games/elevens/frmElevensCustomScoring.h"
#include "ElevensTestSupport.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScores.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::MessageScript;

namespace {
const QString kBonusMsg =
    "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000.";
const QString kTimeMsg = "Sorry, the score awarded for each second remaining in the game after "
                         "selecting 'Take Score' must fall between 1 and 5,000,000.";
const QString kCardMsg = "Sorry, the score awarded for each remaining card in the deck after "
                         "completing the upper playing area must fall between 1 and 5,000,000.";
} // namespace

class ElevensCustomScoring : public ElevensTest {};

TEST_F(ElevensCustomScoring, OpensWithTheStoredValues) {
    Shared().EnhancedScoring = true;
    Shared().CardGoal = 13;
    ElevensOptions().BonusES = 1200;
    ElevensOptions().Bonus = 1700;
    ElevensOptions().CardBonus = 3000;
    frmElevensCustomScoring dlg;
    EXPECT_EQ(dlg.objectName(), "frmElevensCustomScoring");
    EXPECT_EQ(dlg.windowTitle(), "Sumbry! User Options");
    EXPECT_EQ(dlg.txtElevensBonus->text(), "1200"); // not the mode's default
    EXPECT_EQ(dlg.txtCardBonus->text(), "3000");
    EXPECT_TRUE(dlg.chkScoring->isChecked());
    EXPECT_TRUE(dlg.txtCardBonus->isEnabled());
    EXPECT_EQ(dlg.lblElevenBonus->text(), "Score awarded for thirteen combination:");

    Shared().EnhancedScoring = false;
    frmElevensCustomScoring classic;
    EXPECT_EQ(classic.txtElevensBonus->text(), "1700");
    EXPECT_FALSE(classic.chkScoring->isChecked());
    EXPECT_FALSE(classic.lblCardBonus->isEnabled());
    // Switching the mode by hand offers that mode's default.
    classic.chkScoring->setChecked(true);
    EXPECT_EQ(classic.txtElevensBonus->text(), "1000");
    EXPECT_TRUE(classic.txtCardBonus->isEnabled());
}

TEST_F(ElevensCustomScoring, ReportsOnlyTheFirstFailingBox) {
    Shared().EnhancedScoring = true;
    MessageScript script;
    frmElevensCustomScoring dlg;
    dlg.txtBonus->setText("0");
    dlg.txtTimeBonus->setText("fast");
    dlg.cmdOK_Click();
    ASSERT_EQ(script.texts(), std::vector<QString>{kBonusMsg});
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(script.asked()[0].title, "Sumbry!");
    EXPECT_EQ(dlg.focusWidget(), dlg.txtBonus);
    EXPECT_EQ(dlg.txtTimeBonus->text(), "fast"); // kept as typed
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 80000);

    dlg.txtBonus->setText("90000");
    dlg.cmdOK_Click();
    EXPECT_EQ(script.texts().back(), kTimeMsg);
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 80000); // nothing stored yet

    dlg.txtTimeBonus->setText("5");
    dlg.txtCardBonus->setText("0");
    dlg.cmdOK_Click();
    EXPECT_EQ(script.texts().back(), kCardMsg);
    EXPECT_EQ(script.asked().size(), 3u);
}

TEST_F(ElevensCustomScoring, RangeAndRounding) {
    struct Case {
        QString text;
        bool accepted;
        int32_t stored;
    };
    const Case cases[] = {{"5000000", true, 5000000}, {"5000001", false, 0}, {"1", true, 1},
                          {"0.9", false, 0},          {"2.5", true, 2},      {"3.5", true, 4},
                          {" 12abc", false, 0},       {"5,000", true, 5000}, {"-4", false, 0},
                          {"80,000", true, 80000},    {"8,0000", false, 0},  {"", false, 0}};
    for (const Case& c : cases) {
        MessageScript script;
        ElevensOptions().CompletionBonus = 10000;
        frmElevensCustomScoring dlg;
        dlg.txtCompletion->setText(c.text);
        dlg.cmdOK_Click();
        EXPECT_EQ(script.asked().empty(), c.accepted) << c.text.toStdString();
        EXPECT_EQ(ElevensOptions().CompletionBonus, c.accepted ? c.stored : 10000)
            << c.text.toStdString();
    }
}

TEST_F(ElevensCustomScoring, OkStoresAndUpdatesTheWindow) {
    Shared().EnhancedScoring = true;
    QWidget window;
    int applied = 0;
    MessageScript script;
    frmElevensCustomScoring dlg(&window, [&] { ++applied; });
    dlg.txtBonus->setText("123456");
    dlg.txtCardBonus->setText("2000");
    dlg.txtElevensBonus->setText("1100");
    dlg.cmdOK_Click();
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(window.windowTitle(), "Sumbry! - Enhanced Scoring");
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 123456);
    EXPECT_EQ(ElevensOptions().BonusES, 1100);
    EXPECT_EQ(ElevensOptions().CardBonus, 2000); // kept for the rest of the run
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(BonusRoundStatusText(), "Make " + FormatScore(123456) + " for Bonus Round!   ");

    // The next opening shows the card bonus just stored.
    frmElevensCustomScoring again(&window);
    EXPECT_EQ(again.txtCardBonus->text(), "2000");

    // Clearing the box switches to classic scoring with the box's value.
    again.chkScoring->setChecked(false);
    again.cmdOK_Click();
    EXPECT_FALSE(Shared().EnhancedScoring);
    EXPECT_EQ(ElevensOptions().Bonus, 1500);
    EXPECT_EQ(ElevensOptions().BonusES, 1100);
    EXPECT_EQ(window.windowTitle(), "Sumbry!");
}

TEST_F(ElevensCustomScoring, DefaultGivesExactlyTheDefaultScoring) {
    // Classic stored, the player ticks enhanced, edits everything, then presses Default.
    Shared().EnhancedScoring = false;
    ElevensOptions().Bonus = 2000;
    ElevensOptions().BonusRoundScore = 1;
    frmElevensCustomScoring dlg;
    dlg.chkScoring->setChecked(true);
    dlg.txtElevensBonus->setText("77");
    dlg.txtTimeBonus->setText("9");
    dlg.txtCardBonus->setText("9");
    dlg.cmdDefault_Click();
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 1); // nothing stored before OK
    EXPECT_EQ(dlg.txtBonus->text(), "80000");
    EXPECT_EQ(dlg.txtCompletion->text(), "10000");
    EXPECT_EQ(dlg.txtElevensBonus->text(), "1000");
    EXPECT_EQ(dlg.txtTimeBonus->text(), "100");
    EXPECT_EQ(dlg.txtCardBonus->text(), "1000");
    EXPECT_TRUE(dlg.chkScoring->isChecked());
    MessageScript script;
    dlg.cmdOK_Click();
    EXPECT_TRUE(Shared().EnhancedScoring);
    EXPECT_EQ(ElevensOptions().BonusES, 1000);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(ElevensCustomScoring, ClassicIgnoresTheDisabledCardBonus) {
    Shared().EnhancedScoring = false;
    MessageScript script;
    frmElevensCustomScoring dlg;
    dlg.txtCardBonus->setText("0");
    dlg.cmdOK_Click();
    EXPECT_TRUE(script.asked().empty());
    EXPECT_EQ(ElevensOptions().CardBonus, 1000);
}

TEST_F(ElevensCustomScoring, ShownModallyCancelChangesNothing) {
    ElevensOptions().BonusRoundScore = 90000;
    platform::ModalDriver driver([](QDialog& d) {
        auto& dlg = static_cast<frmElevensCustomScoring&>(d);
        dlg.txtBonus->setText("5");
        dlg.cmdCancel->click();
    });
    frmElevensCustomScoring dlg;
    EXPECT_EQ(platform::ShowModal(dlg), QDialog::Rejected);
    EXPECT_EQ(driver.shown(), 1);
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 90000);

    platform::ModalDriver ok(
        [](QDialog& d) { static_cast<frmElevensCustomScoring&>(d).cmdOK->click(); });
    frmElevensCustomScoring second;
    EXPECT_EQ(platform::ShowModal(second), QDialog::Accepted);
}

TEST_F(ElevensCustomScoring, TheLongSwitchCaptionWrapsInsteadOfWideningTheDialog) {
    frmElevensCustomScoring dlg;
    auto* check = dlg.findChild<QCheckBox*>("chkScoring");
    ASSERT_NE(check, nullptr);
    // The frame of boxes is 7200 twips wide; the window keeps close to it.
    EXPECT_LE(dlg.width(), Tw(7200 + 2 * 120) + 2);
    EXPECT_LE(check->geometry().right(), dlg.width());
    EXPECT_EQ(check->text().simplified(),
              "Enable V 7.0 enhanced scoring. For more information about this feature select "
              "the Rules command from under the Help menu.");
}
