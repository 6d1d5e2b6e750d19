#include "games/combinations/CombinationsBoard.h"

#include "services/SharedState.h"

void CombinationsBoard::startRound(const QStringList& deck, int passes) {
    deck_ = deck;
    for (TwentyOneColumn& c : columns_)
        c.clear();
    deckPosition_ = 1;
    passesLeft_ = passes;
}

void CombinationsBoard::clear() {
    deck_.clear();
    for (TwentyOneColumn& c : columns_)
        c.clear();
    deckPosition_ = 0;
    passesLeft_ = 0;
    clearTwentyOnes();
}

void CombinationsBoard::clearTwentyOnes() {
    twentyOnes_ = 0;
    bonus_ = 0;
}

QString CombinationsBoard::currentCard() const {
    if (deckPosition_ < 1 || deckPosition_ > kDeckCards || deckPosition_ >= deck_.size())
        return QString();
    return deck_[deckPosition_];
}

QString CombinationsBoard::pileKey() const {
    if (deckPosition_ >= kDeckCards) return QStringLiteral("EMPTY");
    if (deckPosition_ < 17) return QStringLiteral("FULL");
    if (deckPosition_ <= 34) return QStringLiteral("HALF");
    return QStringLiteral("BACK");
}

CombinationsHit CombinationsBoard::hit(int i, int32_t twentyOneBonusValue) {
    CombinationsHit r;
    const QString card = currentCard();
    if (i < 0 || i >= kCombinationColumns || card.isEmpty()) return r;
    r.column = i;
    TwentyOneColumn& column = columns_[size_t(i)];
    r.hit = column.preview(card);
    if (r.hit.bust()) {
        r.move = CombinationsMove::Bust;
        return r;
    }
    r.cardIndex = column.count();
    column.add(card);
    if (column.total() == 21) {
        r.move = CombinationsMove::TwentyOne;
        ++twentyOnes_;
        bonus_ = AddScore(bonus_, twentyOneBonusValue);
        column.clear();
    } else if (column.count() == kCombinationColumnCards) {
        r.move = CombinationsMove::Gimme;
        column.clear();
    } else {
        r.move = CombinationsMove::Placed;
    }
    ++deckPosition_;
    r.lastCard = deckPosition_ == kDeckCards;
    r.deckComplete = deckPosition_ > kDeckCards;
    return r;
}

bool CombinationsBoard::pass() {
    if (!canPass()) return false;
    --passesLeft_;
    ++deckPosition_;
    return true;
}
