#include "games/fivecolumn/FiveColumnBoard.h"

#include "games/fivecolumn/FiveColumnScoreTable.h"

QString GiveUpCaptionText(GiveUpCaption caption) {
    switch (caption) {
    case GiveUpCaption::TakeScore:
        return QStringLiteral("&Take score");
    case GiveUpCaption::GiveUpLate:
        return QStringLiteral("&Give up");
    case GiveUpCaption::GiveUp:
        break;
    }
    return QStringLiteral("&Give Up");
}

void FiveColumnBoard::start(const QStringList& deck, int passes) {
    clear();
    deck_ = deck;
    // Deck(1) stays unused: the first card shown is the one after it.
    deckPosition_ = 2;
    passesLeft_ = passes;
}

void FiveColumnBoard::clear() {
    deck_.clear();
    for (TwentyOneColumn& c : columns_)
        c.clear();
    deckPosition_ = 0;
    passesLeft_ = 0;
    currentTotal_ = 0;
    cardTotalValue_ = 0;
    busted_ = false;
    caption_ = GiveUpCaption::GiveUp;
}

QString FiveColumnBoard::nextCard() const {
    if (deckPosition_ < 1 || deckPosition_ >= deck_.size()) return QString();
    return deck_[deckPosition_];
}

bool FiveColumnBoard::canHit(int i) const {
    return i >= 0 && i < kFiveColumns && !busted_ && !closed(i) && !nextCard().isEmpty();
}

bool FiveColumnBoard::canPass() const {
    // A pass needs a card to show after it, so the deck's last card cannot be passed.
    return !busted_ && passesLeft_ > 0 && deckPosition_ + 1 < deck_.size();
}

FiveColumnHit FiveColumnBoard::hit(int i) {
    FiveColumnHit r;
    if (!canHit(i)) return r;
    r.dealt = true;
    r.column = i;
    r.hit = columns_[size_t(i)].add(nextCard());
    ++deckPosition_;
    r.closed = closed(i);
    if (r.hit.bust()) {
        busted_ = true;
        currentTotal_ = kBustedTotal;
        caption_ = GiveUpCaption::GiveUpLate;
        r.busted = true;
        return r;
    }
    sumColumns();
    // A soft ace that gave back can leave the sum below the table again.
    if (r.hit.gaveBack && currentTotal_ < kLowestScoringTotal) caption_ = GiveUpCaption::GiveUpLate;
    r.complete = currentTotal_ == kHighestTotal;
    return r;
}

bool FiveColumnBoard::pass() {
    if (!canPass()) return false;
    --passesLeft_;
    ++deckPosition_;
    return true;
}

void FiveColumnBoard::sumColumns() {
    currentTotal_ = 0;
    for (const TwentyOneColumn& c : columns_)
        currentTotal_ += c.total();
    if (currentTotal_ >= kLowestScoringTotal) {
        cardTotalValue_ = CardTotalValueOf(currentTotal_);
        caption_ = GiveUpCaption::TakeScore;
    }
}
