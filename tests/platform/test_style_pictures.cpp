#include "platform/StylePictures.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPixmapCache>
#include <QStyle>
#include <gtest/gtest.h>

namespace {
bool imagePluginsLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}
} // namespace

TEST(StylePicturesTest, AGroupBoxFrameLooksTheSameAndLoadsNoImagePlugin) {
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        GTEST_SKIP() << "the frame is drawn by another style";
    if (imagePluginsLoaded()) GTEST_SKIP() << "loaded before this test";
    QPixmapCache::clear();
    platform::PreloadGroupBoxFramePicture();
    QGroupBox box(QStringLiteral("Caption"));
    box.resize(160, 120);
    const QImage preloaded = box.grab().toImage();
    EXPECT_FALSE(imagePluginsLoaded());
    QPixmapCache::clear(); // the style now reads the picture its own way
    EXPECT_EQ(box.grab().toImage(), preloaded);
}
