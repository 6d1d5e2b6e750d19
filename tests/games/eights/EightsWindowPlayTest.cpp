// Whole wild-eights games in the real window, in virtual time: moves clicked on the spots,
// the move timer, the round ending by the clock, by no legal move or by a completed deck,
// the paced bonuses and announcements, the bonus round, the high-score check, giving up.
#include "EightsWindowTestSupport.h"

#include "services/HighScores.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>

namespace {
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<int> times(int value, int count) {
    return std::vector<int>(size_t(count), value);
}
const std::vector<int> kTimeUpFlashes = times(250, 10);
const std::vector<int> kAnnouncement = times(250, 11);
std::vector<int> timeBonus(int seconds) {
    return std::vector<int>{2000} + times(75, seconds);
}
const std::vector<int> kDeckBonus = std::vector<int>{1000} + times(75, 20);
const std::vector<int> kGameOver = {2000};

// Uppers 2S 3H 4C from the first three lower spots; then only diamonds that fit nowhere.
const std::vector<QString> kStuck = {"2S", "3H", "4C", "5D", "10D", "6D", "7D", "9D"};

// The hearts deck played onto spot 1 at a move value of 39: 6 x 500 x 39.
constexpr int kHeartsPoints = 6 * 500 * 39;
} // namespace

TEST_F(EightsWindowTest, RoundsEndedByTheClockWithoutAMove) {
    platform::MessageScript answers;
    HighScoreAnswers tables;
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 90");
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards remaining: 47");
    EXPECT_EQ(w->statusText(1), "Make 5,000,000 for bonus round.  ");
    EXPECT_EQ(w->DeckCards()->toolTip(), "A deck of cards");
    EXPECT_FALSE(w->menu("mnuTime")->menuAction()->isEnabled());
    EXPECT_FALSE(w->item("mnuCustom")->isEnabled());
    EXPECT_TRUE(shown(*w, "imgPlayCard(5)") && shown(*w, "imgUpperCard(3)"));
    EXPECT_FALSE(shown(*w, "frmSplash"));

    advance(45000);
    EXPECT_EQ(w->statusText(2), "Times running out!");
    advance(24000);
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 21");
    pauses();
    advance(21000);
    // No seconds left: no time bonus; round two follows at once.
    EXPECT_EQ(pauses(), kTimeUpFlashes + kAnnouncement);
    EXPECT_EQ(w->statusText(2), "Time has expired!");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_FALSE(shown(*w, "lblMessage"));
    EXPECT_EQ(waves(), QStringList{"HighScore.wav"});

    advance(90000);
    EXPECT_EQ(pauses(), kTimeUpFlashes + kGameOver);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_EQ(w->statusText(1), "Game over!  ");
    EXPECT_EQ(w->statusText(2), "Click on Play to start a new game.  ");
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "lblHighScore"));
    EXPECT_FALSE(Shared().GameInProgress);
    EXPECT_EQ(tables.names, 0); // 0 points beat no one

    // Play again: a fresh game from round 1.
    Shared().Score = 1234;
    w->cmdPlay()->click();
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(text(*w, "lblTotalScore"), "0");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_FALSE(shown(*w, "frmSplash"));
}

TEST_F(EightsWindowTest, ACompletedDeckPaysTimeAndDeckBonusesThenRoundTwo) {
    struct Row {
        int waitMs; // before the first move
        int32_t movePoints;
        int secondsLeft;
    };
    // 90 seconds left: 9,000 and the 50,000 for the deck. After a minute's wait the move
    // timer has run down to 5: 30 seconds left pay 3,000.
    for (const Row& r : {Row{0, kHeartsPoints, 90}, Row{60000, 6 * 500 * 5, 30}}) {
        SCOPED_TRACE(r.secondsLeft);
        platform::MessageScript answers;
        dealEveryRound(dealOrder(kHearts));
        auto w = open<frmEights>();
        w->show();
        w->cmdPlay()->click();
        advance(r.waitMs);
        waves();
        pauses();
        clearHearts(*w);
        const int32_t score = r.movePoints + r.secondsLeft * 100 + 50000;
        EXPECT_EQ(pauses(), timeBonus(r.secondsLeft) + kDeckBonus + kAnnouncement);
        EXPECT_EQ(Shared().Score, score);
        EXPECT_EQ(text(*w, "lblTotalScore"), FormatScore(score));
        const QStringList played = waves();
        QStringList moves;
        for (int i = 0; i < 6; ++i)
            moves << "Markq.wav"
                  << "Click.wav";
        EXPECT_EQ(played.mid(0, 13), moves << "Applause.wav");
        EXPECT_EQ(played.count("Snap.wav"), r.secondsLeft + 20);
        EXPECT_EQ(played.back(), "HighScore.wav");
        EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
        EXPECT_EQ(text(*w, "lbl100(1)"), "500");
        EXPECT_TRUE(answers.asked().empty()); // no message for a completed deck
    }
}

TEST_F(EightsWindowTest, NoLegalMovesAsksOnceAndEndsTheRound) {
    for (int filler : {0, 22}) {
        platform::MessageScript answers;
        std::vector<QString> cards = kStuck;
        cards.insert(cards.end(), size_t(filler), "13D");
        dealEveryRound(dealOrder(cards));
        auto w = open<frmEights>();
        w->show();
        w->cmdPlay()->click();
        advance(1000);
        move(*w, 1, 1);
        move(*w, 2, 2);
        waves();
        move(*w, 3, 3);
        ASSERT_EQ(answers.texts(), std::vector<QString>{"There are no legal moves left."});
        EXPECT_EQ(answers.asked()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(waves().mid(0, 3), (QStringList{"Markq.wav", "Click.wav",
                                                  filler < 21 ? "Applause.wav" : "Slide.wav"}));
        EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
        // 89 seconds were left: paid as in every round end.
        EXPECT_GE(Shared().Score, 8900);
        w->hide();
        answers.setFallback(platform::Answer::Yes);
        w->requestQuit();
    }
}

TEST_F(EightsWindowTest, ExactlyTheBonusScoreOpensTheBonusRoundAndAHighScore) {
    platform::MessageScript answers;
    HighScoreAnswers tables;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    const int32_t afterRound1 = kHeartsPoints + 9000 + 50000;
    Shared().BonusScore = afterRound1;
    w->cmdPlay()->click();
    clearHearts(*w);
    ASSERT_EQ(Shared().Score, afterRound1);
    waves();
    pauses();
    advance(90000); // round 2 runs out without a move
    EXPECT_EQ(pauses(), kTimeUpFlashes + kAnnouncement);
    EXPECT_EQ(waves(), QStringList{"Applause.wav"});
    EXPECT_EQ(text(*w, "lblCurrentRound"), "Bonus");
    advance(90000);
    EXPECT_EQ(pauses(), kTimeUpFlashes + kGameOver);
    EXPECT_EQ(tables.names, 1);
    EXPECT_EQ(tables.tables, 1);
    EXPECT_TRUE(
        file("Eights Hi Score Table 90.Txt").startsWith("Zed, " + QByteArray::number(afterRound1)));
}

TEST_F(EightsWindowTest, OnePointShortEndsAfterRoundTwoButPaysItsBonuses) {
    platform::MessageScript answers;
    HighScoreAnswers tables;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    const int32_t afterRound1 = kHeartsPoints + 9000 + 50000;
    // Round 2's moves bring the score one point short of it before the round's bonuses.
    Shared().BonusScore = afterRound1 + kHeartsPoints + 1;
    w->cmdPlay()->click();
    clearHearts(*w);
    pauses();
    clearHearts(*w); // round 2: the move timer still shows 39 only after its next step
    EXPECT_EQ(pauses(), timeBonus(90) + kDeckBonus + kGameOver);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_EQ(Shared().Score, afterRound1 + kHeartsPoints + 9000 + 50000);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
}

TEST_F(EightsWindowTest, TheMoveTimerStepsAndSelectingDoesNotRestartIt) {
    platform::MessageScript answers;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    QLabel* value = w->findChild<QLabel*>("lblCurrentGameTime");
    EXPECT_EQ(w->Timer6()->interval(), 270);
    advance(270);
    EXPECT_EQ(value->text(), "39");
    // Clicks every 100 ms must not hold the timer back.
    for (int i = 0; i < 27; ++i) {
        press(w->imgPlayCard(1 + i % 2));
        advance(100);
    }
    EXPECT_EQ(value->text(), "29"); // ten more steps in 2.7 seconds
    advance(270 * 30);
    EXPECT_EQ(value->text(), "5");
    EXPECT_EQ(w->ProgressBar1()->value(), 40);
    EXPECT_FALSE(w->Timer6()->isEnabled());

    // A move scores the value shown (spot 1 is still selected); the next one within a step
    // scores it again.
    press(w->imgUpperCard(2));
    EXPECT_EQ(Shared().Score, 200 * 5);
    EXPECT_EQ(w->ProgressBar1()->value(), 5);
    move(*w, 2, 2);
    EXPECT_EQ(Shared().Score, 2 * 200 * 5);
    advance(270);
    EXPECT_EQ(value->text(), "39");
}

TEST_F(EightsWindowTest, CrossAndWildShowForAQuarterSecond) {
    platform::MessageScript answers;
    dealEveryRound(dealOrder({"8C", "9S", "5D", "2H", "3H", "4H", "6H"}));
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    advance(270);
    waves();
    press(w->imgUpperCard(1)); // nothing selected
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    press(w->imgPlayCard(2));
    press(w->imgPlayCard(2));
    EXPECT_EQ(waves(), (QStringList{"Markq.wav", "Chord.wav"}));

    move(*w, 1, 1); // the eight: wild
    EXPECT_TRUE(shown(*w, "lblWild"));
    EXPECT_TRUE(testsupport::CaptionsFit(*w)); // read whole over the card it is centred on
    EXPECT_EQ(text(*w, "lbl100(1)"), "1000");
    EXPECT_EQ(Shared().Score, 39000);
    advance(250);
    EXPECT_FALSE(shown(*w, "lblWild"));

    move(*w, 2, 3); // 9S onto the empty spot 3
    move(*w, 3, 3); // 5D onto 9S: refused
    EXPECT_TRUE(shown(*w, "X1") && shown(*w, "X2"));
    EXPECT_EQ(w->findChild<QWidget*>("X1")->geometry(), w->imgUpperCard(3)->geometry());
    EXPECT_FALSE(shown(*w, "FieldSelectionRectangle(3)"));
    const int32_t score = Shared().Score;
    advance(250);
    EXPECT_FALSE(shown(*w, "X1") || shown(*w, "X2"));
    EXPECT_EQ(Shared().Score, score);
}

TEST_F(EightsWindowTest, EndGameAskedNoGoesOnYesGivesUp) {
    platform::MessageScript answers;
    HighScoreAnswers tables;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    advance(270);
    move(*w, 1, 1);
    const int32_t score = Shared().Score;
    answers.then(platform::Answer::No);
    w->cmdPlay()->click();
    EXPECT_EQ(answers.texts().back(),
              "You have a game in progress, are you sure you want to quit now?");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->cmdPause()->text(), "Pau&se");
    answers.then(platform::Answer::Yes);
    w->cmdPlay()->click();
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(w->Timer6()->isEnabled());
    EXPECT_EQ(w->ProgressBar1()->value(), 5);
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "imgPlayCard(1)"));
    EXPECT_EQ(Shared().Score, score);
    EXPECT_EQ(tables.names, 0);
    EXPECT_TRUE(w->menu("mnuTime")->menuAction()->isEnabled());
}

TEST_F(EightsWindowTest, PauseHidesTheBoardAndStopsBothClocks) {
    platform::MessageScript answers;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    press(w->imgPlayCard(3));
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    EXPECT_TRUE(shown(*w, "lblMessage"));
    EXPECT_FALSE(shown(*w, "imgPlayCard(1)") || shown(*w, "ProgressBar1"));
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer6()->isEnabled());
    EXPECT_FALSE(w->cmdPlay()->isEnabled());
    advance(10000);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    w->cmdPause()->click();
    EXPECT_TRUE(shown(*w, "imgPlayCard(1)") && shown(*w, "ProgressBar1"));
    EXPECT_FALSE(shown(*w, "FieldSelectionRectangle(3)"));
    EXPECT_TRUE(w->Timer1()->isEnabled() && w->Timer6()->isEnabled());
    EXPECT_FALSE(shown(*w, "lblMessage"));
}

TEST_F(EightsWindowTest, MinimisingHoldsTheClocksAndARestoreResumesThem) {
    platform::MessageScript answers;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    w->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer6()->isEnabled());
    advance(5000);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    w->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(w->Timer1()->isEnabled() && w->Timer6()->isEnabled());
    // A resize that is no restore starts nothing.
    w->cmdPause()->click();
    w->resize(800, 600);
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer6()->isEnabled());
}

TEST_F(EightsWindowTest, AFailedDealReportsAndLeavesTheWindowIdle) {
    platform::MessageScript answers;
    EightsGame::SetDeckSourceForTests([](QStringList&) { return false; });
    auto w = open<frmEights>();
    w->show();
    w->cmdPlay()->click();
    ASSERT_EQ(answers.texts().size(), 1u);
    EXPECT_TRUE(answers.texts()[0].startsWith(
        "Unable to create deck and deal cards. Please report this error to "));
    EXPECT_EQ(answers.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer6()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(Shared().GameInProgress);
}
