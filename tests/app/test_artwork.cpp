// The drawn picture list: sizes, keys, and that the pictures tell the cards apart.
#include "app/Artwork.h"
#include "app/SharedState.h"
#include "app/frmSelect.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

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
} // namespace

TEST(Artwork, PicturesHaveListSizesAtEveryPixelRatio) {
    for (qreal dpr : {1.0, 2.0}) {
        const auto pictures = DrawCardPictures(dpr);
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
    const auto pictures = DrawCardPictures(1.0);
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

// Looking aid, off by default: renders every picture with its number and key onto one sheet.
// PARLOVEX_SHEET_PNG=out/sheet.png parlovex_tests --gtest_also_run_disabled_tests
//   --gtest_filter='Artwork.DISABLED_RenderSheet'   (PARLOVEX_SHEET_DPR sets the ratio)
TEST(Artwork, DISABLED_RenderSheet) {
    const char* path = std::getenv("PARLOVEX_SHEET_PNG");
    ASSERT_NE(path, nullptr);
    const qreal dpr =
        std::getenv("PARLOVEX_SHEET_DPR") ? std::atof(std::getenv("PARLOVEX_SHEET_DPR")) : 1.0;
    // The first call pays one-time set-up (fonts, caches); the second shows the drawing alone.
    QElapsedTimer clock;
    clock.start();
    DrawCardPictures(dpr);
    const double first = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const auto pictures = DrawCardPictures(dpr);
    std::printf("68 pictures at dpr %.1f: first call %.2f ms, again %.2f ms\n", dpr, first,
                clock.nsecsElapsed() / 1e6);
    const int columns = 13, cellW = 90, cellH = 124;
    QImage sheet(QSize(columns * cellW, 6 * cellH) * dpr, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(0, 100, 50));
    QPainter g(&sheet);
    QFont small = g.font();
    small.setPixelSize(10);
    g.setFont(small);
    const QStringList keys = CardPictureKeys();
    for (int i = 0; i < 68; ++i) {
        const int slot = i; // thirteen a row puts each suit on its own row
        const QPoint at((slot % columns) * cellW + 8, (slot / columns) * cellH + 16);
        g.setPen(Qt::white);
        g.drawText(at + QPoint(0, -4), QString("%1 %2").arg(i + 1).arg(keys[i]));
        if (i >= 13 && i < 65) { // faces sit in a framed picture box, as in the games
            g.setPen(Qt::black);
            g.drawRect(QRect(at - QPoint(1, 1), QSize(70, 95)));
        }
        g.drawPixmap(at, pictures[size_t(i)]);
    }
    g.end();
    EXPECT_TRUE(sheet.save(QString::fromLocal8Bit(path)));
}

// Looking aid, off by default: the launcher with its ring part backs, part faces, written to
// PARLOVEX_LAUNCHER_PNG.
TEST(Artwork, DISABLED_RenderLauncher) {
    const char* path = std::getenv("PARLOVEX_LAUNCHER_PNG");
    ASSERT_NE(path, nullptr);
    QTemporaryDir folder;
    const SharedState saved = Shared();
    {
        frmSelect launcher(folder.path() + "/");
        for (int tick = 0; tick < 20; ++tick)
            launcher.Timer1_Timer();
        EXPECT_TRUE(launcher.grab().save(QString::fromLocal8Bit(path)));
    }
    Shared() = saved;
}
