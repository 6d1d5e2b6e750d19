#pragma once
// Colours are kept as 24-bit values in blue-green-red byte order (255 is red).

#include <QColor>
#include <cstdint>

constexpr uint32_t kVbRed = 0x0000FF;
constexpr uint32_t kVbGreen = 0x00FF00;
constexpr uint32_t kVbYellow = 0x00FFFF;
constexpr uint32_t kVbWhite = 0xFFFFFF;
constexpr uint32_t kVbSilver = 0xC0C0C0;
constexpr uint32_t kVbCyan = 0xFFFF00;
constexpr uint32_t kVbBlue = 0xFF0000;
constexpr uint32_t kVbBlack = 0x000000;

inline QColor VbColour(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

#include <QPalette>
#include <QWidget>

// A label's text colour.
inline void SetForeColour(QWidget* w, uint32_t bgr) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, VbColour(bgr));
    w->setPalette(p);
}
inline QColor ForeColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}
