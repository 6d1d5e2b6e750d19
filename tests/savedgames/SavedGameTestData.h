#pragma once
// Decks and games for the saved-game tests, built the way the elevens game builds its decks:
// index 0 holds no card and ranks 2 to 10 carry a leading blank.

#include "services/SavedGame.h"

#include <algorithm>
#include <random>

inline QStringList TestDeck(int cardGoal, unsigned seed) {
    const int size = SavedDeckSize(cardGoal);
    QStringList cards;
    for (const char* suit : {"S", "H", "C", "D"})
        for (int i = 0; i < 4; ++i)
            cards << QStringLiteral("1") + suit;
    for (const char* suit : {"S", "H", "C", "D"})
        for (int rank = 2; rank <= 10; ++rank)
            cards << QStringLiteral(" %1%2").arg(rank).arg(suit);
    for (int rank = 11; cards.size() < size; ++rank)
        for (const char* suit : {"S", "H", "C", "D"})
            cards << QString::number(rank) + suit;
    std::mt19937 rng(seed);
    std::shuffle(cards.begin(), cards.end(), rng);
    cards.prepend(QString());
    return cards;
}

inline SavedGame TestGame(int cardGoal, int rounds) {
    SavedGame g;
    g.cardGoal = cardGoal;
    g.timeLimit = 120;
    g.score = 87654;
    g.custom = true;
    g.playerName = QStringLiteral("Pat Doyle");
    for (int r = 0; r < rounds; ++r)
        g.roundDecks[r] = TestDeck(cardGoal, unsigned(cardGoal * 10 + r));
    return g;
}
