#pragma once
// The twenty-one combinations board: four columns that take the current card or refuse it
// as a bust, the pass, and the deck that feeds them one card at a time. A column of exactly
// 21 is cleared and counts one 21 for the round; a fifth card that stays under 21 is a
// five-card gimme and clears the column too; the deck's last card must be placed.

#include "services/TwentyOneColumn.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

constexpr int kCombinationColumns = 4;
constexpr int kCombinationColumnCards = 5;
constexpr int kDeckCards = 52;

enum class CombinationsMove {
    Refused,   // no card to place, or no such column
    Bust,      // over 21: nothing moves, 100 points off
    Placed,    // the card lies on the column
    TwentyOne, // exactly 21: the column is cleared and the 21 bonus grows
    Gimme,     // a fifth card under 21: the column is cleared, the gimme bonus paid
};

struct CombinationsHit {
    CombinationsMove move = CombinationsMove::Refused;
    int column = -1;
    TwentyOneHit hit;
    int cardIndex = -1;        // the image the card went to (0 to 4)
    bool lastCard = false;     // the deck's last card is now current: Pass is off
    bool deckComplete = false; // the last card was placed: the round ends
    // The game's total after the move's own bonus or penalty, before the deck's completion
    // bonus (the board keeps no score: the game fills it in).
    int32_t scoreBeforeCompletion = 0;
};

class CombinationsBoard {
  public:
    // A round on `deck` (index 0 holds no card): empty columns, deck[1] current.
    void startRound(const QStringList& deck, int passes);
    // Between games: no deck, no cards.
    void clear();

    CombinationsHit hit(int column, int32_t twentyOneBonusValue);
    bool pass();

    const TwentyOneColumn& column(int i) const { return columns_[size_t(i)]; }
    // 1 at a round's start, 52 while the last card is current, 53 once the deck is used.
    int deckPosition() const { return deckPosition_; }
    int cardsUsed() const { return deckPosition_ > 0 ? deckPosition_ - 1 : 0; }
    QString currentCard() const;
    int passesLeft() const { return passesLeft_; }
    bool canPass() const {
        return passesLeft_ >= 1 && deckPosition_ >= 1 && deckPosition_ < kDeckCards;
    }
    // The pile: "FULL" below 17, "HALF" to 34, "BACK" from 35, "EMPTY" from the last card.
    QString pileKey() const;

    int twentyOnes() const { return twentyOnes_; }
    // What each of the round's 21s is worth at the round end.
    int32_t bonus() const { return bonus_; }
    // The '21 Counter' ran out: the bonus falls back to one step.
    void setBonus(int32_t bonus) { bonus_ = bonus; }
    // The tally has paid the 21s.
    void clearTwentyOnes();

  private:
    QStringList deck_;
    std::array<TwentyOneColumn, kCombinationColumns> columns_;
    int deckPosition_ = 0;
    int passesLeft_ = 0;
    int twentyOnes_ = 0;
    int32_t bonus_ = 0;
};
