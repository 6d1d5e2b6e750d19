#include "services/artwork/ArtKit.h"

#include <cmath>
#include <vector>

namespace art {
namespace {
constexpr qreal kWidth = 69;
constexpr qreal kHeight = 94;
constexpr qreal kPip = 11.5;

// Pip columns and rows in the style of printed cards.
constexpr qreal kLeft = 22.5, kMid = 34.5, kRight = 46.5;
constexpr qreal kTop = 16, kBottom = 78, kCentre = 47;

QString RankText(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

std::vector<QPointF> PipSpots(int rank) {
    // Four rows for nines and tens. Spots sit on half pixels so that the few pip pictures
    // made once can be copied to every spot.
    const qreal row = std::round((kBottom - kTop) / 3 * 2) / 2;
    std::vector<QPointF> spots;
    auto sides = [&](std::initializer_list<qreal> ys) {
        for (qreal y : ys)
            spots.insert(spots.end(), {QPointF(kLeft, y), QPointF(kRight, y)});
    };
    switch (rank) {
    case 2:
        spots = {{kMid, kTop}, {kMid, kBottom}};
        break;
    case 3:
        spots = {{kMid, kTop}, {kMid, kCentre}, {kMid, kBottom}};
        break;
    case 4:
        sides({kTop, kBottom});
        break;
    case 5:
        sides({kTop, kBottom});
        spots.push_back({kMid, kCentre});
        break;
    case 6:
        sides({kTop, kCentre, kBottom});
        break;
    case 7:
        sides({kTop, kCentre, kBottom});
        spots.push_back({kMid, kTop + 15.5});
        break;
    case 8:
        sides({kTop, kCentre, kBottom});
        spots.insert(spots.end(), {{kMid, kTop + 15.5}, {kMid, kBottom - 15.5}});
        break;
    case 9:
        sides({kTop, kTop + row, kBottom - row, kBottom});
        spots.push_back({kMid, kCentre});
        break;
    case 10:
        sides({kTop, kTop + row, kBottom - row, kBottom});
        spots.insert(spots.end(), {{kMid, kTop + 10.5}, {kMid, kBottom - 10.5}});
        break;
    default:
        break;
    }
    return spots;
}

// Rank and small suit in the top-left corner, and turned round in the bottom-right one.
void DrawIndexes(QPainter& g, int rank, Suit suit) {
    const bool red = SuitColor(suit) == SuitColor(Suit::Hearts);
    const QRectF box = rank == 10 ? QRectF(-5.8, -5, 12, 10) : QRectF(-5.5, -5, 11, 10);
    Stamp(
        g, (quint64(2) << 40) | quint64(rank) << 8 | (red ? 1 : 0), QPointF(7, 8), QSizeF(13, 14),
        [&](QPainter& p) { p.fillPath(Lettering(RankText(rank), box), SuitColor(suit)); }, true);
    StampSuit(g, suit, QPointF(7, 20), 8.5);
    StampSuit(g, suit, QPointF(kWidth - 7, kHeight - 20), 8.5, true);
}

void DrawAce(QPainter& g, Suit suit) {
    const QPointF centre(kWidth / 2, kHeight / 2);
    if (suit != Suit::Spades) {
        DrawSuit(g, suit, centre, 26);
        return;
    }
    // The ace of spades carries the larger pip inside a double ring.
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(SuitColor(suit), 0.9));
    g.drawEllipse(centre, 24, 24);
    g.setPen(QPen(SuitColor(suit), 0.5));
    g.drawEllipse(centre, 22, 22);
    g.setPen(Qt::NoPen);
    DrawSuit(g, suit, centre + QPointF(0, 0.5), 34);
}
} // namespace

QPixmap CardFace(int rank, Suit suit, qreal dpr) {
    QPixmap p = Canvas(int(kWidth), int(kHeight), dpr);
    p.fill(Qt::white);
    QPainter g(&p);
    Prepare(g);
    DrawIndexes(g, rank, suit);
    if (rank == 1) {
        DrawAce(g, suit);
    } else if (rank >= 11) {
        DrawCourtPanel(g, rank, suit, QRectF(14.5, 6.5, 40, 81));
    } else {
        for (const QPointF& spot : PipSpots(rank))
            StampSuit(g, suit, spot, kPip, spot.y() > kCentre + 1);
    }
    return p;
}

} // namespace art
