// One phrase game in the window: Play, the round start, the end of a round with its paced
// bonuses, round two, the bonus round, the end of the game, the round clock with its time-up
// reveal, pause and resume, and the abandoned game.
#include "games/phrase/frmPhrase.h"

#include "frame/BlinkingLabel.h"
#include "frame/RoundClock.h"
#include "frame/VbColour.h"
#include "games/phrase/PhraseSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"
#include "services/TextFile.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

namespace {
const QString kDiscover = QStringLiteral("Discover the phrase by selecting available letters  ");
} // namespace

void frmPhrase::setIdleMenus(bool idle) {
    for (QMenu* m : {menu("mnuTime"), topicMenu_})
        if (m) m->menuAction()->setEnabled(idle);
    if (QAction* a = action("mnuCustom")) a->setEnabled(idle);
}

void frmPhrase::Play() {
    setCursor(Qt::WaitCursor);
    game_.newGame();
    setScoreText();
    ShowSplash(false);
    if (!InitRound(false)) backToIdle();
    unsetCursor();
}

void frmPhrase::showNotices(const std::vector<PhraseNotice>& notices) {
    for (const PhraseNotice& n : notices) {
        if (n.kind == PhraseNotice::MissingFile)
            platform::MsgBox(n.text, platform::Buttons::OK, platform::Icon::Critical,
                             platform::kDefaultTitle, this);
        else if (n.kind == PhraseNotice::ReadError)
            ReportFileProblem(n.text, this);
        else
            platform::MsgBox(n.text, platform::Buttons::OK, platform::Icon::Exclamation,
                             Shared().GameTitle, this);
    }
}

bool frmPhrase::InitRound(bool bonusPicks) {
    SharedState& s = Shared();
    label("lblLetterValue")->setText("Next Letter is worth:");
    InitClock();
    const RoundStart start = game_.initRound(Phrases(), bonusPicks);
    showNotices(start.notices);
    if (!start.started) return false;
    if (const TopicInfo* t = FindTopic(start.topic)) board_->setTitle(t->caption);
    showBoard();
    showFaces();
    if (bonusPicks) {
        showPickPrompt();
        guessFrame_->hide();
        solve_->setEnabled(false);
        setStatusText(1, "Bonus Round!   ");
    } else {
        setStatusText(1, "Make " + FormatScore(s.BonusRoundScore) + " for Bonus Round!   ");
    }
    setStatusText(2, kDiscover);
    showLetterValue();
    s.InputBlocked = false;
    cmdPlay()->setToolTip("Ends the current game");
    setTimeText("Time: " + QString::number(s.TimeLimit));
    setRoundText();
    setIdleMenus(false);
    board_->show();
    setPlayControlsEnabled(true);
    if (bonusPicks) {
        // The round clock waits for the sixth pick; the letter bar runs from the start.
        setSolveEnabled(false);
        ShowControls(true, true, false, false);
        showLetters();
        return true;
    }
    setSolveEnabled(true);
    label("lblMessage")->hide();
    ShowControls(true, true);
    game_.round().setVowelsEnabled(false);
    showLetters();
    game_.round().resetBar();
    bar_->setValue(0);
    Timer1()->setEnabled(true);
    barHeld_ = false;
    timer5_->setEnabled(true);
    if (s.MusicOn && s.Round > 1) PlayMusic();
    return true;
}

void frmPhrase::backToIdle() {
    // No round could be set up: the window offers Play again, as after an abandoned game.
    AbandonGame();
    GameFinished(State::Idle);
}

void frmPhrase::AbandonGame() {
    SharedState& s = Shared();
    setStatusText(1, "Welcome to " + s.GameTitle); // no blanks after it, unlike at load
    setIdleMenus(true);
    cmdPlay()->setToolTip("Starts a new game");
    label("lblMessage")->hide();
    ShowControls(false, true);
    setSolveEnabled(false);
    Timer1()->setEnabled(false);
    timer5_->setEnabled(false);
    ShowSplash(true);
}

void frmPhrase::PauseGame(bool pause) {
    SharedState& s = Shared();
    if (pause) {
        timer5_->setEnabled(false);
        setSolveEnabled(false);
        SetForeColour(label("lblMessage"), kVbRed);
        ShowControls(false, true, false, true);
        return;
    }
    setSolveEnabled(s.Round < 3 && !game_.round().solveMode());
    barHeld_ = false;
    timer5_->setEnabled(true);
    ShowControls(true, true, true, true);
    if (game_.round().collectingPicks()) guessFrame_->hide();
    if (!game_.round().vowelsOpen() && s.Round < 3) {
        game_.round().setVowelsEnabled(false);
        showLetters();
    }
}

void frmPhrase::revealAfterLoss() {
    timer5_->setEnabled(false);
    game_.round().reveal();
    showBoard();
    repaint();
    PlaySound("Slide.wav");
    platform::Sleep(PhraseOptions().ShowPhraseTime);
}

void frmPhrase::handleEnding(RoundEnding ending) {
    if (ending == RoundEnding::None) return;
    FinishRound([this, ending] {
        if (ending == RoundEnding::Lost) {
            revealAfterLoss();
            return;
        }
        timer5_->setEnabled(false);
        showBoard();
        repaint();
        PlaySound("Applause.wav");
        platform::Sleep(2000);
    });
}

void frmPhrase::FinishRound(const std::function<void()>& leadIn) {
    SharedState& s = Shared();
    if (s.InputBlocked || inRoundEnd()) return;
    s.InputBlocked = true;
    RunRoundEnd([this, leadIn] {
        leadIn();
        TakeScore();
    });
}

bool frmPhrase::clockShouldRun() const {
    const PhraseRound& r = game_.round();
    // Solve It stops the clock of rounds 1 and 2; the bonus round's runs from the sixth pick.
    return Shared().Round < 3 ? !r.solveMode() : !r.collectingPicks();
}

void frmPhrase::Timer1_Timer() {
    if (!acceptsPlay()) return;
    if (!clockShouldRun()) {
        // A resume after a question restarts the clock; a stopped round clock stays stopped.
        Timer1()->setEnabled(false);
        return;
    }
    const RoundSecond second = AdvanceRoundSecond();
    DrawClock(second.angle);
    setTimeText("Time: " + QString::number(second.secondsLeft));
    if (!second.warning.isEmpty()) setStatusText(2, second.warning);
    if (!second.timeUp) return;
    TimeUp(
        [this] {
            Timer1()->setEnabled(false);
            revealAfterLoss();
            ShowControls(false, true);
            setMessage("Times Up!");
            label("lblMessage")->show();
            setStatusText(2, "Time has expired!");
            BlinkLabel(label("lblMessage"), 10);
        },
        [this] {
            if (state() != State::GameOver) label("lblMessage")->hide();
        });
}

void frmPhrase::payFaces(const PhraseRoundEnd& end) {
    SharedState& s = Shared();
    QLabel* score = label("lblCurrentScore");
    SetForeColour(score, kVbCyan);
    for (int i = end.facesPaid - 1; i >= 0; --i) {
        if (i < kMaxFaces) game_.round().blankFace(i);
        showFaces();
        s.Score = AddScore(s.Score, end.guessBonus);
        setScoreText();
        score->repaint();
        PlaySound("Snap.wav");
        platform::Sleep(400);
    }
    SetForeColour(score, kVbBlue);
}

void frmPhrase::TakeScore() {
    SharedState& s = Shared();
    s.InputBlocked = true;
    setPlayControlsEnabled(false);
    setSolveEnabled(false);
    Timer1()->setEnabled(false);
    timer5_->setEnabled(false);
    setCursor(Qt::WaitCursor);
    if (s.MusicOn) StopMusic();
    const PhraseRoundEnd end = game_.endRound();
    SetForeColour(label("lblMessage"), kVbRed);
    if (end.lost) {
        ShowControls(false, true);
    } else {
        payFaces(end);
        ShowControls(false, true);
        if (end.completionBonus > 0) CountBonus(1, end.completionBonus, "Phrase Completion Bonus");
        if (end.secondsLeft > 0) CountTimeBonus(s.TimeBonus);
    }
    switch (game_.next()) {
    case PhraseNext::RoundTwo:
        roundTwo();
        break;
    case PhraseNext::BonusRound:
        bonusRound();
        break;
    case PhraseNext::GameOver:
        gameOver();
        break;
    }
    label("lblScoring")->hide();
    unsetCursor();
}

void frmPhrase::roundTwo() {
    QLabel* message = label("lblMessage");
    SetForeColour(message, kVbRed);
    setMessage("Prepare for Round Two!");
    message->show();
    BlinkLabel(message, 11);
    message->hide();
    if (!InitRound(false)) {
        gameOver();
        return;
    }
    message->hide();
}

void frmPhrase::bonusRound() {
    QLabel* message = label("lblMessage");
    setMessage("Prepare for Bonus Round!");
    PlaySound("Applause.wav");
    message->show();
    BlinkLabel(message, 11);
    message->hide();
    setStatusText(1, "Bonus Round!   ");
    setStatusText(2, kDiscover);
    if (!InitRound(true)) {
        gameOver();
        return;
    }
    timer5_->setEnabled(true);
}

void frmPhrase::gameOver() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    timer5_->setEnabled(false);
    EndGame();
    setStatusText(1, "Welcome to " + s.GameTitle); // no blanks after it, unlike at load
    QLabel* message = label("lblMessage");
    SetForeColour(message, kVbRed);
    cmdPlay()->setToolTip("Starts a new game");
    setSolveEnabled(false);
    setIdleMenus(true);
    setMessage("Game Over");
    message->show();
    repaint();
    platform::Sleep(2000);
    message->hide();
    ShowSplash(true);
    unsetCursor();
}
