// The Twindle window's horizontal layout.

#include "games/pairs/PairsLayout.h"

#include <gtest/gtest.h>

TEST(PairsLayoutTest, TheMinimumWidthGivesTheWorkedPositions) {
    const PairsLayout l = LayOutPairs(9570, 7200);
    const double row1[] = {2197.5, 3232.5, 4267.5, 5302.5, 6337.5};
    const double row2[] = {2715, 3750, 4785, 5820};
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(l.card[size_t(i)], row1[i]);
        EXPECT_DOUBLE_EQ(l.card[size_t(9 + i)], row1[i]);
        EXPECT_DOUBLE_EQ(l.card[size_t(18 + i)], row1[i]);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(l.card[size_t(5 + i)], row2[i]);
        EXPECT_DOUBLE_EQ(l.card[size_t(14 + i)], row2[i]);
    }
    EXPECT_DOUBLE_EQ(l.buttons, 8172.5);
    EXPECT_DOUBLE_EQ(l.score.rectangle, 8172.5);
    EXPECT_DOUBLE_EQ(l.round.rectangle, 8172.5);
    EXPECT_DOUBLE_EQ(l.surface, 8127.5);
    EXPECT_DOUBLE_EQ(l.timerRectangle, 8037.5);
    EXPECT_DOUBLE_EQ(l.pairs.rectangle, 332.5);
    EXPECT_DOUBLE_EQ(l.runs.rectangle, 332.5);
    EXPECT_DOUBLE_EQ(l.stack, 2715);
    EXPECT_DOUBLE_EQ(l.card[23], 3915);
    EXPECT_DOUBLE_EQ(l.cardCount, 885);
    EXPECT_DOUBLE_EQ(l.highScore, 5450);
    EXPECT_DOUBLE_EQ(l.splashLeft, 508.75);
    EXPECT_DOUBLE_EQ(l.splashTop, 1575);
    // The lines of the boxes and the clock.
    EXPECT_DOUBLE_EQ(l.score.sideX, 8172.5 + 1065 - 15);
    EXPECT_DOUBLE_EQ(l.score.bottomX1, 8172.5 + 15);
    EXPECT_DOUBLE_EQ(l.round.bottomX1, 8172.5 + 25);
    EXPECT_DOUBLE_EQ(l.timerSideX, 8127.5 + 1155 + 30);
    EXPECT_DOUBLE_EQ(l.timerBottomX1, 8127.5 - 15);
    EXPECT_DOUBLE_EQ(l.timerBottomX2, 8127.5 - 15 + 1200);
}

TEST(PairsLayoutTest, AtAnyWidthTheBoxesStandEquallyFarFromTheRows) {
    for (double w : {9570.0, 12000.0, 28800.0, 15001.0}) {
        const PairsLayout l = LayOutPairs(w, 9000);
        const double right = l.score.rectangle - (l.card[4] + 1035);
        const double left = l.card[0] - (l.pairs.rectangle + 1065);
        EXPECT_NEAR(right, left, 0.5) << w;
        EXPECT_DOUBLE_EQ(l.card[2] + 1035 / 2.0, w / 2);
    }
}

TEST(PairsLayoutTest, OnlyANormalWindowBelowTheMinimumSnapsBack) {
    EXPECT_TRUE(BelowPairsMinimum(12000, 6000));
    EXPECT_TRUE(BelowPairsMinimum(9569, 9000));
    EXPECT_FALSE(BelowPairsMinimum(9570, 7200));
    EXPECT_DOUBLE_EQ(CentredOn(100, 1065, 65), 600);
}
