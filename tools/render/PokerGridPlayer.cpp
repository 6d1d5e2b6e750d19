// Marvane's scripted player: one who values a grid's lines as the rules text does and so
// places each card where the grid scores most, else where it best matches its row and column.
#include "tools/render/ScriptedPlayers.h"

#include "frame/CardPictures.h"
#include "frame/GameWindow.h"
#include "games/pokergrid/PokerGrid.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "services/SharedState.h"

namespace {
CardPicture* gridCell(const GameWindow& w, int cell) {
    return w.findChild<CardPicture*>(QString("PlayCards_%1").arg(cell));
}

// The grid as it shows: a cell without a card picture is empty.
std::array<GridCard, kGridCells> shownGrid(const GameWindow& w) {
    std::array<GridCard, kGridCells> cells{};
    for (int i = 0; i < kGridCells; ++i)
        if (const CardPicture* p = gridCell(w, i); p && p->isVisible())
            cells[size_t(i)] = ParseGridCard(p->pictureKey());
    return cells;
}

// How the card fits the other cards of its row and column: ranks count most (pairs, trips
// and fours pay in a row and a column at once), then suits.
int fit(const std::array<GridCard, kGridCells>& cells, int cell, GridCard card) {
    int fit = 0;
    for (int i = 0; i < kGridCells; ++i) {
        if (i == cell || cells[size_t(i)].empty()) continue;
        if (i / 5 != cell / 5 && i % 5 != cell % 5) continue;
        if (cells[size_t(i)].rank == card.rank) fit += 3;
        if (cells[size_t(i)].suit == card.suit) fit += 1;
    }
    return fit;
}

// The empty cell where the shown card scores most, -1 when none is left or no card shows.
int bestCell(const GameWindow& w) {
    const CardPicture* hole = w.findChild<CardPicture*>("HoleCard");
    const GridCard card = hole ? ParseGridCard(hole->pictureKey()) : GridCard{};
    if (card.empty()) return -1;
    std::array<GridCard, kGridCells> cells = shownGrid(w);
    int best = -1, bestPoints = 0, bestFit = 0;
    for (int i = 0; i < kGridCells; ++i) {
        if (!cells[size_t(i)].empty()) continue;
        cells[size_t(i)] = card;
        const int points = ScoreGridCards(cells, PokerGridOptions().hands).points;
        cells[size_t(i)] = GridCard{};
        const int fits = fit(cells, i, card);
        if (best < 0 || points > bestPoints || (points == bestPoints && fits > bestFit))
            best = i, bestPoints = points, bestFit = fits;
    }
    return best;
}
} // namespace

// Marvane: each of the three rounds filled in its first second, every card where it scores
// most, so that the rounds' time bonuses reach the bonus round; the bonus round is left to
// run out on the clock ("Times Up!").
void playScrambleSecond(GameWindow& w) {
    if (Shared().Round > 3 || Shared().ElapsedSeconds < 1) return;
    for (int i = 0; i < kGridCells && w.state() == GameWindow::State::Running; ++i) {
        const int cell = bestCell(w);
        if (cell < 0) return;
        press(gridCell(w, cell));
    }
}
