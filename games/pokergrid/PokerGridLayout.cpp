#include "games/pokergrid/PokerGridLayout.h"

PokerGridLayout LayOutPokerGrid(double width, double height) {
    using namespace PokerGridDesign;
    PokerGridLayout l;
    const double middle = width / 2 - 2 * CardWidth;
    for (int c = 0; c < 5; ++c)
        l.columnLeft[std::size_t(c)] = middle + (c - 2) * ColumnStep;
    l.rowTop[0] = FirstRowTop;
    l.rowTop[1] = height * 0.17;
    const double step = l.rowTop[1] - l.rowTop[0];
    for (int r = 2; r < 5; ++r)
        l.rowTop[std::size_t(r)] = l.rowTop[std::size_t(r) - 1] + step;

    // The design places 7110 and 8310 at the width 9540.
    l.deckLeft = width * 0.745283018867924;
    l.holeLeft = width * 0.871069182389937;
    l.cardsTop = l.rowTop[4];
    l.surfaceLeft = l.holeLeft + CardWidth / 2.0 - SurfaceWidth / 2.0 - 300;
    l.scoreLeft = l.surfaceLeft + (SurfaceWidth - ScoreRectangleWidth) / 2.0;
    l.splashLeft = width / 2 - SplashWidth / 2.0 - 700;
    l.splashTop = height / 2 - SplashHeight / 2.0;
    l.outlineLeft = l.scoreLeft / 2 - OutlineWidth / 2.0;
    l.labelsTop = height * 0.83;
    l.rowLabelsLeft = l.columnLeft[4] + CardWidth + 75;
    l.columnLabelsTop = l.rowTop[4] + CardHeight + 40;
    return l;
}
