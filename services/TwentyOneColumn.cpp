#include "services/TwentyOneColumn.h"

#include "services/Deck.h"

#include <algorithm>

int TwentyOneCardValue(const QString& code) {
    return std::min(CardValue(code), 10);
}

TwentyOneHit TwentyOneColumn::preview(const QString& code) const {
    TwentyOneHit hit;
    hit.value = TwentyOneCardValue(code);
    if (hit.value == 1 && total_ + 11 <= 21) {
        hit.value = 11;
        hit.softAce = true;
    }
    hit.total = total_ + hit.value;
    // An ace counted 11 never busts, so the ace that gives back is an earlier one.
    if (hit.total > 21 && softAces_ > 0) {
        hit.gaveBack = true;
        hit.total -= 10;
    }
    return hit;
}

TwentyOneHit TwentyOneColumn::add(const QString& code) {
    const TwentyOneHit hit = preview(code);
    cards_.push_back(code);
    if (hit.softAce) ++softAces_;
    if (hit.gaveBack) --softAces_;
    total_ = hit.total;
    return hit;
}

void TwentyOneColumn::clear() {
    cards_.clear();
    total_ = 0;
    softAces_ = 0;
}
