// The elevens custom-scoring dialog, driven from the window's menu item.
#include "../ScoringDialogTestSupport.h"
#include "ElevensWindowTestSupport.h"
#include "platform/Twips.h"

#include <QFileInfo>

using namespace scoringtest;

namespace {
const char* const kBonusMsg =
    "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000.";
const char* const kCompletionMsg = "Sorry, the score awarded for completing the upper playing "
                                   "area must fall between 1 and 5,000,000.";
const char* const kComboMsg =
    "Sorry, the score awarded for each eleven combination must fall between 1 and 5,000,000.";
const char* const kTimeMsg = "Sorry, the score awarded for each second remaining in the game "
                             "after selecting 'Take Score' must fall between 1 and 5,000,000.";
const char* const kCardMsg = "Sorry, the score awarded for each remaining card in the deck after "
                             "completing the upper playing area must fall between 1 and "
                             "5,000,000.";

class ElevensCustomTest : public ElevensWindowTest {
  protected:
    void SetUp() override {
        ElevensWindowTest::SetUp();
        w = open();
    }
    // Enhanced scoring with every value at its default.
    static void defaults() {
        SharedState& s = Shared();
        s.EnhancedScoring = true;
        s.CustomScoring = false;
        ElevensSettings& o = ElevensOptions();
        o.BonusRoundScore = 80000;
        o.CompletionBonus = 10000;
        o.Bonus = 1500;
        o.BonusES = 1000;
        o.CardBonus = 1000;
        s.TimeBonus = 100;
    }
    void withDialog(const std::function<void(CustomScoringDialog&)>& act) { WithDialog(*w, act); }
    std::unique_ptr<frmElevens> w;
};

// What an OK with one box's text does: a value from 1 to 5,000,000, read as the box's leading
// number, is stored (rounded); anything else shows the box's message and stores nothing.
std::vector<BoxCase> casesFor(const char* box, int32_t before, const char* message) {
    return {
        {box, "12abc", 12, nullptr},       {box, "abc", before, message},
        {box, "", before, message},        {box, " 7000", 7000, nullptr},
        {box, "80,000", 80000, nullptr},   {box, "0", before, message},
        {box, "5000001", before, message},
    };
}
} // namespace

TEST_F(ElevensCustomTest, TabRunsThroughTheBoxesTheSwitchAndTheButtons) {
    defaults();
    EXPECT_EQ(TabOrderOf(*w),
              (QStringList{"txtBonus", "txtCompletion", "txtElevensBonus", "txtTimeBonus",
                           "txtCardBonus", "chkScoring", "cmdOK", "cmdDefault", "cmdCancel"}));
}

TEST_F(ElevensCustomTest, EachBoxReadsItsLeadingNumberWithinOneToFiveMillion) {
    std::vector<BoxCase> cases;
    for (const auto& part :
         {casesFor("txtBonus", 80000, kBonusMsg), casesFor("txtCompletion", 10000, kCompletionMsg),
          casesFor("txtElevensBonus", 1000, kComboMsg), casesFor("txtTimeBonus", 100, kTimeMsg),
          casesFor("txtCardBonus", 1000, kCardMsg)})
        cases.insert(cases.end(), part.begin(), part.end());
    cases.push_back({"txtCompletion", "5,000,000", 5000000, nullptr});
    cases.push_back({"txtCompletion", "1", 1, nullptr});
    cases.push_back({"txtCompletion", "0.9", 10000, kCompletionMsg});
    cases.push_back({"txtCompletion", "2.5", 2, nullptr}); // halves go to the even number
    cases.push_back({"txtCompletion", "3.5", 4, nullptr});
    cases.push_back({"txtCompletion", "-4", 10000, kCompletionMsg});
    cases.push_back({"txtCompletion", "99999999999", 10000, kCompletionMsg});
    RunBoxCases(*w, cases, defaults, [](const char* box) -> int32_t {
        const QString b = QLatin1String(box);
        const ElevensSettings& o = ElevensOptions();
        if (b == "txtBonus") return o.BonusRoundScore;
        if (b == "txtCompletion") return o.CompletionBonus;
        if (b == "txtElevensBonus") return o.BonusES;
        if (b == "txtCardBonus") return o.CardBonus;
        return Shared().TimeBonus;
    });
}

TEST_F(ElevensCustomTest, OnlyTheFirstFailingBoxIsReportedAndItKeepsTheFocus) {
    defaults();
    platform::MessageScript script;
    withDialog([&](CustomScoringDialog& d) {
        d.box("txtBonus")->setText("0");
        d.box("txtTimeBonus")->setText("fast");
        d.cmdOK()->click();
        ASSERT_EQ(script.texts(), std::vector<QString>{kBonusMsg});
        EXPECT_EQ(script.asked()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(script.asked()[0].title, "Sumbry!");
        EXPECT_EQ(d.focusWidget(), d.box("txtBonus"));
        EXPECT_EQ(d.box("txtBonus")->text(), "0"); // every box keeps what was typed
        EXPECT_EQ(d.box("txtTimeBonus")->text(), "fast");

        d.box("txtBonus")->setText("90000");
        d.cmdOK()->click();
        EXPECT_EQ(script.texts().back(), kTimeMsg);
        EXPECT_EQ(ElevensOptions().BonusRoundScore, 80000); // nothing stored yet
        EXPECT_NE(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(script.asked().size(), 2u);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(ElevensCustomTest, TheBoxesShowTheStoredModeAndTheGoalNamesTheCombination) {
    defaults();
    Shared().CardGoal = 13;
    ElevensOptions().BonusES = 1200;
    ElevensOptions().Bonus = 1700;
    ElevensOptions().CardBonus = 3000;
    withDialog([](CustomScoringDialog& d) {
        EXPECT_EQ(d.objectName(), "frmElevensCustomScoring");
        EXPECT_EQ(d.windowTitle(), "Sumbry! User Options");
        EXPECT_EQ(d.frame()->title(), "Sumbry! Scoring Options");
        EXPECT_EQ(d.box("txtElevensBonus")->text(), "1200"); // the value stored, not 1000
        EXPECT_EQ(d.box("txtCardBonus")->text(), "3000");
        EXPECT_TRUE(d.switchBox("chkScoring")->isChecked());
        EXPECT_TRUE(d.box("txtCardBonus")->isEnabled());
        EXPECT_EQ(d.rowLabel("lblElevenBonus")->text(), "Score awarded for thirteen combination:");
        EXPECT_EQ(d.focusWidget(), d.box("txtBonus"));
    });

    Shared().EnhancedScoring = false;
    Shared().CardGoal = 16; // no goal of its own: the design caption
    withDialog([](CustomScoringDialog& d) {
        EXPECT_EQ(d.box("txtElevensBonus")->text(), "1700");
        EXPECT_FALSE(d.switchBox("chkScoring")->isChecked());
        EXPECT_FALSE(d.box("txtCardBonus")->isEnabled());
        EXPECT_FALSE(d.rowLabel("lblCardBonus")->isEnabled());
        EXPECT_EQ(d.rowLabel("lblElevenBonus")->text(),
                  "Score awarded for each eleven combination:");
        // Switching the mode by hand offers that mode's default.
        d.switchBox("chkScoring")->setChecked(true);
        EXPECT_EQ(d.box("txtElevensBonus")->text(), "1000");
        EXPECT_TRUE(d.box("txtCardBonus")->isEnabled());
        d.switchBox("chkScoring")->setChecked(false);
        EXPECT_EQ(d.box("txtElevensBonus")->text(), "1500");
    });
}

TEST_F(ElevensCustomTest, OkStoresTheValuesAndBringsTheWindowUpToDate) {
    defaults();
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtBonus")->setText("123,456");
        d.box("txtElevensBonus")->setText("1100");
        d.box("txtCardBonus")->setText("2000");
    });
    EXPECT_TRUE(out.closed);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 123456);
    EXPECT_EQ(ElevensOptions().BonusES, 1100);
    EXPECT_EQ(ElevensOptions().Bonus, 1500);
    // Kept while the window is open: the next opening shows it.
    EXPECT_EQ(ElevensOptions().CardBonus, 2000);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 123,456 for Bonus Round!   ");
    EXPECT_EQ(w->windowTitle(), "Sumbry! - Enhanced Scoring");
    withDialog([](CustomScoringDialog& d) { EXPECT_EQ(d.box("txtCardBonus")->text(), "2000"); });

    // Clearing the switch moves to classic scoring with the box's value (its default unless
    // edited); a card bonus out of range in the box turned off is neither checked nor kept.
    const OkOutcome classic = PressOk(*w, [](CustomScoringDialog& d) {
        d.box("txtCardBonus")->setText("0");
        d.switchBox("chkScoring")->setChecked(false);
    });
    EXPECT_TRUE(classic.closed);
    EXPECT_TRUE(classic.messages.empty());
    EXPECT_FALSE(Shared().EnhancedScoring);
    EXPECT_EQ(ElevensOptions().Bonus, 1500);
    EXPECT_EQ(ElevensOptions().BonusES, 1100);
    EXPECT_EQ(ElevensOptions().CardBonus, 2000);
    EXPECT_EQ(w->windowTitle(), "Sumbry!");
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/Sumbry Hi Score Table 11_90.Txt"));
    EXPECT_TRUE(Shared().CustomScoring); // the bonus-round score is still 123,456
}

TEST_F(ElevensCustomTest, ACardBonusOfZeroIsRefusedThoughEnhancedScoringIsOn) {
    defaults();
    const OkOutcome out =
        PressOk(*w, [](CustomScoringDialog& d) { d.box("txtCardBonus")->setText("0"); });
    EXPECT_FALSE(out.closed);
    EXPECT_EQ(out.messages, std::vector<QString>{kCardMsg});
    EXPECT_EQ(ElevensOptions().CardBonus, 1000);
}

TEST_F(ElevensCustomTest, DefaultGivesTheDefaultScoringAndThenCancelChangesNothing) {
    // Classic stored with custom values; the player ticks enhanced and edits, then Default.
    defaults();
    Shared().EnhancedScoring = false;
    ElevensOptions().Bonus = 2000;
    ElevensOptions().BonusRoundScore = 7;
    Shared().CustomScoring = true;
    const QString status = w->statusText(1);
    const QString caption = w->windowTitle();
    QStringList texts;
    withDialog([&](CustomScoringDialog& d) {
        d.switchBox("chkScoring")->setChecked(true);
        d.box("txtElevensBonus")->setText("77");
        d.box("txtCardBonus")->setText("9");
        d.cmdDefault()->click();
        for (const char* b :
             {"txtBonus", "txtCompletion", "txtElevensBonus", "txtTimeBonus", "txtCardBonus"})
            texts << d.box(b)->text();
        EXPECT_TRUE(d.switchBox("chkScoring")->isChecked());
        EXPECT_TRUE(d.box("txtCardBonus")->isEnabled());
    });
    EXPECT_EQ(texts, (QStringList{"80000", "10000", "1000", "100", "1000"}));
    EXPECT_FALSE(Shared().EnhancedScoring);
    EXPECT_EQ(ElevensOptions().Bonus, 2000);
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 7);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), status);
    EXPECT_EQ(w->windowTitle(), caption);

    // Default then OK: exactly the default scoring, not marked custom.
    const OkOutcome out = PressOk(*w, [](CustomScoringDialog& d) { d.cmdDefault()->click(); });
    EXPECT_TRUE(out.closed);
    EXPECT_TRUE(Shared().EnhancedScoring);
    EXPECT_EQ(ElevensOptions().BonusES, 1000);
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 80000);
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(ElevensCustomTest, EveryCaptionShowsWholeTheLongSwitchWrapping) {
    defaults();
    withDialog([](CustomScoringDialog& d) {
        ExpectCaptionsFit(d);
        QCheckBox* check = d.switchBox("chkScoring");
        EXPECT_EQ(check->text().simplified(),
                  "Enable V 7.0 enhanced scoring. For more information about this feature "
                  "select the Rules command from under the Help menu.");
        EXPECT_GE(check->height(), check->sizeHint().height());
        // The dialog keeps to its design width; the buttons stay below the switch.
        EXPECT_LE(d.width(), Tw(7500) + 1);
        EXPECT_GE(d.cmdOK()->y(), check->y() + check->height());
        EXPECT_GE(d.frame()->y(), d.rowLabel("lblCustom")->y() + d.rowLabel("lblCustom")->height());
    });
}
