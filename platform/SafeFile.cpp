#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

bool WriteFileWhole(const QString& path, const QByteArray& data, QString* error) {
    QSaveFile file(path);
    // Renaming over the old file is the point; never fall back to writing in place.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    if (file.write(data) != data.size()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

bool ReadFileWhole(const QString& path, QByteArray& data, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QFileInfo::exists(path) ? file.errorString()
                                             : QStringLiteral("File not found: ") + path;
        }
        return false;
    }
    data = file.readAll();
    return true;
}

} // namespace platform
