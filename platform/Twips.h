#pragma once
// Window layouts are given in twips; the screen has 15 twips to a pixel. The conversions work
// in 64 bits and hold their results within the range of an int, so no stored or computed
// size can overflow them.

#include <QRect>
#include <cstdint>
#include <limits>

constexpr int Tw(int64_t twips) {
    const int64_t px = (twips + 7) / 15;
    constexpr int64_t lo = std::numeric_limits<int>::min();
    constexpr int64_t hi = std::numeric_limits<int>::max();
    return int(px < lo ? lo : px > hi ? hi : px);
}
constexpr QRect TwRect(int64_t left, int64_t top, int64_t width, int64_t height) {
    return QRect(Tw(left), Tw(top), Tw(width), Tw(height));
}
// Pixels as twips, held within the range of an int.
constexpr int PxToTw(int64_t pixels) {
    const int64_t tw = pixels * 15;
    constexpr int64_t lo = std::numeric_limits<int>::min();
    constexpr int64_t hi = std::numeric_limits<int>::max();
    return int(tw < lo ? lo : tw > hi ? hi : tw);
}
