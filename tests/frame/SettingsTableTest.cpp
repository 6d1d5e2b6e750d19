// A table whose file spreads the window's blocks between its own keys writes each in place,
// and a hook runs only for the keys the file holds.
#include "frame/SettingsTable.h"

#include <gtest/gtest.h>

TEST(SettingsTableTest, SpreadWindowBlocksAndHooks) {
    int32_t colour = 0;
    bool mode = false;
    const SettingsTable t({SettingNumber("[Colour]", colour, 1, 0, 5), WindowBlock(kStateKey),
                           SettingFlag("[Mode]", mode, true), WindowBlock(kWidthKey),
                           WindowBlock(kHeightKey)},
                          QSize(9540, 7200), "Spread.Ini");
    t.resetDefaults();
    EXPECT_EQ(t.file({WindowMaximised, 100, 100}).text(),
              QByteArray("[Colour]\r\n1\r\n\r\n[State]\r\n2\r\n\r\n[Mode]\r\nTrue\r\n\r\n"
                         "[Width]\r\n9540\r\n\r\n[Height]\r\n7200\r\n\r\n"));
    std::vector<int32_t> seen;
    t.apply("[Colour]\r\n9\r\n[State]\r\n1\r\n",
            {{"[Colour]", [&seen](int32_t v) { seen.push_back(v); }},
             {"[Mode]", [&seen](int32_t v) { seen.push_back(100 + v); }}});
    EXPECT_EQ(seen, std::vector<int32_t>{1}); // 9 is out of range: the default, and no [Mode]
    EXPECT_TRUE(mode);
}
