#pragma once
// Common ground for the three-towers tests: a fresh program folder, the game's values reset,
// and decks laid out card by card so that a test knows what every deal holds.

#include "../../TestSupport.h"
#include "games/towers/TowersGame.h"
#include "games/towers/TowersSettings.h"
#include "services/Deck.h"
#include "services/Random.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <map>
#include <vector>

// The game's own values at their defaults, between tests.
inline const TowersSettings kDefaultTowersOptions{100, 5000, 1000, 0};

namespace towerstest {

// The order in which the whole field can be taken: the base row, row 3, row 2, the tops.
inline std::vector<int> ClearingOrder() {
    std::vector<int> order;
    for (int i = 18; i <= 27; ++i)
        order.push_back(i);
    for (int i = 9; i <= 17; ++i)
        order.push_back(i);
    for (int i = 3; i <= 8; ++i)
        order.push_back(i);
    for (int i = 0; i <= 2; ++i)
        order.push_back(i);
    return order;
}

// A deck (index 0 empty, 1 to 52 the deal) with the dealt cards given by `placed` (deal
// index 0 to 51 -> code such as "13S"); the other places get the cards left over, in order.
inline QStringList DeckWith(const std::map<int, QString>& placed) {
    QStringList rest;
    for (const char suit : {'S', 'H', 'C', 'D'})
        for (int rank = 1; rank <= 13; ++rank) {
            const QString code = QString::number(rank) + QLatin1Char(suit);
            bool used = false;
            for (const auto& [i, c] : placed)
                used = used || c == code;
            if (!used) rest << code;
        }
    QStringList deck{QString()};
    for (int i = 0; i < 52; ++i) {
        auto it = placed.find(i);
        deck << QStringLiteral(" ") + (it != placed.end() ? it->second : rest.takeFirst());
    }
    return deck;
}

// A deal whose first up card is an ace and whose cards at `order`, taken in that order, are
// one run 2, 3, ..., king, ace, 2, ...; `extra` places further cards (deal index -> code).
inline QStringList RunDeck(const std::vector<int>& order, std::map<int, QString> extra = {}) {
    std::map<int, QString> placed = std::move(extra);
    placed[kTowersFirstUpCard] = "1S";
    const char suits[] = {'H', 'D', 'S', 'C'};
    std::map<int, int> usedOfRank;
    for (size_t k = 0; k < order.size(); ++k) {
        const int rank = int((k + 1) % 13) + 1;
        placed[order[k]] = QString::number(rank) + QLatin1Char(suits[usedOfRank[rank]++ % 4]);
    }
    return DeckWith(placed);
}

// The whole field as one run: the third tower falls with the 28th card.
inline QStringList ClearingDeck() {
    return RunDeck(ClearingOrder());
}

// Tower 1 alone, bottom up: 18 to 21, 9 to 11, 3, 4, and its top card 0.
inline std::vector<int> TowerOneOrder() {
    return {18, 19, 20, 21, 9, 10, 11, 3, 4, 0};
}

// Every deal of the test uses `deck`.
class FixedDeck {
  public:
    explicit FixedDeck(QStringList deck) {
        previous_ = TowersGame::SetDeckMakerForTests([deck] {
            Shared().Deck = deck;
            return true;
        });
    }
    ~FixedDeck() { TowersGame::SetDeckMakerForTests(std::move(previous_)); }

  private:
    TowersGame::DeckMaker previous_;
};

class TowersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTowersLoadDefaults();
        Shared().GameTitle = "Crestal!";
    }
    void TearDown() override { TowersOptions() = kDefaultTowersOptions; }

    testsupport::ProgramSandbox box;
};

} // namespace towerstest
