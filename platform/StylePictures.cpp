#include "platform/StylePictures.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <cstring>

namespace platform {

namespace {

// As QPixmap::load writes a number into its cache key: each byte in memory order, low digit
// first.
template <typename T> QString keyDigits(T value) {
    static const char digits[] = "0123456789abcdef";
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    QString text;
    for (unsigned char b : bytes) {
        text += QLatin1Char(digits[b & 0xf]);
        text += QLatin1Char(digits[b >> 4]);
    }
    return text;
}

// The key QPixmap::load files a picture under: its path, time and size, and the kind of pixmap.
QString pixmapCacheKey(const QFileInfo& file) {
    constexpr unsigned kPlainPixmap = 0;
    return QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
           keyDigits(unsigned(file.lastModified().toSecsSinceEpoch())) +
           keyDigits(quint64(file.size())) + keyDigits(kPlainPixmap);
}

} // namespace

void PreloadGroupBoxFramePicture() {
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        return;
    const QFileInfo file(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (!file.exists()) return;
    const QString key = pixmapCacheKey(file);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) return;
    QImageReader reader(file.filePath(), "png");
    reader.setAutoDetectImageFormat(false); // the plugins are asked only when guessing
    const QImage picture = reader.read();
    if (!picture.isNull()) QPixmapCache::insert(key, QPixmap::fromImage(picture));
}

} // namespace platform
