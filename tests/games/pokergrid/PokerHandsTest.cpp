#include "games/pokergrid/PokerHands.h"
#include "RandomGrids.h"
#include "games/pokergrid/PokerGrid.h"

#include <QStringList>
#include <chrono>
#include <gtest/gtest.h>

namespace {
GridLine line(const QStringList& codes) {
    GridLine l;
    for (int i = 0; i < 5; ++i)
        l[size_t(i)] = ParseGridCard(i < codes.size() ? codes[i] : QString());
    return l;
}

QString name(const QStringList& codes) {
    return PokerHandName(EvaluateLine(line(codes)));
}

PokerGrid grid(const QStringList& rows) {
    PokerGrid g;
    int cell = 0;
    for (const QString& row : rows)
        for (const QString& code : row.split(' ', Qt::SkipEmptyParts))
            g.place(cell++, code == "-" ? QString() : code);
    return g;
}
} // namespace

TEST(PokerHands, NamesEveryHandOfAFullLine) {
    EXPECT_EQ(name({"1S", "2H", "3D", "4C", "5S"}), "Straight");
    EXPECT_EQ(name({"4C", "1S", "5S", "3D", "2H"}), "Straight");   // order in the line is free
    EXPECT_EQ(name({"11S", "12H", "13D", "1C", "2S"}), "Nothing"); // the ace is low or high
    EXPECT_EQ(name({"10H", "11H", "12H", "13H", "1H"}), "Royal Flush");
    EXPECT_EQ(name({"9C", "10C", "11C", "12C", "13C"}), "St. Flush");
    EXPECT_EQ(name({"6H", "7H", "8H", "9H", "10H"}), "St. Flush");
    EXPECT_EQ(name({"10S", "11H", "12D", "13C", "1S"}), "Straight");
    EXPECT_EQ(name({"2H", "7H", "9H", "11H", "13H"}), "Flush");
    EXPECT_EQ(name({"13S", "13H", "13D", "4C", "4S"}), "Full House");
    EXPECT_EQ(name({"7S", "7H", "7D", "7C", "2S"}), "4 of a kind");
    EXPECT_EQ(name({"7S", "7H", "7D", "12C", "2S"}), "3 of a kind");
    EXPECT_EQ(name({"7S", "7H", "12D", "12C", "2S"}), "2 Pair");
    EXPECT_EQ(name({"7S", "7H", "12D", "11C", "2S"}), "1 Pair");
    EXPECT_EQ(name({"2S", "4H", "6D", "8C", "10S"}), "Nothing");
}

TEST(PokerHands, LinesWithEmptyCellsScoreOnlyWhatTheirRanksMake) {
    EXPECT_EQ(name({}), "Nothing");
    EXPECT_EQ(name({"1S", "1H"}), "1 Pair");
    EXPECT_EQ(name({"7S", "7H", "7D", "7C"}), "4 of a kind");
    EXPECT_EQ(name({"2H", "3H", "4H", "5H"}), "Nothing"); // no flush, no straight
    EXPECT_EQ(name({"9S", "9H", "9D", "3C"}), "3 of a kind");
    EXPECT_EQ(name({"9S", "9H", "3D", "3C"}), "2 Pair");
    // Text that is no card counts as an empty cell.
    EXPECT_EQ(name({"0S", "14H", "XD", "1C", "1D"}), "1 Pair");
    EXPECT_EQ(name({" 5S ", "5H", "6H", "7H", "8H"}), "1 Pair");
}

TEST(PokerHands, ValuesFollowTheHandNotItsParts) {
    HandValues v;
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"13S", "13H", "13D", "4C", "4S"}))), 200);
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"6H", "7H", "8H", "9H", "10H"}))), 400);
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"10H", "11H", "12H", "13H", "1H"}))), 500);
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"1S", "2H", "3D", "4C", "5S"}))), 90);
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"7S", "7H", "7D", "7C"}))), 300);
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"2S", "4H", "6D", "8C", "10S"}))), 0);
    v.PairScore = 1234;
    EXPECT_EQ(v.valueOf(EvaluateLine(line({"1S", "1H"}))), 1234);
}

TEST(PokerGridScore, FullGridOfRowsAndColumns) {
    const PokerGrid g = grid({"2S 2H 2D 5C 5S", "3S 3H 3D 6C 6S", "4S 4H 4D 7C 7S",
                              "1S 1H 1D 8C 8S", "9S 9H 9D 9C 10S"});
    const GridScore s = g.score(HandValues{});
    EXPECT_EQ(s.points, 1900);
    const QStringList expected = {"Full House",  "Full House", "Full House", "Full House",
                                  "4 of a kind", "Flush",      "Flush",      "Flush",
                                  "St. Flush",   "Flush"};
    for (int i = 0; i < kGridLines; ++i)
        EXPECT_EQ(PokerHandName(s.hands[size_t(i)]), expected[i]) << i;
    // Scoring reads the columns from a copy: the grid is still in row order.
    EXPECT_EQ(g.code(1), "2H");
    EXPECT_EQ(g.code(5), "3S");
}

TEST(PokerGridScore, EmptyGridAndACardInTwoLines) {
    PokerGrid g;
    GridScore s = g.score(HandValues{});
    EXPECT_EQ(s.points, 0);
    for (PokerHand h : s.hands)
        EXPECT_EQ(h, PokerHand::Nothing);
    // Row 2 holds a seven; column 4 holds a seven in row 1: one more seven at row 2,
    // column 4 pairs both lines.
    g.place(5, "7S");
    g.place(3, "7H");
    g.place(8, "7D");
    s = g.score(HandValues{});
    EXPECT_EQ(s.points, 100);
    EXPECT_EQ(s.hands[1], PokerHand::OnePair); // row 2
    EXPECT_EQ(s.hands[8], PokerHand::OnePair); // column 4
    EXPECT_EQ(g.filled(), 3);
    EXPECT_FALSE(g.full());
}

TEST(PokerGridScore, HugeValuesStayWithin32Bits) {
    HandValues v;
    v.FlushScore = 2000000000;
    const PokerGrid g = grid({"2S 2H 2D 5C 5S", "3S 3H 3D 6C 6S", "4S 4H 4D 7C 7S",
                              "1S 1H 1D 8C 8S", "9S 9H 9D 9C 10S"});
    EXPECT_EQ(g.score(v).points, 2147483647);
}

TEST(PokerGridScore, ManyRandomGridsScoreQuickly) {
    const auto grids = RandomFullGrids(1024, 11);
    constexpr int kRuns = 20000;
    const HandValues v;
    int64_t sum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRuns; ++i)
        sum += ScoreGridCards(grids[size_t(i) & 1023], v).points;
    const double us =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GT(sum, 0);
    // Generous for a debug or sanitizer build; the benchmark measures the optimised build.
    EXPECT_LT(us / kRuns, 50.0) << us / kRuns << " us per grid";
}
