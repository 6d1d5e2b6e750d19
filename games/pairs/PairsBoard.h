#pragma once
// The Twindle board: 23 face-up cards in five overlapping rows, the up card on top of a
// waste pile, and a face-down stack of 28. Two exposed cards of the same rank (a pair) or of
// neighbouring ranks (a run, king and ace next to each other) leave the board together. A
// stack click moves the up card into the lowest empty place and turns up the next card.
// The window shows what this class holds and plays the sounds it names.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

constexpr int kLayoutPlaces = 23; // places 0-22 in five rows
constexpr int kUpPlace = 23;      // the up card
constexpr int kBoardPlaces = 24;
constexpr int kFirstStackIndex = 24; // TableCards index of the first stack card
constexpr int kStackSize = 28;
constexpr int kWasteSlots = 30; // one dealt card and 28 draws fit, index 0 unused

enum class PairsSound { Refuse, Select, Deselect, Match, Draw };
// "Chord.wav", "Markq.wav", "Tick.wav", "TwentyOne.wav", "Click.wav"
QString PairsSoundFile(PairsSound sound);

enum class PairsMatch { None, Pair, Run };
// The pair test comes first; then ranks one apart (king-ace included) make a run.
PairsMatch MatchRanks(int selectedRank, int clickedRank);

// The two places whose cards cover a layout place 0-17; places 18-23 are never covered.
const std::vector<int>& PlacesCovering(int place);

// The stack picture after a draw has left `nextStackIndex` as the next card: "FULL", "HALF",
// "BACK", "EMPTY", or empty while the deal's picture stays (the first three draws).
QString StackPictureKey(int nextStackIndex);

struct PairsClick {
    std::vector<PairsSound> sounds;
    PairsMatch match = PairsMatch::None;
    bool turnedUp = false;      // the waste emptied and the next stack card came up
    bool topRowCleared = false; // the round is complete: run the Take Score command
};

struct PairsDraw {
    std::vector<PairsSound> sounds;
    bool drew = false;
    int movedToPlace = -1; // the old up card went into this layout place
    QString stackKey;      // the new stack picture, empty when unchanged
};

class PairsBoard {
  public:
    // Lays out a round from a deck whose index 0 holds no card: places 0-22 take Deck(1..23),
    // the up card is Deck(24), the stack Deck(25..52) in drawing order. False when the deck
    // is short or holds a code without a rank; the board is then left empty.
    bool deal(const QStringList& deck);
    void clear();

    // A layout place holds a card, or the up place shows one.
    bool present(int place) const;
    // The card at a place (the up card for 23), empty when none.
    QString card(int place) const;
    // Whether the card at a place may be played by the covering table (ignores presence).
    bool exposed(int place) const;
    bool selectionActive() const { return selectedIndex_ >= 0; }
    // The selected place, or -1.
    int selectedIndex() const { return selectedIndex_; }
    // The card pictures carry a border unless selected; the up place has none when empty.
    bool bordered(int place) const;

    int upStackTop() const { return upStackTop_; }
    int stackCount() const { return stackCount_; }
    int nextStackIndex() const { return nextStackIndex_; }
    const QString& tableCard(int index) const { return tableCards_[size_t(index)]; }
    const QString& wasteCard(int index) const { return waste_[size_t(index)]; }
    int pairsMade() const { return pairs_; }
    int runsMade() const { return runs_; }
    bool topRowCleared() const;

    PairsClick click(int place);
    // A click on the stack; `silent` for the turn-up after the waste emptied.
    PairsDraw draw(bool silent = false);
    // Drops any selection.
    void clearSelection() { selectedIndex_ = -1; }

  private:
    void remove(int place);

    std::array<QString, 53> tableCards_{};
    std::array<bool, kLayoutPlaces> present_{};
    std::array<QString, kWasteSlots> waste_{};
    int upStackTop_ = 0;
    int stackCount_ = 0;
    int nextStackIndex_ = 52;
    int selectedIndex_ = -1;
    int pairs_ = 0;
    int runs_ = 0;
};
