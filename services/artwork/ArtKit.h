#pragma once
// Drawing kit shared by the card artwork: canvases, suit shapes, fitted lettering, and the
// makers of each kind of picture. Everything is vector drawing, so any pixel ratio stays sharp.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSize>

#include <functional>

namespace art {

enum class Suit { Spades, Hearts, Clubs, Diamonds };

// A transparent pixmap of w x h device-independent pixels at `dpr`.
QPixmap Canvas(int w, int h, qreal dpr);
void Prepare(QPainter& g);

// Suit shape centred on the origin, one unit wide (built once).
const QPainterPath& SuitPath(Suit suit);
QColor SuitColor(Suit suit);
// A suit pip `size` pixels wide centred at `centre`; upside down for the lower half of a card.
void DrawSuit(QPainter& g, Suit suit, QPointF centre, qreal size, bool upsideDown = false);
void DrawSuit(QPainter& g, Suit suit, QPointF centre, qreal size, const QBrush& fill);

// A small drawing rendered once and then copied pixel for pixel wherever it recurs. `draw`
// paints around the origin within `extent`; the painter must not be rotated or scaled. With
// `alsoTurned` the drawing also appears turned half round about the centre of the device.
void Stamp(QPainter& g, quint64 key, QPointF centre, QSizeF extent,
           const std::function<void(QPainter&)>& draw, bool alsoTurned = false);
// Frees the stamp pictures once a set of pictures is drawn.
void ForgetStamps();
// A suit pip stamped from the cache (for the many pips on the card faces).
void StampSuit(QPainter& g, Suit suit, QPointF centre, qreal size, bool upsideDown = false);

// Lettering as a path: capital height fills `box`, centred across it, baseline on its bottom;
// squeezed sideways only when too wide.
QPainterPath Lettering(const QString& text, const QRectF& box, bool serif = true);

// Picture makers (sizes in device-independent pixels).
QPixmap CardFace(int rank, Suit suit, qreal dpr); // 69 x 94
void DrawCourtPanel(QPainter& g, int rank, Suit suit, const QRectF& panel);
QPixmap CardBack(int design, QSize size, qreal dpr);
// The back with `edges` card edges showing behind it, grown to `size`.
QPixmap Stock(const QPixmap& back, QSize size, int edges, qreal dpr);
QPixmap EmptyPlace(QSize size, qreal dpr);
QPixmap Pointer(qreal dpr);       // 32 x 32, fingertip at (13, 1)
QPixmap ElevensSplash(qreal dpr); // 71 x 96

// Card-back scenes, drawn in a space 100 units wide and `h` units tall.
void DrawPalmTree(QPainter& g, qreal h);
void DrawMagicHands(QPainter& g, qreal h);
void DrawNightCastle(QPainter& g, qreal h);
void DrawHotCards(QPainter& g, qreal h);

} // namespace art
