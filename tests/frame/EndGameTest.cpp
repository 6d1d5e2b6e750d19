#include "FrameTestSupport.h"

#include "app/frmSelect.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "services/HighScores.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <map>

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

// A table gone missing while a game runs is made again at its end, with the rows the end of a
// game writes for that window, and the score that beats them is asked for and shown as any
// other; only a table that is there and cannot be read is reported, once, naming the file,
// though both the score's placing and the best score shown after it meet the problem.
TEST_F(FrameTest, ATableMissingAtTheEndOfAGameIsMadeAndTheScoreKept) {
    struct Row {
        const char* window;
        const char* table;      // its name before the time limit
        const char* freshScore; // of each of the ten rows a game's end writes into a new table
    };
    const Row rows[] = {
        {"frmElevens", "Sumbry Hi Score Table ES 11_", "50000"},
        {"frmQuintel", "Quintel Hi Score Table ", "50000"},
        {"frmBrisko", "Brisko Hi Score Table ", "50000"},
        {"frmCrestal", "Crestal Hi Score Table ", "30000"},
        {"frmTwindle", "Twindle Hi Score Table ", "50000"},
        {"frmScramble", "Marvane Hi Score Table ", "30000"},
        {"frmTrip", "Tressel Hi Score Table ", "30000"},
        {"frmPhrase", "Glyphon Hi Score Table ", "30000"},
        {"frmEights", "Eights Hi Score Table ", "50000"},
    };
    const QDir data(QCoreApplication::applicationDirPath()); // the phrase lists among them
    for (const QFileInfo& f : data.entryInfoList(QDir::Files))
        if (!f.isExecutable()) QFile::copy(f.filePath(), dir.path() + "/" + f.fileName());
    frmSelect launcher(dir.path()); // its splash lets input through again after a round end
    launcher.hide();

    // What is left where the table was while the game ran; nothing for a table removed.
    const struct {
        const char* name;
        std::function<bool(const QString& path)> leave;
    } ways[] = {
        {"removed", [](const QString&) { return true; }},
        {"a folder", [](const QString& path) { return QDir().mkdir(path); }},
        {"a link to an endless device",
         [](const QString& path) { return QFile::link("/dev/zero", path); }},
        {"damaged from its first row",
         [](const QString& path) {
             QFile f(path);
             return f.open(QIODevice::WriteOnly) &&
                    f.write("Corvell, lots, Jan 01 2000 12:00 am\r\n") > 0;
         }},
    };

    for (const Row& row : rows)
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string(row.window) + ", the table " + way.name);
            const bool removed = &way == &ways[0];
            Shared().GameTitle = game(row.window).title;
            platform::MessageScript script;
            QStringList opened;
            int64_t entered = -1;
            platform::ModalDriver driver([&](QDialog& d) {
                opened << d.objectName();
                if (d.objectName() != "frmHiScoreName") return;
                entered = Shared().Score;
                d.findChild<QLineEdit*>("txtPlayerName")->setText("Ada");
                d.findChild<QPushButton*>("cmdOK")->click();
            });
            std::unique_ptr<QWidget> real(game(row.window).createWindow());
            auto& w = *qobject_cast<GameWindow*>(real.get());
            w.show();
            QCoreApplication::processEvents();
            platform::ProgramTime::advance(1000);
            w.cmdPlay()->click();
            ASSERT_TRUE(w.gameRunning());
            const QString table = HighScoreFilePath(row.table);
            ASSERT_TRUE(QFile::remove(table));
            ASSERT_TRUE(way.leave(table));
            Shared().Score = 1000000; // beats any fresh row
            for (int ms = 0; w.gameRunning() && ms < 3600 * 1000; ms += 250) {
                QPushButton* take = w.cmdTakeScore();
                if (take && take->isEnabled() && take->isVisibleTo(&w)) take->click();
                platform::ProgramTime::advance(250);
            }
            ASSERT_FALSE(w.gameRunning());
            if (!removed) {
                const std::vector<QString> told = script.texts();
                EXPECT_EQ(told.size(), 1u)
                    << qPrintable(QStringList(told.begin(), told.end()).join(" | "));
                EXPECT_TRUE(!told.empty() && told.front().contains(table));
                for (const platform::AskedBox& box : script.asked())
                    EXPECT_EQ(box.icon, platform::Icon::Critical);
                EXPECT_TRUE(opened.isEmpty()) << qPrintable(opened.join(' '));
                platform::ProgramTime::takePauseLog();
                real.reset();
                // Put right for the next way: the window made anew makes a missing table.
                if (!QFile::remove(table)) {
                    EXPECT_TRUE(QDir().rmdir(table));
                }
                continue;
            }
            EXPECT_TRUE(script.asked().empty())
                << qPrintable(script.texts().empty() ? QString() : script.texts().front());
            EXPECT_EQ(opened.join(' ').toStdString(), "frmHiScoreName frmHighScores");
            QFile file(table);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray written = file.readAll();
            const QByteArray best = written.left(written.indexOf('\n') + 1);
            EXPECT_TRUE(best.startsWith("Ada, " + QByteArray::number(entered) + ", "))
                << best.toStdString();
            QByteArray fresh;
            for (int i = 1; i < 10; ++i)
                fresh += QByteArray("Corvell, ") + row.freshScore + ", Jan 01 2000 12:00 am\r\n";
            EXPECT_EQ(written.mid(best.size()).toStdString(), (fresh + "\r\n").toStdString());
            EXPECT_EQ(text(w, "lblHighScore").section(' ', -1).toStdString(),
                      FormatScore(entered).toStdString());
            platform::ProgramTime::takePauseLog();
        }
}

namespace {
// What the player sees of the frame's commands: captions, tips, and whether each can be used.
std::map<std::string, std::string> commandsOf(GameWindow& w) {
    std::map<std::string, std::string> out;
    for (QPushButton* b : {w.cmdPlay(), w.cmdPause(), w.cmdTakeScore(), w.quitButton()})
        if (b)
            out[b->objectName().toStdString()] =
                ("\"" + b->text() + "\" tip \"" + b->toolTip() + "\"" +
                 (b->isEnabled() ? "" : " off") + (b->isVisibleTo(&w) ? "" : " hidden"))
                    .toStdString();
    for (const char* name : {"mnuPlay", "mnuPause", "mnuTakeScore", "mnuExit"})
        if (const QAction* a = w.item(name))
            out[name] = ("\"" + a->text() + "\"" + (a->isEnabled() ? "" : " off")).toStdString();
    return out;
}

void mouseOn(QPushButton* b, QEvent::Type type) {
    const QPointF at = QRectF(b->rect()).center();
    QMouseEvent e(type, at, b->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b, &e);
}

// A mouse click as the player makes it: the button takes the focus, as Qt gives it on a
// click from the window system (not on one a test sends), whether its window is active or not.
void clickAsPlayer(QPushButton* b) {
    if (b->focusPolicy() & Qt::ClickFocus) b->setFocus(Qt::MouseFocusReason);
    mouseOn(b, QEvent::MouseButtonPress);
    mouseOn(b, QEvent::MouseButtonRelease);
}

// A click on a window another one has the activation from, where no window manager runs: the
// press takes the focus and holds the button down, and the window becomes active only then,
// before the release.
void clickGivingWindowBack(QWidget& window, QPushButton* b) {
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isActiveWindow());
    if (b->focusPolicy() & Qt::ClickFocus) b->setFocus(Qt::MouseFocusReason);
    mouseOn(b, QEvent::MouseButtonPress);
    window.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isActiveWindow());
    mouseOn(b, QEvent::MouseButtonRelease);
}

// Return where the window's focus is.
void pressReturn(GameWindow& w) {
    QWidget* to = w.focusWidget() ? w.focusWidget() : &w;
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &down);
}

// The player at the real question boxes: each opens as a window of its own and takes the
// activation from the game window; once it has it, the player clicks the answer planned for
// it, or No (OK where it only informs) when none was. The game window is not active again
// when the box has closed, as on a desktop that gives it back only later (or, with no window
// manager, never). A box still open after ten seconds is closed unanswered, so that a test
// that goes wrong fails instead of waiting for a click that never comes.
class PlayerAtTheBoxes : public QObject {
  public:
    explicit PlayerAtTheBoxes(QStringList& asked) : asked_(asked) {
        qApp->installEventFilter(this);
    }
    ~PlayerAtTheBoxes() override { qApp->removeEventFilter(this); }
    PlayerAtTheBoxes(const PlayerAtTheBoxes&) = delete;
    PlayerAtTheBoxes& operator=(const PlayerAtTheBoxes&) = delete;

    // `whileOpen` runs once the box has the activation, before the click.
    void answer(QMessageBox::StandardButton b, std::function<void()> whileOpen = {}) {
        answers_.push_back({b, std::move(whileOpen)});
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box) return false;
        if (event->type() == QEvent::Show) {
            asked_ << box->text();
            Planned planned{QMessageBox::No, {}};
            if (!answers_.empty()) {
                planned = answers_.front();
                answers_.erase(answers_.begin());
            }
            box->setProperty("playerAnswer", int(planned.button));
            whileOpen_[box] = planned.whileOpen;
            QTimer::singleShot(10000, box, [box] { box->reject(); });
        } else if (event->type() == QEvent::WindowActivate) {
            const QVariant planned = box->property("playerAnswer");
            if (!planned.isValid()) return false;
            box->setProperty("playerAnswer", QVariant());
            std::function<void()> whileOpen = whileOpen_[box];
            whileOpen_.erase(box);
            QTimer::singleShot(0, box,
                               [box, whileOpen, b = QMessageBox::StandardButton(planned.toInt())] {
                                   if (whileOpen) whileOpen();
                                   QAbstractButton* button = box->button(b);
                                   if (!button) button = box->button(QMessageBox::Ok);
                                   if (auto* push = qobject_cast<QPushButton*>(button))
                                       clickAsPlayer(push);
                                   else
                                       box->reject();
                               });
        }
        return false;
    }

  private:
    struct Planned {
        QMessageBox::StandardButton button;
        std::function<void()> whileOpen;
    };
    QStringList& asked_;
    std::vector<Planned> answers_;
    std::map<QObject*, std::function<void()>> whileOpen_;
};

// The close request the desktop sends when the player clicks the window's X in its title bar.
// Qt drops one that finds the window blocked by a modal window.
void desktopClose(GameWindow& w) {
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != &w) return;
    QCloseEvent close;
    QCoreApplication::sendEvent(w.windowHandle(), &close);
}

// The X clicked while Qt takes no input (in a round end's pauses): Qt holds the request with
// the clicks and keys and hands it to the window in the next loop that takes input.
void heldDesktopClose(GameWindow& w) {
    QMetaObject::invokeMethod(
        &w, [&w] { desktopClose(w); }, Qt::QueuedConnection);
}

// The desktop takes the activation away and gives it back, as when another window was used.
void activateAgain(GameWindow& w) {
    QWidget other;
    other.show();
    other.activateWindow();
    QCoreApplication::processEvents();
    w.activateWindow();
    QCoreApplication::processEvents();
}
} // namespace

// Every way a game ends gives the window back as idle, Play and Exit usable, and Return does
// what it does in a window just opened; a question answered No leaves the game as it ran.
TEST_F(FrameTest, EveryEndingGivesBackTheIdleCommandsAndReturnStillPlays) {
    struct Row {
        const char* window;
        bool returnPlays; // Play is the default button
        bool replay;      // Take Score offers the last game's replay once a game was dealt
        bool playWaits;   // Play and Exit stay off while the game's result is shown
    };
    const Row rows[] = {
        {"frmElevens", true, true, true},    {"frmQuintel", false, false, false},
        {"frmBrisko", false, false, true},   {"frmCrestal", false, false, true},
        {"frmTwindle", false, false, false}, {"frmScramble", true, false, false},
        {"frmTrip", true, false, false},     {"frmPhrase", false, false, false},
        {"frmEights", false, false, false},
    };
    // The phrase lists and the other data files of the program.
    const QDir data(QCoreApplication::applicationDirPath());
    for (const QFileInfo& f : data.entryInfoList(QDir::Files))
        if (!f.isExecutable()) QFile::copy(f.filePath(), dir.path() + "/" + f.fileName());
    platform::MessageScript script;
    platform::ModalDriver unseen([](QDialog&) {});
    frmSelect launcher(dir.path()); // its splash lets input through again after a round end
    launcher.hide();

    for (const Row& row : rows) {
        SCOPED_TRACE(row.window);
        Shared().GameTitle = game(row.window).title;
        std::unique_ptr<QWidget> real(game(row.window).createWindow());
        auto& w = *qobject_cast<GameWindow*>(real.get());
        w.show();
        w.activateWindow();
        QCoreApplication::processEvents();
        {
            // The windows it opens belong to it and go where it goes (minimised with it).
            std::vector<std::pair<QString, QWidget*>> owners;
            platform::ModalDriver seen([&](QDialog& d) {
                owners.push_back({d.objectName(), d.parentWidget()});
            });
            w.item("mnuAbout")->trigger();
            w.item(w.profile().view.name)->trigger();
            EXPECT_EQ(owners, (std::vector<std::pair<QString, QWidget*>>{{"frmAbout", &w},
                                                                         {"frmHighScores", &w}}));
        }
        auto idle = commandsOf(w);
        auto asIdle = [&] {
            EXPECT_FALSE(w.gameRunning());
            EXPECT_EQ(commandsOf(w), idle);
            EXPECT_TRUE(w.cmdPlay()->isEnabled() && w.quitButton()->isEnabled());
        };
        // The player looks at the window for a second, presses Return, and clicks Play when
        // Return did not start a game. No button the player did not choose has the focus.
        QStringList realAsked; // the real boxes shown, where a sequence shows them
        auto returnThenPlay = [&] {
            platform::ProgramTime::advance(1000);
            script.clearAsked();
            realAsked.clear();
            const QWidget* focus = w.focusWidget();
            EXPECT_TRUE(!focus || focus == w.cmdPlay()) << qPrintable(focus->objectName());
            pressReturn(w);
            EXPECT_TRUE(script.asked().empty());
            EXPECT_TRUE(realAsked.isEmpty()) << qPrintable(realAsked.join(" | "));
            EXPECT_EQ(w.state() == GameWindow::State::Running, row.returnPlays || focus);
            if (!w.gameRunning()) clickAsPlayer(w.cmdPlay());
            ASSERT_EQ(w.state(), GameWindow::State::Running);
        };

        returnThenPlay();
        // Played to its end as a player who makes no move: each round ends on the clock or
        // by Take Score.
        bool offUnderResult = false, onUnderResult = false;
        platform::ProgramTime::PauseObserver previous;
        previous = platform::ProgramTime::setPauseObserver([&](int ms) {
            if (w.state() == GameWindow::State::GameOver) {
                offUnderResult |= !w.cmdPlay()->isEnabled() || !w.quitButton()->isEnabled();
                onUnderResult |= w.cmdPlay()->isEnabled() || w.quitButton()->isEnabled();
            }
            if (previous) previous(ms);
        });
        for (int ms = 0; w.gameRunning() && ms < 3600 * 1000; ms += 250) {
            QPushButton* take = w.cmdTakeScore();
            if (take && take->isEnabled() && take->isVisibleTo(&w)) clickAsPlayer(take);
            platform::ProgramTime::advance(250);
        }
        platform::ProgramTime::setPauseObserver(previous);
        EXPECT_FALSE(row.playWaits ? onUnderResult : offUnderResult);
        if (row.replay) {
            idle["cmdTakeScore"] = "\"&Replay\" tip \"Replays the last game\"";
            idle["mnuTakeScore"] = "\"&Replay\"";
        }
        asIdle();
        returnThenPlay();

        // End Game and the quit question answered No: the game runs on as it was.
        const auto running = commandsOf(w);
        script.then(platform::Answer::No).then(platform::Answer::No);
        clickAsPlayer(w.cmdPlay());
        EXPECT_FALSE(w.requestQuit());
        EXPECT_EQ(script.asked().size(), 2u);
        EXPECT_EQ(w.state(), GameWindow::State::Running);
        EXPECT_EQ(commandsOf(w), running);

        // End Game from the menu answered Yes.
        script.then(platform::Answer::Yes);
        w.item("mnuPlay")->trigger();
        asIdle();
        returnThenPlay();

        // The questions as the player meets them: real boxes answered by mouse, each taking
        // the activation from the window while it is open; Return is pressed where the
        // ending left the focus.
        platform::RealMessageBoxes realBoxes;
        PlayerAtTheBoxes player(realAsked);
        auto endGame = [&](QMessageBox::StandardButton answer) {
            player.answer(answer);
            clickAsPlayer(w.cmdPlay());
        };
        auto pauseClick = [&] { clickAsPlayer(w.cmdPause()); };
        // The X in the title bar clicked once, at the first pause of the next round end.
        bool closeInRoundEnd = false, minimiseInRoundEnd = false;
        size_t musicStarts = 0; // when the window was minimised
        platform::ProgramTime::setPauseObserver([&](int) {
            if (closeInRoundEnd && w.inRoundEnd()) {
                closeInRoundEnd = false;
                desktopClose(w);
            }
            if (minimiseInRoundEnd && w.inRoundEnd()) {
                minimiseInRoundEnd = false;
                w.showMinimized();
                musicStarts = audio->music.size();
            }
        });
        auto stillPlaying = [&] {
            EXPECT_TRUE(w.isVisible());
            EXPECT_FALSE(launcher.isVisible());
            platform::ProgramTime::advance(1000); // the launcher's splash lets input through
            if (w.gameRunning()) endGame(QMessageBox::Yes);
        };
        const QString quit = "You have a game in progress. Are you sure you want to quit now?";
        const struct {
            const char* name;
            std::vector<std::function<void()>> moves;
        } sequences[] = {
            {"No then Yes",
             {[&] { endGame(QMessageBox::No); }, [&] { endGame(QMessageBox::Yes); }}},
            {"Yes, Return, Yes",
             {[&] { endGame(QMessageBox::Yes); }, returnThenPlay,
              [&] { endGame(QMessageBox::Yes); }}},
            {"Pause and Resume, then Yes",
             {pauseClick, pauseClick,
              [&] {
                  player.answer(QMessageBox::Yes);
                  w.item("mnuPlay")->trigger();
              }}},
            {"Exit, the X while its question is open, No", {[&] {
                 player.answer(QMessageBox::No, [&] { desktopClose(w); });
                 clickAsPlayer(w.quitButton());
                 EXPECT_EQ(realAsked, QStringList{quit});
                 EXPECT_TRUE(w.isVisible());
                 EXPECT_EQ(w.state(), GameWindow::State::Running);
                 // The window active again has the focus where the frame left it.
                 activateAgain(w);
                 const QWidget* focus = w.focusWidget();
                 EXPECT_TRUE(!focus || focus == w.quitButton() ||
                             (row.returnPlays && focus == w.cmdPlay()))
                     << qPrintable(focus->objectName());
                 stillPlaying();
             }}},
            {"Take Score, the X during its round end, a second X at the question, No", {[&] {
                 QPushButton* take = w.cmdTakeScore();
                 if (!take || !take->isEnabled() || !take->isVisibleTo(&w))
                     return endGame(QMessageBox::Yes);
                 closeInRoundEnd = true;
                 player.answer(QMessageBox::No, [&] { desktopClose(w); });
                 clickAsPlayer(take);
                 for (int ms = 0; w.inRoundEnd() && ms < 60000; ms += 250)
                     platform::ProgramTime::advance(250);
                 EXPECT_FALSE(closeInRoundEnd);
                 EXPECT_TRUE(realAsked.contains(quit)) << qPrintable(realAsked.join(" | "));
                 stillPlaying();
             }}},
            {"Take Score, minimised during its round end: the next round waits for the restore",
             {[&] {
                 QPushButton* take = w.cmdTakeScore();
                 if (!take || !take->isEnabled() || !take->isVisibleTo(&w))
                     return endGame(QMessageBox::Yes);
                 if (!Shared().MusicOn) w.mnuMusic_Click();
                 ASSERT_TRUE(audio->playing);
                 minimiseInRoundEnd = true;
                 clickAsPlayer(take);
                 for (int ms = 0; w.inRoundEnd() && ms < 60000; ms += 250)
                     platform::ProgramTime::advance(250);
                 ASSERT_TRUE(w.isMinimized());
                 const int elapsed = Shared().ElapsedSeconds;
                 platform::ProgramTime::advance(25000);
                 EXPECT_EQ(Shared().ElapsedSeconds, elapsed);
                 // No music reaches a minimised window, the next round's included.
                 EXPECT_EQ(audio->music.size(), musicStarts);
                 EXPECT_FALSE(audio->playing);
                 w.showNormal();
                 platform::ProgramTime::advance(5000);
                 EXPECT_EQ(audio->playing, w.state() == GameWindow::State::Running);
                 // Where the round's clock runs before the first move.
                 if (w.state() == GameWindow::State::Running && w.Timer1()->isEnabled()) {
                     EXPECT_GT(Shared().ElapsedSeconds, elapsed);
                 }
                 stillPlaying();
             }}},
            {"End Game, No, then End Game and Play each by a click that makes the window active",
             {[&] {
                 endGame(QMessageBox::No);
                 player.answer(QMessageBox::Yes);
                 clickGivingWindowBack(w, w.cmdPlay());
                 EXPECT_EQ(realAsked.size(), 2) << qPrintable(realAsked.join(" | "));
                 EXPECT_FALSE(w.gameRunning());
                 platform::ProgramTime::advance(1000); // the launcher's splash lets input through
                 clickGivingWindowBack(w, w.cmdPlay());
                 EXPECT_EQ(w.state(), GameWindow::State::Running);
                 endGame(QMessageBox::Yes);
             }}},
            {"Played out with a high score and the X in every round end: each asked after it",
             {[&] {
                 // The windows of the round end run loops of their own, which take input.
                 platform::ModalDriver ownLoop([&](QDialog& d) {
                     if (d.objectName() == "frmHiScoreName") {
                         EXPECT_EQ(d.parentWidget(), &w);
                     }
                     realAsked << d.objectName();
                     QCoreApplication::processEvents();
                 });
                 Shared().Score = 1000000; // a score for the table
                 w.activateWindow();       // the player's first click gives it back
                 QCoreApplication::processEvents();
                 int closes = 0;
                 bool closedThisRoundEnd = false;
                 const auto others = platform::ProgramTime::setPauseObserver([&](int) {
                     if (!w.inRoundEnd() || closedThisRoundEnd) return;
                     closedThisRoundEnd = true;
                     ++closes;
                     heldDesktopClose(w);
                 });
                 for (int ms = 0; w.gameRunning() && ms < 3600 * 1000; ms += 250) {
                     QPushButton* take = w.cmdTakeScore();
                     if (take && take->isEnabled() && take->isVisibleTo(&w)) clickAsPlayer(take);
                     platform::ProgramTime::advance(250);
                     QCoreApplication::processEvents(); // the window's own loop
                     closedThisRoundEnd = false;
                 }
                 platform::ProgramTime::setPauseObserver(others);
                 const QStringList questions = realAsked.filter(QRegularExpression("\\?"));
                 EXPECT_EQ(questions.size(), closes) << qPrintable(realAsked.join(" | "));
                 // The last, once the game is over, after the name entry and the Hall of Fame.
                 ASSERT_GE(realAsked.size(), 3);
                 EXPECT_EQ(realAsked.mid(realAsked.size() - 3, 2).join(' ').toStdString(),
                           "frmHiScoreName frmHighScores");
                 EXPECT_NE(realAsked.back(), quit);
                 EXPECT_TRUE(realAsked.back().contains('?'));
                 EXPECT_TRUE(w.isVisible());
             }}},
            {"Exit with the time running out under it, No, the X during the round end", {[&] {
                 closeInRoundEnd = true;
                 player.answer(QMessageBox::No, [&] {
                     platform::ProgramTime::advance(Shared().TimeLimit * 1000 + 1000);
                 });
                 clickAsPlayer(w.quitButton());
                 for (int ms = 0; w.inRoundEnd() && ms < 60000; ms += 250)
                     platform::ProgramTime::advance(250);
                 stillPlaying();
                 closeInRoundEnd = false;
             }}},
        };
        for (const auto& sequence : sequences) {
            SCOPED_TRACE(sequence.name);
            for (const auto& move : sequence.moves)
                move();
            asIdle();
            returnThenPlay();
        }
        platform::ProgramTime::setPauseObserver({});

        // Exit answered Yes: the settings are written and the launcher is back.
        endGame(QMessageBox::Yes);
        QDir files(dir.path(), "*.ini", QDir::Name, QDir::Files);
        for (const QString& f : files.entryList())
            QFile::remove(files.filePath(f));
        player.answer(QMessageBox::Yes);
        clickAsPlayer(w.quitButton());
        EXPECT_FALSE(w.isVisible());
        EXPECT_TRUE(launcher.isVisible());
        EXPECT_EQ(platform::DefaultTitle(), platform::kDefaultTitle); // the launcher's, as at start
        EXPECT_FALSE(files.entryList().isEmpty());
        launcher.hide();
    }
}
