#include "games/pokergrid/PokerGridRound.h"
#include "services/Deck.h"

bool PokerGridRound::deal(const QStringList& deck, QStringList* sounds) {
    if (deck.size() != kRoundDeckCards + 1) return false;
    for (int i = 1; i <= kRoundDeckCards; ++i)
        if (ParseGridCard(deck[i]).empty()) return false;
    clear();
    deck_ = deck;
    nextCardIndex_ = 1;
    cardsRemaining_ = kRoundDeckCards;
    deckPicture_ = StockPictureKey(kRoundDeckCards, 13, 25);
    dealt_ = true;
    QStringList played;
    drawNextCard(played);
    score_ = GridScore{};
    if (sounds) *sounds << played;
    return true;
}

void PokerGridRound::clear() {
    grid_.clear();
    score_ = GridScore{};
    deck_.clear();
    nextCardIndex_ = 0;
    cardsRemaining_ = 0;
    hole_.clear();
    overWritesUsed_ = 0;
    dealt_ = false;
}

void PokerGridRound::drawNextCard(QStringList& sounds) {
    cardsRemaining_ -= 1;
    if (cardsRemaining_ >= 0 && nextCardIndex_ >= 1 && nextCardIndex_ <= kRoundDeckCards) {
        if (!newHandShown_) sounds << kClickWave;
        newHandShown_ = false;
        hole_ = deck_[nextCardIndex_];
    } else {
        cardsRemaining_ = 0;
        sounds << kChordWave;
    }
    deckPicture_ = StockPictureKey(kRoundDeckCards - nextCardIndex_, 13, 25);
    ++nextCardIndex_;
}

Placement PokerGridRound::place(int cell, int overWritesAllowed, const HandValues& values) {
    Placement p;
    if (cell < 0 || cell >= kGridCells) return p;
    const bool occupied = grid_.occupied(cell);
    // Without a hole card nothing can be placed, on an empty cell or over an occupied one.
    if (hole_.isEmpty() || (occupied && overWritesUsed_ >= overWritesAllowed)) {
        p.sounds << kChordWave;
        return p;
    }
    p.accepted = true;
    p.overwrite = occupied;
    if (occupied) ++overWritesUsed_;
    grid_.place(cell, hole_);
    hole_.clear();

    const GridScore before = score_;
    score_ = grid_.score(values);
    for (int line = 0; line < kGridLines; ++line) {
        const PokerHand now = score_.hands[size_t(line)];
        if (now == before.hands[size_t(line)]) continue;
        p.changedLines.push_back(line);
        if (now != PokerHand::Nothing) {
            p.sounds << kNewHandWave;
            newHandShown_ = true;
        }
    }
    drawNextCard(p.sounds);
    if (grid_.full()) {
        p.gridFull = true;
        p.sounds << kGridFullWave;
    }
    return p;
}
