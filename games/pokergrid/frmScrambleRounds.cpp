// One poker grid game in the window: Play, the round clock, pause and resume, the round end
// with its count-up, the announcements between rounds, the bonus round and the game over.
#include "games/pokergrid/frmScramble.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/VbColour.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "platform/Faces.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "platform/Twips.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QFrame>
#include <QLabel>

namespace {
void showWidget(QWidget* w, bool on) {
    if (w) w->setVisible(on);
}

void setFontSize(QLabel* l, const QString& family, double points) {
    QFont f = l->font();
    f.setFamily(platform::Face(family));
    f.setPointSizeF(points);
    l->setFont(f);
}
} // namespace

void frmScramble::Play() {
    SharedState& s = Shared();
    setRoundText(PokerRoundCaption(1));
    const bool ok = game_.play();
    setScoreText(0);
    setPointsText(0);
    setStatusText(2, PokerGridPlayStatusText());
    setStatusText(1, PokerGridBonusStatusText());
    setOverWritesText(PokerGridOptions().OverWrites);
    setTimeBonusText(s.TimeLimit);
    if (!ok) {
        platform::MsgBox(game_.error(), platform::Buttons::OK, platform::Icon::Critical,
                         s.GameTitle, this);
        backToIdle();
        return;
    }
    marked_.fill(false);
    Reset(false);
    showDeal();
    ShowControls(true, true);
    ShowCards(true);
    startRoundClock();
}

void frmScramble::startRoundClock() {
    InitClock();
    Timer1()->setEnabled(true);
    Timer2()->setEnabled(true);
    for (const char* name : {"TimerRectangle", "TimerBevelSide", "TimerBevelBottom"})
        showWidget(findChild<QWidget*>(name), true);
}

void frmScramble::backToIdle() {
    // A game that could not start leaves no clock running on an empty grid.
    GameFinished(State::Idle);
    AbandonGame();
}

void frmScramble::AbandonGame() {
    game_.abandon();
    ShowCards(false);
    ShowControls(false, false);
    Reset(true);
    InitClock();
    Timer1()->setEnabled(false);
    for (const char* name : {"TimerRectangle", "TimerBevelSide", "TimerBevelBottom"})
        showWidget(findChild<QWidget*>(name), false);
    label("ScoringLabel")->hide();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
}

void frmScramble::PauseGame(bool pause) {
    QLabel* big = label("ScoringLabel");
    QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    if (pause) {
        label("lblRound")->hide();
        ShowCards(false);
        ShowControls(false, true);
        SetForeColour(big, kVbBlue);
        CenterScoringLabel();
        big->show();
        outline->show();
        return;
    }
    label("lblRound")->show();
    outline->hide();
    big->clear();
    big->hide();
    if (gameRunning()) {
        ShowCards(true);
        ShowControls(true, true);
    }
}

void frmScramble::ShowControls(bool playing, bool clockShown) {
    for (const char* name : {"lblPointsEarned", "lblRound", "lblCards", "lblOverWrites"})
        showWidget(label(name), playing);
    for (int i = 1; i <= 5; ++i) {
        lblRow(i)->setVisible(playing);
        lblCol(i)->setVisible(playing);
    }
    for (const char* name : {"lblTimeBonus", "lblTime", "lblHighScore"})
        showWidget(label(name), clockShown);
    showWidget(Surface(), clockShown);
    for (const char* name : {"TimerRectangle", "TimerBevelSide", "TimerBevelBottom",
                             "ScoreRectangle", "ScoreBevelBottom", "ScoreBevelSide"})
        showWidget(findChild<QWidget*>(name), clockShown || QString(name).startsWith("Score"));
    showWidget(label("lblCurrentScore"), true);
    showWidget(label("lblScore"), true);
}

void frmScramble::Timer1_Timer() {
    const PokerGridTick tick = game_.tick();
    if (!tick.ticked) {
        Timer1()->setEnabled(false);
        return;
    }
    DrawClock(tick.angle);
    setTimeBonusText(tick.secondsLeft);
    SetCaption(label("lblTime"), "Time:");
    if (!tick.timeUp) return;
    TimeUp([this] { label("ScoringLabel")->setText("Times Up!"); });
}

void frmScramble::TakeScore() {
    NextRound(true);
}

void frmScramble::blinkScoringLabel(int times) {
    QLabel* big = label("ScoringLabel");
    for (int i = 0; i < times; ++i) {
        SetForeColour(big, ForeColour(big) == VbColour(kVbRed) ? kVbBlack : kVbRed);
        big->repaint();
        platform::Sleep(250);
    }
}

void frmScramble::NextRound(bool timeUp) {
    SharedState& s = Shared();
    QLabel* big = label("ScoringLabel");
    QLabel* message = label("lblMessage");
    QLabel* amount = label("lblScoring");
    QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    setCursor(Qt::WaitCursor);
    const std::optional<PokerRoundEnd> end = game_.endRound(timeUp);
    if (!end) {
        unsetCursor();
        return;
    }
    if (s.MusicOn) StopMusic();
    ShowCards(false);
    ShowControls(false, true);
    SetForeColour(big, kVbRed);
    Timer1()->setEnabled(false);
    CenterScoringLabel();

    if (end->timeUp) {
        big->setText("Times Up!");
        CenterScoringLabel();
        big->show();
        outline->show();
        repaint();
        PlaySound("Slide.wav");
        platform::Sleep(2000);
    } else if (end->secondsLeft > 0) {
        setFontSize(big, "Arial", 20);
        big->setText(end->pointsText);
        message->setText("Round Points X Seconds Remaining");
        CenterScoringLabel();
        amount->move(amount->x(), big->y() + big->height() + Tw(50));
        big->show();
        outline->show();
        message->show();
        CountTimeBonus(s.TimeBonus);
        message->hide();
    }
    setFontSize(big, kDesignSans, 18);

    const PokerRoundOutcome outcome = game_.outcome();
    if (outcome == PokerRoundOutcome::GameOver) {
        big->setText("Game Over");
        game_.finishGame();
        EndGame();
        repaint();
        ShowControls(false, false);
        CenterScoringLabel();
        big->show();
        big->repaint();
        platform::Sleep(2000);
        outline->hide();
        big->hide();
        Reset(true);
        unsetCursor();
        return;
    }

    big->show();
    outline->show();
    if (outcome == PokerRoundOutcome::BonusRound) {
        setRoundText(PokerRoundCaption(4));
        big->setText(PokerRoundAnnouncement(4));
        PlaySound("HighScore.wav");
    } else {
        setRoundText(PokerRoundCaption(s.Round));
        big->setText(PokerRoundAnnouncement(s.Round));
    }
    CenterScoringLabel();
    blinkScoringLabel(10);

    marked_.fill(false);
    Reset(false);
    s.ElapsedSeconds = 0;
    outline->hide();
    big->hide();
    if (!game_.startNextRound()) {
        platform::MsgBox(game_.error(), platform::Buttons::OK, platform::Icon::Critical,
                         s.GameTitle, this);
        backToIdle();
        unsetCursor();
        return;
    }
    showDeal();
    ShowCards(true);
    ShowControls(true, true);
    setTimeBonusText(s.TimeLimit);
    setOverWritesText(PokerGridOptions().OverWrites);
    startRoundClock();
    setPointsText(0);
    if (s.MusicOn) PlayMusic();
    unsetCursor();
}
