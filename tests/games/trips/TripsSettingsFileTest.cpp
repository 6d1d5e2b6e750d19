// "Tressel.Ini": the first-run file, reading stored and damaged values, the window blocks.
#include "games/trips/TripsSettingsFile.h"
#include "TestSupport.h"
#include "games/trips/TripsSettings.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kFirstRun = "[Time]\r\n120\r\n\r\n"
                             "[Play Sounds]\r\nTrue\r\n\r\n"
                             "[Play Music]\r\nFalse\r\n\r\n"
                             "[Count Down Score]\r\nTrue\r\n\r\n"
                             "[Deck]\r\n1\r\n\r\n"
                             "[Time Bonus]\r\n200\r\n\r\n"
                             "[Bonus Score]\r\n100000\r\n\r\n"
                             "[Trips Score]\r\n6000\r\n\r\n"
                             "[Runs Score]\r\n300\r\n\r\n"
                             "[Flush Score]\r\n5000\r\n\r\n"
                             "[Deck Completion]\r\n15000\r\n\r\n"
                             "[LeftOverCards]\r\n250\r\n\r\n"
                             "[State]\r\n0\r\n\r\n"
                             "[Width]\r\n9540\r\n\r\n"
                             "[Height]\r\n7305\r\n\r\n";

struct Applied {
    std::vector<int> times, designs;
    std::vector<bool> music, sounds;
    TripsSettingsHandlers handlers() {
        TripsSettingsHandlers h;
        h.timeLimit = [this](int s) { times.push_back(s); };
        h.deckDesign = [this](int d) { designs.push_back(d); };
        h.music = [this](bool on) { music.push_back(on); };
        h.sounds = [this](bool on) { sounds.push_back(on); };
        return h;
    }
};

class TripsSettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetTripsLoadDefaults(); }
    testsupport::ProgramSandbox sandbox;
    Applied applied;
};

TEST_F(TripsSettingsFileTest, AFirstRunWritesTheDefaultsByteForByte) {
    const TripsSettingsValues defaults;
    ASSERT_TRUE(TripsSettingsReader(applied.handlers())
                    .load(TripsSettingsPath(), TripsSettingsBlocks(defaults)));
    EXPECT_EQ(sandbox.read("Tressel.Ini"), kFirstRun);
    EXPECT_EQ(applied.times, std::vector<int>{120});
    EXPECT_EQ(applied.designs, std::vector<int>{1});
    EXPECT_FALSE(TripsScoringIsCustom());
    // The values of the running program with nothing changed make the same file.
    EXPECT_EQ(TripsSettingsBlocks(CurrentTripsSettings(defaults.window)).text(), kFirstRun);
}

TEST_F(TripsSettingsFileTest, StoredValuesApply) {
    sandbox.write("Tressel.Ini", "[Trips Score]\r\n7000\r\n\r\n[Time]\r\n90\r\n\r\n"
                                 "[Play Sounds]\r\nFalse\r\n\r\n[Play Music]\r\nTrue\r\n\r\n"
                                 "[Count Down Score]\r\nno\r\n\r\n[Deck]\r\n3\r\n\r\n"
                                 "[LeftOverCards]\r\n0\r\n\r\n[Bonus Score]\r\n1000000\r\n\r\n"
                                 "[Runs Score]\r\n20000\r\n\r\n[Flush Score]\r\n1\r\n\r\n"
                                 "[Deck Completion]\r\n100000\r\n\r\n[Time Bonus]\r\n5000\r\n");
    ASSERT_TRUE(TripsSettingsReader(applied.handlers()).read(TripsSettingsPath()));
    const TripsSettings& o = TripsOptions();
    EXPECT_EQ(o.TripleScore, 7000);
    EXPECT_EQ(o.RunScore, 20000);
    EXPECT_EQ(o.FlushScore, 1);
    EXPECT_EQ(o.DeckCompletionBonus, 100000);
    EXPECT_EQ(o.LeftOverPenalty, 0);
    EXPECT_EQ(Shared().BonusRoundScore, 1000000);
    EXPECT_EQ(Shared().TimeBonus, 5000);
    EXPECT_FALSE(Shared().SoundsOn);
    EXPECT_TRUE(Shared().MusicOn);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(applied.times, std::vector<int>{90});
    EXPECT_EQ(applied.designs, std::vector<int>{3});
    EXPECT_EQ(applied.sounds, std::vector<bool>{false});
    EXPECT_EQ(applied.music, std::vector<bool>{true});
    EXPECT_TRUE(TripsScoringIsCustom());
}

TEST_F(TripsSettingsFileTest, EachBadValueKeepsItsDefaultAndTheRestApplies) {
    TripsSettingsReader(applied.handlers())
        .apply("[LeftOverCards]\r\n-250\r\n\r\n[Trips Score]\r\nlots\r\n\r\n"
               "[Runs Score]\r\n20001\r\n\r\n[Flush Score]\r\n99999999999999\r\n\r\n"
               "[Time Bonus]\r\n\r\n\r\n[Bonus Score]\r\n-1\r\n\r\n"
               "[Deck Completion]\r\n100001\r\n\r\n[Time]\r\n100\r\n\r\n"
               "[Time]\r\n090\r\n\r\n[Deck]\r\n5\r\n\r\n[State]\r\nbig\r\n\r\n"
               "[Play Sounds]\r\n");
    const TripsSettings& o = TripsOptions();
    EXPECT_EQ(o.LeftOverPenalty, 250);
    EXPECT_EQ(o.TripleScore, 6000);
    EXPECT_EQ(o.RunScore, 300);
    EXPECT_EQ(o.FlushScore, 5000);
    EXPECT_EQ(Shared().TimeBonus, 200);
    EXPECT_EQ(Shared().BonusRoundScore, 100000);
    EXPECT_EQ(o.DeckCompletionBonus, 15000);
    EXPECT_TRUE(applied.times.empty());
    EXPECT_TRUE(applied.designs.empty());
    // A key without its value keeps its default.
    EXPECT_TRUE(Shared().SoundsOn);
    EXPECT_FALSE(TripsScoringIsCustom());
}

TEST_F(TripsSettingsFileTest, TheWindowIsStoredAfterTheScoringValues) {
    // Maximised: the design size; minimised: as a normal window.
    const QByteArray maximised =
        TripsSettingsBlocks(CurrentTripsSettings({WindowMaximised, 24000, 16000})).text();
    EXPECT_TRUE(maximised.endsWith(
        "[LeftOverCards]\r\n250\r\n\r\n[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n"
        "[Height]\r\n7305\r\n\r\n"));
    const QByteArray minimised =
        TripsSettingsBlocks(CurrentTripsSettings({WindowMinimised, 10000, 8000})).text();
    EXPECT_TRUE(
        minimised.endsWith("[State]\r\n0\r\n\r\n[Width]\r\n10000\r\n\r\n[Height]\r\n8000\r\n\r\n"));
}

TEST_F(TripsSettingsFileTest, LoadDefaultsResetWhatAnotherGameLeft) {
    Shared().TimeBonus = 5;
    Shared().BonusRoundScore = 80000;
    Shared().MusicOn = true;
    Shared().CustomScoring = true;
    TripsOptions().FlushScore = 1;
    ResetTripsLoadDefaults();
    EXPECT_EQ(Shared().TimeLimit, 120);
    EXPECT_EQ(Shared().TimeBonus, 200);
    EXPECT_EQ(Shared().BonusRoundScore, 100000);
    EXPECT_FALSE(Shared().MusicOn);
    EXPECT_TRUE(Shared().SoundsOn);
    EXPECT_TRUE(Shared().CountDownScore);
    EXPECT_EQ(Shared().DeckDesign, 1);
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(TripsOptions().FlushScore, 5000);
    EXPECT_EQ(TripsBonusRoundStatus(), "Make 100,000 for Bonus Round!   ");
    EXPECT_EQ(TripsBonusTargetStatus(), "Make 100,000 for bonus round.  ");
}

TEST_F(TripsSettingsFileTest, EachScoringValueCountsTowardsCustomScoring) {
    for (int i = 0; i < 7; ++i) {
        ResetTripsLoadDefaults();
        TripsSettings& o = TripsOptions();
        int32_t* values[] = {&o.TripleScore,           &o.RunScore,        &o.FlushScore,
                             &o.DeckCompletionBonus,   &o.LeftOverPenalty, &Shared().TimeBonus,
                             &Shared().BonusRoundScore};
        *values[i] += 1;
        EXPECT_TRUE(TripsScoringIsCustom()) << i;
    }
    ResetTripsLoadDefaults();
    Shared().CountDownScore = false;
    EXPECT_FALSE(TripsScoringIsCustom());
}

} // namespace
