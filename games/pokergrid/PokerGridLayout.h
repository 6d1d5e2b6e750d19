#pragma once
// Where the poker grid window puts its cards and panels for a window size, in twips. The
// grid's column step is fixed; its rows spread with the height and overlap while the window
// is low; the deck and the hole card keep their places in proportion to the width.

#include <array>
#include <cstddef>

namespace PokerGridDesign {
constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
constexpr int ColumnStep = 1200;
constexpr double FirstRowTop = 204;
constexpr int SurfaceTop = 2820;
constexpr int SurfaceWidth = 1155;
constexpr int SurfaceHeight = 1140;
constexpr int TimerRectangleWidth = 1365;
constexpr int TimerRectangleHeight = 1230;
constexpr int ScoreRectangleTop = 1860;
constexpr int ScoreRectangleWidth = 1065;
constexpr int ScoreRectangleHeight = 510;
constexpr int SplashWidth = 7635;
constexpr int SplashHeight = 4050;
constexpr int OutlineWidth = 6870;
constexpr int OutlineHeight = 2280;
} // namespace PokerGridDesign

struct PokerGridLayout {
    std::array<double, 5> columnLeft{};
    std::array<double, 5> rowTop{};
    double deckLeft = 0;
    double holeLeft = 0;
    double cardsTop = 0; // the deck and the hole card, level with the bottom row
    double surfaceLeft = 0;
    double scoreLeft = 0; // ScoreRectangle, centred on the clock
    double splashLeft = 0;
    double splashTop = 0;
    double outlineLeft = 0;   // ScoringLabelOutline, centred left of the score panel
    double labelsTop = 0;     // lblCards, lblHighScore, lblPointsEarned
    double rowLabelsLeft = 0; // lblRow(1..5)
    double columnLabelsTop = 0;
};

// The layout for an outer size of `width` x `height` twips.
PokerGridLayout LayOutPokerGrid(double width, double height);
