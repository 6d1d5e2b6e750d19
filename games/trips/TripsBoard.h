#pragma once
// The trips-and-runs board: the up row of three deck cards (only the third is played), four
// columns of three places and a storage of three. The player moves one card with two clicks:
// the first selects, the second places. A column is a pile filled from the top: only its
// lowest card can be taken, and a card placed on it lands on its first free place, wherever
// the column was clicked. A column that receives its third card is scored at once.
//
// Field places are numbered row x 4 + column, row 0 on top. Scores are added to
// Shared().Score; the scoring values come from TripsOptions().

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

constexpr int kTripsColumns = 4;
constexpr int kTripsRows = 3;
constexpr int kTripsFieldPlaces = kTripsColumns * kTripsRows;
constexpr int kTripsStoragePlaces = 3;
constexpr int kTripsUpPlaces = 3;
constexpr int kTripsPlayableUp = 2; // the up card that can be played
// The deck index of the card that last entered the up row right after a deal, and once the
// whole deck has been played.
constexpr int kTripsFirstStockIndex = 3;
constexpr int kTripsLastStockIndex = 55;

enum class TripsSource { None = -1, UpCard = 0, Storage = 1, Field = 2 };

enum class ColumnKind { None, Trip, Run, FlushRun };

// What a full column of three scores, read from its top card down: three equal ranks are a
// trip; three consecutive ranks rising or falling are a run, and so are Q-K-A and A-K-Q (no
// other run passes the king); a run of one suit is a flush run.
ColumnKind ScoreColumn(const QString& top, const QString& middle, const QString& bottom);

// A column scored by a move, in the order the columns were checked.
struct ColumnScored {
    int column = 0;
    ColumnKind kind = ColumnKind::None;
    int64_t points = 0; // trip score, or run score plus the flush score for a flush run
    int32_t scoreAfter = 0;
    QString sound; // "TwentyOne.wav", or "HighScore.wav" after "Flush!" was shown
};

// What a click did, for the window to show and play.
struct TripsClick {
    QStringList sounds;               // the click's own sounds, in order
    std::vector<ColumnScored> scored; // played after the sounds
    bool changed = false;             // a card moved or the selection changed
    bool drew = false;                // the up row moved on and a card came up
    bool blocked = false;             // every place is full: "No more legal moves left!"
};

class TripsBoard {
  public:
    // Clears everything: no cards, no selection, counts 0, stock index as after a deal.
    void clear();
    // Deals the up row from Shared().Deck (indexes 1 to 3); false, with the board left clear,
    // when the deck does not hold 52 cards that can be played.
    bool deal();

    // Clicks. Wrong clicks play "Chord.wav" and change nothing.
    TripsClick clickField(int place); // any place of a column acts on that column
    TripsClick clickStorage(int place);
    TripsClick clickUpCard(int place);
    TripsClick clickStock() const;

    // --- what the window shows ---
    QString fieldCard(int place) const { return field_[size_t(place)]; }
    QString storageCard(int place) const { return storage_[size_t(place)]; }
    QString upCard(int place) const { return up_[size_t(place)]; }
    int columnHeight(int column) const;
    // The place a card put on the column would take; -1 when the column is full.
    int dropPlace(int column) const;
    bool cardSelected() const { return selectedFrom_ != TripsSource::None; }
    TripsSource selectedFrom() const { return selectedFrom_; }
    int selectedIndex() const { return selectedIndex_; }
    int stockIndex() const { return stockIndex_; }
    int cardsRemaining() const { return kTripsLastStockIndex - stockIndex_; }
    // "FULL", "HALF", "BACK" or "EMPTY" by the cards still in the deck.
    QString stockPictureKey() const;
    // All 52 cards went through the up row.
    bool deckUsedUp() const { return up_[kTripsPlayableUp].isEmpty(); }
    bool blocked() const;
    int tripsCount() const { return trips_; }
    int runsCount() const { return runs_; }
    // The places that still hold cards, field 11 down to 0, then storage 2 down to 0.
    std::vector<int> leftOverField() const;
    std::vector<int> leftOverStorage() const;

    void clearSelection();
    void removeFieldCard(int place);
    void removeStorageCard(int place);

  private:
    void select(TripsSource from, int index, TripsClick& r);
    void deselect(TripsClick& r);
    bool moveToColumn(int column, TripsClick& r);
    bool moveToStorage(int place, TripsClick& r);
    QString takeSelected();
    void advanceUpRow(TripsClick& r);
    void checkColumns(TripsClick& r);
    void checkBlocked(TripsClick& r) const;
    int lowestPlace(int column) const;

    std::array<QString, kTripsFieldPlaces> field_;
    std::array<QString, kTripsStoragePlaces> storage_;
    std::array<QString, kTripsUpPlaces> up_;
    QStringList deck_; // the deck dealt, index 0 holds no card
    TripsSource selectedFrom_ = TripsSource::None;
    int selectedIndex_ = -1;
    int stockIndex_ = kTripsFirstStockIndex;
    int trips_ = 0;
    int runs_ = 0;
};
