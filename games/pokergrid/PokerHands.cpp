#include "games/pokergrid/PokerHands.h"

#include <algorithm>

GridCard ParseGridCard(const QString& code) {
    GridCard c;
    int i = 0;
    const int n = int(code.size());
    while (i < n && code[i] == QLatin1Char(' '))
        ++i;
    int end = n;
    while (end > i && code[end - 1] == QLatin1Char(' '))
        --end;
    int rank = 0;
    int digits = 0;
    for (; i < end && code[i].isDigit() && digits < 3; ++i, ++digits)
        rank = rank * 10 + code[i].digitValue();
    if (digits == 0 || rank < 1 || rank > 13) return c;
    c.rank = uint8_t(rank);
    switch (code[end - 1].unicode()) {
    case 'S':
        c.suit = 0;
        break;
    case 'H':
        c.suit = 1;
        break;
    case 'C':
        c.suit = 2;
        break;
    case 'D':
        c.suit = 3;
        break;
    default:
        break;
    }
    return c;
}

QString PokerHandName(PokerHand hand) {
    static const char* const names[kPokerHandCount] = {
        "Nothing",  "1 Pair",    "2 Pair",      "3 of a kind", "Flush",
        "Straight", "St. Flush", "Royal Flush", "Full House",  "4 of a kind"};
    return QString::fromLatin1(names[int(hand)]);
}

PokerHand EvaluateLine(const GridLine& line) {
    std::array<uint8_t, 5> suits{};
    std::array<uint8_t, 14> ranks{};
    for (const GridCard& c : line) {
        if (c.suit < GridCard::kNoSuit && !c.empty()) ++suits[c.suit];
        if (!c.empty()) ++ranks[c.rank];
    }
    int pairs = 0, trips = 0, fours = 0;
    for (int r = 1; r <= 13; ++r) {
        pairs += ranks[r] == 2;
        trips += ranks[r] == 3;
        fours += ranks[r] == 4;
    }

    PokerHand hand = PokerHand::Nothing;
    if (pairs == 1) hand = PokerHand::OnePair;
    if (pairs == 2) hand = PokerHand::TwoPair;
    if (trips == 1) hand = PokerHand::Trips;
    if (std::find(suits.begin(), suits.begin() + 4, 5) != suits.begin() + 4)
        hand = PokerHand::Flush;

    // A run of five: five different ranks, each one above the last, or ace with ten to king
    // (the ace sorts first). An empty cell sorts first as rank 0 and spoils every run.
    std::array<uint8_t, 5> sorted;
    for (int i = 0; i < 5; ++i)
        sorted[size_t(i)] = line[size_t(i)].rank;
    std::sort(sorted.begin(), sorted.end());
    bool run = sorted[0] != 0;
    for (int i = 1; run && i < 5; ++i)
        run = sorted[size_t(i)] == sorted[size_t(i) - 1] + 1;
    const bool aceHigh = sorted == std::array<uint8_t, 5>{1, 10, 11, 12, 13};
    if (run || aceHigh) {
        if (hand == PokerHand::Flush)
            hand = aceHigh ? PokerHand::RoyalFlush : PokerHand::StraightFlush;
        else
            hand = PokerHand::Straight;
    }

    if (trips == 1 && pairs == 1) hand = PokerHand::FullHouse;
    if (fours == 1) hand = PokerHand::Four;
    return hand;
}

int32_t HandValues::valueOf(PokerHand hand) const {
    switch (hand) {
    case PokerHand::OnePair:
        return PairScore;
    case PokerHand::TwoPair:
        return TwoPairScore;
    case PokerHand::Trips:
        return TripsScore;
    case PokerHand::Flush:
        return FlushScore;
    case PokerHand::Straight:
        return StraightScore;
    case PokerHand::StraightFlush:
        return StraightFlushScore;
    case PokerHand::RoyalFlush:
        return RoyalFlushScore;
    case PokerHand::FullHouse:
        return FullHouseScore;
    case PokerHand::Four:
        return FourScore;
    case PokerHand::Nothing:
        break;
    }
    return 0;
}
