#include "games/towers/TowersSettingsFile.h"
#include "TowersTestSupport.h"

using namespace towerstest;

namespace {
const QByteArray kFirstRun = "[Play Music]\r\nFalse\r\n\r\n"
                             "[Time]\r\n45\r\n\r\n"
                             "[Play Sounds]\r\nTrue\r\n\r\n"
                             "[Hi Run]\r\n0\r\n\r\n"
                             "[Card Bonus]\r\n100\r\n\r\n"
                             "[Bonus Score]\r\n40000\r\n\r\n"
                             "[Tower Bonus]\r\n5000\r\n\r\n"
                             "[High Run Bonus]\r\n1000\r\n\r\n"
                             "[Count Down Score]\r\nTrue\r\n\r\n"
                             "[Time Bonus]\r\n100\r\n\r\n"
                             "[State]\r\n0\r\n\r\n"
                             "[Width]\r\n9570\r\n\r\n"
                             "[Height]\r\n7200\r\n\r\n"
                             "[Deck]\r\n1\r\n\r\n";

// What the window's handlers were asked to do.
struct Calls {
    std::vector<int> times, designs, runs;
    SettingsReader reader() {
        TowersSettingsHandlers h;
        h.timeLimit = [this](int s) { times.push_back(s); };
        h.deckDesign = [this](int d) { designs.push_back(d); };
        h.highRun = [this](int r) { runs.push_back(r); };
        SettingsReader r;
        AddTowersKeys(r, h);
        return r;
    }
    void apply(const QByteArray& text) { reader().apply(text); }
};

using TowersSettingsFileTest = TowersTest;
} // namespace

TEST_F(TowersSettingsFileTest, FirstRunWritesTheDefaultsByteForByte) {
    Calls calls;
    const WindowGeometry window{WindowNormal, 9570, 7200};
    ASSERT_TRUE(calls.reader().load(TowersSettingsPath(),
                                    TowersSettingsBlocks(DefaultTowersSettings(window))));
    const QByteArray written = box.read("Crestal.Ini");
    EXPECT_EQ(written, kFirstRun);
    EXPECT_EQ(written.size(), 280);
    EXPECT_EQ(calls.times, std::vector<int>{45});
    EXPECT_EQ(calls.designs, std::vector<int>{1});
    EXPECT_FALSE(TowersScoringIsCustom());
}

TEST_F(TowersSettingsFileTest, StoredValuesAreApplied) {
    Calls calls;
    calls.apply("[Deck]\r\n3\r\n[Extra]\r\n5\r\n\r\n[Time]\r\n90\r\n[Hi Run]\r\n14\r\n"
                "[Card Bonus]\r\n250\r\n[Bonus Score]\r\n0\r\n[Tower Bonus]\r\n7\r\n"
                "[High Run Bonus]\r\n32767\r\n[Time Bonus]\r\n0\r\n"
                "[Count Down Score]\r\nFalse\r\n[Play Music]\r\nTrue\r\n"
                "[Play Sounds]\r\ntrue\r\n[Width]\r\n12000\r\n[Height]\r\n8000\r\n");
    const SharedState& s = Shared();
    const TowersSettings& o = TowersOptions();
    EXPECT_EQ(calls.designs, std::vector<int>{3});
    EXPECT_EQ(calls.times, std::vector<int>{90});
    EXPECT_EQ(calls.runs, std::vector<int>{14});
    EXPECT_EQ(o.HighRun, 14);
    EXPECT_EQ(o.CardBonus, 250);
    EXPECT_EQ(s.BonusRoundScore, 0);
    EXPECT_EQ(o.TowerBonus, 7);
    EXPECT_EQ(o.HighRunBonus, 32767);
    EXPECT_EQ(s.TimeBonus, 0);
    EXPECT_FALSE(s.CountDownScore);
    EXPECT_TRUE(s.MusicOn);
    EXPECT_FALSE(s.SoundsOn); // only "True" is true
    EXPECT_TRUE(TowersScoringIsCustom());
}

TEST_F(TowersSettingsFileTest, EachBadValueKeepsOnlyItsOwnDefault) {
    Calls calls;
    calls.apply("[Hi Run]\r\nseven\r\n[Card Bonus]\r\n5000\r\n[Bonus Score]\r\n-1\r\n"
                "[Tower Bonus]\r\n99999999999\r\n[High Run Bonus]\r\n32768\r\n"
                "[Time Bonus]\r\nx\r\n[Time]\r\n120\r\n[Deck]\r\n7\r\n"
                "[State]\r\nbig\r\n[Width]\r\n-5\r\n"
                "[Count Down Score]\r\nFalse\r\n");
    const TowersSettings& o = TowersOptions();
    EXPECT_EQ(o.HighRun, 0);
    EXPECT_EQ(o.CardBonus, 100); // a card bonus past 1000 would overflow a run's card values
    EXPECT_EQ(Shared().BonusRoundScore, 40000);
    EXPECT_EQ(o.TowerBonus, 5000);
    EXPECT_EQ(o.HighRunBonus, 1000);
    EXPECT_EQ(Shared().TimeBonus, 100);
    // A limit the menu does not offer applies 45 through its item; so does a design.
    EXPECT_EQ(calls.times, std::vector<int>{45});
    EXPECT_EQ(calls.designs, std::vector<int>{1});
    // The keys after the bad ones are still read.
    EXPECT_FALSE(Shared().CountDownScore);
    // A run longer than the field holds is no record.
    calls.apply("[Hi Run]\r\n29\r\n");
    EXPECT_EQ(o.HighRun, 0);
    calls.apply("[Hi Run]\r\n28\r\n");
    EXPECT_EQ(o.HighRun, 28);
}

TEST_F(TowersSettingsFileTest, MaximisedWindowStoresTheDesignSize) {
    TowersSettingsValues v = CurrentTowersSettings({WindowMaximised, 20000, 15000});
    QByteArray text = TowersSettingsBlocks(v).text();
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"));
    v = CurrentTowersSettings({WindowNormal, 10500, 8000});
    text = TowersSettingsBlocks(v).text();
    EXPECT_TRUE(text.contains("[State]\r\n0\r\n\r\n[Width]\r\n10500\r\n\r\n[Height]\r\n8000\r\n"));
}

TEST_F(TowersSettingsFileTest, QuitWritesTheCurrentValuesAndTheyReadBack) {
    TowersOptions().HighRun = 17;
    TowersOptions().CardBonus = 1000;
    Shared().TimeLimit = 60;
    Shared().DeckDesign = 4;
    Shared().SoundsOn = false;
    ASSERT_TRUE(TowersSettingsBlocks(CurrentTowersSettings({WindowNormal, 9570, 7200}))
                    .write(TowersSettingsPath()));
    const QByteArray text = box.read("Crestal.Ini");
    ResetTowersLoadDefaults();
    Calls calls;
    calls.apply(text);
    EXPECT_EQ(TowersOptions().HighRun, 17);
    EXPECT_EQ(TowersOptions().CardBonus, 1000);
    EXPECT_EQ(calls.times, std::vector<int>{60});
    EXPECT_EQ(calls.designs, std::vector<int>{4});
    EXPECT_FALSE(Shared().SoundsOn);
}

TEST_F(TowersSettingsFileTest, CustomScoringIgnoresTheCountDownSwitch) {
    Shared().CountDownScore = false;
    EXPECT_FALSE(TowersScoringIsCustom());
    for (int which = 0; which < 5; ++which) {
        ResetTowersLoadDefaults();
        switch (which) {
        case 0:
            TowersOptions().CardBonus = 99;
            break;
        case 1:
            Shared().BonusRoundScore = 40001;
            break;
        case 2:
            TowersOptions().HighRunBonus = 0;
            break;
        case 3:
            TowersOptions().TowerBonus = 5001;
            break;
        case 4:
            Shared().TimeBonus = 101;
            break;
        }
        EXPECT_TRUE(TowersScoringIsCustom()) << which;
    }
    ResetTowersLoadDefaults();
    Shared().BonusRoundScore = 40000;
    EXPECT_EQ(TowersBonusRoundStatus(), "Make 40,000 for Bonus Round!   ");
    EXPECT_EQ(TowersCustomBonusStatus(), "Make 40,000 for bonus round.  ");
}
