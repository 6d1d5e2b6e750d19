#pragma once
// A column of cards counted the twenty-one way, shared by the games built on it: every card
// is worth its rank up to 10 (court cards 10), and an ace is worth 11 while that keeps the
// column at 21 or less, else 1. An ace counted 11 stays "soft": when a later card takes the
// column over 21 the ace gives back 10 and counts 1 from then on.

#include <QString>
#include <vector>

// A card's worth before the ace rule: its rank capped at 10 (an ace 1; 0 for no card).
int TwentyOneCardValue(const QString& code);

// What placing one card did, or would do, to a column.
struct TwentyOneHit {
    int value = 0;         // the card's worth in the column (an ace 11 or 1)
    bool softAce = false;  // the card is an ace counted 11
    bool gaveBack = false; // the column went over 21 and a soft ace now counts 1
    int total = 0;         // the column's total afterwards; above 21 is a bust
    bool bust() const { return total > 21; }
};

class TwentyOneColumn {
  public:
    int total() const { return total_; }
    int count() const { return int(cards_.size()); }
    // Aces counted 11 that can still drop to 1 (never more than one, by the ace rule).
    int softAces() const { return softAces_; }
    bool soft() const { return softAces_ > 0; }
    const std::vector<QString>& cards() const { return cards_; }

    // What adding the card would do, the column unchanged.
    TwentyOneHit preview(const QString& code) const;
    // Adds the card, whatever the result: a bust stays in the column.
    TwentyOneHit add(const QString& code);
    // Empty again: no cards, total 0, no soft ace.
    void clear();

  private:
    std::vector<QString> cards_;
    int total_ = 0;
    int softAces_ = 0;
};
