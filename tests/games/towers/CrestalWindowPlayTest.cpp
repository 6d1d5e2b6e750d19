#include "CrestalWindowTestSupport.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/PictureList.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The whole field as one run of 100, 200, ... 2800.
constexpr int32_t kFieldRun = 100 * (28 * 29 / 2);

} // namespace

TEST_F(CrestalWindowTest, AWholeGameWithBonusRoundAndHighScore) {
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
    auto w = openShown();
    w->cmdPlay()->click();
    EXPECT_EQ(w->statusText(1), "Make 40,000 for Bonus Round!   ");
    EXPECT_EQ(w->statusText(2), "Create runs by clicking on exposed cards!   ");
    EXPECT_EQ(text(*w, "lblCards"), "23");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(text(*w, "lblCurrentRun"), "Current Run: 0");
    EXPECT_EQ(text(*w, "lblNextCard"), "Next card worth: 100 points");
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_EQ(w->item("mnuPlay")->text(), "&Play"); // the button alone shows the running game
    EXPECT_EQ(w->CardStackPicture()->pictureKey(), "FULL");
    EXPECT_EQ(w->UpCardPicture()->pictureKey(), "1S");
    EXPECT_EQ(w->UpCardImage(0)->pictureKey(), "BACK");
    EXPECT_EQ(w->UpCardImage(18)->pictureKey(), "2H");
    EXPECT_FALSE(w->item("mnuClearHighRun")->isEnabled());
    EXPECT_FALSE(w->item("mnuCustom")->isEnabled());
    EXPECT_TRUE(w->Timer1()->isEnabled());

    // Clicks: a face-down card is refused; the base row is taken card by card.
    waves();
    press(w->UpCardImage(0));
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    platform::ProgramTime::advance(5000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 40");
    takeCards(*w, 5);
    EXPECT_EQ(text(*w, "lblCurrentScore"), "1,500");
    EXPECT_EQ(text(*w, "lblNextCard"), "Next card worth: 600 points");
    EXPECT_EQ(waves(), QStringList(5, "Markq.wav"));
    EXPECT_FALSE(w->UpCardImage(18)->isVisible());
    EXPECT_EQ(w->UpCardImage(9)->pictureKey(), "12H"); // turned up by 18 and 19
    pauses();

    // The rest of the field: the third tower ends the round inside the click.
    const auto order = towerstest::ClearingOrder();
    for (size_t k = 5; k < order.size(); ++k)
        press(w->UpCardImage(order[k]));
    EXPECT_EQ(pauses(), join({countUp(2000, 40), countUp(1000, 20), countUp(1000, 20),
                              repeated({}, 250, 11)}));
    const int32_t afterOne = kFieldRun + 40 * 100 + 3 * 5000 + 28 * 1000;
    EXPECT_EQ(Shared().Score, afterOne);
    EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(afterOne));
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_EQ(text(*w, "lblHighRun"), "Highest Run: 28");
    EXPECT_EQ(text(*w, "lblNextCard"), "Next card worth: 100 points");
    EXPECT_FALSE(shown(*w, "lblTower1"));
    EXPECT_FALSE(shown(*w, "lblMessage"));
    EXPECT_TRUE(w->cmdTakeScore()->isEnabled() && w->cmdPause()->isEnabled());

    // Round two runs out with exactly the bonus-round score.
    Shared().BonusRoundScore = afterOne;
    waves();
    platform::ProgramTime::advance(45000);
    EXPECT_EQ(pauses(), join({repeated({}, 250, 10), repeated({}, 250, 11)}));
    EXPECT_TRUE(waves().contains("Applause.wav"));
    EXPECT_EQ(text(*w, "lblCurrentRound"), "Bonus");
    EXPECT_EQ(Shared().Score, afterOne);

    // The bonus round ended by Take Score without a tower: "Sorry", then the game over.
    platform::ProgramTime::advance(3000);
    w->cmdTakeScore()->click();
    EXPECT_EQ(pauses(), (std::vector<int>{3000, 2000}));
    EXPECT_EQ(dialogs, 2);
    const QByteArray table = file("Crestal Hi Score Table 45.Txt");
    EXPECT_TRUE(table.contains("Zed")) << table.toStdString();
    EXPECT_TRUE(table.contains(QByteArray::number(afterOne))) << table.toStdString();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Over");
    EXPECT_EQ(w->statusText(2), "Game Over");
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "UpCardImage_20"));
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_TRUE(w->item("mnuClearHighRun")->isEnabled());

    // Play again starts at 0 and keeps the high run.
    w->cmdPlay()->click();
    EXPECT_EQ(text(*w, "lblCurrentScore"), "0");
    EXPECT_EQ(text(*w, "lblHighRun"), "Highest Run: 28");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
}

TEST_F(CrestalWindowTest, RoundEndsPayTheirBonusesOntoTheScore) {
    constexpr int kStock = -1; // a click on the stock instead of a field card
    struct Row {
        const char* name;
        QStringList deck;
        int16_t highRun; // before the round
        int elapsedMs;   // before the first click
        std::vector<int> clicks;
        bool takeScore; // else the third tower ends the round
        int32_t score;  // after the round's bonuses
        std::vector<int> countUps;
    };
    std::vector<int> oneTower = towerstest::TowerOneOrder();
    oneTower.insert(oneTower.begin() + 7, kStock);
    const Row rows[] = {
        // A run of 7 (2,800), a draw and 3 more (600); 20 s left: 2,000, one tower 5,000 and
        // the new high run of 7 at 1,000 each.
        {"one tower and a new high run",
         towerstest::RunDeck(towerstest::TowerOneOrder(), {{28, "8C"}}), 0, 25000, oneTower, true,
         3400 + 2000 + 5000 + 7000,
         join({countUp(2000, 20), countUp(1000, 20), countUp(1000, 20)})},
        // The field as one run; 33 s left: 3,300 and three towers 15,000; a run that only
        // equals the high run pays nothing for it.
        {"three towers, no new high run", towerstest::ClearingDeck(), 28, 12000,
         towerstest::ClearingOrder(), false, kFieldRun + 3300 + 15000,
         join({countUp(2000, 33), countUp(1000, 20)})},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        towerstest::FixedDeck deck(r.deck);
        auto w = openShown();
        TowersOptions().HighRun = r.highRun;
        w->cmdPlay()->click();
        platform::ProgramTime::advance(r.elapsedMs);
        pauses();
        for (int c : r.clicks)
            press(c == kStock ? w->CardStackPicture() : w->UpCardImage(c));
        if (r.takeScore) w->cmdTakeScore()->click();
        EXPECT_EQ(pauses(), join({r.countUps, repeated({}, 250, 11)}));
        EXPECT_EQ(Shared().Score, r.score);
        EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(r.score));
        EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    }
}

TEST_F(CrestalWindowTest, OnePointShortOfTheBonusRoundEndsTheGame) {
    platform::ModalDriver driver([](QDialog& d) { d.reject(); });
    auto w = openShown();
    w->cmdPlay()->click();
    platform::ProgramTime::advance(5000);
    takeCards(*w, 28);
    pauses();
    Shared().BonusRoundScore = Shared().Score + 1;
    // Under the "Game Over" wait Play and Exit are still off; they come back after it.
    bool playOrExitUnderGameOver = false;
    platform::ProgramTime::PauseObserver previous;
    previous = platform::ProgramTime::setPauseObserver([&](int ms) {
        if (ms == 2000)
            playOrExitUnderGameOver = w->cmdPlay()->isEnabled() || w->quitButton()->isEnabled();
        if (previous) previous(ms);
    });
    platform::ProgramTime::advance(45000);
    platform::ProgramTime::setPauseObserver(previous);
    EXPECT_EQ(pauses(), join({repeated({}, 250, 10), {2000}}));
    EXPECT_FALSE(playOrExitUnderGameOver);
    EXPECT_TRUE(w->cmdPlay()->isEnabled() && w->quitButton()->isEnabled());
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_EQ(text(*w, "lblMessage"), "Game Over");
}

TEST_F(CrestalWindowTest, EndGameWithYesRecordsNothingAndTheClockWarns) {
    platform::ModalDriver driver([](QDialog&) { FAIL() << "no high score expected"; });
    platform::MessageScript answers;
    answers.then(platform::Answer::Yes);
    auto w = openShown();
    w->cmdPlay()->click();
    platform::ProgramTime::advance(23000);
    EXPECT_EQ(w->statusText(2), "Times running out!");
    platform::ProgramTime::advance(11000); // 11 s left
    EXPECT_EQ(w->statusText(2), "Times running out!");
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
    takeCards(*w, 3);
    w->cmdPlay()->click();
    EXPECT_EQ(answers.texts(),
              std::vector<QString>{"You have a game in progress, are you sure you want to quit?"});
    EXPECT_EQ(w->state(), GameWindow::State::Idle);
    EXPECT_FALSE(Shared().GameAbandoned);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "UpCardImage_25"));
    EXPECT_TRUE(shown(*w, "lblCurrentScore")); // the score stays
    EXPECT_FALSE(shown(*w, "lblCurrentRun"));
    EXPECT_EQ(w->statusText(2), "Game Over");
    const QByteArray table = file("Crestal Hi Score Table 45.Txt");
    EXPECT_FALSE(table.contains("Ada"));
}

TEST_F(CrestalWindowTest, ClearHighRunAsksAndTheFileChangesAtTheQuit) {
    sandbox.write("Crestal.Ini", "[Hi Run]\r\n12\r\n");
    platform::MessageScript answers;
    auto w = openShown();
    EXPECT_EQ(text(*w, "lblHighRun"), "Highest Run: 12");
    QAction* clear = w->item("mnuClearHighRun");
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->text(), "Clear &High Run");
    EXPECT_EQ(clear->shortcut(), QKeySequence("Ctrl+H"));
    answers.then(platform::Answer::No);
    clear->trigger();
    EXPECT_EQ(text(*w, "lblHighRun"), "Highest Run: 12");
    answers.then(platform::Answer::Yes);
    clear->trigger();
    EXPECT_EQ(answers.texts().back(), "This will clear the current high run value. Are you sure?");
    EXPECT_EQ(text(*w, "lblHighRun"), "Highest Run: 0");
    EXPECT_TRUE(file("Crestal.Ini").contains("[Hi Run]\r\n12\r\n"));
    w->cmdPlay()->click();
    EXPECT_FALSE(clear->isEnabled());
    // The quit question holds the clock; Yes writes the file.
    answers.then(platform::Answer::No);
    const int before = Shared().ElapsedSeconds;
    w->requestQuit();
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_EQ(Shared().ElapsedSeconds, before);
    answers.then(platform::Answer::Yes);
    w->requestQuit();
    EXPECT_TRUE(file("Crestal.Ini").contains("[Hi Run]\r\n0\r\n"));
}

TEST_F(CrestalWindowTest, FirstRunFileAndTheDefaultTimeItem) {
    auto w = openShown();
    EXPECT_EQ(file("Crestal.Ini").size(), 280);
    EXPECT_TRUE(w->item("mnu45")->isChecked());
    EXPECT_EQ(text(*w, "lblHighScore"), "Current High Score: 30,000");
    EXPECT_EQ(w->windowTitle(), "Crestal!");
    EXPECT_EQ(w->statusText(1), "Welcome to Crestal!  ");
}

TEST_F(CrestalWindowTest, ACardBackChangedWhilePausedRedrawsTheFaceDownCards) {
    auto w = openShown();
    w->cmdPlay()->click();
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    EXPECT_FALSE(shown(*w, "UpCardImage_0"));
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->mnuNight_Click();
    w->cmdPause()->click();
    const QPixmap back = CardPictureList().byKey("BACK");
    EXPECT_EQ(w->UpCardImage(0)->picture().cacheKey(), back.cacheKey());
    EXPECT_TRUE(shown(*w, "UpCardImage_0"));
    waves();
    press(w->UpCardImage(0));
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    EXPECT_TRUE(w->Timer1()->isEnabled());
}

TEST_F(CrestalWindowTest, LayoutAtTheMinimumAndBeyond) {
    auto w = openShown();
    EXPECT_EQ(w->size(), QSize(Tw(9570), Tw(7200)));
    ASSERT_EQ(w->width(), 638);
    EXPECT_EQ(w->UpCardImage(1)->x(), Tw(4253)); // 4252.5 twips
    EXPECT_EQ(w->UpCardImage(18)->x(), Tw(-540));
    EXPECT_EQ(w->CardStackPicture()->x(), w->UpCardImage(11)->x());
    w->resize(Tw(9000), Tw(8000));
    EXPECT_EQ(w->size(), QSize(Tw(9570), Tw(7200)));
    w->resize(Tw(10500), Tw(7200));
    EXPECT_EQ(w->size(), QSize(Tw(10500), Tw(7200)));
    EXPECT_EQ(w->UpCardImage(1)->x(), Tw(4718)); // 4717.5 twips
}

TEST_F(CrestalWindowTest, MinimiseHoldsTheRoundAndOnlyTheRestoreResumesIt) {
    auto w = openShown();
    w->cmdPlay()->click();
    platform::ProgramTime::advance(3000);
    w->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    platform::ProgramTime::advance(5000);
    EXPECT_EQ(Shared().ElapsedSeconds, 3);
    w->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(Shared().ElapsedSeconds, 4);

    // Paused: neither a resize nor a restore starts the clock.
    w->cmdPause()->click();
    w->resize(Tw(11000), Tw(8000));
    w->setWindowState(Qt::WindowMinimized);
    w->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
}
