#pragma once
// The five-column tests: their fixture, decks dealt as laid out, and Hits in a row.

#include "games/fivecolumn/FiveColumnGame.h"
#include "games/fivecolumn/FiveColumnSettings.h"

#include "../GameModelTestSupport.h"

class FiveColumnTest
    : public GameModelTest<FiveColumnSettings, FiveColumnOptions, ResetFiveColumnDefaults> {
  protected:
    FiveColumnTest() : GameModelTest("Quintel!") {}

    // The game deals these decks, one per round, the last one again when they run out.
    static void dealDecks(FiveColumnGame& g, std::vector<QStringList> decks) {
        g.makeDeck = [decks, n = size_t(0)]() mutable {
            Shared().Deck = decks[std::min(n++, decks.size() - 1)];
            return true;
        };
    }
    // Cards for five columns of 21 (ace and king each), dealt column by column.
    static QStringList fiveTwentyOnes() {
        std::map<int, QString> at;
        for (int c = 0; c < 5; ++c) {
            at[2 + 2 * c] = " 1H";
            at[3 + 2 * c] = " 13C";
        }
        return layDeck(at);
    }
    // Two tens for each of columns 0 to 3 (80 in all), then the cards meant for column 4.
    static QStringList fourTwentiesThen(const std::vector<QString>& fifth) {
        std::map<int, QString> at;
        for (int p = 2; p <= 9; ++p)
            at[p] = " 10S";
        for (size_t i = 0; i < fifth.size(); ++i)
            at[10 + int(i)] = fifth[i];
        return layDeck(at);
    }
    static constexpr std::initializer_list<int> kFourTwenties = {0, 0, 1, 1, 2, 2, 3, 3};
    // Deals into the columns in order, on a game or a board.
    template <typename Dealer> static void hitEach(Dealer& g, std::initializer_list<int> columns) {
        for (int c : columns)
            ASSERT_TRUE(g.hit(c).dealt) << c;
    }
};
