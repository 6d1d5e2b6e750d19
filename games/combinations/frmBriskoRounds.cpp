// One twenty-one combinations game in the window: Play, the Hit and Pass buttons with their
// busts, 21s and gimmes, the round clock, the '21 Counter' and its blink, pause, the tally,
// the next round, the bonus round and the game over.
#include "games/combinations/frmBrisko.h"

#include "frame/BlinkingLabel.h"
#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "games/combinations/CombinationsSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>

void frmBrisko::setValue(const char* name, const QString& text) {
    SetCaption(findChild<QLabel*>(name), text);
}

void frmBrisko::setTotalScore(int32_t score) {
    QLabel* l = label("lblTotalScore");
    SetCaption(l, FormatScore(score));
    SetForeColour(l, score < 0 ? kVbRed : kVbBlue);
}

void frmBrisko::showColumn(int c) {
    columns_[size_t(c)].show(game_.board().column(c));
}

void frmBrisko::showDeck() {
    const CombinationsBoard& b = game_.board();
    const QString card = b.currentCard();
    if (card.isEmpty())
        nextCard_->showPicture("EMPTY", false);
    else
        nextCard_->showPicture(card.trimmed(), true);
    pile_->showPicture(b.pileKey(), false);
    setValue("lblCardsUsedCount", QString::number(b.cardsUsed()));
    setValue("lbl21s", QString::number(b.twentyOnes()));
    setValue("lblBonus", QString::number(b.bonus()));
    cmdPass_->setEnabled(b.canPass());
}

void frmBrisko::RefreshPlayCard() {
    if (game_.gameRunning()) pile_->showPicture(game_.board().pileKey(), false);
}

void frmBrisko::syncCounter() {
    const TwentyOneCounter& c = game_.counter();
    bar_->setValue(c.value());
    const bool run = c.running() && state() == State::Running && !timersHeld_;
    if (run != timer3_->isEnabled()) timer3_->setEnabled(run);
    const bool blink = c.blinking() && !timersHeld_;
    if (blink != timer5_->isEnabled()) timer5_->setEnabled(blink);
    if (!c.blinking()) SetForeColour(label("lblTwentyoneTime"), kVbBlue);
}

void frmBrisko::HoldGameTimers(bool hold) {
    timersHeld_ = hold;
    if (hold) {
        timer3_->setEnabled(false);
        timer5_->setEnabled(false);
        return;
    }
    syncCounter();
}

void frmBrisko::enableBoard(bool on) {
    for (QPushButton* b : hits_)
        b->setEnabled(on);
    cmdPass_->setEnabled(on && game_.board().canPass());
}

void frmBrisko::enableCommands(bool on) {
    // Play (End game) and Exit go with the board: neither is offered while a round is
    // tallied.
    cmdPlay()->setEnabled(on);
    quitButton()->setEnabled(on);
    for (const char* name : {"mnuPlay", "mnuExit"})
        if (QAction* a = item(name)) a->setEnabled(on);
    enableBoard(on);
    cmdTakeScore()->setEnabled(on);
}

void frmBrisko::cmdHit_Click(int index) {
    SharedState& s = Shared();
    if (s.InputBlocked || state() != State::Running || inRoundEnd()) return;
    const CombinationsHit hit = game_.hit(index);
    switch (hit.move) {
    case CombinationsMove::Refused:
        return;
    case CombinationsMove::Bust: {
        QLabel* bust = label("lblBust");
        bust->show();
        bust->repaint();
        PlaySound("Slide.wav");
        setTotalScore(s.Score);
        platform::Sleep(450);
        bust->hide();
        return;
    }
    case CombinationsMove::TwentyOne:
        columns_[size_t(index)].total()->setText("21");
        PlaySound("TwentyOne.wav");
        break;
    case CombinationsMove::Gimme: {
        // The five cards go, the total reads 0 and the counter is back at its start while
        // the notice shows; the empty place comes back after it.
        TwentyOneColumnView& column = columns_[size_t(index)];
        column.hideCards();
        column.total()->setText("0");
        QLabel* gimme = label("lblFiveCards");
        centreOver(gimme, column.card(0));
        gimme->show();
        gimme->repaint();
        // A gimme with the deck's last card pays its own bonus now; the deck's waits for its
        // applause, as after any other last card.
        setTotalScore(hit.scoreBeforeCompletion);
        syncCounter();
        // Drawn at once, as the notice is, not left to whatever the pause paints.
        bar_->repaint();
        label("lblTwentyoneTime")->repaint();
        PlaySound("Click.wav");
        platform::Sleep(450);
        gimme->hide();
        break;
    }
    case CombinationsMove::Placed:
        PlaySound("Click.wav");
        break;
    }
    showColumn(index);
    showDeck();
    syncCounter();
    if (!hit.deckComplete) return;
    // The whole deck is used: its bonus, then the tally.
    for (TwentyOneColumnView& column : columns_)
        column.hideCards();
    PlaySound("Applause.wav");
    ShowScoringMessage("Awesome score!", false);
    platform::Sleep(1000);
    setTotalScore(s.Score);
    for (QPushButton* b : hits_)
        b->setEnabled(false);
    cmdTakeScore_Click();
}

void frmBrisko::cmdPass_Click() {
    if (Shared().InputBlocked || state() != State::Running || inRoundEnd()) return;
    if (!game_.pass()) return;
    PlaySound("Click.wav");
    showDeck();
}

void frmBrisko::ShowScoringMessage(const QString& text, bool keep) {
    QLabel* message = label("ScoringLabelInfo");
    QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    SetCaption(message, text);
    outline->show();
    message->show();
    outline->repaint();
    message->repaint();
    if (!keep) {
        setCursor(Qt::WaitCursor);
        if (game_.gameRunning()) platform::Sleep(CombinationsOptions().WaitPeriod);
        unsetCursor();
    }
    outline->setVisible(keep);
    message->setVisible(keep);
}

void frmBrisko::ShowCards(bool visible) {
    for (int c = 0; c < 4; ++c)
        columns_[size_t(c)].setCardsVisible(visible, game_.board().column(c).count());
    nextCard_->setVisible(visible);
    pile_->setVisible(visible);
}

void frmBrisko::ShowPlayControls(bool visible) {
    for (TwentyOneColumnView& column : columns_)
        column.total()->setVisible(visible);
    for (QFrame* l : lines_)
        l->setVisible(visible);
    for (QPushButton* b : hits_)
        b->setVisible(visible);
    for (const char* name : {"lblCardsUsed", "lblCardsUsedCount", "lblRound", "lblHighScore"})
        label(name)->setVisible(visible);
    cmdTakeScore()->setVisible(visible);
    info_->setVisible(visible);
    pile_->setVisible(visible);
    nextCard_->setVisible(visible);
    cmdPass_->setVisible(visible);
    Surface()->setVisible(visible);
    for (const char* name : {"lblScore", "lblTotalScore"})
        label(name)->show();
    for (const char* name : {"ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom"})
        findChild<QWidget*>(name)->show();
}

void frmBrisko::Play() {
    SharedState& s = Shared();
    s.InputBlocked = false;
    setCursor(Qt::WaitCursor);
    if (!game_.play()) {
        unsetCursor();
        failedDeal();
        return;
    }
    setValue("lblRound", "Round: 1");
    setTotalScore(0);
    cmdPlay()->setText("&End game");
    if (QAction* a = item("mnuPlay")) a->setText("&End game");
    setStatusText(2, "Create columns of 21 to increase bonus score!");
    setStatusText(1, "Make " + FormatScore(s.BonusRoundScore) + " for bonus round.");
    for (int c = 0; c < 4; ++c)
        showColumn(c);
    showDeck();
    ShowPlayControls(true);
    ShowCards(true);
    enableCommands(true);
    SetCaption(label("lblTime"), "Time: " + QString::number(s.TimeLimit));
    InitClock();
    ShowTimerGauge(true);
    Timer1()->setEnabled(true);
    syncCounter();
    Form_Resize();
    unsetCursor();
}

void frmBrisko::failedDeal() {
    platform::MsgBox("Unable to create the deck.", platform::Buttons::OK, platform::Icon::Critical,
                     Shared().GameTitle, this);
    gameOver(false);
}

void frmBrisko::PauseGame(bool pause) {
    // Play, Exit and Take Score are the frame's: its pause takes them and its resume gives
    // back what it took.
    if (pause) {
        enableBoard(false);
        ShowCards(false);
        ShowPlayControls(false);
        ShowScoringMessage("Game Paused", true);
    } else {
        ShowCards(true);
        ShowPlayControls(true);
        enableBoard(true);
        SetCaption(label("ScoringLabelInfo"), QString());
        label("ScoringLabelInfo")->hide();
        findChild<QWidget*>("ScoringLabelOutline")->hide();
    }
    cmdPause()->setToolTip(pause ? "Resumes the current game" : "Pauses the game in progress");
    syncCounter();
}

void frmBrisko::Timer1_Timer() {
    const CombinationsTick tick = game_.tick();
    if (!tick.ticked) {
        Timer1()->setEnabled(false);
        return;
    }
    DrawClock(tick.angle);
    SetCaption(label("lblTime"), "Time: " + QString::number(tick.secondsLeft));
    if (!tick.status.isEmpty()) setStatusText(2, tick.status);
    if (!tick.timeUp) return;
    TimeUp(
        [this] {
            Timer1()->setEnabled(false);
            syncCounter();
            for (TwentyOneColumnView& column : columns_)
                column.hideCards();
            ShowScoringMessage("Times Up!", true);
            setStatusText(2, "Time has expired!");
            SetCaption(label("lblTime"), "Time:");
            BlinkLabel(label("ScoringLabelInfo"), 10, 250);
        },
        [this] {
            if (state() != State::GameOver) label("ScoringLabelInfo")->hide();
        });
}

void frmBrisko::Timer3_Timer() {
    const CounterTick t = game_.counterTick();
    if (!t.ticked) {
        syncCounter();
        return;
    }
    bar_->setValue(game_.counter().value());
    if (t.blinkStarted) timer5_->setEnabled(true);
    if (!t.ranOut) return;
    timer5_->setEnabled(false);
    QLabel* time = label("lblTwentyoneTime");
    SetForeColour(time, kVbBlue);
    QLabel* bonus = label("lblBonus");
    setValue("lblBonus", QString::number(game_.board().bonus()));
    SetForeColour(bonus, kVbRed);
    bonus->repaint();
    platform::Sleep(250);
    SetForeColour(bonus, kVbBlue);
}

void frmBrisko::Timer5_Timer() {
    QLabel* time = label("lblTwentyoneTime");
    SetForeColour(time, ForeColour(time) == VbColour(kVbRed) ? kVbBlack : kVbRed);
}

// --- the tally and what follows ---------------------------------------------------------

void frmBrisko::TakeScore() {
    SharedState& s = Shared();
    setCursor(Qt::WaitCursor);
    // The round's clocks stop first: nothing may tick into the tally or the next round.
    for (platform::GameTimer* t : {Timer1(), timer3_, timer5_})
        t->setEnabled(false);
    const std::optional<CombinationsRoundEnd> end = game_.takeScore(s.CountDownScore);
    if (!end) {
        unsetCursor();
        return;
    }
    bar_->hide();
    label("lblTwentyoneTime")->hide();
    enableCommands(false);
    cmdPause()->setEnabled(false);
    if (QAction* a = item("mnuPause")) a->setEnabled(false);
    if (s.MusicOn) StopMusic();
    tally(*end);
    SetCaption(label("lblTime"), "Time: " + QString::number(s.TimeLimit));
    InitClock();
    ShowTimerGauge(true);
    bar_->show();
    label("lblTwentyoneTime")->show();
    setValue("lblRound", "Round: " + QString::number(end->nextRound));
    nextRound(*end);
    if (s.MusicOn && game_.gameRunning()) PlayMusic();
    unsetCursor();
}

void frmBrisko::tally(const CombinationsRoundEnd& end) {
    const CombinationsTally& t = end.tally;
    QLabel* used = label("lblCardsUsed");
    QLabel* count = label("lblCardsUsedCount");
    SetForeColour(used, kVbRed);
    SetForeColour(count, kVbRed);
    if (!t.countUp) {
        setTotalScore(t.scoreAfterCards);
        setValue("lblCardsUsedCount", "0");
        platform::Sleep(500);
    } else {
        for (const TallyStep& step : t.cardSteps) {
            platform::Sleep(75);
            setTotalScore(step.score);
            PlaySound("CountScore.wav");
            setValue("lblCardsUsedCount", QString::number(step.counter));
            label("lblTotalScore")->repaint();
        }
    }
    SetForeColour(used, kVbBlue);
    SetForeColour(count, kVbBlue);
    if (t.twentyOnesShown) {
        const char* names[] = {"lbl21Bonus", "lblTwentyOnes", "lbl21s", "lblBonus"};
        for (const char* name : names)
            SetForeColour(findChild<QLabel*>(name), kVbRed);
        setValue("lblRoundScore", t.line);
        setValue("lblRoundScoreCount", QString::number(t.twentyOnesAmount));
        for (const char* name : {"lblRoundScore", "lblRoundScoreCount"}) {
            findChild<QLabel*>(name)->show();
            findChild<QLabel*>(name)->repaint();
        }
        platform::Sleep(750);
        if (!t.countUp) {
            setTotalScore(t.score);
            platform::Sleep(500);
        }
        for (const TallyStep& step : t.twentyOneSteps) {
            platform::Sleep(75);
            setTotalScore(step.score);
            setValue("lblRoundScoreCount", QString::number(step.counter));
            PlaySound("CountScore.wav");
            label("lblTotalScore")->repaint();
        }
        for (const char* name : names)
            SetForeColour(findChild<QLabel*>(name), kVbBlue);
        for (const char* name : {"lblRoundScore", "lblRoundScoreCount"})
            findChild<QLabel*>(name)->hide();
    }
    setTotalScore(t.score);
    setValue("lbl21s", "0");
    setValue("lblBonus", "0");
}

void frmBrisko::nextRound(const CombinationsRoundEnd& end) {
    SharedState& s = Shared();
    platform::DoEvents();
    if (s.MusicOn) StopMusic();
    for (TwentyOneColumnView& column : columns_)
        column.clear();
    bar_->setValue(0);
    // A counter stopped while blinking shows its caption blue again before the message.
    SetForeColour(label("lblTwentyoneTime"), kVbBlue);
    setStatusText(2, "Create columns of 21 to increase bonus score!   ");
    if (end.next == CombinationsNext::GameOver) {
        gameOver(true);
        return;
    }
    if (s.MusicOn) PlayMusic();
    // The deck is whole again before the message, though the new round deals after it.
    pile_->showPicture(QStringLiteral("FULL"), false);
    const bool bonus = end.next == CombinationsNext::BonusRound;
    if (bonus) PlaySound("HighScore.wav");
    ShowScoringMessage(bonus ? QString("Prepare for Bonus Round")
                             : "Prepare for Round " + QString::number(end.nextRound),
                       false);
    if (!game_.startNextRound()) {
        failedDeal();
        return;
    }
    for (int c = 0; c < 4; ++c)
        showColumn(c);
    showDeck();
    ShowCards(true);
    Timer1()->setEnabled(true);
    platform::DoEvents();
    enableCommands(true);
    cmdPause()->setEnabled(true);
    if (QAction* a = item("mnuPause")) a->setEnabled(true);
    syncCounter();
    s.InputBlocked = false;
}

void frmBrisko::gameOver(bool record) {
    SharedState& s = Shared();
    for (platform::GameTimer* t : {Timer1(), timer3_, timer5_})
        t->setEnabled(false);
    if (record) {
        RecordHighScore();
        QLabel* message = label("ScoringLabelInfo");
        SetForeColour(message, kVbRed);
        setCursor(Qt::WaitCursor);
        ShowScoringMessage("Game Over", true);
        platform::Sleep(2000);
        message->hide();
        findChild<QWidget*>("ScoringLabelOutline")->hide();
        unsetCursor();
        ShowTimerGauge(false);
        game_.finishGame();
    } else {
        game_.abandon();
    }
    setValue("lblRound", "Game Over");
    GameFinished();
    // Shown and hidden at once, as no game runs now: a paused message never carries the
    // "Game Over" over the splash and into the next game.
    ShowScoringMessage("Game Over", false);
    info_->hide();
    ShowSplash(true);
    InitClock();
    ShowPlayControls(false);
    ShowCards(false);
    ShowTimerGauge(false);
    SetCaption(label("lblTime"), "Time:");
    s.ElapsedSeconds = 0;
    setStatusText(1, "Click on Play to start a new game  ");
    setStatusText(2, "Game Over ");
    SetForeColour(label("ScoringLabelInfo"), kVbRed);
    s.InputBlocked = false;
}

void frmBrisko::AbandonGame() {
    gameOver(false);
}
