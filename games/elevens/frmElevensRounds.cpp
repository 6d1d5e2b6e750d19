// One elevens game in the window: Play, the round clock, pause and resume, the round end
// with its paced bonuses, round two, the bonus round, the end of the game and Replay.
#include "games/elevens/frmElevens.h"

#include "frame/BlinkingLabel.h"
#include "frame/CardPictures.h"
#include "frame/VbColour.h"
#include "games/elevens/ElevensSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
const QString kReplay = QStringLiteral("&Replay");
const QString kTakeScore = QStringLiteral("&Take Score");

// The last game's decks, which Save Last Game and Replay need.
bool lastGameDealt() {
    const QStringList& deck = LastElevensGame().Round1Deck;
    return deck.size() > 1 && !deck[1].trimmed().isEmpty();
}

void enableItem(QAction* a, bool on) {
    if (a) a->setEnabled(on);
}
} // namespace

void frmElevens::Play() {
    SharedState& s = Shared();
    SetCardValues(s.EnhancedScoring);
    const bool ok = DealNewGame();
    if (ok) showDeal(true);
    ShowTimerGauge(true);
    label("lblHighScore")->show();
    cmdTakeScore()->setText(kTakeScore);
    cmdTakeScore()->setToolTip("Ends current round and awards time bonus");
    cmdTakeScore()->setEnabled(true);
    if (QAction* a = action("mnuTakeScore")) {
        a->setText(kTakeScore);
        a->setEnabled(true);
    }
    // No game's decks can be saved while a new one is being played.
    enableItem(action("mnuSave"), false);
    enableItem(action("mnuOpen"), false);
    enableItem(action("mnuViewHiScore"), true);
    if (QMenu* deck = menu("mnuDeck")) deck->menuAction()->setEnabled(true);
    if (QMenu* time = menu("mnuTime")) time->menuAction()->setEnabled(false);
    if (goalMenu_) goalMenu_->menuAction()->setEnabled(false);
    enableItem(action("mnuScoring"), false);
    if (ok) return;
    if (!game_.error().isEmpty()) platform::MsgBox(game_.error());
    // The window stays open and offers Play again, as after an abandoned game.
    FailPlay("Unknown Error! Unable to play " + s.GameTitle, platform::Buttons::OKCancel);
}

void frmElevens::AbandonGame() {
    SharedState& s = Shared();
    game_.abandon();
    LastElevensGame().ReplayMode = false;
    FieldCardDisplay(false);
    ShowLowerCards(false);
    ShowTimerGauge(false);
    ShowRoundGauge(false);
    ShowGauge("Elevens", false);
    label("lblHighScore")->hide();
    Timer1()->setEnabled(false);
    Timer2()->setEnabled(false);
    s.ElapsedSeconds = 0;
    setValueText("lblTime", "Time:");
    Surface()->canvas().fill(Surface()->backColour());
    Surface()->update();
    for (const char* name : {"CardTotalRectangle", "CardTotalBevelSide", "CardTotalBevelBottom",
                             "lblCurrentTotal", "lblTotal"})
        findChild<QWidget*>(name)->hide();
    SelRectangle(false);
    setScoreText(s.Score);
    setValueText("lblCurrentRound", "1");
    setValueText("lblCurrentElevens", "0");
    GameFinished(); // the frame's commands: Play offered, Pause and Take Score off
    offerReplay("Replays the last game");
    ShowSplash(true);
}

void frmElevens::offerReplay(const QString& tip) {
    const bool dealt = lastGameDealt();
    cmdTakeScore()->setText(kReplay);
    if (!tip.isEmpty()) cmdTakeScore()->setToolTip(tip);
    cmdTakeScore()->setEnabled(dealt);
    if (QAction* a = action("mnuTakeScore")) {
        a->setText(kReplay);
        a->setEnabled(dealt);
    }
    if (QMenu* time = menu("mnuTime")) time->menuAction()->setEnabled(true);
    if (goalMenu_) goalMenu_->menuAction()->setEnabled(true);
    enableItem(action("mnuScoring"), true);
    enableItem(action("mnuSave"), dealt);
    enableItem(action("mnuOpen"), true);
}

void frmElevens::TakeScoreWhileIdle() {
    if (!lastGameDealt()) return; // nothing to replay
    LastElevensGame().ReplayMode = true;
    cmdPlay_Click();
}

void frmElevens::PauseGame(bool pause) {
    if (pause) {
        RefreshFieldCards();
        CardTotalVisible(false);
        ShowLowerCards(false);
        SelRectangle(false);
        // The frame has written "Game Paused"; it stands by the pile.
        messageSpot_ = MessageSpot::AtPile;
        placeMessage();
        return;
    }
    messageSpot_ = MessageSpot::UnderField; // the frame has emptied it
    const ElevensField& field = game_.field();
    for (int i = 0; i < kFieldPlaces; ++i)
        if (FieldCardPicture(i)->isVisibleTo(this))
            FieldCardPicture(i)->showPicture(field.card(i).trimmed(), true);
    if (gameRunning()) {
        CardTotalVisible(true);
        setValueText("lblCurrentTotal", "0");
        ShowLowerCards(true);
    }
    updatePointers();
}

void frmElevens::Timer1_Timer() {
    const ElevensTick tick = game_.tick();
    if (!tick.ticked) {
        setClock(false);
        return;
    }
    DrawClock(tick.angle);
    setValueText("lblTime", "Time: " + QString::number(tick.secondsLeft));
    if (!tick.status.isEmpty() && !tick.timeUp) setStatusText(2, tick.status);
    if (!tick.timeUp) return;

    TimeUp(
        [this, tick] {
            setClock(false);
            ShowLowerCards(false);
            SelRectangle(false);
            DisableCommandButtons(true);
            setMessage("Times Up!", MessageSpot::AtPile);
            label("lblMessage")->show();
            setStatusText(2, tick.status);
            blinkMessage(10);
        },
        [this] {
            SelRectangle(false);
            if (state() != State::GameOver) label("lblMessage")->hide();
        });
}

void frmElevens::blinkMessage(int times) {
    BlinkLabel(label("lblMessage"), times);
}

void frmElevens::TakeScore() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    if (s.MusicOn) StopMusic();
    DisableCommandButtons(true);
    SelRectangle(false);
    FieldCardDisplay(false);
    CardTotalVisible(false);
    ShowLowerCards(false);

    const std::optional<ElevensRoundEnd> end = game_.takeScore(ElevensOptions().DrawTimer);
    if (end) {
        // The combination count goes back to blue once its own bonus is paid, with or
        // without one, before the card and speed bonuses are counted up.
        bool countDone = false;
        auto finishCount = [&] {
            if (!countDone) SetForeColour(label("lblCurrentElevens"), kVbBlue);
            countDone = true;
        };
        for (const RoundBonus& bonus : end->bonuses) {
            if (bonus.kind == BonusKind::Cards || bonus.kind == BonusKind::Speed) finishCount();
            showBonus(bonus);
            if (bonus.kind == BonusKind::Combinations) finishCount();
        }
        finishCount();
    }
    platform::DoEvents();
    s.InputBlocked = false;
    if (end) nextRound(end->outcome);

    s.ElapsedSeconds = 0;
    SetForeColour(label("lblCurrentScore"), kVbBlue);
    SetForeColour(label("lblMessage"), kVbRed);
    SelRectangle(false);
    CardTotalVisible(true);
    unsetCursor();
}

void frmElevens::showBonus(const RoundBonus& bonus) {
    QLabel* message = label("lblMessage");
    QLabel* score = label("lblCurrentScore");
    QLabel* elevens = label("lblCurrentElevens");
    if (bonus.kind == BonusKind::Completion) PlaySound("Wingame.wav");
    if (!bonus.shown) return;

    setMessage(bonus.message);
    message->show();
    message->repaint();
    SetForeColour(score, kVbCyan);
    if (bonus.kind == BonusKind::Combinations) SetForeColour(elevens, kVbCyan);
    platform::Sleep(1000);

    if (!bonus.steps.empty()) {
        for (const BonusStep& step : bonus.steps) {
            if (bonus.kind == BonusKind::Speed) {
                DrawClock(ClockDegrees(Shared().TimeLimit, step.counter));
                Shared().GaugeElapsed = step.counter;
            }
            setScoreText(step.score);
            score->repaint();
            if (bonus.kind == BonusKind::Combinations)
                setValueText("lblCurrentElevens", QString::number(step.counter));
            setMessage(step.message);
            PlaySound("Snap.wav");
            platform::Sleep(75);
        }
        setMessage(QString());
        platform::Sleep(500);
    } else {
        const bool redWhileAdding =
            bonus.kind == BonusKind::Cards || bonus.kind == BonusKind::Speed;
        if (redWhileAdding) SetForeColour(message, kVbRed);
        if (bonus.kind == BonusKind::Speed) DrawClock(0);
        setScoreText(bonus.scoreAfter);
        score->repaint();
        if (bonus.kind == BonusKind::Combinations) setValueText("lblCurrentElevens", "0");
        if (redWhileAdding) SetForeColour(message, kVbBlack);
    }
    platform::Sleep(1000);
}

void frmElevens::nextRound(RoundOutcome outcome) {
    SharedState& s = Shared();
    QLabel* message = label("lblMessage");
    switch (outcome) {
    case RoundOutcome::NextRound:
    case RoundOutcome::BonusRound: {
        const bool bonusRound = outcome == RoundOutcome::BonusRound;
        if (bonusRound) PlaySound("HighScore.wav");
        setMessage(bonusRound ? "Bonus Round!" : "Prepare for Round Two!");
        message->show();
        blinkMessage(11);
        message->hide();
        setValueText("lblCurrentRound", bonusRound ? "3" : "2");
        if (!game_.startNextRound()) {
            // The game ends without a high score.
            if (!game_.error().isEmpty()) platform::MsgBox(game_.error());
            AbandonGame();
            return;
        }
        showDeal(false);
        message->hide();
        DisableCommandButtons(false);
        if (bonusRound) {
            setValueText("lblCurrentRound", "Bonus");
            if (s.MusicOn) PlayMusic();
        }
        FieldCardDisplay(true);
        return;
    }
    case RoundOutcome::GameOverAfterRound2:
        gameOver(false);
        return;
    case RoundOutcome::GameOverAfterBonus:
        gameOver(true);
        return;
    }
}

void frmElevens::gameOver(bool afterBonus) {
    SharedState& s = Shared();
    for (int i = 0; i < kFieldPlaces; ++i) {
        FieldCardPicture(i)->hide();
        FieldSelectionRectangle(i)->hide();
    }
    game_.finishGame();
    GameFinished();
    ShowLowerCards(false);
    setStatusText(2, "Game over");
    setValueText("lblCurrentTotal", "0");
    RecordHighScore();
    if (afterBonus) {
        // The gauges stay: the player sees how the bonus round went. Play is offered before
        // "Game Over" shows.
        GivePlayBack();
        offerReplay("Replays the last game");
        s.ElapsedSeconds = s.TimeLimit;
        DrawClock(0);
        showGameOverMessage();
        ShowSplash(true);
    } else {
        showGameOverMessage();
        ShowSplash(true);
        offerReplay("Replays the last game");
        ShowTimerGauge(false);
        ShowRoundGauge(false);
        ShowGauge("Elevens", false);
        label("lblHighScore")->hide();
        s.ElapsedSeconds = s.TimeLimit;
        DrawClock(0);
    }
    updatePointers();
}

void frmElevens::showGameOverMessage() {
    QLabel* message = label("lblMessage");
    setMessage("Game Over", MessageSpot::UnderFieldThenPile);
    SetForeColour(message, kVbRed);
    setCursor(Qt::WaitCursor);
    message->show();
    message->repaint();
    platform::Sleep(2000);
    message->hide();
    unsetCursor();
}
