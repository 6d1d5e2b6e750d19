#include "services/SettingsFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsFile, BlocksAndFinalEmptyLine) {
    SettingsFile f;
    f.addNumber("[Time]", 45).addFlag("[Sound]", false).add("[Name]", "x");
    EXPECT_EQ(f.text(), "[Time]\r\n45\r\n\r\n[Sound]\r\nFalse\r\n\r\n[Name]\r\nx\r\n\r\n");
}

TEST(SettingsFile, MissingFileWrittenWithDefaultsThenRead) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Game.Ini";
    SettingsFile defaults;
    defaults.addNumber("[Time]", 45).addNumber("[Other]", -3);
    std::vector<std::pair<QString, QString>> seen;
    auto onValue = [&](const QString& k, const QString& v) { seen.emplace_back(k, v); };
    ASSERT_TRUE(LoadSettingsFile(path, defaults, {"[Time]", "[Other]"}, onValue));
    EXPECT_EQ(seen,
              (std::vector<std::pair<QString, QString>>{{"[Time]", "45"}, {"[Other]", "-3"}}));

    // A folder that cannot be written: nothing is reported and nothing read.
    seen.clear();
    EXPECT_FALSE(LoadSettingsFile(dir.path() + "/no/such/Game.Ini", defaults, {"[Time]"}, onValue));
    EXPECT_TRUE(seen.empty());
}

TEST(SettingsFile, WholeNumbers) {
    EXPECT_EQ(SettingsWholeNumber("12"), 12);
    EXPECT_EQ(SettingsWholeNumber(" 12.5 "), 12);
    EXPECT_EQ(SettingsWholeNumber("13.5"), 14);
    EXPECT_EQ(SettingsWholeNumber("-3"), -3);
    EXPECT_FALSE(SettingsWholeNumber("abc"));
    EXPECT_FALSE(SettingsWholeNumber(""));
    EXPECT_FALSE(SettingsWholeNumber("1e20"));
    EXPECT_FALSE(SettingsWholeNumber("nan"));
    EXPECT_EQ(SettingsTextIndex("90", {30, 60, 90}), 2);
    EXPECT_EQ(SettingsTextIndex("090", {30, 60, 90}), -1);
}
