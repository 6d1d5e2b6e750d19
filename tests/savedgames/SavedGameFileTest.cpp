// The saved-game file: its exact text, reading it back, and the files the reader refuses.

#include "SavedGameTestData.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "services/SharedState.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Lines(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

QStringList Trimmed(const QStringList& deck) {
    QStringList out;
    for (const QString& c : deck)
        out << c.trimmed();
    return out;
}

TEST(SavedGameFile, TextIsWrittenLineByLine) {
    SavedGame g = TestGame(10, 1);
    g.timeLimit = 90;
    g.score = 12345;
    g.playerName = QStringLiteral("Ann");
    QStringList expected{"[Card Goal]", "10",   "[Time Limit]", "90",  "[Score]",       "12345",
                         "[Custom]",    "True", "[UserName]",   "Ann", "[Round 1 Deck]"};
    expected << Trimmed(g.roundDecks[0]).mid(1);
    EXPECT_EQ(SavedGameText(g), Lines(expected) + "\r\n");

    // Played rounds follow in order; an unplayed bonus round writes no block at all.
    g.roundDecks[1] = TestDeck(10, 99);
    const QByteArray two = SavedGameText(g);
    EXPECT_TRUE(two.contains("\r\n[Round 2 Deck]\r\n"));
    EXPECT_FALSE(two.contains("[Round 3 Deck]"));
    EXPECT_TRUE(two.endsWith(Trimmed(g.roundDecks[1]).last().toUtf8() + "\r\n\r\n"));
    // A deck cleared to empty places (as the game keeps an unplayed round) is not written.
    g.roundDecks[2] = QStringList(53, QString());
    EXPECT_EQ(SavedGameText(g), two);
}

TEST(SavedGameFile, PlayerNameIsStoredAsOneItem) {
    SavedGame g = TestGame(11, 1);
    QTemporaryDir dir;
    const QString path = dir.filePath("n.smb");
    struct Case {
        QString typed, line, readBack;
    } cases[] = {
        {"", "an anonymous user", "an anonymous user"},
        {"   ", "an anonymous user", "an anonymous user"},
        {"Smith, John", "\"Smith, John\"", "Smith, John"},
        {"\"Bob", "Bob", "Bob"},
    };
    for (const Case& c : cases) {
        g.playerName = c.typed;
        const QByteArray text = SavedGameText(g);
        EXPECT_TRUE(text.contains("[UserName]\r\n" + c.line.toUtf8() + "\r\n[Round 1"))
            << text.left(120).constData();
        ASSERT_TRUE(platform::WriteFileWhole(path, text));
        const auto back = ReadSavedGame(path);
        ASSERT_TRUE(back) << c.typed.toStdString();
        EXPECT_EQ(back->playerName, c.readBack);
    }
}

TEST(SavedGameFile, EveryGoalAndRoundCountReadsBack) {
    QTemporaryDir dir;
    for (int goal = 10; goal <= 15; ++goal) {
        for (int rounds = 1; rounds <= 3; ++rounds) {
            const SavedGame g = TestGame(goal, rounds);
            const QString path = dir.filePath(QStringLiteral("g%1_%2.smb").arg(goal).arg(rounds));
            ASSERT_TRUE(platform::WriteFileWhole(path, SavedGameText(g)));
            QString error;
            const auto back = ReadSavedGame(path, &error);
            ASSERT_TRUE(back) << goal << "/" << rounds << ": " << error.toStdString();
            EXPECT_EQ(back->cardGoal, goal);
            EXPECT_EQ(back->timeLimit, 120);
            EXPECT_EQ(back->score, 87654);
            EXPECT_TRUE(back->custom);
            EXPECT_EQ(back->playerName, "Pat Doyle");
            const int size = SavedDeckSize(goal);
            for (int r = 0; r < 3; ++r) {
                ASSERT_EQ(back->roundDecks[r].size(), size + 1);
                if (r < rounds)
                    EXPECT_EQ(back->roundDecks[r], Trimmed(g.roundDecks[r]));
                else
                    EXPECT_EQ(back->roundDecks[r], QStringList(size + 1, QString()));
            }
        }
    }
}

TEST(SavedGameFile, ValuesAreReadAsTheGameWroteThem) {
    SavedGame g = TestGame(12, 2);
    g.custom = false;
    g.score = -40;
    auto back = ParseSavedGame(SavedGameText(g));
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->custom);
    EXPECT_EQ(back->score, -40);
    // Customized scoring counts as on for anything but exactly "False".
    QByteArray text = SavedGameText(g);
    text.replace("[Custom]\r\nFalse", "[Custom]\r\nfalse");
    EXPECT_TRUE(ParseSavedGame(text)->custom);
    // Unknown items are passed over.
    text.replace("[Score]", "[Remark]\r\nhello\r\n[Score]");
    EXPECT_TRUE(ParseSavedGame(text));
}

struct Refusal {
    const char* what;
    QByteArray from, to;
};

TEST(SavedGameFile, ReaderRefusesWhatCannotBeReplayed) {
    const SavedGame g = TestGame(10, 2);
    const QByteArray good = SavedGameText(g);
    ASSERT_TRUE(ParseSavedGame(good));
    const QByteArray r1 = "[Round 1 Deck]\r\n";
    const QByteArray first = Trimmed(g.roundDecks[0])[1].toUtf8();
    const Refusal cases[] = {
        {"not first", "[Card Goal]\r\n10\r\n[Time Limit]",
         "[Time Limit]\r\n90\r\n[Card Goal]\r\n10\r\n[Time Limit]"},
        {"goal 9", "[Card Goal]\r\n10", "[Card Goal]\r\n9"},
        {"goal 16", "[Card Goal]\r\n10", "[Card Goal]\r\n16"},
        {"goal text", "[Card Goal]\r\n10", "[Card Goal]\r\nten"},
        {"goal of a larger deck", "[Card Goal]\r\n10", "[Card Goal]\r\n12"},
        {"time text", "[Time Limit]\r\n120", "[Time Limit]\r\nlong"},
        {"score text", "[Score]\r\n87654", "[Score]\r\nlots"},
        {"short deck", r1 + first + "\r\n", r1},
        {"long deck", r1, r1 + "5H\r\n"},
        {"rank 14", r1 + first, r1 + "14S"},
        {"rank 0", r1 + first, r1 + "0S"},
        {"leading zero", r1 + first, r1 + "01S"},
        {"suit X", r1 + first, r1 + "1X"},
        {"lower-case suit", r1 + first, r1 + "1s"},
        {"empty card", r1 + first, r1},
        {"no round 1", "[Round 1 Deck]", "[Round 9 Deck]"},
        {"round 3 without 2", "[Round 2 Deck]", "[Round 3 Deck]"},
    };
    for (const Refusal& c : cases) {
        QByteArray bad = good;
        ASSERT_TRUE(bad.contains(c.from)) << c.what;
        bad.replace(bad.indexOf(c.from), c.from.size(), c.to);
        QString error;
        EXPECT_FALSE(ParseSavedGame(bad, &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
    EXPECT_FALSE(ParseSavedGame(QByteArray()));
    EXPECT_FALSE(ParseSavedGame("hello\r\n"));
    // The last block cut short by the end of the file.
    EXPECT_FALSE(ParseSavedGame(good.left(good.size() - 10)));
}

TEST(SavedGameFile, OpeningABadFileReportsOnce) {
    QTemporaryDir dir;
    Shared().GameTitle = QStringLiteral("Sumbry!");
    platform::MessageScript script;
    const QString text = dir.filePath("text.smb");
    ASSERT_TRUE(platform::WriteFileWhole(text, "[Score]\r\n5\r\n"));
    for (const QString& path :
         {text, dir.filePath("missing.smb"), dir.path(), QStringLiteral("/dev/zero")}) {
        script.clearAsked();
        EXPECT_FALSE(ReadSavedGameOrReport(path)) << path.toStdString();
        ASSERT_EQ(script.asked().size(), 1u);
        EXPECT_EQ(script.asked()[0].text, kUnableToOpenSavedGame);
        EXPECT_EQ(script.asked()[0].icon, platform::Icon::Critical);
        EXPECT_EQ(script.asked()[0].title, "Sumbry!");
    }
    script.clearAsked();
    const QString good = dir.filePath("good.smb");
    ASSERT_TRUE(platform::WriteFileWhole(good, SavedGameText(TestGame(13, 3))));
    EXPECT_TRUE(ReadSavedGameOrReport(good));
    EXPECT_TRUE(script.asked().empty());
    Shared().GameTitle.clear();
}

} // namespace
