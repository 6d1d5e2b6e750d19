#pragma once
// Decks the five-column tests deal: laid out card by card, one per round.

#include "../LaidOutDeck.h"
#include "games/fivecolumn/FiveColumnGame.h"
#include "services/SharedState.h"

#include <algorithm>
#include <vector>

// Ace and king for each column in turn, from the first card shown (position 2): five 21s.
inline QStringList FiveTwentyOnes() {
    std::map<int, QString> at;
    for (int c = 0; c < 5; ++c) {
        at[2 + 2 * c] = " 1H";
        at[3 + 2 * c] = " 13C";
    }
    return LaidOutDeck(at);
}

// The game deals these decks, one per round, the last one again when they run out.
inline void DealDecks(FiveColumnGame& g, std::vector<QStringList> decks) {
    g.makeDeck = [decks, n = size_t(0)]() mutable {
        Shared().Deck = decks[std::min(n++, decks.size() - 1)];
        return true;
    };
}
