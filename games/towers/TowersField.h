#pragma once
// The 28 field cards of the three towers: three tower tops, six, nine and ten cards in the
// rows below, each card of the upper three rows lying on two cards of the row beneath. A
// card is face down until both cards on it are taken; the base row is dealt face up.

#include <QString>
#include <array>
#include <vector>

constexpr int kTowersFieldCards = 28;
constexpr int kTowersBaseRow = 18; // cards 18 to 27 are the base row

enum class TowersCardState { FaceDown, FaceUp, Taken };

// The two cards lying on `card` (cards 0 to 17), or none for the base row.
std::vector<int> CoveringCards(int card);
// The cards that `card` lies on, lowest first.
std::vector<int> CoveredCards(int card);
// 1 to 3 for the tower tops (cards 0, 1, 2), else 0.
inline int TowerOfTop(int card) {
    return card >= 0 && card < 3 ? card + 1 : 0;
}
// The row of a card, 1 (tower tops) to 4 (base).
int TowersRow(int card);

class TowersField {
  public:
    // The cards in field order; rows 1 to 3 face down, the base row face up.
    void deal(const std::vector<QString>& cards);
    void clear(); // every card taken, no codes

    const QString& card(int index) const { return cards_[size_t(index)]; }
    TowersCardState state(int index) const { return states_[size_t(index)]; }
    bool faceUp(int index) const { return state(index) == TowersCardState::FaceUp; }
    bool faceDown(int index) const { return state(index) == TowersCardState::FaceDown; }
    bool taken(int index) const { return state(index) == TowersCardState::Taken; }
    int cardsLeft() const;

    // Takes a face-up card; returns the cards it uncovered (turned face up), lowest first.
    // A card that is not face up stays where it is and nothing turns.
    std::vector<int> take(int index);

  private:
    std::array<QString, kTowersFieldCards> cards_;
    std::array<TowersCardState, kTowersFieldCards> states_{};
};
