#include "games/phrase/PhraseLayout.h"

#include <cmath>

namespace {
// Positions count from 1, as the wrapping rules are written; one past the end is not a blank,
// so a row that the text fills exactly pushes its last word onward.
bool blankAt(const QString& s, int pos) {
    return pos >= 1 && pos <= s.size() && s[pos - 1] == QLatin1Char(' ');
}

QString mid(const QString& s, int pos, int count = -1) {
    return s.mid(pos - 1, count);
}

void dropLeadingBlanks(QString& s, int pos) {
    while (blankAt(s, pos))
        s.remove(pos - 1, 1);
}
} // namespace

QString TrimBlanks(const QString& text) {
    qsizetype a = 0, b = text.size();
    while (a < b && text[a] == QLatin1Char(' '))
        ++a;
    while (b > a && text[b - 1] == QLatin1Char(' '))
        --b;
    return text.mid(a, b - a);
}

int32_t LetterValueRangeFor(int visibleCells) {
    if (visibleCells <= 0) return 0;
    const int32_t perCell = 100000 / visibleCells;
    return int32_t(std::lround(2.0 * perCell / 250.0));
}

bool ShowsAtOnce(QChar c) {
    const QChar u = c.toUpper();
    return c != QLatin1Char(' ') && !(u >= QLatin1Char('A') && u <= QLatin1Char('Z'));
}

PhraseLayoutResult LayoutPhrase(const QString& phrase) {
    PhraseLayoutResult r;
    QString s = phrase;
    int rowStart = 0;
    int e = kBoardColumns - 1;
    for (; e < kBoardCells && s.size() > e; e += kBoardColumns) {
        dropLeadingBlanks(s, e - 13);
        if (!blankAt(s, e + 1) && !blankAt(s, e + 2)) {
            // A word crosses the row end: the row's text up to its last blank is centred and
            // the word begins the next row.
            int b = rowStart;
            for (int p = e; p > rowStart; --p)
                if (blankAt(s, p)) {
                    b = p;
                    break;
                }
            const int pad = e + 1 - b;
            if (pad > kBoardColumns - 1) return r;
            s = s.left(e - 14) + QString((pad + 1) / 2, QLatin1Char(' ')) +
                mid(s, e - 13, 15 - pad) + QString(pad / 2, QLatin1Char(' ')) + mid(s, b + 1);
        }
        rowStart = e + 1;
    }
    if (e < kBoardCells) {
        // The text ends within this row: centred by blanks on its left.
        dropLeadingBlanks(s, rowStart + 1);
        const int pad = kBoardColumns - (int(s.size()) - rowStart);
        if (pad >= 1 && pad <= kBoardColumns - 1)
            s = s.left(rowStart) + QString((pad + 1) / 2, QLatin1Char(' ')) + mid(s, rowStart + 1);
    }
    const int rows = (e + 1) / kBoardColumns;
    if (rows <= 2 || rows > kBoardRows)
        s.prepend(QString(2 * kBoardColumns, QLatin1Char(' ')));
    else if (rows <= 4)
        s.prepend(QString(kBoardColumns, QLatin1Char(' ')));
    if (s.size() > kLongestPhrase) return r;

    int visible = 0;
    for (QChar c : s)
        if (c != QLatin1Char(' ')) ++visible;
    if (visible == 0) return r;
    r.fits = true;
    r.laidOut = s;
    r.visibleCells = visible;
    r.letterValueRange = LetterValueRangeFor(visible);
    return r;
}

bool PhraseFitsBoard(const QString& phrase) {
    const QString t = TrimBlanks(phrase);
    if (t.isEmpty() || t.size() > kLongestPhrase) return false;
    return LayoutPhrase(t).fits;
}
