#include "services/artwork/ArtKit.h"

#include <cmath>

namespace art {
namespace {
// Inner frame colour of each design, picked from its scene.
const QColor kTrim[4] = {QColor(230, 140, 40), QColor(212, 170, 60), QColor(70, 90, 160),
                         QColor(230, 80, 20)};
} // namespace

QPixmap CardBack(int design, QSize size, qreal dpr) {
    QPixmap p = Canvas(size.width(), size.height(), dpr);
    QPainter g(&p);
    Prepare(g);
    const QRectF card(0.5, 0.5, size.width() - 1, size.height() - 1);
    QPainterPath outline;
    outline.addRoundedRect(card, 4, 4);
    g.fillPath(outline, Qt::white);

    const QRectF inner = card.adjusted(3, 3, -3, -3);
    QPainterPath window;
    window.addRoundedRect(inner, 2.5, 2.5);
    g.save();
    g.setClipPath(window);
    g.translate(inner.topLeft());
    const qreal unit = inner.width() / 100;
    g.scale(unit, unit);
    const qreal h = inner.height() / unit;
    switch (design) {
    case 0:
        DrawPalmTree(g, h);
        break;
    case 1:
        DrawMagicHands(g, h);
        break;
    case 2:
        DrawNightCastle(g, h);
        break;
    default:
        DrawHotCards(g, h);
        break;
    }
    g.restore();
    g.strokePath(window, QPen(kTrim[design & 3], 1));
    g.strokePath(outline, QPen(QColor(96, 96, 100), 1));
    return p;
}

QPixmap Stock(const QPixmap& back, QSize size, int edges, qreal dpr) {
    const QSizeF card = back.deviceIndependentSize();
    const qreal growX = size.width() - card.width();
    const qreal growY = size.height() - card.height();
    QPixmap p = Canvas(size.width(), size.height(), dpr);
    QPainter g(&p);
    Prepare(g);
    // The cards underneath step up and to the right; each shows a one-pixel strip, and
    // alternating shades (darkest at the back) make those strips read as card edges.
    for (int i = edges; i >= 1; --i) {
        const qreal dx = std::round(i * growX / edges);
        const qreal dy = std::round(i * growY / edges);
        QPainterPath edge;
        edge.addRoundedRect(QRectF(QPointF(dx, growY - dy), card), 4, 4);
        g.fillPath(edge, (edges - i) % 2 ? QColor(200, 200, 204) : QColor(96, 96, 102));
    }
    g.drawPixmap(QPointF(0, growY), back);
    return p;
}

} // namespace art
