// The status bar's panel widths: the designed widths where the texts fit, grown for a longer
// text, and given up by the panels with room to spare when the bar is narrow.
#include "frame/StatusPanels.h"

#include <gtest/gtest.h>
#include <numeric>

TEST(StatusPanelWidths, DesignedWidthsGrowForTheirTextsAndShrinkToTheRoomLeft) {
    // Texts that fit keep the designed widths, even with room to spare.
    EXPECT_EQ(StatusPanelWidths({96, 233, 154, 154}, {80, 200, 50, 60}, 1000),
              (std::vector<int>{96, 233, 154, 154}));
    // A longer text widens only its own panel.
    EXPECT_EQ(StatusPanelWidths({96, 233, 154, 154}, {80, 290, 50, 60}, 1000),
              (std::vector<int>{96, 290, 154, 154}));
    // Panels without a designed width are as wide as their texts.
    EXPECT_EQ(StatusPanelWidths({0, 0, 0}, {120, 280, 55}, 1000), (std::vector<int>{120, 280, 55}));

    // Too narrow a bar: the clock and date panels give up their spare room, no panel goes
    // below its text, and together they fill the room exactly.
    const std::vector<int> need{180, 290, 50, 60};
    const std::vector<int> w = StatusPanelWidths({96, 233, 154, 154}, need, 600);
    EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), 600);
    for (size_t i = 0; i < w.size(); ++i)
        EXPECT_GE(w[i], need[i]) << i;
    EXPECT_EQ(w[0], 180);
    EXPECT_EQ(w[1], 290);

    // Narrower than the texts together: every panel at its text, the rest is cut.
    EXPECT_EQ(StatusPanelWidths({96, 233, 154, 154}, need, 500),
              (std::vector<int>{180, 290, 50, 60}));
}
