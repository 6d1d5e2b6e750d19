#include "games/towers/frmCrestalCustom.h"
#include "CrestalWindowTestSupport.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

namespace {
class CrestalCustomTest : public CrestalWindowTest {
  protected:
    CustomScoringDialog* dialog(int& recomputed) {
        dlg = std::make_unique<CustomScoringDialog>(
            CrestalScoringTable([&recomputed] { ++recomputed; }));
        return dlg.get();
    }
    std::unique_ptr<CustomScoringDialog> dlg;
};
} // namespace

TEST_F(CrestalCustomTest, RangesRoundingAndMessages) {
    ResetTowersLoadDefaults();
    int recomputed = 0;
    platform::MessageScript script;
    CustomScoringDialog* d = dialog(recomputed);
    EXPECT_EQ(d->windowTitle(), "Crestal! User Options");
    EXPECT_EQ(d->box("txtCardValue")->text(), "100");
    EXPECT_EQ(d->box("txtBonusScore")->text(), "40000");
    EXPECT_EQ(d->box("txtRunBonus")->text(), "1000");
    EXPECT_EQ(d->box("txtCompletedTower")->text(), "5000");
    EXPECT_EQ(d->box("txtTimeBonus")->text(), "100");
    EXPECT_TRUE(d->switchBox("chkCountDown")->isChecked());

    d->box("txtCardValue")->setText("-5");
    d->box("txtTimeBonus")->setText("40000");
    d->cmdOK_Click();
    EXPECT_EQ(script.texts(),
              (std::vector<QString>{
                  "Sorry, you cannot increment the card value by less than 0 points.",
                  "Sorry, you cannot set the Time Bonus value to greater than 32767 points"}));
    EXPECT_EQ(TowersOptions().CardBonus, 0);
    EXPECT_EQ(Shared().TimeBonus, 32767);
    EXPECT_EQ(d->box("txtCardValue")->text(), "0");
    EXPECT_EQ(d->focusWidget(), d->box("txtTimeBonus"));
    EXPECT_EQ(recomputed, 1); // the stored values are marked although OK failed

    for (const auto& [text, stored, message] :
         {std::tuple{"999.5", 1000, false}, std::tuple{"998.5", 998, false},
          std::tuple{"1000.4", 1000, true}, std::tuple{"1001", 1000, true},
          std::tuple{"", 0, false}}) {
        const size_t before = script.texts().size();
        d->box("txtCardValue")->setText(text);
        d->box("txtTimeBonus")->setText("100");
        d->cmdOK_Click();
        EXPECT_EQ(TowersOptions().CardBonus, stored) << text;
        EXPECT_EQ(script.texts().size() - before, message ? 1u : 0u) << text;
    }
    d->box("txtBonusScore")->setText("950000");
    d->cmdOK_Click();
    EXPECT_EQ(Shared().BonusRoundScore, 900000);
    EXPECT_EQ(d->box("txtBonusScore")->text(), "900000");
}

TEST_F(CrestalCustomTest, DefaultThenCancelStoresNothingAndTheSwitchIsNeverCustom) {
    ResetTowersLoadDefaults();
    TowersOptions().TowerBonus = 7;
    int recomputed = 0;
    CustomScoringDialog* d = dialog(recomputed);
    d->cmdDefault_Click();
    EXPECT_EQ(d->box("txtCompletedTower")->text(), "5000");
    d->cmdCancel_Click();
    EXPECT_EQ(TowersOptions().TowerBonus, 7);

    // Through the window's menu item: defaults with the box cleared.
    int shown = 0;
    platform::ModalDriver driver([&shown](QDialog& dialog) {
        ++shown;
        auto& c = static_cast<CustomScoringDialog&>(dialog);
        c.cmdDefault_Click();
        c.switchBox("chkCountDown")->setChecked(false);
        c.cmdOK_Click();
    });
    auto w = openShown();
    w->item("mnuCustom")->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(TowersOptions().TowerBonus, 5000);
    EXPECT_EQ(w->statusText(1), "Make 40,000 for bonus round.  ");
}
