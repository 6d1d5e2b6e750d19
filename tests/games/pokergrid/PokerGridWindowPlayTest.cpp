// Whole poker grid games in the real window, from the launcher, in virtual time: cells
// clicked, a round filled with seconds to spare, a round whose clock runs out, the bonus
// round, the high-score entry, and back to the launcher.
#include "PokerGridWindowTestSupport.h"

#include "app/frmSelect.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScores.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
// Records sounds and lets a test look at the window when one of them plays.
struct HookedAudio : platform::RecordingAudio {
    std::function<void(const QString&)> onWave;
    void playWave(const QString& path) override {
        RecordingAudio::playWave(path);
        if (onWave) onWave(path.mid(path.lastIndexOf('/') + 1));
    }
};
} // namespace

TEST_F(PokerGridWindowTest, AWholeGameFromTheLauncherAndBack) {
    auto hooked = std::make_unique<HookedAudio>();
    HookedAudio* sounds = hooked.get();
    auto previousAudio = platform::SetAudioBackend(std::move(hooked));
    platform::MessageScript script;
    script.setFallback(platform::Answer::Yes);
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

    frmSelect launcher(sandbox.dir.path() + "/");
    launcher.show();
    arrange({k350});
    launcher.LaunchGame("frmScramble");
    auto* w = qobject_cast<frmScramble*>(launcher.currentGameWindow());
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(launcher.isVisible());
    EXPECT_EQ(w->statusText(1), "Welcome to Marvane!   ");

    const auto played = [&] {
        QStringList names;
        for (const QString& path : sounds->waves)
            names << path.mid(path.lastIndexOf('/') + 1);
        sounds->waves.clear();
        return names;
    };

    // Round 1, filled with 42 seconds left. The first card turns up with its click.
    sounds->waves.clear();
    w->cmdPlay()->click();
    EXPECT_EQ(played(), QStringList{"Click.wav"});
    EXPECT_EQ(w->statusText(1), "Make 100,000 for bonus round.  ");
    EXPECT_EQ(w->statusText(2), "Click on cards to get the best Poker hand!   ");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 1");
    EXPECT_EQ(text(*w, "lblCards"), "Cards remaining: 51");
    EXPECT_EQ(text(*w, "lblOverWrites"), "Over Writes Remaining: 3");
    EXPECT_EQ(w->HoleCard()->pictureKey(), "2S");
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_FALSE(shown(*w, "frmSplash"));
    seconds(33);
    EXPECT_EQ(text(*w, "lblTimeBonus"), "42");
    played();
    fillGrid(*w, 0, 1); // a pair in row 1
    EXPECT_EQ(played(), (QStringList{"Click.wav", "TwentyOne.wav"}));
    EXPECT_EQ(text(*w, "lblRow_1"), "1 Pair");
    EXPECT_EQ(text(*w, "lblPointsEarned"), "Points Earned: 50");
    EXPECT_EQ(text(*w, "lblCards"), "Cards remaining: 49");

    QStringList seenAtCount;
    sounds->onWave = [&](const QString& wave) {
        if (wave == "Snap.wav" && seenAtCount.isEmpty())
            seenAtCount << text(*w, "ScoringLabel") << text(*w, "lblMessage")
                        << text(*w, "lblScoring");
        if (wave == "Slide.wav") seenAtCount << text(*w, "ScoringLabel");
        if (wave == "HighScore.wav") seenAtCount << text(*w, "ScoringLabel");
    };
    pauses();
    fillGrid(*w, 2, 24);
    EXPECT_EQ(seenAtCount, (QStringList{"350 X 42 =", "Round Points X Seconds Remaining",
                                        "14,350"})); // after 1 s
    EXPECT_EQ(Shared().Score, 14700);
    EXPECT_EQ(text(*w, "lblCurrentScore"), "14,700");
    EXPECT_EQ(pauses(), repeated(repeated({2000}, 75, 42), 250, 10));
    EXPECT_EQ(text(*w, "ScoringLabel"), "Prepare for round  2!");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");

    // Round 2 waits for the launcher's tick; then its clock runs out.
    EXPECT_TRUE(Shared().InputBlocked);
    press(w->PlayCards(0));
    EXPECT_FALSE(w->game().cards().grid().occupied(0));
    platform::ProgramTime::advance(250);
    EXPECT_FALSE(Shared().InputBlocked);
    fillGrid(*w, 0, 10);
    seenAtCount.clear();
    pauses();
    seconds(75);
    EXPECT_EQ(seenAtCount, QStringList{"Times Up!"});
    EXPECT_EQ(Shared().Score, 14700); // a round that runs out pays nothing
    EXPECT_EQ(pauses(), repeated({2000}, 250, 10));
    EXPECT_EQ(Shared().Round, 3);

    // Round 3 ends with exactly the bonus-round score: the bonus round.
    platform::ProgramTime::advance(250);
    Shared().Score = 100000;
    seenAtCount.clear();
    seconds(75);
    EXPECT_EQ(seenAtCount, (QStringList{"Times Up!", "Bonus round!"}));
    EXPECT_EQ(text(*w, "lblRound"), "Bonus Round");

    // The bonus round runs out: game over with the high-score entry.
    platform::ProgramTime::advance(250);
    pauses();
    seconds(75);
    EXPECT_EQ(dialogs, 2);
    const std::vector<int> gameOver = pauses();
    ASSERT_FALSE(gameOver.empty());
    EXPECT_EQ(gameOver.back(), 2000);
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_TRUE(w->Timer4()->isEnabled());
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->statusText(2), "Game Over");
    EXPECT_TRUE(file("Marvane Hi Score Table 75.Txt").startsWith("Zed, 100000, "));
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 100,000");

    // Play again starts from nothing; then back to the launcher.
    platform::ProgramTime::advance(250);
    w->cmdPlay()->click();
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(text(*w, "lblCurrentScore"), "0");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 1");
    script.clearAsked();
    w->requestQuit();
    EXPECT_EQ(
        script.texts(),
        (std::vector<QString>{"You have a game in progress. Are you sure you want to quit now?"}));
    EXPECT_TRUE(launcher.isVisible());
    sounds->onWave = {};
    platform::SetAudioBackend(std::move(previousAudio));
}

TEST_F(PokerGridWindowTest, AFilledGridPaysItsPointsTimesTheSecondsLeftTimesTheTimeBonus) {
    // Row 1 a royal flush (500), row 2 a straight flush (400), row 3 an ace-low straight
    // (90), row 4 a pair (50), column 5 a full house (200): 1240 points.
    arrange({"1H 13H 12H 11H 10H 9S 8S 7S 6S 5S 3C 2H 1C 4S 5C "
             "11D 5D 2D 7C 5H 6H 12C 9H 13C 10C"});
    auto w = openWindow();
    w->show();
    Shared().TimeBonus = 2;
    w->cmdPlay()->click();
    seconds(45); // 30 of 75 seconds left
    pauses();
    fillGrid(*w);
    EXPECT_EQ(pauses(), repeated(repeated({2000}, 75, 30), 250, 10));
    EXPECT_EQ(Shared().Score, 74400); // 1240 x 30 x 2
    EXPECT_EQ(text(*w, "lblCurrentScore"), "74,400");
}

TEST_F(PokerGridWindowTest, JustBelowTheBonusRoundScoreEndsTheGame) {
    platform::MessageScript script;
    GameWindow::SetHighScoreInsertForTests([](const QString&, QWidget*) { return true; });
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    for (int round = 1; round <= 3; ++round) {
        Shared().InputBlocked = false;
        if (round == 3) Shared().Score = 99999;
        seconds(75);
    }
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_EQ(Shared().Round, 4);
    GameWindow::SetHighScoreInsertForTests({});
}

TEST_F(PokerGridWindowTest, PauseHidesTheGridAndStopsTheClock) {
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    seconds(5);
    fillGrid(*w, 0, 2);
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "ScoringLabel"), "Game Paused");
    EXPECT_TRUE(shown(*w, "ScoringLabel"));
    EXPECT_FALSE(shown(*w, "PlayCards_0") || shown(*w, "HoleCard") || shown(*w, "lblRow_1"));
    EXPECT_FALSE(shown(*w, "lblRound"));
    EXPECT_TRUE(shown(*w, "Surface"));
    EXPECT_FALSE(w->cmdPlay()->isEnabled() || w->quitButton()->isEnabled());
    EXPECT_EQ(w->cmdPause()->text(), "&Resume");
    seconds(10);
    EXPECT_EQ(Shared().ElapsedSeconds, 5);
    w->cmdPause()->click();
    EXPECT_FALSE(shown(*w, "ScoringLabel"));
    EXPECT_TRUE(shown(*w, "PlayCards_0") && shown(*w, "lblRound"));
    EXPECT_EQ(w->PlayCards(0)->pictureKey(), w->game().cards().grid().code(0).trimmed());
    EXPECT_TRUE(w->PlayCards(0)->hasBorder());
    EXPECT_EQ(w->PlayCards(5)->pictureKey(), "EMPTY");
    seconds(1);
    EXPECT_EQ(Shared().ElapsedSeconds, 6);
}

TEST_F(PokerGridWindowTest, EndGameAsksAndYesGivesUpWithoutAHighScore) {
    platform::MessageScript script;
    bool inserted = false;
    GameWindow::SetHighScoreInsertForTests([&](const QString&, QWidget*) {
        inserted = true;
        return true;
    });
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    fillGrid(*w, 0, 4);
    script.then(platform::Answer::No);
    w->cmdPlay()->click();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text,
              "You have a game in progress, are you sure you want to quit?");
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(shown(*w, "PlayCards_0"));

    script.then(platform::Answer::Yes);
    w->cmdPlay()->click();
    EXPECT_EQ(w->state(), GameWindow::State::Idle);
    EXPECT_FALSE(w->gameRunning());
    EXPECT_FALSE(inserted);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash") && w->Timer4()->isEnabled());
    EXPECT_FALSE(shown(*w, "TimerRectangle") || shown(*w, "lblRow_1"));
    EXPECT_EQ(w->PlayCards(0)->pictureKey(), "EMPTY");
    GameWindow::SetHighScoreInsertForTests({});
}

TEST_F(PokerGridWindowTest, TheQuitQuestionLeavesTheClockRunningAndTheTimeUpWaitsForTheAnswer) {
    platform::MessageScript script;
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    fillGrid(*w, 0, 2);
    seconds(60);
    EXPECT_EQ(text(*w, "lblTimeBonus"), "15");
    pauses();
    script.then(platform::Answer::No, [&] {
        // The question is open: the clock goes on with the grid and the hole card in view.
        seconds(5);
        EXPECT_EQ(text(*w, "lblTimeBonus"), "10");
        EXPECT_TRUE(shown(*w, "PlayCards_0") && shown(*w, "HoleCard"));
        EXPECT_NE(text(*w, "ScoringLabel"), "Game Paused");
        // The time runs out under the question: the round end waits for the answer.
        seconds(15);
        EXPECT_EQ(text(*w, "lblTimeBonus"), "0");
        EXPECT_EQ(Shared().Round, 1);
        EXPECT_EQ(w->state(), GameWindow::State::Running);
        EXPECT_TRUE(pauses().empty());
    });
    EXPECT_FALSE(w->requestQuit());
    ASSERT_EQ(
        script.texts(),
        std::vector<QString>{"You have a game in progress. Are you sure you want to quit now?"});
    // No: "Times Up!", then the next round is announced.
    EXPECT_EQ(pauses(), repeated({2000}, 250, 10));
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_EQ(text(*w, "lblRound"), "Round: 2");
    EXPECT_EQ(Shared().Score, 0); // a round that runs out pays nothing
    EXPECT_TRUE(w->isVisible());

    // Yes: the window closes, and the round end that fell due meanwhile never runs.
    Shared().InputBlocked = false;
    script.then(platform::Answer::Yes, [] { seconds(80); });
    EXPECT_TRUE(w->requestQuit());
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_TRUE(pauses().empty());
}
