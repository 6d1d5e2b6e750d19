#pragma once
// The 22 places of the elevens field in six tiers, which cards cover which, the points each
// tier is worth, and the cards lying on the field.

#include <QString>
#include <array>
#include <vector>

constexpr int kFieldPlaces = 22;

// Tier 1 (top, place 0) to 6 (places 20 and 21).
int FieldTier(int place);
// Points for removing the card at a place: classic 700 (tier 1) down to 200, enhanced 600
// down to 100.
int PlacePoints(int place, bool enhanced);
// The places whose cards must be gone before the card at `place` is exposed.
const std::vector<int>& CoveredBy(int place);
// The places above whose pictures the card at `place` overlaps.
const std::vector<int>& Overlaps(int place);
// "700 points"
QString PointsTip(int points);

class ElevensField {
  public:
    // Places 0..21 take the cards in order; places without a card stay empty.
    void deal(const std::vector<QString>& cards);
    void clear(); // every place empty

    const QString& card(int place) const { return cards_[place]; }
    bool present(int place) const { return present_[place]; }
    bool selected(int place) const { return selected_[place]; }
    // A present card none of whose covering cards is still there.
    bool exposed(int place) const;
    // The first empty place in place order, or -1.
    int firstEmpty() const;
    bool cleared() const { return firstPresent() < 0; }
    int firstPresent() const;
    std::vector<int> selectedPlaces() const;

    void setSelected(int place, bool on) { selected_[place] = on && present_[place]; }
    void clearSelection() { selected_.fill(false); }
    void remove(int place);
    void put(int place, const QString& code);

  private:
    std::array<QString, kFieldPlaces> cards_;
    std::array<bool, kFieldPlaces> present_{};
    std::array<bool, kFieldPlaces> selected_{};
};
