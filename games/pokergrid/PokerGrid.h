#pragma once
// The five-by-five grid of one round, row by row (cell = 5 x row + column, both from 0), and
// its score: the five rows and the five columns are ten poker lines, rows first. The grid
// changes only by placements; the columns are read from a transposed copy.

#include "games/pokergrid/PokerHands.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kGridCells = 25;
inline constexpr int kGridLines = 10; // rows 1-5, then columns 1-5

struct GridScore {
    std::array<PokerHand, kGridLines> hands{}; // all "Nothing" for an empty grid
    int32_t points = 0;                        // the sum of the ten line values
};

class PokerGrid {
  public:
    // The card code in a cell, "" when it is empty.
    const QString& code(int cell) const { return codes_[size_t(cell)]; }
    const GridCard& card(int cell) const { return cards_[size_t(cell)]; }
    bool occupied(int cell) const { return !codes_[size_t(cell)].isEmpty(); }
    bool full() const;
    int filled() const;

    // Puts a card into a cell; the card that was there is lost.
    void place(int cell, const QString& code);
    void clear();

    // Scores the ten lines with these values. The points are kept within 32 bits.
    GridScore score(const HandValues& values) const;

  private:
    std::array<QString, kGridCells> codes_;
    std::array<GridCard, kGridCells> cards_{};
};

// The grid with rows and columns exchanged: cell 5r + c takes cell 5c + r.
std::array<GridCard, kGridCells> Transposed(const std::array<GridCard, kGridCells>& cells);
// Scores a grid of parsed cards (the heavy path, kept free of text).
GridScore ScoreGridCards(const std::array<GridCard, kGridCells>& cells, const HandValues& values);
