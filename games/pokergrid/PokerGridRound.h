#pragma once
// The cards of one round: the round's copy of the deck, the hole card (the face-up card the
// player places next), placing it into the grid with a limited number of overwrites of
// occupied cells, and the sounds each placement makes. Every accepted placement scores the
// whole grid again and turns up the next card.

#include "games/pokergrid/PokerGrid.h"

#include <QString>
#include <QStringList>
#include <vector>

inline constexpr int kRoundDeckCards = 52;

// The wave files of grid play.
inline const QString kClickWave = QStringLiteral("Click.wav");
inline const QString kChordWave = QStringLiteral("Chord.wav");
inline const QString kNewHandWave = QStringLiteral("TwentyOne.wav");
inline const QString kGridFullWave = QStringLiteral("Wingame.wav");

struct Placement {
    bool accepted = false;
    bool overwrite = false;        // an occupied cell took the hole card
    QStringList sounds;            // in the order they play
    std::vector<int> changedLines; // lines (0-4 rows, 5-9 columns) whose hand name changed
    bool gridFull = false;         // the 25th cell was filled: the round ends now
};

class PokerGridRound {
  public:
    // Takes the round's copy of the deck (index 0 holds no card), empties the grid, sets
    // every line to "Nothing" and turns up the first card. False, with nothing changed, when
    // the deck does not hold 52 cards.
    bool deal(const QStringList& deck, QStringList* sounds = nullptr);
    // Empties the grid and forgets the deck (between games and rounds).
    void clear();

    // Places the hole card into a cell. Refused with "Chord.wav" when no hole card shows,
    // or the cell is occupied and `overWritesAllowed` are used up.
    Placement place(int cell, int overWritesAllowed, const HandValues& values);

    const PokerGrid& grid() const { return grid_; }
    const GridScore& score() const { return score_; }
    int32_t roundPoints() const { return score_.points; }
    // The hole card's code; "" when none shows (the deck is used up).
    const QString& holeCard() const { return hole_; }
    int cardsRemaining() const { return cardsRemaining_; } // "Cards remaining: " & this
    QString deckPictureKey() const { return deckPicture_; }
    int overWritesUsed() const { return overWritesUsed_; }
    bool dealt() const { return dealt_; }

  private:
    void drawNextCard(QStringList& sounds);

    PokerGrid grid_;
    GridScore score_;
    QStringList deck_; // 53 entries, 1 to 52 used
    int nextCardIndex_ = 0;
    int cardsRemaining_ = 0;
    QString hole_;
    QString deckPicture_ = QStringLiteral("FULL");
    int overWritesUsed_ = 0;
    bool newHandShown_ = false;
    bool dealt_ = false;
};
