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
    std::vector<int> times, designs, runs, states, widths, heights;
    int windowState = TowersNormal;
    TowersSettingsHandlers handlers() {
        TowersSettingsHandlers h;
        h.timeLimit = [this](int s) { times.push_back(s); };
        h.deckDesign = [this](int d) { designs.push_back(d); };
        h.highRun = [this](int r) { runs.push_back(r); };
        h.windowState = [this](int s) { states.push_back(s); };
        h.currentWindowState = [this] { return windowState; };
        h.width = [this](int w) { widths.push_back(w); };
        h.height = [this](int w) { heights.push_back(w); };
        return h;
    }
};

using TowersSettingsFileTest = TowersTest;
} // namespace

TEST_F(TowersSettingsFileTest, FirstRunWritesTheDefaultsByteForByte) {
    Calls calls;
    ASSERT_TRUE(LoadTowersSettings(TowersWindowGeometry{}, calls.handlers()));
    const QByteArray written = box.read("Crestal.Ini");
    EXPECT_EQ(written, kFirstRun);
    EXPECT_EQ(written.size(), 280);
    EXPECT_EQ(calls.times, std::vector<int>{45});
    EXPECT_EQ(calls.designs, std::vector<int>{1});
    EXPECT_FALSE(TowersScoringIsCustom());
}

TEST_F(TowersSettingsFileTest, StoredValuesAreApplied) {
    Calls calls;
    ApplyTowersSettingsText("[Deck]\r\n3\r\n[Extra]\r\n5\r\n\r\n[Time]\r\n90\r\n[Hi Run]\r\n14\r\n"
                            "[Card Bonus]\r\n250\r\n[Bonus Score]\r\n0\r\n[Tower Bonus]\r\n7\r\n"
                            "[High Run Bonus]\r\n32767\r\n[Time Bonus]\r\n0\r\n"
                            "[Count Down Score]\r\nFalse\r\n[Play Music]\r\nTrue\r\n"
                            "[Play Sounds]\r\ntrue\r\n[Width]\r\n12000\r\n[Height]\r\n8000\r\n",
                            calls.handlers());
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
    EXPECT_EQ(calls.widths, std::vector<int>{12000});
    EXPECT_EQ(calls.heights, std::vector<int>{8000});
    EXPECT_TRUE(TowersScoringIsCustom());
}

TEST_F(TowersSettingsFileTest, EachBadValueKeepsOnlyItsOwnDefault) {
    Calls calls;
    ApplyTowersSettingsText("[Hi Run]\r\nseven\r\n[Card Bonus]\r\n5000\r\n[Bonus Score]\r\n-1\r\n"
                            "[Tower Bonus]\r\n99999999999\r\n[High Run Bonus]\r\n32768\r\n"
                            "[Time Bonus]\r\nx\r\n[Time]\r\n120\r\n[Deck]\r\n7\r\n"
                            "[State]\r\nbig\r\n[Width]\r\n-5\r\n"
                            "[Count Down Score]\r\nFalse\r\n",
                            calls.handlers());
    const TowersSettings& o = TowersOptions();
    EXPECT_EQ(o.HighRun, 0);
    EXPECT_EQ(o.CardBonus, 100); // a card bonus past 1000 would overflow a run's card values
    EXPECT_EQ(Shared().BonusRoundScore, 40000);
    EXPECT_EQ(o.TowerBonus, 5000);
    EXPECT_EQ(o.HighRunBonus, 1000);
    EXPECT_EQ(Shared().TimeBonus, 100);
    EXPECT_TRUE(calls.times.empty());
    EXPECT_TRUE(calls.designs.empty());
    EXPECT_TRUE(calls.states.empty());
    EXPECT_TRUE(calls.widths.empty());
    // The keys after the bad ones are still read.
    EXPECT_FALSE(Shared().CountDownScore);
    // A run longer than the field holds is no record.
    ApplyTowersSettingsText("[Hi Run]\r\n29\r\n", calls.handlers());
    EXPECT_EQ(o.HighRun, 0);
    ApplyTowersSettingsText("[Hi Run]\r\n28\r\n", calls.handlers());
    EXPECT_EQ(o.HighRun, 28);
}

TEST_F(TowersSettingsFileTest, WindowStateAndSizes) {
    Calls calls;
    // Stored minimised: opens normal, at the stored size.
    ApplyTowersSettingsText("[State]\r\n1\r\n[Width]\r\n10500\r\n", calls.handlers());
    EXPECT_EQ(calls.states, std::vector<int>{TowersNormal});
    EXPECT_EQ(calls.widths, std::vector<int>{10500});
    // Maximised: the sizes are passed over.
    calls.windowState = TowersMaximised;
    ApplyTowersSettingsText("[State]\r\n2\r\n[Width]\r\n11000\r\n[Height]\r\n9000\r\n",
                            calls.handlers());
    EXPECT_EQ(calls.states.back(), TowersMaximised);
    EXPECT_EQ(calls.widths.size(), 1u);
    EXPECT_TRUE(calls.heights.empty());

    // A maximised window writes the minimum size; a minimised one writes its normal size.
    TowersSettingsValues v = CurrentTowersSettings({TowersMaximised, 20000, 15000});
    QByteArray text = TowersSettingsBlocks(v).text();
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"));
    v = CurrentTowersSettings({TowersMinimised, 10000, 8000});
    text = TowersSettingsBlocks(v).text();
    EXPECT_TRUE(text.contains("[State]\r\n0\r\n\r\n[Width]\r\n10000\r\n\r\n[Height]\r\n8000\r\n"));
}

TEST_F(TowersSettingsFileTest, QuitWritesTheCurrentValuesAndTheyReadBack) {
    TowersOptions().HighRun = 17;
    TowersOptions().CardBonus = 1000;
    Shared().TimeLimit = 60;
    Shared().DeckDesign = 4;
    Shared().SoundsOn = false;
    ASSERT_TRUE(WriteTowersSettings(CurrentTowersSettings({TowersNormal, 9570, 7200})));
    const QByteArray text = box.read("Crestal.Ini");
    ResetTowersLoadDefaults();
    Calls calls;
    ApplyTowersSettingsText(text, calls.handlers());
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
