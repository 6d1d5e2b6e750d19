#pragma once
// The rows of a high-score table file, without any window: reading and checking a table,
// placing a new score and writing the table back. A row is "name, score, date", one per
// line, best first, at most ten rows.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct HighScoreRow {
    QString name;      // with "*" appended when custom scoring made the score
    QString scoreText; // digits as stored
    int64_t score = 0;
    QString date; // "mmm dd yyyy hh:mm am/pm"
};

inline constexpr int kHighScoreRows = 10;
// The date of a placeholder row that no player made.
inline const QString kPlaceholderDate = QStringLiteral("Jan 01 2000 12:00 am");
inline const QString kPlaceholderName = QStringLiteral("Corvell");

struct HighScoreTable {
    std::vector<HighScoreRow> rows;
    // Empty when every row read cleanly; otherwise why reading stopped. `rows` then holds
    // the rows before the damaged one.
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Reads up to ten rows; anything after the tenth row is ignored.
HighScoreTable ParseHighScoreTable(const QByteArray& text);

// The file text: one line per row, CR LF, then the final empty line. Commas, double quotes
// and line breaks are dropped from names and dates so that no row can spill into the next.
QByteArray SerialiseHighScoreTable(const std::vector<HighScoreRow>& rows);

// Ten placeholder rows with `defaultTopScore` as their score.
std::vector<HighScoreRow> FreshHighScoreRows(const QString& defaultTopScore);

// Where a score belongs: before the first row it beats strictly (so a tie goes below the
// older row); below the last row when the table has fewer than ten, since a missing row is a
// free place; -1 when it beats none of ten.
int HighScorePlace(const std::vector<HighScoreRow>& rows, int64_t score);
// Inserts the row at `place` and drops whatever falls below the tenth row.
void InsertHighScoreRow(std::vector<HighScoreRow>& rows, int place, HighScoreRow row);

// A new row as the program writes it.
HighScoreRow MakeHighScoreRow(const QString& userName, bool customScoring, int64_t score,
                              const QDateTime& when);

// "mmm dd yyyy hh:mm am/pm" with English month names whatever the locale.
QString FormatTableDate(const QDateTime& when);
// Digits grouped by commas, at least one digit ("###,###,###,##0"), whatever the locale.
QString FormatScore(int64_t score);
// Strict decimal number: optional minus sign, then 1 to 18 digits.
bool ParseScoreText(const QString& text, int64_t& value);
