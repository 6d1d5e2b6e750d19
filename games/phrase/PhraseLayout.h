#pragma once
// The phrase board: 90 letter cells in 6 rows of 15. A phrase is wrapped onto the rows
// without splitting words, each row and the whole block centred, and the letter value range
// follows from how many cells it fills.

#include <QString>
#include <cstdint>

inline constexpr int kBoardRows = 6;
inline constexpr int kBoardColumns = 15;
inline constexpr int kBoardCells = kBoardRows * kBoardColumns;
inline constexpr int kLongestPhrase = 90;

struct PhraseLayoutResult {
    bool fits = false; // false: the caller takes another phrase
    QString laidOut;   // the phrase with the blanks that place it; character k is cell k
    int visibleCells = 0;
    int32_t letterValueRange = 0; // N of the letter value draw RandomInt(1, N) x 250
};

// Wraps and centres `phrase` (as given, not trimmed). A word of 16 letters or more, a
// 15-letter word that does not fill a row with text after it, more than six rows, or a
// laid-out length over 90 cells do not fit.
PhraseLayoutResult LayoutPhrase(const QString& phrase);

// What the round start accepts: trimmed, 1 to 90 characters, and laid out on the board.
bool PhraseFitsBoard(const QString& phrase);

// Leading and trailing blanks removed (only blanks: other white space stays).
QString TrimBlanks(const QString& text);

// CLng(2 x Int(100000 / visible) / 250); 0 when nothing is visible.
int32_t LetterValueRangeFor(int visibleCells);

// A cell character that shows from the start (anything but a blank or a letter A to Z).
bool ShowsAtOnce(QChar c);
