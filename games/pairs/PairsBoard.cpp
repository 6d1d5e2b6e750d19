#include "games/pairs/PairsBoard.h"

#include "services/Deck.h"

namespace {
// Place i of rows 1 to 4 lies under i+4 and i+5, except the ends of a five-card row, which
// lie under the one overlapping card of the row below and the end card two rows below.
const std::vector<int> kCovering[18] = {{5, 9},   {5, 6},   {6, 7},   {7, 8},   {8, 13},  {9, 10},
                                        {10, 11}, {11, 12}, {12, 13}, {14, 18}, {14, 15}, {15, 16},
                                        {16, 17}, {17, 22}, {18, 19}, {19, 20}, {20, 21}, {21, 22}};

bool layoutPlace(int place) {
    return place >= 0 && place < kLayoutPlaces;
}
} // namespace

QString PairsSoundFile(PairsSound sound) {
    switch (sound) {
    case PairsSound::Refuse:
        return QStringLiteral("Chord.wav");
    case PairsSound::Select:
        return QStringLiteral("Markq.wav");
    case PairsSound::Deselect:
        return QStringLiteral("Tick.wav");
    case PairsSound::Match:
        return QStringLiteral("TwentyOne.wav");
    case PairsSound::Draw:
        return QStringLiteral("Click.wav");
    }
    return QString();
}

PairsMatch MatchRanks(int selectedRank, int clickedRank) {
    if (selectedRank >= 1 && selectedRank <= 13 && selectedRank == clickedRank)
        return PairsMatch::Pair;
    return RanksAdjacent(selectedRank, clickedRank) ? PairsMatch::Run : PairsMatch::None;
}

const std::vector<int>& PlacesCovering(int place) {
    static const std::vector<int> none;
    return place >= 0 && place < 18 ? kCovering[place] : none;
}

QString StackPictureKey(int nextStackIndex) {
    if (nextStackIndex >= 52) return QStringLiteral("EMPTY");
    if (nextStackIndex >= 42) return QStringLiteral("BACK");
    if (nextStackIndex >= 35) return QStringLiteral("HALF");
    if (nextStackIndex >= 28) return QStringLiteral("FULL");
    return QString();
}

bool PairsBoard::deal(const QStringList& deck) {
    clear();
    if (deck.size() < 53) return false;
    for (int i = 1; i <= 52; ++i)
        if (CardValue(deck[i]) < 1 || CardValue(deck[i]) > 13) return false;
    for (int i = 0; i < 52; ++i)
        tableCards_[size_t(i)] = deck[i + 1];
    present_.fill(true);
    waste_[1] = tableCards_[kUpPlace];
    upStackTop_ = 1;
    nextStackIndex_ = kFirstStackIndex;
    stackCount_ = kStackSize;
    return true;
}

void PairsBoard::clear() {
    for (QString& c : tableCards_)
        c.clear();
    for (QString& c : waste_)
        c.clear();
    present_.fill(false);
    upStackTop_ = 0;
    stackCount_ = 0;
    nextStackIndex_ = 52;
    selectedIndex_ = -1;
    pairs_ = 0;
    runs_ = 0;
}

bool PairsBoard::present(int place) const {
    if (place == kUpPlace) return upStackTop_ > 0;
    return layoutPlace(place) && present_[size_t(place)];
}

QString PairsBoard::card(int place) const {
    return present(place) ? tableCards_[size_t(place)] : QString();
}

bool PairsBoard::exposed(int place) const {
    for (int over : PlacesCovering(place))
        if (present_[size_t(over)]) return false;
    return true;
}

bool PairsBoard::bordered(int place) const {
    if (place == selectedIndex_) return false;
    return place != kUpPlace || upStackTop_ > 0;
}

bool PairsBoard::topRowCleared() const {
    for (int i = 0; i < 5; ++i)
        if (present_[size_t(i)]) return false;
    return true;
}

PairsClick PairsBoard::click(int place) {
    PairsClick r;
    if (place < 0 || place >= kBoardPlaces) return r;
    // A removed card is hidden and cannot be clicked.
    if (layoutPlace(place) && !present_[size_t(place)]) return r;
    if (!present(place) || !exposed(place)) {
        r.sounds.push_back(PairsSound::Refuse);
        return r;
    }
    if (!selectionActive()) {
        selectedIndex_ = place;
        r.sounds.push_back(PairsSound::Select);
        return r;
    }
    const int selected = selectedIndex_;
    selectedIndex_ = -1;
    if (place == selected) {
        r.sounds.push_back(PairsSound::Deselect);
        return r;
    }
    r.match =
        MatchRanks(CardValue(tableCards_[size_t(selected)]), CardValue(tableCards_[size_t(place)]));
    if (r.match == PairsMatch::None) {
        r.sounds.push_back(PairsSound::Refuse);
        return r;
    }
    if (r.match == PairsMatch::Pair)
        ++pairs_;
    else
        ++runs_;
    r.sounds.push_back(PairsSound::Match);
    remove(selected);
    remove(place);
    if (place == kUpPlace || selected == kUpPlace) {
        --upStackTop_;
        if (upStackTop_ > 0) {
            tableCards_[kUpPlace] = waste_[size_t(upStackTop_)];
        } else {
            tableCards_[kUpPlace].clear();
            r.turnedUp = draw(true).drew;
        }
    }
    r.topRowCleared = topRowCleared();
    return r;
}

void PairsBoard::remove(int place) {
    if (layoutPlace(place)) {
        present_[size_t(place)] = false;
        tableCards_[size_t(place)].clear();
    }
}

PairsDraw PairsBoard::draw(bool silent) {
    PairsDraw r;
    --stackCount_;
    if (stackCount_ < 0) {
        stackCount_ = 0;
        if (!silent) r.sounds.push_back(PairsSound::Refuse);
        return r;
    }
    if (!silent) r.sounds.push_back(PairsSound::Draw);
    if (upStackTop_ > 0) {
        for (int i = 0; i < kLayoutPlaces; ++i) {
            if (present_[size_t(i)]) continue;
            tableCards_[size_t(i)] = waste_[size_t(upStackTop_)];
            present_[size_t(i)] = true;
            waste_[size_t(upStackTop_)].clear();
            --upStackTop_;
            r.movedToPlace = i;
            break;
        }
    }
    ++upStackTop_;
    waste_[size_t(upStackTop_)] = tableCards_[size_t(nextStackIndex_)];
    ++nextStackIndex_;
    tableCards_[kUpPlace] = waste_[size_t(upStackTop_)];
    selectedIndex_ = -1;
    r.drew = true;
    r.stackKey = StackPictureKey(nextStackIndex_);
    return r;
}
