#pragma once
// Known decks for the trips-and-runs tests. The up row plays Deck(3), Deck(2), Deck(1), then
// Deck(4) onwards, so a test lists the cards in the order it wants to play them.

#include "games/trips/TripsBoard.h"
#include "services/SharedState.h"

#include <QStringList>

namespace tripstest {

// The deck index of the n-th card played (0-based).
inline int PlayOrderIndex(int n) {
    return n < 3 ? 3 - n : n + 1;
}

// A full deck whose first cards in play order are `first` ("7S", "7H", ...); the remaining
// cards of the standard deck follow in their usual order.
inline QStringList DeckPlaying(const QStringList& first) {
    QStringList rest;
    for (const char suit : {'S', 'H', 'C', 'D'})
        for (int rank = 1; rank <= 13; ++rank) {
            const QString card = QString::number(rank) + QLatin1Char(suit);
            if (!first.contains(card)) rest << card;
        }
    QStringList order = first + rest;
    QStringList deck(53);
    for (int n = 0; n < 52; ++n)
        deck[PlayOrderIndex(n)] = QLatin1Char(' ') + order[n];
    return deck;
}

// Deals `first` into the board's up row.
inline bool DealPlaying(TripsBoard& board, const QStringList& first) {
    Shared().Deck = DeckPlaying(first);
    return board.deal();
}

// Up card onto a column, or into storage.
inline TripsClick UpToColumn(TripsBoard& b, int column) {
    b.clickUpCard(kTripsPlayableUp);
    return b.clickField(column);
}
inline TripsClick UpToStorage(TripsBoard& b, int place) {
    b.clickUpCard(kTripsPlayableUp);
    return b.clickStorage(place);
}

} // namespace tripstest
