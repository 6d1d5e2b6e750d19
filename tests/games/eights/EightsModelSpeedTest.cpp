// The move path under load: 10,000 seeded rounds played by the leftmost legal move.
#include "EightsTestSupport.h"
#include "services/Random.h"

#include <chrono>

class EightsModelSpeed : public EightsTest {};

TEST_F(EightsModelSpeed, TenThousandRoundsByTheLeftmostMove) {
    SeedRandom(2026);
    int moves = 0, completed = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < 10000; ++round) {
        EightsGame g;
        ASSERT_TRUE(g.newGame());
        for (;;) {
            int l = 1, u = 1;
            bool found = false;
            for (l = 1; l <= kLowerSpots && !found; ++l)
                for (u = 1; u <= kUpperSpots && !found; ++u)
                    found = g.board().checkMove(l, u) != MoveCheck::Illegal;
            ASSERT_TRUE(found); // the last move reported the end
            const EightsMove m = play(g, l - 1, u - 1);
            ASSERT_NE(m.check, MoveCheck::Illegal);
            ++moves;
            if (m.roundOver()) {
                completed += m.left == LegalMoves::BoardCleared;
                break;
            }
        }
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("milliseconds", int(ms));
    std::printf("10000 rounds, %d moves, %d decks completed: %.0f ms\n", moves, completed, ms);
    // Every deal moves at least the five dealt cards, at most all 52.
    EXPECT_GE(moves, 10000 * 5);
    EXPECT_LE(moves, 10000 * 52);
}
