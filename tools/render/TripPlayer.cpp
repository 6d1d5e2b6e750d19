// Tressel's scripted player: round one played through the whole deck (each card where it
// completes a trip or run, else where it can still make one), so that the deck completion
// and the left-over cards are shown; round two filled without looking until no move is left;
// the bonus round left to the clock.
#include "tools/render/ScriptedPlayers.h"

#include "frame/CardPictures.h"
#include "frame/GameWindow.h"
#include "services/SharedState.h"

#include <QLabel>
#include <QPushButton>
#include <array>

namespace {
constexpr int kColumns = 4, kRows = 3, kStorage = 3;

int shownRank(const GameWindow& w, const QString& name) {
    const CardPicture* p = w.findChild<CardPicture*>(name);
    return p && p->isVisible() ? RankOfKey(p->pictureKey()) : 0;
}

// The ranks as the board shows them, 0 for a free place.
struct Board {
    std::array<int, kColumns * kRows> field{};
    std::array<int, kStorage> storage{};
    int up = 0; // the card that can be played, 0 once the deck is used up

    int height(int column) const {
        int h = 0;
        while (h < kRows && field[size_t(h * kColumns + column)] != 0)
            ++h;
        return h;
    }
    int card(int column, int row) const { return field[size_t(row * kColumns + column)]; }
};

Board readBoard(const GameWindow& w) {
    Board b;
    for (int i = 0; i < kColumns * kRows; ++i)
        b.field[size_t(i)] = shownRank(w, QString("PlayCard_%1").arg(i));
    for (int i = 0; i < kStorage; ++i)
        b.storage[size_t(i)] = shownRank(w, QString("TempCard_%1").arg(i));
    b.up = shownRank(w, "UpCard_2");
    return b;
}

// Three ranks, top first, that score: a trip, or a run rising or falling (Q-K-A and A-K-Q
// too).
bool scores(int a, int b, int c) {
    if (a == b && b == c) return true;
    if ((b - a == 1 && c - b == 1) || (a - b == 1 && b - c == 1)) return true;
    return (a == 12 && b == 13 && c == 1) || (a == 1 && b == 13 && c == 12);
}

bool canStillScore(int a, int b) {
    for (int c = 1; c <= 13; ++c)
        if (scores(a, b, c)) return true;
    return false;
}

// How much a card of this rank is worth on the column: completing it most, then starting a
// pair that can still score, then an empty column; a column it spoils least of all.
int worthOn(const Board& b, int column, int rank) {
    const int h = b.height(column);
    if (h == kRows) return -1;
    if (h == 2) return scores(b.card(column, 0), b.card(column, 1), rank) ? 100 : 0;
    // A run waits for one of four cards, a trip for one of two.
    if (h == 1)
        return !canStillScore(b.card(column, 0), rank) ? 1 : b.card(column, 0) == rank ? 50 : 55;
    return 20;
}
constexpr int kStorageWorth = 10;

int roundShown(const GameWindow& w) {
    return w.label("lblRound")->text().section(' ', -1).toInt();
}

void toColumn(GameWindow& w, const QString& from, int column) {
    press(w.findChild<QWidget*>(from));
    press(w.findChild<QWidget*>(QString("PlayCard_%1").arg(column)));
}

// One move of round one; false when none is left to make.
bool playWell(GameWindow& w) {
    const Board b = readBoard(w);
    // A stored card that completes a column or starts a pair that can score goes first,
    // freeing its place.
    for (int s = 0; s < kStorage; ++s) {
        if (b.storage[size_t(s)] == 0) continue;
        for (int c = 0; c < kColumns; ++c)
            if (worthOn(b, c, b.storage[size_t(s)]) >= 50)
                return toColumn(w, QString("TempCard_%1").arg(s), c), true;
    }
    // So does a column's lowest card that completes another column.
    for (int from = 0; from < kColumns; ++from) {
        const int h = b.height(from);
        if (h == 0) continue;
        for (int c = 0; c < kColumns; ++c)
            if (c != from && worthOn(b, c, b.card(from, h - 1)) == 100)
                return toColumn(w, QString("PlayCard_%1").arg((h - 1) * kColumns + from), c), true;
    }
    if (b.up == 0) return false;
    int best = -1, bestWorth = -1;
    for (int c = 0; c < kColumns; ++c)
        if (const int worth = worthOn(b, c, b.up); worth > bestWorth) best = c, bestWorth = worth;
    int freeStorage = -1;
    for (int s = kStorage - 1; s >= 0; --s)
        if (b.storage[size_t(s)] == 0) freeStorage = s;
    if (freeStorage >= 0 && bestWorth < kStorageWorth) {
        press(w.findChild<QWidget*>("UpCard_2"));
        press(w.findChild<QWidget*>(QString("TempCard_%1").arg(freeStorage)));
        return true;
    }
    if (best < 0) return false;
    toColumn(w, "UpCard_2", best);
    return true;
}

// One move of round two: the card to the first free place, columns first.
void fillUp(GameWindow& w) {
    const Board b = readBoard(w);
    if (b.up == 0) return;
    for (int c = 0; c < kColumns; ++c)
        if (b.height(c) < kRows) return toColumn(w, "UpCard_2", c);
    for (int s = 0; s < kStorage; ++s)
        if (b.storage[size_t(s)] == 0) {
            press(w.findChild<QWidget*>("UpCard_2"));
            press(w.findChild<QWidget*>(QString("TempCard_%1").arg(s)));
            return;
        }
}
} // namespace

// Tressel: four moves a second from the second second; round one to the end of its deck,
// then Take Score (the deck completion bonus and the left-over cards), round two until no
// move is left ("No more legal moves left!"), and the bonus round (seed 6's deals reach it)
// left to run out on the clock ("Times Up!").
void playTripSecond(GameWindow& w) {
    if (Shared().ElapsedSeconds < 2) return;
    const int round = roundShown(w);
    for (int move = 0; move < 4 && w.state() == GameWindow::State::Running; ++move) {
        if (round == 2) {
            fillUp(w);
        } else if (round > 2) {
            return; // the bonus round runs out on the clock
        } else if (!playWell(w)) {
            if (w.cmdTakeScore()->isEnabled()) w.cmdTakeScore()->click();
            return;
        }
    }
}
