// Whole elevens games in the real window, in virtual time: combinations clicked on the cards,
// the round clock running out, the paced round ends, the bonus round at its threshold, the
// high-score entry and Replay.
#include "ElevensWindowTestSupport.h"
#include "platform/Twips.h"

#include "frame/VbColour.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScoreTable.h"
#include "services/HighScores.h"

#include <QDialog>
#include <QLineEdit>

namespace {
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::vector<int> times(int value, int count) {
    return std::vector<int>(size_t(std::max(count, 0)), value);
}
// A count-up: the message, the steps, the pause after it and the pause after the bonus.
std::vector<int> countUp(int steps) {
    return std::vector<int>{1000} + times(75, steps) + std::vector<int>{500, 1000};
}
QStringList dealt(const frmElevens& w) {
    QStringList cards;
    for (int i = 0; i < kFieldPlaces; ++i)
        cards << w.game().field().card(i);
    return cards << w.game().upCard();
}
// The points a combination of these places (-1: the up card) scores on the board as it is.
int pointsOf(const frmElevens& w, const std::vector<int>& places) {
    int points = 0;
    for (int p : places)
        points += p < 0 ? w.game().upCardPoints() : PlacePoints(p, Shared().EnhancedScoring);
    return points;
}
} // namespace

TEST_F(ElevensWindowTest, AWholeGameWithBonusRoundHighScoreAndReplay) {
    SeedRandom(3); // a deal the test player clears in round one
    int dialogs = 0;
    platform::ModalDriver driver([&dialogs](QDialog& d) {
        ++dialogs;
        if (d.objectName() == "frmHiScoreName") {
            d.findChild<QLineEdit*>("txtPlayerName")->setText("Zed");
            d.findChild<QPushButton*>("cmdOK")->click();
        } else if (d.objectName() == "frmHighScores") {
            d.findChild<QPushButton*>("cmdDone")->click();
        }
    });
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    const QStringList round1 = dealt(*w);
    EXPECT_EQ(w->statusText(1), "Make 80,000 for Bonus Round!   ");
    EXPECT_EQ(w->statusText(2), "Click on exposed cards to total 11!   ");
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards: 29");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 90");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_FALSE(w->item("mnuSave")->isEnabled());
    EXPECT_FALSE(w->item("mnuOpen")->isEnabled());
    EXPECT_FALSE(w->item("mnuGoal")->isEnabled());
    EXPECT_FALSE(w->Timer1()->isEnabled()); // enhanced scoring: the first combination starts it
    EXPECT_TRUE(shown(*w, "FieldCardPicture_21") && shown(*w, "PlayCardPicture"));
    EXPECT_EQ(w->PlayCardPicture()->pictureKey(), "FULL");

    // The first combination: a selection sound per card, the combination's sound, its points.
    std::vector<int> first = findCombination(*w);
    ASSERT_FALSE(first.empty());
    const int firstPoints = pointsOf(*w, first);
    waves();
    clickCards(*w, first);
    QStringList expected(qsizetype(first.size()), "Markq.wav");
    EXPECT_EQ(waves(), expected << "TwentyOne.wav");
    EXPECT_EQ(Shared().Score, firstPoints);
    EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(firstPoints));
    EXPECT_EQ(text(*w, "lblCurrentElevens"), "1");
    EXPECT_EQ(text(*w, "lblCurrentTotal"), "0");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    for (int p : first)
        EXPECT_TRUE(p < 0 || !w->FieldCardPicture(p)->isVisible()) << p;
    platform::ProgramTime::advance(2000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 88");

    // Round one is cleared: every bonus is counted up at its pace.
    int made = 1;
    while (w->game().round() == 1) {
        const std::vector<int> c = findCombination(*w);
        if (c.empty()) {
            ASSERT_GT(w->game().pileCount(), 0);
            press(w->PlayCardPicture());
            continue;
        }
        const int pile = w->game().pileCount();
        const int left = Shared().TimeLimit - Shared().ElapsedSeconds;
        const int32_t before = Shared().Score + pointsOf(*w, c);
        pauses();
        clickCards(*w, c);
        ++made;
        if (w->game().round() == 1) {
            platform::ProgramTime::advance(1000);
            continue;
        }
        EXPECT_EQ(pauses(),
                  countUp(10) + countUp(made) + countUp(pile) + countUp(left) + times(250, 11));
        EXPECT_EQ(Shared().Score, before + 10000 + made * 1000 + pile * 1000 + left * 100);
    }
    EXPECT_EQ(made, 13);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(Shared().Score));
    EXPECT_EQ(text(*w, "lblCurrentElevens"), "0");
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards: 29");
    EXPECT_EQ(w->statusText(2), "Click on exposed cards to total 11!   ");
    EXPECT_FALSE(w->label("lblMessage")->isVisible());
    EXPECT_TRUE(w->cmdPause()->isEnabled() && w->cmdTakeScore()->isEnabled());
    const QStringList round2 = dealt(*w);

    // Round two runs out of time after three combinations; its score meets the threshold
    // exactly, which is enough for the bonus round.
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(playRound(*w, 1), 1);
        platform::ProgramTime::advance(1000);
    }
    ElevensOptions().BonusRoundScore = Shared().Score + 3 * 1000;
    const int32_t atThreshold = ElevensOptions().BonusRoundScore;
    while (Shared().TimeLimit - Shared().ElapsedSeconds > 45)
        platform::ProgramTime::advance(1000);
    EXPECT_EQ(w->statusText(2), "Times running out!");
    while (Shared().TimeLimit - Shared().ElapsedSeconds > 21)
        platform::ProgramTime::advance(1000);
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 21");
    pauses();
    waves();
    platform::ProgramTime::advance(21 * 1000);
    EXPECT_EQ(pauses(), times(250, 10) + countUp(3) + times(250, 11));
    EXPECT_EQ(Shared().Score, atThreshold);
    EXPECT_TRUE(waves().contains("HighScore.wav"));
    EXPECT_EQ(text(*w, "lblCurrentRound"), "Bonus");
    EXPECT_EQ(w->game().round(), 3);

    // The bonus round ends by Take Score: the speed bonus, the high-score entry, the table.
    ASSERT_EQ(playRound(*w, 1), 1);
    ASSERT_EQ(playRound(*w, 1), 1);
    platform::ProgramTime::advance(10 * 1000);
    const int left = Shared().TimeLimit - Shared().ElapsedSeconds;
    const int32_t final = Shared().Score + 2 * 1000 + left * 100;
    ASSERT_GT(final, 50000);
    pauses();
    // After the bonus round Play and Exit are offered before "Game Over" shows.
    bool playOffered = false;
    platform::ProgramTime::PauseObserver previous;
    previous = platform::ProgramTime::setPauseObserver([&](int ms) {
        if (ms == 2000) playOffered = w->cmdPlay()->isEnabled() && w->quitButton()->isEnabled();
        if (previous) previous(ms);
    });
    w->cmdTakeScore()->click();
    platform::ProgramTime::setPauseObserver(previous);
    EXPECT_TRUE(playOffered);
    EXPECT_EQ(pauses(), countUp(2) + countUp(left) + std::vector<int>{2000});
    EXPECT_EQ(Shared().Score, final);
    EXPECT_EQ(dialogs, 2); // the name entry and the Hall of Fame
    const HighScoreTable table = ParseHighScoreTable(file("Sumbry Hi Score Table ES 11_90.Txt"));
    ASSERT_FALSE(table.rows.empty());
    EXPECT_EQ(table.rows.front().name, "Zed");
    EXPECT_EQ(table.rows.front().scoreText, QString::number(final));
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: " + FormatScore(final));
    // After the bonus round the gauges and the high score stay in view.
    for (const char* name : {"lblHighScore", "lblCurrentRound", "lblCurrentElevens", "Surface"})
        EXPECT_TRUE(shown(*w, name)) << name;
    EXPECT_EQ(w->statusText(2), "Game over");
    EXPECT_EQ(text(*w, "lblMessage"), "Game Over");
    EXPECT_FALSE(w->label("lblMessage")->isVisible());
    EXPECT_EQ(w->cmdTakeScore()->text(), "&Replay");
    EXPECT_TRUE(w->cmdTakeScore()->isEnabled());
    EXPECT_EQ(w->item("mnuTakeScore")->text(), "&Replay");
    EXPECT_TRUE(w->item("mnuSave")->isEnabled());
    EXPECT_TRUE(w->item("mnuOpen")->isEnabled());
    EXPECT_TRUE(w->item("mnuGoal")->isEnabled());
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_TRUE(w->frmSplash()->isVisible() && w->Timer4()->isEnabled());
    EXPECT_FALSE(w->FieldCardPicture(0)->isVisible());
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);

    // Replay deals the same rounds again.
    w->cmdTakeScore()->click();
    EXPECT_EQ(dealt(*w), round1);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(w->cmdTakeScore()->text(), "&Take Score");
    EXPECT_FALSE(w->item("mnuSave")->isEnabled());
    ASSERT_EQ(playRound(*w, 1), 1);
    platform::ProgramTime::advance(95 * 1000);
    ASSERT_EQ(w->game().round(), 2);
    EXPECT_EQ(dealt(*w), round2);
    w->requestQuit(); // the quit question is answered No by default: nothing else happens
}

TEST_F(ElevensWindowTest, BelowTheThresholdTheGameEndsAfterRoundTwoWithTheGaugesHidden) {
    platform::ModalDriver driver([](QDialog&) { FAIL() << "no high score expected"; });
    auto w = open();
    w->cmdPlay()->click();
    for (int round = 1; round <= 2; ++round) {
        ASSERT_EQ(playRound(*w, 1), 1);
        pauses();
        platform::ProgramTime::advance(95 * 1000);
    }
    EXPECT_LT(Shared().Score, 80000);
    EXPECT_EQ(pauses(), times(250, 10) + countUp(1) + std::vector<int>{2000});
    EXPECT_EQ(w->game().state(), ElevensState::GameOver);
    for (const char* name : {"lblHighScore", "lblCurrentRound", "lblCurrentElevens", "Surface",
                             "lblTime", "FieldCardPicture_7", "UpCardPicture"})
        EXPECT_FALSE(shown(*w, name)) << name;
    EXPECT_TRUE(shown(*w, "lblCurrentScore")); // the final score stays in view
    EXPECT_EQ(w->statusText(2), "Game over");
    EXPECT_TRUE(w->frmSplash()->isVisibleTo(w.get()));
    EXPECT_TRUE(w->item("mnuSave")->isEnabled());
    EXPECT_EQ(LastElevensGame().LastGameScore, Shared().Score);
    // Every card is refused after the game, with the arrow over it.
    waves();
    w->PlayCardPicture_Click();
    EXPECT_FALSE(w->PlayCardPicture()->showsPointer());
}

TEST_F(ElevensWindowTest, TheMessageStandsWhereItsWriterPutsItAndAResizeMovesOnlyTheResult) {
    platform::ModalDriver driver([](QDialog&) {});
    auto w = open();
    QLabel* message = w->label("lblMessage");
    w->cmdPlay()->click();
    w->cmdPause()->click();
    EXPECT_GE(message->y(), w->PlayCardPicture()->y()); // under the field cards it would cross
    EXPECT_LE(message->y(), w->PlayCardPicture()->y() + Tw(160) + 1);
    w->cmdPause()->click();
    w->Form_Resize(); // emptied by the resume: back under the field
    EXPECT_NE(message->y(), w->PlayCardPicture()->y());

    // Where "Game Over" stands as it is shown, before anything resizes the window.
    int gameOverY = -1;
    const auto previous = platform::ProgramTime::setPauseObserver({});
    platform::ProgramTime::setPauseObserver([&](int ms) {
        if (gameOverY < 0 && message->isVisibleTo(w.get()) && message->text() == "Game Over")
            gameOverY = message->y();
        if (previous) previous(ms);
    });
    for (int round = 1; round <= 2; ++round) {
        playRound(*w, 1); // the clock of enhanced scoring starts with a combination
        platform::ProgramTime::advance(95 * 1000);
    }
    platform::ProgramTime::setPauseObserver(previous);
    ASSERT_EQ(w->game().state(), ElevensState::GameOver);
    ASSERT_NE(gameOverY, -1);
    EXPECT_NE(gameOverY, w->PlayCardPicture()->y()); // written under the field
    w->Form_Resize();
    EXPECT_EQ(message->y(), w->PlayCardPicture()->y());
}

TEST_F(ElevensWindowTest, WithoutCountUpEachBonusWaitsOnceAndIsPaidWhole) {
    auto w = open();
    w->mnuDrawTimer_Click();
    EXPECT_FALSE(w->item("mnuDrawTimer")->isChecked());
    w->cmdPlay()->click();
    ASSERT_EQ(playRound(*w, 1), 1);
    ASSERT_EQ(playRound(*w, 1), 1);
    platform::ProgramTime::advance(30 * 1000);
    const int32_t expected = Shared().Score + 2 * 1000 + 60 * 100;
    pauses();
    w->item("mnuTakeScore")->trigger();
    EXPECT_EQ(pauses(), std::vector<int>({1000, 1000, 1000, 1000}) + times(250, 11));
    EXPECT_EQ(Shared().Score, expected);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
}

TEST_F(ElevensWindowTest, TheCombinationCountTurnsBlueBeforeTheSpeedBonusIsCounted) {
    auto w = open();
    w->cmdPlay()->click();
    ASSERT_EQ(playRound(*w, 2), 2);
    platform::ProgramTime::advance(30 * 1000);
    std::vector<QColor> seen; // the count's colour at each count-up step
    {
        testsupport::WaveWatch watch([&](const QString& wave) {
            if (wave == "Snap.wav") seen.push_back(ForeColour(w->label("lblCurrentElevens")));
        });
        w->cmdTakeScore()->click();
    }
    // Two combination steps in cyan, then the 60 seconds left, counted with the count blue.
    std::vector<QColor> expected(2, VbColour(kVbCyan));
    expected.insert(expected.end(), 60, VbColour(kVbBlue));
    EXPECT_EQ(seen, expected);
}
