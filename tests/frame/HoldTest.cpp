// What holds a round: minimising, questions and windows, a round end, a Play that deals, a
// Play that fails.
#include "FrameTestSupport.h"

#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

// Qt's own way in for a key that may be a shortcut (the one its test library uses).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* target, ulong timestamp, int key,
                                               Qt::KeyboardModifiers modifiers,
                                               const QString& text = QString(),
                                               bool autoRepeat = false, ushort count = 1);

using State = GameWindow::State;
using platform::Answer;

namespace {
void postClick(QWidget* target, QPointF at = QPointF(5, 5)) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(target, new QMouseEvent(type, at, target->mapToGlobal(at),
                                                            Qt::LeftButton, Qt::LeftButton,
                                                            Qt::NoModifier));
}
void postKey(QWidget* target, Qt::Key key, const QString& text) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QCoreApplication::postEvent(target, new QKeyEvent(type, key, Qt::NoModifier, text));
}
// A key as the keyboard gives it, through the window's shortcuts.
void shortcut(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    qt_sendShortcutOverrideEvent(window->windowHandle(), 0, key, modifiers);
}
} // namespace

TEST_F(FrameTest, OnlyARestoreResumesWhatRanBeforeTheMinimise) {
    auto w = window("frmTwindle");
    w->show();
    Shared().MusicOn = true;
    w->cmdPlay_Click();
    ASSERT_EQ(audio->music.size(), 1u);
    w->showMinimized();
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(audio->playing);
    EXPECT_EQ(w->holds, std::vector<bool>{true});
    w->resize(700, 500); // no other change of size touches the clocks
    EXPECT_FALSE(w->Timer1()->isEnabled());
    w->showNormal();
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(audio->playing);
    EXPECT_EQ(w->holds, (std::vector<bool>{true, false}));

    // Paused before the minimise: the restore leaves it paused.
    w->cmdPause_Click();
    w->showMinimized();
    w->showNormal();
    EXPECT_EQ(w->state(), State::Paused);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(audio->playing);
}

TEST_F(FrameTest, WhereTheRoundRunsOnUnderAQuestionItsTimeUpWaitsForTheAnswer) {
    platform::MessageScript script;
    auto w = window("frmScramble"); // asks the quit question with the game running
    w->cmdPlay_Click();
    platform::ProgramTime::advance(600);
    w->Timer1()->setEnabled(true); // already on: keeps its rhythm
    platform::ProgramTime::advance(400);
    EXPECT_EQ(Shared().ElapsedSeconds, 1);
    script.then(Answer::No, [&] {
        platform::ProgramTime::advance(3000);
        EXPECT_EQ(Shared().ElapsedSeconds, 4);
        EXPECT_EQ(w->state(), State::Running);
    });
    EXPECT_FALSE(w->requestQuit());
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->holds.empty()); // nothing of the round was held

    // The limit passes under the question: the round end runs once, after the No, and the
    // game's own timers stand still until then.
    Shared().TimeLimit = 10;
    script.then(Answer::No, [&] {
        platform::ProgramTime::advance(20000);
        EXPECT_EQ(Shared().ElapsedSeconds, 10);
        EXPECT_EQ(w->count("TakeScore"), 0);
        EXPECT_EQ(w->holds, std::vector<bool>{true});
    });
    EXPECT_FALSE(w->requestQuit());
    EXPECT_EQ(w->count("TakeScore"), 1);
    EXPECT_EQ(w->holds, (std::vector<bool>{true, false}));

    // Its rules window lets the game run on: the clock too.
    bool clockDuringRules = false;
    auto brisko = window("frmBrisko");
    platform::ModalDriver driver(
        [&](QDialog&) { clockDuringRules = brisko->Timer1()->isEnabled(); });
    brisko->cmdPlay_Click();
    brisko->mnuRules_Click();
    EXPECT_TRUE(clockDuringRules);
    EXPECT_TRUE(brisko->Timer1()->isEnabled());
    EXPECT_EQ(brisko->state(), State::Running);

    // Yes to End Game: nothing starts again.
    script.then(Answer::Yes);
    brisko->cmdPlay_Click();
    EXPECT_EQ(brisko->state(), State::Idle);
    EXPECT_FALSE(brisko->Timer1()->isEnabled());
}

TEST_F(FrameTest, APauseForAQuestionGivesBackOnlyTheCommandsItTookAndNeedsPause) {
    platform::MessageScript script;
    auto w = window("frmCrestal");
    w->cmdPlay_Click();
    // The game has switched Take Score and Exit off for the rest of the round.
    w->cmdTakeScore()->setEnabled(false);
    w->item("mnuExit")->setEnabled(false);
    script.then(Answer::No, [&] { EXPECT_EQ(w->state(), State::Paused); });
    w->mnuClear_Click();
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
    EXPECT_FALSE(w->item("mnuExit")->isEnabled());
    EXPECT_TRUE(w->cmdPlay()->isEnabled() && w->quitButton()->isEnabled());

    // With Pause off too, the windows do not pause at all.
    w->cmdPause()->setEnabled(false);
    w->cmdPlay()->setEnabled(false);
    platform::ModalDriver driver([&](QDialog&) { EXPECT_EQ(w->state(), State::Running); });
    w->mnuRules_Click();
    w->mnuAbout_Click();
    EXPECT_EQ(driver.shown(), 2);
    EXPECT_FALSE(w->cmdPlay()->isEnabled());
    EXPECT_EQ(w->count("Pause"), 1);
}

// Each kind of command the player gives during a round end: queued while the round is scored
// or arriving at once, it is dropped, there and in the next round; given once the round end
// is over it acts, and a window it opens pauses the round as in any other round.
TEST_F(FrameTest, CommandsOfARoundEndAreDroppedNotCarriedIntoTheNextRound) {
    using Give = std::function<void(TestGameWindow&)>;
    const auto help = [](TestGameWindow& w) { return w.menu("mnuHelp"); };
    const auto openHelp = [help](TestGameWindow& w) {
        w.menuBar()->setActiveAction(help(w)->menuAction());
    };
    const struct {
        const char* kind;
        Give before; // the player's step before the round ends, when one is needed
        Give give;
    } rows[] = {
        {"a click on a button", {}, [](TestGameWindow& w) { postClick(w.cmdPause()); }},
        {"a key on a button",
         {},
         [](TestGameWindow& w) { postKey(w.cmdPause(), Qt::Key_Space, " "); }},
        {"a click on an item of a menu left open", openHelp,
         [help](TestGameWindow& w) {
             QMenu* m = help(w);
             postClick(m, m->actionGeometry(w.item("mnuRules")).center());
         }},
        {"an item's letter in a menu left open", openHelp,
         [help](TestGameWindow& w) { postKey(help(w), Qt::Key_R, "r"); }},
        {"a menu shortcut",
         {},
         [](TestGameWindow& w) { shortcut(&w, Qt::Key_R, Qt::ControlModifier); }},
    };
    for (const char* game : {"frmTwindle", "frmQuintel"})
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(game) + ", " + row.kind);
            auto w = window(game);
            w->show();
            w->activateWindow();
            QCoreApplication::processEvents();
            std::vector<State> statesShown;
            platform::ModalDriver driver([&](QDialog&) { statesShown.push_back(w->state()); });
            w->cmdPlay_Click();
            if (row.before) row.before(*w);
            QCoreApplication::processEvents();
            w->onTakeScore = [&] {
                row.give(*w); // taken in the round end, where a game's own wait lets events in
                QCoreApplication::processEvents();
                row.give(*w);          // still queued when the scoring is over
                if (w->cmdTakeScore()) // and a second Take Score
                    testsupport::GameWindowTest::press(w->cmdTakeScore());
            };
            w->TimeUp({});
            QCoreApplication::processEvents();
            EXPECT_EQ(w->count("TakeScore"), 1);
            EXPECT_EQ(w->count("Pause"), 0);
            EXPECT_EQ(driver.shown(), 0);
            EXPECT_EQ(w->state(), State::Running);
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr); // nothing left open over it

            // After the round end the same command acts, with the pause of its window.
            w->onTakeScore = nullptr;
            if (row.before) row.before(*w);
            QCoreApplication::processEvents();
            row.give(*w);
            QCoreApplication::processEvents();
            EXPECT_EQ(w->count("Pause"), 1); // the button's, or the one around the window
            EXPECT_EQ(statesShown, std::vector<State>(driver.shown(), State::Paused));
        }
}

TEST_F(FrameTest, ATimeUpLeadInBelongsToTheRoundEnd) {
    platform::MessageScript script;
    auto w = window("frmTwindle");
    w->cmdPlay_Click();
    std::vector<QString> order;
    w->onTakeScore = [&] { order.push_back("score"); };
    w->TimeUp(
        [&] {
            order.push_back("lead-in");
            EXPECT_EQ(w->state(), State::RoundEnd);
            EXPECT_FALSE(w->requestQuit()); // waits for the whole round end
            w->cmdTakeScore_Click();        // a second Take Score does nothing
            EXPECT_TRUE(script.asked().empty());
        },
        [&] { order.push_back("after"); });
    EXPECT_EQ(order, (std::vector<QString>{"lead-in", "score", "after"}));
    EXPECT_EQ(w->count("TakeScore"), 1);
    EXPECT_EQ(
        script.texts(),
        std::vector<QString>{"You have a game in progress. Are you sure you want to quit now?"});
}

TEST_F(FrameTest, PlayIsGuardedWhileItDealsAndAFailedPlayLeavesTheWindowIdle) {
    platform::MessageScript script;
    auto w = window("frmTrip");
    w->onPlay = [&] {
        w->cmdPlay_Click();  // a second Play while dealing
        w->cmdPause_Click(); // and a Pause
        w->cmdTakeScore_Click();
    };
    w->cmdPlay_Click();
    EXPECT_EQ(w->count("Play"), 1);
    EXPECT_EQ(w->state(), State::Running);
    EXPECT_TRUE(script.asked().empty());
    w->onPlay = nullptr;
    script.then(Answer::Yes);
    w->cmdPlay_Click(); // End Game

    Shared().MusicOn = true;
    w->onPlay = [&] { w->FailPlay("Unable to find the phrase."); };
    w->cmdPlay_Click();
    ASSERT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.asked()[1].text, "Unable to find the phrase.");
    EXPECT_EQ(script.asked()[1].icon, platform::Icon::Critical);
    EXPECT_EQ(w->state(), State::Idle);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(w->Timer2()->isEnabled()); // this window's Timer2 runs from its design
    EXPECT_TRUE(w->Timer4()->isEnabled());
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->cmdPause()->isEnabled());
    EXPECT_FALSE(audio->playing);
    EXPECT_TRUE(w->isEnabled());
}
