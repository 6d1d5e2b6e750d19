#include "games/elevens/ElevensField.h"

namespace {
const std::vector<int> kCoveredBy[kFieldPlaces] = {
    {3, 4},   {5, 6}, {8, 9}, {7, 12},  {7, 13}, {10, 11}, {11, 12}, {},   {13, 14}, {14, 15}, {16},
    {16, 17}, {17},   {18},   {18, 19}, {19},    {20},     {20},     {21}, {21},     {},       {}};

const std::vector<int> kOverlaps[kFieldPlaces] = {
    {},          {},          {},          {0},         {0},      {1},     {1},       {3, 4},
    {2},         {2},         {5},         {1, 5, 6},   {6, 3},   {4, 8},  {2, 8, 9}, {9},
    {10, 5, 11}, {6, 12, 11}, {13, 8, 14}, {15, 9, 14}, {16, 17}, {18, 19}};

bool valid(int place) {
    return place >= 0 && place < kFieldPlaces;
}
} // namespace

int FieldTier(int place) {
    if (place <= 0) return 1;
    if (place <= 4) return 2;
    if (place <= 9) return 3;
    if (place <= 15) return 4;
    if (place <= 19) return 5;
    return 6;
}

int PlacePoints(int place, bool enhanced) {
    const int tier = FieldTier(place);
    return (enhanced ? 700 : 800) - 100 * tier;
}

const std::vector<int>& CoveredBy(int place) {
    static const std::vector<int> none;
    return valid(place) ? kCoveredBy[place] : none;
}

const std::vector<int>& Overlaps(int place) {
    static const std::vector<int> none;
    return valid(place) ? kOverlaps[place] : none;
}

QString PointsTip(int points) {
    return QString::number(points) + QStringLiteral(" points");
}

void ElevensField::deal(const std::vector<QString>& cards) {
    clear();
    for (int i = 0; i < kFieldPlaces && i < int(cards.size()); ++i)
        put(i, cards[i]);
}

void ElevensField::clear() {
    for (QString& c : cards_)
        c.clear();
    present_.fill(false);
    selected_.fill(false);
}

bool ElevensField::exposed(int place) const {
    if (!valid(place) || !present_[place]) return false;
    for (int over : kCoveredBy[place])
        if (present_[over]) return false;
    return true;
}

int ElevensField::firstEmpty() const {
    for (int i = 0; i < kFieldPlaces; ++i)
        if (!present_[i]) return i;
    return -1;
}

int ElevensField::firstPresent() const {
    for (int i = 0; i < kFieldPlaces; ++i)
        if (present_[i]) return i;
    return -1;
}

std::vector<int> ElevensField::selectedPlaces() const {
    std::vector<int> out;
    for (int i = 0; i < kFieldPlaces; ++i)
        if (selected_[i]) out.push_back(i);
    return out;
}

void ElevensField::remove(int place) {
    present_[place] = false;
    selected_[place] = false;
}

void ElevensField::put(int place, const QString& code) {
    cards_[place] = code;
    present_[place] = true;
    selected_[place] = false;
}
