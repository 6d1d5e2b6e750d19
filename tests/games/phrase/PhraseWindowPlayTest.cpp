// Whole phrase games in the real window, offscreen and in virtual time: letters, the letter
// bar, Solve It, the paced round ends, round two, the bonus round, time up, the high-score
// check and Play again; abandoning and pausing.
#include "PhraseWindowTestSupport.h"

#include "platform/Twips.h"
#include "services/HighScoreTable.h"

#include <QDialog>

#include <functional>
#include <vector>

namespace {
std::vector<int> repeat(int times, int ms) {
    return std::vector<int>(size_t(times), ms);
}
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
// The pauses of a solved round's end: the applause, the faces, the completion bonus and the
// time bonus with its seconds left.
std::vector<int> solvedRoundEnd(int faces, int secondsLeft) {
    return std::vector<int>{2000} + repeat(faces, 400) + std::vector<int>{1000} + repeat(20, 75) +
           std::vector<int>{2000} + repeat(secondsLeft, 75);
}
} // namespace

TEST_F(PhraseWindowTest, AWholeGameWithBonusRoundHighScoreAndPlayAgain) {
    writeTopics();
    sandbox.write("Glyphon.Ini", "[Bonus Score]\r\n1000\r\n\r\n[Topic]\r\n4\r\n");
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
    platform::MessageScript answers;
    auto w = open();
    w->show();
    EXPECT_TRUE(action(*w, "mnuSports")->isChecked());
    w->cmdPlay()->click();

    // Round 1: vowels closed until the first right letter; the board caption names the topic.
    EXPECT_EQ(w->findChild<QGroupBox*>("fmPhrase")->title(), "Topic: Sports");
    EXPECT_EQ(w->statusText(1), "Make 1,000 for Bonus Round!   ");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_FALSE(action(*w, "mnuTopic")->isEnabled());
    EXPECT_FALSE(w->cmdLetter(0)->isEnabled());
    EXPECT_TRUE(w->Timer1()->isEnabled() && w->Timer5()->isEnabled());
    const int value = w->txtLetterValue()->text().toInt();
    EXPECT_EQ(value % 250, 0);

    // A wrong letter turns the top face and plays the chord.
    const int wrong = wrongLetter(*w);
    w->cmdLetter(wrong)->click();
    EXPECT_FALSE(w->cmdLetter(wrong)->isEnabled());
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    EXPECT_EQ(Shared().Score, 0);
    // The letter bar: 100 ticks of 90 ms, then a face.
    platform::ProgramTime::advance(90 * 50);
    EXPECT_EQ(w->ProgressBar1()->value(), 50);
    pauses();

    // Solve the phrase by letters: 6 faces left, the clock at 4 seconds.
    const int letters = solve(*w);
    EXPECT_EQ(pauses(), solvedRoundEnd(7, 41) + repeat(11, 250));
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_TRUE(waves().contains("Applause.wav"));
    EXPECT_FALSE(w->cmdLetter(0)->isEnabled()); // closed again in round 2
    const int32_t afterRound1 = Shared().Score;
    // The letters, then 7 faces left x 3,000 + 10,000 for the phrase + 41 s left x 100
    // = 21,000 + 10,000 + 4,100 = 35,100.
    EXPECT_EQ(afterRound1, letters + 35100);
    EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(afterRound1));

    // Round 2: Solve It stops the clock and freezes the value.
    w->cmdSolve()->click();
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_TRUE(w->cmdLetter(0)->isEnabled());
    platform::ProgramTime::advance(3000); // the clock stands; the bar runs
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    const int frozen = w->txtLetterValue()->text().toInt();
    w->cmdLetter(lettersOf(*w).front())->click();
    EXPECT_EQ(w->txtLetterValue()->text().toInt(), frozen);
    solve(*w);
    EXPECT_EQ(pauses(), solvedRoundEnd(8, 45) + repeat(11, 250));
    EXPECT_EQ(w->game().phrasesSolved(), 2);

    // The bonus round: pick 5 consonants and 1 vowel; the clock waits for the sixth.
    EXPECT_EQ(Shared().Round, 3);
    EXPECT_EQ(w->statusText(1), "Bonus Round!   ");
    EXPECT_EQ(text(*w, "lblMessage"), "Select 5 consonants and 1 vowel");
    EXPECT_TRUE(shown(*w, "lblMessage"));
    EXPECT_FALSE(shown(*w, "frmGuess"));
    EXPECT_FALSE(w->cmdSolve()->isEnabled());
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->Timer5()->isEnabled());
    for (char c : {'B', 'C', 'F', 'J', 'Q'})
        w->cmdLetter(c - 'A')->click();
    EXPECT_EQ(text(*w, "lblMessage"), "Select 0 consonants and 1 vowel");
    EXPECT_FALSE(w->cmdLetter('M' - 'A')->isEnabled());
    w->cmdLetter('U' - 'A')->click();
    EXPECT_FALSE(shown(*w, "lblMessage"));
    EXPECT_EQ(text(*w, "lblLetterValue"), "All Letters worth:");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->game().round().solveMode());
    platform::ProgramTime::advance(2000);
    pauses();
    // The bonus names come back from the prompt's place to the middle: the message's bottom
    // 500 twips above the window's middle, its centre 500 left of it, the amount 100 below.
    struct Shot {
        QString text;
        QRect message, amount;
    };
    std::vector<Shot> shots;
    auto fixture = platform::ProgramTime::setPauseObserver(nullptr);
    platform::ProgramTime::setPauseObserver([&](int ms) {
        fixture(ms);
        if (ms >= 1000 && shown(*w, "lblMessage") && shown(*w, "lblScoring"))
            shots.push_back({text(*w, "lblMessage"), w->label("lblMessage")->geometry(),
                             w->label("lblScoring")->geometry()});
    });
    solve(*w);
    platform::ProgramTime::setPauseObserver(fixture);
    ASSERT_GE(shots.size(), 2u);
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.text.toStdString());
        const int tw = 15; // a pixel
        EXPECT_NEAR(PxToTw(shot.message.bottom() + 1), PxToTw(w->height()) / 2 - 500, tw);
        EXPECT_NEAR(PxToTw(shot.message.center().x()), PxToTw(w->width()) / 2 - 500, tw);
        EXPECT_NEAR(PxToTw(shot.amount.top()), PxToTw(shot.message.bottom() + 1) + 100, tw);
    }

    // Game over: one face, the table entry, "Game Over", the splash.
    EXPECT_EQ(pauses(), solvedRoundEnd(1, 43) + std::vector<int>{2000});
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(w->statusText(2), "Game Over");
    EXPECT_EQ(w->statusText(1), "Welcome to Glyphon!");
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_TRUE(action(*w, "mnuTopic")->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_TRUE(shown(*w, "lblCurrentScore"));
    EXPECT_FALSE(shown(*w, "fmPhrase"));
    EXPECT_EQ(Shared().Round, 4);
    const HighScoreTable table = ParseHighScoreTable(sandbox.read("Glyphon Hi Score Table 45.Txt"));
    ASSERT_FALSE(table.rows.empty());
    EXPECT_EQ(table.rows[0].name, "Zed*"); // made with a custom bonus-round score

    // Play again: a new game from round 1.
    w->cmdPlay()->click();
    EXPECT_EQ(Shared().Round, 1);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(text(*w, "lblCurrentScore"), "0");
    EXPECT_TRUE(w->Timer1()->isEnabled());
}

TEST_F(PhraseWindowTest, TimeUpRevealsThePhraseAndGoesOnToRoundTwo) {
    writeTopics();
    platform::MessageScript answers;
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    platform::ProgramTime::advance(23000);
    EXPECT_EQ(w->statusText(2), "Times running out!");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 22");
    platform::ProgramTime::advance(12000);
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 10");
    pauses();
    waves();
    platform::ProgramTime::advance(10000);
    // Reveal in red, "Times Up!" blinks ten times, nothing is paid, round two is announced.
    EXPECT_EQ(pauses(), std::vector<int>{5000} + repeat(10, 250) + repeat(11, 250));
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_EQ(Shared().Score, 0);
    const QStringList played = waves();
    EXPECT_TRUE(played.contains("Slide.wav"));
    EXPECT_FALSE(played.contains("Snap.wav"));
    // The bar cost a face every 9.09 seconds of the round meanwhile; round two starts afresh.
    EXPECT_EQ(w->game().round().face(7), Face::Happy);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
}

TEST_F(PhraseWindowTest, FacesUsedUpLoseTheRoundWithTheReveal) {
    writeTopics();
    platform::MessageScript answers;
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    for (int i = 0; i < 8; ++i)
        w->cmdLetter(wrongLetter(*w))->click();
    // Reveal for the show-phrase time, then round two's announcement.
    EXPECT_EQ(pauses(), std::vector<int>{5000} + repeat(11, 250));
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(w->game().phrasesSolved(), 0);
}

TEST_F(PhraseWindowTest, AbandonKeepsTheScoreAndMakesNoEntry) {
    writeTopics();
    platform::MessageScript answers;
    answers.then(platform::Answer::No).then(platform::Answer::Yes);
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    w->cmdLetter(lettersOf(*w).front())->click();
    const int32_t score = Shared().Score;
    w->cmdPlay()->click(); // No: the game goes on
    EXPECT_TRUE(Shared().GameInProgress);
    w->cmdPlay()->click(); // Yes
    EXPECT_EQ(answers.asked().back().text,
              "You have a game in progress, are you sure you want to quit?");
    EXPECT_FALSE(Shared().GameInProgress);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(score));
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer5()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_TRUE(action(*w, "mnuTopic")->isEnabled());
    EXPECT_EQ(Shared().Round, 1);
    EXPECT_FALSE(QFile::exists(sandbox.path("Glyphon Hi Score Table 45.Txt")) &&
                 sandbox.read("Glyphon Hi Score Table 45.Txt").contains("Ada"));
}

TEST_F(PhraseWindowTest, PauseHidesTheBoardAndKeepsTheLetters) {
    writeTopics();
    platform::MessageScript answers;
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    const int wrong = wrongLetter(*w);
    w->cmdLetter(wrong)->click();
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    EXPECT_FALSE(shown(*w, "fmPhrase"));
    EXPECT_FALSE(shown(*w, "cmdLetter_0"));
    EXPECT_TRUE(shown(*w, "lblCurrentScore"));
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer5()->isEnabled());
    EXPECT_FALSE(w->cmdSolve()->isEnabled());
    platform::ProgramTime::advance(20000);
    EXPECT_EQ(Shared().ElapsedSeconds, 0);
    // Minimised and restored while paused: nothing starts.
    w->showMinimized();
    w->showNormal();
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->cmdPause()->click();
    EXPECT_TRUE(shown(*w, "fmPhrase"));
    EXPECT_FALSE(w->cmdLetter(wrong)->isEnabled());
    EXPECT_FALSE(w->cmdLetter(0)->isEnabled()); // no right letter yet: vowels stay closed
    EXPECT_TRUE(w->cmdSolve()->isEnabled());
    EXPECT_TRUE(w->Timer1()->isEnabled() && w->Timer5()->isEnabled());
}

// A question or window the player leaves open while the round runs on behind it (Exit asks
// without a pause; Solve It switches the pause off): what ends the round meanwhile, the bar
// or the clock, waits with the round held and runs once after the answer; a waiting end
// whose round ended another way is dropped.
TEST_F(PhraseWindowTest, QuestionsHoldTheClockAndTheBarAndSolveItStaysStopped) {
    enum class Before { Nothing, SevenWrongLetters, SolveIt, BonusPicks };
    enum class Open { Exit, Rules, About, Clear };
    const std::vector<int> reveal{5000};
    const std::vector<int> timesUp = repeat(10, 250);
    const std::vector<int> roundTwo = repeat(11, 250);
    const std::vector<int> gameOver{2000};
    const std::vector<int> nothing;
    struct Row {
        const char* name;
        Before before; // the round as the question finds it
        Open open;
        int openMs;           // virtual time with it open
        int elapsedWhileOpen; // the clock held where the round's end came
        bool endsWhileOpen;   // the bar or the clock ends the round meanwhile
        // Then the letters solve the round under the question, and round 2 runs 17 s.
        bool solvedWhileOpen;
        std::vector<int> afterAnswer; // the pauses of the round end once it is answered
        int roundAfter;
    };
    const Row rows[] = {
        {"ordinary play: the time-up", Before::Nothing, Open::Exit, 60000, 45, true, false,
         reveal + timesUp + roundTwo, 2},
        {"ordinary play: the bar takes the last face", Before::SevenWrongLetters, Open::Exit, 20000,
         9, true, false, reveal + roundTwo, 2},
        {"solve mode: the bar under Rules", Before::SolveIt, Open::Rules, 20000, 0, true, false,
         reveal + roundTwo, 2},
        {"solve mode: the bar under About", Before::SolveIt, Open::About, 20000, 0, true, false,
         reveal + roundTwo, 2},
        {"solve mode: the bar under Clear High Scores", Before::SolveIt, Open::Clear, 20000, 0,
         true, false, reveal + roundTwo, 2},
        {"solve mode: the quit question, the clock stays stopped", Before::SolveIt, Open::Exit,
         5000, 0, false, false, nothing, 1},
        {"the bonus picks: the bar ends the game", Before::BonusPicks, Open::Exit, 20000, 0, true,
         false, reveal + gameOver, 4},
        // Round 2 must not then be ended, revealed and paid by round 1's time-up.
        {"a waiting time-up whose round ended another way", Before::Nothing, Open::Exit, 45000, 45,
         true, true, nothing, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        writeTopics();
        sandbox.write("Glyphon.Ini", "[Bonus Score]\r\n1000\r\n");
        Phrases().reset();
        std::vector<QString> windows; // opened besides the one the row leaves open
        std::function<void()> whileOpen;
        platform::ModalDriver driver([&](QDialog& d) {
            if (d.objectName() == "frmRules" || d.objectName() == "frmAbout") {
                whileOpen();
                return;
            }
            windows.push_back(d.objectName());
            if (d.objectName() == "frmHiScoreName") d.findChild<QPushButton*>("cmdOK")->click();
            if (d.objectName() == "frmHighScores") d.findChild<QPushButton*>("cmdDone")->click();
        });
        platform::MessageScript answers;
        auto w = open();
        w->show();
        w->cmdPlay()->click();
        switch (row.before) {
        case Before::Nothing:
            break;
        case Before::SevenWrongLetters:
            for (int i = 0; i < 7; ++i)
                w->cmdLetter(wrongLetter(*w))->click();
            break;
        case Before::SolveIt:
            w->cmdSolve()->click();
            break;
        case Before::BonusPicks:
            solve(*w);
            solve(*w);
            ASSERT_TRUE(w->game().round().collectingPicks());
            break;
        }
        pauses();
        windows.clear();
        const int round = Shared().Round;
        int32_t scoreAtAnswer = 0;
        whileOpen = [&] {
            platform::ProgramTime::advance(row.openMs);
            EXPECT_EQ(Shared().Round, round);
            EXPECT_EQ(Shared().ElapsedSeconds, row.elapsedWhileOpen);
            EXPECT_TRUE(pauses().empty()); // no reveal, no announcement, no game over
            EXPECT_TRUE(windows.empty());
            EXPECT_EQ(w->state(), GameWindow::State::Running);
            EXPECT_FALSE(w->Timer1()->isEnabled());
            if (row.endsWhileOpen) {
                EXPECT_FALSE(w->Timer5()->isEnabled());
            }
            if (row.solvedWhileOpen) {
                solve(*w);
                ASSERT_EQ(Shared().Round, 2);
                platform::ProgramTime::advance(17000);
                pauses();
            }
            scoreAtAnswer = Shared().Score;
        };
        switch (row.open) {
        case Open::Exit:
            answers.then(platform::Answer::No, whileOpen);
            w->requestQuit();
            EXPECT_EQ(answers.texts().back(),
                      "You have a game in progress. Are you sure you want to quit now?");
            break;
        case Open::Rules:
            w->item("mnuRules")->trigger();
            break;
        case Open::About:
            w->item("mnuAbout")->trigger();
            break;
        case Open::Clear:
            answers.then(platform::Answer::No, whileOpen);
            w->item("mnuClear")->trigger();
            break;
        }
        EXPECT_EQ(pauses(), row.afterAnswer);
        EXPECT_EQ(Shared().Round, row.roundAfter);
        EXPECT_EQ(Shared().Score, scoreAtAnswer); // a round lost behind a window pays nothing
        if (row.roundAfter == 4) {
            EXPECT_EQ(windows, (std::vector<QString>{"frmHiScoreName", "frmHighScores"}));
        }
        if (row.afterAnswer.empty()) { // nothing waited, or it was dropped
            EXPECT_EQ(w->state(), GameWindow::State::Running);
            EXPECT_NE(w->game().round().colour(), BoardColour::Lost);
        }
    }
}

TEST_F(PhraseWindowTest, RulesAndAboutKeepSolveModesCommandsOff) {
    writeTopics();
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    w->cmdSolve()->click();
    std::vector<QString> opened;
    platform::ModalDriver driver([&](QDialog& d) { opened.push_back(d.objectName()); });
    w->item("mnuRules")->trigger();
    w->item("mnuAbout")->trigger();
    EXPECT_EQ(opened, (std::vector<QString>{"frmRules", "frmAbout"}));
    // Play (reading End Game), Pause, Solve It and Exit stay off for the rest of the round.
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    for (QPushButton* b : {w->cmdPlay(), w->cmdPause(), w->cmdSolve(), w->quitButton()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    for (const char* name : {"mnuPlay", "mnuPause", "mnuSolve", "mnuExit"})
        EXPECT_FALSE(w->item(name)->isEnabled()) << name;
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_TRUE(w->game().round().solveMode());
    EXPECT_NE(text(*w, "lblMessage"), "Game Paused");
}

TEST_F(PhraseWindowTest, MinimisingHoldsTheClockAndTheBarUntilTheRestore) {
    writeTopics();
    platform::MessageScript answers;
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    platform::ProgramTime::advance(2000);
    const int bar = w->ProgressBar1()->value();
    w->showMinimized();
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer5()->isEnabled());
    platform::ProgramTime::advance(30000);
    EXPECT_EQ(Shared().ElapsedSeconds, 2);
    EXPECT_EQ(w->ProgressBar1()->value(), bar);
    w->showNormal();
    EXPECT_TRUE(w->Timer1()->isEnabled() && w->Timer5()->isEnabled());
    // A resize starts nothing that was stopped: Solve It's clock stays off.
    w->cmdSolve()->click();
    w->resize(800, 600);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->Timer5()->isEnabled());
}

TEST_F(PhraseWindowTest, EveryPlayOnAChosenTopicThatCannotBePlayedSaysWhy) {
    writeTopics();
    sandbox.write("GLS.Dat", "ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n"); // no phrase fits the board
    sandbox.write("Glyphon.Ini", "[Topic]\r\n4\r\n");
    platform::MessageScript answers;
    auto w = open();
    w->show();
    for (int play = 1; play <= 2; ++play) {
        SCOPED_TRACE(play);
        answers.clearAsked();
        w->cmdPlay()->click();
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, "The phrase file \"GLS.Dat\" holds no phrase that fits "
                                           "the board, so the topic \"Sports\" cannot be played.");
        EXPECT_EQ(w->cmdPlay()->text(), "&Play");
        EXPECT_NE(w->state(), GameWindow::State::Running);
        EXPECT_TRUE(w->frmSplash()->isVisibleTo(w.get()));
    }
}
