// The twenty-one combinations window played as the player does, in virtual time.
#include "../LaidOutDeck.h"
#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "frame/TableScoringDialog.h"
#include "games/combinations/CombinationsSettings.h"
#include "games/combinations/frmBrisko.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScores.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

class BriskoWindowTest : public testsupport::GameWindowTest {
  protected:
    BriskoWindowTest() : GameWindowTest("frmBrisko") { CombinationsOptions() = {}; }
    ~BriskoWindowTest() override { CombinationsOptions() = {}; }

    std::unique_ptr<frmBrisko> open() { return GameWindowTest::open<frmBrisko>(); }

    // Every round deals this deck.
    static void dealDeck(frmBrisko& w, const QStringList& deck) {
        w.gameForTests().makeDeck = [deck](bool) {
            Shared().Deck = deck;
            return true;
        };
    }
    // Ace and king pairs: every two Hits on one column make a 21.
    static QStringList twentyOnePairs() {
        std::map<int, QString> at;
        for (int p = 1; p <= 52; p += 2) {
            at[p] = " 1H";
            at[p + 1] = " 13C";
        }
        return LaidOutDeck(at);
    }
    static void hits(frmBrisko& w, std::initializer_list<int> columns) {
        for (int c : columns)
            w.cmdHit(c)->click();
    }
    static std::vector<int> joined(std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

TEST_F(BriskoWindowTest, FirstRunSettingsAndTheIdleWindow) {
    auto w = open();
    EXPECT_TRUE(
        file("Brisko.Ini").startsWith("[Play Sounds]\r\nTrue\r\n\r\n[Timer Speed]\r\n 90\r\n"));
    EXPECT_TRUE(file("Brisko.Ini").endsWith("[Width]\r\n9060\r\n\r\n[Height]\r\n7155\r\n\r\n\r\n"));
    EXPECT_EQ(w->statusText(1), "Welcome to Brisko!!      ");
    EXPECT_TRUE(w->item("mnu90")->isChecked());
    EXPECT_TRUE(w->item("mnuNight")->isChecked());
    EXPECT_EQ(w->Timer3()->interval(), 90);
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 50,000");
    EXPECT_FALSE(Shared().CustomScoring);
}

TEST_F(BriskoWindowTest, AWrongCounterSpeedIsReportedOnce) {
    sandbox.write("Brisko.Ini", "[Timer Speed]\r\n100\r\n\r\n[Time Limit]\r\n45\r\n");
    platform::MessageScript script;
    auto w = open();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text, "Someone has been monkeying around with the INI "
                                      "file...tsk tsk! Timer speed is set to default!");
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::None);
    EXPECT_EQ(script.asked()[0].title, platform::kDefaultTitle);
    EXPECT_EQ(w->Timer3()->interval(), 90);
    EXPECT_EQ(Shared().TimeLimit, 90); // a limit no item offers gives the default item
    EXPECT_TRUE(w->item("mnu90")->isChecked());
}

TEST_F(BriskoWindowTest, AWholeGameWithBustsTwentyOnesTheCounterTheTallyAndTheBonusRound) {
    int dialogs = 0;
    platform::ModalDriver driver([&dialogs](QDialog& d) {
        ++dialogs;
        if (auto* name = d.findChild<QLineEdit*>("txtPlayerName")) name->setText("Zed");
        if (auto* ok = d.findChild<QPushButton*>("cmdOK")) ok->click();
        if (auto* done = d.findChild<QPushButton*>("cmdDone")) done->click();
    });
    auto w = open();
    w->show();
    dealDeck(*w, twentyOnePairs());
    w->cmdPlay()->click();
    EXPECT_EQ(w->cmdPlay()->text(), "&End game");
    EXPECT_EQ(w->statusText(1), "Make 250,000 for bonus round.");
    EXPECT_EQ(w->NextCardPicture()->pictureKey(), "1H");
    EXPECT_FALSE(w->Timer3()->isEnabled()); // the counter waits for the first 21

    // 21, 21, a run-out, 21: the line reads 3 X 2,000 = 6,000.
    waves();
    hits(*w, {0, 0});
    EXPECT_EQ(waves(), (QStringList{"Click.wav", "TwentyOne.wav"}));
    EXPECT_TRUE(w->Timer3()->isEnabled());
    hits(*w, {1, 1});
    EXPECT_EQ(text(*w, "lblBonus"), "2000");
    pauses();
    platform::ProgramTime::advance(50 * 90);
    EXPECT_TRUE(w->Timer5()->isEnabled()); // blinking from the 50th step
    platform::ProgramTime::advance(51 * 90);
    EXPECT_EQ(text(*w, "lblBonus"), "1000");
    EXPECT_EQ(pauses(), std::vector<int>{250});
    hits(*w, {2, 2});
    EXPECT_EQ(text(*w, "lbl21s"), "3");

    // A bust: the king stays current and 100 points go.
    hits(*w, {3});    // an ace: 11
    hits(*w, {3});    // a king: 21 again
    hits(*w, {3, 3}); // ace 11, king 21: that is five 21s so far
    EXPECT_EQ(text(*w, "lbl21s"), "5");
    w->cmdHit(0)->click(); // ace on an empty column
    w->cmdHit(0)->click(); // king: 21
    EXPECT_EQ(Shared().Score, 0);

    // Take Score: 12 cards used, 6 x the bonus.
    const QString line = "6 X " + FormatScore(w->game().board().bonus()) + " = " +
                         FormatScore(6 * int64_t(w->game().board().bonus()));
    const int32_t amount = 6 * w->game().board().bonus();
    pauses();
    w->cmdTakeScore()->click();
    EXPECT_EQ(pauses(), joined(joined(repeated({}, 75, 12), {750}),
                               joined(repeated({}, 75, amount / 1000), {2000})));
    EXPECT_EQ(Shared().Score, 1200 + amount);
    (void)line;
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_EQ(w->game().round(), 2);
    EXPECT_FALSE(w->Timer3()->isEnabled());

    // Round 2 runs out on the clock: "Times Up!" flashes ten times, then the empty tally.
    pauses();
    platform::ProgramTime::advance(45000);
    EXPECT_EQ(w->statusText(2), "Times running out!");
    platform::ProgramTime::advance(24000);
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
    platform::ProgramTime::advance(21000);
    EXPECT_EQ(pauses(), joined(repeated({}, 250, 10), {2000}));
    EXPECT_EQ(w->game().round(), 3);

    // Round 3 with enough score for the bonus round.
    Shared().Score = 250001;
    w->cmdTakeScore()->click();
    EXPECT_EQ(w->game().round(), 4);
    EXPECT_TRUE(waves().contains("HighScore.wav"));

    // The bonus round ends the game with the name entry and the red "Game Over".
    pauses();
    w->cmdTakeScore()->click();
    EXPECT_EQ(pauses(), std::vector<int>{2000});
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_EQ(w->statusText(1), "Click on Play to start a new game  ");
    EXPECT_EQ(w->statusText(2), "Game Over ");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_TRUE(file("Brisko Hi Score Table 90.Txt").contains("Zed"));

    w->cmdPlay()->click();
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(text(*w, "lblRound"), "Round: 1");
}

TEST_F(BriskoWindowTest, PauseStopsTheCounterAndEndGameRecordsNothing) {
    platform::MessageScript script;
    auto w = open();
    w->show();
    dealDeck(*w, twentyOnePairs());
    w->cmdPlay()->click();
    hits(*w, {0, 0});
    platform::ProgramTime::advance(20 * 90);
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "ScoringLabelInfo"), "Game Paused");
    EXPECT_FALSE(w->Timer3()->isEnabled());
    const int at = w->ProgressBar1()->value();
    platform::ProgramTime::advance(5000);
    w->cmdPause()->click();
    EXPECT_TRUE(w->Timer3()->isEnabled());
    EXPECT_EQ(w->ProgressBar1()->value(), at);

    script.then(platform::Answer::No).then(platform::Answer::Yes);
    w->cmdPlay()->click();
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    int dialogs = 0;
    platform::ModalDriver driver([&dialogs](QDialog&) { ++dialogs; });
    Shared().Score = 900000;
    w->cmdPlay()->click();
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->Timer3()->isEnabled());
}

TEST_F(BriskoWindowTest, Renders) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    QDir().mkpath(out);
    auto w = open();
    w->show();
    platform::ProgramTime::advance(13 * 200);
    EXPECT_TRUE(w->grab().save(out + "/brisko-start.png"));
    dealDeck(*w, LaidOutDeck({{1, " 1S"},
                              {2, " 6H"},
                              {3, " 13D"},
                              {4, " 9C"},
                              {5, " 1D"},
                              {6, " 12H"},
                              {7, " 4S"},
                              {8, " 7C"}}));
    w->cmdPlay()->click();
    hits(*w, {0, 0, 1, 2, 3, 3, 1});
    platform::ProgramTime::advance(50 * 90);
    EXPECT_TRUE(w->grab().save(out + "/brisko-midround.png"));
    w->cmdPause()->click();
    EXPECT_TRUE(w->grab().save(out + "/brisko-paused.png"));
    w->cmdPause()->click();
    w->showMaximized();
    EXPECT_TRUE(w->grab().save(out + "/brisko-maximised.png"));
}

TEST_F(BriskoWindowTest, CustomScoringStoresEachBoxAndTheCounterSpeed) {
    auto w = open();
    platform::MessageScript script;
    int shown = 0;
    platform::ModalDriver driver([&shown](QDialog& d) {
        ++shown;
        auto* dlg = static_cast<TableScoringDialog*>(&d);
        EXPECT_EQ(dlg->box("txtWaitPeriod")->text(), "2.5");
        EXPECT_TRUE(dlg->findChild<QRadioButton*>("optDefault")->isChecked());
        dlg->box("txtNumberOfCardsToPass")->setText("11");
        dlg->box("txtBonus")->setText("99");
        dlg->findChild<QRadioButton*>("optSlow")->setChecked(true);
        dlg->cmdOK()->click();
        EXPECT_TRUE(dlg->isVisible() || dlg->result() != QDialog::Accepted);
        dlg->cmdCancel()->click();
    });
    CombinationsOptions().WaitPeriod = 2500;
    w->mnuCustom_Click();
    EXPECT_EQ(shown, 1);
    ASSERT_FALSE(script.texts().empty());
    EXPECT_EQ(script.texts()[0], "Sorry, you cannot pass more than 10 cards.");
    EXPECT_EQ(CombinationsOptions().CardsToPass, 3); // a rejected count is not kept
    EXPECT_EQ(Shared().BonusRoundScore, 99);
    EXPECT_EQ(CombinationsOptions().WaitPeriod, 2500);
    EXPECT_EQ(CombinationsOptions().TimerSpeed, 180);
    EXPECT_EQ(w->Timer3()->interval(), 180);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->statusText(1), "Make 99 for bonus round.  ");
}

TEST_F(BriskoWindowTest, MinimisingHoldsTheCounterAndARestoreRunsItOn) {
    auto w = open();
    w->show();
    dealDeck(*w, twentyOnePairs());
    w->cmdPlay()->click();
    hits(*w, {0, 0});
    platform::ProgramTime::advance(10 * 90);
    w->showMinimized();
    EXPECT_FALSE(w->Timer3()->isEnabled());
    EXPECT_FALSE(w->Timer1()->isEnabled());
    const int at = w->ProgressBar1()->value();
    platform::ProgramTime::advance(5000);
    EXPECT_EQ(w->ProgressBar1()->value(), at);
    w->showNormal();
    EXPECT_TRUE(w->Timer3()->isEnabled());
    EXPECT_TRUE(w->Timer1()->isEnabled());
}
