#pragma once
// A deck for the twenty-one games' tests: twos everywhere unless placed otherwise.

#include <QString>
#include <QStringList>
#include <map>

// 52 cards (index 0 holds none); deck position p takes the code given for it.
inline QStringList LaidOutDeck(const std::map<int, QString>& at) {
    QStringList deck(53, QStringLiteral(" 2S"));
    deck[0].clear();
    for (const auto& [pos, code] : at)
        deck[pos] = code;
    return deck;
}
