#include "services/artwork/ArtKit.h"

#include <cmath>

namespace art {
namespace {
const QColor kCream(251, 244, 224);
const QColor kGold(226, 172, 18);
const QColor kGoldDark(150, 104, 8);
const QColor kBlue(38, 76, 156);
const QColor kSkin(244, 205, 168);
const QColor kInk(40, 30, 30);

// Robe colour: the suit's own colour, so the court cards read red or black at a glance.
QColor Robe(Suit suit) {
    return SuitColor(suit) == SuitColor(Suit::Hearts) ? QColor(196, 30, 40) : QColor(34, 34, 40);
}

void Crown(QPainter& g) {
    QPainterPath c;
    c.moveTo(-7, -28);
    c.lineTo(-7.5, -36);
    c.lineTo(-3.5, -31.5);
    c.lineTo(0, -38);
    c.lineTo(3.5, -31.5);
    c.lineTo(7.5, -36);
    c.lineTo(7, -28);
    c.closeSubpath();
    g.fillPath(c, kGold);
    g.strokePath(c, QPen(kGoldDark, 0.6));
    g.setBrush(QColor(200, 24, 36));
    g.drawEllipse(QPointF(0, -30), 1.1, 1.1);
    g.setBrush(kBlue);
    g.drawEllipse(QPointF(-4.5, -29.8), 0.8, 0.8);
    g.drawEllipse(QPointF(4.5, -29.8), 0.8, 0.8);
}

void Tiara(QPainter& g) {
    QPainterPath t;
    t.moveTo(-6.5, -28.5);
    t.quadTo(0, -31, 6.5, -28.5);
    t.lineTo(5.5, -32);
    t.quadTo(0, -34, -5.5, -32);
    t.closeSubpath();
    for (qreal x : {-5.0, 0.0, 5.0})
        t.addEllipse(QPointF(x, x == 0 ? -35.5 : -33.8), 1.4, 1.4);
    g.fillPath(t, kGold);
    g.strokePath(t, QPen(kGoldDark, 0.5));
}

void Cap(QPainter& g, Suit suit) {
    QPainterPath feather;
    feather.moveTo(3, -30);
    feather.cubicTo(7, -38, 13, -39, 16, -37);
    feather.cubicTo(12, -36, 9, -33, 5, -28.5);
    feather.closeSubpath();
    g.fillPath(feather, Robe(suit));
    QPainterPath cap;
    cap.addEllipse(QPointF(0, -29.5), 8, 3.4);
    g.fillPath(cap, kBlue);
    g.strokePath(cap, QPen(kGold, 0.7));
}

// One figure in the top half of the panel (origin at the panel centre, y from -40 to 0).
void Figure(QPainter& g, int rank, Suit suit) {
    const QColor robe = Robe(suit);

    // What the figure holds: the king a sceptre, the queen a flower, the jack a lance.
    g.setPen(QPen(rank == 12 ? QColor(60, 130, 60) : kGoldDark, 1.1, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(-14, -2), QPointF(-14, rank == 11 ? -33 : -27));
    g.setPen(Qt::NoPen);
    if (rank == 13) {
        g.setBrush(kGold);
        g.drawEllipse(QPointF(-14, -28.5), 2.2, 2.2);
    } else if (rank == 12) {
        g.setBrush(QColor(200, 24, 36));
        for (int i = 0; i < 5; ++i) {
            const qreal a = i * 72 * 3.14159265 / 180;
            g.drawEllipse(QPointF(-14 + 1.8 * std::sin(a), -28 - 1.8 * std::cos(a)), 1.4, 1.4);
        }
        g.setBrush(kGold);
        g.drawEllipse(QPointF(-14, -28), 1.0, 1.0);
    } else {
        QPainterPath tip;
        tip.moveTo(-14, -38);
        tip.lineTo(-12, -33);
        tip.lineTo(-14, -31);
        tip.lineTo(-16, -33);
        tip.closeSubpath();
        g.fillPath(tip, QColor(120, 124, 136));
    }

    if (rank == 12) { // long hair behind the head
        QPainterPath hair;
        hair.addRoundedRect(QRectF(-8.5, -31, 17, 17), 7, 7);
        g.fillPath(hair, QColor(176, 112, 40));
    }

    QPainterPath robePath;
    robePath.moveTo(-17, 0);
    robePath.lineTo(-17, -6);
    robePath.cubicTo(-17, -12, -12, -15.5, -6, -16);
    robePath.lineTo(6, -16);
    robePath.cubicTo(12, -15.5, 17, -12, 17, -6);
    robePath.lineTo(17, 0);
    robePath.closeSubpath();
    g.fillPath(robePath, robe);
    // Blue tunic with a gold collar.
    QPainterPath tunic;
    tunic.moveTo(-5, -15.5);
    tunic.lineTo(5, -15.5);
    tunic.lineTo(4, 0);
    tunic.lineTo(-4, 0);
    tunic.closeSubpath();
    g.fillPath(tunic, kBlue);
    QPainterPath collar;
    collar.moveTo(-7, -16);
    collar.lineTo(0, -9);
    collar.lineTo(7, -16);
    collar.lineTo(4, -16.5);
    collar.lineTo(0, -12.5);
    collar.lineTo(-4, -16.5);
    collar.closeSubpath();
    g.fillPath(collar, kGold);
    g.setPen(QPen(kGold, 0.8));
    g.drawLine(QPointF(-11, -13.5), QPointF(-11, 0));
    g.drawLine(QPointF(11, -13.5), QPointF(11, 0));
    g.setPen(Qt::NoPen);
    DrawSuit(g, suit, QPointF(0, -4.5), 5.5, QBrush(Qt::white));

    // Head.
    g.setBrush(kSkin);
    g.drawRect(QRectF(-2.2, -19, 4.4, 4));
    g.drawEllipse(QPointF(0, -22.5), 5.3, 6.2);
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(-5.3, -23);
        beard.cubicTo(-5, -17, -2.5, -14.5, 0, -14);
        beard.cubicTo(2.5, -14.5, 5, -17, 5.3, -23);
        beard.cubicTo(3, -19.5, -3, -19.5, -5.3, -23);
        g.fillPath(beard, QColor(110, 78, 60));
    } else if (rank == 11) {
        g.setBrush(QColor(120, 74, 34));
        g.drawEllipse(QPointF(-5, -22), 1.6, 3);
        g.drawEllipse(QPointF(5, -22), 1.6, 3);
    }
    g.setBrush(kInk);
    g.drawEllipse(QPointF(-2, -23.5), 0.6, 0.7);
    g.drawEllipse(QPointF(2, -23.5), 0.6, 0.7);
    g.setPen(QPen(QColor(170, 70, 60), 0.6));
    g.drawLine(QPointF(-1.2, -19.8), QPointF(1.2, -19.8));
    g.setPen(Qt::NoPen);

    if (rank == 13)
        Crown(g);
    else if (rank == 12)
        Tiara(g);
    else
        Cap(g, suit);

    DrawSuit(g, suit, QPointF(14.5, -24), 6.5);
}
} // namespace

void DrawCourtPanel(QPainter& g, int rank, Suit suit, const QRectF& panel) {
    const QColor line = SuitColor(suit);
    g.fillRect(panel, kCream);
    // One figure drawn in the top half, turned round for the bottom half like printed cards.
    const qreal quarter = panel.height() / 4;
    Stamp(
        g, (quint64(3) << 40) | quint64(rank) << 8 | quint64(suit),
        QPointF(panel.center().x(), panel.top() + quarter), QSizeF(panel.width(), 2 * quarter),
        [&](QPainter& p) {
            p.translate(0, quarter);
            p.setClipRect(QRectF(-panel.width() / 2, -2 * quarter, panel.width(), 2 * quarter));
            Figure(p, rank, suit);
        },
        true);
    g.setPen(QPen(line, 0.7));
    g.drawLine(QPointF(panel.left(), panel.center().y()),
               QPointF(panel.right(), panel.center().y()));
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(kGold, 0.8));
    g.drawRect(panel.adjusted(1.5, 1.5, -1.5, -1.5));
    g.setPen(QPen(line, 1));
    g.drawRect(panel);
    g.setPen(Qt::NoPen);
}

} // namespace art
