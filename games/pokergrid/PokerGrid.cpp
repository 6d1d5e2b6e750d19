#include "games/pokergrid/PokerGrid.h"

#include <algorithm>
#include <limits>

bool PokerGrid::full() const {
    return filled() == kGridCells;
}

int PokerGrid::filled() const {
    return int(
        std::count_if(codes_.begin(), codes_.end(), [](const QString& c) { return !c.isEmpty(); }));
}

void PokerGrid::place(int cell, const QString& code) {
    if (cell < 0 || cell >= kGridCells) return;
    codes_[size_t(cell)] = code;
    cards_[size_t(cell)] = ParseGridCard(code);
}

void PokerGrid::clear() {
    for (QString& c : codes_)
        c.clear();
    cards_.fill(GridCard{});
}

GridScore PokerGrid::score(const HandValues& values) const {
    return ScoreGridCards(cards_, values);
}

std::array<GridCard, kGridCells> Transposed(const std::array<GridCard, kGridCells>& cells) {
    std::array<GridCard, kGridCells> t;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            t[size_t(5 * r + c)] = cells[size_t(5 * c + r)];
    return t;
}

GridScore ScoreGridCards(const std::array<GridCard, kGridCells>& cells, const HandValues& values) {
    GridScore s;
    int64_t points = 0;
    const std::array<GridCard, kGridCells> columns = Transposed(cells);
    for (int line = 0; line < kGridLines; ++line) {
        const auto& source = line < 5 ? cells : columns;
        const size_t first = size_t(5 * (line % 5));
        GridLine l;
        std::copy_n(source.begin() + first, 5, l.begin());
        const PokerHand hand = EvaluateLine(l);
        s.hands[size_t(line)] = hand;
        points += values.valueOf(hand);
    }
    s.points = int32_t(std::clamp<int64_t>(points, std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
    return s;
}
