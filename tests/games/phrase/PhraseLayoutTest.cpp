// Wrapping and centring phrases on the 6 x 15 board, and the letter value range.
#include "games/phrase/PhraseLayout.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}
// The 15 cells of a row (0-based) of a laid-out phrase.
QString row(const QString& laidOut, int r) {
    return laidOut.mid(r * 15, 15).leftJustified(15, QLatin1Char(' '));
}
} // namespace

TEST(PhraseLayout, ShortPhraseSitsCentredOnRowThree) {
    const PhraseLayoutResult r = LayoutPhrase("HELLO WORLD");
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(r.laidOut, blanks(32) + "HELLO WORLD");
    EXPECT_EQ(r.laidOut[37], QLatin1Char(' ')); // the blank between the words stays hidden
    EXPECT_EQ(r.visibleCells, 10);
    EXPECT_EQ(r.letterValueRange, 80);
}

TEST(PhraseLayout, WordsWrapWithoutSplittingAndEachRowIsCentred) {
    const PhraseLayoutResult r = LayoutPhrase("A PENNY SAVED IS A PENNY EARNED");
    ASSERT_TRUE(r.fits);
    EXPECT_EQ(row(r.laidOut, 0), blanks(15));
    EXPECT_EQ(row(r.laidOut, 1), " A PENNY SAVED ");
    EXPECT_EQ(row(r.laidOut, 2), "  IS A PENNY   ");
    EXPECT_EQ(row(r.laidOut, 3), "     EARNED    ");
    EXPECT_EQ(r.laidOut.size(), 56);
    EXPECT_EQ(r.visibleCells, 25);
    EXPECT_EQ(r.letterValueRange, 32);

    // Fifteen characters exactly: the second word goes to a row of its own.
    const PhraseLayoutResult two = LayoutPhrase("ABCDEFG HIJKLMN");
    ASSERT_TRUE(two.fits);
    EXPECT_EQ(row(two.laidOut, 2), "    ABCDEFG    ");
    EXPECT_EQ(row(two.laidOut, 3), "    HIJKLMN    ");
}

TEST(PhraseLayout, LongWordsFitOnlyWhenTheyFillARowWithTextAfter) {
    EXPECT_TRUE(LayoutPhrase("ABCDEFGHIJKLMNO AND").fits);
    EXPECT_EQ(row(LayoutPhrase("ABCDEFGHIJKLMNO AND").laidOut, 2), "ABCDEFGHIJKLMNO");
    EXPECT_FALSE(LayoutPhrase("AND ABCDEFGHIJKLMNO").fits);
    EXPECT_FALSE(LayoutPhrase("ABCDEFGHIJKLMNO").fits);
    EXPECT_FALSE(LayoutPhrase("ABCDEFGHIJKLMNOP AND").fits);
    EXPECT_FALSE(LayoutPhrase("GO ABCDEFGHIJKLMNOP").fits);
}

TEST(PhraseLayout, TooManyRowsOrCellsDoNotFit) {
    // Seven rows of one 14-letter word each.
    QStringList words;
    for (int i = 0; i < 7; ++i)
        words << "ABCDEFGHIJKLMN";
    EXPECT_FALSE(LayoutPhrase(words.join(' ')).fits);
    words.removeLast();
    const PhraseLayoutResult six = LayoutPhrase(words.join(' '));
    ASSERT_TRUE(six.fits);
    EXPECT_EQ(six.visibleCells, 84);
    EXPECT_EQ(six.letterValueRange, 10);
    EXPECT_FALSE(PhraseFitsBoard(QString(91, QLatin1Char('A'))));
    EXPECT_FALSE(PhraseFitsBoard("   "));
    EXPECT_TRUE(PhraseFitsBoard("  HELLO WORLD  "));
}

TEST(PhraseLayout, LetterValueRangeFollowsTheVisibleCells) {
    EXPECT_EQ(LetterValueRangeFor(20), 40);
    EXPECT_EQ(LetterValueRangeFor(45), 18);
    EXPECT_EQ(LetterValueRangeFor(90), 9);
    EXPECT_EQ(LetterValueRangeFor(0), 0);
}

TEST(PhraseLayout, PunctuationShowsAtOnce) {
    EXPECT_TRUE(ShowsAtOnce(QLatin1Char('\'')));
    EXPECT_TRUE(ShowsAtOnce(QLatin1Char('!')));
    EXPECT_TRUE(ShowsAtOnce(QLatin1Char('7')));
    EXPECT_FALSE(ShowsAtOnce(QLatin1Char('q')));
    EXPECT_FALSE(ShowsAtOnce(QLatin1Char(' ')));
}
