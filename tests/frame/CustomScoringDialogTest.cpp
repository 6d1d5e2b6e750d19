// The custom-scoring engine on a made-up form: the reading of a box, the closing rule where
// only the first failure counts, option buttons, a box kept as an absolute value, a switch
// that disables a box, and captions that wrap.
#include "frame/CustomScoringDialog.h"
#include "../TestSupport.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

TEST(ReadBoxNumberTest, TheLeadingNumberWithDigitGrouping) {
    const std::vector<std::pair<const char*, double>> cases = {
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {" 7000", 7000},
        {"80,000", 80000},
        {"1,234,567", 1234567},
        {"12,34", 12},
        {"1234,567", 1234},
        {"-5", -5},
        {"+3", 3},
        {"2.5", 2.5},
        {".5", 0.5},
        {"1,000.5x", 1000.5},
        {"- 5", 0},
        {"\t 9 9", 9},
        {"3e4", 3},
        {"99999999999", 99999999999.0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadBoxNumber(QString::fromLatin1(text)), value) << text;
    // A power of ten only where a form reads one, and only after digits.
    EXPECT_EQ(ReadBoxNumber(QStringLiteral("1e3")), 1);
    EXPECT_EQ(ReadBoxNumber(QStringLiteral("1e3"), true), 1000);
    EXPECT_EQ(ReadBoxNumber(QStringLiteral(" 2.5E+2x"), true), 250);
    EXPECT_EQ(ReadBoxNumber(QStringLiteral("125e-1"), true), 12.5);
    EXPECT_EQ(ReadBoxNumber(QStringLiteral("7e"), true), 7);
    EXPECT_EQ(ReadBoxNumber(QStringLiteral("e5"), true), 0);
    EXPECT_GT(ReadBoxNumber(QStringLiteral("1e999"), true), 1e300);
    // Too many digits to hold: beyond every range, not 0.
    EXPECT_GT(ReadBoxNumber(QString(400, QLatin1Char('9'))), 1e300);
    EXPECT_LT(ReadBoxNumber(QLatin1Char('-') + QString(400, QLatin1Char('9'))), -1e300);
    EXPECT_EQ(BoxText(2.5), "2.5");
    EXPECT_EQ(BoxText(2147483647), "2147483647");
    EXPECT_EQ(BoxText(-0.0), "0");
}

namespace {
int32_t gBonus = 0, gPenalty = 0, gSpeed = 0, gCard = 0;
bool gMode = false;

const SettingsTable& table() {
    static const SettingsTable t({SettingNumber("[Bonus]", gBonus, 500, 1, 5000000),
                                  SettingNumber("[Penalty]", gPenalty, 40, 0, 20000),
                                  SettingNumber("[Speed]", gSpeed, 90, 90, 360),
                                  SettingNumber("[Card]", gCard, 10, 0, 100),
                                  SettingFlag("[Mode]", gMode, true)},
                                 QSize(100, 100), "Test.Ini");
    return t;
}

ScoringForm form(ScoringClose closing) {
    ScoringForm f;
    f.dialogName = "frmTestCustom";
    f.settings = &table();
    f.client = QSize(4000, 4000);
    f.note = "A note long enough to need more than one line in the width it is given here.";
    f.notePlace = QRect(100, 100, 1500, 200);
    f.framePlace = QRect(100, 600, 3800, 1800);
    f.boxes = {
        {"lblBonus", "Bonus:", "txtBonus", QRect(100, 200, 1500, 250), QRect(2000, 200, 900, 285),
         2, "[Bonus]"},
        {"lblPenalty", "Penalty:", "txtPenalty", QRect(100, 600, 1500, 250),
         QRect(2000, 600, 900, 285), 1, "[Penalty]", 0, true, -1, "color: #ff0000;"},
        {"lblCard", "Card:", "txtCard", QRect(100, 1000, 1500, 250), QRect(2000, 1000, 900, 285), 0,
         "[Card]"},
    };
    f.switches = {{"chkMode", "Enhanced", QRect(100, 2500, 2000, 250), 3, "[Mode]"}};
    f.captions = {{"lblSpeed", "Speed:", QRect(100, 2850, 1000, 250)}};
    f.options = {{"optNormal", "Normal", QRect(1200, 2850, 900, 250), 4, "[Speed]", 90},
                 {"optSlow", "Slow", QRect(2200, 2850, 900, 250), 5, "[Speed]", 180}};
    f.ok = {QRect(100, 3400, 1000, 345), 6};
    f.byDefault = {QRect(1200, 3400, 1000, 345), 7};
    f.cancel = {QRect(2300, 3400, 1000, 345), 8};
    f.checks = {{.box = "txtBonus",
                 .low = 1,
                 .high = 5000000,
                 .lowMessage = "bonus low",
                 .highMessage = "bonus high"},
                {.box = "txtPenalty",
                 .low = -20000,
                 .high = 0,
                 .lowMessage = "penalty low",
                 .highMessage = "penalty high"},
                {.box = "txtCard",
                 .low = 0,
                 .high = 100,
                 .lowMessage = "card low",
                 .highMessage = "card high"}};
    f.closing = closing;
    f.icon = platform::Icon::Exclamation;
    // Classic scoring has no card bonus.
    f.switched = [](CustomScoringDialog& d, const QString&, bool on) {
        d.box("txtCard")->setEnabled(on);
    };
    return f;
}

class CustomScoringEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table().resetDefaults();
        gSpeed = 180;
    }
    testsupport::ProgramSandbox box;
};
} // namespace

TEST_F(CustomScoringEngineTest, OnlyTheFirstFailureIsReportedAndNothingIsStored) {
    platform::MessageScript script;
    int marked = 0;
    ScoringForm f = form(ScoringClose::FirstFailure);
    f.customMark = [&marked] { ++marked; };
    CustomScoringDialog d(std::move(f));
    EXPECT_EQ(d.box("txtPenalty")->text(), "-40"); // kept as its absolute value
    EXPECT_TRUE(d.option("optSlow")->isChecked());
    d.box("txtBonus")->setText("0x");
    d.box("txtPenalty")->setText("5");
    d.option("optNormal")->setChecked(true);
    d.cmdOK_Click();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.texts(), std::vector<QString>{"bonus low"});
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(d.box("txtBonus")->text(), "0x"); // the typed text stays
    EXPECT_EQ(gBonus, 500);
    EXPECT_EQ(gSpeed, 180);
    EXPECT_EQ(marked, 1);

    // All valid: everything is stored, the penalty as its absolute value, the option's speed.
    d.box("txtBonus")->setText("1,500");
    d.box("txtPenalty")->setText("-75");
    d.cmdOK_Click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(gBonus, 1500);
    EXPECT_EQ(gPenalty, 75);
    EXPECT_EQ(gSpeed, 90);
}

TEST_F(CustomScoringEngineTest, ADisabledBoxIsNeitherCheckedNorStoredAndDefaultStoresNothing) {
    gMode = false;
    platform::MessageScript script;
    CustomScoringDialog d(form(ScoringClose::EveryStep));
    EXPECT_FALSE(d.box("txtCard")->isEnabled());
    d.box("txtCard")->setText("500");
    d.cmdOK_Click();
    EXPECT_TRUE(script.texts().empty());
    EXPECT_EQ(gCard, 10);
    EXPECT_FALSE(gMode);

    gBonus = 7;
    CustomScoringDialog again(form(ScoringClose::EveryStep));
    again.cmdDefault_Click();
    EXPECT_EQ(again.box("txtBonus")->text(), "500");
    EXPECT_TRUE(again.box("txtCard")->isEnabled()); // the switch's reaction ran
    EXPECT_TRUE(again.option("optNormal")->isChecked());
    again.cmdCancel_Click();
    EXPECT_EQ(gBonus, 7);
    EXPECT_FALSE(gMode);
}

TEST_F(CustomScoringEngineTest, TabFollowsTabIndexAndGrownCaptionsPushTheRestDown) {
    CustomScoringDialog d(form(ScoringClose::EveryStep));
    QStringList names;
    for (QWidget* w : d.tabOrder())
        names << w->objectName();
    EXPECT_EQ(names, (QStringList{"txtCard", "txtPenalty", "txtBonus", "chkMode", "optNormal",
                                  "optSlow", "cmdOK", "cmdDefault", "cmdCancel"}));
    EXPECT_EQ(d.focusWidget(), d.box("txtCard"));
    QLabel* note = d.rowLabel("lblInfo");
    EXPECT_LE(note->heightForWidth(note->width()), note->height());
    EXPECT_GT(note->height(), Tw(200));
    // The frame moves down only as far as the note would cover it, and the buttons with it;
    // the dialog keeps its margin under them.
    const int push = note->y() + note->height() - Tw(600);
    EXPECT_GT(push, 0);
    EXPECT_EQ(d.frame()->y(), Tw(600) + push);
    EXPECT_EQ(d.cmdOK()->y(), Tw(3400) + push);
    EXPECT_EQ(d.height(), std::max(Tw(4000), d.cmdOK()->y() + d.cmdOK()->height() + Tw(90)));
    EXPECT_EQ(d.box("txtPenalty")->styleSheet(), "color: #ff0000;");
}

TEST_F(CustomScoringEngineTest, ACaptionWidensToItsBoxAndGrowsIntoTheFreeRoomBelowIt) {
    ScoringForm f = form(ScoringClose::EveryStep);
    f.note = "Short.";
    f.boxes[2].caption = "A card caption that needs two lines even here"; // the frame's last row
    CustomScoringDialog d(f);
    QLabel* card = d.rowLabel("lblCard");
    EXPECT_LE(card->heightForWidth(card->width()), card->height());
    EXPECT_GT(card->height(), Tw(250));
    EXPECT_GT(card->width(), Tw(1500));             // wider than designed
    EXPECT_LE(card->x() + card->width(), Tw(2000)); // but short of its box
    // The free room took the growth: nothing moved and nothing grew.
    EXPECT_EQ(d.frame()->geometry(), TwRect(100, 600, 3800, 1800));
    EXPECT_EQ(d.box("txtBonus")->y(), Tw(200));
    EXPECT_EQ(d.cmdOK()->y(), Tw(3400));
    EXPECT_EQ(d.height(), Tw(4000));
}
