#include "games/phrase/PhraseRound.h"

#include "services/Random.h"
#include "services/SharedState.h"

namespace {
const QString kClick = QStringLiteral("Click.wav");
const QString kChord = QStringLiteral("Chord.wav");
constexpr std::array<int, 6> kVowels{0, 4, 8, 14, 20, 24};
} // namespace

bool IsVowelIndex(int index) {
    for (int v : kVowels)
        if (v == index) return true;
    return false;
}

void PhraseRound::reset(int guessCount, bool bonusPicks) {
    guessesLeft_ = guessCount - 1;
    solved_ = solveMode_ = vowelsOpen_ = vowelButtonsEnabled_ = false;
    ended_ = false;
    bonusVowel_ = -1;
    consonants_ = 0;
    pickCount_ = 0;
    picks_.fill(-1);
    cells_.fill(Cell{});
    colour_ = BoardColour::Play;
    phrase_.clear();
    bonusMode_ = bonusPicks;
    if (!bonusPicks)
        for (int i = 0; i <= guessesLeft_ && i < kMaxFaces; ++i)
            faces_[size_t(i)] = Face::Happy;
    setAllLetters(true);
    if (bonusPicks) {
        prompt_ = QStringLiteral("Select 5 consonants and 1 vowel");
    } else {
        prompt_.clear();
        setVowelsEnabled(false);
        bar_ = 0;
    }
}

bool PhraseRound::setPhrase(const QString& phrase) {
    const PhraseLayoutResult layout = LayoutPhrase(phrase);
    if (!layout.fits) return false;
    phrase_ = layout.laidOut;
    cells_.fill(Cell{});
    for (int k = 0; k < phrase_.size(); ++k) {
        const QChar c = phrase_[k].toUpper();
        if (c == QLatin1Char(' ')) continue;
        cells_[size_t(k)].visible = true;
        if (ShowsAtOnce(c)) cells_[size_t(k)].caption = QString(c);
    }
    visible_ = layout.visibleCells;
    range_ = layout.letterValueRange;
    drawLetterValue();
    return true;
}

void PhraseRound::drawLetterValue() {
    letterValue_ = RandomInt(1, range_) * 250;
}

void PhraseRound::setAllLetters(bool enabled) {
    letters_.fill(enabled);
}

void PhraseRound::setVowelsEnabled(bool enabled) {
    for (int v : kVowels)
        letters_[size_t(v)] = enabled;
}

bool PhraseRound::isSolved() const {
    for (const Cell& c : cells_)
        if (c.visible && c.caption.isEmpty()) return false;
    return true;
}

LetterResult PhraseRound::clickLetter(int index) {
    if (ended_ || index < 0 || index >= kLetterCount || !letters_[size_t(index)] ||
        phrase_.isEmpty())
        return {};
    return bonusMode_ ? collectPick(index) : playLetter(index);
}

LetterResult PhraseRound::playLetter(int index) {
    LetterResult r;
    r.accepted = true;
    const QChar letter(QLatin1Char(char('A' + index)));
    const QString upper = phrase_.toUpper();
    if (upper.contains(letter)) {
        r.sounds.push_back(kClick);
        vowelsOpen_ = true;
    } else if (solveMode_) {
        r.messageCleared = true;
        guessesLeft_ = -1;
    } else {
        r.sounds.push_back(kChord);
        if (guessesLeft_ >= 0 && guessesLeft_ < kMaxFaces)
            faces_[size_t(guessesLeft_)] = Face::Unhappy;
        --guessesLeft_;
    }
    letters_[size_t(index)] = false;
    SharedState& s = Shared();
    for (qsizetype pos = upper.indexOf(letter); pos >= 0; pos = upper.indexOf(letter, pos + 1)) {
        cells_[size_t(pos)].visible = true;
        cells_[size_t(pos)].caption = QString(letter);
        s.Score = AddScore(s.Score, letterValue_);
        ++r.occurrences;
        // The vowels open with the first right letter of the round.
        if (!solveMode_ && vowelsOpen_ && !vowelButtonsEnabled_) {
            setVowelsEnabled(true);
            vowelButtonsEnabled_ = true;
        }
    }
    bar_ = 0;
    if (guessesLeft_ < 0) {
        r.ending = RoundEnding::Lost;
        ended_ = true;
    } else if (isSolved()) {
        solved_ = true;
        colour_ = BoardColour::Solved;
        r.ending = RoundEnding::Solved;
        ended_ = true;
    }
    if (!solveMode_ && !ended_) drawLetterValue();
    return r;
}

LetterResult PhraseRound::collectPick(int index) {
    LetterResult r;
    r.accepted = true;
    r.sounds.push_back(kClick);
    if (IsVowelIndex(index)) {
        bonusVowel_ = index;
        setVowelsEnabled(false);
        prompt_ = QStringLiteral("Select %1 consonants and no vowels").arg(5 - pickCount_);
    } else {
        if (++consonants_ == 5)
            for (int i = 0; i < kLetterCount; ++i)
                if (!IsVowelIndex(i)) letters_[size_t(i)] = false;
        prompt_ = bonusVowel_ < 0
                      ? QStringLiteral("Select %1 consonants and 1 vowel").arg(4 - pickCount_)
                      : QStringLiteral("Select %1 consonants and no vowels").arg(5 - pickCount_);
    }
    picks_[size_t(pickCount_)] = index;
    letters_[size_t(index)] = false;
    if (++pickCount_ < kBonusPicks) return r;

    prompt_.clear();
    bonusMode_ = false;
    r.picksPlayed = true;
    for (int p : picks_) {
        const LetterResult one = playLetter(p);
        r.sounds.insert(r.sounds.end(), one.sounds.begin(), one.sounds.end());
        r.occurrences += one.occurrences;
        if (one.ending == RoundEnding::None) continue;
        // The picks ended the round: nothing of the pick sequence runs after it, and a
        // phrase they solved pays the bonus round's one face.
        r.ending = one.ending;
        if (one.ending == RoundEnding::Solved) guessesLeft_ = 0;
        return r;
    }
    setAllLetters(true);
    for (int p : picks_)
        letters_[size_t(p)] = false;
    solveMode_ = true;
    guessesLeft_ = 0;
    pickCount_ = 0;
    return r;
}

void PhraseRound::solve() {
    solveMode_ = true;
    bar_ = 0;
    if (!vowelButtonsEnabled_) {
        setVowelsEnabled(true);
        vowelButtonsEnabled_ = true;
    }
}

BarResult PhraseRound::barTick(bool lastRound) {
    BarResult r;
    if (ended_) return r;
    if (bar_ < kBarMaximum) {
        ++bar_;
        return r;
    }
    if (solveMode_ || lastRound) {
        guessesLeft_ = -1;
        r.messageCleared = true;
        r.ending = RoundEnding::Lost;
        ended_ = true;
        return r;
    }
    // Too slow: one face goes.
    if (guessesLeft_ >= 0 && guessesLeft_ < kMaxFaces) faces_[size_t(guessesLeft_)] = Face::Unhappy;
    --guessesLeft_;
    bar_ = 0;
    r.faceLost = true;
    if (guessesLeft_ < 0) {
        r.ending = RoundEnding::Lost;
        ended_ = true;
    }
    return r;
}

void PhraseRound::reveal() {
    colour_ = BoardColour::Lost;
    ended_ = true;
    for (int k = 0; k < phrase_.size() && k < kBoardCells; ++k) {
        Cell& c = cells_[size_t(k)];
        if (c.caption == QLatin1String(" ")) continue;
        c.caption = QString(phrase_[k].toUpper());
        c.visible = true;
    }
}
