#include "services/TwentyOneColumn.h"

#include <gtest/gtest.h>

namespace {
TwentyOneColumn columnOf(std::initializer_list<const char*> codes) {
    TwentyOneColumn c;
    for (const char* code : codes)
        c.add(code);
    return c;
}
} // namespace

TEST(TwentyOneColumn, CardsAreWorthTheirRankUpToTen) {
    EXPECT_EQ(TwentyOneCardValue(" 1S"), 1);
    EXPECT_EQ(TwentyOneCardValue(" 2H"), 2);
    EXPECT_EQ(TwentyOneCardValue(" 9C"), 9);
    EXPECT_EQ(TwentyOneCardValue(" 10D"), 10);
    EXPECT_EQ(TwentyOneCardValue(" 11S"), 10);
    EXPECT_EQ(TwentyOneCardValue(" 12H"), 10);
    EXPECT_EQ(TwentyOneCardValue("13D"), 10);
    EXPECT_EQ(TwentyOneCardValue(""), 0);
}

TEST(TwentyOneColumn, AnAceIsElevenOnlyWhileTheColumnStaysAtTwentyOne) {
    // Into an empty column: 11 and soft; a second ace then counts 1 and the count stays 1.
    TwentyOneColumn c;
    TwentyOneHit hit = c.add(" 1S");
    EXPECT_EQ(hit.value, 11);
    EXPECT_TRUE(hit.softAce);
    EXPECT_EQ(c.total(), 11);
    EXPECT_EQ(c.softAces(), 1);
    hit = c.add(" 1H");
    EXPECT_EQ(hit.value, 1);
    EXPECT_FALSE(hit.softAce);
    EXPECT_EQ(c.total(), 12);
    EXPECT_EQ(c.softAces(), 1);

    // On 10 the ace makes 21 and is soft; on 11 to 20 it counts 1 and never busts.
    EXPECT_EQ(columnOf({" 13C"}).preview(" 1D").total, 21);
    EXPECT_TRUE(columnOf({" 13C"}).preview(" 1D").softAce);
    for (const auto& start : {columnOf({" 11C", " 1D"}), columnOf({" 13C", " 10D"})}) {
        const TwentyOneHit ace = start.preview(" 1S");
        EXPECT_EQ(ace.value, 1);
        EXPECT_FALSE(ace.softAce);
        EXPECT_FALSE(ace.bust());
    }
    EXPECT_FALSE(columnOf({" 10C", " 5D", " 5H"}).preview(" 1S").softAce);
}

TEST(TwentyOneColumn, ASoftAceGivesBackTenOnceThenTheColumnBusts) {
    // Ace, 9, 5: 11 soft, 20, then 25 over 21 gives back 10 and shows 15, no longer soft.
    TwentyOneColumn c;
    c.add(" 1S");
    EXPECT_EQ(c.add(" 9H").total, 20);
    EXPECT_TRUE(c.soft());
    const TwentyOneHit five = c.add(" 5C");
    EXPECT_TRUE(five.gaveBack);
    EXPECT_FALSE(five.bust());
    EXPECT_EQ(c.total(), 15);
    EXPECT_FALSE(c.soft());
    EXPECT_EQ(c.count(), 3);
    // Now hard: a king busts, and the card stays in the column.
    const TwentyOneHit king = c.add(" 13D");
    EXPECT_TRUE(king.bust());
    EXPECT_FALSE(king.gaveBack);
    EXPECT_EQ(c.total(), 25);
    EXPECT_EQ(c.count(), 4);
}

TEST(TwentyOneColumn, PreviewLeavesTheColumnAndClearEmptiesIt) {
    TwentyOneColumn c = columnOf({" 10S", " 5H"});
    const TwentyOneHit king = c.preview(" 13C");
    EXPECT_TRUE(king.bust());
    EXPECT_EQ(king.total, 25);
    EXPECT_EQ(c.total(), 15);
    EXPECT_EQ(c.count(), 2);

    c = columnOf({" 1S", " 6H"});
    EXPECT_TRUE(c.preview(" 9C").gaveBack);
    EXPECT_EQ(c.softAces(), 1);
    c.clear();
    EXPECT_EQ(c.total(), 0);
    EXPECT_EQ(c.count(), 0);
    EXPECT_FALSE(c.soft());
    EXPECT_EQ(c.add(" 1D").value, 11);
}
