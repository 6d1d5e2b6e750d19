// The rules texts against texts written out by hand, and the scoring values inside them.

#include "dialogs/RulesText.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Expected texts are kept with plain line ends for readability; the file's own final line end
// is not part of the text.
QString ExpectedText(const QString& name) {
    const QString path =
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/rules_expected/" + name + ".txt";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing " << path.toStdString();
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith('\n')) text.chop(1);
    text.replace("\n", "\r\n");
    return text;
}

// Points at the first difference, so a one-blank slip is easy to find.
std::string FirstDifference(const QString& actual, const QString& expected) {
    qsizetype i = 0;
    while (i < actual.size() && i < expected.size() && actual[i] == expected[i])
        ++i;
    auto around = [i](const QString& s) {
        return s.mid(std::max<qsizetype>(0, i - 40), 80)
            .toHtmlEscaped()
            .replace("\r", "\\r")
            .replace("\n", "\\n")
            .toStdString();
    };
    return "at " + std::to_string(i) + "\n  actual:   ..." + around(actual) + "\n  expected: ..." +
           around(expected);
}

struct DefaultText {
    const char* title;
    bool enhanced; // elevens only
    const char* file;
};

} // namespace

TEST(RulesText, EveryGameDefaultTextMatchesWordForWord) {
    const DefaultText texts[] = {
        {"Sumbry!", false, "sumbry_classic"}, {"Sumbry!", true, "sumbry_enhanced"},
        {"Quintel!", false, "quintel"},       {"Brisko!", false, "brisko"},
        {"Crestal!", false, "crestal"},       {"Twindle!", false, "twindle"},
        {"Marvane!", false, "marvane"},       {"Tressel!", false, "tressel"},
        {"Glyphon!", false, "glyphon"},       {"Wildrow!", false, "wildrow"},
    };
    for (const DefaultText& t : texts) {
        SCOPED_TRACE(t.file);
        RulesValues v = RulesValues::DefaultsFor(t.title);
        v.EnhancedScoring = t.enhanced;
        const QString actual = RulesText(t.title, v);
        const QString expected = ExpectedText(t.file);
        EXPECT_TRUE(actual == expected) << FirstDifference(actual, expected);
        EXPECT_TRUE(actual.startsWith("\r\n "));
        EXPECT_TRUE(actual.endsWith("\r\n\r\nGood luck and have fun!"));
    }
}

TEST(RulesText, ScoringValuesAppearInTheirFormats) {
    struct Case {
        const char* title;
        std::function<void(RulesValues&)> change;
        std::vector<const char*> present;
        int times = 1; // how often the first piece occurs
    };
    const std::vector<Case> cases = {
        {"Sumbry!",
         [](RulesValues& v) { v.EnhancedScoring = false, v.ElevensBonusRoundScore = 1234567; },
         {"more than 1,234,567 points"}},
        {"Sumbry!",
         [](RulesValues& v) { v.EnhancedScoring = false, v.TimeLimit = 30; },
         {"last 7 seconds of play. ", "each lasting 30 seconds"}},
        {"Sumbry!",
         [](RulesValues& v) { v.EnhancedScoring = false, v.TimeLimit = 150; },
         {"last 37 seconds of play. "}},
        {"Sumbry!",
         [](RulesValues& v) { v.EnhancedScoring = false, v.ElevensBonus = 25000; },
         {"awarded 25,000 points for each combination"}},
        {"Sumbry!",
         [](RulesValues& v) { v.CardGoal = 13, v.TakeScoreCaption = "&Finish"; },
         {"combinations of 13. It is", "after selecting the 'Finish' command button."}},
        {"Sumbry!",
         [](RulesValues& v) { v.CardBonus = 2500, v.ElevensBonusES = 7000; },
         {"2,500 point", "awarded 7,000 points for each combination"},
         2},
        {"Quintel!",
         [](RulesValues& v) { v.TimeBonusMax = 10000, v.TimeBonusStep = 9900.0f / 60; },
         {"begins at 10000. It decreases by 165 for each"}},
        {"Quintel!",
         [](RulesValues& v) { v.BonusScore = 1000000, v.CardsToPass = 3; },
         {"more than 1,000,000 points", "pass 3 card(s) per round."}},
        {"Quintel!",
         [](RulesValues& v) { v.TimeLimit = 0, v.TimeBonusStep = 200.0f / 0.0f; },
         {"It decreases by 0 for each"}},
        {"Brisko!", [](RulesValues& v) { v.TwentyOneBonusValue = 2000; }, {"2,000"}, 3},
        {"Crestal!",
         [](RulesValues& v) { v.CardBonus = 1500, v.TowerBonus = 0; },
         {"increases by 1,500 points.", "multiplied by 0 points."}},
        {"Twindle!",
         [](RulesValues& v) { v.RunsBonus = -1500; },
         {"and -1,500 points for each run"}},
        {"Marvane!",
         [](RulesValues& v) { v.RoyalFlushScore = 50000, v.OverWrites = 5; },
         {"Royal Flush = 50000\r\n\r\nAt the end", "overwrite 5 cards"}},
        {"Tressel!",
         [](RulesValues& v) { v.DeckCompletionBonus = 25000, v.TimeBonus = 1000; },
         {"bonus of 25000 points", "awarded 1000 points for each unused", "more than 100,000"}},
        {"Glyphon!",
         [](RulesValues& v) { v.GuessCount = 12, v.GuessBonus = 3500; },
         {"allowed 12 incorrect", "awarded 3,500 points for each remaining guess"}},
        {"Wildrow!",
         [](RulesValues& v) { v.TimeBonus = 12345, v.EightsCompleteBonus = 999; },
         {"awarded 12,345 points for each second", "and additional 999 points."}},
    };
    for (const Case& c : cases) {
        RulesValues v = RulesValues::DefaultsFor(c.title);
        c.change(v);
        const QString text = RulesText(c.title, v);
        for (const char* piece : c.present) {
            SCOPED_TRACE(std::string(c.title) + " " + piece);
            EXPECT_TRUE(text.contains(QString::fromUtf8(piece)));
        }
        EXPECT_EQ(text.count(QString::fromUtf8(c.present.front())), c.times) << c.title;
    }
}

TEST(RulesText, NumberFormats) {
    EXPECT_EQ(RulesGrouped(0), "0");
    EXPECT_EQ(RulesGrouped(999), "999");
    EXPECT_EQ(RulesGrouped(1000), "1,000");
    EXPECT_EQ(RulesGrouped(80000), "80,000");
    EXPECT_EQ(RulesGrouped(-80000), "-80,000");
    EXPECT_EQ(RulesGrouped(INT32_MIN), "-2,147,483,648");
    EXPECT_EQ(RulesPlain(50000), "50000");
    EXPECT_EQ(RulesPlain(-250), "-250");
}

TEST(RulesText, OnlyTheNineTitlesHaveAText) {
    EXPECT_TRUE(RulesText("Sumbry", RulesValues::DefaultsFor("Sumbry!")).isEmpty());
    EXPECT_TRUE(RulesText("", RulesValues{}).isEmpty());
    EXPECT_EQ(RulesValues::DefaultsFor("Sumbry").TimeLimit, 0);
}
