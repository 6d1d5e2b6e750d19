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

std::vector<QPixmap> DrawCardPictures(qreal dpr) {
    std::vector<QPixmap> out;
    out.reserve(68);
    // The first design came at a slightly larger card size than the other three.
    for (int design = 0; design < 4; ++design) {
        const bool first = design == 0;
        const QSize back = first ? QSize(71, 96) : QSize(69, 94);
        const QSize full = first ? QSize(76, 98) : QSize(75, 97);
        const QSize half = first ? QSize(74, 97) : QSize(73, 97);
        const QPixmap card = art::CardBack(design, back, dpr);
        out.push_back(art::Stock(card, full, full.width() - back.width(), dpr));
        out.push_back(card);
        out.push_back(art::Stock(card, half, half.width() - back.width(), dpr));
    }
    out.push_back(art::EmptyPlace(QSize(71, 96), dpr));
    for (art::Suit suit :
         {art::Suit::Spades, art::Suit::Hearts, art::Suit::Clubs, art::Suit::Diamonds})
        for (int rank = 1; rank <= 13; ++rank)
            out.push_back(art::CardFace(rank, suit, dpr));
    out.push_back(art::Pointer(dpr));
    out.push_back(art::EmptyPlace(QSize(76, 100), dpr));
    out.push_back(art::ElevensSplash(dpr));
    art::ForgetStamps(); // the list is drawn once per run; keep no copies of its parts
    return out;
}
