#pragma once
// Common ground for the Twindle tests: the program-wide state saved and restored around each
// test, a temporary program folder, and decks laid out card by card.

#include "../LaidOutDeck.h"
#include "games/pairs/PairsGame.h"
#include "games/pairs/PairsSettings.h"
#include "services/Random.h"
#include "services/SharedState.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <utility>

namespace pairstest {
// A 52-card deck, all kings of spades unless placed otherwise. Layout place p is deck
// position p + 1, the up card position 24, and stack draw n is position 24 + n.
inline QStringList layDeck(const std::map<int, QString>& at) {
    return LaidOutDeck(at, QStringLiteral(" 13S"));
}
constexpr int place(int p) {
    return p + 1;
}
constexpr int upCard() {
    return 24;
}
constexpr int stackDraw(int n) {
    return 24 + n;
}
} // namespace pairstest

inline int RankOf(const QString& code) {
    return code.trimmed().chopped(1).toInt();
}

// The first two exposed cards that make a pair or a run, or {-1, -1}: the test player's move.
inline std::pair<int, int> FindPairsMove(const PairsBoard& b) {
    for (int i = 0; i < kBoardPlaces; ++i)
        for (int j = i + 1; j < kBoardPlaces; ++j)
            if (b.present(i) && b.present(j) && b.exposed(i) && b.exposed(j) &&
                MatchRanks(RankOf(b.card(i)), RankOf(b.card(j))) != PairsMatch::None)
                return {i, j};
    return {-1, -1};
}

// Plays the round dealt by the test player's moves, drawing when there is none. True when
// the top row was cleared.
inline bool PlayOutRound(PairsGame& g) {
    for (int guard = 0; guard < 200; ++guard) {
        const auto [a, b] = FindPairsMove(g.board());
        if (a < 0) {
            if (!g.clickStack().drew) return false;
            continue;
        }
        g.click(a);
        if (g.click(b).topRowCleared) return true;
    }
    return false;
}

// A seed whose first deal the test player clears; 0 when none is found.
inline uint32_t ClearingSeed() {
    for (uint32_t seed = 1; seed < 2000; ++seed) {
        SeedRandom(seed);
        PairsGame g;
        if (g.play() && PlayOutRound(g)) return seed;
    }
    return 0;
}

class PairsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved_ = Shared();
        savedOptions_ = PairsOptions();
        ASSERT_TRUE(dir_.isValid());
        Shared() = SharedState{};
        Shared().ProgramFolder = dir_.path() + "/";
        Shared().GameTitle = "Twindle!";
        ResetPairsLoadDefaults();
    }
    void TearDown() override {
        Shared() = saved_;
        PairsOptions() = savedOptions_;
    }

    QString folder() const { return dir_.path() + "/"; }

  private:
    QTemporaryDir dir_;
    SharedState saved_;
    PairsSettings savedOptions_;
};
