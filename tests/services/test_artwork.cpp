// The drawn picture list: sizes, keys, that the pictures tell the cards apart, and that a
// list drawing on demand gives the very pictures of a drawing of the whole set.
#include "services/Artwork.h"
#include "services/PictureList.h"
#include "services/SharedState.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {
QSize ExpectedSize(int number) {
    if (number <= 3) return QList<QSize>{{76, 98}, {71, 96}, {74, 97}}[number - 1];
    if (number <= 12) return QList<QSize>{{75, 97}, {69, 94}, {73, 97}}[(number - 4) % 3];
    if (number == 13) return {71, 96};
    if (number <= 65) return {69, 94};
    return QList<QSize>{{32, 32}, {76, 100}, {71, 96}}[number - 66];
}

bool HasRed(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 80 && c.blue() < 80) return true;
        }
    return false;
}

// The whole set drawn in one go, backs first, the drawing parts forgotten only at the end.
std::vector<QPixmap> DrawAll(qreal dpr) {
    std::vector<QPixmap> out(68);
    const auto drawn = [&](int n) { return out[size_t(n - 1)]; };
    for (int n : {2, 5, 8, 11})
        out[size_t(n - 1)] = DrawCardPicture(n, dpr, drawn);
    for (int n = 1; n <= 68; ++n)
        if (out[size_t(n - 1)].isNull()) out[size_t(n - 1)] = DrawCardPicture(n, dpr, drawn);
    ForgetCardPictureParts();
    return out;
}
} // namespace

TEST(Artwork, PicturesHaveListSizesAtEveryPixelRatio) {
    for (qreal dpr : {1.0, 2.0}) {
        const auto pictures = DrawAll(dpr);
        ASSERT_EQ(pictures.size(), 68u);
        for (int n = 1; n <= 68; ++n) {
            const QPixmap& p = pictures[size_t(n - 1)];
            SCOPED_TRACE(n);
            EXPECT_EQ(p.deviceIndependentSize().toSize(), ExpectedSize(n));
            EXPECT_EQ(p.size(), ExpectedSize(n) * dpr);
            EXPECT_EQ(p.devicePixelRatio(), dpr);
        }
    }
}

TEST(Artwork, KeysAndDesignNamesInListOrder) {
    const QStringList keys = CardPictureKeys();
    ASSERT_EQ(keys.size(), 68);
    EXPECT_EQ(keys.mid(0, 3), (QStringList{"FULL", "BACK", "HALF"}));
    for (int i = 3; i < 12; ++i)
        EXPECT_TRUE(keys[i].isEmpty()) << i;
    EXPECT_EQ(keys[12], "EMPTY");
    EXPECT_EQ(keys[13], "1S");
    EXPECT_EQ(keys[25], "13S");
    EXPECT_EQ(keys[26], "1H");
    EXPECT_EQ(keys[39], "1C");
    EXPECT_EQ(keys[52], "1D");
    EXPECT_EQ(keys[64], "13D");
    EXPECT_EQ(keys.mid(65), (QStringList{"POINTER", "Empty", "SMBY"}));
    QStringList unique = keys;
    EXPECT_EQ(unique.removeDuplicates(), 8); // only the nine empty keys repeat
    EXPECT_EQ(CardBackDesignNames(),
              (QStringList{"Palm Tree", "Magic Hands", "Night Castle", "Hot Cards"}));
}

TEST(Artwork, FacesAndBacksAreTellApart) {
    const auto pictures = DrawAll(1.0);
    std::vector<QImage> faces;
    for (int n = 14; n <= 65; ++n)
        faces.push_back(pictures[size_t(n - 1)].toImage());
    for (size_t a = 0; a < faces.size(); ++a)
        for (size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_NE(faces[a], faces[b]) << "faces " << a + 14 << " and " << b + 14;

    // Red pips for hearts and diamonds only (court cards wear gold and blue as well).
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 1; rank <= 10; ++rank)
            EXPECT_EQ(HasRed(faces[size_t(suit * 13 + rank - 1)]), suit == 1 || suit == 3)
                << "suit " << suit << " rank " << rank;

    // The four designs compared over the part every back size shares.
    std::vector<QImage> backs;
    for (int n : {2, 5, 8, 11})
        backs.push_back(pictures[size_t(n - 1)].toImage().copy(0, 0, 69, 94));
    for (size_t a = 0; a < 4; ++a)
        for (size_t b = a + 1; b < 4; ++b)
            EXPECT_NE(backs[a], backs[b]);

    // Places and the pointer are see-through outside their shape.
    for (int n : {13, 66, 67})
        EXPECT_EQ(pictures[size_t(n - 1)].toImage().pixelColor(0, 0).alpha(), 0) << n;
    EXPECT_EQ(faces[0].pixelColor(0, 0), QColor(Qt::white));
}

TEST(Artwork, ListDrawsEachPictureWhenFirstAskedForAsTheWholeSetDoes) {
    for (qreal dpr : {1.0, 2.0}) {
        SCOPED_TRACE(dpr);
        const auto reference = DrawAll(dpr);
        const PictureList list = MakeCardPictureList(dpr);
        EXPECT_EQ(list.count(), 68);
        EXPECT_EQ(list.drawnCount(), 0);

        // A stock picture draws its design's back with it, and nothing else.
        EXPECT_EQ(list.byKey("HALF").size(), QSize(74, 97) * dpr);
        EXPECT_TRUE(list.isDrawn(2) && list.isDrawn(3));
        EXPECT_EQ(list.drawnCount(), 2);

        // Asked for by key from the end of the list back, with the drawing parts made afresh.
        QStringList keys;
        for (int n = 68; n >= 1; --n)
            if (!list.key(n).isEmpty()) keys << list.key(n);
        for (const QString& key : keys) {
            const int n = list.numberOf(key);
            SCOPED_TRACE(key.toStdString());
            const QPixmap p = list.byKey(key);
            EXPECT_EQ(p.deviceIndependentSize().toSize(), ExpectedSize(n));
            EXPECT_EQ(p.devicePixelRatio(), dpr);
            EXPECT_EQ(p.toImage(), reference[size_t(n - 1)].toImage());
            EXPECT_EQ(p.cacheKey(), list.byKey(key).cacheKey()); // drawn once, then kept
        }
        for (int n = 4; n <= 12; ++n)
            EXPECT_EQ(list.picture(n).toImage(), reference[size_t(n - 1)].toImage()) << n;
        EXPECT_EQ(list.drawnCount(), 68);

        // What the design fixes: every back has a white rim between its outline and its
        // scene's frame; a full stock's rearmost card edge is dark; the pointer's fingertip.
        for (int n : {2, 5, 8, 11})
            EXPECT_EQ(list.picture(n).toImage().pixelColor(QPoint(2, 48) * dpr), QColor(Qt::white))
                << n;
        EXPECT_EQ(list.byKey("FULL").toImage().pixelColor(QPoint(75, 50) * dpr),
                  QColor(96, 96, 102));
        EXPECT_GT(list.byKey("POINTER").toImage().pixelColor(QPoint(13, 2) * dpr).alpha(), 200);
    }
}
