// What the player is told about a saved game before it is replayed.

#include "services/SavedGameInfo.h"
#include "SavedGameTestData.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

namespace {

const QList<int> kElevensLimits{30, 60, 90, 120, 150, 180};

TEST(SavedGameInfo, ScorePhrasesChangeAfterEachBand) {
    const std::pair<int32_t, const char*> cases[] = {
        {-5, "amassed a pitiful"},          {20000, "amassed a pitiful"},
        {20001, "accumulated a sorry"},     {40000, "accumulated a sorry"},
        {40001, "earned a pretty weak"},    {60001, "earned a mediocre"},
        {80001, "earned a respectable"},    {100001, "earned a decent"},
        {120001, "earned a darned good"},   {160000, "earned an incredible"},
        {160001, "earned an unbelievable"}, {INT32_MAX, "earned an unbelievable"},
    };
    for (const auto& [score, phrase] : cases)
        EXPECT_EQ(SavedScorePhrase(score), phrase) << score;
    EXPECT_EQ(FormatSavedScore(0), "0");
    EXPECT_EQ(FormatSavedScore(999), "999");
    EXPECT_EQ(FormatSavedScore(20000), "20,000");
    EXPECT_EQ(FormatSavedScore(1234567), "1,234,567");
    EXPECT_EQ(FormatSavedScore(-1500), "-1,500");
}

TEST(SavedGameInfo, TimeLimitQuestionOnlyForAnOfferedDifferentLimit) {
    SavedGame g = TestGame(11, 1);
    g.playerName = QStringLiteral("Ann");
    g.score = 20000;
    g.timeLimit = 60;
    const QString summary = QStringLiteral(
        "This game was saved by Ann. He or she amassed a pitiful score of 20,000 in this game. ");
    EXPECT_EQ(SavedGameSummary(g), summary);

    auto info = SavedGameInformationText(g, 90, kElevensLimits);
    EXPECT_TRUE(info.asksTimeLimit);
    EXPECT_EQ(info.text, summary + "This game was saved with the time limit set to 60. Your time "
                                   "limit is currently set to 90. Do you want to change your time "
                                   "limit to 60?");

    info = SavedGameInformationText(g, 60, kElevensLimits);
    EXPECT_FALSE(info.asksTimeLimit);
    EXPECT_EQ(info.text,
              summary + "\nCustomized scoring was in effect when this game was played. ");
    g.custom = false;
    EXPECT_EQ(SavedGameInformationText(g, 60, kElevensLimits).text,
              summary + "\nCustomized scoring was not in effect when this game was played. ");

    // A limit this window does not offer is never taken over.
    g.timeLimit = 45;
    EXPECT_FALSE(TimeLimitOffered(45, kElevensLimits));
    EXPECT_FALSE(SavedGameInformationText(g, 90, kElevensLimits).asksTimeLimit);
}

TEST(SavedGameInfo, BoxAnswersWhetherToTakeOverTheLimit) {
    SavedGame g = TestGame(11, 1);
    g.timeLimit = 150;
    platform::MessageScript script;
    script.then(platform::Answer::Yes).then(platform::Answer::No);
    EXPECT_TRUE(ShowSavedGameInformation(g, 90, kElevensLimits));
    EXPECT_FALSE(ShowSavedGameInformation(g, 90, kElevensLimits));
    EXPECT_FALSE(ShowSavedGameInformation(g, 150, kElevensLimits));
    ASSERT_EQ(script.asked().size(), 3u);
    EXPECT_EQ(script.asked()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Question);
    EXPECT_EQ(script.asked()[0].title, "Saved Game Information");
    EXPECT_EQ(script.asked()[2].buttons, platform::Buttons::OK);
    EXPECT_EQ(script.asked()[2].icon, platform::Icon::Information);
    EXPECT_EQ(script.asked()[2].title, "Saved Game Information");
}

} // namespace
