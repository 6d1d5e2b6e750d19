// One trips-and-runs game in the window: Play, the deal of each round, pause and resume, the
// round clock with "Times Up!", the round end with the deck bonus, the left-over cards and
// the time bonus, the next round, the bonus round and the end of the game.
#include "games/trips/frmTrip.h"

#include "frame/BlinkingLabel.h"
#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "games/trips/TripsSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QLabel>

void frmTrip::setClock(bool on) {
    Timer1()->setEnabled(on);
    Timer2()->setEnabled(on || Timer2()->isEnabled());
}

void frmTrip::dealShown() {
    SharedState& s = Shared();
    showBoard();
    ShowControls(true, true);
    ShowCards(true);
    setCount("lblScoreTrips", 0);
    setCount("lblScoreRuns", 0);
    updateHeadings();
    setScoreText(s.Score);
    SetCaption(label("lblRound"), "Round: " + QString::number(game_.round()));
    SetCaption(label("lblTime"), "Time: " + QString::number(s.TimeLimit));
    label("lblTimeBonus")->setText(QString::number(s.TimeLimit));
    setStatusText(1, TripsBonusRoundStatus());
    setStatusText(2, "Create runs and triples by moving available cards!   ");
    InitClock();
    setClock(true);
    Form_Resize();
}

void frmTrip::Play() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    s.InputBlocked = false;
    if (!game_.play()) {
        platform::MsgBox(game_.error(), platform::Buttons::OK, platform::Icon::Critical,
                         s.GameTitle, this);
        AbandonGame();
        GameFinished(State::Idle);
        unsetCursor();
        return;
    }
    ShowTimerGauge(true);
    dealShown();
    unsetCursor();
}

void frmTrip::AbandonGame() {
    game_.abandon();
    ShowCards(false);
    ShowControls(false, false);
    InitClock();
    Timer1()->setEnabled(false);
    ShowTimerGauge(false);
    label("lblScoring")->hide();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
    ShowSplash(true);
}

void frmTrip::PauseGame(bool pause) {
    QLabel* scoring = label("lblScoring");
    if (pause) {
        label("lblRound")->hide();
        ShowCards(false);
        ShowControls(false, false);
        SetForeColour(scoring, kVbBlue);
        CenterScoringLabel();
        return;
    }
    label("lblRound")->show();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
    scoring->hide();
    if (game_.gameRunning()) {
        ShowCards(true);
        ShowControls(true, true);
    }
}

void frmTrip::Timer1_Timer() {
    const TripsTick tick = game_.tick();
    if (!tick.ticked) {
        setClock(false);
        return;
    }
    DrawClock(tick.angle);
    SetCaption(label("lblTime"), "Time: " + QString::number(tick.secondsLeft));
    if (!tick.status.isEmpty()) setStatusText(2, tick.status);
    if (!tick.timeUp) return;

    // "Times Up!" belongs to the round end: clicks and a close request wait for all of it.
    TimeUp(
        [this] {
            setCursor(Qt::WaitCursor);
            Timer1()->setEnabled(false);
            for (CardPicture* p : up_)
                p->hide();
            upFrame_->hide();
            label("CardStackPicture")->hide();
            label("lblCardCount")->hide();
            QLabel* scoring = label("lblScoring");
            SetCaption(scoring, "Times Up!");
            placeOverUpRow(scoring);
            repaint();
            setStatusText(2, "Time has expired!");
            PlaySound("Slide.wav");
            BlinkLabel(scoring, 10, 250);
        },
        [this] {
            if (state() != State::GameOver) label("lblMessage")->hide();
            unsetCursor();
        });
}

void frmTrip::TakeScore() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    QLabel* scoring = label("lblScoring");
    QLabel* message = label("lblMessage");
    SetForeColour(scoring, kVbBlue);
    if (s.MusicOn) StopMusic();
    ShowControls(false, false);

    const std::optional<TripsTally> tally = game_.endRound();
    if (tally && tally->deckCompleted) {
        for (CardPicture* p : up_)
            p->hide();
        label("CardStackPicture")->hide();
        SetCaption(scoring, "Deck Completion Bonus!");
        SetCaption(message, FormatScore(tally->deckBonus) + "!");
        setScoreText(tally->scoreAfterDeckBonus);
        PlaySound("Applause.wav");
        placeOverUpRow(scoring);
        MoveTw(message, (TwWidth(this) - TwWidth(message)) / 2.0,
               TwTop(scoring) + TwHeight(scoring) + 100);
        message->show();
        message->raise();
        repaint();
        platform::Sleep(2000);
        scoring->hide();
        message->hide();
        removeLeftOvers(*tally);
    }

    ShowCards(false);
    SetCaption(message, "Speed Bonus!");
    const QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    MoveTw(message, TwLeft(message),
           TwTop(outline) + (TwHeight(outline) - TwHeight(message)) / 2.0);
    CenterScoringLabel();
    if (tally && tally->secondsLeft > 0) CountTimeBonus(s.TimeBonus);
    message->hide();

    if (tally) {
        const TripsOutcome outcome = game_.outcome();
        outcome == TripsOutcome::GameOver ? gameOver() : nextRound(outcome);
    }
    unsetCursor();
}

void frmTrip::removeLeftOvers(const TripsTally& tally) {
    if (tally.leftOver.empty()) return;
    QLabel* scoring = label("lblScoring");
    QLabel* message = label("lblMessage");
    const QString penalty = "-" + QString::number(tally.penalty);
    SetCaption(scoring, "Removing left over cards");
    SetCaption(message, penalty);
    placeOverUpRow(scoring);
    MoveTw(message, (TwWidth(this) - TwWidth(message)) / 2.0,
           TwTop(scoring) + TwHeight(scoring) + 100);
    message->show();
    repaint();
    platform::Sleep(1000);

    // The flush notice marks each card as its penalty is taken.
    // Above the cards the marker needs no back of its own.
    QLabel* marker = label("lblFlush");
    marker->setAutoFillBackground(false);
    QFont f = marker->font();
    f.setPointSize(10);
    marker->setFont(f);
    SetCaption(marker, penalty);
    for (const LeftOverCard& card : tally.leftOver) {
        CardPicture* place = card.storage ? TempCard(card.place) : PlayCard(card.place);
        QWidget* frame = card.storage ? static_cast<QWidget*>(TempCardSelection(card.place))
                                      : PlayCardSelection(card.place);
        const QWidget* row =
            card.storage ? static_cast<QWidget*>(TempCardSelection(0)) : PlayCardSelection(0);
        frame->show();
        frame->raise();
        setScoreText(card.scoreAfter);
        MoveTw(marker, TwLeft(place) + TwWidth(place) / 2.0 - TwWidth(marker) / 2.0,
               TwTop(row) - 250);
        marker->show();
        marker->raise();
        PlaySound("Click.wav");
        repaint();
        platform::Sleep(500);
        frame->hide();
        if (card.storage || card.place < kTripsColumns)
            place->showPicture("EMPTY", false);
        else
            place->hide();
    }
    f.setPointSize(8);
    marker->setFont(f);
    SetCaption(marker, "Flush!");
    marker->setAutoFillBackground(true);
    marker->hide();
    message->hide();
}

void frmTrip::showHeadline(const QString& text, uint32_t colour) {
    QLabel* scoring = label("lblScoring");
    SetForeColour(scoring, colour);
    SetCaption(scoring, text);
    CenterScoringLabel();
}

void frmTrip::nextRound(TripsOutcome outcome) {
    SharedState& s = Shared();
    showHeadline(outcome == TripsOutcome::BonusRound
                     ? QStringLiteral("Prepare For Bonus Round")
                     : "Prepare For Round " + QString::number(game_.round() + 1),
                 kVbRed);
    platform::Sleep(2000);
    platform::DoEvents();
    if (!game_.startNextRound()) {
        platform::MsgBox(game_.error(), platform::Buttons::OK, platform::Icon::Critical,
                         s.GameTitle, this);
        gameOver();
        return;
    }
    s.InputBlocked = false;
    label("lblScoring")->hide();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
    dealShown();
    if (s.MusicOn) PlayMusic();
}

void frmTrip::gameOver() {
    SharedState& s = Shared();
    game_.finishGame();
    EndGame();
    s.GameInProgress = false;
    ShowCards(false);
    ShowControls(false, false);
    InitClock();
    showHeadline("Game Over", kVbBlue);
    platform::Sleep(1000);
    label("lblScoring")->hide();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
    ShowSplash(true);
    repaint();
    // The next Play is not held back by the round end that finished this game.
    s.InputBlocked = false;
}
