#include "games/pokergrid/PokerGridSettingsFile.h"
#include "PokerGridFirstRun.h"
#include "PokerGridTestSupport.h"

namespace {
struct Seen {
    std::vector<int> times, decks;
    PokerGridSettingsHandlers handlers() {
        PokerGridSettingsHandlers h;
        h.timeLimit = [this](int s) { times.push_back(s); };
        h.deckDesign = [this](int d) { decks.push_back(d); };
        return h;
    }
};
} // namespace

class PokerGridSettingsFileTest : public PokerGridTest {};

TEST_F(PokerGridSettingsFileTest, FirstRunWritesTheDefaultsByteForByte) {
    Seen seen;
    EXPECT_TRUE(PokerGridSettingsReader(seen.handlers()).load());
    EXPECT_EQ(sandbox.read("Marvane.Ini"), kFirstRunMarvaneIni);
    EXPECT_EQ(seen.times, std::vector<int>{75});
    EXPECT_EQ(seen.decks, std::vector<int>{1});
    EXPECT_FALSE(PokerGridScoringIsCustom());
}

TEST_F(PokerGridSettingsFileTest, StoredValuesComeBack) {
    Shared().TimeLimit = 120;
    Shared().SoundsOn = false;
    Shared().MusicOn = true;
    Shared().CountDownScore = false;
    Shared().DeckDesign = 3;
    Shared().TimeBonus = 10;
    Shared().BonusRoundScore = 1000000;
    PokerGridOptions().hands.RoyalFlushScore = 100000;
    PokerGridOptions().hands.StraightScore = 0;
    PokerGridOptions().OverWrites = 26;
    ASSERT_TRUE(WritePokerGridSettings({WindowNormal, 12000, 10000}));
    EXPECT_TRUE(
        sandbox.read("Marvane.Ini")
            .endsWith("[State]\r\n0\r\n\r\n[Width]\r\n12000\r\n\r\n[Height]\r\n10000\r\n\r\n"));

    ResetPokerGridDefaults();
    Seen seen;
    EXPECT_TRUE(PokerGridSettingsReader(seen.handlers()).load());
    EXPECT_EQ(seen.times, std::vector<int>{120});
    EXPECT_EQ(seen.decks, std::vector<int>{3});
    EXPECT_FALSE(Shared().SoundsOn);
    EXPECT_TRUE(Shared().MusicOn);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(Shared().TimeBonus, 10);
    EXPECT_EQ(Shared().BonusRoundScore, 1000000);
    EXPECT_EQ(PokerGridOptions().hands.RoyalFlushScore, 100000);
    EXPECT_EQ(PokerGridOptions().hands.StraightScore, 0);
    EXPECT_EQ(PokerGridOptions().OverWrites, 26);
    EXPECT_TRUE(PokerGridScoringIsCustom());
}

TEST_F(PokerGridSettingsFileTest, EachBadValueKeepsItsDefault) {
    Seen seen;
    PokerGridSettingsReader(seen.handlers())
        .apply("[Time]\r\n100\r\n\r\n[Play Sounds]\r\ntrue\r\n\r\n"
               "[Deck]\r\n5\r\n\r\n[Pair Score]\r\n50001\r\n\r\n"
               "[Two Pair Score]\r\n12abc\r\n\r\n[Trips Score]\r\n\r\n\r\n"
               "[Royal Flush Score]\r\n100000\r\n\r\n"
               "[Over Writes]\r\n27\r\n\r\n[Time Bonus]\r\n-1\r\n\r\n"
               "[Bonus Score]\r\n99999999999999\r\n\r\n"
               "[Flush Score]\r\n12.5\r\n\r\n[Four Score]\r\n13.5\r\n\r\n");
    EXPECT_EQ(seen.times, std::vector<int>{0}); // the window checks its default item
    EXPECT_EQ(seen.decks, std::vector<int>{0});
    EXPECT_FALSE(Shared().SoundsOn); // only "True" switches sounds on
    const HandValues& h = PokerGridOptions().hands;
    EXPECT_EQ(h.PairScore, 50);
    EXPECT_EQ(h.TwoPairScore, 70);
    EXPECT_EQ(h.TripsScore, 80);
    EXPECT_EQ(h.RoyalFlushScore, 100000); // within its own, wider range
    EXPECT_EQ(h.FlushScore, 12);
    EXPECT_EQ(h.FourScore, 14);
    EXPECT_EQ(PokerGridOptions().OverWrites, 3); // 27 could use the deck up
    EXPECT_EQ(Shared().TimeBonus, 1);
    EXPECT_EQ(Shared().BonusRoundScore, 100000);
}

TEST_F(PokerGridSettingsFileTest, MaximisedAndMinimisedWindowsAreStoredToComeBackNormal) {
    ASSERT_TRUE(WritePokerGridSettings({WindowMaximised, 20000, 15000}));
    EXPECT_TRUE(
        sandbox.read("Marvane.Ini")
            .endsWith("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n\r\n"));
    ASSERT_TRUE(WritePokerGridSettings({WindowMinimised, 10000, 8000}));
    EXPECT_TRUE(
        sandbox.read("Marvane.Ini")
            .endsWith("[State]\r\n0\r\n\r\n[Width]\r\n10000\r\n\r\n[Height]\r\n8000\r\n\r\n"));
}

TEST_F(PokerGridSettingsFileTest, AFailedWriteKeepsTheOldFile) {
    sandbox.write("Marvane.Ini", kFirstRunMarvaneIni);
    platform::MessageScript script;
    bool written = true;
    {
        testsupport::FileSizeLimit noRoom(16);
        written = WritePokerGridSettings({});
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(sandbox.read("Marvane.Ini"), kFirstRunMarvaneIni);
}

TEST(PokerGridStatusTexts, BonusAndPlayPanels) {
    testsupport::ProgramSandbox sandbox;
    Shared().BonusRoundScore = 100000;
    EXPECT_EQ(PokerGridBonusStatusText(), "Make 100,000 for bonus round.  ");
    EXPECT_EQ(PokerGridPlayStatusText(), "Click on cards to get the best Poker hand!   ");
}
