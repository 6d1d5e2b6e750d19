#pragma once
// Where the Twindle window puts its controls across its width (in twips). Only horizontal
// positions follow the width; every Top and every size stays as designed, except the splash
// panel, which is also centred vertically.

#include <array>

namespace PairsDesign {
constexpr int MinWidth = 9570; // outer size, twips
constexpr int MinHeight = 7200;
constexpr int CardWidth = 1035;
constexpr int CardHeight = 1455;
constexpr std::array<int, 24> CardTop = {540,  540,  540,  540,  540,  990,  990,  990,
                                         990,  1395, 1395, 1395, 1395, 1395, 1935, 1935,
                                         1935, 1935, 2340, 2340, 2340, 2340, 2340, 4260};
constexpr int StackTop = 4245;
constexpr int ButtonWidth = 1065;
constexpr int BoxWidth = 1065;
constexpr int SurfaceWidth = 1155;
constexpr int SplashWidth = 7155;
constexpr int SplashHeight = 4050;
constexpr int ButtonGap = 800;     // right of the last card column
constexpr int UpCardOffset = 1200; // up card right of the stack
} // namespace PairsDesign

// A box: its rectangle, the grey side line at its right and the bottom line under it.
struct PairsBoxLefts {
    double rectangle = 0;
    double sideX = 0;
    double bottomX1 = 0;
    double bottomX2 = 0;
};

struct PairsLayout {
    std::array<double, 24> card{}; // PlayCard(i) and FieldSelectionRectangle(i)
    double stack = 0;
    double buttons = 0;   // cmdPlay, cmdPause, cmdTakeScore, cmdExit
    double cardCount = 0; // lblCardCount
    double highScore = 0; // lblHighScore
    PairsBoxLefts score, round, pairs, runs;
    double surface = 0;
    double timerRectangle = 0;
    double timerSideX = 0;
    double timerBottomX1 = 0;
    double timerBottomX2 = 0;
    double splashLeft = 0;
    double splashTop = 0;
};

// The positions for a window of outer width `width` and outer height `height`.
PairsLayout LayOutPairs(double width, double height);
// A label of `labelWidth` centred on a control at `left` of `width`.
inline double CentredOn(double left, double width, double labelWidth) {
    return left + (width - labelWidth) / 2;
}
// Whether a window of this outer size in the normal state must snap back to the minimum
// (both sides are set, even when only one was too small).
inline bool BelowPairsMinimum(int width, int height) {
    return height < PairsDesign::MinHeight || width < PairsDesign::MinWidth;
}
