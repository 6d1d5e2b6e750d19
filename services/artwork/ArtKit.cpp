#include "services/artwork/ArtKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QtMath>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace art {

QPixmap Canvas(int w, int h, qreal dpr) {
    QPixmap p(qRound(w * dpr), qRound(h * dpr));
    p.setDevicePixelRatio(dpr);
    p.fill(Qt::transparent);
    return p;
}

void Prepare(QPainter& g) {
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::SmoothPixmapTransform);
    g.setPen(Qt::NoPen);
}

namespace {
// Shapes are drawn in a 100-unit box and scaled to one unit.
QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(0, -27);
    p.cubicTo(5, -42, 15, -49, 27, -49);
    p.cubicTo(41, -49, 50, -38, 50, -23);
    p.cubicTo(50, 3, 25, 20, 0, 48);
    p.cubicTo(-25, 20, -50, 3, -50, -23);
    p.cubicTo(-50, -38, -41, -49, -27, -49);
    p.cubicTo(-15, -49, -5, -42, 0, -27);
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(0, -50);
    p.quadTo(16, -22, 40, 0);
    p.quadTo(16, 22, 0, 50);
    p.quadTo(-16, 22, -40, 0);
    p.quadTo(-16, -22, 0, -50);
    return p;
}

QPainterPath Spade() {
    QPainterPath p;
    p.moveTo(0, -50);
    p.cubicTo(-20, -26, -50, -14, -50, 8);
    p.cubicTo(-50, 25, -37, 33, -25, 33);
    p.cubicTo(-15, 33, -7, 28, -3, 21);
    p.cubicTo(-4, 33, -9, 42, -18, 50);
    p.lineTo(18, 50);
    p.cubicTo(9, 42, 4, 33, 3, 21);
    p.cubicTo(7, 28, 15, 33, 25, 33);
    p.cubicTo(37, 33, 50, 25, 50, 8);
    p.cubicTo(50, -14, 20, -26, 0, -50);
    return p;
}

QPainterPath Club() {
    QPainterPath p;
    p.addEllipse(QPointF(0, -25), 23, 23);
    p.addEllipse(QPointF(-26, 10), 23, 23);
    p.addEllipse(QPointF(26, 10), 23, 23);
    p.addRect(-10, -10, 20, 22);
    QPainterPath stem;
    stem.moveTo(-4, 10);
    stem.cubicTo(-5, 30, -9, 41, -18, 50);
    stem.lineTo(18, 50);
    stem.cubicTo(9, 41, 5, 30, 4, 10);
    stem.closeSubpath();
    p.setFillRule(Qt::WindingFill); // overlapping lobes join instead of cancelling
    return p.simplified().united(stem);
}
} // namespace

const QPainterPath& SuitPath(Suit suit) {
    static const std::array<QPainterPath, 4> paths = [] {
        std::array<QPainterPath, 4> a{Spade(), Heart(), Club(), Diamond()};
        QTransform unit;
        unit.scale(0.01, 0.01);
        for (auto& p : a)
            p = unit.map(p);
        return a;
    }();
    return paths[size_t(suit)];
}

QColor SuitColor(Suit suit) {
    return (suit == Suit::Hearts || suit == Suit::Diamonds) ? QColor(200, 24, 36)
                                                            : QColor(22, 22, 26);
}

void DrawSuit(QPainter& g, Suit suit, QPointF centre, qreal size, const QBrush& fill) {
    g.save();
    g.translate(centre);
    g.scale(size, size);
    g.fillPath(SuitPath(suit), fill);
    g.restore();
}

void DrawSuit(QPainter& g, Suit suit, QPointF centre, qreal size, bool upsideDown) {
    DrawSuit(g, suit, centre, upsideDown ? -size : size, QBrush(SuitColor(suit)));
}

namespace {
using StampKey = std::tuple<quint64, int, int, int, bool>;
std::map<StampKey, QImage>& Sprites() {
    static std::map<StampKey, QImage> sprites;
    return sprites;
}
} // namespace

void ForgetStamps() {
    Sprites().clear();
}

void Stamp(QPainter& g, quint64 key, QPointF centre, QSizeF extent,
           const std::function<void(QPainter&)>& draw, bool alsoTurned) {
    const qreal dpr = g.device()->devicePixelRatio();
    const QPointF device = g.transform().map(centre) * dpr;
    const QSize pixels(qCeil(extent.width() * dpr) + 2, qCeil(extent.height() * dpr) + 2);
    const QPointF corner = device - QPointF(pixels.width(), pixels.height()) / 2;
    // Sprites are kept per quarter-pixel phase, so a copy lands where a direct drawing would.
    QPoint origin(qFloor(corner.x()), qFloor(corner.y()));
    int phaseX = qRound((corner.x() - origin.x()) * 4);
    int phaseY = qRound((corner.y() - origin.y()) * 4);
    if (phaseX == 4) origin.rx() += 1, phaseX = 0;
    if (phaseY == 4) origin.ry() += 1, phaseY = 0;

    auto& sprites = Sprites();
    QImage& upright = sprites[StampKey{key, qRound(dpr * 100), phaseX, phaseY, false}];
    if (upright.isNull()) {
        upright = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        upright.fill(Qt::transparent);
        QPainter p(&upright);
        Prepare(p);
        p.translate(pixels.width() / 2.0 + phaseX / 4.0, pixels.height() / 2.0 + phaseY / 4.0);
        p.scale(dpr, dpr);
        draw(p);
        p.end();
        upright.setDevicePixelRatio(dpr);
    }
    g.save();
    g.resetTransform();
    g.setRenderHint(QPainter::SmoothPixmapTransform, false);
    g.drawImage(QPointF(origin) / dpr, upright);
    if (alsoTurned) {
        QImage& turnedImage = sprites[StampKey{key, qRound(dpr * 100), phaseX, phaseY, true}];
        if (turnedImage.isNull()) {
            turnedImage = upright.mirrored(true, true);
            turnedImage.setDevicePixelRatio(dpr);
        }
        const QPoint turned(g.device()->width() - origin.x() - pixels.width(),
                            g.device()->height() - origin.y() - pixels.height());
        g.drawImage(QPointF(turned) / dpr, turnedImage);
    }
    g.restore();
}

void StampSuit(QPainter& g, Suit suit, QPointF centre, qreal size, bool upsideDown) {
    const quint64 key = (quint64(1) << 40) | (quint64(suit) << 32) | (upsideDown ? 1u << 31 : 0) |
                        quint64(qRound(size * 100));
    Stamp(g, key, centre, QSizeF(size, size),
          [&](QPainter& p) { DrawSuit(p, suit, QPointF(), size, upsideDown); });
}

QPainterPath Lettering(const QString& text, const QRectF& box, bool serif) {
    struct Raw {
        QPainterPath path;
        qreal capHeight = 1;
    };
    static QHash<QString, Raw> cache;
    const QString key = text + (serif ? QChar('s') : QChar('n'));
    auto it = cache.find(key);
    if (it == cache.end()) {
        QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
        font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
        font.setBold(true);
        font.setPixelSize(100);
        Raw raw;
        raw.path.addText(0, 0, font, text);
        raw.capHeight = std::max<qreal>(1, QFontMetricsF(font).capHeight());
        it = cache.insert(key, raw);
    }
    const QRectF bounds = it->path.boundingRect();
    if (bounds.isEmpty()) return {};
    const qreal sy = box.height() / it->capHeight;
    const qreal sx = std::min(sy, box.width() / bounds.width());
    QTransform t;
    t.translate(box.center().x(), box.bottom());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), 0);
    return t.map(it->path);
}

} // namespace art
