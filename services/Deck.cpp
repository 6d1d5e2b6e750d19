#include "services/Deck.h"

#include "platform/MessageBox.h"
#include "services/Random.h"
#include "services/SharedState.h"

namespace {
constexpr char kSuits[] = {'S', 'H', 'C', 'D'};

DeckLayout& layoutForTests() {
    static DeckLayout layout;
    return layout;
}
} // namespace

DeckLayout SetDeckLayoutForTests(DeckLayout layout) {
    DeckLayout previous = std::move(layoutForTests());
    layoutForTests() = std::move(layout);
    return previous;
}

bool CreateDeck() {
    QStringList& deck = Shared().Deck;
    deck.clear();
    deck.reserve(53);
    deck.append(QString());
    for (int i = 1; i <= 52; ++i) {
        const int suit = (i - 1) / 13;
        const int rank = i - suit * 13;
        deck.append(QLatin1Char(' ') + QString::number(rank) + QLatin1Char(kSuits[suit]));
    }
    return true;
}

bool ShuffleDeck() {
    QStringList& deck = Shared().Deck;
    const int n = int(deck.size()) - 1;
    if (n < 1) {
        platform::MsgBox(QStringLiteral("Unable to shuffle the deck."), platform::Buttons::OK,
                         platform::Icon::Critical, Shared().GameTitle);
        return false;
    }
    if (layoutForTests()) {
        layoutForTests()(deck);
        return true;
    }
    for (int i = 1; i <= n; ++i) {
        const int j = RandomInt(1, n);
        deck.swapItemsAt(i, j);
    }
    return true;
}

int CardValue(const QString& code) {
    const QString t = code.trimmed();
    int i = 0;
    while (i < t.size() && t[i].isDigit())
        ++i;
    return t.left(i).toInt();
}

char CardSuit(const QString& code) {
    const QString t = code.trimmed();
    if (t.isEmpty()) return 0;
    const char c = t.back().toLatin1();
    return (c == 'S' || c == 'H' || c == 'C' || c == 'D') ? c : 0;
}

QString StockPictureKey(int cardsLeft, int halfFrom, int fullAbove) {
    if (cardsLeft < 1) return QStringLiteral("EMPTY");
    if (cardsLeft < halfFrom) return QStringLiteral("BACK");
    if (cardsLeft <= fullAbove) return QStringLiteral("HALF");
    return QStringLiteral("FULL");
}

bool RanksAdjacent(int first, int second) {
    if (first < 1 || first > 13 || second < 1 || second > 13) return false;
    const int gap = first > second ? first - second : second - first;
    return gap == 1 || gap == 12;
}
