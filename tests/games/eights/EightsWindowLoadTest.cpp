// The wild-eights window as it opens: first run, stored settings, size and menus.
#include "EightsWindowTestSupport.h"

#include <QAction>
#include <QMenu>

namespace {
const QByteArray kFirstRun =
    "[Play Sounds]\r\nTrue\r\n\r\n[Play Music]\r\nFalse\r\n\r\n[Deck]\r\n1\r\n\r\n"
    "[Bonus Score]\r\n5000000\r\n\r\n[Eights CompleteBonus]\r\n50000\r\n\r\n"
    "[Time Bonus]\r\n100\r\n\r\n[Count Down]\r\nTrue\r\n\r\n[Time]\r\n90\r\n\r\n"
    "[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n";

QStringList captions(QMenu* m) {
    QStringList out;
    for (QAction* a : m->actions())
        out << (a->isSeparator() ? "|" : a->text());
    return out;
}
} // namespace

TEST_F(EightsWindowTest, FirstRunWritesTheDefaultsAndShowsTheIdleWindow) {
    auto w = open<frmEights>();
    EXPECT_EQ(file("Eights.Ini"), kFirstRun);
    EXPECT_EQ(w->size(), QSize(636, 487));
    EXPECT_EQ(w->windowTitle(), "Wildrow!");
    EXPECT_EQ(w->statusText(1), "Welcome to Wildrow!   ");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 90");
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 50,000");
    EXPECT_TRUE(w->item("mnu90")->isChecked());
    EXPECT_TRUE(w->item("mnuPalm")->isChecked());
    EXPECT_TRUE(w->item("mnuSounds")->isChecked());
    EXPECT_FALSE(w->item("mnuMusic")->isChecked());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "imgPlayCard(1)"));
    for (const char* name : {"lblRound", "RoundRectangle", "lblCurrentRound"})
        EXPECT_TRUE(shown(*w, name)) << name;
    EXPECT_FALSE(Shared().CustomScoring);

    // Quitting writes the values in force; a maximised window its design size.
    w->showMaximized();
    w->mnuMusic_Click();
    platform::MessageScript answers;
    answers.then(platform::Answer::Yes);
    w->requestQuit();
    QByteArray expected = kFirstRun;
    expected.replace("[Play Music]\r\nFalse", "[Play Music]\r\nTrue");
    EXPECT_EQ(file("Eights.Ini"), expected);
}

TEST_F(EightsWindowTest, StoredSettingsApplyAndBadOnesKeepTheirDefaults) {
    sandbox.write("Eights.Ini", "[Deck]\r\n3\r\n\r\n[Time]\r\n120\r\n\r\n[Time Bonus]\r\n7\r\n\r\n"
                                "[Play Sounds]\r\ntrue\r\n\r\n[State]\r\n1\r\n\r\n"
                                "[Width]\r\n12000\r\n\r\n[Height]\r\n8000\r\n\r\n");
    auto w = open<frmEights>();
    EXPECT_TRUE(w->item("mnuMagic")->isChecked());
    EXPECT_FALSE(w->item("mnuPalm")->isChecked());
    EXPECT_EQ(Shared().DeckDesign, 3);
    EXPECT_TRUE(w->item("mnu120")->isChecked());
    EXPECT_EQ(text(*w, "lblTime"), "Time: 120");
    EXPECT_EQ(Shared().TimeBonus, 7);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_FALSE(Shared().SoundsOn);
    EXPECT_FALSE(w->isMinimized());
    EXPECT_EQ(w->size(), QSize(800, 533));

    sandbox.write("Eights.Ini", "[Deck]\r\n5\r\n\r\n[Time]\r\n100\r\n\r\n[Width]\r\n100\r\n\r\n");
    auto again = open<frmEights>();
    EXPECT_TRUE(again->item("mnuPalm")->isChecked());
    EXPECT_TRUE(again->item("mnu90")->isChecked());
    EXPECT_EQ(again->size(), QSize(636, 487)); // held at the minimum
}

TEST_F(EightsWindowTest, MenusAsDesigned) {
    auto w = open<frmEights>();
    EXPECT_EQ(captions(w->menu("mnuFile")), (QStringList{"&Play", "Pau&se", "|", "E&xit"}));
    EXPECT_TRUE(w->item("mnuExit")->shortcut().isEmpty());
    EXPECT_EQ(w->item("mnuPlay")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(w->item("mnuPause")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(captions(w->menu("mnuOptions")),
              (QStringList{"&View High Scores...", "&Clear High Scores", "|",
                           "Play &Music  (plays during game)", "&Play Sounds", "|",
                           "&User Options...", "Time Limit", "Deck"}));
    EXPECT_EQ(w->item("mnuSounds")->shortcut(), QKeySequence("Ctrl+L"));
    EXPECT_EQ(captions(w->menu("mnuTime")),
              (QStringList{"&60 Seconds", "&75 Seconds", "&90 Seconds  (default)", "&105 Seconds",
                           "1&20 Seconds"}));
    EXPECT_EQ(captions(w->menu("mnuDeck")),
              (QStringList{"&Palm Tree", "&Night Castle", "&Magic Hands", "&Hot Cards"}));
    w->mnuNight_Click();
    EXPECT_EQ(Shared().DeckDesign, 2);
    w->mnuMagic_Click();
    EXPECT_EQ(Shared().DeckDesign, 3);
    w->mnuHot_Click();
    EXPECT_EQ(Shared().DeckDesign, 4);
    EXPECT_EQ(captions(w->menu("mnuHelp")), (QStringList{"&Rules", "|", "&About"}));
    EXPECT_EQ(w->cmdPause()->toolTip(), "Pauses the current game");
    EXPECT_EQ(w->quitButton()->toolTip(), "Closes Wildrow");
}
