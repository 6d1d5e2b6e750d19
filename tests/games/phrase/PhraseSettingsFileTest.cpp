// "Glyphon.Ini": the first-run text, what a stored file applies, and bad values.
#include "games/phrase/PhraseSettingsFile.h"

#include "TestSupport.h"
#include "games/phrase/PhraseSettings.h"

#include <gtest/gtest.h>

namespace {
const QByteArray kFirstRun =
    "[Play Music]\r\nFalse\r\n\r\n[Time]\r\n45\r\n\r\n[Play Sounds]\r\nTrue"
    "\r\n\r\n[Count Down Score]\r\nTrue\r\n\r\n[Topic]\r\n0\r\n\r\n[Time "
    "Bonus]\r\n100\r\n\r\n[Bonus Score]\r\n250000\r\n\r\n[Completion "
    "Bonus]\r\n10000\r\n\r\n[Guess Bonus]\r\n3000\r\n\r\n[Guess "
    "Count]\r\n8\r\n\r\n[ShowPhrase]\r\n5000\r\n\r\n[State]\r\n0\r\n\r\n["
    "Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n\r\n[Topic]\r\n0\r\n\r\n";

struct Seen {
    std::vector<int> times, topics;
};

class PhraseSettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PhraseOptions() = PhraseSettings{};
        ResetPhraseLoadDefaults();
    }
    PhraseSettingsHandlers handlers() {
        PhraseSettingsHandlers h;
        h.timeLimit = [this](int s) { seen.times.push_back(s); };
        h.topic = [this](int t) { seen.topics.push_back(t); };
        return h;
    }
    testsupport::ProgramSandbox sandbox;
    Seen seen;
};
} // namespace

TEST_F(PhraseSettingsFileTest, FirstRunWritesTheDefaultsAndReadsThemBack) {
    ASSERT_TRUE(LoadPhraseSettings(WindowGeometry{WindowNormal, 9570, 7200}, handlers()));
    EXPECT_EQ(sandbox.read("Glyphon.Ini"), kFirstRun);
    EXPECT_EQ(seen.times, std::vector<int>{45});
    EXPECT_EQ(seen.topics, (std::vector<int>{0, 0})); // the key comes twice
    EXPECT_FALSE(IsCustomScoring());
    // A maximised window records the design size.
    WindowGeometry max{WindowMaximised, 20000, 15000};
    const QByteArray text = PhraseSettingsBlocks(CurrentPhraseSettings(max)).text();
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"));
}

TEST_F(PhraseSettingsFileTest, StoredValuesApplyThroughTheItems) {
    ApplyPhraseSettingsText("[Time]\r\n90\r\n\r\n[Topic]\r\n6\r\n\r\n[Play Sounds]\r\nFalse\r\n"
                            "\r\n[Play Music]\r\nTrue\r\n\r\n[Guess Count]\r\n5\r\n\r\n[Guess "
                            "Bonus]\r\n50000\r\n\r\n[ShowPhrase]\r\n2500\r\n\r\n[Count Down "
                            "Score]\r\nFalse\r\n\r\n[State]\r\n2\r\n\r\n[Width]\r\n12000\r\n",
                            handlers());
    EXPECT_EQ(Shared().TimeLimit, 90);
    EXPECT_EQ(seen.times, std::vector<int>{90});
    EXPECT_EQ(seen.topics, std::vector<int>{6});
    EXPECT_EQ(PhraseOptions().Topic, 6);
    EXPECT_FALSE(Shared().SoundsOn);
    EXPECT_TRUE(Shared().MusicOn);
    EXPECT_FALSE(Shared().CountDownScore);
    EXPECT_EQ(PhraseOptions().GuessCount, 5);
    EXPECT_EQ(PhraseOptions().GuessBonus, 50000);
    EXPECT_EQ(PhraseOptions().ShowPhraseTime, 2500);
    EXPECT_TRUE(IsCustomScoring());
}

TEST_F(PhraseSettingsFileTest, BadValuesFallBackEachOnItsOwn) {
    PhraseOptions().Topic = 3; // the topic of this run's last phrase window
    ApplyPhraseSettingsText("[Time]\r\n50\r\n\r\n[Topic]\r\n9\r\n\r\n[Guess Count]\r\n9\r\n\r\n"
                            "[Completion Bonus]\r\n100001\r\n\r\n[Bonus Score]\r\nlots\r\n\r\n"
                            "[Time Bonus]\r\n0\r\n\r\n[ShowPhrase]\r\n500\r\n\r\n[State]\r\n1\r\n"
                            "\r\n[Width]\r\nwide\r\n\r\n[Guess Bonus]\r\n1\r\n",
                            handlers());
    // Not offered: the default time item and the item of the topic in force are checked.
    EXPECT_EQ(seen.times, std::vector<int>{45});
    EXPECT_EQ(seen.topics, std::vector<int>{3});
    EXPECT_EQ(PhraseOptions().GuessCount, 8);
    EXPECT_EQ(PhraseOptions().CompletionBonus, 10000);
    EXPECT_EQ(Shared().BonusRoundScore, 250000);
    EXPECT_EQ(Shared().TimeBonus, 100);
    EXPECT_EQ(PhraseOptions().ShowPhraseTime, 5000);
    EXPECT_EQ(PhraseOptions().GuessBonus, 1); // read after the bad ones
    // Guess count 0 would leave no face to lose.
    ApplyPhraseSettingsText("[Guess Count]\r\n0\r\n", handlers());
    EXPECT_EQ(PhraseOptions().GuessCount, 8);
    // Nothing readable at all: the items of the defaults still apply.
    seen = {};
    ApplyPhraseSettingsText("garbage", handlers());
    EXPECT_EQ(seen.times, std::vector<int>{45});
    EXPECT_EQ(seen.topics, std::vector<int>{3});
}

TEST(PhraseSettings, OnlyScoringValuesMakeTheScoringCustom) {
    PhraseOptions() = PhraseSettings{};
    ResetPhraseLoadDefaults();
    PhraseOptions().ShowPhraseTime = 2000;
    Shared().CountDownScore = false;
    EXPECT_FALSE(IsCustomScoring());
    Shared().TimeBonus = 101;
    EXPECT_TRUE(IsCustomScoring());
    ResetPhraseLoadDefaults();
    PhraseOptions().GuessCount = 7;
    EXPECT_TRUE(IsCustomScoring());
    ResetPhraseLoadDefaults();
    EXPECT_FALSE(IsCustomScoring());
}
