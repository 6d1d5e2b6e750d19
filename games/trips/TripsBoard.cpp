#include "games/trips/TripsBoard.h"

#include "games/trips/TripsSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

namespace {
const QString kClick = QStringLiteral("Click.wav");
const QString kDeselect = QStringLiteral("Markq.wav");
const QString kRefuse = QStringLiteral("Chord.wav");
const QString kScored = QStringLiteral("TwentyOne.wav");
const QString kFlush = QStringLiteral("HighScore.wav");

int column(int place) {
    return place % kTripsColumns;
}

bool playable(const QString& code) {
    const int rank = CardValue(code);
    return rank >= 1 && rank <= 13 && CardSuit(code) != 0;
}
} // namespace

ColumnKind ScoreColumn(const QString& top, const QString& middle, const QString& bottom) {
    const int a = CardValue(top), b = CardValue(middle), c = CardValue(bottom);
    if (a < 1 || b < 1 || c < 1) return ColumnKind::None;
    if (a == b && a == c) return ColumnKind::Trip;
    const bool run = (b == a + 1 && c == a + 2) || (b == a - 1 && c == a - 2) ||
                     (a == 1 && b == 13 && c == 12) || (a == 12 && b == 13 && c == 1);
    if (!run) return ColumnKind::None;
    const char suit = CardSuit(top);
    return suit != 0 && CardSuit(middle) == suit && CardSuit(bottom) == suit ? ColumnKind::FlushRun
                                                                             : ColumnKind::Run;
}

void TripsBoard::clear() {
    field_.fill(QString());
    storage_.fill(QString());
    up_.fill(QString());
    deck_.clear();
    selectedFrom_ = TripsSource::None;
    selectedIndex_ = -1;
    stockIndex_ = kTripsFirstStockIndex;
    trips_ = 0;
    runs_ = 0;
}

bool TripsBoard::deal() {
    clear();
    const QStringList& deck = Shared().Deck;
    if (deck.size() < 53) return false;
    for (int i = 1; i <= 52; ++i)
        if (!playable(deck[i])) return false;
    deck_ = deck.mid(0, 53);
    for (int i = 0; i < kTripsUpPlaces; ++i)
        up_[size_t(i)] = deck_[i + 1];
    return true;
}

int TripsBoard::columnHeight(int c) const {
    int h = 0;
    while (h < kTripsRows && !field_[size_t(h * kTripsColumns + c)].isEmpty())
        ++h;
    return h;
}

int TripsBoard::dropPlace(int c) const {
    const int h = columnHeight(c);
    return h < kTripsRows ? h * kTripsColumns + c : -1;
}

int TripsBoard::lowestPlace(int c) const {
    const int h = columnHeight(c);
    return h > 0 ? (h - 1) * kTripsColumns + c : -1;
}

QString TripsBoard::stockPictureKey() const {
    if (stockIndex_ < 20) return QStringLiteral("FULL");
    if (stockIndex_ <= 35) return QStringLiteral("HALF");
    if (stockIndex_ <= 51) return QStringLiteral("BACK");
    return QStringLiteral("EMPTY");
}

bool TripsBoard::blocked() const {
    for (const QString& s : storage_)
        if (s.isEmpty()) return false;
    for (int c = 0; c < kTripsColumns; ++c)
        if (columnHeight(c) < kTripsRows) return false;
    return true;
}

std::vector<int> TripsBoard::leftOverField() const {
    std::vector<int> places;
    for (int i = kTripsFieldPlaces - 1; i >= 0; --i)
        if (!field_[size_t(i)].isEmpty()) places.push_back(i);
    return places;
}

std::vector<int> TripsBoard::leftOverStorage() const {
    std::vector<int> places;
    for (int i = kTripsStoragePlaces - 1; i >= 0; --i)
        if (!storage_[size_t(i)].isEmpty()) places.push_back(i);
    return places;
}

void TripsBoard::clearSelection() {
    selectedFrom_ = TripsSource::None;
    selectedIndex_ = -1;
}

void TripsBoard::removeFieldCard(int place) {
    field_[size_t(place)].clear();
}

void TripsBoard::removeStorageCard(int place) {
    storage_[size_t(place)].clear();
}

void TripsBoard::select(TripsSource from, int index, TripsClick& r) {
    selectedFrom_ = from;
    selectedIndex_ = index;
    r.sounds << kClick;
    r.changed = true;
}

void TripsBoard::deselect(TripsClick& r) {
    clearSelection();
    r.sounds << kDeselect;
    r.changed = true;
}

QString TripsBoard::takeSelected() {
    QString code;
    switch (selectedFrom_) {
    case TripsSource::UpCard:
        code = up_[kTripsPlayableUp];
        break;
    case TripsSource::Storage:
        code = storage_[size_t(selectedIndex_)];
        storage_[size_t(selectedIndex_)].clear();
        break;
    case TripsSource::Field:
        code = field_[size_t(selectedIndex_)];
        field_[size_t(selectedIndex_)].clear();
        break;
    case TripsSource::None:
        break;
    }
    return code;
}

void TripsBoard::advanceUpRow(TripsClick& r) {
    ++stockIndex_;
    up_[2] = up_[1];
    up_[1] = up_[0];
    up_[0] = stockIndex_ <= 52 ? deck_.value(stockIndex_) : QString();
    r.drew = true;
}

bool TripsBoard::moveToColumn(int c, TripsClick& r) {
    const int place = dropPlace(c);
    if (place < 0) return false;
    const bool fromUp = selectedFrom_ == TripsSource::UpCard;
    field_[size_t(place)] = takeSelected();
    clearSelection();
    if (fromUp) advanceUpRow(r);
    r.sounds << kClick;
    r.changed = true;
    return true;
}

bool TripsBoard::moveToStorage(int place, TripsClick& r) {
    if (!storage_[size_t(place)].isEmpty()) return false;
    const bool fromUp = selectedFrom_ == TripsSource::UpCard;
    storage_[size_t(place)] = takeSelected();
    clearSelection();
    if (fromUp) advanceUpRow(r);
    r.sounds << kClick;
    r.changed = true;
    return true;
}

void TripsBoard::checkColumns(TripsClick& r) {
    const TripsSettings& o = TripsOptions();
    for (int c = 0; c < kTripsColumns; ++c) {
        if (columnHeight(c) < kTripsRows) continue;
        const ColumnKind kind =
            ScoreColumn(field_[size_t(c)], field_[size_t(c + 4)], field_[size_t(c + 8)]);
        if (kind == ColumnKind::None) continue;
        ColumnScored s;
        s.column = c;
        s.kind = kind;
        if (kind == ColumnKind::Trip) {
            ++trips_;
            s.points = o.TripleScore;
        } else {
            ++runs_;
            s.points = int64_t(o.RunScore) + (kind == ColumnKind::FlushRun ? o.FlushScore : 0);
        }
        s.sound = kind == ColumnKind::FlushRun ? kFlush : kScored;
        for (int row = 0; row < kTripsRows; ++row)
            field_[size_t(row * kTripsColumns + c)].clear();
        Shared().Score = AddScore(Shared().Score, s.points);
        s.scoreAfter = Shared().Score;
        r.scored.push_back(s);
        r.changed = true;
    }
}

void TripsBoard::checkBlocked(TripsClick& r) const {
    r.blocked = blocked();
}

TripsClick TripsBoard::clickField(int place) {
    TripsClick r;
    if (place < 0 || place >= kTripsFieldPlaces) return r;
    const int c = column(place);
    if (!cardSelected()) {
        if (columnHeight(c) == 0)
            r.sounds << kRefuse;
        else
            select(TripsSource::Field, lowestPlace(c), r);
    } else if (selectedFrom_ == TripsSource::Field && column(selectedIndex_) == c) {
        // The column of the selected card: taking it back, wherever the column was clicked.
        deselect(r);
    } else if (!moveToColumn(c, r)) {
        r.sounds << kRefuse;
    }
    checkColumns(r);
    checkBlocked(r);
    return r;
}

TripsClick TripsBoard::clickStorage(int place) {
    TripsClick r;
    if (place < 0 || place >= kTripsStoragePlaces) return r;
    const bool empty = storage_[size_t(place)].isEmpty();
    if (!cardSelected()) {
        if (empty)
            r.sounds << kRefuse;
        else
            select(TripsSource::Storage, place, r);
    } else if (empty) {
        moveToStorage(place, r);
    } else if (selectedFrom_ == TripsSource::Storage && selectedIndex_ == place) {
        deselect(r);
    } else {
        r.sounds << kRefuse;
    }
    checkBlocked(r);
    return r;
}

TripsClick TripsBoard::clickUpCard(int place) {
    TripsClick r;
    if (place < 0 || place >= kTripsUpPlaces) return r;
    if (place != kTripsPlayableUp || deckUsedUp())
        r.sounds << kRefuse;
    else if (selectedFrom_ == TripsSource::UpCard)
        deselect(r);
    else if (cardSelected())
        r.sounds << kRefuse;
    else
        select(TripsSource::UpCard, kTripsPlayableUp, r);
    return r;
}

TripsClick TripsBoard::clickStock() const {
    TripsClick r;
    r.sounds << kRefuse;
    return r;
}
