// The poker grid window's load, settings file and layout: a first run, stored and damaged
// settings, the minimum size and the places of the grid at two sizes.
#include "PokerGridFirstRun.h"
#include "PokerGridWindowTestSupport.h"

#include "frame/VbColour.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"

#include <QAction>
#include <QMenu>

TEST_F(PokerGridWindowTest, FirstRunWritesTheDefaultsAndTheTable) {
    auto w = openWindow();
    EXPECT_EQ(file("Marvane.Ini"), kFirstRunMarvaneIni);
    EXPECT_EQ(file("Marvane Hi Score Table 75.Txt").count("30000"), 10);
    EXPECT_EQ(w->windowTitle(), "Marvane!");
    EXPECT_EQ(w->statusText(1), "Welcome to Marvane!   ");
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 30,000");
    for (const char* item : {"mnu30", "mnu45", "mnu60", "mnu90", "mnu105", "mnu120"})
        EXPECT_FALSE(w->item(item)->isChecked()) << item;
    EXPECT_TRUE(w->item("mnu75")->isChecked());
    EXPECT_TRUE(w->item("mnuPalm")->isChecked());
    EXPECT_TRUE(w->item("mnuSounds")->isChecked());
    EXPECT_FALSE(w->item("mnuMusic")->isChecked());
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(text(*w, "lblCompanyProduct"), "Corvell Presents");
    EXPECT_EQ(text(*w, "lblVersion"), "Version 7.0");
    EXPECT_EQ(text(*w, "lblProductName"), "Marvane!");
    EXPECT_TRUE(w->frmSplash()->isVisibleTo(w.get()));
    EXPECT_TRUE(w->Timer4()->isEnabled());
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->width(), Tw(9540));
    EXPECT_EQ(w->height(), Tw(7305));

    // A confirmed quit writes the values in force.
    platform::MessageScript script;
    script.setFallback(platform::Answer::Yes);
    w->TimeItem_Click(120);
    w->mnuHot_Click();
    PokerGridOptions().hands.FullHouseScore = 250;
    w->requestQuit();
    const QByteArray written = file("Marvane.Ini");
    EXPECT_TRUE(written.startsWith("[Time]\r\n120\r\n\r\n"));
    EXPECT_TRUE(written.contains("[Deck]\r\n4\r\n\r\n"));
    EXPECT_TRUE(written.contains("[Full House Score]\r\n250\r\n\r\n"));
    EXPECT_TRUE(QFile::exists(sandbox.path("Marvane Hi Score Table 120.Txt")));
}

TEST_F(PokerGridWindowTest, StoredAndDamagedSettings) {
    sandbox.write("Marvane.Ini",
                  "[Time]\r\n45\r\n\r\n[Deck]\r\n3\r\n\r\n[Play Music]\r\nTrue\r\n\r\n"
                  "[Pair Score]\r\nlots\r\n\r\n[Over Writes]\r\n5\r\n\r\n"
                  "[Width]\r\n12000\r\n\r\n[Height]\r\n10000\r\n\r\n");
    auto w = openWindow();
    EXPECT_TRUE(w->item("mnu45")->isChecked());
    EXPECT_FALSE(w->item("mnu75")->isChecked());
    EXPECT_TRUE(w->item("mnuNight")->isChecked());
    EXPECT_TRUE(w->item("mnuMusic")->isChecked());
    EXPECT_EQ(PokerGridOptions().hands.PairScore, 50);
    EXPECT_EQ(PokerGridOptions().OverWrites, 5);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->width(), Tw(12000));
    EXPECT_EQ(w->height(), Tw(10000));
    EXPECT_TRUE(QFile::exists(sandbox.path("Marvane Hi Score Table 45.Txt")));

    // Without a readable time the default item is checked and its table shown.
    sandbox.write("Marvane.Ini", "[Time]\r\n100\r\n\r\n[Deck]\r\n5\r\n\r\n");
    auto again = openWindow();
    EXPECT_TRUE(again->item("mnu75")->isChecked());
    EXPECT_EQ(Shared().TimeLimit, 75);
    EXPECT_TRUE(again->item("mnuPalm")->isChecked());
    EXPECT_EQ(text(*again, "lblHighScore"), "High Score: 30,000");
}

TEST_F(PokerGridWindowTest, ADamagedTableIsReportedAndTheWindowStillLoads) {
    sandbox.write("Marvane Hi Score Table 75.Txt", "garbage without rows\r\n");
    platform::MessageScript script;
    auto w = openWindow();
    EXPECT_FALSE(script.asked().empty());
    EXPECT_TRUE(w->frmSplash()->isVisibleTo(w.get()));
}

TEST_F(PokerGridWindowTest, LayoutAtTheMinimumAndALargerSize) {
    auto w = openWindow();
    w->show();
    // Columns at 300, 1500, 2700, 3900 and 5100; deck 7110, hole card 8310.
    const int columns[] = {300, 1500, 2700, 3900, 5100};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(w->PlayCards(20 + c)->x(), Tw(columns[c])) << c;
    EXPECT_EQ(w->CardStackPicture()->x(), Tw(7110));
    EXPECT_EQ(w->HoleCard()->x(), Tw(8310));
    EXPECT_EQ(w->PlayCards(0)->y(), Tw(204));
    EXPECT_EQ(w->PlayCards(5)->y(), Tw(1242));
    EXPECT_LT(w->PlayCards(10)->y() - w->PlayCards(5)->y(), w->PlayCards(5)->height());
    EXPECT_EQ(w->HoleCard()->y(), w->PlayCards(24)->y());
    // Row labels right of the grid, centred on their rows; column labels under the columns.
    EXPECT_EQ(w->lblRow(1)->x(), w->PlayCards(4)->x() + w->PlayCards(4)->width() + Tw(75));
    const QLabel* col = w->lblCol(3);
    EXPECT_NEAR(col->x() + col->width() / 2.0, w->PlayCards(22)->geometry().center().x(), 1.5);

    // Too small in one direction only: both return to the minimum.
    w->resize(Tw(12000), Tw(7000));
    EXPECT_EQ(w->width(), Tw(9540));
    EXPECT_EQ(w->height(), Tw(7305));

    w->resize(Tw(12000), Tw(10000));
    EXPECT_EQ(w->PlayCards(5)->y(), Tw(1700));
    EXPECT_EQ(w->PlayCards(10)->y() - w->PlayCards(5)->y(), Tw(3196) - Tw(1700));
    EXPECT_EQ(w->PlayCards(22)->x(), Tw(6000 - 2070));
    EXPECT_GE(w->PlayCards(10)->y(), w->PlayCards(5)->y() + w->PlayCards(5)->height());
}

TEST_F(PokerGridWindowTest, MaximisedWindowIsStoredWithItsRestoreSize) {
    platform::MessageScript script;
    script.setFallback(platform::Answer::Yes);
    auto w = openWindow();
    w->showMaximized();
    w->requestQuit();
    EXPECT_TRUE(
        file("Marvane.Ini")
            .endsWith("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n\r\n"));
}
