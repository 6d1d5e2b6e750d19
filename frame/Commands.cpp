// Play, Pause, Take Score and Exit, and the quit confirmation.
#include "frame/Captions.h"
#include "frame/CommandTable.h"
#include "frame/GameWindow.h"
#include "frame/ReturnKey.h"
#include "frame/VbColour.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "platform/ProgramTime.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
const QString kPlayCaption = QStringLiteral("&Play");
const QString kEndGameCaption = QStringLiteral("&End Game");
const QString kResumeCaption = QStringLiteral("&Resume");
const QString kPauseItemCaption = QStringLiteral("Pau&se");
const QString kGamePaused = QStringLiteral("Game Paused");

std::function<void()>& returnToLauncher() {
    static std::function<void()> back;
    return back;
}

// The window whose input an event is: a menu pops up as a window of its own, and a shortcut
// reaches the menu item, not a control; both belong to the window that opened them. A dialog
// is a window apart.
QWidget* windowOf(QObject* target) {
    for (QObject* o = target; o;) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) {
            o = o->parent();
            continue;
        }
        QWidget* top = w->window();
        if (top->windowType() != Qt::Popup || !top->parentWidget()) return top;
        o = top->parentWidget();
    }
    return nullptr;
}

void enable(QWidget* w, bool on) {
    if (w) w->setEnabled(on);
}
void enable(QAction* a, bool on) {
    if (a) a->setEnabled(on);
}
} // namespace

void GameWindow::cmdPlay_Click() {
    if (!gated(GatePlayButton)) playCommand(false);
}
void GameWindow::mnuPlay_Click() {
    if (!gated(GatePlayMenu)) playCommand(true);
}
void GameWindow::cmdPause_Click() {
    pauseCommand(GatePauseButton);
}
void GameWindow::mnuPause_Click() {
    pauseCommand(GatePauseMenu);
}
void GameWindow::cmdTakeScore_Click() {
    takeScoreCommand(true, false, {}, {});
}
void GameWindow::mnuTakeScore_Click() {
    takeScoreCommand(false, false, {}, {});
}
void GameWindow::cmdExit_Click() {
    if (!gated(GateQuitButton) && !playing_) requestQuit();
}
void GameWindow::mnuExit_Click() {
    if (!gated(GateQuitMenu) && !playing_) requestQuit();
}

GameWindow::State GameWindow::commandState() const {
    return inRoundEnd() ? State::RoundEnd : state();
}

void GameWindow::playCommand(bool fromMenu) {
    if (playing_) return; // a second Play while the first still deals
    const CommandEffect effect = EffectOf(Command::Play, commandState());
    if (effect == CommandEffect::StartGame) {
        startNewGame(fromMenu);
        return;
    }
    if (effect != CommandEffect::AskToEndGame) return;
    const bool pausedHere = pauseForQuestion();
    const QString question = fromMenu ? profile_.playMenuQuestion : profile_.playQuestion;
    platform::Answer answer = platform::Answer::No;
    askOverRound([&] {
        answer = platform::MsgBox(question, platform::Buttons::YesNo, platform::Icon::Question,
                                  Shared().GameTitle, this);
    });
    if (answer == platform::Answer::Yes) {
        abandonGame(); // a round end that waited goes with the game
        return;
    }
    resumeAfterQuestion(pausedHere);
    runDueRoundEnd();
}

void GameWindow::startNewGame(bool fromMenu) {
    SharedState& s = Shared();
    const bool resultShown = state() == State::GameOver;
    s.GameAbandoned = false; // an abandon belongs to the game it ended
    dropDueRoundEnd();       // and so does a round end that waited
    ShowSplash(false);
    // A game with rules of its own starts its round when Play deals it.
    if (play_ == &framePlay_) framePlay_.roundDealt();
    s.GameInProgress = true;
    cmdPlay_->setText(kEndGameCaption);
    cmdPlay_->setToolTip("Ends the game in progress");
    if (QAction* a = item("mnuPlay"); a && profile_.playItemShowsEndGame)
        a->setText(kEndGameCaption);
    cmdPause_->setText(profile_.pauseCaption);
    cmdPause_->setToolTip(profile_.pauseTip);
    cmdPause_->setEnabled(true);
    if (QAction* a = item("mnuPause")) {
        a->setText(kPauseItemCaption);
        a->setEnabled(true);
    }
    enable(cmdTakeScore_, true);
    enable(item("mnuTakeScore"), true);
    enable(item(profile_.custom.name), false);
    if (QMenu* m = menu(profile_.timeMenu)) m->menuAction()->setEnabled(false);

    // The last game's result does not carry into this one.
    if (QLabel* l = label(profile_.stateLabel); l && resultShown) {
        SetCaption(l, QString());
        l->hide();
    }
    playing_ = true;
    Play();
    playing_ = false;

    if (state() == State::Running && s.MusicOn && (!fromMenu || profile_.playMenuStartsMusic))
        PlayMusic();
}

void GameWindow::FailPlay(const QString& message, platform::Buttons buttons) {
    const CommandSwitch focusKept(this, defaultButton());
    platform::MsgBox(message, buttons, platform::Icon::Critical, Shared().GameTitle, this);
    SetClockRunning(false);
    timer2_->setEnabled(profile_.timer2OnAtDesign);
    HoldGameTimers(true);
    AbandonGame();
    resetCommands(State::Idle);
    if (Shared().MusicOn) StopMusic();
    ShowSplash(true);
}

void GameWindow::abandonGame() {
    const CommandSwitch focusKept(this, defaultButton());
    const int resetsBefore = commandResets_;
    AbandonGame();
    // Unless the game's own end already set them, the commands go back to idle.
    if (commandResets_ == resetsBefore) resetCommands(State::Idle);
    givePlayBack(false);
    if (Shared().MusicOn) StopMusic();
}

void GameWindow::GameFinished(State to) {
    const CommandSwitch focusKept(this, defaultButton());
    resetCommands(to);
    givePlayBack(false);
}

void GameWindow::givePlayBack(bool resultShown) {
    if (gameRunning()) return;
    const CommandSwitch focusKept(this, defaultButton());
    // A game that ended by itself may keep the player from a new one until its result has
    // been shown; one that was given up never does.
    if (state() == State::GameOver && profile_.playBack == PlayBack::AfterGameOver && !resultShown)
        return;
    enable(cmdPlay_, true);
    enable(quitButton_, true);
    enable(item("mnuPlay"), true);
    enable(item("mnuExit"), true);
}

void GameWindow::OfferPause(bool on) {
    if (state() == State::Paused || (on && !gameRunning())) return;
    const CommandSwitch focusKept(this, defaultButton());
    cmdPause_->setEnabled(on);
    enable(item("mnuPause"), on);
}

void GameWindow::resetCommands(State to) {
    const CommandSwitch focusKept(this, defaultButton());
    SharedState& s = Shared();
    timer1_->setEnabled(false);
    s.GameInProgress = false;
    ++commandResets_;
    play_->settle(to);
    // Given up or over: a round end still waiting has no round left to end.
    dropDueRoundEnd();
    offWhilePaused_.clear();
    cmdPlay_->setText(kPlayCaption);
    cmdPlay_->setToolTip("Starts a new game");
    if (QAction* a = item("mnuPlay")) a->setText(kPlayCaption);
    enable(item(profile_.custom.name), true);
    if (QMenu* m = menu(profile_.timeMenu)) m->menuAction()->setEnabled(true);
    cmdPause_->setText(profile_.pauseCaption);
    cmdPause_->setToolTip(profile_.pauseTip);
    cmdPause_->setEnabled(false);
    if (QAction* a = item("mnuPause")) {
        a->setText(kPauseItemCaption);
        a->setEnabled(false);
    }
    enable(cmdTakeScore_, false);
    enable(item("mnuTakeScore"), false);
    if (QLabel* l = label(profile_.stateLabel); l && pauseShown_) {
        SetCaption(l, QString());
        l->hide();
    }
    pauseShown_ = false;
}

void GameWindow::pauseCommand(unsigned gate) {
    if (gated(gate) || playing_) return;
    const CommandEffect effect = EffectOf(Command::Pause, commandState());
    if (effect == CommandEffect::PauseRound)
        setPaused(true);
    else if (effect == CommandEffect::ResumeRound)
        setPaused(false);
}

bool GameWindow::setPaused(bool pause) {
    const CommandSwitch focusKept(this, defaultButton());
    SharedState& s = Shared();
    // The state moves first, where the game's rules may refuse it; what the window shows and
    // runs follows it.
    if (!(pause ? play_->pause() : play_->resume())) return false;
    pauseShown_ = pause;
    if (pause) timer1_->setEnabled(false);
    cmdPause_->setText(pause ? kResumeCaption : QString(profile_.pauseCaption));
    cmdPause_->setToolTip(pause ? QString("Resumes the current game") : profile_.pauseTip);
    if (QAction* a = item("mnuPause")) a->setText(pause ? kResumeCaption : kPauseItemCaption);
    // The resume gives back only what the pause took: a command the game had switched off
    // stays off.
    if (pause) {
        offWhilePaused_.clear();
        for (QObject* c :
             {static_cast<QObject*>(cmdPlay_), static_cast<QObject*>(quitButton_),
              static_cast<QObject*>(cmdTakeScore_), static_cast<QObject*>(item("mnuPlay")),
              static_cast<QObject*>(item("mnuExit")), static_cast<QObject*>(item("mnuTakeScore"))})
            if (c && c->property("enabled").toBool()) {
                c->setProperty("enabled", false);
                offWhilePaused_.push_back(c);
            }
    } else {
        for (QObject* c : offWhilePaused_)
            c->setProperty("enabled", true);
        offWhilePaused_.clear();
    }
    if (QLabel* l = label(profile_.stateLabel)) {
        // A round end's flashes may have left the label in another colour.
        if (pause) SetForeColour(l, kVbRed);
        SetCaption(l, pause ? kGamePaused : QString());
        l->setVisible(pause);
    }
    PauseGame(pause);
    if (!pause) timer1_->setEnabled(true);
    if (s.MusicOn) pause ? StopMusic() : PlayMusic();
    return true;
}

bool GameWindow::pauseForQuestion() {
    // Where the game has switched Pause off (a round that must be played out), a question
    // leaves it running.
    if (state() != State::Running || inRoundEnd() || !cmdPause_->isEnabled()) return false;
    return setPaused(true);
}

void GameWindow::resumeAfterQuestion(bool pausedHere) {
    if (pausedHere && state() == State::Paused) setPaused(false);
}

QString GameWindow::quitQuestion() const {
    if (gameRunning()) return "You have a game in progress. Are you sure you want to quit now?";
    if (platform::MinutesBetween(Shared().WindowLoadTime, platform::ProgramTime::now()) < 5)
        return "Giving up so soon?";
    return "Are you sure you want to quit now? Were just getting started!";
}

void GameWindow::Form_Unload(bool& cancel) {
    const bool pausedHere = profile_.quit == QuitStyle::Pausing && pauseForQuestion();
    platform::Answer answer = platform::Answer::No;
    askOverRound([&] {
        answer = platform::MsgBox(quitQuestion(), platform::Buttons::YesNo,
                                  platform::Icon::Question, Shared().GameTitle, this);
    });
    if (answer != platform::Answer::Yes) {
        cancel = true;
        resumeAfterQuestion(pausedHere);
        return;
    }
    dropDueRoundEnd(false); // the window closes: its round ends with it, nothing runs again
    if (profile_.quit == QuitStyle::Plain) setCursor(Qt::WaitCursor);
    WriteSettingsINI();
    cancel = false;
    for (platform::GameTimer* t : {timer1_, timer2_, statusClock_, timer4_})
        t->setEnabled(false);
    Shared().GameInProgress = false;
    if (Shared().MusicOn) StopMusic();
    if (returnToLauncher()) returnToLauncher()();
}

void GameWindow::SetReturnToLauncher(std::function<void()> back) {
    returnToLauncher() = std::move(back);
}

bool GameWindow::ClockRunning() const {
    return timer1_->isEnabled();
}

void GameWindow::SetClockRunning(bool on) {
    timer1_->setEnabled(on);
}

bool GameWindow::inputDropped() const {
    return inRoundEnd() || playing_ || platform::InPause();
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
        break;
    default:
        return false;
    }
    // Dropped, never delivered to the next round.
    return inputDropped() && windowOf(watched) == this;
}

void GameWindow::closeOwnPopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (windowOf(popup) != this || !popup->close()) return;
    }
}

void GameWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // Minimising stops the clocks and the music; only the restore of a round that was
    // running starts the clocks again, so a paused game or a round end stays as it was, and
    // the music plays again where the game still has it on.
    if (isMinimized() && !minimised_) {
        minimised_ = true;
        if (musicWanted_) ::StopMusic();
        holdIfMinimised();
    } else if (!isMinimized() && minimised_) {
        minimised_ = false;
        if (minimiseHeld_ && state() == State::Running) {
            if (clockBeforeMinimise_) SetClockRunning(true);
            // A round end still waiting for a question keeps the round's timers until it runs.
            if (!dueRoundEnd_) HoldGameTimers(false);
        }
        minimiseHeld_ = clockBeforeMinimise_ = false;
        if (musicWanted_) ::PlayMusic();
    }
}

int GameWindow::PlayMusic() {
    musicWanted_ = true;
    // A round end goes on while the window is minimised and deals the next round, whose
    // music would play to no one.
    return minimised_ ? 0 : ::PlayMusic();
}

int GameWindow::StopMusic() {
    musicWanted_ = false;
    return ::StopMusic();
}

bool GameWindow::holdIfMinimised() {
    // A round end goes on to its end; the round that follows it waits like a running one.
    if (!minimised_ || state() != State::Running || inRoundEnd()) return false;
    if (ClockRunning()) {
        clockBeforeMinimise_ = true;
        SetClockRunning(false);
    }
    if (!minimiseHeld_) {
        minimiseHeld_ = true;
        HoldGameTimers(true);
    }
    return true;
}

bool GameWindow::requestQuit() {
    if (unloaded_) return true;
    if (quitAsking_ || playing_) return false; // one question at a time
    if (EffectOf(Command::Exit, commandState()) == CommandEffect::QuitAfterRoundEnd) {
        // Asked once the round has been scored.
        closePending_ = true;
        return false;
    }
    bool cancel = false;
    quitAsking_ = true;
    Form_Unload(cancel);
    quitAsking_ = false;
    if (cancel) {
        // A round end that waited for the answer runs now, outside the question.
        runDueRoundEnd();
        return false;
    }
    unloaded_ = true;
    close();
    return true;
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // Nothing the player answers may run inside a close: while a window is closing, Qt
    // accepts a second close request from the desktop unasked and the window is destroyed
    // with the game in it. The request is refused here and asked from the event loop, once;
    // one that comes while a modal window is open is refused as the desktop refuses it.
    event->ignore();
    if (quitQueued_ || quitAsking_ || QApplication::activeModalWidget()) return;
    quitQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            quitQueued_ = false;
            requestQuit();
        },
        Qt::QueuedConnection);
}
