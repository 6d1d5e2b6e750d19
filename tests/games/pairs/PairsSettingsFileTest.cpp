// "Twindle.Ini": the first-run file, reading back, and values that are damaged or out of range.

#include "games/pairs/PairsSettingsFile.h"
#include "PairsTestSupport.h"

#include <QFile>

namespace {
const QByteArray kFirstRun = "[Play Music]\r\nFalse\r\n\r\n"
                             "[Time]\r\n45\r\n\r\n"
                             "[Play Sounds]\r\nTrue\r\n\r\n"
                             "[Play Music]\r\nFalse\r\n\r\n"
                             "[Count Down Score]\r\nTrue\r\n\r\n"
                             "[Pairs Bonus]\r\n3000\r\n\r\n"
                             "[Runs Bonus]\r\n500\r\n\r\n"
                             "[Time Bonus]\r\n100\r\n\r\n"
                             "[Bonus Score]\r\n80000\r\n\r\n"
                             "[Completion Bonus]\r\n10000\r\n\r\n"
                             "[State]\r\n0\r\n\r\n"
                             "[Width]\r\n9570\r\n\r\n"
                             "[Height]\r\n7200\r\n\r\n"
                             "[Deck]\r\n1\r\n\r\n";

// What the window was asked to do while a file was read.
struct Applied {
    std::vector<int> times;
    std::vector<int> designs;

    PairsSettingsHandlers handlers() {
        PairsSettingsHandlers h;
        h.timeLimit = [this](int s) { times.push_back(s); };
        h.deckDesign = [this](int d) { designs.push_back(d); };
        return h;
    }
};
} // namespace

class PairsSettingsFileTest : public PairsTest {
  protected:
    QByteArray file() const {
        QFile f(folder() + "Twindle.Ini");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(PairsSettingsFileTest, AFirstRunWritesTheDefaultsAndReadsThemBack) {
    Applied a;
    Shared().SoundsOn = false;
    LoadPairsSettings({WindowNormal, 9570, 7200}, a.handlers());
    EXPECT_EQ(file(), kFirstRun);
    EXPECT_EQ(file().size(), 291);
    EXPECT_EQ(a.times, std::vector<int>{45});
    EXPECT_EQ(a.designs, std::vector<int>{1});
    EXPECT_TRUE(Shared().SoundsOn);
    EXPECT_FALSE(Shared().MusicOn);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(PairsOptions().PairsBonus, 3000);
    EXPECT_EQ(PairsOptions().RunsBonus, 500);
    EXPECT_EQ(Shared().TimeBonus, 100);
    EXPECT_EQ(Shared().BonusRoundScore, 80000);
    EXPECT_EQ(PairsOptions().CompletionBonus, 10000);
    EXPECT_FALSE(PairsScoringIsCustom());
}

TEST_F(PairsSettingsFileTest, TheQuitWritesTheValuesInForce) {
    Shared().TimeLimit = 90;
    Shared().MusicOn = true;
    Shared().DeckDesign = 3;
    PairsOptions().PairsBonus = 5000;
    Shared().CountDownScore = false;
    ASSERT_TRUE(WritePairsSettings(CurrentPairsSettings({WindowNormal, 10000, 8000})));
    const QByteArray text = file();
    EXPECT_TRUE(text.startsWith("[Play Music]\r\nTrue\r\n\r\n[Time]\r\n90\r\n"));
    EXPECT_TRUE(text.contains("[Play Sounds]\r\nTrue\r\n\r\n[Play Music]\r\nTrue\r\n"));
    EXPECT_TRUE(text.contains("[Count Down Score]\r\nFalse\r\n"));
    EXPECT_TRUE(text.contains("[Pairs Bonus]\r\n5000\r\n"));
    EXPECT_TRUE(
        text.endsWith("[Width]\r\n10000\r\n\r\n[Height]\r\n8000\r\n\r\n[Deck]\r\n3\r\n\r\n"));
}

TEST_F(PairsSettingsFileTest, AMaximisedWindowStoresTheMinimumAndAMinimisedOneIsNormal) {
    ASSERT_TRUE(WritePairsSettings(CurrentPairsSettings({WindowMaximised, 1920 * 15, 15000})));
    EXPECT_TRUE(file().contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"));
    ASSERT_TRUE(WritePairsSettings(CurrentPairsSettings({WindowMinimised, 9600, 7300})));
    EXPECT_TRUE(file().contains("[State]\r\n0\r\n\r\n[Width]\r\n9600\r\n\r\n[Height]\r\n7300\r\n"));
}

TEST_F(PairsSettingsFileTest, SwitchesAcceptOnlyExactTrueAndTheLaterKeyWins) {
    Applied a;
    ApplyPairsSettingsText("[Play Music]\r\nTrue\r\n\r\n[Play Sounds]\r\ntrue\r\n\r\n"
                           "[Unknown]\r\n7\r\n\r\n[Play Music]\r\nFalse\r\n\r\n"
                           "[Count Down Score]\r\nTRUE\r\n",
                           a.handlers());
    EXPECT_FALSE(Shared().MusicOn);
    EXPECT_FALSE(Shared().SoundsOn);
    EXPECT_FALSE(Shared().CountDownScore);
}

TEST_F(PairsSettingsFileTest, EachBadValueKeepsItsOwnDefaultAndTheReadingGoesOn) {
    PairsOptions().PairsBonus = 1;
    Applied a;
    ApplyPairsSettingsText("[Pairs Bonus]\r\n-5\r\n\r\n"
                           "[Runs Bonus]\r\nlots\r\n\r\n"
                           "[Time Bonus]\r\n999999\r\n\r\n"
                           "[Bonus Score]\r\n200000\r\n\r\n"
                           "[Completion Bonus]\r\n99999999999\r\n\r\n"
                           "[Time]\r\n100\r\n\r\n"
                           "[Deck]\r\n5\r\n\r\n"
                           "[Play Sounds]\r\nFalse\r\n",
                           a.handlers());
    EXPECT_EQ(PairsOptions().PairsBonus, 3000);
    EXPECT_EQ(PairsOptions().RunsBonus, 500);
    EXPECT_EQ(Shared().TimeBonus, 100);
    EXPECT_EQ(Shared().BonusRoundScore, 200000); // the top of its range is accepted
    EXPECT_EQ(PairsOptions().CompletionBonus, 10000);
    // No offered limit or design: the default item.
    EXPECT_EQ(a.times, std::vector<int>{45});
    EXPECT_EQ(a.designs, std::vector<int>{1});
    EXPECT_FALSE(Shared().SoundsOn);
    EXPECT_TRUE(PairsScoringIsCustom());
}

TEST_F(PairsSettingsFileTest, MissingTruncatedOrBinaryFilesLeaveTheDefaults) {
    Applied a;
    ApplyPairsSettingsText("[Time]\r\n60\r\n\r\n[Pairs Bonus]", a.handlers());
    EXPECT_EQ(a.times, std::vector<int>{60});
    EXPECT_EQ(PairsOptions().PairsBonus, 3000);
    Applied b;
    ApplyPairsSettingsText(QByteArray("\x00\xff\x01[Deck\r\n", 9), b.handlers());
    EXPECT_EQ(b.times, std::vector<int>{45}); // no "[Time]": the default item
    EXPECT_TRUE(b.designs.empty());
}
