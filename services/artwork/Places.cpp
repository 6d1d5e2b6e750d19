#include "services/artwork/ArtKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <utility>

namespace art {

QPixmap EmptyPlace(QSize size, qreal dpr) {
    QPixmap p = Canvas(size.width(), size.height(), dpr);
    QPainter g(&p);
    Prepare(g);
    const QRectF place(0.5, 0.5, size.width() - 1, size.height() - 1);
    QPainterPath outline;
    outline.addRoundedRect(place, 5, 5);
    QRadialGradient felt(place.center(), place.height() * 0.7);
    felt.setColorAt(0, QColor(40, 120, 72));
    felt.setColorAt(1, QColor(20, 78, 44));
    g.fillPath(outline, felt);
    g.strokePath(outline, QPen(QColor(12, 50, 28), 1));
    QPainterPath rim;
    rim.addRoundedRect(place.adjusted(3, 3, -3, -3), 3.5, 3.5);
    g.strokePath(rim, QPen(QColor(170, 215, 170, 170), 1.2, Qt::DashLine));
    return p;
}

QPixmap Pointer(qreal dpr) {
    static const QPainterPath hand = [] {
        QPainterPath h;
        h.addRoundedRect(QRectF(10.5, 1, 5.2, 16), 2.6, 2.6); // index finger
        h.addRoundedRect(QRectF(10, 11, 16, 13), 4, 4);       // back of the hand
        h.addRoundedRect(QRectF(15, 10, 5, 8), 2.5, 2.5);     // folded fingers
        h.addRoundedRect(QRectF(19.5, 11, 5, 8), 2.5, 2.5);
        h.addRoundedRect(QRectF(23, 12.5, 4.5, 8), 2.25, 2.25);
        QPainterPath thumb;
        thumb.addRoundedRect(QRectF(-2, -2.4, 10, 4.8), 2.4, 2.4);
        QTransform t;
        t.translate(11.5, 18);
        t.rotate(-140);
        h.addPath(t.map(thumb));
        h.addRect(QRectF(13, 22, 11, 7)); // wrist
        h.setFillRule(Qt::WindingFill);
        return h.simplified();
    }();
    QPixmap p = Canvas(32, 32, dpr);
    QPainter g(&p);
    Prepare(g);
    g.fillPath(hand.translated(1.3, 1.3), QColor(0, 0, 0, 80));
    g.fillPath(hand, QColor(255, 252, 240));
    g.strokePath(hand, QPen(Qt::black, 1.1));
    g.setPen(QPen(QColor(120, 120, 120), 0.8));
    g.drawLine(QPointF(19.8, 13), QPointF(19.8, 17.5));
    g.drawLine(QPointF(24, 14), QPointF(24, 18.5));
    g.drawLine(QPointF(13.5, 26), QPointF(23.5, 26));
    return p;
}

QPixmap ElevensSplash(qreal dpr) {
    QPixmap p = Canvas(71, 96, dpr);
    QPainter g(&p);
    Prepare(g);
    const QRectF card(0.5, 0.5, 70, 95);
    QPainterPath outline;
    outline.addRoundedRect(card, 4, 4);
    QLinearGradient bg(0, 0, 0, 96);
    bg.setColorAt(0, QColor(16, 92, 60));
    bg.setColorAt(1, QColor(6, 46, 32));
    g.fillPath(outline, bg);
    const QColor gold(240, 196, 70);
    QPainterPath frame;
    frame.addRoundedRect(card.adjusted(3, 3, -3, -3), 2.5, 2.5);
    g.strokePath(frame, QPen(gold, 1));
    g.strokePath(outline, QPen(QColor(20, 30, 24), 1));

    const Suit suits[4] = {Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};
    for (int i = 0; i < 4; ++i) {
        for (const auto& [suit, y] : {std::pair{suits[i], 12.0}, std::pair{suits[3 - i], 84.0}}) {
            const bool red = SuitColor(suit) == SuitColor(Suit::Hearts);
            DrawSuit(g, suit, QPointF(17 + i * 12.3, y), 7,
                     QBrush(red ? QColor(240, 90, 90) : QColor(250, 250, 245)));
        }
    }

    QPainterPath eleven = Lettering(QStringLiteral("11"), QRectF(10, 22, 51, 36), true);
    g.fillPath(eleven.translated(1.2, 1.2), QColor(0, 0, 0, 120));
    QLinearGradient shine(0, 22, 0, 58);
    shine.setColorAt(0, QColor(255, 236, 150));
    shine.setColorAt(1, QColor(214, 150, 30));
    g.fillPath(eleven, shine);
    g.strokePath(eleven, QPen(QColor(110, 70, 10), 0.8));

    const QPainterPath word = Lettering(QStringLiteral("Sumbry"), QRectF(8, 63, 55, 10), false);
    g.fillPath(word, QColor(250, 250, 240));
    return p;
}

} // namespace art
