#pragma once
// Window layouts are given in twips; the screen has 15 twips to a pixel.

#include <QRect>

constexpr int Tw(int twips) { return (twips + 7) / 15; }
constexpr QRect TwRect(int left, int top, int width, int height) {
    return QRect(Tw(left), Tw(top), Tw(width), Tw(height));
}
