// The Twindle board: exposure, matching, selection, the waste pile and the stack.

#include "games/pairs/PairsBoard.h"
#include "PairsTestSupport.h"

using S = PairsSound;
using namespace pairstest;

namespace {
std::vector<S> sounds(std::initializer_list<S> s) {
    return std::vector<S>(s);
}
} // namespace

class PairsBoardTest : public PairsTest {};

TEST_F(PairsBoardTest, RunsAndPairsFollowRankNeighboursWithKingNextToAce) {
    EXPECT_EQ(MatchRanks(13, 12), PairsMatch::Run);
    EXPECT_EQ(MatchRanks(13, 1), PairsMatch::Run);
    EXPECT_EQ(MatchRanks(1, 13), PairsMatch::Run);
    EXPECT_EQ(MatchRanks(1, 2), PairsMatch::Run);
    EXPECT_EQ(MatchRanks(7, 6), PairsMatch::Run);
    EXPECT_EQ(MatchRanks(13, 2), PairsMatch::None);
    EXPECT_EQ(MatchRanks(5, 7), PairsMatch::None);
    EXPECT_EQ(MatchRanks(1, 1), PairsMatch::Pair);
    EXPECT_EQ(MatchRanks(13, 13), PairsMatch::Pair);
}

TEST_F(PairsBoardTest, CoveringFollowsTheRowOverlapRule) {
    // Place i of rows 1 to 4 lies under i+4 and i+5; the ends of five-card rows lie under
    // the one overlapping card below and the end card two rows down.
    const std::map<int, std::vector<int>> ends = {
        {0, {5, 9}}, {4, {8, 13}}, {9, {14, 18}}, {13, {17, 22}}};
    for (int p = 0; p < 18; ++p) {
        const auto end = ends.find(p);
        const std::vector<int> expected =
            end != ends.end() ? end->second : std::vector<int>{p + 4, p + 5};
        EXPECT_EQ(PlacesCovering(p), expected) << "place " << p;
    }
    for (int p = 18; p < 24; ++p)
        EXPECT_TRUE(PlacesCovering(p).empty());
}

TEST_F(PairsBoardTest, DealLaysOutTheDeckInOrder) {
    QStringList deck = layDeck({});
    const char suits[] = "SHCD";
    for (int i = 1; i <= 52; ++i)
        deck[i] = QString(" %1%2").arg((i - 1) % 13 + 1).arg(suits[(i - 1) / 13]);
    PairsBoard b;
    ASSERT_TRUE(b.deal(deck));
    for (int p = 0; p < 23; ++p)
        EXPECT_EQ(b.card(p), deck[p + 1]);
    EXPECT_EQ(b.card(23), deck[24]);
    EXPECT_EQ(b.upStackTop(), 1);
    EXPECT_EQ(b.stackCount(), 28);
    EXPECT_EQ(b.nextStackIndex(), 24);
    for (int n = 1; n <= 28; ++n) {
        b.draw();
        EXPECT_EQ(b.card(23), deck[24 + n]) << "draw " << n;
    }
    for (int p = 18; p < 24; ++p)
        EXPECT_TRUE(b.exposed(p));
    for (int p = 0; p < 18; ++p)
        EXPECT_FALSE(b.exposed(p));
}

TEST_F(PairsBoardTest, AShortOrDamagedDeckDealsNothing) {
    PairsBoard b;
    EXPECT_FALSE(b.deal(QStringList{QString(), " 1S"}));
    QStringList deck = layDeck({{30, "XS"}});
    EXPECT_FALSE(b.deal(deck));
    EXPECT_FALSE(b.present(0));
    EXPECT_FALSE(b.present(23));
}

TEST_F(PairsBoardTest, SelectingDeselectingAndRefusing) {
    PairsBoard b;
    ASSERT_TRUE(b.deal(layDeck({{place(18), " 5S"}, {place(19), " 9H"}})));
    EXPECT_EQ(b.click(18).sounds, sounds({S::Select}));
    EXPECT_EQ(b.selectedIndex(), 18);
    EXPECT_FALSE(b.bordered(18));
    // A covered card: refused, the first stays selected.
    EXPECT_EQ(b.click(3).sounds, sounds({S::Refuse}));
    EXPECT_EQ(b.selectedIndex(), 18);
    // The selected card again: deselected, nothing counted.
    EXPECT_EQ(b.click(18).sounds, sounds({S::Deselect}));
    EXPECT_FALSE(b.selectionActive());
    EXPECT_TRUE(b.bordered(18));
    // A second card that matches neither way ends the selection and is not selected.
    b.click(18);
    const PairsClick miss = b.click(19);
    EXPECT_EQ(miss.sounds, sounds({S::Refuse}));
    EXPECT_EQ(miss.match, PairsMatch::None);
    EXPECT_FALSE(b.selectionActive());
    EXPECT_TRUE(b.present(18));
    EXPECT_TRUE(b.present(19));
    EXPECT_EQ(b.pairsMade() + b.runsMade(), 0);
}

TEST_F(PairsBoardTest, APairOrRunLeavesTheBoardAndUncoversTheCardAbove) {
    PairsBoard b;
    ASSERT_TRUE(b.deal(
        layDeck({{place(18), " 7S"}, {place(19), " 7H"}, {place(20), " 8D"}, {place(21), " 5C"}})));
    EXPECT_FALSE(b.exposed(14));
    b.click(18);
    const PairsClick pair = b.click(19);
    EXPECT_EQ(pair.sounds, sounds({S::Match}));
    EXPECT_EQ(pair.match, PairsMatch::Pair);
    EXPECT_FALSE(b.present(18));
    EXPECT_FALSE(b.present(19));
    EXPECT_TRUE(b.exposed(14));
    EXPECT_EQ(b.pairsMade(), 1);
    // A removed card cannot be clicked at all.
    EXPECT_TRUE(b.click(18).sounds.empty());
    // King (place 22) on a queen would run; king on the 5 of place 21 does not.
    b.click(22);
    EXPECT_EQ(b.click(21).match, PairsMatch::None);
    b.click(20);
    EXPECT_EQ(b.click(22).match, PairsMatch::None);
    EXPECT_EQ(b.runsMade(), 0);
}

TEST_F(PairsBoardTest, TheUpCardPopsTheWasteAndTheLastOneTurnsUpTheStackSilently) {
    PairsBoard b;
    ASSERT_TRUE(b.deal(layDeck({{place(18), " 4S"}, {upCard(), " 3H"}, {stackDraw(1), " 9C"}})));
    b.click(23);
    const PairsClick run = b.click(18);
    EXPECT_EQ(run.match, PairsMatch::Run);
    EXPECT_EQ(run.sounds, sounds({S::Match})); // the turn-up makes no sound
    EXPECT_TRUE(run.turnedUp);
    EXPECT_EQ(b.card(23), " 9C");
    EXPECT_EQ(b.upStackTop(), 1);
    EXPECT_EQ(b.stackCount(), 27);
    EXPECT_EQ(b.stackCount() + b.nextStackIndex(), 52);
}

TEST_F(PairsBoardTest, WithoutAnEmptyPlaceTheOldUpCardWaitsUnderTheNewOne) {
    PairsBoard b;
    ASSERT_TRUE(b.deal(layDeck({{place(18), " 6S"}, {upCard(), " 2H"}, {stackDraw(1), " 6C"}})));
    const PairsDraw d = b.draw();
    EXPECT_EQ(d.sounds, sounds({S::Draw}));
    EXPECT_EQ(d.movedToPlace, -1);
    EXPECT_EQ(b.upStackTop(), 2);
    EXPECT_EQ(b.card(23), " 6C");
    b.click(18);
    b.click(23);
    EXPECT_EQ(b.card(23), " 2H");
    EXPECT_EQ(b.upStackTop(), 1);
    EXPECT_EQ(b.stackCount(), 27);
}

TEST_F(PairsBoardTest, ADrawMovesTheUpCardIntoTheLowestEmptyPlaceWhereItCoversAgain) {
    PairsBoard b;
    ASSERT_TRUE(b.deal(layDeck({{place(18), " 7S"},
                                {place(19), " 7H"},
                                {place(20), " 5D"},
                                {upCard(), " 2H"},
                                {stackDraw(1), " 10C"}})));
    b.click(19);
    b.click(18);
    ASSERT_TRUE(b.exposed(14));
    b.click(20); // a selection is dropped by the draw
    const PairsDraw d = b.draw();
    EXPECT_EQ(d.movedToPlace, 18);
    EXPECT_EQ(b.card(18), " 2H");
    EXPECT_FALSE(b.exposed(14));
    EXPECT_FALSE(b.selectionActive());
    EXPECT_EQ(b.card(23), " 10C");
    EXPECT_EQ(b.upStackTop(), 1);
}

TEST_F(PairsBoardTest, TheStackPictureFollowsTheDrawsAndAThirtiethClickOnlyRefuses) {
    PairsBoard b;
    ASSERT_TRUE(b.deal(layDeck({})));
    for (int n = 1; n <= 28; ++n) {
        const PairsDraw d = b.draw();
        const char* expected = n <= 3    ? ""
                               : n <= 10 ? "FULL"
                               : n <= 17 ? "HALF"
                               : n <= 27 ? "BACK"
                                         : "EMPTY";
        EXPECT_EQ(d.stackKey, QString(expected)) << "draw " << n;
        EXPECT_EQ(b.stackCount(), 28 - n);
        EXPECT_EQ(b.stackCount() + b.nextStackIndex(), 52);
    }
    EXPECT_EQ(b.upStackTop(), 29);
    const PairsDraw last = b.draw();
    EXPECT_EQ(last.sounds, sounds({S::Refuse}));
    EXPECT_FALSE(last.drew);
    EXPECT_EQ(b.stackCount(), 0);
    EXPECT_EQ(b.stackCount() + b.nextStackIndex(), 52);
}

TEST_F(PairsBoardTest, WithStackAndWasteUsedUpTheUpPlaceIsEmpty) {
    // All sevens: the up card pairs with any exposed layout card, and a draw moves the up card
    // into an empty place, so the stack and the waste can both be played out.
    QStringList deck = layDeck({});
    for (int i = 1; i <= 52; ++i)
        deck[i] = " 7S";
    PairsBoard b;
    ASSERT_TRUE(b.deal(deck));
    for (int guard = 0; guard < 200 && (b.present(23) || b.stackCount() > 0); ++guard) {
        int partner = -1;
        for (int p = 22; p >= 0 && partner < 0; --p)
            if (b.present(p) && b.exposed(p)) partner = p;
        if (b.present(23) && partner >= 0) {
            b.click(23);
            ASSERT_EQ(b.click(partner).match, PairsMatch::Pair);
        } else {
            ASSERT_TRUE(b.draw().drew);
        }
        EXPECT_EQ(b.stackCount() + b.nextStackIndex(), 52);
    }
    EXPECT_EQ(b.stackCount(), 0);
    EXPECT_EQ(b.upStackTop(), 0);
    EXPECT_FALSE(b.present(23));
    EXPECT_TRUE(b.card(23).isEmpty());
    EXPECT_FALSE(b.bordered(23));
    EXPECT_EQ(b.click(23).sounds, sounds({S::Refuse}));
    EXPECT_EQ(b.draw().sounds, sounds({S::Refuse}));
}

TEST_F(PairsBoardTest, ClearingTheTopRowCompletesTheRoundAtOnce) {
    std::map<int, QString> at;
    for (int pos = 1; pos <= 52; ++pos)
        at[pos] = " 7S";
    PairsBoard b;
    ASSERT_TRUE(b.deal(layDeck(at)));
    int clicks = 0;
    bool completed = false;
    while (!completed && clicks < 100) {
        std::vector<int> open;
        for (int p = 0; p < 24; ++p)
            if (b.present(p) && b.exposed(p)) open.push_back(p);
        ASSERT_GE(open.size(), 2u);
        b.click(open[open.size() - 1]);
        const PairsClick r = b.click(open[open.size() - 2]);
        ASSERT_EQ(r.match, PairsMatch::Pair);
        completed = r.topRowCleared;
        EXPECT_EQ(completed, b.topRowCleared());
        ++clicks;
    }
    EXPECT_TRUE(completed);
    for (int p = 0; p < 5; ++p)
        EXPECT_FALSE(b.present(p));
}
