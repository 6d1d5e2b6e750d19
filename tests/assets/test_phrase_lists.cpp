// The topic lists shipped beside the program: each read with the game's own reader, every
// phrase one that a round can be played on.
#include "games/phrase/PhraseLayout.h"
#include "games/phrase/PhraseTopics.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

TEST(ShippedPhraseLists, EveryTopicHoldsAHundredPlayablePhrases) {
    // Letters, single blanks between words, a few marks and digits, and a consonant.
    const QRegularExpression allowed(
        QStringLiteral("^[A-Za-z0-9'\\-.,!?&]+( [A-Za-z0-9'\\-.,!?&]+)*$"));
    const QRegularExpression consonant(QStringLiteral("[b-df-hj-np-tv-xzB-DF-HJ-NP-TV-XZ]"));
    QSet<QString> seen;
    for (const TopicInfo& t : Topics()) {
        SCOPED_TRACE(t.file);
        QFile f(QCoreApplication::applicationDirPath() + "/" + t.file);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
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
