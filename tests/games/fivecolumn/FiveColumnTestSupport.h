#pragma once
// The five-column tests: their fixture, decks dealt as laid out, and Hits in a row.

#include "games/fivecolumn/FiveColumnGame.h"
#include "games/fivecolumn/FiveColumnSettings.h"

#include "../GameModelTestSupport.h"
#include "FiveColumnDecks.h"

class FiveColumnTest
    : public GameModelTest<FiveColumnSettings, FiveColumnOptions, ResetFiveColumnDefaults> {
  protected:
    FiveColumnTest() : GameModelTest("Quintel!") {}

    static void dealDecks(FiveColumnGame& g, std::vector<QStringList> decks) {
        DealDecks(g, std::move(decks));
    }
    static QStringList fiveTwentyOnes() { return FiveTwentyOnes(); }
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
