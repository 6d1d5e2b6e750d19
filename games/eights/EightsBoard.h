#pragma once
// The wild-eights board: the deck, five lower spots the player moves from, three upper spots
// the cards go onto, and the value of each upper spot. Spots are numbered from 1 as the
// player counts them; a spot without a card holds an empty code.

#include <QString>
#include <QStringList>
#include <array>

inline constexpr int kLowerSpots = 5;
inline constexpr int kUpperSpots = 3;

// What a move of a lower card onto an upper spot would be.
enum class MoveCheck {
    Illegal = 0,
    EightOrSuit = 1, // onto an eight, or onto the card's own suit
    SameValue = 2,   // onto the card's own value: the spot value rises
    EmptySpot = 3,
    WildEight = 4, // an eight moved: the spot value rises
};

// What is left to play on the board.
enum class LegalMoves {
    None = 0,         // no lower card can move
    Some = 1,         // play goes on
    BoardCleared = 2, // all five lower spots are empty: the deck is completed
};

// A spot's value at the start of a round, which is also what a match raises it by:
// 500, 200, 100 for spots 1, 2, 3.
int SpotBaseValue(int spot);

// The result of a move that was made.
struct EightsMoveResult {
    MoveCheck check = MoveCheck::Illegal;
    QString card;      // the card that went up
    int spotValue = 0; // the upper spot's value after any raise
    bool raised = false;
    bool refilled = false; // the lower spot took the next deck card
};

class EightsBoard {
  public:
    // Deals the five lower spots from the top of `deck` (index 0 holds no card; cards are
    // taken from the highest index down) and empties the upper spots. False when the deck has
    // fewer than five cards; the board is then left empty.
    bool deal(const QStringList& deck);
    void clear();
    void resetSpotValues();

    // Cards of the deck not yet dealt, which is also the index of the next one.
    int pileRemaining() const { return pile_; }
    const QString& lower(int spot) const { return lower_[index(spot)]; }
    const QString& upper(int spot) const { return upper_[index(spot)]; }
    int spotValue(int spot) const { return values_[index(spot)]; }

    MoveCheck checkMove(int lowerSpot, int upperSpot) const;
    LegalMoves checkForLegalMove() const;
    // Makes the move when it is legal: raises the spot value on a match or an eight, puts
    // the card up and refills its lower spot from the deck. An illegal move changes nothing.
    EightsMoveResult move(int lowerSpot, int upperSpot);

  private:
    static std::size_t index(int spot) { return std::size_t(spot - 1); }
    // A card on a spot with its value and suit read once: the checks run after every move.
    struct Place {
        int value = 0; // 0: no card
        char suit = 0;
        void set(const QString& code);
    };

    QStringList deck_;
    int pile_ = 0;
    std::array<QString, kLowerSpots> lower_{};
    std::array<QString, kUpperSpots> upper_{};
    std::array<Place, kLowerSpots> lowerPlace_{};
    std::array<Place, kUpperSpots> upperPlace_{};
    std::array<int, kUpperSpots> values_{500, 200, 100};
};
