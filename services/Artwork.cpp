#include "services/Artwork.h"

#include "services/artwork/ArtKit.h"

QStringList CardBackDesignNames() {
    return {QStringLiteral("Palm Tree"), QStringLiteral("Magic Hands"),
            QStringLiteral("Night Castle"), QStringLiteral("Hot Cards")};
}

QStringList CardPictureKeys() {
    QStringList keys{"FULL", "BACK", "HALF"};
    for (int i = 4; i <= 12; ++i)
        keys << QString();
    keys << "EMPTY";
    for (const char* suit : {"S", "H", "C", "D"})
        for (int rank = 1; rank <= 13; ++rank)
            keys << QString::number(rank) + suit;
    keys << "POINTER"
         << "Empty"
         << "SMBY";
    return keys;
}

QPixmap DrawCardPicture(int number, qreal dpr, const std::function<QPixmap(int)>& picture) {
    if (number <= 12) {
        // The first design came at a slightly larger card size than the other three.
        const int design = (number - 1) / 3, place = (number - 1) % 3;
        const bool first = design == 0;
        const QSize back = first ? QSize(71, 96) : QSize(69, 94);
        if (place == 1) return art::CardBack(design, back, dpr);
        const QSize full = first ? QSize(76, 98) : QSize(75, 97);
        const QSize half = first ? QSize(74, 97) : QSize(73, 97);
        const QSize size = place == 0 ? full : half;
        return art::Stock(picture(number - place + 1), size, size.width() - back.width(), dpr);
    }
    if (number == 13) return art::EmptyPlace(QSize(71, 96), dpr);
    if (number <= 65) {
        const int face = number - 14; // suits in list order: spades, hearts, clubs, diamonds
        return art::CardFace(face % 13 + 1, art::Suit(face / 13), dpr);
    }
    if (number == 66) return art::Pointer(dpr);
    if (number == 67) return art::EmptyPlace(QSize(76, 100), dpr);
    return art::ElevensSplash(dpr);
}

void ForgetCardPictureParts() {
    art::ForgetStamps();
}
