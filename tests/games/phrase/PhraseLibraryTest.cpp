// Topic files: how a file maps onto its record, the shuffled hand-out, files that cannot
// give a phrase, and the write-back at closing.
#include "games/phrase/PhraseLibrary.h"

#include "TestSupport.h"
#include "platform/SafeFile.h"
#include "services/Random.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QStringList entries(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* s : list)
        out << QString::fromLatin1(s);
    return out;
}

class PhraseLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SeedRandom(7);
        library.reset();
    }
    testsupport::ProgramSandbox sandbox;
    PhraseLibrary library;
};
} // namespace

TEST(PhraseTopicText, FileWrittenByTheGameReadsBackAtItsNumber) {
    const TopicRecord r =
        ParseTopicText("CURRENT_PHRASE_NUMBER=3\r\nfirst one\r\nsecond one\r\nthird one\r\n\r\n");
    EXPECT_EQ(r.count, 4);
    EXPECT_EQ(r.current, 3);
    EXPECT_EQ(r.phrases, entries({"", "first one", "second one", "third one", ""}));
}

TEST(PhraseTopicText, FileWithoutHeaderIsShuffledBeforeTheFirstPhrase) {
    const TopicRecord r = ParseTopicText("a\r\nb\r\nc\r\nd\r\ne\r\n");
    EXPECT_EQ(r.count, 5);
    EXPECT_EQ(r.current, -1);
    EXPECT_EQ(r.phrases, entries({"a", "b", "c", "d", "e", ""}));
    // Other line ends and a missing last line end read the same.
    EXPECT_EQ(ParseTopicText("a\nb\rc\r\nd\r\ne").phrases, r.phrases);
}

TEST(PhraseTopicText, HeaderFaultsAreRepaired) {
    // The last phrase without its closing empty line is kept.
    const TopicRecord open = ParseTopicText("CURRENT_PHRASE_NUMBER=1\r\nfirst\r\nsecond");
    EXPECT_EQ(open.count, 3);
    EXPECT_EQ(open.phrases, entries({"", "first", "second", ""}));
    // A number past the entries, or below them, starts a new shuffled pass.
    EXPECT_EQ(ParseTopicText("CURRENT_PHRASE_NUMBER=9\r\na\r\nb\r\n\r\n").current, 3);
    EXPECT_EQ(ParseTopicText("CURRENT_PHRASE_NUMBER=-2\r\na\r\nb\r\n\r\n").current, 3);
    // The number is the leading number after "=", rounded.
    EXPECT_EQ(ParseTopicText("CURRENT_PHRASE_NUMBER= 2.4xyz\r\na\r\nb\r\n\r\n").current, 2);
    EXPECT_EQ(ParseTopicText("CURRENT_PHRASE_NUMBER\r\na\r\nb\r\n\r\n").current, 0);
    // The header is recognised by its exact first 21 characters only.
    EXPECT_EQ(ParseTopicText("current_phrase_number=2\r\na\r\n").current, -1);
}

TEST(PhraseTopicText, WriteBackNamesTheNextPhraseOfTheWrittenFile) {
    TopicRecord r;
    r.count = 5;
    r.phrases = entries({"Alpha", "", "Beta Two", "Gamma", "", "Delta"});
    r.current = 3; // next is "Gamma", the third phrase written
    const QByteArray text = TopicWriteBackText(r);
    EXPECT_EQ(text, "CURRENT_PHRASE_NUMBER=3\r\nalpha\r\nbeta two\r\ngamma\r\ndelta\r\n\r\n");
    const TopicRecord back = ParseTopicText(text);
    EXPECT_EQ(back.phrases[back.current], "gamma");
    // A used-up topic is written so that the next run shuffles first.
    r.current = 5;
    const TopicRecord done = ParseTopicText(TopicWriteBackText(r));
    EXPECT_EQ(done.current, done.count);
    // Lower case keeps every character, and each line keeps the encoding it was read in: an
    // old 8-bit line stays 8-bit, beside UTF-8 lines too, so that a file written back is no
    // larger than it was and the next run can still read it.
    const QByteArray utf8Line("Caf\xc3\xa9 Soci\xc3\x89t\xc3\xa9\r\n");
    const QByteArray latin1Line("Caf\xe9 Soci\xc9t\xe9\r\n");
    const QByteArray utf8Back("caf\xc3\xa9 soci\xc3\xa9t\xc3\xa9\r\n");
    const QByteArray latin1Back("caf\xe9 soci\xe9t\xe9\r\n");
    const QByteArray header("CURRENT_PHRASE_NUMBER=1\r\n");
    // An 8-bit file as the game writes it, just inside what the reader takes.
    const QByteArray nearLimit =
        header + latin1Back.repeated((platform::kMaxReadSize - 64) / latin1Back.size()) + "\r\n";
    const struct {
        QByteArray file, written;
    } rows[] = {
        {utf8Line, header + utf8Back + "\r\n"},
        {latin1Line, header + latin1Back + "\r\n"},
        {utf8Line + latin1Line + utf8Line, header + utf8Back + latin1Back + utf8Back + "\r\n"},
        {nearLimit, nearLimit},
    };
    // Compared whole but shown in part: a failing row of a megabyte would flood the log.
    for (const auto& row : rows) {
        const QByteArray written = TopicWriteBackText(ParseTopicText(row.file));
        EXPECT_TRUE(written == row.written)
            << row.file.left(40).toHex(' ').toStdString() << " written as "
            << written.left(40).toHex(' ').toStdString() << ", " << written.size() << " bytes";
    }
}

TEST_F(PhraseLibraryTest, HandsOutEveryPhraseOncePerPassThenReshuffles) {
    sandbox.write("GLS.Dat",
                  "CURRENT_PHRASE_NUMBER=1\r\nhome run\r\nslam dunk\r\nhat trick\r\n\r\n");
    QStringList got;
    for (int i = 0; i < 3; ++i) {
        const PhraseChoice c = library.choosePhrase(4);
        ASSERT_TRUE(c.found);
        EXPECT_EQ(c.topic, 4);
        got << c.phrase;
    }
    EXPECT_EQ(got, entries({"home run", "slam dunk", "hat trick"}));
    EXPECT_EQ(library.record(4).current, library.record(4).count);
    // The fourth request shuffles again; the file is read only once.
    sandbox.write("GLS.Dat", "something else\r\n");
    const PhraseChoice again = library.choosePhrase(4);
    EXPECT_TRUE(entries({"home run", "slam dunk", "hat trick"}).contains(again.phrase));
}

TEST_F(PhraseLibraryTest, BlankAndOversizedEntriesAreSkipped) {
    sandbox.write("GLX.Dat",
                  "CURRENT_PHRASE_NUMBER=1\r\n\r\nABCDEFGHIJKLMNOPQ\r\n  kept  \r\n\r\n");
    const PhraseChoice c = library.choosePhrase(5);
    ASSERT_TRUE(c.found);
    EXPECT_EQ(c.phrase, "kept");
    EXPECT_TRUE(c.notices.empty());
}

TEST_F(PhraseLibraryTest, MissingFileIsRecreatedWithOnePhraseAndReported) {
    const PhraseChoice c = library.choosePhrase(1);
    ASSERT_TRUE(c.found);
    EXPECT_EQ(c.phrase, kMissingPhrase);
    ASSERT_EQ(c.notices.size(), 1u);
    EXPECT_EQ(c.notices[0].kind, PhraseNotice::MissingFile);
    EXPECT_TRUE(c.notices[0].text.startsWith(
        "The file containing the phrases used by the game was not found.\r\n"));
    EXPECT_EQ(sandbox.read("GLM.Dat"), QByteArray(kMissingPhrase) + "\r\n");
    EXPECT_FALSE(library.record(1).loaded);
    // The next request reads the new file: its empty entry is skipped, its phrase comes.
    const PhraseChoice next = library.choosePhrase(1);
    EXPECT_EQ(next.phrase, kMissingPhrase);
    EXPECT_TRUE(next.notices.empty());
    EXPECT_TRUE(library.record(1).loaded);
}

TEST_F(PhraseLibraryTest, UnusableTopicIsReportedAtEveryChoiceAndSkippedByTheRandomDraw) {
    sandbox.write("GLM.Dat", "");                                // empty
    sandbox.write("GLN.Dat", "CURRENT_PHRASE_NUMBER=1\r\n\r\n"); // header only
    sandbox.write("GLP.Dat", "\r\n   \r\n\r\n");                 // blank lines
    sandbox.write("GLS.Dat", "ABCDEFGHIJKLMNOPQRSTUVWXYZ\r\n");  // nothing fits
    sandbox.write("GLX.Dat", "CURRENT_PHRASE_NUMBER=77\r\n\r\n");
    sandbox.write("GLMU.Dat", "");
    sandbox.write("GLPL.Dat", "the open road\r\n");
    const PhraseChoice fixed = library.choosePhrase(1);
    EXPECT_FALSE(fixed.found);
    ASSERT_EQ(fixed.notices.size(), 1u);
    EXPECT_EQ(fixed.notices[0].kind, PhraseNotice::UnusableTopic);
    EXPECT_TRUE(fixed.notices[0].text.contains("GLM.Dat"));
    // Chosen again (the next Play): no phrase, and the player is told why again.
    const PhraseChoice again = library.choosePhrase(1);
    EXPECT_FALSE(again.found);
    ASSERT_EQ(again.notices.size(), 1u);
    EXPECT_EQ(again.notices[0].text, fixed.notices[0].text);

    for (int i = 0; i < 5; ++i) {
        const PhraseChoice c = library.choosePhrase(0);
        ASSERT_TRUE(c.found);
        EXPECT_EQ(c.topic, 7);
        EXPECT_EQ(c.phrase, "the open road");
    }
    sandbox.write("GLPL.Dat", "");
    library.reset();
    int told = 0;
    for (int i = 0; i < 3; ++i) {
        const PhraseChoice c = library.choosePhrase(0);
        EXPECT_FALSE(c.found);
        told += int(c.notices.size());
    }
    EXPECT_EQ(told, 7);
}

TEST_F(PhraseLibraryTest, AChosenTopicThatCannotBeReadIsReportedAndReadAgainAtEveryChoice) {
    ASSERT_TRUE(QDir().mkdir(sandbox.path("GLS.Dat"))); // a folder where the file belongs
    for (int i = 0; i < 2; ++i) {
        const PhraseChoice c = library.choosePhrase(4);
        EXPECT_FALSE(c.found);
        ASSERT_EQ(c.notices.size(), 1u);
        EXPECT_EQ(c.notices[0].kind, PhraseNotice::ReadError);
    }
    // Put right meanwhile: the next choice reads the file.
    ASSERT_TRUE(QDir().rmdir(sandbox.path("GLS.Dat")));
    sandbox.write("GLS.Dat", "HOME RUN\r\n");
    const PhraseChoice fixed = library.choosePhrase(4);
    EXPECT_EQ(fixed.phrase, "HOME RUN");
    EXPECT_TRUE(fixed.notices.empty());
}

TEST_F(PhraseLibraryTest, WriteBackTouchesOnlyTopicsReadAndReportsUnwritableOnes) {
    sandbox.write("GLP.Dat", "a stitch in time\r\nbetter late than never\r\n");
    sandbox.write("GLS.Dat", "HOME RUN\r\n");
    sandbox.write("GLN.Dat", "Untouched Name\r\n");
    const PhraseChoice first = library.choosePhrase(3);
    ASSERT_TRUE(first.found);
    library.choosePhrase(4);

    const QStringList failed = library.writeBack();
    const TopicRecord back = ParseTopicText(sandbox.read("GLP.Dat"));
    EXPECT_TRUE(sandbox.read("GLP.Dat").startsWith("CURRENT_PHRASE_NUMBER="));
    // The next run goes on with the phrase after the one handed out.
    EXPECT_NE(back.phrases[back.current], first.phrase.toLower());
    EXPECT_TRUE(back.phrases.contains(first.phrase.toLower()));
    EXPECT_EQ(sandbox.read("GLN.Dat"), "Untouched Name\r\n");
    // A file at the reader's limit whose lines end in LF alone would grow past it with CR LF:
    // it stays as the player's file has it, so that the next run can still read it.
    const QByteArray atLimit = QByteArray("slam dunk\n").repeated(platform::kMaxReadSize / 10);
    sandbox.write("GLX.Dat", atLimit);
    ASSERT_TRUE(library.choosePhrase(5).found);
    EXPECT_TRUE(library.writeBack().isEmpty());
    EXPECT_TRUE(sandbox.read("GLX.Dat") == atLimit);
    // A file that cannot be replaced (here a folder took its place) does not stop the rest.
    sandbox.write("GLS.Dat", "old");
    ASSERT_TRUE(QFile::remove(sandbox.path("GLP.Dat")));
    ASSERT_TRUE(QDir().mkdir(sandbox.path("GLP.Dat")));
    const QStringList blocked = library.writeBack();
    EXPECT_TRUE(sandbox.read("GLS.Dat").startsWith("CURRENT_PHRASE_NUMBER="));
    EXPECT_TRUE(failed.isEmpty());
    EXPECT_EQ(blocked, QStringList{"GLP.Dat"});
}
