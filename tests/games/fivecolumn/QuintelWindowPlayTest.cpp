#include "QuintelWindowTestSupport.h"
#include "frame/Captions.h"
#include "frame/VbColour.h"
#include "platform/MessageBox.h"
#include "services/HighScores.h"

#include <QLabel>

TEST_F(QuintelWindowTest, AWholeGameScoredBustedTimedOutAndTheBonusRound) {
    int dialogs = 0;
    auto driver = nameEntry(dialogs);
    auto w = open();
    w->show();
    // The blue and red texts stand on the window's own background.
    EXPECT_FALSE(w->centralWidget()->autoFillBackground());
    // Round 1: five 21s before the first tick. Round 2: a bust. Round 3: the clock.
    dealDecks(*w, {fiveTwentyOnes(), layDeck({{2, " 10S"}, {3, " 10H"}, {4, " 5C"}}), layDeck({})});
    w->cmdPlay()->click();
    EXPECT_EQ(w->windowTitle(), "Quintel!: Round 1");
    EXPECT_EQ(w->statusText(1), "Make 200,000 for bonus round.  ");
    EXPECT_EQ(w->statusText(2), "Click on Hit buttons to create columns of 21!   ");
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_FALSE(w->menu("mnuDeck")->menuAction()->isEnabled());
    EXPECT_EQ(w->NextCardPicture()->pictureKey(), "1H");
    EXPECT_TRUE(w->Timer1()->isEnabled());

    // Ace, then king into column 0: 11 "Soft", then 21.
    waves();
    w->cmdHit(0)->click();
    EXPECT_EQ(text(*w, "ColumnTotal_0"), "11");
    EXPECT_EQ(text(*w, "ColumnSoft_0"), "Soft");
    EXPECT_TRUE(shown(*w, "ColumnSoft_0"));
    w->cmdHit(0)->click();
    EXPECT_EQ(text(*w, "ColumnTotal_0"), "21");
    EXPECT_EQ(waves(), (QStringList{"Click.wav", "Click.wav"}));
    hits(*w, {1, 1, 2, 2, 3, 3, 4});
    EXPECT_EQ(text(*w, "lblCurrentTotal"), "95");
    pauses();
    waves();
    // While the next round is announced, and while the game's end shows, the board has been
    // reset: the cleared total marks "< 97", not 105, the time bonus is back at its maximum,
    // Pause is not offered, and the pointer still waits for the round end.
    QStringList marked;
    QStringList reset;
    const auto previous = platform::ProgramTime::setPauseObserver({});
    platform::ProgramTime::setPauseObserver([&](int ms) {
        const QString message = text(*w, "ScoringLabel");
        if (message == "Prepare for Round 2")
            for (const char* row : {"lblNothing", "lbl105"})
                if (ForeColour(w->findChild<QLabel*>(row)) == VbColour(kVbRed)) marked << row;
        if (message.startsWith("Prepare for") || message == "Game Over")
            reset << message + ": " + text(*w, "lblTimeBonus") +
                         (w->cmdPause()->isEnabled() || w->item("mnuPause")->isEnabled()
                              ? ", Pause offered"
                              : "") +
                         (w->cursor().shape() == Qt::WaitCursor ? ", waiting" : ", pointer");
        if (previous) previous(ms);
    });
    w->cmdHit(4)->click(); // 105: taken at once, 1000 x 300
    EXPECT_EQ(marked, QStringList{"lblNothing"});
    EXPECT_EQ(pauses(), joined(repeated({2000, 2000, 2000}, 10, 500), {50, 2000}));
    EXPECT_EQ(Shared().Score, 300000);
    EXPECT_EQ(text(*w, "lblTotalScore"), "300,000");
    QStringList sounds = waves();
    EXPECT_EQ(sounds.first(), "Click.wav");
    EXPECT_EQ(sounds[1], "Applause.wav");
    EXPECT_EQ(sounds.count("Tick.wav"), 166);
    EXPECT_EQ(w->windowTitle(), "Quintel!: Round 2");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_EQ(w->game().round(), 2);
    EXPECT_EQ(text(*w, "ColumnTotal_0"), "0");
    EXPECT_EQ(w->findChild<QPushButton*>("cmdGiveUp")->text(), "&Give Up");

    // Round 2: ten, ten, five busts column 0: "Busted!" flashes 12 times, no points.
    hits(*w, {0, 0});
    pauses();
    waves();
    w->cmdHit(0)->click();
    EXPECT_EQ(pauses(), joined(repeated({}, 150, 12), {2000}));
    EXPECT_EQ(waves(), (QStringList{"Click.wav", "Busted.wav"}));
    EXPECT_EQ(Shared().Score, 300000);
    EXPECT_EQ(w->game().round(), 3);

    // Round 3: the clock runs out on a low sum: "Times Up!", then the failure's flashes.
    hits(*w, {0});
    pauses();
    platform::ProgramTime::advance(59000);
    EXPECT_EQ(text(*w, "lblTimeBonus"), " 103");
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(pauses(), joined(repeated({2000}, 150, 12), {2000}));
    EXPECT_EQ(w->windowTitle(), "Quintel!: Round 4");
    EXPECT_EQ(Shared().Score, 300000);

    // The bonus round, given up after ten seconds: the game is over with the name entry.
    platform::ProgramTime::advance(10000);
    EXPECT_EQ(text(*w, "lblTimeBonus"), " 267");
    w->findChild<QPushButton*>("cmdGiveUp")->click();
    platform::ProgramTime::setPauseObserver(previous);
    EXPECT_EQ(reset,
              (QStringList{"Prepare for Round 2: 300, waiting", "Prepare for Round 3: 300, waiting",
                           "Prepare for Bonus Round!: 300, waiting", "Game Over: 300, waiting"}))
        << qPrintable(reset.join('\n'));
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(w->windowTitle(), "Quintel!: Game Over");
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_EQ(w->statusText(1), "Game over!  ");
    EXPECT_EQ(w->statusText(2), "Click on Play to start a new game.  ");
    EXPECT_TRUE(file("Quintel Hi Score Table 60.Txt").contains("Zed"));
    EXPECT_EQ(text(*w, "lblHighScore").right(7), "300,000");
    EXPECT_TRUE(w->menu("mnuDeck")->menuAction()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));

    // A new game starts from nothing.
    w->cmdPlay()->click();
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(w->windowTitle(), "Quintel!: Round 1");
    // Cleared from the Hall of Fame during the game: the shorter top score is placed by its
    // rule again.
    {
        platform::MessageScript yes;
        yes.then(platform::Answer::Yes);
        platform::ModalDriver clear([](QDialog& d) {
            d.findChild<QPushButton*>("cmdClear")->click();
            d.findChild<QPushButton*>("cmdDone")->click();
        });
        w->item("mnuViewHighScores")->trigger();
    }
    EXPECT_EQ(text(*w, "lblHighScore").right(7), " 50,000");
    EXPECT_EQ(CaptionsOutOfRule(w.get()), QStringList{});
}

TEST_F(QuintelWindowTest, EndGameAskedAndPauseHidesTheBoard) {
    platform::MessageScript script;
    auto w = open();
    w->show();
    dealDecks(*w, {layDeck({})});
    w->cmdPlay()->click();
    w->cmdHit(2)->click();
    platform::ProgramTime::advance(3000);
    script.then(platform::Answer::No);
    w->cmdPlay()->click();
    ASSERT_EQ(script.texts().size(), 1u);
    EXPECT_EQ(script.texts()[0], "You have a game in progress, are you sure you want to quit?");
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());

    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "ScoringLabel"), "Game Paused");
    EXPECT_FALSE(shown(*w, "Column3_0"));
    EXPECT_FALSE(shown(*w, "cmdHit_0"));
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->cmdPause()->click();
    EXPECT_TRUE(shown(*w, "Column3_0"));
    EXPECT_TRUE(shown(*w, "cmdHit_0"));
    EXPECT_FALSE(shown(*w, "ScoringLabel"));

    int dialogs = 0;
    auto driver = nameEntry(dialogs);
    script.then(platform::Answer::Yes);
    Shared().Score = 999999;
    w->cmdPlay()->click();
    EXPECT_EQ(dialogs, 0); // no high-score check
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(w->windowTitle(), "Quintel!: Game Over");
    EXPECT_EQ(w->state(), GameWindow::State::Idle);
}
