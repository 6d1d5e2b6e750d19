#include "FrameTestSupport.h"

#include "platform/MessageBox.h"
#include "services/HighScores.h"

#include <QFile>
#include <QPushButton>

namespace {
struct InsertRecorder {
    InsertRecorder(bool result) {
        previous =
            GameWindow::SetHighScoreInsertForTests([this, result](const QString& t, QWidget*) {
                tables.push_back(t);
                return result;
            });
    }
    ~InsertRecorder() { GameWindow::SetHighScoreInsertForTests(previous); }
    std::vector<QString> tables;
    GameWindow::HighScoreInsert previous;
};
} // namespace

TEST_F(FrameTest, EndGameReturnsTheWindowToIdleAndChecksTheHighScore) {
    InsertRecorder inserts(true);
    auto w = window("frmCrestal");
    w->cmdPlay_Click();
    ASSERT_FALSE(w->item("mnuTime")->isEnabled());
    w->calls.clear();

    w->EndGame("Crestal Hi Score Table ", "30000");

    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_FALSE(Shared().GameInProgress);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_EQ(w->item("mnuPlay")->text(), "&Play");
    EXPECT_TRUE(w->item("mnuCustom")->isEnabled());
    EXPECT_TRUE(w->item("mnuTime")->isEnabled());
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_FALSE(w->item("mnuPause")->isEnabled());
    EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
    EXPECT_FALSE(w->item("mnuTakeScore")->isEnabled());
    EXPECT_EQ(inserts.tables, std::vector<QString>{"Crestal Hi Score Table "});
    EXPECT_EQ(w->calls, (std::vector<QString>{"ShowCards(0)", "ShowControls(0,1)"}));
    EXPECT_EQ(w->statusText(2), "Game Over");
}

TEST_F(FrameTest, AnAbandonedGameSkipsOneHighScoreCheckOnly) {
    InsertRecorder inserts(true);
    platform::MessageScript script;
    script.then(platform::Answer::Yes);
    auto w = window("frmCrestal");
    w->abandonThroughEndGame = true;
    w->cmdPlay_Click();
    w->cmdPlay_Click(); // End Game, Yes
    EXPECT_EQ(script.texts(),
              std::vector<QString>{"You have a game in progress, are you sure you want to quit?"});
    EXPECT_TRUE(inserts.tables.empty());
    EXPECT_FALSE(Shared().GameAbandoned);
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);

    w->cmdPlay_Click();
    w->EndGame("Crestal Hi Score Table ", "30000");
    EXPECT_EQ(inserts.tables.size(), 1u);
}

TEST_F(FrameTest, AnAbandonFlagLeftOverIsClearedWhenAGameStarts) {
    InsertRecorder inserts(true);
    auto w = window("frmScramble");
    Shared().GameAbandoned = true;
    w->cmdPlay_Click();
    EXPECT_FALSE(Shared().GameAbandoned);
    w->EndGame("Marvane Hi Score Table ", "30000");
    EXPECT_EQ(inserts.tables.size(), 1u);
}

TEST_F(FrameTest, AFailedHighScoreStepIsReportedOnceAndTheWindowStillResets) {
    platform::MessageScript script;
    auto w = window("frmTrip");
    // A damaged table: the real table service refuses it and says why, once.
    QFile damaged(HighScoreFilePath("Tressel Hi Score Table "));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(
        "Corvell, 30000, Jan 01 2000 12:00 am\r\nCorvell, lots, Jan 01 2000 12:00 am\r\n");
    damaged.close();
    w->cmdPlay_Click();
    Shared().Score = 99999;
    w->calls.clear();
    w->EndGame("Tressel Hi Score Table ", "30000");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].title, Shared().GameTitle);
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(w->calls, (std::vector<QString>{"ShowCards(0)", "ShowControls(0,1)"}));
    EXPECT_EQ(w->statusText(2), "Game Over");
    // The trips-and-runs window has the button only.
    EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
    EXPECT_EQ(w->item("mnuTakeScore"), nullptr);
}
