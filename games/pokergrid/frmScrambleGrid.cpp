// Grid play in the window: a click places the hole card, the hand labels and the round's
// points follow, the next card comes up, and the 25th card ends the round.
#include "games/pokergrid/frmScramble.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/VbColour.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "platform/Twips.h"
#include "services/HighScores.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QLabel>
#include <algorithm>

namespace {
// The neutral text colour of a line that holds no hand.
void setNeutral(QLabel* l) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QPalette().color(QPalette::ButtonText));
    l->setPalette(p);
}
} // namespace

void frmScramble::PlayCards_Click(int index) {
    SharedState& s = Shared();
    if (s.InputBlocked || game_.state() != PokerGridState::Running) return;
    const Placement p = game_.click(index);
    if (p.accepted) {
        if (p.overwrite) setOverWritesText(game_.overWritesLeft());
        marked_[size_t(index)] = true;
        PlayCards(index)->showPicture(game_.cards().grid().code(index).trimmed(), true);
        for (int line : p.changedLines)
            setHandLabel(line, game_.cards().score().hands[size_t(line)]);
        setPointsText(game_.roundPoints());
        showDeckAndHole();
    }
    playSounds(p.sounds);
    setScoreText(s.Score);
    if (p.gridFull) RunRoundEnd([this] { NextRound(false); });
}

void frmScramble::CardStackPicture_Click() {
    PlaySound(kChordWave);
}

void frmScramble::playSounds(const QStringList& waves) {
    for (const QString& wave : waves)
        PlaySound(wave);
}

void frmScramble::setHandLabel(int line, PokerHand hand) {
    QLabel* l = line < 5 ? lblRow(line + 1) : lblCol(line - 4);
    l->setText(PokerHandName(hand));
    l->adjustSize();
    if (hand == PokerHand::Nothing)
        setNeutral(l);
    else
        SetForeColour(l, kVbBlue);
    if (line >= 5)
        centreOn(l, PlayCards(20 + line - 5));
    else
        placeRowLabel(line);
}

void frmScramble::setOverWritesText(int left) {
    QLabel* l = label("lblOverWrites");
    l->setText(OverWritesCaption(left));
    l->adjustSize();
    placeOverWrites();
    SetForeColour(l, left <= 0 ? kVbRed : kVbBlue);
}

void frmScramble::placeOverWrites() {
    QLabel* l = label("lblOverWrites");
    centreOn(l, label("lblScore"));
    // Centred over the score, but never past the window's right edge.
    l->move(std::min(l->x(), centralWidget()->width() - l->width() - Tw(60)), l->y());
}

void frmScramble::setScoreText(int32_t score) {
    SetCaption(label("lblCurrentScore"), FormatScore(score));
}

void frmScramble::setRoundText(const QString& text) {
    QLabel* l = label("lblRound");
    l->setText(text);
    l->adjustSize();
    centreOn(l, Surface());
}

void frmScramble::setTimeBonusText(int seconds) {
    label("lblTimeBonus")->setText(QString::number(seconds));
    CenterTimeBonus();
}

void frmScramble::setPointsText(int32_t points) {
    QLabel* l = label("lblPointsEarned");
    l->setText(PointsEarnedCaption(points));
    l->adjustSize();
}

void frmScramble::showDeckAndHole() {
    const PokerGridRound& cards = game_.cards();
    CardStackPicture()->setPixmap(CardPictureList().byKey(cards.deckPictureKey()));
    const QString hole = cards.holeCard().trimmed();
    HoleCard()->showPicture(hole.isEmpty() ? QStringLiteral("EMPTY") : hole, !hole.isEmpty());
    QLabel* count = label("lblCards");
    count->setText(CardsRemainingCaption(cards.cardsRemaining()));
    count->adjustSize();
}

void frmScramble::showDeal() {
    showDeckAndHole();
    playSounds(game_.dealSounds());
    for (int line = 0; line < kGridLines; ++line)
        setHandLabel(line, PokerHand::Nothing);
}

void frmScramble::Reset(bool idle) {
    frmSplash()->setVisible(idle);
    for (int i = 0; i < kGridCells; ++i)
        PlayCards(i)->showPicture("EMPTY", false);
    if (idle) {
        HoleCard()->showPicture("EMPTY", false);
        setOverWritesText(PokerGridOptions().OverWrites);
        marked_.fill(false);
    }
    ShowSplash(idle);
}

void frmScramble::ShowCards(bool show) {
    const PokerGrid& grid = game_.cards().grid();
    for (int i = 0; i < kGridCells; ++i) {
        CardPicture* cell = PlayCards(i);
        cell->showPicture("EMPTY", false);
        cell->setVisible(show);
        if (!show) continue;
        if (grid.occupied(i) && marked_[size_t(i)])
            cell->showPicture(grid.code(i).trimmed(), true);
        else if (!grid.occupied(i))
            marked_[size_t(i)] = false;
    }
    HoleCard()->setVisible(show);
    CardStackPicture()->setVisible(show);
}
