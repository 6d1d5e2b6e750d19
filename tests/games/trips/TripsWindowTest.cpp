// The trips-and-runs window played as the player plays it: clicks on the real controls,
// offscreen, in virtual time.
#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "games/trips/TripsSettings.h"
#include "games/trips/frmTrip.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "tests/games/trips/TripsTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace tripstest;

namespace {

class TripsWindowTest : public testsupport::GameWindowTest {
  protected:
    TripsWindowTest() : GameWindowTest("frmTrip") { ResetTripsLoadDefaults(); }
    ~TripsWindowTest() override { ResetTripsLoadDefaults(); }

    std::unique_ptr<frmTrip> openWithDecks(std::vector<QStringList> decks) {
        auto w = open<frmTrip>();
        decks_ = std::move(decks);
        w->gameForTests().setDeckSource([this] {
            const size_t n = std::min(dealt_, decks_.size() - 1);
            ++dealt_;
            Shared().Deck = DeckPlaying(decks_[n]);
            return true;
        });
        return w;
    }
    static void upTo(frmTrip& w, int column) {
        press(w.UpCard(2));
        press(w.PlayCard(column));
    }
    static void upToStorage(frmTrip& w, int place) {
        press(w.UpCard(2));
        press(w.TempCard(place));
    }
    // A picture for a look by eye, when PARLOVEX_RENDER_DIR names a folder.
    static void save(QWidget& w, const QString& name) {
        const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
        if (out.isEmpty()) return;
        QDir().mkpath(out);
        EXPECT_TRUE(w.grab().save(out + "/trips-" + name + ".png"));
    }

    // Records the high-score step of the shared end of game.
    struct InsertRecorder {
        InsertRecorder() {
            previous = GameWindow::SetHighScoreInsertForTests([this](const QString& t, QWidget*) {
                tables << t;
                return true;
            });
        }
        ~InsertRecorder() { GameWindow::SetHighScoreInsertForTests(previous); }
        QStringList tables;
        GameWindow::HighScoreInsert previous;
    };

    std::vector<QStringList> decks_;
    size_t dealt_ = 0;
};

TEST_F(TripsWindowTest, AFirstRunWritesTheSettingsAndTheTable) {
    auto w = open<frmTrip>();
    EXPECT_EQ(file("Tressel.Ini"),
              "[Time]\r\n120\r\n\r\n[Play Sounds]\r\nTrue\r\n\r\n[Play Music]\r\nFalse\r\n\r\n"
              "[Count Down Score]\r\nTrue\r\n\r\n[Deck]\r\n1\r\n\r\n[Time Bonus]\r\n200\r\n\r\n"
              "[Bonus Score]\r\n100000\r\n\r\n[Trips Score]\r\n6000\r\n\r\n"
              "[Runs Score]\r\n300\r\n\r\n[Flush Score]\r\n5000\r\n\r\n"
              "[Deck Completion]\r\n15000\r\n\r\n[LeftOverCards]\r\n250\r\n\r\n"
              "[State]\r\n0\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n");
    EXPECT_TRUE(file("Tressel Hi Score Table 120.Txt").contains("50000"));
    EXPECT_EQ(w->statusText(1), "Welcome to Tressel!   ");
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 50,000");
    EXPECT_TRUE(shown(*w, "lblHighScore"));
    EXPECT_EQ(ForeColour(w->findChild<QLabel*>("lblCardCount")), VbColour(kVbBlue));
    // The blue and red texts stand on the window's own background, the score and the round
    // end's messages on no fill of their frames; the gauge headings are in the window's text
    // colour.
    EXPECT_FALSE(w->centralWidget()->autoFillBackground());
    for (const char* frame :
         {"ScoreRectangle", "TripsRectangle", "RunRectangle", "ScoringLabelOutline"})
        EXPECT_FALSE(w->findChild<QWidget*>(frame)->autoFillBackground()) << frame;
    for (const char* heading : {"lblTrips", "lblRuns", "lblScore", "lblTime"})
        EXPECT_EQ(ForeColour(w->findChild<QLabel*>(heading)), VbColour(kVbBlack)) << heading;
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(Shared().CustomScoring);
    save(*w, "start");
}

TEST_F(TripsWindowTest, PlayDealsAndTakeScorePaysTheTimeLeft) {
    auto w = openWithDecks({{"4H", "5H", "6H", "7S", "7H", "7D"}});
    w->cmdPlay_Click();
    EXPECT_EQ(w->UpCard(0)->pictureKey(), Shared().Deck[1].trimmed());
    EXPECT_EQ(w->UpCard(2)->pictureKey(), "4H");
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards remaining: 52");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 1");
    EXPECT_EQ(w->statusText(1), "Make 100,000 for Bonus Round!   ");
    EXPECT_EQ(w->PlayCard(0)->pictureKey(), "EMPTY");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    waves();

    upTo(*w, 1);
    upTo(*w, 1);
    press(w->UpCard(2));
    save(*w, "selection");
    press(w->PlayCard(9)); // the column's lowest free place, whichever was clicked
    EXPECT_EQ(waves(), (QStringList{"Click.wav", "Click.wav", "Click.wav", "Click.wav", "Click.wav",
                                    "Click.wav", "HighScore.wav"}));
    EXPECT_EQ(pauses(), std::vector<int>{250});
    EXPECT_EQ(text(*w, "lblCurrentScore"), "5,300");
    EXPECT_EQ(text(*w, "lblScoreRuns"), "1");
    EXPECT_EQ(w->PlayCard(1)->pictureKey(), "EMPTY");

    platform::ProgramTime::advance(75000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
    w->cmdTakeScore_Click();
    EXPECT_EQ(Shared().Score, 5300 + 9000);
    std::vector<int> expected = repeated({2000}, 75, 45);
    expected.push_back(2000); // "Prepare For Round 2"
    EXPECT_EQ(pauses(), expected);
}

// The time bonus: the amount centred in the window, "Speed Bonus!" 100 twips left of it and
// centred on the outline's height, both over the outline; then the next round's headline
// centred in the outline; the score centred in its frame at every caption.
TEST_F(TripsWindowTest, TheRoundEndCaptionsStandWhereTheirStepsPutThem) {
    auto w = openWithDecks({{"4H", "5H", "6H", "7S", "7H", "7D"}});
    w->cmdPlay_Click();
    platform::ProgramTime::advance(75000);
    const QLabel* message = w->label("lblMessage");
    const QLabel* amount = w->label("lblScoring");
    const QLabel* score = w->label("lblCurrentScore");
    const QWidget* outline = w->findChild<QWidget*>("ScoringLabelOutline");
    const QWidget* scoreFrame = w->findChild<QWidget*>("ScoreRectangle");
    auto above = [](const QWidget* top, const QWidget* under) {
        const QObjectList& order = top->parentWidget()->children();
        return order.indexOf(top) > order.indexOf(under);
    };
    struct Shot {
        QString message, amount, score;
        QRect messageAt, amountAt, scoreAt;
        bool messageShown = false, messageOverOutline = false;
    };
    std::vector<Shot> shots;
    auto fixture = platform::ProgramTime::setPauseObserver(nullptr);
    platform::ProgramTime::setPauseObserver([&](int ms) {
        fixture(ms);
        if (ms < 2000) return;
        shots.push_back({message->text(), amount->text(), score->text(), message->geometry(),
                         amount->geometry(), score->geometry(), message->isVisibleTo(w.get()),
                         above(message, outline) && above(amount, outline)});
    });
    w->cmdTakeScore_Click();
    platform::ProgramTime::setPauseObserver(fixture);

    ASSERT_EQ(shots.size(), 2u);
    const Shot& bonus = shots[0];
    EXPECT_EQ(bonus.message, "Speed Bonus!");
    EXPECT_EQ(bonus.amount, "9,000");
    EXPECT_TRUE(bonus.messageShown);
    EXPECT_TRUE(bonus.messageOverOutline);
    const int tw = 15; // a pixel
    EXPECT_NEAR(PxToTw(bonus.messageAt.right() + 1) + 100, PxToTw(bonus.amountAt.left()), tw);
    EXPECT_NEAR(PxToTw(bonus.amountAt.center().x()), PxToTw(w->width()) / 2.0, tw);
    EXPECT_NEAR(PxToTw(bonus.messageAt.center().y()), TwTop(outline) + TwHeight(outline) / 2.0, tw);
    EXPECT_GE(bonus.messageAt.left(), 0);

    const Shot& next = shots[1];
    EXPECT_EQ(next.amount, "Prepare For Round 2");
    EXPECT_NEAR(PxToTw(next.amountAt.center().x()), TwLeft(outline) + TwWidth(outline) / 2.0, tw);
    EXPECT_NEAR(PxToTw(next.amountAt.center().y()), TwTop(outline) + TwHeight(outline) / 2.0, tw);
    EXPECT_TRUE(outline->geometry().contains(next.amountAt));
    EXPECT_EQ(next.score, "9,000");
    EXPECT_GE(next.scoreAt.width(), QFontMetrics(score->font()).horizontalAdvance("9,000"));
    EXPECT_NEAR(PxToTw(next.scoreAt.center().x()), TwLeft(scoreFrame) + TwWidth(scoreFrame) / 2.0,
                tw);
}

// Trips of spades, hearts and clubs by rank, then the diamonds in order: played onto one
// column everything scores but the last diamond.
QStringList scoringDeck() {
    QStringList order;
    for (int rank = 1; rank <= 13; ++rank)
        for (const char* suit : {"S", "H", "C"})
            order << QString::number(rank) + suit;
    for (int rank = 1; rank <= 13; ++rank)
        order << QString::number(rank) + "D";
    return order;
}

TEST_F(TripsWindowTest, AWholeGameWithTheDeckUsedUpTheBonusRoundAndTheHighScoreCheck) {
    platform::MessageScript answers;
    InsertRecorder inserts;
    auto w = openWithDecks({scoringDeck()});
    w->cmdPlay_Click();
    // Round 1: two aces on column 1, the third in storage, the rest onto column 0.
    upTo(*w, 1);
    upTo(*w, 1);
    upToStorage(*w, 2);
    for (int n = 3; n < 52; ++n)
        upTo(*w, 0);
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards remaining: 0");
    EXPECT_EQ(w->UpCard(2)->pictureKey(), "EMPTY");
    EXPECT_EQ(text(*w, "lblScoreTrips"), "12");
    EXPECT_EQ(text(*w, "lblScoreRuns"), "4");
    EXPECT_EQ(Shared().Score, 12 * 6000 + 4 * 5300);
    // The four "Flush!" notices took a second of the clock: 30 seconds are left.
    platform::ProgramTime::advance(89000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 30");
    pauses();
    waves();
    w->cmdTakeScore_Click();
    // Deck bonus 2000; the penalty 1000, then 500 per card; the time bonus 2000 and 30 steps;
    // "Prepare For Round 2" 2000.
    std::vector<int> expected{2000, 1000, 500, 500, 500, 500, 2000};
    expected = repeated(expected, 75, 30);
    expected.push_back(2000);
    EXPECT_EQ(pauses(), expected);
    EXPECT_EQ(Shared().Score, 93200 + 15000 - 1000 + 6000);
    const QStringList sounds = waves();
    ASSERT_GE(sounds.size(), 5);
    EXPECT_EQ(sounds[0], "Applause.wav");
    EXPECT_EQ(sounds.mid(1, 4), QStringList(4, "Click.wav"));
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards remaining: 52");
    EXPECT_EQ(text(*w, "lblScoreTrips"), "0");
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    EXPECT_FALSE(Shared().InputBlocked);

    // Round 2 taken at once: 120 x 200 more, past the target.
    w->cmdTakeScore_Click();
    EXPECT_EQ(Shared().Score, 113200 + 24000);
    EXPECT_EQ(text(*w, "lblScoring"), "Prepare For Bonus Round");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 3");
    pauses();

    // The bonus round runs out: "Times Up!" blinks, no time bonus, the game ends.
    platform::ProgramTime::advance(121000);
    std::vector<int> end(10, 250);
    end.push_back(1000); // "Game Over"
    EXPECT_EQ(pauses(), end);
    EXPECT_EQ(inserts.tables, QStringList{"Tressel Hi Score Table "});
    EXPECT_EQ(Shared().Score, 137200);
    EXPECT_EQ(w->statusText(2), "Game Over");
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    save(*w, "gameover");

    // Play again.
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(text(*w, "lblRound"), "Round: 1");
}

TEST_F(TripsWindowTest, TheBonusRoundNeedsTheTargetExactly) {
    InsertRecorder inserts;
    for (const int target : {48000, 48001}) {
        auto w = openWithDecks({{}});
        w->cmdPlay_Click();
        Shared().BonusRoundScore = target;
        w->cmdTakeScore_Click(); // 24,000
        w->cmdTakeScore_Click(); // 48,000
        EXPECT_EQ(Shared().Score, 48000);
        if (target == 48000) {
            EXPECT_EQ(text(*w, "lblRound"), "Round: 3");
            EXPECT_TRUE(inserts.tables.isEmpty());
        } else {
            EXPECT_EQ(w->state(), GameWindow::State::GameOver);
            EXPECT_EQ(inserts.tables.size(), 1);
        }
        w->Timer1()->setEnabled(false);
        Shared().GameInProgress = false;
        w.reset();
    }
}

TEST_F(TripsWindowTest, TheClockWarnsAtAHalfAndAQuarter) {
    auto w = openWithDecks({{}});
    w->TimeItem_Click(90);
    w->cmdPlay_Click();
    platform::ProgramTime::advance(44000);
    EXPECT_EQ(w->statusText(2), "Create runs and triples by moving available cards!   ");
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
    EXPECT_EQ(w->statusText(2), "Times running out!");
    platform::ProgramTime::advance(24000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 21");
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
}

TEST_F(TripsWindowTest, ABlockedBoardEndsTheRound) {
    auto w = openWithDecks({{"13S", "1S", "2S", "13H", "1H", "2H", "13C", "1C", "2C", "13D", "1D",
                             "2D", "5S", "6H", "9C"}});
    w->cmdPlay_Click();
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 3; ++i)
            upTo(*w, c);
    upToStorage(*w, 0);
    upToStorage(*w, 1);
    pauses();
    upToStorage(*w, 2);
    std::vector<int> expected{2000}; // "No more legal moves left!"
    expected.push_back(2000);        // the time bonus
    expected = repeated(expected, 75, 120);
    expected.push_back(2000); // "Prepare For Round 2"
    EXPECT_EQ(pauses(), expected);
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_EQ(Shared().Score, 24000);
}

TEST_F(TripsWindowTest, PauseHidesTheBoardAndAbandonReturnsToIdle) {
    platform::MessageScript answers;
    auto w = openWithDecks({{}});
    w->cmdPlay_Click();
    upTo(*w, 0);
    w->cmdPause_Click();
    EXPECT_EQ(text(*w, "lblScoring"), "Game Paused");
    EXPECT_FALSE(shown(*w, "PlayCard_0"));
    EXPECT_FALSE(shown(*w, "lblRound"));
    EXPECT_TRUE(shown(*w, "lblCurrentScore"));
    EXPECT_FALSE(w->Timer1()->isEnabled());
    waves();
    press(w->UpCard(2));
    EXPECT_TRUE(waves().isEmpty());
    w->cmdPause_Click();
    EXPECT_TRUE(shown(*w, "PlayCard_0"));
    EXPECT_FALSE(shown(*w, "lblScoring"));
    EXPECT_TRUE(w->Timer1()->isEnabled());

    answers.then(platform::Answer::No);
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    answers.then(platform::Answer::Yes);
    w->cmdPlay_Click();
    EXPECT_EQ(w->state(), GameWindow::State::Idle);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "PlayCard_0"));
}

TEST_F(TripsWindowTest, StoredSettingsApplyAndAQuitWritesThem) {
    sandbox.write("Tressel.Ini", "[Time]\r\n90\r\n\r\n[Trips Score]\r\n7000\r\n\r\n"
                                 "[Deck]\r\n3\r\n\r\n[LeftOverCards]\r\n-5\r\n\r\n"
                                 "[Width]\r\n12000\r\n\r\n[Height]\r\n8000\r\n");
    platform::MessageScript answers;
    answers.setFallback(platform::Answer::Yes);
    auto w = openWithDecks({{}});
    EXPECT_EQ(Shared().TimeLimit, 90);
    EXPECT_TRUE(w->item("mnu90")->isChecked());
    EXPECT_EQ(Shared().DeckDesign, 3);
    EXPECT_EQ(TripsOptions().TripleScore, 7000);
    EXPECT_EQ(TripsOptions().LeftOverPenalty, 250);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_EQ(w->width(), 800);
    save(*w, "larger-idle");
    w->cmdPlay_Click();
    EXPECT_EQ(text(*w, "lblTrips"), "Trips (7000):");
    save(*w, "larger");
    w->requestQuit(); // "You have a game in progress ..." Yes
    EXPECT_EQ(answers.texts().back(),
              "You have a game in progress. Are you sure you want to quit now?");
    EXPECT_TRUE(file("Tressel.Ini").startsWith("[Time]\r\n90\r\n\r\n"));
    EXPECT_TRUE(file("Tressel.Ini").contains("[Trips Score]\r\n7000\r\n"));
    EXPECT_TRUE(file("Tressel.Ini").contains("[Width]\r\n12000\r\n"));
}

TEST_F(TripsWindowTest, TheWindowKeepsItsMinimumSize) {
    auto w = open<frmTrip>();
    w->show();
    w->resize(Tw(12000), Tw(7000));
    QCoreApplication::processEvents();
    EXPECT_EQ(PxToTw(w->width()), 9540);
    EXPECT_EQ(PxToTw(w->height()), 7305);
    // The layout at the minimum: storage, the field frame 1800 below, the up row 2640 below it.
    const int storageTop = TwTop(w->TempCard(0));
    const QWidget* field = w->findChild<QWidget*>("FieldRect");
    EXPECT_EQ(TwTop(field) - storageTop, 1800);
    EXPECT_EQ(TwTop(w->UpCard(0)) - TwTop(field), 2640);
    EXPECT_EQ(TwTop(w->cmdPause()) - TwTop(w->cmdPlay()), 405); // 400 in whole pixels
}

TEST_F(TripsWindowTest, MinimisingStopsTheClockAndOnlyARestoreStartsItAgain) {
    auto w = openWithDecks({{}});
    w->show();
    w->cmdPlay_Click();
    w->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->resize(w->width() + 10, w->height());
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->Timer1()->isEnabled());
    // With music on, the minimise stops the tune and the restore starts it once.
    w->mnuMusic_Click();
    ASSERT_TRUE(Shared().MusicOn);
    audio->music.clear();
    const int stops = audio->stops;
    w->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    EXPECT_EQ(audio->stops, stops + 1);
    EXPECT_FALSE(audio->playing);
    w->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_EQ(audio->music.size(), 1u);
    EXPECT_TRUE(audio->playing);
    // A paused game stays paused through a minimise and restore.
    w->cmdPause_Click();
    w->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    w->setWindowState(Qt::WindowNoState);
    QCoreApplication::processEvents();
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(text(*w, "lblScoring"), "Game Paused");
}

} // namespace

TEST_F(TripsWindowTest, TheQuitQuestionLeavesTheClockRunningAndTheTimeUpWaitsForTheAnswer) {
    platform::MessageScript answers;
    auto w = openWithDecks({{"4H", "5H", "6H", "7S", "7H", "7D"}});
    w->show();
    w->cmdPlay_Click();
    platform::ProgramTime::advance(110000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 10");
    pauses();
    answers.then(platform::Answer::No, [&] {
        // Five seconds of the question: the clock goes on with the cards in view.
        platform::ProgramTime::advance(5000);
        EXPECT_EQ(text(*w, "lblTime"), "Time: 5");
        EXPECT_TRUE(shown(*w, "UpCard_2"));
        EXPECT_NE(text(*w, "lblScoring"), "Game Paused");
        // The time runs out while the question is still open: the round end waits.
        platform::ProgramTime::advance(8000);
        EXPECT_EQ(text(*w, "lblTime"), "Time: 0");
        EXPECT_EQ(w->game().round(), 1);
        EXPECT_EQ(w->state(), GameWindow::State::Running);
        EXPECT_NE(text(*w, "lblScoring"), "Times Up!");
        EXPECT_TRUE(pauses().empty());
    });
    EXPECT_FALSE(w->requestQuit());
    EXPECT_EQ(
        answers.texts(),
        std::vector<QString>{"You have a game in progress. Are you sure you want to quit now?"});
    // No: the round that ran out ends now, "Times Up!" first, then round 2 is dealt.
    const std::vector<int> after = pauses();
    ASSERT_GE(after.size(), 10u);
    EXPECT_EQ(std::vector<int>(after.begin(), after.begin() + 10), std::vector<int>(10, 250));
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 120");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->isVisible());

    // Yes during a round: the window closes and no round end runs after it.
    answers.then(platform::Answer::Yes, [] { platform::ProgramTime::advance(125000); });
    EXPECT_TRUE(w->requestQuit());
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_TRUE(file("Tressel.Ini").startsWith("[Time]\r\n120\r\n"));
}
