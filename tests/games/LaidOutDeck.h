#pragma once
// A deck for the games' tests: twos of spades (or `filler`) everywhere unless placed otherwise.

#include <QString>
#include <QStringList>
#include <map>

// 52 cards (index 0 holds none); deck position p takes the code given for it.
inline QStringList LaidOutDeck(const std::map<int, QString>& at,
                               const QString& filler = QStringLiteral(" 2S")) {
    QStringList deck(53, filler);
    deck[0].clear();
    for (const auto& [pos, code] : at)
        deck[pos] = code;
    return deck;
}
