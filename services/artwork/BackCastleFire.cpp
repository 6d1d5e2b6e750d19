#include "services/artwork/ArtKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace art {
namespace {
// Battlements along the top of a wall from x0 to x1 at height `top`.
void AddBattlements(QPainterPath& p, qreal x0, qreal x1, qreal top, qreal merlon) {
    for (qreal x = x0; x + merlon <= x1 + 0.01; x += 2 * merlon)
        p.addRect(QRectF(x, top - merlon, merlon, merlon));
}

void AddTower(QPainterPath& p, qreal x, qreal top, qreal width, qreal bottom, qreal roof) {
    p.addRect(QRectF(x, top, width, bottom - top));
    QPainterPath cone;
    cone.moveTo(x - 2, top);
    cone.lineTo(x + width / 2, top - roof);
    cone.lineTo(x + width + 2, top);
    cone.closeSubpath();
    p.addPath(cone);
}

// A row of flame tongues rising from the bottom edge.
QPainterPath Flames(qreal h, qreal base, qreal height, int tongues, qreal shift) {
    QPainterPath p;
    const qreal w = 100.0 / tongues;
    p.moveTo(-w / 2 + shift, h);
    p.lineTo(-w / 2 + shift, base);
    for (int i = 0; i <= tongues; ++i) {
        const qreal x0 = -w / 2 + shift + i * w;
        const qreal x1 = x0 + w;
        const qreal mid = (x0 + x1) / 2;
        const qreal tall = height * (i % 2 ? 0.78 : 1.0);
        const qreal sway = (i % 3 - 1) * w * 0.25;
        // Each tongue bulges past its valley and ends in a leaning tip.
        p.cubicTo(x0 - w * 0.2, base - tall * 0.35, mid - w * 0.6 + sway * 0.5, base - tall * 0.6,
                  mid + sway, base - tall);
        p.cubicTo(mid + w * 0.3 + sway * 0.3, base - tall * 0.65, x1 + w * 0.2, base - tall * 0.3,
                  x1, base);
    }
    p.lineTo(100 + w, h);
    p.closeSubpath();
    p.setFillRule(Qt::WindingFill); // neighbouring tongues overlap
    return p;
}

void SmallCard(QPainter& g, Suit suit, qreal angle, QPointF pivot) {
    g.save();
    g.translate(pivot);
    g.rotate(angle);
    const QRectF card(-15, -50, 30, 42);
    QPainterPath outline;
    outline.addRoundedRect(card, 3, 3);
    g.fillPath(outline.translated(1, 1), QColor(60, 0, 0, 110));
    g.fillPath(outline, QColor(255, 253, 246));
    g.strokePath(outline, QPen(QColor(110, 40, 30), 0.8));
    DrawSuit(g, suit, card.center(), 15);
    DrawSuit(g, suit, card.topLeft() + QPointF(5, 5.5), 5);
    g.restore();
}
} // namespace

void DrawNightCastle(QPainter& g, qreal h) {
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(8, 12, 40));
    sky.setColorAt(0.7, QColor(34, 48, 110));
    sky.setColorAt(1, QColor(50, 60, 120));
    g.fillRect(QRectF(0, 0, 100, h), sky);

    unsigned seed = 11;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 16) & 0x7fff) / 32767.0;
    };
    for (int i = 0; i < 30; ++i) {
        const QPointF c(3 + next() * 94, 3 + next() * h * 0.55);
        const qreal r = 0.5 + next() * 0.9;
        g.setBrush(QColor(255, 255, 235, 120 + int(next() * 135)));
        g.drawEllipse(c, r, r);
    }

    const QPointF moon(74, h * 0.15);
    QRadialGradient halo(moon, 24);
    halo.setColorAt(0, QColor(255, 240, 180, 90));
    halo.setColorAt(1, QColor(255, 240, 180, 0));
    g.setBrush(halo);
    g.drawEllipse(moon, 24, 24);
    QPainterPath disc, bite;
    disc.addEllipse(moon, 11, 11);
    bite.addEllipse(moon + QPointF(5, -3.5), 10, 10);
    g.fillPath(disc.subtracted(bite), QColor(255, 238, 160));

    // Castle on a hill, in silhouette with lit windows.
    const QColor stone(16, 14, 30);
    QPainterPath hill;
    hill.moveTo(0, h);
    hill.lineTo(0, h * 0.90);
    hill.quadTo(50, h * 0.80, 100, h * 0.92);
    hill.lineTo(100, h);
    hill.closeSubpath();
    g.fillPath(hill, QColor(10, 24, 22));

    const qreal ground = h * 0.90;
    QPainterPath castle;
    castle.addRect(QRectF(16, h * 0.66, 68, ground - h * 0.66));
    AddBattlements(castle, 16, 84, h * 0.66, 4);
    AddTower(castle, 10, h * 0.50, 14, ground, 14);
    AddTower(castle, 76, h * 0.50, 14, ground, 14);
    castle.addRect(QRectF(36, h * 0.48, 28, h * 0.20));
    AddBattlements(castle, 36, 64, h * 0.48, 4);
    AddTower(castle, 44, h * 0.32, 12, h * 0.50, 16);
    g.fillPath(castle, stone);

    // Pennant on the keep.
    const qreal peak = h * 0.32 - 16;
    g.setPen(QPen(stone, 1));
    g.drawLine(QPointF(50, peak), QPointF(50, peak - 8));
    g.setPen(Qt::NoPen);
    QPainterPath flag;
    flag.moveTo(50, peak - 8);
    flag.lineTo(58, peak - 6);
    flag.lineTo(50, peak - 4);
    flag.closeSubpath();
    g.fillPath(flag, QColor(200, 40, 50));

    const QColor lamp(255, 206, 84);
    auto window = [&](qreal x, qreal y) {
        QPainterPath w;
        w.addRoundedRect(QRectF(x, y, 3, 5), 1.5, 1.5);
        g.fillPath(w, lamp);
    };
    window(15.5, h * 0.56);
    window(81.5, h * 0.56);
    window(48.5, h * 0.38);
    window(41, h * 0.54);
    window(56, h * 0.54);
    window(15.5, h * 0.70);
    window(81.5, h * 0.70);
    QPainterPath gate;
    gate.moveTo(44, ground);
    gate.lineTo(44, h * 0.79);
    gate.quadTo(50, h * 0.72, 56, h * 0.79);
    gate.lineTo(56, ground);
    gate.closeSubpath();
    g.fillPath(gate, QColor(120, 80, 30));
}

void DrawHotCards(QPainter& g, qreal h) {
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(50, 6, 6));
    bg.setColorAt(0.55, QColor(140, 22, 16));
    bg.setColorAt(1, QColor(220, 70, 20));
    g.fillRect(QRectF(0, 0, 100, h), bg);

    const QPointF pivot(50, h * 0.66);
    SmallCard(g, Suit::Spades, -24, pivot);
    SmallCard(g, Suit::Diamonds, 24, pivot);
    SmallCard(g, Suit::Hearts, 0, pivot + QPointF(0, -4));

    QLinearGradient outer(0, h * 0.35, 0, h);
    outer.setColorAt(0, QColor(255, 80, 20));
    outer.setColorAt(1, QColor(200, 20, 10));
    g.fillPath(Flames(h, h * 0.99, h * 0.44, 5, 0), outer);
    QLinearGradient middle(0, h * 0.5, 0, h);
    middle.setColorAt(0, QColor(255, 170, 30));
    middle.setColorAt(1, QColor(255, 110, 20));
    g.fillPath(Flames(h, h * 1.0, h * 0.32, 6, 7), middle);
    QLinearGradient core(0, h * 0.7, 0, h);
    core.setColorAt(0, QColor(255, 250, 150));
    core.setColorAt(1, QColor(255, 210, 60));
    g.fillPath(Flames(h, h * 1.02, h * 0.19, 7, 3), core);

    g.setBrush(QColor(255, 200, 80));
    for (QPointF e : {QPointF(18, h * 0.30), QPointF(80, h * 0.24), QPointF(70, h * 0.12),
                      QPointF(28, h * 0.14), QPointF(88, h * 0.42)})
        g.drawEllipse(e, 1.1, 1.1);
}

} // namespace art
