#pragma once
// The standard deck in the shared Deck (index 0 holds no card) and the exchange shuffle that
// every game uses. Codes carry one leading blank before the rank, e.g. " 1S", " 13D".

#include <QString>
#include <QStringList>
#include <functional>

bool CreateDeck();
bool ShuffleDeck();

// Tests: while set, ShuffleDeck lays the deck out this way instead of shuffling it, so that a
// window deals a known round. Returns the one it replaces; an empty one shuffles again.
using DeckLayout = std::function<void(QStringList& deck)>;
DeckLayout SetDeckLayoutForTests(DeckLayout layout);

// A card code without blanks, as used for picture keys and saved games ("1S").
inline QString CardKey(const QString& code) {
    return code.trimmed();
}
// The card's value: the rank number, leading blanks ignored (0 when there is none).
int CardValue(const QString& code);
// The suit letter of a code ('S', 'H', 'C' or 'D'), or 0.
char CardSuit(const QString& code);

// The picture of a stock by the cards left in it: "EMPTY" with none, one card "BACK" below
// `halfFrom`, the "HALF" stock up to `fullAbove`, the "FULL" one above that. Each game has its
// own thresholds.
QString StockPictureKey(int cardsLeft, int halfFrom, int fullAbove);

// Ranks one apart, with king and ace next to each other (13 and 1); ranks outside 1 to 13 have
// no neighbours. Suits play no part.
bool RanksAdjacent(int first, int second);
