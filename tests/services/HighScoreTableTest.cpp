// The table rows without windows: reading, checking, placing and writing.
#include "services/HighScoreTable.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

HighScoreRow row(const QString& name, int64_t score, const QString& date = kPlaceholderDate) {
    HighScoreRow r;
    r.name = name;
    r.score = score;
    r.scoreText = QString::number(score);
    r.date = date;
    return r;
}

std::vector<HighScoreRow> descending(int count, int64_t top = 90000) {
    std::vector<HighScoreRow> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back(row(QString("P%1").arg(i), top - 10000 * i));
    return rows;
}

std::vector<int64_t> scores(const std::vector<HighScoreRow>& rows) {
    std::vector<int64_t> out;
    for (const auto& r : rows)
        out.push_back(r.score);
    return out;
}

} // namespace

TEST(HighScoreTableFile, FreshTableAndRoundTripAreByteExact) {
    QByteArray expected;
    for (int i = 0; i < 10; ++i)
        expected += "Corvell, 50000, Jan 01 2000 12:00 am\r\n";
    expected += "\r\n";
    EXPECT_EQ(SerialiseHighScoreTable(FreshHighScoreRows("50000")), expected);

    const QByteArray file = "Ada*, 120500, Mar 05 2024 02:07 pm\r\n"
                            "Bob, 50000, Jan 01 2000 12:00 am\r\n"
                            "\r\n";
    const HighScoreTable t = ParseHighScoreTable(file);
    ASSERT_TRUE(t.ok());
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].name, "Ada*");
    EXPECT_EQ(t.rows[0].score, 120500);
    EXPECT_EQ(t.rows[0].date, "Mar 05 2024 02:07 pm");
    EXPECT_EQ(SerialiseHighScoreTable(t.rows), file);
}

TEST(HighScoreTableFile, ReadsTenRowsAndStopsAtTheEnd) {
    QByteArray twelve;
    for (int i = 0; i < 12; ++i)
        twelve += QByteArray::number(100 - i).prepend("N, ") + ", d\r\n";
    EXPECT_EQ(ParseHighScoreTable(twelve).rows.size(), 10u); // rows after the tenth are ignored

    EXPECT_TRUE(ParseHighScoreTable("").ok());
    EXPECT_TRUE(ParseHighScoreTable("").rows.empty());
    const HighScoreTable extraBlank = ParseHighScoreTable("A, 5, d\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(extraBlank.ok());
    EXPECT_EQ(extraBlank.rows.size(), 1u);
    // A row whose name is empty is still a row.
    EXPECT_EQ(ParseHighScoreTable(", 7, d\r\n\r\n").rows.size(), 1u);
}

TEST(HighScoreTableFile, DamagedRowsAreReportedWithTheRowsBeforeThem) {
    const HighScoreTable badScore =
        ParseHighScoreTable("A, 9, d\r\nB, 8, d\r\nC, abc, d\r\nD, 6, d\r\n");
    EXPECT_FALSE(badScore.ok());
    EXPECT_EQ(badScore.error, "row 3 has no valid score");
    EXPECT_EQ(badScore.rows.size(), 2u);

    const HighScoreTable truncated = ParseHighScoreTable("A, 9, d\r\nB, 8");
    EXPECT_FALSE(truncated.ok());
    EXPECT_EQ(truncated.error, "row 2 is incomplete");
    EXPECT_EQ(truncated.rows.size(), 1u);

    // An extra item shifts everything after it; the shift is caught, not written back.
    EXPECT_FALSE(ParseHighScoreTable("A, 9, d, x\r\nB, 8, d\r\n").ok());
}

TEST(HighScoreTableFile, WriterKeepsEveryRowOnItsOwnLine) {
    std::vector<HighScoreRow> rows{row("Al, \"Ace\"\r\nX", 100, "Mar 05, 2024\n"), row("B", 50)};
    const QByteArray text = SerialiseHighScoreTable(rows);
    EXPECT_EQ(text.left(text.indexOf("\r\n")), "Al AceX, 100, Mar 05 2024");
    const HighScoreTable back = ParseHighScoreTable(text);
    ASSERT_TRUE(back.ok());
    ASSERT_EQ(back.rows.size(), 2u);
    EXPECT_EQ(back.rows[1].name, "B");
    EXPECT_EQ(back.rows[1].score, 50);
}

TEST(HighScoreTablePlace, TiesGoBelowAndTheTenthRowDropsOut) {
    auto rows = descending(10);                // 90000 .. 0
    EXPECT_EQ(HighScorePlace(rows, 80000), 2); // equal to row 2's score: placed below it
    EXPECT_EQ(HighScorePlace(rows, 90001), 0);
    EXPECT_EQ(HighScorePlace(rows, 1), 9); // beats only the tenth row
    EXPECT_EQ(HighScorePlace(rows, 0), -1);

    InsertHighScoreRow(rows, 0, row("New", 90001));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front().name, "New");
    EXPECT_EQ(rows.back().score, 10000); // the old tenth row (0) is gone

    auto last = descending(10);
    InsertHighScoreRow(last, 9, row("New", 1));
    EXPECT_EQ(scores(last).back(), 1);
    EXPECT_EQ(last.size(), 10u);
}

TEST(HighScoreTablePlace, MissingRowsOfAShortTableAreFreePlaces) {
    auto nine = descending(9, 90000); // lowest 10000
    EXPECT_EQ(HighScorePlace(nine, 5000), 9);
    EXPECT_EQ(HighScorePlace(nine, 10000), 9); // a tie still goes below
    EXPECT_EQ(HighScorePlace(nine, 10001), 8);
    InsertHighScoreRow(nine, 8, row("New", 10001));
    EXPECT_EQ(scores(nine), (std::vector<int64_t>{90000, 80000, 70000, 60000, 50000, 40000, 30000,
                                                  20000, 10001, 10000}));
    // An empty table takes any score, as its first row.
    EXPECT_EQ(HighScorePlace({}, 0), 0);
    EXPECT_EQ(HighScorePlace({}, 100), 0);
}

TEST(HighScoreFormats, FixedEnglishWhateverTheLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatScore(0), "0");
    EXPECT_EQ(FormatScore(999), "999");
    EXPECT_EQ(FormatScore(1000), "1,000");
    EXPECT_EQ(FormatScore(50000), "50,000");
    EXPECT_EQ(FormatScore(2147483647), "2,147,483,647");
    EXPECT_EQ(FormatScore(-1234567), "-1,234,567");
    EXPECT_EQ(FormatScore(INT64_MIN), "-9,223,372,036,854,775,808");

    const QDate d(2024, 3, 5);
    EXPECT_EQ(FormatTableDate(QDateTime(d, QTime(0, 0))), "Mar 05 2024 12:00 am");
    EXPECT_EQ(FormatTableDate(QDateTime(d, QTime(12, 0))), "Mar 05 2024 12:00 pm");
    EXPECT_EQ(FormatTableDate(QDateTime(d, QTime(14, 7))), "Mar 05 2024 02:07 pm");
    EXPECT_EQ(FormatTableDate(QDateTime(QDate(1999, 12, 31), QTime(23, 59))),
              "Dec 31 1999 11:59 pm");
    QLocale::setDefault(saved);

    int64_t v = 0;
    EXPECT_TRUE(ParseScoreText("-12", v));
    EXPECT_EQ(v, -12);
    for (const char* bad : {"", "-", "12a", " 12", "1,000", "1234567890123456789"})
        EXPECT_FALSE(ParseScoreText(bad, v)) << bad;
}
