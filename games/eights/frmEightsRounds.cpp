// One wild-eights game in the window: the deal of each round, selecting and moving cards,
// the move timer, the round clock and its time-up, pause, giving up, the round end with its
// bonuses and announcements, and the end of the game with the high-score check.
#include "games/eights/frmEights.h"

#include "frame/BlinkingLabel.h"
#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "games/eights/EightsLayout.h"
#include "games/eights/EightsSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
// Where a failed deal asks the player to write.
const QString kSupportAddress = QStringLiteral("support@corvell.example");

void playSound(EightsSound sound) {
    PlaySound(EightsSoundFile(sound));
}
} // namespace

void frmEights::Play() {
    // The frame has set the commands of a running game and starts the music after this.
    if (!game_.newGame()) {
        failedDeal();
        return;
    }
    InitRound();
}

void frmEights::InitRound() {
    SharedState& s = Shared();
    label("lblHighScore")->show();
    label("lblCurrentGameTime")->show();
    setCaption("lblCurrentRound", game_.roundCaption());
    ShowSplash(false);
    startTimer6();
    InitClock();
    setCaption("lblTime", "Time: " + QString::number(s.TimeLimit));
    ShowTimerGauge(true);
    setCaption("lblTotalScore", FormatScore(s.Score));
    ResetBoardLabels(true);
    showSpots();
    ShowCards(true);
    setStatusText(1, EightsBonusGoalText());
    Timer1()->setEnabled(true);
}

void frmEights::failedDeal() {
    // No round is left half started: the message, then the idle window.
    FailPlay("Unable to create deck and deal cards. Please report this error to " + kSupportAddress,
             platform::Buttons::OK);
}

void frmEights::AbandonGame() {
    game_.abandon();
    Timer1()->setEnabled(false);
    timer6_->setEnabled(false);
    progress_->setValue(EightsMoveTimer::kMinimum);
    ShowTimerGauge(false);
    label("lblHighScore")->hide();
    label("lblMessage")->hide();
    ShowCards(false);
    ResetBoardLabels(false);
    GameFinished(State::Idle); // the frame's commands: Play offered, Pause off
    ShowSplash(true);
}

void frmEights::PauseGame(bool pause) {
    // The frame has paused the game's rules and switched the round clock, the captions,
    // "Game Paused" and the music.
    if (pause) {
        timer6_->setEnabled(false);
        ShowCards(false);
        // The marks belong to spots that are hidden now.
        x1_->hide();
        x2_->hide();
        label("lblWild")->hide();
        progress_->hide();
        label("lblCurrentGameTime")->hide();
        CenterMessage();
        return;
    }
    startTimer6();
    ShowCards(true);
    showSpots();
    progress_->show();
    label("lblCurrentGameTime")->show();
}

void frmEights::imgPlayCard_Click(int spot) {
    const EightsSelect r = game_.clickLower(spot);
    if (!r.handled) return;
    for (int i = 1; i <= kLowerSpots; ++i)
        FieldSelectionRectangle(i)->setVisible(game_.selected() == i);
    FieldSelectionRectangle(spot)->raise();
    startTimer6();
    playSound(r.sound);
}

void frmEights::imgUpperCard_Click(int spot) {
    const EightsMove m = game_.clickUpper(spot);
    if (!m.handled) return;
    if (m.lower == 0) {
        playSound(EightsSound::Refuse);
        return;
    }
    CardPicture* target = imgUpperCard(spot);
    if (m.check == MoveCheck::Illegal) {
        for (CrossLine* x : {x1_, x2_}) {
            x->setGeometry(target->geometry());
            x->show();
            x->raise();
        }
        timer5_->setEnabled(true);
        playSound(EightsSound::Refuse);
        FieldSelectionRectangle(m.lower)->hide();
        return;
    }
    playSound(m.sounds.front());
    if (m.check == MoveCheck::WildEight) {
        QLabel* wild = label("lblWild");
        ApplyCaptionRule(wild);
        MoveTw(wild, CentredOver(TwLeft(target), TwWidth(target), TwWidth(wild)),
               CentredOver(TwTop(target), TwHeight(target), TwHeight(wild)));
        wild->show();
        wild->raise();
        timer7_->setEnabled(true);
    }
    setCaption("lblTotalScore", FormatScore(Shared().Score));
    progress_->setValue(game_.moveTimer().bar());
    startTimer6();
    showSpots();
    if (!m.roundOver()) return;
    RunRoundEnd([this, m] {
        timer6_->setEnabled(false);
        if (m.noLegalMoves())
            platform::MsgBox("There are no legal moves left.", platform::Buttons::OK,
                             platform::Icon::Exclamation, Shared().GameTitle, this);
        playSound(m.sounds.back());
        EndRound(m.left == LegalMoves::BoardCleared);
    });
}

void frmEights::Timer5_Timer() {
    x1_->hide();
    x2_->hide();
    timer5_->setEnabled(false);
}

void frmEights::Timer6_Timer() {
    if (!game_.moveTimerTick()) {
        timer6_->setEnabled(false);
        return;
    }
    progress_->setValue(game_.moveTimer().bar());
    QLabel* shown = label("lblCurrentGameTime");
    shown->setText(game_.moveTimer().label());
    shown->adjustSize();
}

void frmEights::Timer7_Timer() {
    label("lblWild")->hide();
    timer7_->setEnabled(false);
}

void frmEights::Timer1_Timer() {
    const EightsTick t = game_.tick();
    if (!t.ticked) return;
    DrawClock(t.degrees);
    setCaption("lblTime", "Time: " + QString::number(t.secondsLeft));
    if (!t.status.isEmpty() && !t.timeUp) setStatusText(2, t.status);
    if (!t.timeUp) return;
    QLabel* message = label("lblMessage");
    TimeUp([this] { timeUp(); },
           [this, message] {
               if (state() != State::GameOver) message->hide();
           });
}

void frmEights::TakeScore() {
    EndRound(false);
    Shared().InputBlocked = false; // the round end is over: the next round takes clicks
}

void frmEights::timeUp() {
    Timer1()->setEnabled(false);
    timer6_->setEnabled(false);
    ShowCards(false);
    label("lblCurrentGameTime")->hide();
    progress_->hide();
    QLabel* message = label("lblMessage");
    setCaption("lblMessage", "Times Up!");
    message->show();
    setStatusText(2, "Time has expired!");
    BlinkLabel(message, 10);
}

void frmEights::announce(const QString& text) {
    QLabel* message = label("lblMessage");
    setCaption("lblMessage", text);
    CenterMessage();
    message->show();
    message->repaint();
    BlinkLabel(message, 11);
    message->hide();
}

void frmEights::EndRound(bool deckCompleted) {
    SharedState& s = Shared();
    if (s.MusicOn) StopMusic();
    const std::optional<EightsRoundEnd> end = game_.endRound(deckCompleted);
    if (!end) return;
    ResetBoardLabels(false);
    ShowCards(false);
    ShowTimerGauge(false);
    if (end->round < 3) InitClock();
    // Round 2's bonuses are paid also to a player who missed the bonus round, whose score
    // was tested before them.
    if (end->secondsLeft > 0) CountTimeBonus(s.TimeBonus);
    if (end->deckCompleted) CountBonus(1, end->deckBonus, "Deck Completion Bonus");
    for (int i = 1; i <= kUpperSpots; ++i)
        setCaption(QString("lbl100(%1)").arg(i), QString::number(SpotBaseValue(i)));

    switch (end->next) {
    case EightsNext::RoundTwo:
    case EightsNext::BonusRound: {
        const bool bonus = end->next == EightsNext::BonusRound;
        PlaySound(bonus ? "Applause.wav" : "HighScore.wav");
        announce(bonus ? "Prepare for Bonus Round!" : "Prepare for Round Two!");
        if (!game_.startRound()) {
            failedDeal();
            return;
        }
        if (s.MusicOn) PlayMusic();
        InitRound();
        return;
    }
    case EightsNext::GameOver:
        EndOfGame();
        return;
    }
}

void frmEights::EndOfGame() {
    SharedState& s = Shared();
    RecordHighScore();
    label("lblHighScore")->hide();
    game_.finishGame();
    GameFinished();
    setCursor(Qt::WaitCursor);
    QLabel* message = label("lblMessage");
    setCaption("lblMessage", "Game Over");
    CenterMessage();
    SetForeColour(message, kVbRed);
    message->show();
    repaint();
    platform::Sleep(2000);
    setStatusText(1, "Game over!  ");
    setStatusText(2, "Click on Play to start a new game.  ");
    s.GameInProgress = false;
    unsetCursor();
    message->hide();
    ShowSplash(true);
}
