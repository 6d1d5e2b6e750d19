#pragma once
// Placing controls in twips, as window layouts are written: a control's place and size in
// twips, and moves to positions that may fall between pixels (rounded half away from zero).

#include "platform/Twips.h"

#include <QWidget>
#include <cmath>

inline int TwLeft(const QWidget* w) {
    return PxToTw(w->x());
}
inline int TwTop(const QWidget* w) {
    return PxToTw(w->y());
}
inline int TwWidth(const QWidget* w) {
    return PxToTw(w->width());
}
inline int TwHeight(const QWidget* w) {
    return PxToTw(w->height());
}
inline void MoveTw(QWidget* w, double left, double top) {
    if (w) w->move(Tw(std::llround(left)), Tw(std::llround(top)));
}
inline void MoveLeftTw(QWidget* w, double left) {
    if (w) w->move(Tw(std::llround(left)), w->y());
}
