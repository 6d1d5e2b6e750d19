#pragma once
// The five-column board: five columns of at most five cards that take the shown card on a
// Hit, the pass that throws it away, and the sum of the column totals with the Card Total
// Value it earns. A column never rests above 21: a card that takes it over either makes a
// soft ace give back 10 or busts the round.

#include "services/TwentyOneColumn.h"

#include <QString>
#include <QStringList>
#include <array>

constexpr int kFiveColumns = 5;
constexpr int kFiveColumnCards = 5;
// The sum of a busted round: no row of the score table.
constexpr int kBustedTotal = 9999;

// The round-end button's caption; only "&Take score" scores the round.
enum class GiveUpCaption {
    GiveUp,     // "&Give Up": the round start
    TakeScore,  // "&Take score": the sum is 97 to 105
    GiveUpLate, // "&Give up": after a bust, or a soft ace that left the sum below 97
};
QString GiveUpCaptionText(GiveUpCaption caption);

struct FiveColumnHit {
    bool dealt = false; // false: refused (closed column, blocked board, no card)
    int column = -1;
    TwentyOneHit hit;
    bool closed = false;   // the column took its fifth card
    bool busted = false;   // the round is busted: every Hit button is off
    bool complete = false; // five columns of 21: the round is taken at once
};

class FiveColumnBoard {
  public:
    // A new round on `deck` (index 0 holds no card): empty columns, the first card shown
    // is deck[2], `passes` passes allowed.
    void start(const QStringList& deck, int passes);
    // Empty board between games.
    void clear();

    FiveColumnHit hit(int column);
    // Throws the shown card away; false when no pass is left or no card would follow.
    bool pass();

    const TwentyOneColumn& column(int i) const { return columns_[size_t(i)]; }
    bool closed(int i) const { return column(i).count() >= kFiveColumnCards; }
    bool busted() const { return busted_; }
    // Whether the Hit button of a column may deal.
    bool canHit(int i) const;
    bool canPass() const;
    int passesLeft() const { return passesLeft_; }
    int deckPosition() const { return deckPosition_; }
    // The card the next Hit deals; empty when there is none.
    QString nextCard() const;

    // The sum of the column totals (9999 once busted).
    int currentTotal() const { return currentTotal_; }
    // The score-table row's points of the sum, kept from the last unbusted sum.
    int cardTotalValue() const { return cardTotalValue_; }
    GiveUpCaption caption() const { return caption_; }
    bool takesScore() const { return caption_ == GiveUpCaption::TakeScore; }
    // The sum shows green from 97 on, red below.
    bool totalGreen() const { return currentTotal_ >= 97 && !busted_; }

  private:
    void sumColumns();

    QStringList deck_;
    std::array<TwentyOneColumn, kFiveColumns> columns_;
    int deckPosition_ = 0;
    int passesLeft_ = 0;
    int currentTotal_ = 0;
    int cardTotalValue_ = 0;
    bool busted_ = false;
    GiveUpCaption caption_ = GiveUpCaption::GiveUp;
};
