// The listing rules: score texts, the listing line, the message and the per-game minimums.
#include "services/HighScoreMail.h"
#include "mail/SmtpTestServer.h"
#include "platform/Mail.h"

#include <gtest/gtest.h>

#include <limits>

TEST(HighScoreMailRules, ScoreValueReadsTypedAndShownScores) {
    EXPECT_EQ(ScoreValue(""), 0);
    EXPECT_EQ(ScoreValue("word"), 0);
    EXPECT_EQ(ScoreValue("12a"), 12);
    EXPECT_EQ(ScoreValue("12a34"), 12);
    EXPECT_EQ(ScoreValue("1,234"), 1234);
    EXPECT_EQ(ScoreValue("612,345"), 612345);
    EXPECT_EQ(ScoreValue(",5,"), 5);
    EXPECT_EQ(ScoreValue("  42"), 42);
    EXPECT_EQ(ScoreValue("-7"), -7);
    EXPECT_EQ(ScoreValue("12.5"), 12); // half to the even neighbour
    EXPECT_EQ(ScoreValue("13.5"), 14);
    EXPECT_EQ(ScoreValue("99,999,999,999"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(ScoreValue("-99999999999"), std::numeric_limits<int32_t>::min());
}

TEST(HighScoreMailRules, ListingLineLeavesOutTheDefaults) {
    EXPECT_EQ(ListingLine(612345, "Ann", "Springfield", "Ohio", "United States"),
              "612,345 by Ann of Springfield, Ohio");
    EXPECT_EQ(ListingLine(50000, "Ann", "Springfield", "None", "United States"),
              "50,000 by Ann of Springfield");
    EXPECT_EQ(ListingLine(7, "Bo", "Austin", "Texas", "Canada"),
              "7 by Bo of Austin, Texas, Canada");
    EXPECT_EQ(ListingLine(7, "Bo\r\nCy", "A\nB", "None", "X\rY"), "7 by Bo Cy of A B, X Y");
}

TEST(HighScoreMailRules, MessageHasSevenLinesForEveryGame) {
    platform::MailSettings saved = platform::CurrentMailSettings();
    platform::MailSettings s = platform::DefaultMailSettings();
    s.recipientName = "Halvik";
    s.recipientAddress = "list@127.0.0.1.example";
    platform::SetMailSettings(s);

    const HighScoreMail empty =
        ComposeHighScoreMail("Glyphon!", "430,000 by A of B", true, false, "");
    EXPECT_EQ(empty.subject, "Quorvane High Score Listing for Glyphon!");
    EXPECT_EQ(empty.recipientName, "Halvik");
    EXPECT_EQ(empty.recipientAddress, "list@127.0.0.1.example");
    EXPECT_EQ(empty.body.split("\r\n"),
              QStringList({"430,000 by A of B", "", "Custom scoring is currently True", "",
                           "Sumbry enahnced scoring mode is False", "", ""}));

    const HighScoreMail notes = ComposeHighScoreMail("Sumbry!", "x", false, true, "one\ntwo");
    EXPECT_TRUE(notes.body.endsWith("Sumbry enahnced scoring mode is True\r\n\r\none\ntwo"));
    platform::SetMailSettings(saved);
}

TEST(HighScoreMailRules, MinimumsAndTimeLimitsByExactTitle) {
    const ListingRule* sumbry = FindListingRule("Sumbry!");
    ASSERT_NE(sumbry, nullptr);
    EXPECT_EQ(sumbry->minimumScore, 175000);
    EXPECT_EQ(sumbry->timeLimit, 90);
    EXPECT_EQ(FindListingRule("Wildrow!")->minimumScore, 13000000);
    EXPECT_EQ(FindListingRule("Tressel!")->timeLimit, 120);
    EXPECT_EQ(FindListingRule("Sumbry"), nullptr);
    EXPECT_EQ(FindListingRule(""), nullptr);

    const QStringList& states = StateNames();
    ASSERT_EQ(states.size(), 52);
    EXPECT_EQ(states.first(), "None");
    EXPECT_EQ(states[8], "Deleware");
    EXPECT_EQ(states[9], "District of Columbia");
    EXPECT_EQ(states[22], "Massachsetts");
    EXPECT_EQ(states.last(), "Wyoming");
}
