#include "services/HighScoreTable.h"

#include "services/ItemReader.h"
#include "services/TextFile.h"

#include <array>

namespace {

// True when nothing but empty items is left: the empty line that ends every table.
bool restIsEmpty(ItemReader reader) {
    while (!reader.atEnd())
        if (!reader.next().isEmpty()) return false;
    return true;
}

QString cleanItem(QString item) {
    item.remove(QLatin1Char(',')).remove(QLatin1Char('"'));
    item.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return item;
}

} // namespace

bool ParseScoreText(const QString& text, int64_t& value) {
    const bool negative = text.startsWith(QLatin1Char('-'));
    const qsizetype first = negative ? 1 : 0;
    const qsizetype digits = text.size() - first;
    if (digits < 1 || digits > 18) return false;
    int64_t v = 0;
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return false;
        v = v * 10 + (c - u'0');
    }
    value = negative ? -v : v;
    return true;
}

HighScoreTable ParseHighScoreTable(const QByteArray& text) {
    HighScoreTable table;
    ItemReader reader(text);
    while (int(table.rows.size()) < kHighScoreRows && !reader.atEnd()) {
        const int number = int(table.rows.size()) + 1;
        HighScoreRow row;
        row.name = reader.next();
        if (row.name.isEmpty() && restIsEmpty(reader)) break;
        if (reader.atEnd()) {
            table.error = QStringLiteral("row %1 is incomplete").arg(number);
            break;
        }
        row.scoreText = reader.next();
        if (!ParseScoreText(row.scoreText, row.score)) {
            table.error = QStringLiteral("row %1 has no valid score").arg(number);
            break;
        }
        if (reader.atEnd()) {
            table.error = QStringLiteral("row %1 is incomplete").arg(number);
            break;
        }
        row.date = reader.next();
        table.rows.push_back(std::move(row));
    }
    return table;
}

QByteArray SerialiseHighScoreTable(const std::vector<HighScoreRow>& rows) {
    QStringList lines;
    for (const HighScoreRow& r : rows)
        lines << cleanItem(r.name) + QStringLiteral(", ") + r.scoreText + QStringLiteral(", ") +
                     cleanItem(r.date);
    return JoinFileLines(lines);
}

std::vector<HighScoreRow> FreshHighScoreRows(const QString& defaultTopScore) {
    HighScoreRow row;
    row.name = kPlaceholderName;
    row.scoreText = defaultTopScore;
    ParseScoreText(defaultTopScore, row.score);
    row.date = kPlaceholderDate;
    return std::vector<HighScoreRow>(kHighScoreRows, row);
}

int HighScorePlace(const std::vector<HighScoreRow>& rows, int64_t score) {
    for (size_t i = 0; i < rows.size() && i < size_t(kHighScoreRows); ++i)
        if (rows[i].score < score) return int(i);
    return rows.size() < size_t(kHighScoreRows) ? int(rows.size()) : -1;
}

void InsertHighScoreRow(std::vector<HighScoreRow>& rows, int place, HighScoreRow row) {
    rows.insert(rows.begin() + place, std::move(row));
    if (rows.size() > size_t(kHighScoreRows)) rows.resize(kHighScoreRows);
}

HighScoreRow MakeHighScoreRow(const QString& userName, bool customScoring, int64_t score,
                              const QDateTime& when) {
    HighScoreRow row;
    row.name = userName + (customScoring ? QStringLiteral("*") : QString());
    row.score = score;
    row.scoreText = QString::number(score);
    row.date = FormatTableDate(when);
    return row;
}

QString FormatTableDate(const QDateTime& when) {
    static const std::array<const char*, 12> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = when.date();
    const QTime t = when.time();
    const int hour12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    return QStringLiteral("%1 %2 %3 %4:%5 %6")
        .arg(QLatin1String(months[size_t(qBound(1, d.month(), 12) - 1)]))
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(t.minute(), 2, 10, QLatin1Char('0'))
        .arg(t.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
}

QString FormatScore(int64_t score) {
    // Work on the magnitude as unsigned so that the lowest 64-bit value formats too.
    const bool negative = score < 0;
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(score) : uint64_t(score);
    QString digits;
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0) digits.prepend(QLatin1Char(','));
        digits.prepend(QLatin1Char(char('0' + magnitude % 10)));
        magnitude /= 10;
        ++count;
    } while (magnitude > 0);
    return negative ? QLatin1Char('-') + digits : digits;
}
