#include "games/eights/EightsBoard.h"

#include "services/Deck.h"

namespace {
constexpr int kWild = 8;

bool validSpot(int spot, int count) {
    return spot >= 1 && spot <= count;
}
} // namespace

QString DeckPictureKey(int pileRemaining) {
    if (pileRemaining > 25) return QStringLiteral("FULL");
    if (pileRemaining >= 11) return QStringLiteral("HALF");
    if (pileRemaining >= 1) return QStringLiteral("BACK");
    return QStringLiteral("EMPTY");
}

int SpotBaseValue(int spot) {
    static constexpr int values[kUpperSpots] = {500, 200, 100};
    return validSpot(spot, kUpperSpots) ? values[spot - 1] : 0;
}

bool EightsBoard::deal(const QStringList& deck) {
    clear();
    if (deck.size() < kLowerSpots + 1) return false;
    deck_ = deck;
    pile_ = int(deck_.size()) - 1;
    for (QString& spot : lower_)
        spot = deck_[pile_--];
    return true;
}

void EightsBoard::clear() {
    deck_.clear();
    pile_ = 0;
    lower_.fill(QString());
    upper_.fill(QString());
}

void EightsBoard::resetSpotValues() {
    for (int spot = 1; spot <= kUpperSpots; ++spot)
        values_[index(spot)] = SpotBaseValue(spot);
}

MoveCheck EightsBoard::checkMove(int lowerSpot, int upperSpot) const {
    if (!validSpot(lowerSpot, kLowerSpots) || !validSpot(upperSpot, kUpperSpots))
        return MoveCheck::Illegal;
    const QString& moved = lower(lowerSpot);
    if (moved.trimmed().isEmpty()) return MoveCheck::Illegal;
    const QString& target = upper(upperSpot);
    const int value = CardValue(moved);
    const int targetValue = CardValue(target);
    if (value == kWild) return MoveCheck::WildEight;
    if (targetValue == kWild) return MoveCheck::EightOrSuit;
    if (targetValue == 0) return MoveCheck::EmptySpot;
    if (value != targetValue)
        return CardSuit(moved) == CardSuit(target) ? MoveCheck::EightOrSuit : MoveCheck::Illegal;
    return MoveCheck::SameValue;
}

LegalMoves EightsBoard::checkForLegalMove() const {
    int empty = 0;
    for (int l = 1; l <= kLowerSpots; ++l) {
        if (lower(l).trimmed().isEmpty()) {
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
    if (pile_ < 1) {
        from.clear();
    } else {
        from = deck_[pile_--];
        r.refilled = true;
    }
    return r;
}
