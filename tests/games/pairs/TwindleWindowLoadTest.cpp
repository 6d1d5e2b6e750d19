// The Twindle window's load, settings file and layout at every size.

#include "TwindleWindowTestSupport.h"

#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace {
int left(const QWidget* w) {
    return w->x();
}
// Where a twips position lands in pixels, rounded as the layout rounds.
int px(double twips) {
    return Tw(std::llround(twips));
}
} // namespace

TEST_F(TwindleWindowTest, AFirstRunWritesTheDefaultsAndShowsTheFortyFiveSecondTable) {
    platform::MessageScript answers;
    auto w = open<frmTwindle>();
    const QByteArray ini = file("Twindle.Ini");
    EXPECT_EQ(ini.size(), 291);
    EXPECT_TRUE(ini.startsWith("[Play Music]\r\nFalse\r\n\r\n[Time]\r\n45\r\n\r\n"));
    EXPECT_TRUE(ini.endsWith("[State]\r\n0\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n\r\n"
                             "[Deck]\r\n1\r\n\r\n"));
    EXPECT_EQ(w->size(), QSize(638, 480));
    EXPECT_EQ(w->windowTitle(), "Twindle!");
    EXPECT_EQ(w->statusText(1), "Welcome to Twindle!  ");
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 30,000");
    EXPECT_FALSE(file("Twindle Hi Score Table 45.Txt").isEmpty());
    EXPECT_EQ(text(*w, "lblPairs"), "Pairs x 3000");
    EXPECT_EQ(text(*w, "lblRuns"), "Runs x 500");
    EXPECT_TRUE(w->item("mnu45")->isChecked());
    EXPECT_TRUE(w->item("mnuPalm")->isChecked());
    EXPECT_EQ(w->item("mnuClearHighRun"), nullptr);
    EXPECT_EQ(w->menu("mnuTime")->actions().size(), 7);
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "lblHighScore")); // until the first deal
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(TwindleWindowTest, StoredSettingsApplyThroughTheMenusAndDamageKeepsDefaults) {
    platform::MessageScript answers;
    sandbox.write("Twindle.Ini",
                  "[Time]\r\n90\r\n\r\n[Play Music]\r\nTrue\r\n\r\n"
                  "[Pairs Bonus]\r\n-5\r\n\r\n[Runs Bonus]\r\n700\r\n\r\n"
                  "[State]\r\n1\r\n\r\n[Width]\r\n11000\r\n\r\n[Height]\r\n8000\r\n\r\n"
                  "[Deck]\r\n3\r\n\r\n[Play Music]\r\nFalse\r\n");
    auto w = open<frmTwindle>();
    EXPECT_EQ(Shared().TimeLimit, 90);
    EXPECT_TRUE(w->item("mnu90")->isChecked());
    EXPECT_FALSE(w->item("mnu45")->isChecked());
    EXPECT_FALSE(Shared().MusicOn); // the later block wins
    EXPECT_EQ(PairsOptions().PairsBonus, 3000);
    EXPECT_EQ(PairsOptions().RunsBonus, 700);
    EXPECT_EQ(text(*w, "lblRuns"), "Runs x 700");
    EXPECT_TRUE(Shared().CustomScoring);
    // A window closed minimised opens normal, with its size and card backs.
    EXPECT_FALSE(w->isMinimized());
    EXPECT_EQ(w->size(), QSize(Tw(11000), Tw(8000)));
    EXPECT_EQ(Shared().DeckDesign, 3);
    EXPECT_TRUE(w->item("mnuNight")->isChecked());
}

TEST_F(TwindleWindowTest, AConfirmedQuitWritesTheSettingsAndAFailedWriteKeepsTheOldFile) {
    platform::MessageScript answers;
    answers.then(platform::Answer::Yes);
    auto w = open<frmTwindle>();
    w->TimeItem_Click(60);
    w->mnuHot_Click();
    EXPECT_TRUE(w->requestQuit());
    EXPECT_TRUE(file("Twindle.Ini").contains("[Time]\r\n60\r\n"));
    EXPECT_TRUE(file("Twindle.Ini").endsWith("[Deck]\r\n4\r\n\r\n"));

    // The next window's quit cannot write (no room for the file): the player is told and
    // the file of the last quit stays as it was.
    const QByteArray before = file("Twindle.Ini");
    auto again = open<frmTwindle>();
    again->TimeItem_Click(90);
    answers.clearAsked();
    answers.then(platform::Answer::Yes);
    {
        testsupport::FileSizeLimit noRoom(16);
        again->requestQuit();
    }
    ASSERT_EQ(answers.asked().size(), 2u); // the quit question, then the failed write
    EXPECT_TRUE(answers.asked()[1].text.contains("Twindle.Ini"));
    EXPECT_EQ(file("Twindle.Ini"), before);
}

TEST_F(TwindleWindowTest, TheLayoutFollowsTheWidthAndSnapsBackBelowTheMinimum) {
    platform::MessageScript answers;
    auto w = open<frmTwindle>();
    w->show();
    w->resize(Tw(12000), Tw(6000));
    EXPECT_EQ(w->size(), QSize(638, 480));
    // The worked positions at the minimum width.
    const double row1[] = {2197.5, 3232.5, 4267.5, 5302.5, 6337.5};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(left(w->PlayCard(i)), px(row1[i])) << i;
    EXPECT_EQ(left(w->PlayCard(5)), px(2715));
    EXPECT_EQ(left(w->PlayCard(23)), px(3915));
    EXPECT_EQ(left(w->CardStackPicture()), px(2715));
    EXPECT_EQ(left(w->cmdPlay()), px(8172.5));
    EXPECT_EQ(left(w->findChild<QWidget*>("PairRectangle")), px(332.5));
    EXPECT_EQ(left(w->frmSplash()), px(508.75));
    EXPECT_EQ(w->frmSplash()->y(), px(1575));
    for (int width : {638, 829, 1200}) {
        w->resize(width, 624);
        for (int i = 0; i < kBoardPlaces; ++i)
            EXPECT_EQ(w->FieldSelectionRectangle(i)->geometry(), w->PlayCard(i)->geometry())
                << width << " " << i;
        const QWidget* pairs = w->findChild<QWidget*>("PairRectangle");
        const QWidget* score = w->findChild<QWidget*>("ScoreRectangle");
        const int rightGap = score->x() - (w->PlayCard(4)->x() + w->PlayCard(4)->width());
        const int leftGap = w->PlayCard(0)->x() - (pairs->x() + pairs->width());
        EXPECT_NEAR(rightGap, leftGap, 2) << width;
    }
    w->showMaximized();
    EXPECT_TRUE(w->isMaximized());
}
