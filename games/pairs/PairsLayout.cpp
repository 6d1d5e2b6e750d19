#include "games/pairs/PairsLayout.h"

#include <cmath>

namespace {
using namespace PairsDesign;

// The score box's bottom line starts 15 in, the other three boxes' 25 in.
PairsBoxLefts box(double left, double bottomInset) {
    PairsBoxLefts b;
    b.rectangle = left;
    b.sideX = left + BoxWidth - 15;
    b.bottomX1 = left + bottomInset;
    b.bottomX2 = b.sideX;
    return b;
}
} // namespace

PairsLayout LayOutPairs(double width, double height) {
    PairsLayout l;
    auto& c = l.card;
    // Five touching cards centred, four under them shifted half a card; rows 3 to 5 repeat.
    c[2] = width / 2 - CardWidth / 2.0;
    c[1] = c[2] - CardWidth;
    c[0] = c[1] - CardWidth;
    c[3] = c[2] + CardWidth;
    c[4] = c[3] + CardWidth;
    c[5] = c[0] + CardWidth / 2.0;
    for (int i = 6; i <= 8; ++i)
        c[size_t(i)] = c[size_t(i - 1)] + CardWidth;
    for (int i = 0; i < 5; ++i) {
        c[size_t(9 + i)] = c[size_t(i)];
        c[size_t(18 + i)] = c[size_t(i)];
    }
    for (int i = 0; i < 4; ++i)
        c[size_t(14 + i)] = c[size_t(5 + i)];
    l.buttons = c[22] + CardWidth + ButtonGap;
    l.stack = c[14];
    c[23] = l.stack + UpCardOffset;
    l.cardCount = l.stack - 1830;
    l.highScore = c[23] + CardWidth + 500;

    const double scoreLeft = l.buttons + ButtonWidth / 2.0 - BoxWidth / 2.0;
    l.score = box(scoreLeft, 15);
    l.round = box(scoreLeft, 25);
    l.surface = scoreLeft + BoxWidth / 2.0 - SurfaceWidth / 2.0;
    l.timerSideX = l.surface + SurfaceWidth + 30;
    l.timerRectangle = l.surface - 90;
    l.timerBottomX1 = l.surface - 15;
    l.timerBottomX2 = l.timerBottomX1 + 1200;

    // The pairs and runs boxes stand as far left of the rows as the score box stands right.
    const double gap = std::nearbyint(scoreLeft - (c[4] + CardWidth));
    const double pairsLeft = c[0] - gap - BoxWidth;
    l.pairs = box(pairsLeft, 25);
    l.runs = box(pairsLeft, 25);

    l.splashLeft = l.buttons / 2 - SplashWidth / 2.0;
    l.splashTop = height / 2 - SplashHeight / 2.0;
    return l;
}
