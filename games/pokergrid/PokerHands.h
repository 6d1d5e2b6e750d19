#pragma once
// Naming and valuing one line of five grid cells as a poker hand. A line may hold empty
// cells: they count in no rank and no suit, and a line with one is never a flush, straight
// or full house.

#include <QString>
#include <array>
#include <cstdint>

// A card as the evaluator sees it: rank 1 to 13 (ace 1, king 13) and suit 0 to 3; rank 0 is
// an empty cell (or any text without a valid rank), suit kNoSuit counts in no suit.
struct GridCard {
    static constexpr uint8_t kNoSuit = 4;
    uint8_t rank = 0;
    uint8_t suit = kNoSuit;
    bool empty() const { return rank == 0; }
};
// " 10H", "10H" -> rank 10, hearts; "" or damaged text -> an empty cell.
GridCard ParseGridCard(const QString& code);

using GridLine = std::array<GridCard, 5>;

// In the order the evaluator tries them; a later rule that applies wins.
enum class PokerHand : uint8_t {
    Nothing,
    OnePair,
    TwoPair,
    Trips,
    Flush,
    Straight,
    StraightFlush,
    RoyalFlush,
    FullHouse,
    Four,
};
inline constexpr int kPokerHandCount = 10;

// The hand's name, as the hand labels show it ("1 Pair", "St. Flush", ...).
QString PokerHandName(PokerHand hand);

PokerHand EvaluateLine(const GridLine& line);

// Points per hand; "Nothing" is worth nothing.
struct HandValues {
    int32_t PairScore = 50;
    int32_t TwoPairScore = 70;
    int32_t TripsScore = 80;
    int32_t StraightScore = 90;
    int32_t FlushScore = 100;
    int32_t FullHouseScore = 200;
    int32_t FourScore = 300;
    int32_t StraightFlushScore = 400;
    int32_t RoyalFlushScore = 500;

    int32_t valueOf(PokerHand hand) const;
    bool operator==(const HandValues&) const = default;
};
