#include "games/eights/EightsSettingsFile.h"
#include "EightsTestSupport.h"

#include <QFile>

namespace {
const QByteArray kFirstRun =
    "[Play Sounds]\r\nTrue\r\n\r\n[Play Music]\r\nFalse\r\n\r\n[Deck]\r\n1\r\n\r\n"
    "[Bonus Score]\r\n5000000\r\n\r\n[Eights CompleteBonus]\r\n50000\r\n\r\n"
    "[Time Bonus]\r\n100\r\n\r\n[Count Down]\r\nTrue\r\n\r\n[Time]\r\n90\r\n\r\n"
    "[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n";

struct Seen {
    std::vector<int> times, designs;
    bool sounds = true, music = true;
};

EightsSettingsHandlers handlers(Seen& seen) {
    EightsSettingsHandlers h;
    h.timeLimit = [&seen](int s) { seen.times.push_back(s); };
    h.deckDesign = [&seen](int d) { seen.designs.push_back(d); };
    h.sounds = [&seen](bool on) { seen.sounds = on; };
    h.music = [&seen](bool on) { seen.music = on; };
    return h;
}

void apply(const QByteArray& text, Seen& seen) {
    EightsSettingsReader(handlers(seen)).apply(text);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class EightsSettingsFileTest : public EightsTest {};

TEST_F(EightsSettingsFileTest, FirstRunWritesTheDefaultsByteForByte) {
    Seen seen;
    ASSERT_TRUE(
        EightsSettingsReader(handlers(seen)).load(EightsSettingsPath(), EightsSettingsBlocks({})));
    EXPECT_EQ(readFile(folder() + "Eights.Ini"), kFirstRun);
    EXPECT_EQ(seen.times, std::vector<int>{90});
    EXPECT_EQ(seen.designs, std::vector<int>{1});
    EXPECT_TRUE(seen.sounds);
    EXPECT_FALSE(seen.music);
}

TEST_F(EightsSettingsFileTest, TheCurrentValuesAreWrittenAndAMaximisedWindowAsDesigned) {
    SharedState& s = Shared();
    s.SoundsOn = false;
    s.MusicOn = true;
    s.DeckDesign = 3;
    s.BonusScore = 123;
    EightsOptions().EightsCompleteBonus = 0;
    s.TimeBonus = 10000;
    s.CountDownScore = false;
    s.TimeLimit = 120;
    ASSERT_TRUE(WriteEightsSettings(CurrentEightsSettings({WindowNormal, 12000, 9000})));
    EXPECT_EQ(readFile(folder() + "Eights.Ini"),
              "[Play Sounds]\r\nFalse\r\n\r\n[Play Music]\r\nTrue\r\n\r\n[Deck]\r\n3\r\n\r\n"
              "[Bonus Score]\r\n123\r\n\r\n[Eights CompleteBonus]\r\n0\r\n\r\n"
              "[Time Bonus]\r\n10000\r\n\r\n[Count Down]\r\nFalse\r\n\r\n[Time]\r\n120\r\n\r\n"
              "[Width]\r\n12000\r\n\r\n[Height]\r\n9000\r\n\r\n");
    const QByteArray maximised =
        EightsSettingsBlocks(CurrentEightsSettings({WindowMaximised, 20000, 15000})).text();
    EXPECT_TRUE(maximised.endsWith("[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n"));
}

TEST_F(EightsSettingsFileTest, StoredValuesComeBack) {
    Seen seen;
    apply("[Deck]\r\n4\r\n\r\n[Time]\r\n105\r\n\r\n[Bonus Score]\r\n0\r\n\r\n"
          "[Eights CompleteBonus]\r\n2000000\r\n\r\n[Time Bonus]\r\n1\r\n\r\n"
          "[Count Down]\r\nFalse\r\n\r\n[Play Sounds]\r\nTrue\r\n\r\n"
          "[Play Music]\r\nTrue\r\n\r\n",
          seen);
    const SharedState& s = Shared();
    EXPECT_EQ(seen.designs, std::vector<int>{4});
    EXPECT_EQ(seen.times, std::vector<int>{105});
    EXPECT_EQ(s.BonusScore, 0);
    EXPECT_EQ(EightsOptions().EightsCompleteBonus, 2000000);
    EXPECT_EQ(s.TimeBonus, 1);
    EXPECT_FALSE(s.CountDownScore);
    EXPECT_TRUE(s.MusicOn);
    EXPECT_TRUE(seen.music);
}

TEST_F(EightsSettingsFileTest, BadValuesKeepTheirDefaults) {
    Seen seen;
    apply("[Time]\r\n100\r\n\r\n[Deck]\r\n5\r\n\r\n"
          "[Play Sounds]\r\ntrue\r\n\r\n[Bonus Score]\r\n100000001\r\n\r\n"
          "[Time Bonus]\r\n-100\r\n\r\n[Eights CompleteBonus]\r\nlots\r\n\r\n"
          "[Count Down]\r\nNo\r\n\r\n[State]\r\n1\r\n\r\n"
          "[Bonus Score]",
          seen);
    const SharedState& s = Shared();
    // Times and designs no item offers give the default item.
    EXPECT_EQ(seen.times, std::vector<int>{90});
    EXPECT_EQ(seen.designs, std::vector<int>{1});
    EXPECT_FALSE(s.SoundsOn);
    EXPECT_FALSE(seen.sounds);
    EXPECT_EQ(s.BonusScore, 5000000);
    EXPECT_EQ(s.TimeBonus, 100); // a negative time bonus would take points away
    EXPECT_EQ(EightsOptions().EightsCompleteBonus, 50000);
    EXPECT_TRUE(s.CountDownScore);
}

TEST_F(EightsSettingsFileTest, ALaterKeyWins) {
    Seen seen;
    apply("[Time]\r\n60\r\n\r\n[Time]\r\n75\r\n\r\n[Count Down]\r\nFalse\r\n\r\n", seen);
    EXPECT_EQ(seen.times, (std::vector<int>{60, 75}));
    EXPECT_FALSE(Shared().CountDownScore);
    apply("[Count Down]\r\nTrue\r\n\r\n", seen);
    EXPECT_TRUE(Shared().CountDownScore);
}

TEST_F(EightsSettingsFileTest, CustomScoringFollowsTheThreeValuesOnly) {
    EXPECT_FALSE(EightsScoringIsCustom());
    Shared().CountDownScore = false;
    EXPECT_FALSE(EightsScoringIsCustom());
    Shared().TimeBonus = 101;
    EXPECT_TRUE(EightsScoringIsCustom());
    Shared().TimeBonus = 100;
    EightsOptions().EightsCompleteBonus = 49999;
    EXPECT_TRUE(EightsScoringIsCustom());
    EightsOptions().EightsCompleteBonus = 50000;
    Shared().BonusScore = 1;
    EXPECT_TRUE(EightsScoringIsCustom());
    Shared().BonusScore = 5000000;
    EXPECT_FALSE(EightsScoringIsCustom());
    EXPECT_EQ(EightsBonusGoalText(), "Make 5,000,000 for bonus round.  ");
}
