// Loading the elevens window: the first run's settings file, the idle window, the stored
// settings applied through the menus, and the layout at the minimum size and larger.
#include "ElevensWindowTestSupport.h"
#include "FirstRunSettings.h"

#include "platform/Twips.h"
#include "services/PictureList.h"

#include <QFileInfo>
#include <QFrame>

namespace {
QRect twips(const QWidget* w) {
    return QRect(w->x() * 15, w->y() * 15, w->width() * 15, w->height() * 15);
}
} // namespace

TEST_F(ElevensWindowTest, FirstRunWritesTheDefaultsAndOpensIdle) {
    auto w = open();
    EXPECT_EQ(file("Sumbry.Ini"), kFirstRunSumbryIni);
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/Sumbry Hi Score Table ES 11_90.Txt"));
    EXPECT_EQ(w->objectName(), "frmElevens");
    EXPECT_EQ(w->windowTitle(), "Sumbry! - Enhanced Scoring");
    EXPECT_EQ(w->size(), QSize(Tw(9540), Tw(7200)));
    EXPECT_EQ(w->statusText(1), "Welcome to Sumbry!  ");
    EXPECT_EQ(w->statusText(3), "9:04 AM");
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 50,000");
    EXPECT_EQ(text(*w, "lblProductName"), "Sumbry!");
    EXPECT_EQ(text(*w, "lblCompanyProduct"), "Corvell Presents");
    EXPECT_EQ(text(*w, "lblVersion"), "Version 7.0");
    EXPECT_EQ(text(*w, "lblElevens"), "Elevens:");
    EXPECT_EQ(Shared().TimeLimit, 90);
    EXPECT_EQ(Shared().CardGoal, 11);
    EXPECT_TRUE(Shared().EnhancedScoring && Shared().SoundsOn && !Shared().MusicOn);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_TRUE(ElevensOptions().DrawTimer);
    for (const char* checked : {"mnu90", "mnu11", "mnuRed", "mnuPalm", "mnuSounds", "mnuDrawTimer"})
        EXPECT_TRUE(w->item(checked)->isChecked()) << checked;
    for (const char* unchecked : {"mnu30", "mnu12", "mnuYellow", "mnuMusic"})
        EXPECT_FALSE(w->item(unchecked)->isChecked()) << unchecked;
    EXPECT_FALSE(w->item("mnuSave")->isEnabled());
    EXPECT_TRUE(w->item("mnuOpen")->isEnabled());
    EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
    EXPECT_EQ(w->cmdTakeScore()->text(), "&Take Score");
    EXPECT_TRUE(w->frmSplash()->isVisibleTo(w.get()));
    EXPECT_TRUE(w->Timer4()->isEnabled());
    EXPECT_EQ(w->imgSplashImage(0)->pixmap().cacheKey(),
              CardPictureList().byKey("SMBY").cacheKey());
    for (const char* hidden :
         {"FieldCardPicture_0", "PlayCardPicture", "UpCardPicture", "Surface", "lblTime",
          "lblHighScore", "lblCurrentScore", "ScoreRectangle", "lblMessage", "CardTotalRectangle"})
        EXPECT_FALSE(shown(*w, hidden)) << hidden;
    EXPECT_EQ(w->FieldCardPicture(0)->toolTip(), "600 points");
    EXPECT_EQ(w->FieldCardPicture(21)->toolTip(), "100 points");
    EXPECT_EQ(w->UpCardPicture()->toolTip(), "0 points");
}

TEST_F(ElevensWindowTest, StoredSettingsComeBackThroughTheMenus) {
    QFile f(dir.path() + "/Sumbry.Ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Color]\r\n3\r\n\r\n[Time]\r\n60\r\n\r\n[CardGoal]\r\n13\r\n\r\n"
            "[New Score Mode]\r\nFalse\r\n\r\n[Elevens Bonus]\r\n1600\r\n\r\n"
            "[DrawTimer]\r\nFalse\r\n\r\n[Deck]\r\n3\r\n\r\n[Width]\r\n11400\r\n\r\n"
            "[Height]\r\n9360\r\n\r\n");
    f.close();
    auto w = open();
    EXPECT_EQ(Shared().TimeLimit, 60);
    EXPECT_TRUE(w->item("mnu60")->isChecked() && !w->item("mnu90")->isChecked());
    EXPECT_EQ(Shared().CardGoal, 13);
    EXPECT_TRUE(w->item("mnu13")->isChecked() && !w->item("mnu11")->isChecked());
    EXPECT_EQ(text(*w, "lblElevens"), "Thirteens:");
    EXPECT_TRUE(w->item("mnuGreen")->isChecked() && !w->item("mnuRed")->isChecked());
    EXPECT_EQ(w->FieldSelectionRectangle(4)->borderColour(), 49152u);
    EXPECT_EQ(w->UpCardSelectionRectangle()->borderColour(), 49152u);
    EXPECT_TRUE(w->item("mnuNight")->isChecked());
    EXPECT_EQ(Shared().DeckDesign, 3);
    EXPECT_FALSE(w->item("mnuDrawTimer")->isChecked());
    EXPECT_EQ(w->windowTitle(), "Sumbry!");
    EXPECT_TRUE(Shared().CustomScoring); // classic scoring compares the classic bonus
    EXPECT_EQ(w->FieldCardPicture(0)->toolTip(), "700 points");
    EXPECT_EQ(w->UpCardPicture()->toolTip(), "100 points");
    EXPECT_TRUE(QFileInfo::exists(dir.path() + "/Sumbry Hi Score Table 13_60.Txt"));
    EXPECT_EQ(w->size(), QSize(Tw(11400), Tw(9360)));
}

TEST_F(ElevensWindowTest, LayoutFollowsTheWindowSizeAboveItsMinimum) {
    auto w = open();
    w->show();
    // At the minimum size: slot 0 at (4320, 1400), tiers 500 apart (the last 400).
    EXPECT_EQ(twips(w->FieldSelectionRectangle(0)), QRect(4320, 1395, 1065, 1455));
    const int tops[] = {1395, 1905, 2400, 2895, 3405, 3795};
    const int firstOfTier[] = {0, 1, 5, 10, 16, 20};
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(twips(w->FieldCardPicture(firstOfTier[t])).top(), tops[t]) << t;
    EXPECT_EQ(twips(w->FieldCardPicture(10)).left(), 360);
    EXPECT_EQ(twips(w->FieldCardPicture(15)).left(), 8280);
    EXPECT_EQ(twips(w->PlayCardPicture()).topLeft(), QPoint(3675, 4695));
    EXPECT_EQ(twips(w->UpCardPicture()).topLeft(), QPoint(4965, 4695));
    EXPECT_EQ(w->UpCardSelectionRectangle()->geometry(), w->UpCardPicture()->geometry());
    EXPECT_EQ(twips(w->button("cmdPlay")).left(), 8220);
    EXPECT_EQ(twips(w->frmSplash()).topLeft(), QPoint(915, 1800));
    // The gauges stand on the columns of places 0, 1 and 2.
    const auto centre = [](const QWidget* c) { return c->geometry().center().x(); };
    EXPECT_NEAR(centre(w->Surface()), centre(w->FieldCardPicture(1)), 1);
    EXPECT_NEAR(centre(w->label("lblScore")), centre(w->FieldCardPicture(0)), 1);
    EXPECT_NEAR(centre(w->label("lblRound")), centre(w->FieldCardPicture(2)), 1);
    EXPECT_EQ(w->findChild<QFrame*>("ElevensRectangle")->x(), w->FieldCardPicture(2)->x());
    EXPECT_EQ(twips(w->findChild<QFrame*>("CardTotalRectangle")).top(), 1395 + 2745);
    const QLabel* high = w->label("lblHighScore");
    EXPECT_EQ(high->geometry().bottom(), w->PlayCardPicture()->geometry().bottom());

    // Larger: the field, the pile row and the splash spread; buttons keep to the right.
    w->resize(826, 624); // 12390 x 9360 twips
    EXPECT_EQ(twips(w->FieldCardPicture(0)).topLeft(), QPoint(5610, 1815));
    EXPECT_EQ(twips(w->PlayCardPicture()).topLeft(), QPoint(4770, 6105));
    EXPECT_EQ(twips(w->UpCardPicture()).topLeft(), QPoint(6450, 6105));
    EXPECT_EQ(twips(w->button("cmdExit")).left(), 12390 - 1320);
    EXPECT_EQ(twips(w->frmSplash()).topLeft(), QPoint(2205, 2220));
    EXPECT_EQ(twips(w->FieldCardPicture(21)).top(), 1815 + 2400);

    // Smaller than the minimum snaps back and lays out once more at the minimum.
    w->resize(500, 400);
    EXPECT_EQ(w->size(), QSize(Tw(9540), Tw(7200)));
    EXPECT_EQ(twips(w->FieldSelectionRectangle(0)).topLeft(), QPoint(4320, 1395));
}

TEST_F(ElevensWindowTest, TheCountUpSwitchAndItsCheckMarkAlwaysAgree) {
    // A file without "[DrawTimer]": the bonuses count up, and the item says so.
    sandbox.write("Sumbry.Ini", "[Time]\r\n90\r\n\r\n");
    auto w = open();
    EXPECT_TRUE(ElevensOptions().DrawTimer);
    EXPECT_TRUE(w->item("mnuDrawTimer")->isChecked());
    w->item("mnuDrawTimer")->trigger(); // Ctrl+D once: off, and shown off
    EXPECT_FALSE(ElevensOptions().DrawTimer);
    EXPECT_FALSE(w->item("mnuDrawTimer")->isChecked());
    w->item("mnuDrawTimer")->trigger();
    EXPECT_TRUE(ElevensOptions().DrawTimer);
    EXPECT_TRUE(w->item("mnuDrawTimer")->isChecked());
}
