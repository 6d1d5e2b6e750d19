#include "services/artwork/ArtKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {
namespace {
constexpr qreal kDeg = 3.14159265358979 / 180;

// A palm frond: a curved blade from the crown, drooping towards its tip.
QPainterPath Frond(QPointF crown, qreal angle, qreal length, qreal droop) {
    const QPointF dir(std::cos(angle * kDeg), std::sin(angle * kDeg));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF tip = crown + dir * length + QPointF(0, droop);
    const QPointF mid = crown + dir * (length * 0.55) + QPointF(0, droop * 0.2);
    QPainterPath p;
    p.moveTo(crown);
    p.quadTo(mid + normal * 7, tip);
    p.quadTo(mid - normal * 3, crown);
    return p;
}

// A four-pointed sparkle.
QPainterPath Sparkle(QPointF c, qreal r) {
    QPainterPath p;
    const qreal k = r * 0.22;
    p.moveTo(c + QPointF(0, -r));
    p.quadTo(c + QPointF(k, -k), c + QPointF(r, 0));
    p.quadTo(c + QPointF(k, k), c + QPointF(0, r));
    p.quadTo(c + QPointF(-k, k), c + QPointF(-r, 0));
    p.quadTo(c + QPointF(-k, -k), c + QPointF(0, -r));
    return p;
}

// A white cartoon glove, fingers up, wrist at the origin's lower side; built once.
const QPainterPath& Glove() {
    static const QPainterPath glove = [] {
        QPainterPath p;
        p.addRoundedRect(QRectF(-10, -8, 20, 18), 6, 6);
        const qreal xs[4] = {-7.5, -2.5, 2.5, 7.5};
        const qreal tops[4] = {-21, -25, -24, -19};
        for (int i = 0; i < 4; ++i)
            p.addRoundedRect(QRectF(xs[i] - 2.4, tops[i], 4.8, -tops[i]), 2.4, 2.4);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-4, -2.6, 15, 5.2), 2.6, 2.6);
        QTransform t;
        t.translate(-9, 4);
        t.rotate(-140);
        p.addPath(t.map(thumb));
        p.addRoundedRect(QRectF(-11, 9, 22, 7), 2.5, 2.5);
        p.setFillRule(Qt::WindingFill);
        return p.simplified();
    }();
    return glove;
}

void DrawGlove(QPainter& g, QPointF at, qreal angle, bool mirrored) {
    g.save();
    g.translate(at);
    g.rotate(angle);
    g.scale(mirrored ? -1.15 : 1.15, 1.15);
    g.fillPath(Glove().translated(1.2, 1.2), QColor(20, 0, 40, 90));
    g.fillPath(Glove(), QColor(252, 252, 255));
    g.strokePath(Glove(), QPen(QColor(40, 30, 60), 0.9));
    g.setPen(QPen(QColor(150, 140, 170), 0.7));
    g.drawLine(QPointF(-8, 11.5), QPointF(8, 11.5));
    g.drawLine(QPointF(-8, 13.5), QPointF(8, 13.5));
    for (qreal x : {-5.0, 0.0, 5.0})
        g.drawLine(QPointF(x, -6), QPointF(x, -14));
    g.restore();
    g.setPen(Qt::NoPen);
}
} // namespace

void DrawPalmTree(QPainter& g, qreal h) {
    const qreal horizon = h * 0.62;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(26, 96, 180));
    sky.setColorAt(0.55, QColor(110, 180, 230));
    sky.setColorAt(1, QColor(255, 196, 120));
    g.fillRect(QRectF(0, 0, 100, horizon), sky);

    QRadialGradient sun(QPointF(72, horizon - 4), 16);
    sun.setColorAt(0, QColor(255, 250, 190));
    sun.setColorAt(0.7, QColor(255, 190, 40));
    sun.setColorAt(1, QColor(255, 150, 40));
    g.setBrush(sun);
    g.drawEllipse(QPointF(72, horizon - 4), 14, 14);

    QLinearGradient sea(0, horizon, 0, h);
    sea.setColorAt(0, QColor(20, 130, 190));
    sea.setColorAt(1, QColor(8, 70, 130));
    g.fillRect(QRectF(0, horizon, 100, h - horizon), sea);
    g.setPen(QPen(QColor(255, 230, 170, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = horizon + 4 + i * 5;
        const qreal w = 16 - i * 2;
        g.drawLine(QPointF(72 - w / 2 + i * 2, y), QPointF(72 + w / 2 + i * 2, y));
    }
    g.setPen(Qt::NoPen);

    g.setBrush(QColor(240, 206, 130));
    g.drawEllipse(QPointF(34, h + 2), 46, 16);

    // Trunk: a leaning, tapering curve with ring marks.
    const QPointF crown(58, h * 0.30);
    QPainterPath trunk;
    trunk.moveTo(24, h - 6);
    trunk.cubicTo(27, h * 0.72, 36, h * 0.46, crown.x() - 3, crown.y() + 1);
    trunk.lineTo(crown.x() + 2, crown.y() + 3);
    trunk.cubicTo(42, h * 0.48, 36, h * 0.72, 36, h - 6);
    trunk.closeSubpath();
    QLinearGradient bark(24, 0, 40, 0);
    bark.setColorAt(0, QColor(150, 100, 60));
    bark.setColorAt(1, QColor(96, 60, 34));
    g.fillPath(trunk, bark);
    QPainterPath spine;
    spine.moveTo(30, h - 6);
    spine.cubicTo(31.5, h * 0.72, 39, h * 0.47, crown.x(), crown.y() + 2);
    g.setPen(QPen(QColor(80, 48, 26), 0.9));
    for (int i = 1; i < 12; ++i) {
        const qreal t = i / 12.0;
        const QPointF c = spine.pointAtPercent(t);
        const qreal half = 5.5 - 3 * t;
        g.drawLine(c + QPointF(-half, -0.8), c + QPointF(half, 0.8));
    }
    g.setPen(Qt::NoPen);

    struct Leaf {
        qreal angle, length, droop;
    };
    const Leaf leaves[] = {{200, 34, 18}, {235, 26, 4},  {275, 20, 2}, {310, 30, 8},
                           {345, 36, 18}, {160, 26, 20}, {20, 28, 22}};
    for (const Leaf& l : leaves) {
        const QPainterPath f = Frond(crown, l.angle, l.length, l.droop);
        g.fillPath(f, QColor(40, 140, 60));
        g.strokePath(f, QPen(QColor(18, 80, 36), 0.8));
    }
    g.setBrush(QColor(110, 70, 30));
    for (QPointF c : {QPointF(-3, 4), QPointF(2, 5), QPointF(-0.5, 8)})
        g.drawEllipse(crown + c, 3, 3);
}

void DrawMagicHands(QPainter& g, qreal h) {
    QRadialGradient bg(QPointF(50, h * 0.42), 90);
    bg.setColorAt(0, QColor(140, 70, 190));
    bg.setColorAt(1, QColor(40, 10, 72));
    g.fillRect(QRectF(0, 0, 100, h), bg);

    // Scattered sparkles, placed by a fixed little generator so the back never changes.
    unsigned seed = 7;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 16) & 0x7fff) / 32767.0;
    };
    for (int i = 0; i < 18; ++i) {
        const QPointF c(6 + next() * 88, 6 + next() * (h - 12));
        const qreal r = 1.5 + next() * 2.5;
        g.fillPath(Sparkle(c, r), i % 3 ? QColor(255, 220, 120) : QColor(255, 255, 255));
    }

    // A glowing star conjured between the two hands.
    const QPointF magic(50, h * 0.40);
    QRadialGradient glow(magic, 30);
    glow.setColorAt(0, QColor(255, 250, 210, 240));
    glow.setColorAt(0.35, QColor(255, 210, 90, 150));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    g.setBrush(glow);
    g.drawEllipse(magic, 30, 30);
    g.fillPath(Sparkle(magic, 16), QColor(255, 255, 240));
    g.fillPath(Sparkle(magic, 9).translated(0, 0), QColor(255, 214, 90));

    DrawGlove(g, QPointF(24, h * 0.80), 28, false);
    DrawGlove(g, QPointF(76, h * 0.80), -28, true);

    // Wand in the right hand, tipped in white.
    g.setPen(QPen(QColor(20, 16, 24), 3, Qt::SolidLine, Qt::FlatCap));
    g.drawLine(QPointF(79, h * 0.64), QPointF(62, h * 0.47));
    g.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::FlatCap));
    g.drawLine(QPointF(64.5, h * 0.495), QPointF(62, h * 0.47));
    g.setPen(Qt::NoPen);
}

} // namespace art
