// The Twindle board in the window: card places, selection frames and the stack show what the
// game holds after every click and draw.
#include "games/pairs/frmTwindle.h"

#include "frame/CardPictures.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QLabel>

void frmTwindle::PlayCard_Click(int index) {
    if (Shared().InputBlocked || state() != State::Running) return;
    const PairsClick click = game_.click(index);
    playSounds(click.sounds);
    afterClick(click);
}

void frmTwindle::afterClick(const PairsClick& click) {
    showBoard();
    if (click.match == PairsMatch::Pair)
        setText("lblScorePairs", QString::number(game_.board().pairsMade()));
    if (click.match == PairsMatch::Run)
        setText("lblScoreRuns", QString::number(game_.board().runsMade()));
    if (click.turnedUp) showStack(StackPictureKey(game_.board().nextStackIndex()));
    setText("lblCards", QString::number(game_.board().stackCount()));
    // The last card of the top row ends the round at once.
    if (click.topRowCleared) cmdTakeScore_Click();
}

void frmTwindle::CardStackPicture_Click() {
    if (Shared().InputBlocked || state() != State::Running) return;
    setCursor(Qt::WaitCursor);
    const PairsDraw draw = game_.clickStack();
    playSounds(draw.sounds);
    setText("lblCards", QString::number(game_.board().stackCount()));
    if (draw.drew) {
        showStack(draw.stackKey);
        showBoard();
    }
    unsetCursor();
}

void frmTwindle::playSounds(const std::vector<PairsSound>& sounds) {
    for (PairsSound s : sounds)
        PlaySound(PairsSoundFile(s));
}

void frmTwindle::showPlace(int place) {
    const PairsBoard& b = game_.board();
    CardPicture* card = PlayCard(place);
    if (b.present(place)) {
        card->showPicture(b.card(place).trimmed(), b.bordered(place));
        card->show();
    } else if (place == kUpPlace) {
        card->showPicture("EMPTY", false);
        card->show();
    } else {
        card->showPicture(QString(), false);
        card->hide();
    }
    FieldSelectionRectangle(place)->setVisible(b.selectedIndex() == place);
}

void frmTwindle::showBoard() {
    for (int i = 0; i < kBoardPlaces; ++i)
        showPlace(i);
}

void frmTwindle::showStack(const QString& key) {
    if (key.isEmpty()) return;
    stackKey_ = key;
    if (QLabel* stack = CardStackPicture()) stack->setPixmap(CardPictureList().byKey(key));
}

void frmTwindle::RefreshPlayCard() {
    // A new card back shows at the stack's present height, not always as a full stack.
    const QString key = stackKey_;
    stackKey_.clear();
    showStack(key.isEmpty() ? QStringLiteral("FULL") : key);
}

void frmTwindle::ShowCards(bool visible) {
    if (visible) {
        showBoard();
    } else {
        for (int i = 0; i < kBoardPlaces; ++i) {
            PlayCard(i)->hide();
            FieldSelectionRectangle(i)->hide();
        }
    }
    if (QLabel* stack = CardStackPicture()) stack->setVisible(visible);
}
