#include "games/eights/EightsBoard.h"

#include "services/Deck.h"

namespace {
constexpr int kWild = 8;

bool validSpot(int spot, int count) {
    return spot >= 1 && spot <= count;
}
} // namespace

int SpotBaseValue(int spot) {
    static constexpr int values[kUpperSpots] = {500, 200, 100};
    return validSpot(spot, kUpperSpots) ? values[spot - 1] : 0;
}

void EightsBoard::Place::set(const QString& code) {
    value = CardValue(code);
    suit = value > 0 ? CardSuit(code) : 0;
}

bool EightsBoard::deal(const QStringList& deck) {
    clear();
    if (deck.size() < kLowerSpots + 1) return false;
    deck_ = deck;
    pile_ = int(deck_.size()) - 1;
    for (std::size_t i = 0; i < lower_.size(); ++i) {
        lower_[i] = deck_[pile_--];
        lowerPlace_[i].set(lower_[i]);
    }
    return true;
}

void EightsBoard::clear() {
    deck_.clear();
    pile_ = 0;
    lower_.fill(QString());
    upper_.fill(QString());
    lowerPlace_.fill(Place{});
    upperPlace_.fill(Place{});
}

void EightsBoard::resetSpotValues() {
    for (int spot = 1; spot <= kUpperSpots; ++spot)
        values_[index(spot)] = SpotBaseValue(spot);
}

MoveCheck EightsBoard::checkMove(int lowerSpot, int upperSpot) const {
    if (!validSpot(lowerSpot, kLowerSpots) || !validSpot(upperSpot, kUpperSpots))
        return MoveCheck::Illegal;
    const Place& moved = lowerPlace_[index(lowerSpot)];
    const Place& target = upperPlace_[index(upperSpot)];
    if (moved.value == 0) return MoveCheck::Illegal;
    if (moved.value == kWild) return MoveCheck::WildEight;
    if (target.value == kWild) return MoveCheck::EightOrSuit;
    if (target.value == 0) return MoveCheck::EmptySpot;
    if (moved.value != target.value)
        return moved.suit == target.suit ? MoveCheck::EightOrSuit : MoveCheck::Illegal;
    return MoveCheck::SameValue;
}

LegalMoves EightsBoard::checkForLegalMove() const {
    int empty = 0;
    for (int l = 1; l <= kLowerSpots; ++l) {
        if (lowerPlace_[index(l)].value == 0) {
            ++empty;
            continue;
        }
        for (int u = 1; u <= kUpperSpots; ++u)
            if (checkMove(l, u) != MoveCheck::Illegal) return LegalMoves::Some;
    }
    return empty == kLowerSpots ? LegalMoves::BoardCleared : LegalMoves::None;
}

EightsMoveResult EightsBoard::move(int lowerSpot, int upperSpot) {
    EightsMoveResult r;
    r.check = checkMove(lowerSpot, upperSpot);
    if (r.check == MoveCheck::Illegal) return r;
    int& value = values_[index(upperSpot)];
    if (r.check == MoveCheck::SameValue || r.check == MoveCheck::WildEight) {
        value += SpotBaseValue(upperSpot);
        r.raised = true;
    }
    r.spotValue = value;
    QString& from = lower_[index(lowerSpot)];
    r.card = from;
    upper_[index(upperSpot)] = from;
    upperPlace_[index(upperSpot)] = lowerPlace_[index(lowerSpot)];
    if (pile_ < 1) {
        from.clear();
    } else {
        from = deck_[pile_--];
        r.refilled = true;
    }
    lowerPlace_[index(lowerSpot)].set(from);
    return r;
}
