#pragma once
// The twenty-one combinations tests: their fixture, decks dealt as laid out, and Hits in a row.

#include "games/combinations/CombinationsGame.h"
#include "games/combinations/CombinationsSettings.h"

#include "../GameModelTestSupport.h"

class CombinationsTest
    : public GameModelTest<CombinationsSettings, CombinationsOptions, ResetCombinationsDefaults> {
  protected:
    CombinationsTest() : GameModelTest("Brisko!") {}

    // Every round deals this deck.
    static void dealDeck(CombinationsGame& g, const QStringList& deck) {
        g.makeDeck = [deck](bool) {
            Shared().Deck = deck;
            return true;
        };
    }
    // Places the current cards on the columns in order (a board's 21s worth 1000 each).
    static void hitEach(CombinationsGame& g, std::initializer_list<int> columns) {
        for (int c : columns)
            ASSERT_NE(g.hit(c).move, CombinationsMove::Refused) << c;
    }
    static void hitEach(CombinationsBoard& b, std::initializer_list<int> columns) {
        for (int c : columns)
            ASSERT_NE(b.hit(c, 1000).move, CombinationsMove::Refused) << c;
    }
};
