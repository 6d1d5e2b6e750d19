// The board as the player sees it: card clicks, the pictures of the field, pile and up card,
// the groups of controls shown and hidden together, and the pointer over playable cards.
#include "games/elevens/frmElevens.h"

#include "frame/CardPictures.h"
#include "games/elevens/ElevensSettings.h"
#include "platform/GameTimer.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace {
QString face(const QString& code) {
    return code.trimmed();
}
} // namespace

void frmElevens::FieldCardPicture_Click(int index) {
    applyClick(game_.clickField(index));
}

void frmElevens::UpCardPicture_Click() {
    applyClick(game_.clickUpCard());
}

void frmElevens::PlayCardPicture_Click() {
    applyClick(game_.clickPile());
}

void frmElevens::playSounds(const std::vector<ElevensSound>& sounds) {
    for (ElevensSound sound : sounds)
        PlaySound(ElevensSoundFile(sound));
}

void frmElevens::applyClick(const ElevensClick& click) {
    playSounds(click.sounds);
    if (game_.state() != ElevensState::Running) return; // refused: nothing changed
    showBoard();
    setClock(game_.clockRunning()); // enhanced scoring: the first combination starts it
    if (click.fieldCleared) cmdTakeScore_Click();
}

void frmElevens::setClock(bool on) {
    Timer1()->setEnabled(on);
}

void frmElevens::SetClockRunning(bool on) {
    game_.setClockRunning(on);
    setClock(game_.clockRunning());
}

void frmElevens::showBoard() {
    const ElevensField& field = game_.field();
    for (int i = 0; i < kFieldPlaces; ++i) {
        CardPicture* picture = FieldCardPicture(i);
        if (field.present(i)) {
            picture->showPicture(face(field.card(i)), true);
            picture->show();
        } else {
            picture->hide();
        }
        FieldSelectionRectangle(i)->setVisible(field.selected(i));
    }
    const QString up = game_.upCard();
    if (up.isEmpty())
        upPicture_->showPicture("EMPTY", false);
    else
        upPicture_->showPicture(face(up), true);
    upPicture_->show();
    upFrame_->setVisible(game_.upCardSelected());
    RefreshPlayCard();
    QLabel* count = label("lblCardCount");
    count->setText("Cards: " + QString::number(game_.pileCount()));
    count->adjustSize();
    setValueText("lblCurrentTotal", QString::number(game_.runningTotal()));
    setScoreText(Shared().Score);
    setValueText("lblCurrentElevens", QString::number(game_.combinationCount()));
    if (Shared().EnhancedScoring) upPicture_->setToolTip(PointsTip(game_.upCardPoints()));
    updatePointers();
}

void frmElevens::showDeal(bool newGame) {
    SharedState& s = Shared();
    upFrame_->hide();
    pilePicture_->hide();
    setMessage(QString());
    label("lblMessage")->hide();
    for (int i = 0; i < kFieldPlaces; ++i) {
        FieldCardPicture(i)->hide();
        FieldSelectionRectangle(i)->hide();
    }
    setStatusText(1, BonusRoundStatusText());
    setStatusText(2, GoalStatusText(s.CardGoal));
    CardTotalVisible(true);
    label("lblCardCount")->show();
    showBoard(); // field, up card, pile, counts and total
    pilePicture_->show();
    setValueText("lblTime", "Time: " + QString::number(s.TimeLimit));
    label("lblTime")->show();
    setClock(game_.clockRunning()); // classic scoring: the clock runs from the deal
    if (newGame) setScoreText(s.Score);
    for (const char* name :
         {"ScoreRectangle", "lblCurrentScore", "RoundBevelSide", "RoundBevelBottom", "lblScore",
          "ScoreBevelBottom", "ScoreBevelSide", "lblElevens", "ElevensRectangle",
          "lblCurrentElevens", "RoundRectangle", "lblRound", "ElevensBevelBottom",
          "ElevensBevelSide"})
        findChild<QWidget*>(name)->show();
    setValueText("lblCurrentRound", QString::number(game_.round()));
    label("lblCurrentRound")->show();
    InitClock();
    ShowTimerRect(true);
}

void frmElevens::updatePointers() {
    const bool over = state() == State::GameOver;
    for (int i = 0; i < kFieldPlaces; ++i)
        FieldCardPicture_MouseMove(i);
    upPicture_->setPointer(!over && upPicture_->pictureKey() != "EMPTY");
    pilePicture_->setPointer(!over && pilePicture_->pictureKey() != "EMPTY");
}

void frmElevens::FieldCardPicture_MouseMove(int index) {
    const bool over = state() == State::GameOver;
    FieldCardPicture(index)->setPointer(!over && game_.field().exposed(index));
}

void frmElevens::UpCardPicture_MouseMove() {
    const bool over = state() == State::GameOver;
    upPicture_->setPointer(!over && upPicture_->pictureKey() != "EMPTY");
}

void frmElevens::PlayCardPicture_MouseMove() {
    const bool over = state() == State::GameOver;
    pilePicture_->setPointer(!over && pilePicture_->pictureKey() != "EMPTY");
}

void frmElevens::RefreshPlayCard() {
    pilePicture_->showPicture(PilePictureKey(game_.pileCount()), false);
}

void frmElevens::RefreshFieldCards() {
    for (CardPicture* picture : fieldPictures_)
        if (picture->isVisibleTo(this)) picture->showPicture("BACK", false);
}

void frmElevens::FieldCardDisplay(bool visible) {
    for (CardPicture* picture : fieldPictures_)
        picture->setVisible(visible);
    repaint();
}

void frmElevens::SelRectangle(bool visible) {
    for (SelectionFrame* frame : fieldFrames_)
        frame->setVisible(visible);
    upFrame_->setVisible(visible);
    repaint();
}

void frmElevens::ShowLowerCards(bool visible) {
    pilePicture_->setVisible(visible);
    upPicture_->setVisible(visible);
    label("lblCardCount")->setVisible(visible);
}

void frmElevens::CardTotalVisible(bool visible) {
    for (const char* name : {"CardTotalRectangle", "CardTotalBevelBottom", "CardTotalBevelSide",
                             "lblCurrentTotal", "lblTotal"})
        findChild<QWidget*>(name)->setVisible(visible);
}

void frmElevens::DisableCommandButtons(bool disable) {
    for (const char* name : {"cmdPause", "cmdPlay", "cmdExit", "cmdTakeScore"})
        if (QPushButton* b = button(name)) b->setEnabled(!disable);
    for (const char* name : {"mnuPause", "mnuPlay", "mnuExit", "mnuTakeScore"})
        if (QAction* a = action(name)) a->setEnabled(!disable);
}

void frmElevens::SetCardValues(bool enhanced) {
    for (int i = 0; i < kFieldPlaces; ++i)
        FieldCardPicture(i)->setToolTip(PointsTip(PlacePoints(i, enhanced)));
    upPicture_->setToolTip(enhanced ? "0 points" : "100 points");
}
