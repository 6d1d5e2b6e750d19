#include "app/Artwork.h"

#include <QPainter>

namespace {
QPixmap blank(int w, int h, qreal dpr, const QColor& fill, const QString& text = {}) {
    QPixmap p(qRound(w * dpr), qRound(h * dpr));
    p.setDevicePixelRatio(dpr);
    p.fill(fill);
    if (!text.isEmpty()) {
        QPainter g(&p);
        g.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    }
    return p;
}
} // namespace

QStringList CardBackDesignNames() {
    return {QStringLiteral("Palm Tree"), QStringLiteral("Magic Hands"),
            QStringLiteral("Night Castle"), QStringLiteral("Hot Cards")};
}

QStringList CardPictureKeys() {
    QStringList keys{"FULL", "BACK", "HALF"};
    for (int i = 4; i <= 12; ++i) keys << QString();
    keys << "EMPTY";
    for (const char* suit : {"S", "H", "C", "D"})
        for (int rank = 1; rank <= 13; ++rank) keys << QString::number(rank) + suit;
    keys << "POINTER" << "Empty" << "SMBY";
    return keys;
}

std::vector<QPixmap> DrawCardPictures(qreal dpr) {
    std::vector<QPixmap> out;
    out.push_back(blank(76, 98, dpr, Qt::darkGreen));
    out.push_back(blank(71, 96, dpr, Qt::darkGreen));
    out.push_back(blank(74, 97, dpr, Qt::darkGreen));
    for (int d = 0; d < 3; ++d) {
        out.push_back(blank(75, 97, dpr, Qt::darkBlue));
        out.push_back(blank(69, 94, dpr, Qt::darkBlue));
        out.push_back(blank(73, 97, dpr, Qt::darkBlue));
    }
    out.push_back(blank(71, 96, dpr, Qt::darkGray));
    const QStringList keys = CardPictureKeys();
    for (int i = 13; i < 65; ++i) out.push_back(blank(69, 94, dpr, Qt::white, keys[i]));
    out.push_back(blank(32, 32, dpr, Qt::yellow));
    out.push_back(blank(76, 100, dpr, Qt::darkGray));
    out.push_back(blank(71, 96, dpr, Qt::darkRed, "SMBY"));
    return out;
}
