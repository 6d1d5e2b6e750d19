// One five-column game in the window: Play, the Hit and pass buttons, the clock with its
// time bonus, pause, the round end with its paced messages and count-up, the next round,
// the bonus round and the game over.
#include "games/fivecolumn/frmQuintel.h"

#include "frame/BlinkingLabel.h"
#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/VbColour.h"
#include "games/fivecolumn/FiveColumnScoreTable.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr uint32_t kGreen = 0x00C000;
} // namespace

// --- the board -------------------------------------------------------------------------

void frmQuintel::ShowCards(bool visible) {
    for (int c = 0; c < 5; ++c)
        columns_[size_t(c)].setCardsVisible(visible, game_.board().column(c).count());
    nextCard_->setVisible(visible);
    pile_->setVisible(visible);
    label("lblCurrentTotal")->setVisible(visible);
    label("lblCurrentRoundScore")->setVisible(visible);
    ShowGraphics(visible);
}

void frmQuintel::ShowGraphics(bool visible) {
    for (int c = 0; c < 5; ++c) {
        lines_[size_t(c)]->setVisible(visible);
        columns_[size_t(c)].total()->setVisible(visible);
    }
    cmdPass_->setVisible(visible);
    label("lblRound")->setVisible(visible);
}

void frmQuintel::ShowHitButtons(bool visible) {
    for (QPushButton* b : hits_)
        b->setVisible(visible);
    cmdGiveUp_->setVisible(visible);
}

void frmQuintel::ShowScoringLabel(bool visible) {
    for (const char* name : {"ScoringLabel", "ScoringLabelInfo", "ScoringLabelRoundTotal"})
        label(name)->setVisible(visible);
}

void frmQuintel::HighlightScoreTable(int total) {
    const int row = ScoreRowIndex(total);
    for (size_t i = 0; i < scoreRows_.size(); ++i)
        for (QLabel* l : {scoreRows_[i].first, scoreRows_[i].second}) {
            QFont f = l->font();
            f.setBold(int(i) == row);
            l->setFont(f);
            SetForeColour(l, int(i) == row ? kVbRed : kVbBlack);
        }
}

void frmQuintel::showColumn(int c) {
    columns_[size_t(c)].show(game_.board().column(c));
    ResizeColumnHeaders();
    const bool closed = game_.board().closed(c);
    hits_[size_t(c)]->setText(closed ? "Closed" : "Hit");
    hits_[size_t(c)]->setEnabled(game_.board().canHit(c));
}

void frmQuintel::showNextCard() {
    const QString card = game_.board().nextCard();
    if (card.isEmpty())
        nextCard_->showPicture("EMPTY", false);
    else
        nextCard_->showPicture(card.trimmed(), true);
    cmdPass_->setEnabled(game_.board().canPass());
}

void frmQuintel::closeColumns() {
    for (int c = 0; c < 5; ++c)
        hits_[size_t(c)]->setEnabled(game_.board().canHit(c));
}

void frmQuintel::cmdHit_Click(int index) {
    SharedState& s = Shared();
    if (s.InputBlocked || state() != State::Running || inRoundEnd()) return;
    const FiveColumnHit hit = game_.hit(index);
    if (!hit.dealt) return;
    PlaySound("Click.wav");
    showColumn(index);
    const FiveColumnBoard& board = game_.board();
    cmdGiveUp_->setText(GiveUpCaptionText(board.caption()));
    if (hit.busted) {
        closeColumns();
        endRound();
        return;
    }
    setCurrentTotal(board.currentTotal());
    SetForeColour(label("lblCurrentTotal"), board.totalGreen() ? kGreen : kVbRed);
    showNextCard();
    // Five columns of 21 are taken at once, once the Hit has been shown.
    if (hit.complete) endRound();
}

void frmQuintel::cmdPass_Click() {
    if (Shared().InputBlocked || state() != State::Running || inRoundEnd()) return;
    if (!game_.pass()) return;
    showNextCard();
    PlaySound("Click.wav");
}

void frmQuintel::cmdGiveUp_Click() {
    if (Shared().InputBlocked || state() != State::Running || inRoundEnd()) return;
    endRound();
}

// --- starting and the round's display --------------------------------------------------

void frmQuintel::enableDeckMenu(bool on) {
    if (QMenu* deck = menu("mnuDeck")) deck->menuAction()->setEnabled(on);
}

void frmQuintel::clearBoard() {
    for (int c = 0; c < 5; ++c) {
        for (CardPicture* img : columns_[size_t(c)].cards())
            img->showPicture(QString(), false);
        columns_[size_t(c)].clear();
        hits_[size_t(c)]->setText("Hit");
    }
    // The board still holds the last round's cards; the table marks the cleared total.
    label("lblCurrentTotal")->setText("0");
    HighlightScoreTable(0);
    cmdGiveUp_->setText("&Give Up");
    ShowHitButtons(false);
    // What follows the round (the next one announced, the name entry, Game Over) shows the
    // bonus a new round starts with, and no pause until a round runs again.
    setTimeBonus(QString::number(FiveColumnOptions().TimeBonusMax));
    OfferPause(false);
}

void frmQuintel::showRound() {
    SharedState& s = Shared();
    clearBoard();
    setWindowTitle(s.GameTitle + ": Round " + QString::number(game_.round()));
    label("lblRound")->setText("Round: " + QString::number(game_.round()));
    label("lblRound")->adjustSize();
    for (int c = 0; c < 5; ++c)
        showColumn(c);
    showNextCard();
    pile_->setPixmap(CardPictureList().byKey("FULL"));
    ShowCards(true);
    ShowHitButtons(true);
    for (const char* name :
         {"lblTime", "lblTimeBonus", "lblHighScore", "lblScore", "lblTotalScore"})
        label(name)->show();
    for (const char* name : {"ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom"})
        findChild<QWidget*>(name)->show();
    frmScore_->show();
    SetForeColour(label("lblCurrentTotal"), kVbRed);
    OfferPause(true);
    Surface()->show();
    InitClock();
    ShowTimerGauge(true);
    Timer1()->setEnabled(true);
    Form_Resize();
    s.InputBlocked = false;
}

void frmQuintel::Play() {
    SharedState& s = Shared();
    s.InputBlocked = false;
    setCursor(Qt::WaitCursor);
    setStatusText(2, "Click on Hit buttons to create columns of 21!   ");
    setStatusText(1, "Make " + FormatScore(s.BonusScore) + " for bonus round.  ");
    enableDeckMenu(false);
    if (!game_.play()) {
        unsetCursor();
        failedDeal();
        return;
    }
    setTotalScore(0);
    showRound();
    unsetCursor();
}

void frmQuintel::failedDeal() {
    // The deck has said what went wrong; the window goes back to idle instead of ending.
    platform::MsgBox("Unable to deal the cards.", platform::Buttons::OK, platform::Icon::Critical,
                     Shared().GameTitle, this);
    AbandonGame();
    GameFinished(State::Idle);
}

void frmQuintel::PauseGame(bool pause) {
    if (pause) {
        label("lblRound")->hide();
        ShowCards(false);
        ShowHitButtons(false);
        setScoringText("Game Paused", kVbBlue);
        label("ScoringLabel")->show();
        findChild<QWidget*>("ScoringLabelOutline")->show();
        return;
    }
    label("ScoringLabel")->clear();
    if (!game_.gameRunning()) return;
    ShowCards(true);
    ShowHitButtons(true);
    label("ScoringLabel")->hide();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
}

void frmQuintel::Timer1_Timer() {
    const FiveColumnTick tick = game_.tick();
    if (!tick.ticked) {
        Timer1()->setEnabled(false);
        return;
    }
    DrawClock(tick.angle);
    // A tick writes the bonus with the blank a number's sign takes; the reset between rounds
    // writes the bare number.
    setTimeBonus(" " + QString::number(tick.timeBonus));
    SetCaption(label("lblTime"), "Time Bonus:");
    if (!tick.timeUp) return;
    TimeUp([this] {
        ShowCards(false);
        setScoringText("Times Up!", kVbRed);
        label("ScoringLabel")->show();
        findChild<QWidget*>("ScoringLabelOutline")->show();
        repaint();
        platform::Sleep(FiveColumnOptions().WaitPeriod);
    });
}

// --- the round end ---------------------------------------------------------------------

void frmQuintel::endRound() {
    SharedState& s = Shared();
    if (s.InputBlocked || inRoundEnd()) return;
    s.InputBlocked = true;
    RunRoundEnd([this] { TakeScore(); });
}

void frmQuintel::TakeScore() {
    // The pointer waits for the whole round end, the next round's announcement or the game's
    // end included.
    setCursor(Qt::WaitCursor);
    const std::optional<FiveColumnRoundEnd> end = game_.endRound(Shared().CountDownScore);
    if (!end) {
        unsetCursor();
        return;
    }
    if (end->scored)
        showRoundScore(*end);
    else
        showFailure(end->failure);
    clearBoard();
    platform::DoEvents();
    nextRound(*end);
    unsetCursor();
}

void frmQuintel::showFailure(const QString& text) {
    PlaySound("Busted.wav");
    if (Shared().MusicOn) StopMusic();
    ShowCards(false);
    QLabel* l = label("ScoringLabel");
    setScoringText(text, kVbRed);
    findChild<QWidget*>("ScoringLabelOutline")->show();
    l->show();
    BlinkLabel(l, 12, 150);
    l->hide();
}

void frmQuintel::placeRoundTotal() {
    QLabel* total = label("ScoringLabelRoundTotal");
    QLabel* amount = label("ScoringLabel");
    QLabel* info = label("ScoringLabelInfo");
    const QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    const int left = outline->x() + outline->width() / 2 - total->width() / 2 - amount->width() / 2;
    const int top = outline->y() + outline->height() / 2 - total->height();
    total->move(left, top);
    amount->move(left + total->width(), top);
    info->move(outline->x() + outline->width() / 2 - info->width() / 2, top + total->height());
}

void frmQuintel::showRoundScore(const FiveColumnRoundEnd& end) {
    SharedState& s = Shared();
    const int wait = FiveColumnOptions().WaitPeriod;
    if (s.MusicOn) StopMusic();
    ShowCards(false);
    QLabel* total = label("ScoringLabelRoundTotal");
    QLabel* amount = label("ScoringLabel");
    QLabel* info = label("ScoringLabelInfo");
    QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    total->setText("Round " + QString::number(end.roundPlayed) + " Total: ");
    total->adjustSize();
    amount->setText(FormatScore(end.roundScore));
    amount->adjustSize();
    auto setInfo = [&](const QString& text) {
        info->setText(text);
        info->adjustSize();
        placeRoundTotal();
    };
    setInfo("Card Total Value (" + QString::number(end.cardTotalValue) + ") X Time Bonus (" +
            QString::number(end.timeBonus) + ")");
    SetForeColour(info, kVbBlack);
    SetForeColour(amount, kVbBlack);
    ShowScoringLabel(true);
    outline->show();
    repaint();
    platform::Sleep(wait);
    if (end.awesome) {
        setInfo("Totally Awesome Score!");
        info->repaint();
        PlaySound("Applause.wav");
        platform::Sleep(wait);
        platform::Sleep(wait);
    }
    SetForeColour(amount, kVbRed);
    if (end.steps.empty()) {
        setTotalScore(s.Score);
    } else {
        for (const CountStep& step : end.steps) {
            amount->setText(FormatScore(step.shown));
            amount->repaint();
            setTotalScore(step.score);
            label("lblTotalScore")->repaint();
            if (step.tick) PlaySound("Tick.wav");
            platform::Sleep(10);
        }
        amount->setText("0");
        amount->repaint();
        platform::Sleep(50);
        SetForeColour(amount, kVbBlue);
    }
    InitClock();
    ShowScoringLabel(false);
    SetForeColour(info, kVbBlue);
}

void frmQuintel::nextRound(const FiveColumnRoundEnd& end) {
    SharedState& s = Shared();
    s.ElapsedSeconds = 0;
    if (s.MusicOn) StopMusic();
    if (end.next == FiveColumnNext::GameOver) {
        gameOver();
        return;
    }
    platform::DoEvents();
    if (s.MusicOn) PlayMusic();
    const bool bonus = end.next == FiveColumnNext::BonusRound;
    setWindowTitle(s.GameTitle + ": Round " + QString::number(end.nextRound));
    ShowCards(false);
    if (bonus) PlaySound("HighScore.wav");
    setScoringText(bonus ? QString("Prepare for Bonus Round!")
                         : "Prepare for Round " + QString::number(end.nextRound),
                   kVbBlue);
    QLabel* l = label("ScoringLabel");
    QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    l->show();
    outline->show();
    repaint();
    platform::Sleep(FiveColumnOptions().WaitPeriod);
    l->hide();
    outline->hide();
    if (!game_.startNextRound()) {
        failedDeal();
        return;
    }
    showRound();
}

void frmQuintel::gameOver() {
    SharedState& s = Shared();
    RecordHighScore();
    QLabel* l = label("ScoringLabel");
    setScoringText("Game Over", kVbRed);
    l->show();
    setCursor(Qt::WaitCursor);
    l->repaint();
    platform::Sleep(2000);
    l->hide();
    unsetCursor();
    game_.finishGame();
    GameFinished();
    toIdle();
    SetForeColour(l, kVbBlue);
    s.InputBlocked = false;
}

void frmQuintel::toIdle() {
    SharedState& s = Shared();
    setWindowTitle(s.GameTitle + ": Game Over");
    QLabel* round = label("lblRound");
    round->setText("Round: 1");
    round->hide();
    clearBoard();
    ShowCards(false);
    for (int c = 0; c < 5; ++c) {
        columns_[size_t(c)].total()->hide();
        columns_[size_t(c)].card(0)->hide();
    }
    label("ScoringLabel")->setText("Game Over");
    label("ScoringLabel")->hide();
    findChild<QWidget*>("ScoringLabelOutline")->hide();
    label("lblTimeBonus")->hide();
    enableDeckMenu(true);
    s.ElapsedSeconds = 0;
    InitClock();
    Timer1()->setEnabled(false);
    ShowTimerGauge(false);
    label("lblHighScore")->hide();
    ShowSplash(true);
    frmScore_->hide();
    setStatusText(1, "Game over!  ");
    setStatusText(2, "Click on Play to start a new game.  ");
    SetForeColour(label("lblCurrentTotal"), kVbRed);
}

void frmQuintel::AbandonGame() {
    game_.abandon();
    toIdle();
    cmdPlay()->setToolTip("Starts a new game");
}
