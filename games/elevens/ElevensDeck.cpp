#include "games/elevens/ElevensDeck.h"

#include "services/SharedState.h"

namespace {
constexpr char kSuits[] = {'S', 'H', 'C', 'D'};

QString code(int rank, char suit) {
    const QString text = QString::number(rank) + QLatin1Char(suit);
    return rank >= 2 && rank <= 10 ? QLatin1Char(' ') + text : text;
}
} // namespace

int ElevensDeckSize(int cardGoal) {
    if (cardGoal <= 11) return 52;
    if (cardGoal == 12) return 56;
    if (cardGoal == 13) return 60;
    return 64;
}

QStringList BuildElevensDeck(int cardGoal) {
    const int size = ElevensDeckSize(cardGoal);
    QStringList deck;
    deck.reserve(size + 1);
    deck << QString();
    for (char suit : kSuits)
        for (int i = 0; i < 4; ++i)
            deck << code(1, suit);
    for (char suit : kSuits)
        for (int rank = 2; rank <= 10; ++rank)
            deck << code(rank, suit);
    for (int rank = 11; deck.size() <= size; ++rank)
        for (char suit : kSuits)
            deck << code(rank, suit);
    return deck;
}

bool CreateElevensDeck() {
    Shared().Deck = BuildElevensDeck(Shared().CardGoal);
    return true;
}
