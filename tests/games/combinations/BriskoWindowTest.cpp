// The twenty-one combinations window played as the player does, in virtual time.
#include "../LaidOutDeck.h"
#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "games/combinations/CombinationsSettings.h"
#include "games/combinations/frmBrisko.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScores.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

// Runs `onPaint` each time the widget is painted: what the player sees, not only what is set.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* widget, std::function<void()> onPaint) : onPaint_(std::move(onPaint)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) onPaint_();
        return false;
    }

  private:
    std::function<void()> onPaint_;
};

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
    // The score box stands whole over the idle splash's window, its score inside it.
    w->show();
    for (const char* name :
         {"lblScore", "lblTotalScore", "ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom"})
        EXPECT_TRUE(w->findChild<QWidget*>(name)->isVisible()) << name;
    EXPECT_TRUE(w->findChild<QWidget*>("ScoreRectangle")
                    ->geometry()
                    .contains(w->findChild<QWidget*>("lblTotalScore")->geometry()));
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

    // A bust: ace (11, soft), a king on the first column, ace (12), king (the soft ace goes
    // hard: 12), ace (13) on the last column; the next king would make 23 there. "Bust" shows
    // through 450 ms with "Slide.wav", 100 points go, below zero and in red, and the king stays
    // current with the column and the cards used as they were.
    hits(*w, {3, 0, 3, 3, 3});
    EXPECT_EQ(text(*w, "ColumnTotal_3"), "13");
    EXPECT_EQ(text(*w, "lblCardsUsedCount"), "11");
    struct AtBust {
        bool bustShown;
        QString bust, score;
        QColor scoreColour;
    };
    std::vector<AtBust> atPauses;
    const auto before = platform::ProgramTime::setPauseObserver({});
    platform::ProgramTime::setPauseObserver([&](int ms) {
        const QLabel* bust = w->label("lblBust");
        atPauses.push_back({bust->isVisible(), bust->text(), text(*w, "lblTotalScore"),
                            ForeColour(w->label("lblTotalScore"))});
        if (before) before(ms);
    });
    waves();
    pauses();
    w->cmdHit(3)->click();
    platform::ProgramTime::setPauseObserver(before);
    EXPECT_EQ(waves(), QStringList{"Slide.wav"});
    EXPECT_EQ(pauses(), std::vector<int>{450});
    ASSERT_EQ(atPauses.size(), 1u);
    EXPECT_TRUE(atPauses[0].bustShown);
    EXPECT_EQ(atPauses[0].bust, "Bust");
    EXPECT_EQ(atPauses[0].score, "-100");
    EXPECT_EQ(atPauses[0].scoreColour, VbColour(kVbRed));
    EXPECT_FALSE(w->label("lblBust")->isVisible());
    EXPECT_EQ(Shared().Score, -100);
    EXPECT_EQ(w->NextCardPicture()->pictureKey(), "13C");
    EXPECT_EQ(text(*w, "ColumnTotal_3"), "13");
    EXPECT_EQ(text(*w, "lblCardsUsedCount"), "11");
    hits(*w, {1, 1}); // the king elsewhere, and an ace on it: the fourth 21
    EXPECT_EQ(text(*w, "lbl21s"), "4");

    // Take Score: 13 cards used at 100; the bonus fell to 1000 at the run-out and grew by
    // 1000 with each of the two 21s since, so four 21s at 3,000 pay 12,000 in steps of 1000.
    EXPECT_EQ(text(*w, "lblBonus"), "3000");
    pauses();
    w->cmdTakeScore()->click();
    EXPECT_EQ(text(*w, "lblRoundScore"), "4 X 3,000 = 12,000");
    EXPECT_EQ(pauses(),
              joined(joined(repeated({}, 75, 13), {750}), joined(repeated({}, 75, 12), {2000})));
    EXPECT_EQ(Shared().Score, -100 + 1300 + 12000);
    EXPECT_EQ(text(*w, "lblTotalScore"), "13,200");
    EXPECT_EQ(ForeColour(w->label("lblTotalScore")), VbColour(kVbBlue));
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

    // Round 3 with enough score for the bonus round, ended past card 17 while the counter
    // blinks: the counter's caption is blue and the pile whole again before the next round
    // is announced.
    hits(*w, {1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 0, 0});
    ASSERT_EQ(w->findChild<CardPicture*>("PlayCardPicture")->pictureKey(), "HALF");
    platform::ProgramTime::advance(50 * 90 + 250);
    QLabel* counter = w->findChild<QLabel*>("lblTwentyoneTime");
    ASSERT_NE(ForeColour(counter), VbColour(kVbBlue));
    Shared().Score = 250001;
    std::vector<QColor> announced;
    QStringList pileAnnounced;
    const auto previous = platform::ProgramTime::setPauseObserver({});
    platform::ProgramTime::setPauseObserver([&](int ms) {
        if (text(*w, "ScoringLabelInfo") == "Prepare for Bonus Round") {
            announced.push_back(ForeColour(counter));
            pileAnnounced << w->findChild<CardPicture*>("PlayCardPicture")->pictureKey();
        }
        if (previous) previous(ms);
    });
    w->cmdTakeScore()->click();
    platform::ProgramTime::setPauseObserver(previous);
    EXPECT_EQ(announced, std::vector<QColor>{VbColour(kVbBlue)});
    EXPECT_EQ(pileAnnounced, QStringList{"FULL"});
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
    // The message ends hidden with its outline, its caption "Game Over", and stays hidden
    // over the splash and through the first round of the next game.
    EXPECT_EQ(text(*w, "ScoringLabelInfo"), "Game Over");
    EXPECT_FALSE(w->label("ScoringLabelInfo")->isVisible());
    EXPECT_FALSE(w->findChild<QWidget*>("ScoringLabelOutline")->isVisible());
    w->cmdPlay()->click();
    platform::ProgramTime::advance(3000);
    EXPECT_FALSE(w->label("ScoringLabelInfo")->isVisible());

    // What the frame holds off stays off through a pause: the resume gives back the board.
    QAction* exitItem = w->item("mnuExit");
    for (QPushButton* b : {w->cmdPlay(), w->quitButton(), w->cmdTakeScore()})
        b->setEnabled(false);
    exitItem->setEnabled(false);
    w->cmdPause()->click();
    w->cmdPause()->click();
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    for (QPushButton* b : {w->cmdPlay(), w->quitButton(), w->cmdTakeScore()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(exitItem->isEnabled());
    EXPECT_TRUE(w->item("mnuPlay")->isEnabled());
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(w->cmdHit(c)->isEnabled()) << c;
}

TEST_F(BriskoWindowTest, TheTimeStaysCentredOverTheLastColumnAndTheStatusPanelsWhole) {
    auto w = open();
    w->show();
    dealDeck(*w, twentyOnePairs());
    w->cmdPlay()->click();
    const QWidget* column = w->findChild<QWidget*>("Column4_0");
    auto centred = [&] {
        const QLabel* time = w->label("lblTime");
        return std::abs(2 * time->x() + time->width() - (2 * column->x() + column->width())) <= 1;
    };
    EXPECT_EQ(text(*w, "lblTime"), "Time: 90");
    EXPECT_TRUE(centred());
    platform::ProgramTime::advance(81000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 9");
    EXPECT_TRUE(centred());
    w->showMaximized();
    EXPECT_TRUE(centred());

    // Each panel's text whole at the window's minimum size, the longest hint and a nine-digit
    // bonus target among them, and no panel over the next or past the bar's end.
    w->showNormal();
    w->resize(w->minimumSize());
    w->setStatusText(1, "Make 100,000,000 for bonus round.");
    EXPECT_TRUE(testsupport::CaptionsFit(*w)); // lays the bar out too
    const QStatusBar* bar = w->statusBar();
    int right = 0;
    for (int i = 1; i <= 4; ++i) {
        const auto* panel = bar->findChild<QLabel*>(QString("StatusBar1_Panel_%1").arg(i));
        EXPECT_GT(panel->x(), right) << i;
        right = panel->geometry().right();
    }
    EXPECT_LE(right, bar->width());
}

TEST_F(BriskoWindowTest, TheBoardAtTheDesignSizeMaximisedAndPaused) {
    // Pictures for a look by eye when PARLOVEX_RENDER_DIR is set.
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (!out.isEmpty()) QDir().mkpath(out);
    auto w = open();
    auto save = [&](const char* name) {
        if (out.isEmpty()) return;
        EXPECT_TRUE(w->grab().save(out + "/brisko-" + name + ".png"));
    };
    auto widget = [&](const char* name) { return w->findChild<QWidget*>(name); };
    // "Soft" under the total, its left 180 twips short of the column's centre.
    auto softInPlace = [&] {
        const QWidget* column = widget("Column1_0");
        const QWidget* soft = widget("ColumnSoft_0");
        EXPECT_TRUE(soft->isVisible());
        EXPECT_NEAR(TwLeft(soft), TwLeft(column) + 1035 / 2.0 - 180, 15);
        EXPECT_NEAR(TwTop(soft), 2115, 15);
        EXPECT_GT(TwTop(soft), TwTop(widget("ColumnTotal_0")) + TwHeight(widget("ColumnTotal_0")));
    };
    w->show();
    platform::ProgramTime::advance(13 * 200);
    save("start");
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
    save("midround");
    EXPECT_EQ(text(*w, "ColumnTotal_0"), "17");
    softInPlace();
    // The second card of the first column stands 15 twips above those of the others.
    EXPECT_EQ(TwTop(widget("Column1_1")), 2730);
    for (const char* name : {"Column2_1", "Column3_1", "Column4_1"})
        EXPECT_EQ(TwTop(widget(name)), 2745) << name;

    w->cmdPause()->click();
    save("paused");
    EXPECT_EQ(text(*w, "ScoringLabelInfo"), "Game Paused");
    for (const char* name : {"Column1_0", "Column1_1", "ColumnSoft_0", "NextCardPicture"})
        EXPECT_FALSE(widget(name)->isVisible()) << name;
    w->cmdPause()->click();
    w->showMaximized();
    save("maximised");
    softInPlace();
    EXPECT_NEAR(TwLeft(widget("Column4_0")), PxToTw(w->width()) * 0.501572327044, 15);
    EXPECT_EQ(TwTop(widget("Column1_1")), 2730);
}

TEST_F(BriskoWindowTest, AGimmeEmptiesItsColumnFirstAndTheTallyOffersNoPlayOrExit) {
    auto w = open();
    w->show();
    QCoreApplication::processEvents(); // exposed: a repaint reaches the screen
    // A 21 starts the counter; then twos: the fifth on a column is a gimme at 10.
    dealDeck(*w, LaidOutDeck({{1, " 1H"}, {2, " 13C"}}));
    w->cmdPlay()->click();
    hits(*w, {1, 1});
    platform::ProgramTime::advance(50 * 90 + 250); // the counter's caption blinks red
    hits(*w, {0, 0, 0, 0});
    EXPECT_EQ(text(*w, "ColumnTotal_0"), "8");
    QProgressBar* bar = w->ProgressBar1();
    QLabel* counter = w->label("lblTwentyoneTime");
    ASSERT_GT(bar->value(), 50);
    ASSERT_EQ(ForeColour(counter), VbColour(kVbRed));

    // During the notice's pause the five cards are gone and the total reads 0, and the
    // counter is drawn back at its start with its caption blue.
    struct Seen {
        bool cardShown = false;
        QString total;
        bool notice = false;
    };
    std::vector<Seen> atClicks;
    int barDrawn = -1;
    QColor counterDrawn;
    PaintWatch barPaints(bar, [&] { barDrawn = bar->value(); });
    PaintWatch counterPaints(counter, [&] { counterDrawn = ForeColour(counter); });
    std::vector<std::pair<int, QColor>> drawnAtPauses;
    const auto previous = platform::ProgramTime::setPauseObserver({});
    platform::ProgramTime::setPauseObserver([&](int ms) {
        drawnAtPauses.emplace_back(barDrawn, counterDrawn);
        if (previous) previous(ms);
    });
    {
        testsupport::WaveWatch watch([&](const QString& wave) {
            if (wave != "Click.wav") return;
            Seen seen;
            for (int r = 0; r < 5; ++r)
                seen.cardShown |= w->findChild<QWidget*>(QString("Column1_%1").arg(r))->isVisible();
            seen.total = text(*w, "ColumnTotal_0");
            seen.notice = w->label("lblFiveCards")->isVisible();
            atClicks.push_back(seen);
        });
        pauses();
        w->cmdHit(0)->click();
    }
    platform::ProgramTime::setPauseObserver(previous);
    EXPECT_EQ(pauses(), std::vector<int>{450});
    EXPECT_EQ(drawnAtPauses, (std::vector<std::pair<int, QColor>>{{0, VbColour(kVbBlue)}}));
    ASSERT_EQ(atClicks.size(), 1u);
    EXPECT_FALSE(atClicks[0].cardShown);
    EXPECT_EQ(atClicks[0].total, "0");
    EXPECT_TRUE(atClicks[0].notice);
    EXPECT_EQ(Shared().Score, 750);
    // Then the empty place comes back.
    EXPECT_TRUE(w->findChild<CardPicture*>("Column1_0")->isVisible());
    EXPECT_EQ(w->findChild<CardPicture*>("Column1_0")->pictureKey(), "EMPTY");
    EXPECT_FALSE(w->label("lblFiveCards")->isVisible());

    // While the round is tallied neither End game nor Exit is offered; the next round
    // offers both again.
    std::vector<bool> offered;
    {
        testsupport::WaveWatch watch([&](const QString& wave) {
            if (wave != "CountScore.wav") return;
            offered.push_back(w->cmdPlay()->isEnabled() || w->quitButton()->isEnabled() ||
                              w->item("mnuPlay")->isEnabled() || w->item("mnuExit")->isEnabled());
        });
        w->cmdTakeScore()->click();
    }
    EXPECT_EQ(offered, std::vector<bool>(8, false)); // seven cards used, one 21: eight steps
    EXPECT_EQ(w->game().round(), 2);
    EXPECT_TRUE(w->cmdPlay()->isEnabled() && w->quitButton()->isEnabled());
    EXPECT_TRUE(w->item("mnuPlay")->isEnabled() && w->item("mnuExit")->isEnabled());

    // Round 2 deals the same deck: after the 21, the fifty twos on the first column make ten
    // gimmes of 750, the last with the deck's last card. Its notice shows the gimme paid but
    // not yet the deck's 100,000, which joins the total only after the applause's second.
    const int32_t atStart = Shared().Score;
    ASSERT_EQ(text(*w, "lblTotalScore"), FormatScore(atStart));
    hits(*w, {1, 1});
    for (int two = 1; two < 50; ++two)
        w->cmdHit(0)->click();
    ASSERT_EQ(w->NextCardPicture()->pictureKey(), "2S");
    std::vector<std::pair<int, QString>> totals;
    const auto beforeLast = platform::ProgramTime::setPauseObserver({});
    platform::ProgramTime::setPauseObserver([&](int ms) {
        totals.emplace_back(ms, text(*w, "lblTotalScore"));
        if (beforeLast) beforeLast(ms);
    });
    w->cmdHit(0)->click();
    platform::ProgramTime::setPauseObserver(beforeLast);
    ASSERT_GE(totals.size(), 4u);
    // The gimme's notice, "Awesome score!" and its second: the gimmes paid, the deck not yet;
    // then the tally starts from the total with it.
    const QString gimmesPaid = FormatScore(atStart + 10 * 750);
    EXPECT_EQ(totals[0].first, 450);
    EXPECT_EQ(totals[2].first, 1000);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(totals[i].second, gimmesPaid) << "pause " << i;
    EXPECT_EQ(totals[3].second, FormatScore(atStart + 10 * 750 + 100000));
    EXPECT_EQ(w->game().round(), 3);
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
