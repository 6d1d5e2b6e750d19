// Play, Pause, Take Score and Exit, and the quit confirmation.
#include "app/SharedState.h"
#include "frame/GameWindow.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/ProgramTime.h"
#include "services/Sound.h"

#include <QAction>
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
    takeScoreCommand(true);
}
void GameWindow::mnuTakeScore_Click() {
    takeScoreCommand(false);
}
void GameWindow::cmdExit_Click() {
    if (!gated(GateQuitButton)) close();
}
void GameWindow::mnuExit_Click() {
    if (!gated(GateQuitMenu)) close();
}

void GameWindow::playCommand(bool fromMenu) {
    if (!gameRunning()) {
        startNewGame(fromMenu);
        return;
    }
    if (inRoundEnd()) return;
    const bool pausedHere = pauseForQuestion();
    const QString question = fromMenu ? profile_.playMenuQuestion : profile_.playQuestion;
    if (platform::MsgBox(question, platform::Buttons::YesNo, platform::Icon::Question,
                         Shared().GameTitle, this) == platform::Answer::Yes)
        abandonGame();
    else
        resumeAfterQuestion(pausedHere);
}

void GameWindow::startNewGame(bool fromMenu) {
    SharedState& s = Shared();
    s.GameAbandoned = false; // an abandon belongs to the game it ended
    ShowSplash(false);
    state_ = State::Running;
    s.GameInProgress = true;
    cmdPlay_->setText(kEndGameCaption);
    cmdPlay_->setToolTip("Ends the game in progress");
    if (QAction* a = item("mnuPlay")) a->setText(kEndGameCaption);
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

    Play();

    if (state_ == State::Running && s.MusicOn && (!fromMenu || profile_.playMenuStartsMusic))
        PlayMusic();
}

void GameWindow::abandonGame() {
    AbandonGame();
    if (gameRunning()) resetCommands(State::Idle);
    if (Shared().MusicOn) StopMusic();
}

void GameWindow::GameFinished() {
    resetCommands(State::GameOver);
}

void GameWindow::resetCommands(State to) {
    SharedState& s = Shared();
    timer1_->setEnabled(false);
    s.GameInProgress = false;
    state_ = to;
    cmdPlay_->setText(kPlayCaption);
    cmdPlay_->setToolTip("Starts a new game");
    cmdPlay_->setEnabled(true);
    if (QAction* a = item("mnuPlay")) {
        a->setText(kPlayCaption);
        a->setEnabled(true);
    }
    enable(quitButton_, true);
    enable(item("mnuExit"), true);
    enable(item(profile_.custom.name), true);
    if (QMenu* m = menu(profile_.timeMenu)) m->menuAction()->setEnabled(true);
    enable(item("mnuClearHighRun"), true);
    cmdPause_->setText(profile_.pauseCaption);
    cmdPause_->setToolTip(profile_.pauseTip);
    cmdPause_->setEnabled(false);
    if (QAction* a = item("mnuPause")) {
        a->setText(kPauseItemCaption);
        a->setEnabled(false);
    }
    enable(cmdTakeScore_, false);
    enable(item("mnuTakeScore"), false);
    if (QLabel* l = label(profile_.stateLabel); l && l->text() == kGamePaused) {
        l->clear();
        l->hide();
    }
}

void GameWindow::pauseCommand(unsigned gate) {
    if (gated(gate) || inRoundEnd()) return;
    if (state_ == State::Running)
        setPaused(true);
    else if (state_ == State::Paused)
        setPaused(false);
}

void GameWindow::setPaused(bool pause) {
    SharedState& s = Shared();
    state_ = pause ? State::Paused : State::Running;
    if (pause) timer1_->setEnabled(false);
    cmdPause_->setText(pause ? kResumeCaption : QString(profile_.pauseCaption));
    cmdPause_->setToolTip(pause ? QString("Resumes the current game") : profile_.pauseTip);
    if (QAction* a = item("mnuPause")) a->setText(pause ? kResumeCaption : kPauseItemCaption);
    for (QWidget* w : {static_cast<QWidget*>(cmdPlay_), static_cast<QWidget*>(quitButton_),
                       static_cast<QWidget*>(cmdTakeScore_)})
        enable(w, !pause);
    for (const char* name : {"mnuPlay", "mnuExit", "mnuTakeScore"})
        enable(item(name), !pause);
    if (QLabel* l = label(profile_.stateLabel)) {
        l->setText(pause ? kGamePaused : QString());
        l->setVisible(pause);
    }
    PauseGame(pause);
    if (!pause) timer1_->setEnabled(true);
    if (s.MusicOn) pause ? StopMusic() : PlayMusic();
}

bool GameWindow::pauseForQuestion() {
    if (state_ != State::Running || inRoundEnd()) return false;
    setPaused(true);
    return true;
}

void GameWindow::resumeAfterQuestion(bool pausedHere) {
    if (pausedHere && state_ == State::Paused) setPaused(false);
}

void GameWindow::takeScoreCommand(bool fromButton) {
    SharedState& s = Shared();
    if (!gameRunning()) {
        TakeScoreWhileIdle();
        return;
    }
    if (state_ != State::Running || inRoundEnd() || s.InputBlocked) return;
    s.InputBlocked = true;
    RunRoundEnd([this] { TakeScore(); });
    if (fromButton && profile_.takeScoreButtonRestartsMusic && state_ == State::Running &&
        s.MusicOn)
        PlayMusic();
}

void GameWindow::RunRoundEnd(const std::function<void()>& scoring) {
    ++roundEndDepth_;
    if (state_ == State::Running || state_ == State::Paused) state_ = State::RoundEnd;
    timer1_->setEnabled(false);
    timer2_->setEnabled(false);
    scoring();
    --roundEndDepth_;
    if (state_ == State::RoundEnd) state_ = State::Running;
    if (roundEndDepth_ == 0 && closePending_) {
        closePending_ = false;
        close();
    }
}

QString GameWindow::quitQuestion() const {
    if (gameRunning()) return "You have a game in progress. Are you sure you want to quit now?";
    if (platform::MinutesBetween(Shared().WindowLoadTime, platform::ProgramTime::now()) < 5)
        return "Giving up so soon?";
    return "Are you sure you want to quit now? Were just getting started!";
}

void GameWindow::Form_Unload(bool& cancel) {
    if (inRoundEnd()) {
        // Asked again once the round has been scored.
        closePending_ = true;
        cancel = true;
        return;
    }
    const bool pausedHere = profile_.quit == QuitStyle::Pausing && pauseForQuestion();
    if (platform::MsgBox(quitQuestion(), platform::Buttons::YesNo, platform::Icon::Question,
                         Shared().GameTitle, this) != platform::Answer::Yes) {
        resumeAfterQuestion(pausedHere);
        cancel = true;
        return;
    }
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

void GameWindow::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    unloaded_ = true;
    event->accept();
}
