// The board in the window: showing the deal, clicks on field cards, the stock and the up
// card, the run labels, hiding and showing the cards, and the card-back repaint.
#include "games/towers/frmCrestal.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "games/towers/TowersSettings.h"
#include "platform/MessageBox.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QLabel>

void frmCrestal::playSounds(const std::vector<TowersSound>& sounds) {
    for (TowersSound s : sounds)
        PlaySound(TowersSoundFile(s));
}

void frmCrestal::showFieldCard(int index) {
    CardPicture* p = UpCardImage(index);
    const TowersField& f = game_.field();
    if (f.taken(index)) {
        p->showPicture(QString(), false);
        p->hide();
        return;
    }
    if (f.faceUp(index))
        p->showPicture(f.card(index), true);
    else
        p->showPicture("BACK", false);
}

void frmCrestal::showDeal() {
    for (int i = 0; i < kTowersFieldCards; ++i)
        showFieldCard(i);
    upPicture_->showPicture(game_.upCard(), true);
    RefreshPlayCard();
    showCards(true, true);
    label("lblCards")->setText(QString::number(game_.stockLeft()));
    label("lblCards")->adjustSize();
    for (int t = 1; t <= 3; ++t)
        label(QString("lblTower%1").arg(t))->hide();
    setStatusText(1, TowersBonusRoundStatus());
    setStatusText(2, "Create runs by clicking on exposed cards!   ");
    updatePointers();
}

void frmCrestal::showCards(bool visible, bool markFaceDown) {
    (void)markFaceDown; // the face-up mark is the game's own card state
    for (int i = 0; i < kTowersFieldCards; ++i)
        UpCardImage(i)->setVisible(visible && !game_.field().taken(i));
    stockPicture_->setVisible(visible);
    upPicture_->setVisible(visible);
}

void frmCrestal::ShowCards(bool visible) {
    showCards(visible, true);
}

void frmCrestal::updatePointers() {
    for (int i = 0; i < kTowersFieldCards; ++i)
        UpCardImage(i)->setPointer(game_.canTake(i));
}

void frmCrestal::setRunText() {
    QLabel* run = label("lblCurrentRun");
    run->setText(CurrentRunCaption(game_.currentRun()));
    run->adjustSize();
    QLabel* high = label("lblHighRun");
    high->setText(HighRunCaption(TowersOptions().HighRun));
    high->adjustSize();
    QLabel* next = label("lblNextCard");
    next->setText(NextCardCaption(game_.nextCardWorth()));
    next->adjustSize();
}

void frmCrestal::UpCardImage_Click(int index) {
    if (Shared().InputBlocked) return;
    const TowersClick click = game_.clickField(index);
    playSounds(click.sounds);
    if (!click.took) return;
    upPicture_->showPicture(game_.upCard(), true);
    showFieldCard(index);
    for (int turned : click.turnedUp)
        showFieldCard(turned);
    setScoreText(Shared().Score);
    setRunText();
    if (click.towerCompleted) {
        QLabel* l = label(QString("lblTower%1").arg(click.towerCompleted));
        SetCaption(l, QString("Tower %1 Completed!").arg(click.towerCompleted));
        l->show();
    }
    updatePointers();
    if (click.allTowers) cmdTakeScore_Click();
}

void frmCrestal::CardStackPicture_Click() {
    if (Shared().InputBlocked) return;
    setCursor(Qt::WaitCursor);
    const TowersClick click = game_.clickStock();
    if (click.runReset) {
        setRunText();
        label("lblCards")->setText(QString::number(game_.stockLeft()));
        label("lblCards")->adjustSize();
        if (click.drew) upPicture_->showPicture(game_.upCard(), true);
        RefreshPlayCard();
    }
    playSounds(click.sounds);
    updatePointers();
    unsetCursor();
}

void frmCrestal::UpCardPicture_Click() {
    playSounds(game_.clickUpCard().sounds);
}

void frmCrestal::RefreshPlayCard() {
    const QString key = game_.stockPicture();
    if (!key.isEmpty()) stockPicture_->showPicture(key, false);
}

void frmCrestal::RefreshFieldCards() {
    // Also while a pause hides them: face-down cards keep showing the current back.
    for (int i = 0; i < kTowersFieldCards; ++i)
        if (game_.field().faceDown(i)) UpCardImage(i)->showPicture("BACK", false);
}

void frmCrestal::mnuClearHighRun_Click() {
    if (game_.gameRunning()) return;
    if (platform::MsgBox("This will clear the current high run value. Are you sure?",
                         platform::Buttons::YesNo, platform::Icon::Question, Shared().GameTitle,
                         this) != platform::Answer::Yes)
        return;
    game_.clearHighRun();
    label("lblHighRun")->setText(HighRunCaption(0));
    label("lblHighRun")->adjustSize();
}
