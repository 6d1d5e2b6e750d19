#pragma once
// Full grids of distinct cards drawn from shuffled decks, for timing the scoring.

#include "games/pokergrid/PokerGrid.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

inline std::vector<std::array<GridCard, kGridCells>> RandomFullGrids(size_t count, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<std::array<GridCard, kGridCells>> grids(count);
    for (auto& cells : grids) {
        std::array<int, 52> deck;
        for (int i = 0; i < 52; ++i)
            deck[size_t(i)] = i;
        std::shuffle(deck.begin(), deck.end(), gen);
        for (int i = 0; i < kGridCells; ++i)
            cells[size_t(i)] =
                GridCard{uint8_t(deck[size_t(i)] % 13 + 1), uint8_t(deck[size_t(i)] / 13)};
    }
    return grids;
}
