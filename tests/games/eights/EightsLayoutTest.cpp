#include "games/eights/EightsLayout.h"

#include <gtest/gtest.h>

namespace {
const std::map<QString, QSize> kLabels = {
    {"lblTime", {600, 195}},       {"lblScore", {570, 195}},          {"lblRound", {630, 195}},
    {"lblTotalScore", {150, 195}}, {"lblCurrentRound", {120, 240}},   {"lbl100(1)", {300, 195}},
    {"lbl100(2)", {300, 195}},     {"lbl100(3)", {300, 195}},         {"lblMessage", {3000, 435}},
    {"lblCardCount", {1900, 195}}, {"lblCurrentGameTime", {240, 195}}};
} // namespace

TEST(EightsLayoutTest, AtTheDesignSize) {
    const EightsLayout l = LayOutEights(9540, 7305, kLabels);
    const int lefts[5] = {2820, 4020, 5220, 6420, 7620};
    for (int i = 1; i <= 5; ++i) {
        const QRect spot = l.rect(QString("imgPlayCard(%1)").arg(i));
        EXPECT_EQ(spot.left(), lefts[i - 1]) << i;
        EXPECT_EQ(spot.top(), 4276) << i; // 7305 x 4320 / 7380, above the designed 4320
        EXPECT_EQ(spot.size(), QSize(1065, 1440));
        EXPECT_EQ(l.rect(QString("FieldSelectionRectangle(%1)").arg(i)).topLeft(), spot.topLeft());
    }
    for (int i = 1; i <= 3; ++i) {
        const QRect upper = l.rect(QString("imgUpperCard(%1)").arg(i));
        EXPECT_EQ(upper.left(), lefts[i - 1]);
        EXPECT_EQ(upper.top(), 2138); // 7305 x 2160 / 7380
        // The spot value stands 50 twips over its spot, centred.
        const QRect value = l.rect(QString("lbl100(%1)").arg(i));
        EXPECT_EQ(value.left(), lefts[i - 1] + 1065 / 2 - 150 + 1);
        EXPECT_EQ(value.bottom() + 1, 2138 - 50);
    }
    EXPECT_EQ(l.rect("DeckCards").topLeft(), QPoint(1140, 4276));
    for (const char* b : {"cmdPlay", "cmdPause", "cmdExit"})
        EXPECT_EQ(l.rect(b).left(), 8040) << b;
    EXPECT_EQ(l.rect("cmdPause").top() - l.rect("cmdPlay").top(), 555);
    EXPECT_EQ(l.rect("cmdPlay").top(), l.rect("lblTime").top());

    // The clock over the middle upper spot, its frame and bevels round it.
    const QRect surface = l.rect("Surface");
    EXPECT_EQ(surface.left(), 4020 + 1065 / 2 - 1155 / 2);
    EXPECT_EQ(surface.top(), 356); // 7305 x 360 / 7380
    EXPECT_EQ(l.rect("TimerRectangle").topLeft(), surface.topLeft() - QPoint(90, 30));
    EXPECT_EQ(l.lines.at("TimerBevelSide").x1(), surface.left() + 1155 + 30);
    // The move timer spans the upper spots, midway between the rows.
    const QRect bar = l.rect("ProgressBar1");
    EXPECT_EQ(bar.left(), 2820);
    EXPECT_EQ(bar.width(), 5220 + 1065 - 2820);
    const int gapMiddle = (2138 + 1440 + 4276) / 2;
    EXPECT_NEAR(bar.top() + 135 / 2.0, gapMiddle, 1);
    EXPECT_EQ(l.rect("lblCurrentGameTime").left(), bar.left() + bar.width() + 150);
    EXPECT_EQ(l.rect("lblHighScore").left(), l.rect("lblCurrentGameTime").left());

    // The score box left of the upper spots, the round box right, level with the clock.
    EXPECT_EQ(l.rect("ScoreRectangle").left(), 2820 - 1065);
    EXPECT_EQ(l.rect("RoundRectangle").left(), 5220 + 1065);
    EXPECT_EQ(l.rect("RoundRectangle").top(), l.rect("ScoreRectangle").top());
    EXPECT_NEAR(l.rect("RoundRectangle").center().y(), surface.center().y(), 1);
    const QPoint off = l.rect("lblTotalScore").center() - l.rect("ScoreRectangle").center();
    EXPECT_LE(off.manhattanLength(), 1);
    EXPECT_EQ(l.rect("frmSplash").topLeft(), QPoint(9540 / 2 - 3540, 7305 / 2 - 2025 + 1));
}

TEST(EightsLayoutTest, MaximisedSpreadsPositionsNotSizes) {
    const EightsLayout small = LayOutEights(9540, 7305, kLabels);
    const EightsLayout big = LayOutEights(19080, 14760, kLabels);
    EXPECT_EQ(big.rect("imgPlayCard(5)").left(), 15240);
    EXPECT_EQ(big.rect("imgPlayCard(5)").top(), 8640);
    EXPECT_EQ(big.rect("DeckCards").left(), 2280);
    EXPECT_EQ(big.rect("cmdExit").left(), 16080);
    for (const char* name : {"imgPlayCard(1)", "DeckCards", "cmdPlay", "Surface", "lblMessage"})
        EXPECT_EQ(big.rect(name).size(), small.rect(name).size()) << name;
    EXPECT_EQ(big.rect("ProgressBar1").width(), 10440 + 1065 - 5640);
}
