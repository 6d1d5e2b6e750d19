#include "frame/ScoringForm.h"

#include <cmath>

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of a run of digits starting at `i`.
qsizetype digitsAt(const QString& t, qsizetype i) {
    qsizetype n = 0;
    while (i + n < t.size() && isDigit(t[i + n]))
        ++n;
    return n;
}
} // namespace

double ReadBoxNumber(const QString& t, bool exponent) {
    qsizetype i = 0;
    while (i < t.size() && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) number += t[i++];
    qsizetype run = digitsAt(t, i);
    number += t.mid(i, run);
    i += run;
    bool digits = run > 0;
    // Digit grouping: groups of exactly three after a lead of one to three digits.
    if (run >= 1 && run <= 3) {
        while (i + 4 <= t.size() && t[i] == QLatin1Char(',') && digitsAt(t, i + 1) == 3) {
            number += t.mid(i + 1, 3);
            i += 4;
        }
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        const qsizetype fraction = digitsAt(t, i + 1);
        number += QLatin1Char('.') + t.mid(i + 1, fraction);
        i += 1 + fraction;
        digits = digits || fraction > 0;
    }
    if (exponent && i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == QLatin1Char('-') || t[j] == QLatin1Char('+'))) ++j;
        const qsizetype power = digitsAt(t, j);
        // Only a mantissa with digits takes a power: "e5" alone is no number.
        if (power > 0 && digits) number += QLatin1Char('e') + t.mid(i + 1, j - i - 1 + power);
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    // A number too large to hold reads as infinite, so that it lies beyond every range.
    if (std::isinf(v)) return v;
    return ok && !std::isnan(v) ? v : 0.0;
}

ScoringCheck RangeCheck(const char* box, double low, double high, const QString& message) {
    return {.box = box, .low = low, .high = high, .lowMessage = message, .highMessage = message};
}

QString BoxText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return QString::number(qint64(v));
    return QString::number(v, 'g', 12);
}

ScoringCheck RangeCheck(const char* box, double low, double high, QString lowMessage,
                        QString highMessage) {
    return {.box = box,
            .low = low,
            .high = high,
            .lowMessage = std::move(lowMessage),
            .highMessage = std::move(highMessage)};
}

ScoringCheck CheckFromZero(const char* box, double high, QString lowMessage, QString highMessage) {
    return RangeCheck(box, 0, high, std::move(lowMessage), std::move(highMessage));
}

ScoringCheck PassesCheck(const char* box) {
    // The passes left are set from the setting at each round, so a refused count is not kept.
    return {.box = box,
            .low = 0,
            .high = 10,
            .lowMessage = QStringLiteral("Sorry, you cannot pass fewer than 0 cards."),
            .highMessage = QStringLiteral("Sorry, you cannot pass more than 10 cards."),
            .storeBound = false};
}

ScoringCheck WaitCheck(const char* box, int mostSeconds) {
    return CheckFromZero(box, mostSeconds,
                         QStringLiteral("Sorry, a minimum of 0 seconds is required for the "
                                        "waiting period between rounds."),
                         QStringLiteral("Sorry, a maximum of %1 seconds is allowed for the "
                                        "waiting period between rounds.")
                             .arg(mostSeconds));
}

ScoringCheck TimeBonusCheck(const char* box) {
    return CheckFromZero(
        box, 32767,
        QStringLiteral("Sorry, you cannot set the Time Bonus value to less than 0 points."),
        QStringLiteral("Sorry, you cannot set the Time Bonus value to greater than 32767 points"));
}
