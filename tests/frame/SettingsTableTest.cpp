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

TEST(SettingsTableTest, ARowThatKeepsItsValueOnABadOnePassesItOver) {
    int32_t colour = 0;
    int32_t goal = 0;
    const SettingsTable t({SettingChoice("[Colour]", colour, 1, {0, 1, 2, 3}).keepOnBadValue(),
                           SettingNumber("[Goal]", goal, 11, 10, 15).keepOnBadValue()},
                          QSize(9540, 7200), "Keep.Ini");
    t.resetDefaults();
    std::vector<int32_t> seen;
    const SettingsHooks hooks = {{"[Colour]", [&seen](int32_t v) { seen.push_back(v); }},
                                 {"[Goal]", [&seen](int32_t v) { seen.push_back(v); }}};
    t.apply("[Colour]\r\n3\r\n[Colour]\r\n7\r\n[Colour]\r\n02\r\n[Goal]\r\n12\r\n[Goal]\r\n16\r\n",
            hooks);
    EXPECT_EQ(colour, 3); // the later bad values leave the good one
    EXPECT_EQ(goal, 12);
    EXPECT_EQ(seen, (std::vector<int32_t>{3, 12}));
}

TEST(SettingsTableTest, AValueOfOneModeCountsTowardTheCustomMarkOnlyInThatMode) {
    int32_t classic = 0;
    int32_t enhanced = 0;
    bool mode = false;
    const SettingsTable t(
        {SettingNumber("[Classic]", classic, 1500, 1, 9999).countsWhile("[Enhanced Mode]", false),
         SettingNumber("[Enhanced]", enhanced, 1000, 1, 9999).countsWhile("[Enhanced Mode]", true),
         SettingFlag("[Enhanced Mode]", mode, true)},
        QSize(9540, 7200), "Modes.Ini");
    t.resetDefaults();
    classic = 1600;
    EXPECT_FALSE(t.isCustom());
    mode = false;
    EXPECT_TRUE(t.isCustom());
    classic = 1500;
    enhanced = 1200;
    EXPECT_FALSE(t.isCustom());
}

TEST(SettingsTableTest, ARepeatedBlockIsWrittenTwiceAndEachOccurrenceReadOnce) {
    int32_t topic = 0;
    const SettingRow first = SettingChoice("[Topic]", topic, 0, {0, 1, 2}).keepOnBadValue();
    const SettingsTable t({first, WindowBlock(kStateKey), first}, QSize(9570, 7200), "Twice.Ini");
    topic = 2;
    EXPECT_EQ(t.file({WindowNormal, 100, 100}).text(),
              QByteArray("[Topic]\r\n2\r\n\r\n[State]\r\n0\r\n\r\n[Topic]\r\n2\r\n\r\n"));
    std::vector<int32_t> seen;
    t.apply("[Topic]\r\n1\r\n[Topic]\r\n9\r\n",
            {{"[Topic]", [&seen](int32_t v) { seen.push_back(v); }}});
    EXPECT_EQ(seen, std::vector<int32_t>{1});
    EXPECT_EQ(topic, 1);
}
