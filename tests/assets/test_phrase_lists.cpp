// The topic lists shipped beside the program: each read with the game's own reader, every
// phrase one that a round can be played on, no phrase given twice or nearly twice, and every
// list handed out and written back by the game's library as a next run reads it.
#include "TestSupport.h"
#include "games/phrase/PhraseLayout.h"
#include "games/phrase/PhraseLibrary.h"
#include "games/phrase/PhraseTopics.h"
#include "services/Random.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {
QByteArray shipped(const char* file) {
    QFile f(QCoreApplication::applicationDirPath() + "/" + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The words of a phrase, lower case, with "-ing", "-s" and a final "e" taken off, so that
// "Tape Measure" and "Measuring Tape" read alike.
QStringList stems(const QString& phrase) {
    static const QRegularExpression word(QStringLiteral("[a-z']+"));
    QStringList out;
    for (auto it = word.globalMatch(phrase.toLower()); it.hasNext();) {
        QString w = it.next().captured();
        for (const char* ending : {"ing", "s", "e"})
            if (w.endsWith(QLatin1String(ending)) && w.size() - int(strlen(ending)) >= 3)
                w.chop(int(strlen(ending)));
        out << w;
    }
    return out;
}
QSet<QString> contentWords(const QStringList& words) {
    static const QSet<QString> small = {"the", "and", "of",   "a",  "an",  "in",  "on", "to",
                                        "is",  "you", "your", "it", "its", "for", "at", "with"};
    QSet<QString> out;
    for (const QString& w : words)
        if (!small.contains(w)) out.insert(w);
    return out;
}
// Nearly the same phrase: the same words in another order or form ("Measuring Tape"), or
// the shorter with words put in between its first and last ("Wolfgang Amadeus Mozart").
bool nearlyTheSameWords(const QStringList& wa, const QStringList& wb) {
    const QSet<QString> ca = contentWords(wa), cb = contentWords(wb);
    if (ca.size() >= 2 && ca == cb) return true;
    const QStringList& shorter = wa.size() < wb.size() ? wa : wb;
    const QStringList& longer = wa.size() < wb.size() ? wb : wa;
    if (shorter.size() < 2 || shorter.size() == longer.size()) return false;
    if (shorter.first() != longer.first() || shorter.last() != longer.last()) return false;
    qsizetype at = 0;
    for (const QString& w : shorter) {
        at = longer.indexOf(w, at);
        if (at < 0) return false;
        ++at;
    }
    return true;
}
bool nearlyTheSame(const QString& a, const QString& b) {
    return nearlyTheSameWords(stems(a), stems(b));
}
} // namespace

TEST(ShippedPhraseLists, EveryTopicHoldsAHundredPlayablePhrases) {
    // Letters, single blanks between words, a few marks and digits, and a consonant.
    const QRegularExpression allowed(
        QStringLiteral("^[A-Za-z0-9'\\-.,!?&]+( [A-Za-z0-9'\\-.,!?&]+)*$"));
    const QRegularExpression consonant(QStringLiteral("[b-df-hj-np-tv-xzB-DF-HJ-NP-TV-XZ]"));
    QSet<QString> seen;
    for (const TopicInfo& t : Topics()) {
        SCOPED_TRACE(t.file);
        const QByteArray text = shipped(t.file);
        ASSERT_TRUE(text.endsWith("\r\n"));
        EXPECT_EQ(text.count("\r\n"), text.count('\n'));
        EXPECT_EQ(text.count("\r\n"), text.count('\r'));
        const TopicRecord r = ParseTopicText(text);
        EXPECT_EQ(r.current, -1); // no header: the first run shuffles
        EXPECT_GE(r.count, 100);
        for (int i = 0; i < r.count; ++i) {
            const QString& p = r.phrases[i];
            SCOPED_TRACE(p.toStdString());
            for (QChar c : p)
                EXPECT_LT(c.unicode(), 128);
            EXPECT_EQ(TrimBlanks(p), p);
            EXPECT_GE(p.size(), 1);
            EXPECT_LE(p.size(), 90);
            EXPECT_TRUE(allowed.match(p).hasMatch());
            EXPECT_TRUE(consonant.match(p).hasMatch());
            EXPECT_TRUE(LayoutPhrase(p).fits);
            EXPECT_FALSE(seen.contains(p.toLower())) << "given twice";
            seen.insert(p.toLower());
        }
    }
}

TEST(ShippedPhraseLists, NoPhraseNearlyRepeatsAnother) {
    QStringList all;
    for (const TopicInfo& t : Topics())
        for (const QString& p : ParseTopicText(shipped(t.file)).phrases)
            if (!p.isEmpty()) all << p;
    ASSERT_GE(all.size(), 700);
    std::vector<QStringList> words;
    for (const QString& p : all)
        words.push_back(stems(p));
    for (size_t i = 0; i < words.size(); ++i)
        for (size_t j = i + 1; j < words.size(); ++j)
            EXPECT_FALSE(nearlyTheSameWords(words[i], words[j]))
                << all[qsizetype(i)].toStdString() << " | " << all[qsizetype(j)].toStdString();
    // The check itself tells such pairs apart from phrases that merely share words.
    EXPECT_TRUE(nearlyTheSame("Tape Measure", "Measuring Tape"));
    EXPECT_TRUE(nearlyTheSame("Wolfgang Mozart", "Wolfgang Amadeus Mozart"));
    EXPECT_FALSE(nearlyTheSame("Take Two", "It Takes Two To Tango"));
    EXPECT_FALSE(nearlyTheSame("Documentary", "Nature Documentary"));
}

TEST(ShippedPhraseLists, EachListIsHandedOutWrittenBackWholeAndReadOnInTheNextRun) {
    testsupport::ProgramSandbox sandbox;
    SeedRandom(11);
    for (const TopicInfo& t : Topics())
        sandbox.write(t.file, shipped(t.file));
    PhraseLibrary library;
    for (const TopicInfo& t : Topics()) {
        SCOPED_TRACE(t.file);
        const QStringList list = ParseTopicText(shipped(t.file)).phrases;
        for (int i = 0; i < 40; ++i) {
            const PhraseChoice c = library.choosePhrase(t.topic);
            ASSERT_TRUE(c.found);
            EXPECT_TRUE(c.notices.empty());
            EXPECT_EQ(c.topic, t.topic);
            EXPECT_TRUE(list.contains(c.phrase));
        }
    }
    EXPECT_TRUE(library.writeBack().isEmpty());

    PhraseLibrary nextRun;
    for (const TopicInfo& t : Topics()) {
        SCOPED_TRACE(t.file);
        const QByteArray written = sandbox.read(t.file);
        EXPECT_TRUE(written.startsWith("CURRENT_PHRASE_NUMBER="));
        EXPECT_TRUE(written.endsWith("\r\n\r\n"));
        // Every phrase kept, in lower case, none twice.
        const TopicRecord back = ParseTopicText(written);
        QStringList kept;
        for (const QString& p : back.phrases)
            if (!p.isEmpty()) kept << p;
        QStringList expected;
        for (const QString& p : ParseTopicText(shipped(t.file)).phrases)
            if (!p.isEmpty()) expected << p.toLower();
        kept.sort();
        expected.sort();
        EXPECT_EQ(kept, expected);
        // The next run goes on at the written position instead of shuffling afresh.
        ASSERT_GE(back.current, 1);
        ASSERT_LT(back.current, back.count);
        EXPECT_EQ(nextRun.choosePhrase(t.topic).phrase, TrimBlanks(back.phrases[back.current]));
    }
}
