#pragma once
// One phrase on the board and the letter play on it: the 26 letter buttons, the faces that
// count wrong guesses, the letter value, the letter bar, "Solve It" and the six letter picks
// of the bonus round. The window shows what this class holds and plays the sounds it names.

#include "games/phrase/PhraseLayout.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kLetterCount = 26;
inline constexpr int kMaxFaces = 8;
inline constexpr int kBarMaximum = 100;
inline constexpr int kBonusPicks = 6;

enum class Face { Happy, Unhappy, Blank };
enum class BoardColour { Play, Lost, Solved }; // blue, red, green text

// How a letter, a pick or a bar tick left the round.
enum class RoundEnding {
    None,
    Lost,   // reveal the phrase, then the round end
    Solved, // green board and applause, then the round end
};

struct LetterResult {
    bool accepted = false;       // false: the button was not in play
    std::vector<QString> sounds; // in order
    int occurrences = 0;
    RoundEnding ending = RoundEnding::None;
    bool picksPlayed = false;    // the sixth pick uncovered the picks: the round clock starts
    bool messageCleared = false; // lblMessage emptied (a wrong letter in solve mode)
};

struct BarResult {
    bool faceLost = false;       // "Chord.wav"
    bool messageCleared = false; // the full bar ended the round: lblMessage emptied
    RoundEnding ending = RoundEnding::None;
};

// The vowels A, E, I, O, U and Y.
bool IsVowelIndex(int index);

class PhraseRound {
  public:
    // A new round: faces happy (kept as they are in the bonus round), board empty, letter
    // bar kept where it stands, vowels closed unless the bonus picks are collected.
    void reset(int guessCount, bool bonusPicks);
    // Lays the phrase out on the board and draws the first letter value; false when it
    // does not fit.
    bool setPhrase(const QString& phrase);

    // A letter button (0 = A .. 25 = Z). In the bonus round it collects the picks and the
    // sixth one plays them all.
    LetterResult clickLetter(int index);
    // "Solve It": the letter value is frozen and one wrong letter ends the round.
    void solve();
    // One tick of the letter bar. `lastRound` (the bonus round) ends the round on a full bar.
    BarResult barTick(bool lastRound);
    // The phrase shown after a loss: every character in red.
    void reveal();
    bool isSolved() const;

    // --- what the board shows ----------------------------------------------------
    const QString& phrase() const { return phrase_; } // laid out; character k is cell k
    bool cellVisible(int k) const { return cells_[size_t(k)].visible; }
    const QString& cellCaption(int k) const { return cells_[size_t(k)].caption; }
    BoardColour colour() const { return colour_; }
    bool letterEnabled(int index) const { return letters_[size_t(index)]; }
    void setAllLetters(bool enabled);
    void setVowelsEnabled(bool enabled);
    Face face(int i) const { return faces_[size_t(i)]; }
    void blankFace(int i) { faces_[size_t(i)] = Face::Blank; }
    int guessesLeft() const { return guessesLeft_; }
    int32_t letterValue() const { return letterValue_; }
    // Tests: a known letter value instead of the drawn one.
    void setLetterValue(int32_t value) { letterValue_ = value; }
    int32_t letterValueRange() const { return range_; }
    int visibleCells() const { return visible_; }
    int bar() const { return bar_; }
    void resetBar() { bar_ = 0; }
    bool solveMode() const { return solveMode_; }
    bool vowelsOpen() const { return vowelsOpen_; }
    bool roundSolved() const { return solved_; }
    bool collectingPicks() const { return bonusMode_; }
    int pickCount() const { return pickCount_; }
    int pick(int i) const { return picks_[size_t(i)]; }
    // The prompt while the picks are collected; empty once they are played.
    const QString& pickPrompt() const { return prompt_; }

  private:
    struct Cell {
        bool visible = false;
        QString caption;
    };
    LetterResult playLetter(int index);
    LetterResult collectPick(int index);
    void drawLetterValue();

    QString phrase_;
    std::array<Cell, kBoardCells> cells_{};
    BoardColour colour_ = BoardColour::Play;
    std::array<bool, kLetterCount> letters_{};
    std::array<Face, kMaxFaces> faces_{Face::Blank, Face::Blank, Face::Blank, Face::Blank,
                                       Face::Blank, Face::Blank, Face::Blank, Face::Blank};
    int guessesLeft_ = -1;
    int32_t letterValue_ = 0;
    int32_t range_ = 0;
    int visible_ = 0;
    int bar_ = 0;
    bool solveMode_ = false;
    bool vowelsOpen_ = false;
    bool vowelButtonsEnabled_ = false;
    bool solved_ = false;
    bool ended_ = false; // lost or solved: no more letters
    bool bonusMode_ = false;
    int bonusVowel_ = -1;
    int consonants_ = 0;
    std::array<int, kBonusPicks> picks_{};
    int pickCount_ = 0;
    QString prompt_;
};
