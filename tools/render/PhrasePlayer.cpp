// Glyphon's scripted player: one who knows the phrase lists beside the program and so reads
// the board's word lengths and uncovered letters as the phrases that can still be on it.
#include "tools/render/ScriptedPlayers.h"

#include "frame/GameWindow.h"
#include "services/SharedState.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace {
constexpr int kRows = 6, kColumns = 15;
// The order of a guess among letters no known phrase decides, commonest first.
const QString kByFrequency = QStringLiteral("ETAOINSHRDLCUMWFGYPBVKJXQZ");
const QString kVowels = QStringLiteral("AEIOUY");

// Every phrase of the lists in the program folder, in capitals.
const QStringList& knownPhrases() {
    static QStringList phrases;
    static bool read = false;
    if (read) return phrases;
    read = true;
    const QDir folder(Shared().ProgramFolder);
    for (const QString& name : folder.entryList({"*.Dat"}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QStringList lines = QString::fromLatin1(file.readAll())
                                      .split(QRegularExpression("[\r\n]+"), Qt::SkipEmptyParts);
        for (const QString& line : lines)
            if (!line.startsWith("CURRENT_PHRASE_NUMBER", Qt::CaseInsensitive))
                phrases << line.trimmed().toUpper();
    }
    return phrases;
}

// The board as the player sees it: its words, '?' for a letter still covered, and the
// letters uncovered so far.
struct Board {
    QStringList words;
    QString uncovered;
};

Board readBoard(const GameWindow& w) {
    Board b;
    for (int row = 0; row < kRows; ++row) {
        QString word;
        for (int column = 0; column <= kColumns; ++column) {
            const auto* cell =
                column < kColumns
                    ? w.findChild<QLabel*>(QString("lblLetter_%1").arg(row * kColumns + column))
                    : nullptr;
            if (cell && cell->isVisible()) {
                const QChar c = cell->text().isEmpty() ? QChar('?') : cell->text()[0].toUpper();
                word += c;
                if (c >= 'A' && c <= 'Z') b.uncovered += c;
            } else if (!word.isEmpty()) {
                b.words << word;
                word.clear();
            }
        }
    }
    return b;
}

// A phrase that may be on the board: its words as long as the board's, its letters where
// they are uncovered, and a letter not yet uncovered where a cell is still covered.
bool mayBeOn(const QString& phrase, const Board& b) {
    const QStringList words = phrase.split(' ', Qt::SkipEmptyParts);
    if (words.size() != b.words.size()) return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].size() != b.words[i].size()) return false;
        for (qsizetype k = 0; k < words[i].size(); ++k) {
            const QChar shown = b.words[i][k], letter = words[i][k];
            if (shown != '?' && shown != letter) return false;
            if (shown == '?' && (letter < 'A' || letter > 'Z' || b.uncovered.contains(letter)))
                return false;
        }
    }
    return true;
}

QPushButton* letterButton(const GameWindow& w, QChar letter) {
    return w.findChild<QPushButton*>(QString("cmdLetter_%1").arg(letter.unicode() - 'A'));
}

// The open letter in most of the phrases that may be on the board, consonants before vowels
// (the vowels open only after the first right letter) unless `vowelFirst`; nothing when no
// letter is open.
QChar bestLetter(const GameWindow& w, bool vowelFirst) {
    const Board board = readBoard(w);
    QList<int> inPhrases(26, 0);
    for (const QString& phrase : knownPhrases()) {
        if (!mayBeOn(phrase, board)) continue;
        for (QChar c = 'A'; c <= 'Z'; c = QChar(c.unicode() + 1))
            if (phrase.contains(c) && !board.uncovered.contains(c)) ++inPhrases[c.unicode() - 'A'];
    }
    for (const bool vowels : {vowelFirst, !vowelFirst}) {
        QChar best;
        int most = 0;
        for (const QChar c : kByFrequency) {
            const QPushButton* button = letterButton(w, c);
            if (kVowels.contains(c) != vowels || !button || !button->isEnabled()) continue;
            if (inPhrases[c.unicode() - 'A'] > most) best = c, most = inPhrases[c.unicode() - 'A'];
        }
        if (most > 0) return best;
    }
    // No phrase decides: the commonest open letter.
    for (const QChar c : kByFrequency)
        if (const QPushButton* button = letterButton(w, c); button && button->isEnabled()) return c;
    return QChar();
}

// The open letter that every phrase that may be on the board holds, while another is left
// after it (so that the phrase is not solved by it); nothing when there is none.
QChar surelyRightLetter(const GameWindow& w) {
    const Board board = readBoard(w);
    QString inEvery, inAny;
    bool first = true;
    for (const QString& phrase : knownPhrases()) {
        if (!mayBeOn(phrase, board)) continue;
        QString open;
        for (const QChar c : phrase)
            if (c >= 'A' && c <= 'Z' && !board.uncovered.contains(c) && !open.contains(c))
                open += c;
        if (first) inEvery = open;
        for (const QChar c : QString(inEvery))
            if (!open.contains(c)) inEvery.remove(c);
        for (const QChar c : open)
            if (!inAny.contains(c)) inAny += c;
        first = false;
    }
    if (inAny.size() < 2) return QChar();
    for (const QChar c : inEvery)
        if (const QPushButton* b = letterButton(w, c); b && b->isEnabled()) return c;
    return QChar();
}
} // namespace

// Glyphon: two letters a second, each the one most phrases that may be on the board share,
// so that rounds are solved with seconds and faces left (the faces paid out, the completion
// and time bonuses), and the bonus round's picks are made from the phrase, its vowel first
// (so that both of the picks' prompts show). After the picks the bonus round is kept going
// with a right letter every seven seconds, before the letter bar fills, until its clock runs
// out ("Times Up!").
void playPhraseSecond(GameWindow& w) {
    const QLabel* prompt = w.label("lblMessage");
    const bool picking = prompt->isVisible() && prompt->text().startsWith("Select");
    if (Shared().Round == 3 && !picking) {
        if (Shared().ElapsedSeconds == 0 || Shared().ElapsedSeconds % 7 != 0) return;
        if (const QChar letter = surelyRightLetter(w); letter != QChar())
            letterButton(w, letter)->click();
        return;
    }
    for (int letter = 0; letter < 2 && w.state() == GameWindow::State::Running; ++letter) {
        const bool vowelFirst = prompt->isVisible() && prompt->text().startsWith("Select") &&
                                prompt->text().endsWith("1 vowel");
        const QChar best = bestLetter(w, vowelFirst);
        if (best == QChar()) return;
        letterButton(w, best)->click();
    }
}
